#include <gtest/gtest.h>

#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {
namespace {

struct DateCase {
  const char* text;
  int dayNumber;
};

class StrToDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(StrToDateTest, Converts) {
  EXPECT_EQ(StrToDate(GetParam().text), GetParam().dayNumber);
}

INSTANTIATE_TEST_SUITE_P(Valid, StrToDateTest,
                         testing::Values(DateCase{"30.12.1899", 0}, DateCase{"01.01.1900", 2},
                                         DateCase{"29.12.1899", -1}, DateCase{"29.02.2024", 45351},
                                         DateCase{"15.06.24", 45458}, DateCase{"1.1.00", 36526},
                                         DateCase{"31.12.49", 54788}, DateCase{"1.1.50", 18264},
                                         DateCase{" 15.6.2024 ", 45458},
                                         DateCase{"01.01.0001", -693593},
                                         DateCase{"31.12.9999", 2958465}));

class StrToDateRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(StrToDateRejectTest, FailsWithTheConversionMessage) {
  try {
    StrToDate(GetParam());
    FAIL() << "no exception for \"" << GetParam() << '"';
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.what(), "'" + std::string(GetParam()) + "' ist kein gültiges Datum");
  }
}

INSTANTIATE_TEST_SUITE_P(Invalid, StrToDateRejectTest,
                         testing::Values("", "31.02.2024", "29.02.2023", "31.04.24", "00.01.2024",
                                         "01.00.2024", "01.13.2024", "1.1.202", "01.01.00000",
                                         "001.01.2024", "01-01-2024", "01.01.", "01.01",
                                         "15.06.2024x", "15.06.2024.", "1. 1.2024", "01.01.0000"));

TEST(Dates, DecodeIsTheInverseOfEncode) {
  for (int dayNumber = -693593; dayNumber <= 2958465; dayNumber += 97) {
    const CivilDate date = DecodeDate(dayNumber);
    int encoded = 0;
    ASSERT_TRUE(TryEncodeDate(date.year, date.month, date.day, encoded)) << dayNumber;
    ASSERT_EQ(encoded, dayNumber);
  }
}

TEST(Dates, WritesDayMonthAndFourDigitYear) {
  EXPECT_EQ(DateToStr(0), "30.12.1899");
  EXPECT_EQ(DateToStr(45351), "29.02.2024");
  EXPECT_EQ(DateToStr(-693593), "01.01.0001");
  EXPECT_EQ(StrToDate(DateToStr(45458)), 45458);
}

TEST(Dates, MonthLengthsFollowTheLeapYearRule) {
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 12), 31);
}

}  // namespace
}  // namespace qv

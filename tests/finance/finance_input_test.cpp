// Reading the finance window's inputs: amounts with thousand points and currency, month
// indexes, the grid lists whose filled rows must stand together, and the loan page's checks.
#include <gtest/gtest.h>

#include <map>

#include "civil_day.h"
#include "finance/finance_dates.h"
#include "finance/finance_input.h"
#include "platform/dates.h"

namespace qv {
namespace {

TEST(CleanAmountText, KeepsDigitsCommaAndMinus) {
  EXPECT_EQ(CleanAmountText("1.234,56 €"), "1234,56");
  EXPECT_EQ(CleanAmountText("-3.000"), "-3000");
  EXPECT_EQ(CleanAmountText("  215.548,50"), "215548,50");
  EXPECT_EQ(CleanAmountText("EUR"), "");
  EXPECT_EQ(CleanAmount("1.234,56 €"), 1234.56L);
  EXPECT_EQ(CleanAmount("1e5"), 15);
}

TEST(CleanAmountText, AnEmptyRestOrAStrayMinusDoesNotConvert) {
  EXPECT_THROW(CleanAmount("abc"), EConvertError);
  try {
    CleanAmount("1-2");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'1-2' ist kein gültiger Gleitkommawert");
  }
}

TEST(MonthIndex, RoundsDaysOverAMonthOf3045HundredthsToTheNearestMonth) {
  const int start = Day(2024, 1, 31);
  const std::pair<int, int> cases[] = {{0, 0},    {15, 0},  {16, 1},     {31, 1},
                                       {45, 1},   {46, 2},  {365, 12},   {-31, -1},
                                       {-46, -2}, {-15, 0}, {10958, 360}};
  for (const auto& [days, index] : cases)
    EXPECT_EQ(MonthIndex(start + days, start), index) << days << " days";
}

TEST(ReadGridList, ReadsAsManyRowsAsAreFilledFromTheFirstOn) {
  const int start = Day(2024, 1, 15);
  const std::vector<GridRow> rows{{"15.02.2024", "500"}, {"15.1.25", "2,5"}, {"", ""}};
  const std::vector<ListEntry> entries = ReadGridList(rows, start, LoanField::InterestChanges);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].month, 1);
  EXPECT_EQ(entries[0].value, 500);
  EXPECT_EQ(entries[1].month, 12);
  EXPECT_EQ(entries[1].value, 2.5L);
}

TEST(ReadGridList, AGapBetweenFilledRowsIsAConversionErrorOfTheEmptyRow) {
  const std::vector<GridRow> rows{{"15.02.2024", "500"}, {"", ""}, {"15.03.2024", "700"}};
  try {
    ReadGridList(rows, Day(2024, 1, 15), LoanField::SpecialRepayments);
    FAIL();
  } catch (const LoanInputError& e) {
    EXPECT_STREQ(e.what(), "'' ist kein gültiges Datum");
    EXPECT_EQ(e.field, LoanField::SpecialRepayments);
    EXPECT_EQ(e.row, 2);
    EXPECT_EQ(e.col, 1);
  }
}

TEST(ReadGridList, AValueWithACommaTypedAsPointDoesNotConvert) {
  const std::vector<GridRow> rows{{"15.02.2024", "1500.50"}};
  try {
    ReadGridList(rows, Day(2024, 1, 15), LoanField::SpecialRepayments);
    FAIL();
  } catch (const LoanInputError& e) {
    EXPECT_STREQ(e.what(), "'1500.50' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(e.col, 2);
  }
}

// The page's fields as a table; every write is recorded.
class Fields : public LoanInputFields {
 public:
  std::map<LoanField, std::string> texts;
  std::vector<std::pair<LoanField, std::string>> writes;
  std::string Text(LoanField field) const override { return texts.at(field); }
  void SetText(LoanField field, const std::string& text) override {
    texts[field] = text;
    writes.emplace_back(field, text);
  }
};

struct ValidationCase {
  const char *loan, *interest, *years, *months, *rate;
  AdjustMode mode;
  const char* message;  // "" when valid
  LoanField focus;
  size_t writes;
};

TEST(ValidateLoanInput, ChecksInOrderAndWritesDefaultsIntoEmptyFields) {
  using enum LoanField;
  const ValidationCase cases[] = {
      {"", "5", "30", "0", "", AdjustMode::Rate, "Darlehenssumme eingeben", Loan, 0},
      {"", "", "30", "0", "500", AdjustMode::Loan, "Zinssatz eingeben", Interest, 1},
      {"1000", "", "", "", "", AdjustMode::Rate, "Zinssatz eingeben", Interest, 0},
      {"1000", "5", "0", "", "", AdjustMode::Rate, "Laufzeit eingeben", Years, 1},
      {"1000", "5", "", "", "", AdjustMode::Rate, "Laufzeit eingeben", Years, 2},
      {"1000", "5", "-1", "3", "", AdjustMode::Rate, "Laufzeit eingeben", Years, 0},
      {"1000", "5", "2", "-5", "", AdjustMode::Rate, "Laufzeit eingeben", Years, 0},
      {"1000", "5", "100", "1", "", AdjustMode::Rate,
       "Die Laufzeit darf höchstens 100 Jahre betragen", Years, 0},
      {"1000", "5", "1", "", "", AdjustMode::Loan, "Monatsrate eingeben", Rate, 1},
      {"1000", "5", "1", "0", "", AdjustMode::Rate, "", Loan, 1},
      {"1000", "5", "0", "1", "", AdjustMode::None, "Monatsrate eingeben", Rate, 0},
      {"", "5", "99", "12", "7", AdjustMode::None, "", Loan, 1},
  };
  for (const ValidationCase& c : cases) {
    Fields fields;
    fields.texts = {{Loan, c.loan},
                    {Interest, c.interest},
                    {Years, c.years},
                    {Months, c.months},
                    {Rate, c.rate}};
    const ValidationOutcome outcome = ValidateLoanInput(fields, c.mode);
    const std::string context =
        std::string(c.loan) + "|" + c.interest + "|" + c.years + "|" + c.months + "|" + c.rate;
    EXPECT_EQ(outcome.valid, *c.message == '\0') << context;
    EXPECT_EQ(outcome.message, c.message) << context;
    if (!outcome.valid) {
      EXPECT_EQ(outcome.focus, c.focus) << context;
    }
    EXPECT_EQ(fields.writes.size(), c.writes) << context;
    for (const auto& [field, text] : fields.writes) EXPECT_EQ(text, "0") << context;
  }
}

TEST(ValidateLoanInput, AYearsTextThatIsNoIntegerPointsToItsField) {
  Fields fields;
  fields.texts = {{LoanField::Loan, "1000"},
                  {LoanField::Interest, "5"},
                  {LoanField::Years, "2,5"},
                  {LoanField::Months, "0"},
                  {LoanField::Rate, ""}};
  try {
    ValidateLoanInput(fields, AdjustMode::Rate);
    FAIL();
  } catch (const LoanInputError& e) {
    EXPECT_STREQ(e.what(), "'2,5' ist kein gültiger Integerwert");
    EXPECT_EQ(e.field, LoanField::Years);
  }
}

TEST(AddMonths, KeepsTheDayOrTakesTheLastDayOfAShorterMonth) {
  EXPECT_EQ(DateToStr(AddMonths(Day(2024, 1, 31), 1)), "29.02.2024");
  EXPECT_EQ(DateToStr(AddMonths(Day(2023, 1, 31), 1)), "28.02.2023");
  EXPECT_EQ(DateToStr(AddMonths(Day(2023, 1, 31), 3)), "30.04.2023");
  EXPECT_EQ(DateToStr(AddMonths(Day(2023, 1, 31), 13)), "29.02.2024");
  EXPECT_EQ(DateToStr(AddMonths(Day(2023, 8, 15), 360)), "15.08.2053");
  EXPECT_EQ(DateToStr(AddMonths(Day(2024, 3, 31), -1)), "29.02.2024");
}

}  // namespace
}  // namespace qv

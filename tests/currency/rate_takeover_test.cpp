// Taking a day of the bank's rates into the currency list: the rates relative to the base, the
// entries the day lacks, the base the day lacks, and the message that reports it.
#include <gtest/gtest.h>

#include "currency/rate_takeover.h"
#include "platform/dates.h"

namespace qv {
namespace {

// 28.06.2024, a few of the currencies of that day.
EcbDay Day() {
  int date = 0;
  TryEncodeDate(2024, 6, 28, date);
  return {date,
          {{"USD", "1.0705", 1.0705L},
           {"JPY", "171.94", 171.94L},
           {"CHF", "0.9634", 0.9634L},
           {"GBP", "0.84638", 0.84638L},
           {"ISK", "148.90", 148.90L},
           {"IDR", "17487.21", 17487.21L}}};
}

struct Case {
  const char* what;
  std::vector<std::string> names, rates;
  std::vector<std::string> taken;  // the new rates
  const char* message;
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.what;
}

class RateTakeoverTest : public testing::TestWithParam<Case> {};

TEST_P(RateTakeoverTest, SetsTheRatesTheDayHasAndReportsTheRest) {
  const Case& c = GetParam();
  const EcbDay day = Day();
  const RateTakeover takeover = TakeOverRates(c.names, c.rates, day);
  ASSERT_EQ(takeover.failure, "");
  EXPECT_EQ(takeover.rates, c.taken);
  EXPECT_EQ(TakeoverMessage(takeover, day.date), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RateTakeoverTest,
    testing::Values(
        // the euro as base: the day's rates as the file writes them; the base gets "1"
        Case{"EuroBase",
             {"EUR,Euro", "USD, USDollar", "CHF,Schw. Fr.", "ISK,Isl. Kronen", "GBP,Britt. Pfund",
              "JPY,Jap. Yen"},
             {"1.2", "1.13711", "1.04116", "145.821", "0.83519", "130.382"},
             {"1", "1.0705", "0.9634", "148.90", "0.84638", "171.94"},
             "5 Kurse vom 28.06.2024 übernommen."},
        // another base: cross rates to 6 significant digits, the euro at 1 / day[base]
        Case{"DollarBase",
             {"USD,US-Dollar", "EUR,Euro", "JPY,Yen", "IDR,Rupiah", "CHF,Franken"},
             {"1", "0.9", "150", "16000", "0.9"},
             {"1", "0.934143", "160.617", "16335.6", "0.899953"},
             "4 Kurse vom 28.06.2024 übernommen."},
        Case{"SmallCrossRate",
             {"IDR,Rupiah", "USD,US-Dollar", "EUR,Euro"},
             {"1", "0.0001", "0.0001"},
             {"1", "0.0000612162", "0.0000571847"},
             "2 Kurse vom 28.06.2024 übernommen."},
        // codes without the blanks around them and whatever their case; what the day lacks
        // stays and is named once
        Case{"CodesAndMissing",
             {"EUR,Euro", " usd ,Dollar", "DM,Mark", "XAU,Gold", "dm,Mark", "EUR,Euro again"},
             {"1", "1.1", "1.95583", "0.0004", "1.9", "1"},
             {"1", "1.0705", "1.95583", "0.0004", "1.9", "1"},
             "1 Kurs vom 28.06.2024 übernommen. Nicht in der Liste der EZB: DM, XAU"},
        // a rate list shorter than the names is made as long as the close would make it
        Case{"ShortRateList",
             {"EUR,Euro", "DM,Mark", "GBP,Pfund"},
             {"1"},
             {"1", "0", "0.84638"},
             "1 Kurs vom 28.06.2024 übernommen. Nicht in der Liste der EZB: DM"},
        Case{"NothingTaken",
             {"EUR,Euro", "DM,Mark"},
             {"1", "1.95583"},
             {"1", "1.95583"},
             "Kein Kurs vom 28.06.2024 übernommen. Nicht in der Liste der EZB: DM"}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.what; });

TEST(RateTakeoverTest, ABaseTheDayLacksTakesNothing) {
  const RateTakeover takeover = TakeOverRates({"DM,Mark", "USD,Dollar"}, {"1", "0.55"}, Day());
  EXPECT_EQ(takeover.failure, "die Basiswährung „DM“ ist nicht in der Liste der EZB");
  EXPECT_EQ(EcbFailureMessage(takeover.failure),
            "Die EZB-Kurse konnten nicht geladen werden: die Basiswährung „DM“ ist nicht in der "
            "Liste der EZB.");
}

TEST(RateTakeoverTest, SixDigitRatesKeepADecimalPointAndNoTrailingZeros) {
  const std::pair<Extended, const char*> cases[] = {
      {1, "1"},
      {160.6165L, "160.617"},
      {0.5L, "0.5"},
      {1234567.8L, "1234570"},
      {9.9999996L, "10"},
      {0.000061216L, "0.000061216"},
      {1.23456789e25L, "1.23457E+25"},
      {1e-15L, "1E-15"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(SixDigitRate(value), text) << text;
}

}  // namespace
}  // namespace qv

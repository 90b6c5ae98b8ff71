// The unit tables: their sizes, base units and default pairs, the conversion's order of
// operations, and the rows whose factors are the definitions of their units.
#include "panels/unit_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace qv {
namespace {

TEST(UnitTablesTest, EachQuantityHasItsUnitsWithTheBaseUnitFirst) {
  const size_t sizes[kQuantityCount] = {14, 13, 13, 15, 15, 9, 8, 9};
  for (int q = 0; q < kQuantityCount; ++q) {
    SCOPED_TRACE(QuantityCaption(q));
    ASSERT_EQ(UnitTable(q).size(), sizes[q]);
    EXPECT_EQ(UnitTable(q)[0].factor, 1);
    const auto [from, to] = DefaultUnitPair(q);
    EXPECT_LT(from, static_cast<int>(sizes[q]));
    EXPECT_LT(to, static_cast<int>(sizes[q]));
  }
  // Values kept as they were given, also where they are not the physical ones: chosen
  // conventions stay.
  EXPECT_STREQ(UnitTable(5)[2].abbreviation, " mW");
  EXPECT_STREQ(UnitTable(2)[12].abbreviation, " mg");
  EXPECT_EQ(UnitTable(4)[13].factor, 0.000816993464052L);  // Mach: 1224 km/h
  EXPECT_EQ(UnitTable(1)[10].factor, 0.033333333333333L);  // Unze (De): 30 g
}

TEST(UnitTablesTest, ConvertsByDividingByTheFromFactorThenMultiplyingByTheToFactor) {
  EXPECT_EQ(ConvertUnit(0, 0, 4, 10), 10 / 1.0L * 3.280839895013123L);
  EXPECT_EQ(ConvertUnit(7, 0, 6, 3), 3 / 1.0L * 6.241509074460762607776241e18L);
  EXPECT_EQ(ConvertUnit(7, 1, 0, 42), 42);
  // A unit into itself gives the value back up to the rounding of ÷ f × f.
  for (int q = 0; q < kQuantityCount; ++q)
    for (int u = 0; u < static_cast<int>(UnitTable(q).size()); ++u)
      EXPECT_NEAR(static_cast<double>(ConvertUnit(q, u, u, 7.5L)), 7.5, 1e-15) << q << " " << u;
}

// The rows whose factors are the definitions: each literal identifies the 80-bit value of the
// definition (given here to 41 digits), and one unit converts into the base unit and back to
// the last digit the display shows.
struct DefinedUnit {
  int quantity;
  int row;
  const char* text;
  const char* factor;     // units per base unit, to 41 digits
  const char* baseValue;  // one unit in base units, to 41 digits or exact
};

class DefinedUnitTest : public testing::TestWithParam<DefinedUnit> {};

TEST_P(DefinedUnitTest, HoldsTheDefinitionToTheLastDisplayedDigit) {
  const DefinedUnit& u = GetParam();
  const Unit& unit = UnitTable(u.quantity)[u.row];
  ASSERT_STREQ(unit.text, u.text);
  EXPECT_EQ(unit.factor, std::strtold(u.factor, nullptr));
  const Extended inBase = ConvertUnit(u.quantity, u.row, 0, 1);
  EXPECT_EQ(FormatGeneral(inBase), FormatGeneral(std::strtold(u.baseValue, nullptr)));
  EXPECT_EQ(FormatGeneral(ConvertUnit(u.quantity, 0, u.row, inBase)), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Definitions, DefinedUnitTest,
    testing::Values(
        // 1 N = 1 J/m = 0.01 J/cm
        DefinedUnit{6, 4, "Joules / cm", "0.01", "100"},
        // the international foot of 0.3048 m
        DefinedUnit{4, 6, "Feet / h", "3.2808398950131233595800524934383202099738e3", "0.0003048"},
        // the thermochemical calorie of 4.184 J
        DefinedUnit{5, 6, "Kalorien/h", "8.6042065009560229445506692160611854684512e2",
                    "0.00116222222222222222222222222222222222222"},
        // the thermochemical BTU: 4.184 J × 453.59237 × 5 / 9
        DefinedUnit{5, 7, "BTU/s", "9.4845141475329743140858709947669374029057e-4",
                    "1054.35026448888888888888888888888888888889"},
        DefinedUnit{7, 4, "BTU", "9.4845141475329743140858709947669374029057e-4",
                    "1054.35026448888888888888888888888888888889"},
        // the imperial gallon of 4.54609 l holds 160 fluid ounces
        DefinedUnit{3, 9, "Ounces (UK)", "3.5195079727854046004368589271219883460292e1",
                    "0.0284130625"},
        // the light year: c × 365.25 days
        DefinedUnit{0, 11, "Lichtjahre", "1.0570008340246154637094605244851272333529e-16",
                    "9460730472580800"},
        // the parsec: 648000 / π astronomical units
        DefinedUnit{0, 12, "Parsecs", "3.2407792894443650232376877163529572614188e-17",
                    "3.0856775814913672789139379577964716107319e16"},
        DefinedUnit{0, 13, "AE (Astron. Einh.)", "6.6845871222684454959959533702106362935017e-12",
                    "149597870700"},
        DefinedUnit{1, 12, "Atomgew.", "6.0221407620811226025990564912373859834608e23",
                    "1.66053906660e-24"},
        DefinedUnit{7, 6, "Elektronenvolt", "6.2415090744607626077762409809304458998870e18",
                    "1.602176634e-19"},
        DefinedUnit{7, 7, "Giga el.volt", "6.2415090744607626077762409809304458998870e9",
                    "1.602176634e-10"}));

}  // namespace
}  // namespace qv

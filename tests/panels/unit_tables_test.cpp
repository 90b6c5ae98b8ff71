// The unit tables: their sizes, base units and default pairs, and the conversion's order of
// operations.
#include "panels/unit_tables.h"

#include <gtest/gtest.h>

#include <cmath>

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
  // Values kept as they were given, also where they are not the physical ones.
  EXPECT_STREQ(UnitTable(5)[2].abbreviation, " mW");
  EXPECT_STREQ(UnitTable(2)[12].abbreviation, " mg");
  EXPECT_EQ(UnitTable(6)[4].factor, 100);
}

TEST(UnitTablesTest, ConvertsByDividingByTheFromFactorThenMultiplyingByTheToFactor) {
  EXPECT_EQ(ConvertUnit(0, 0, 4, 10), 10 / 1.0L * 3.280839895013123L);
  EXPECT_EQ(ConvertUnit(7, 0, 6, 3), 3 / 1.0L * 6.241495961752113e18L);
  EXPECT_EQ(ConvertUnit(7, 1, 0, 42), 42);
  // A unit into itself gives the value back up to the rounding of ÷ f × f.
  for (int q = 0; q < kQuantityCount; ++q)
    for (int u = 0; u < static_cast<int>(UnitTable(q).size()); ++u)
      EXPECT_NEAR(static_cast<double>(ConvertUnit(q, u, u, 7.5L)), 7.5, 1e-15) << q << " " << u;
}

}  // namespace
}  // namespace qv

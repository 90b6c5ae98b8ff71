// The tax amounts of a percentage and a value.
#include <gtest/gtest.h>

#include <cmath>

#include "panels/tax_panel.h"

namespace qv {
namespace {

TEST(ComputeTaxTest, AddsAndTakesOutTheTax) {
  const TaxAmounts t = ComputeTax(19, 119);
  EXPECT_EQ(FormatPattern("%2.2n", t.net), "100,00");
  EXPECT_EQ(FormatPattern("%2.2n", t.gross), "141,61");
  EXPECT_EQ(FormatPattern("%2.2n", t.contained), "19,00");
  EXPECT_EQ(FormatPattern("%2.2n", t.added), "22,61");
}

TEST(ComputeTaxTest, WithoutTaxBothAmountsAreTheValue) {
  const TaxAmounts t = ComputeTax(0, 42.5L);
  EXPECT_EQ(t.gross, 42.5L);
  EXPECT_EQ(t.net, 42.5L);
  EXPECT_EQ(t.contained, 0);
}

TEST(ComputeTaxTest, AFactorOfZeroGivesAnInfiniteNetAmountAndNoFault) {
  const TaxAmounts t = ComputeTax(-100, 10);
  EXPECT_EQ(t.gross, 0);
  EXPECT_TRUE(std::isinf(t.net));
  EXPECT_EQ(FormatPattern("%2.2n", t.net), "INF");
}

}  // namespace
}  // namespace qv

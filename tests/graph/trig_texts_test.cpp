// The texts of the trigonometry mode: the value labels in their fixed 15 characters, and the
// full turns of an angle beyond 360° with the rest, both truncated toward zero.
#include <gtest/gtest.h>

#include <limits>

#include "graph/trig_view.h"

namespace qv {
namespace {

TEST(TrigTextsTest, ValuesHaveEightDecimalsInFifteenCharacters) {
  EXPECT_EQ(TrigValueText(0.5L), "     0.50000000");
  EXPECT_EQ(TrigValueText(-1.7320508075688772935L), "    -1.73205081");
  EXPECT_EQ(TrigValueText(-0.0L), "     0.00000000");
  EXPECT_EQ(TrigValueText(123456789.0L), "123456789.00000000");
}

TEST(TrigTextsTest, AnglesBeyondAFullTurnAreWrittenAsTurnsAndRest) {
  const struct {
    long double degrees;
    const char* text;
  } cases[] = {
      {750, "2 Periode(n) + 30°"},
      {-750, "-2 Periode(n) + -30°"},
      {360, ""},
      {-360, ""},
      {360.4L, ""},
      {360.5L, ""},  // halves go to the even neighbour
      {361.5L, "1 Periode(n) + 2°"},
      {720, "2 Periode(n) + 0°"},
      {1e20L, "277777777777777777 Periode(n) + 280°"},
      {std::numeric_limits<long double>::infinity(), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PeriodsText(c.degrees), c.text) << c.degrees;
}

}  // namespace
}  // namespace qv

// The trigonometry panel's functions: the exact angles, the refusals with their messages, the
// inverse and hyperbolic functions, and the figure values the graph draws from.
#include "panels/trig_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qv {
namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

struct Case {
  const char* name;
  int k;
  Extended x;
  TrigOptions options;
  // Either the exact result and the tags, or the refusal.
  Extended result;
  const char* tag1;
  const char* tag2;
  const char* refusal = nullptr;
};

const TrigOptions kGrad{};
const TrigOptions kRad{.degrees = false};
const TrigOptions kArcGrad{.arc = true};
const TrigOptions kHyp{.hyp = true};
const TrigOptions kHypGraph{.hyp = true, .graphShown = true};
const TrigOptions kArcHyp{.arc = true, .hyp = true};

const Case kCases[] = {
    {"Sin180", 1, 180, kGrad, 0, "°", "sin"},
    {"Sin360", 1, 360, kGrad, 0, "°", "sin"},
    {"SinPiTestValue", 1, 3.14159265358979L, kRad, 0, "rad", "sin"},
    {"SinHalfPiTestValue", 1, 1.5707963267949L, kRad, 1, "rad", "sin"},
    {"Cos90", 2, 90, kGrad, 0, "°", "cos"},
    {"Cos270", 2, 270, kGrad, 0, "°", "cos"},
    {"CosPiTestValue", 2, 3.14159265358979L, kRad, -1, "rad", "cos"},
    {"Tan0", 3, 0, kGrad, 0, "°", "tan"},
    {"Tan180", 3, 180, kGrad, 0, "°", "tan"},
    {"Tan90", 3, 90, kGrad, 0, "°", "", "Tangens für diesen Winkel ist unendlich"},
    {"Tan270", 3, 270, kGrad, 0, "°", "", "Tangens für diesen Winkel ist unendlich"},
    {"TanHalfPi", 3, 1.5707963267949L, kRad, 0, "rad", "",
     "Tangens für diesen Winkel ist unendlich"},
    {"Cot90", 4, 90, kGrad, 0, "°", "cot"},
    {"Cot270", 4, 270, kGrad, 0, "°", "cot"},
    {"CotHalfPi", 4, 1.5707963267949L, kRad, 0, "rad", "cot"},
    {"Cot0", 4, 0, kGrad, 0, "°", "", "Kotangens für diesen Winkel ist unendlich"},
    {"CotPi", 4, 3.14159265358979L, kRad, 0, "rad", "",
     "Kotangens für diesen Winkel ist unendlich"},
    {"Sec0", 5, 0, kGrad, 1, "°", "sec"},
    {"Sec90", 5, 90, kGrad, 0, "°", "", "Sekans für diesen Winkel ist unendlich"},
    {"Csc90", 6, 90, kGrad, 1, "°", "csc"},
    {"Csc180", 6, 180, kGrad, 0, "°", "", "Kosekans für diesen Winkel ist unendlich"},
    {"ArcSinOne", 1, 1, kArcGrad, 90, "sin", "°"},
    {"ArcSinBelow", 1, -1.5L, kArcGrad, 0, "", "", "Zahl darf nicht kleiner als -1 sein"},
    {"ArcCosAbove", 2, 1.5L, kArcGrad, 0, "", "", "Zahl darf nicht größer als 1 sein"},
    {"ArcCotZero", 4, 0, kArcGrad, 0, "cot", "°"},
    {"ArcSecHalf", 5, 0.5L, kArcGrad, 0, "", "", "Zahl muß mindestens 1 oder kleiner als -1 sein"},
    {"ArcSecOne", 5, 1, kArcGrad, 0, "sec", "°"},
    {"ArcCscMinusOne", 6, -1, kArcGrad, -90, "Csc", "°"},
    {"Sinh0", 1, 0, kHyp, 0, "x", "sinh"},
    {"Cosh0", 2, 0, kHyp, 1, "y", "cosh"},
    {"Sinh40BesideTheGraph", 1, 40, kHypGraph, 0, "", "",
     "Zahl darf nicht größer sein als 39.7 wenn Graf angezeigt wird!"},
    {"Cosh40BesideTheGraph", 2, 40, kHypGraph, 0, "", "",
     "Zahl darf nicht größer sein als 39.7 wenn Graf angezeigt wird!"},
    {"Tanh40BesideTheGraph", 3, 40, kHypGraph, 1, "x", "tanh"},
    {"SinhOverflow", 1, -20000, kHyp, 0, "", "", "Zahl darf nicht größer als 11356 sein!"},
    {"CoshOverflow", 2, 20000, kHyp, 0, "", "", "Zahl darf nicht größer als 11356 sein!"},
    {"Arsinh0", 1, 0, kArcHyp, 0, "sinh", "x"},
    {"Arcosh1", 2, 1, kArcHyp, 0, "cosh", "y"},
    {"ArcoshBelowOne", 2, 0.5L, kArcHyp, 0, "", "", "Zahl muß größer oder gleich 1 sein"},
    {"Artanh1", 3, 1, kArcHyp, kInf, "tanh", "x"},
    {"ArtanhMinus1", 3, -1, kArcHyp, -kInf, "tanh", "x"},
    {"ArtanhBeyond", 3, 2, kArcHyp, 0, "", "", "Zahl muß zwischen -1 und 1 liegen"},
};

class TrigFunctionTest : public testing::TestWithParam<Case> {};

TEST_P(TrigFunctionTest, GivesItsExactValueOrRefuses) {
  const Case& c = GetParam();
  TrigFigure fig;
  const TrigOutcome out = ComputeTrigFunction(c.k, c.x, c.options, fig);
  if (c.refusal) {
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.refusal, c.refusal);
    // A refused circular function still shows its unit in field 1.
    EXPECT_EQ(out.setsField1Tag ? out.field1Tag : "", c.tag1);
    EXPECT_EQ(out.overflow, std::string(c.refusal).find("11356") != std::string::npos);
    return;
  }
  ASSERT_TRUE(out.ok) << out.refusal;
  EXPECT_EQ(out.result, c.result);
  EXPECT_EQ(out.field1Tag, c.tag1);
  EXPECT_EQ(out.field2Tag, c.tag2);
}

INSTANTIATE_TEST_SUITE_P(Table, TrigFunctionTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrigFigureTest, CircularFunctionsGiveTheUnitCircle) {
  TrigFigure fig;
  ComputeTrigFunction(4, 45, {}, fig);  // Cot 45°
  EXPECT_NEAR(static_cast<double>(fig.FigAngle), M_PI / 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(fig.FigTan), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(fig.FigCot), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(fig.FigSin), std::sqrt(0.5), 1e-15);
  // Csc 90° keeps the tangent of before: its divisor, the cosine, is 0.
  ComputeTrigFunction(6, 90, {}, fig);
  EXPECT_EQ(fig.FigCos, 0);
  EXPECT_NEAR(static_cast<double>(fig.FigTan), 1, 1e-15);
  EXPECT_EQ(fig.FigCot, 0);
}

// Far out, where x² overflows or the formula cancels, the inverse hyperbolic functions stay
// finite: about ln 2|x| with the sign of x.
TEST(TrigFunctionTest, InverseHyperbolicFunctionsOfHugeArgumentsAreFinite) {
  const auto result = [](int k, Extended x) {
    TrigFigure fig;
    const TrigOutcome out = ComputeTrigFunction(k, x, kArcHyp, fig);
    EXPECT_TRUE(out.ok) << out.refusal;
    return out.result;
  };
  const Extended ln10 = std::log(10.0L), ln2 = std::log(2.0L);
  EXPECT_NEAR(result(1, 1e4900L), 4900 * ln10 + ln2, 1e-12L);
  EXPECT_NEAR(result(1, -1e4900L), -(4900 * ln10 + ln2), 1e-12L);
  EXPECT_NEAR(result(1, -1e10L), -(10 * ln10 + ln2), 1e-12L);
  EXPECT_NEAR(result(2, 1e4931L), 4931 * ln10 + ln2, 1e-12L);
}

TEST(TrigFigureTest, InverseTangentLeavesTheAngleAndHyperbolicFunctionsTheirArgument) {
  TrigFigure fig;
  fig.FigAngle = 7;
  ComputeTrigFunction(3, 1, {.arc = true}, fig);
  EXPECT_EQ(fig.FigAngle, 7);
  EXPECT_NEAR(static_cast<double>(fig.FigTan), 1, 1e-15);
  ComputeTrigFunction(2, 2, {.hyp = true}, fig);
  EXPECT_EQ(fig.FigAngle, 2);
  EXPECT_EQ(fig.FigCosh, (std::exp(2.0L) + std::exp(-2.0L)) / 2);
  ComputeTrigFunction(2, 3, {.arc = true, .hyp = true}, fig);
  EXPECT_EQ(fig.FigCosh, 3);
  EXPECT_NEAR(static_cast<double>(fig.FigAngle), std::acosh(3.0), 1e-15);
}

}  // namespace
}  // namespace qv

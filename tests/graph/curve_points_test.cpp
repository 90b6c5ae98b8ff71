// The list of every intersection, root and extreme of a range, on terms the parser evaluates:
// crossings closer than a step, touching points, poles, jumps and gaps, to the last digits.
#include "graph/curve_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qv {
namespace {

struct ListCase {
  const char* name;
  const char* t1;
  const char* t2;  // empty: the roots of t1; "extrema": its extremes
  Extended lo, hi;
  std::vector<Extended> xs;  // the true places
  std::vector<PointKind> kinds;
};

void PrintTo(const ListCase& c, std::ostream* os) {
  *os << c.name;
}

class CurvePointsTest : public testing::TestWithParam<ListCase> {};

TEST_P(CurvePointsTest, FindsEveryPointToTheLastDigits) {
  const ListCase& c = GetParam();
  TMathParser parser(true);
  ParserEvaluator evaluator(parser);
  const std::string t2 = c.t2;
  const PointList list = t2 == "extrema" ? FindExtrema(evaluator, c.t1, c.lo, c.hi)
                         : t2.empty()    ? FindRoots(evaluator, c.t1, c.lo, c.hi)
                                         : FindIntersections(evaluator, c.t1, c.t2, c.lo, c.hi);
  ASSERT_EQ(list.points.size(), c.xs.size());
  for (size_t i = 0; i < c.xs.size(); ++i) {
    const Extended error = std::fabs(list.points[i].x - c.xs[i]);
    EXPECT_LE(error, 5e-16L * std::max<Extended>(1e-300L, std::fabs(c.xs[i])))
        << i << ": " << static_cast<double>(list.points[i].x);
    if (!c.kinds.empty()) {
      EXPECT_EQ(list.points[i].kind, c.kinds[i]) << i;
    }
  }
}

constexpr Extended kPi = 3.14159265358979323846264338327950288L;
using K = PointKind;

INSTANTIATE_TEST_SUITE_P(
    Cases, CurvePointsTest,
    testing::Values(
        ListCase{"SineCosine", "sin(x)", "cos(x)", -5, 5, {-3 * kPi / 4, kPi / 4, 5 * kPi / 4}, {}},
        ListCase{"ParabolaLine", "x^2", "x", -15, 15, {0, 1}, {}},
        ListCase{"Touching", "(x-1)^2", "0", -3, 3, {1}, {K::Touching}},
        ListCase{"TouchingLine", "x^2", "2*x-1", -3, 3, {1}, {K::Touching}},
        ListCase{"CloserThanAStep", "(x-0,5)*(x-0,52)", "0", -15, 15, {0.5L, 0.52L}, {}},
        ListCase{"PoleIsNoCrossing", "1/x", "0", -3, 3, {}, {}},
        ListCase{"TangentPoles", "tan(x)", "0", -4, 4, {-kPi, 0, kPi}, {}},
        ListCase{"JumpIsNoCrossing", "floor(x)", "0,5", -3, 3, {}, {}},
        ListCase{"SymmetricCurves", "abs(x)", "50", -100, 100, {-50, 50}, {}},
        ListCase{"GapIsNoCrossing", "sqrt(x)-1", "0", -3, 3, {1}, {}},
        ListCase{"CuspTouching", "sqrt(abs(x))", "0,5*x", -15, 15, {0, 4}, {}},
        ListCase{
            "Roots",
            "x^3-2*x",
            "",
            -3,
            3,
            {-1.41421356237309504880168872420969808L, 0, 1.41421356237309504880168872420969808L},
            {}},
        ListCase{"SineExtrema",
                 "sin(x)",
                 "extrema",
                 -4,
                 4,
                 {-kPi / 2, kPi / 2},
                 {K::Minimum, K::Maximum}},
        ListCase{"CubicExtrema", "x^3-3*x", "extrema", -3, 3, {-1, 1}, {K::Maximum, K::Minimum}},
        ListCase{"OffsetExtreme", "(x-0,3)^2+7", "extrema", -3, 3, {0.3L}, {K::Minimum}},
        ListCase{"PoleIsNoExtreme", "1/x^2", "extrema", -3, 3, {}, {}},
        ListCase{"KinkIsAnExtreme", "abs(x-1)", "extrema", -3, 3, {1}, {K::Minimum}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qv

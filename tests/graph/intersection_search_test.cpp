// The intersection search: the texts of each kind of result, exactly; and the places where
// the search must stay sound: a second candidate close behind the first, candidates far from
// zero, samples that fail, and differences that are zero in all but rounding.
#include "graph/intersection_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace qv {
namespace {

struct TextsCase {
  const char* name;
  SearchOutcome outcome;
  SearchTexts texts;
};

SearchOutcome Outcome(Extended diff1, Extended x1, Extended y11, Extended y12) {
  SearchOutcome o;
  o.Diff1 = diff1;
  o.Cut1X = x1;
  o.Cut1Y1 = y11;
  o.Cut1Y2 = y12;
  return o;
}

SearchOutcome WithSecond(SearchOutcome o, Extended diff2, Extended x2, Extended y21, Extended y22) {
  o.HasSecond = true;
  o.Diff2 = diff2;
  o.Cut2X = x2;
  o.Cut2Y1 = y21;
  o.Cut2Y2 = y22;
  return o;
}

SearchOutcome Parallel(SearchOutcome o, Extended gap) {
  o.Parallel = true;
  o.ParallelGap = gap;
  return o;
}

const char* const kNear = "\"Nähepunkt\" (kleinste Differenz zwischen \"y\")";
const char* const kParallel =
    "Paralell (Differenz zwischen \"y1\" und \"y2\" bei Null wird angezeigt)";

class ResultTextsTest : public testing::TestWithParam<TextsCase> {};

TEST_P(ResultTextsTest, SaysWhatWasFound) {
  const SearchTexts got = ResultTexts(GetParam().outcome);
  const SearchTexts& wanted = GetParam().texts;
  EXPECT_EQ(got.kind, wanted.kind);
  EXPECT_EQ(got.hint, wanted.hint);
  EXPECT_EQ(got.first, wanted.first);
  EXPECT_EQ(got.second, wanted.second);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ResultTextsTest,
    testing::Values(
        TextsCase{"Exact", Outcome(0, 0, 0, 0), {"SP", "Schnittpunkt", "x =  0,   y = 0", "0"}},
        TextsCase{"ExactWithSecond",
                  WithSecond(Outcome(0, 0, 0, 0), 0, 1, 1, 1),
                  {"SP", "Schnittpunkt", "x1 =  0,   y1 = 0", "x2 =  1,   y2 = 1"}},
        TextsCase{"Approximate",
                  Outcome(1e-10L, 1.5L, 2, 2.5L),
                  {"SP", "Schnittpunkt (Ca)", "x =~  1,5,   y =~ 2,25", "0"}},
        TextsCase{"ApproximateWithSecond",
                  WithSecond(Outcome(1e-9L, 1.5L, 2, 2.5L), 1e-12L, -2, 3, 4),
                  {"SP", "Schnittpunkt (Ca)", "x1 =~  1,5,   y1 =~ 2", "x2 =~  -2,   y2 =~ 3,5"}},
        TextsCase{"Nearest", Outcome(1, 0, 1, 0), {"NP", kNear, "x = 0,   y1 = 1,  y2 = 0", "0"}},
        TextsCase{"NearestWithSecond",
                  WithSecond(Outcome(2e-9L, 0, 1, 0), 0, 3, 2, 2),
                  {"NP", kNear, "x = 0,   y1 = 1,  y2 = 0", "x2 =  3,   y2 = 2"}},
        TextsCase{"Parallel",
                  Parallel(WithSecond(Outcome(0, 0, 0, 0), 0, 1, 1, 1), 1),
                  {"P", kParallel, "x = 0,   y2 - y1 = 1", "0"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Terms as C++ functions of x, counting every evaluation; T2 is "0" unless given.
class FunctionTerms : public TermEvaluator {
 public:
  std::function<bool(Extended, Extended&)> t1;
  std::function<bool(Extended, Extended&)> t2 = [](Extended, Extended& v) {
    v = 0;
    return true;
  };
  long evaluations = 0;
  bool Evaluate(std::string_view term, Extended x, Extended& value) override {
    ++evaluations;
    return term == "T1" ? t1(x, value) : t2(x, value);
  }
};

class SearchTest : public testing::Test {
 protected:
  SearchOutcome Run(Extended lo, Extended hi) {
    seen.clear();
    window.OnCaptionOrCursor = [this] { seen.push_back(window.Caption()); };
    return SearchIntersections(terms, {"T1", "T2", "T2"}, lo, hi, window);
  }
  // The scan and its refinement alone, before its result is held against the true points.
  SearchOutcome Scan(Extended lo, Extended hi) {
    return ScanForIntersections(terms, {"T1", "T2", "T2"}, lo, hi, window, true);
  }
  FunctionTerms terms;
  Form window{"TForm1", "Form1"};
  std::vector<std::string> seen;
};

// The difference as straight lines between these points: a first minimum at 0.4, a rise for
// two steps before it, and a second minimum at 0.55, between two scan steps and nearer to the
// end of the first region than 0.2.
Extended Zigzag(Extended x) {
  static const std::pair<Extended, Extended> points[] = {
      {0, 10},   {0.1L, 5},     {0.2L, 6},    {0.3L, 7}, {0.4L, 1},
      {0.5L, 2}, {0.55L, 1.2L}, {0.6L, 1.5L}, {0.7L, 7}, {1, 10}};
  if (x >= 1) return 10 + x;
  for (size_t i = 1; i < std::size(points); ++i)
    if (x < points[i].first) {
      const auto [x0, y0] = points[i - 1];
      const auto [x1, y1] = points[i];
      return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
    }
  return 10;
}

// Bounded by the second candidate alone, a window would keep its width while the step shrinks
// tenfold a phase, and the last phases would never end.
TEST_F(SearchTest, ASecondCandidateCloseBehindKeepsEveryPhaseShort) {
  terms.t1 = [](Extended x, Extended& v) {
    v = Zigzag(x);
    return true;
  };
  const SearchOutcome o = Scan(0, 2);
  EXPECT_LT(terms.evaluations, 20000);
  ASSERT_TRUE(o.Second());
  // Both candidates end at a minimum of the difference.
  for (const Extended x : {o.Cut1X, o.Cut2X})
    EXPECT_TRUE(std::fabs(x - 0.4L) < 1e-12L || std::fabs(x - 0.55L) < 1e-12L)
        << static_cast<double>(x);
  // The curves never meet: what is shown is the nearest point alone.
  EXPECT_FALSE(Run(0, 2).Second());
}

TEST_F(SearchTest, RefinementEndsWhereTheSmallestStepsNoLongerMoveX) {
  terms.t1 = [](Extended x, Extended& v) {
    v = x - 5000.25L;
    return true;
  };
  const SearchOutcome o = Run(4990, 5010);
  EXPECT_LT(terms.evaluations, 20000);
  EXPECT_NEAR(static_cast<double>(o.Cut1X), 5000.25, 1e-9);
  EXPECT_EQ(ResultTexts(o).kind, "SP");
}

// A free range this far out: neither the scan's step nor the refinement's moves x there.
// (Near zero the term is undefined, so that the parallel test does not take over.)
TEST_F(SearchTest, AScanWhereTheStepNoLongerMovesXEnds) {
  terms.t1 = [](Extended x, Extended& v) {
    v = x - 1e22L;
    return std::fabs(x) > 1e20L;
  };
  const SearchOutcome o = Run(1e21L, 1e23L);
  EXPECT_LT(terms.evaluations, 20000);
  EXPECT_EQ(o.Cut1X, 1e21L);
}

TEST_F(SearchTest, ScanAndPhasesShowInTheCaptionWhichComesBackAfterwards) {
  window.SetCaption("Quorvel (R1)");
  terms.t1 = [](Extended x, Extended& v) {
    v = x * x - 2;
    return true;
  };
  Run(-3, 3);
  EXPECT_EQ(window.Caption(), "Quorvel (R1)");
  EXPECT_EQ(window.GetCursor(), Cursor::Normal);
  const auto shown = [this](const std::string& caption) {
    return std::find(seen.begin(), seen.end(), caption) != seen.end();
  };
  EXPECT_TRUE(shown("Quorvel (R1) - Schnittpunkte werden gesucht ..."));
  EXPECT_TRUE(shown("Quorvel (R1) -  Berechne Schnittpunkt 1 - Phase 15 von 15"));
  EXPECT_TRUE(shown("Quorvel (R1) -  Berechne Schnittpunkt 2 - Phase 1 von 15"));
}

// ln(x) = 1 where the range starts in ln's gap: the failing start is no candidate.
TEST_F(SearchTest, SamplesThatFailNeverBecomeCandidates) {
  terms.t1 = [](Extended x, Extended& v) {
    if (x <= 0) return false;
    v = std::log(x);
    return true;
  };
  terms.t2 = [](Extended, Extended& v) {
    v = 1;
    return true;
  };
  const SearchOutcome o = Run(-3, 3);
  EXPECT_NEAR(static_cast<double>(o.Cut1X), 2.718281828459045, 1e-12);
  EXPECT_EQ(ResultTexts(o).kind, "SP");
  EXPECT_EQ(window.GetCursor(), Cursor::Normal);
}

// Curves that cannot be evaluated at one of the test points are not taken as parallel.
TEST_F(SearchTest, AFailingTestPointLeavesTheCurvesNotParallel) {
  terms.t1 = [](Extended x, Extended& v) {
    if (x == -100) return false;
    v = x + 1;
    return true;
  };
  terms.t2 = [](Extended x, Extended& v) {
    v = x;
    return true;
  };
  EXPECT_FALSE(Run(-3, 3).Parallel);
  terms.t1 = [](Extended x, Extended& v) {
    v = x + 1;
    return true;
  };
  const SearchOutcome o = Run(-3, 3);
  EXPECT_TRUE(o.Parallel);
  EXPECT_EQ(ResultTexts(o).first, "x = 0,   y2 - y1 = 1");
}

TEST_F(SearchTest, ADifferenceBelowTheCleanUpLimitIsAnExactIntersection) {
  terms.t1 = [](Extended x, Extended& v) {
    v = 5e-16L + (x - 0.5L) * (x - 0.5L);
    return true;
  };
  const SearchOutcome o = Run(-1, 1);
  EXPECT_EQ(o.Diff1, 0);
  EXPECT_EQ(ResultTexts(o).hint, "Schnittpunkt");
}

}  // namespace
}  // namespace qv

// The point search and the intersection search on the reference corpus (random pairs of
// terms over the ranges of every zoom, with their true intersections, roots and extremes
// computed with mpmath by tools/intersection-reference/make_corpus.py):
// - the lists hold every true point to 15 significant digits, and nothing else;
// - the search's result is the step-by-step scan's own (modelled here, step by step, apart
//   from the program) wherever that ends within the limit of an approximate intersection, a
//   true intersection nearest to the scan's candidate where the scan ends elsewhere although
//   the curves meet, and the scan's nearest point where they do not meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "graph/curve_points.h"
#include "graph/intersection_search.h"

namespace qv {
namespace {

struct TruePoint {
  Extended x;
  char kind;
};

struct CorpusCase {
  std::string name, t1, t2;
  Extended lo = 0, hi = 0;
  std::vector<TruePoint> cuts, roots, extrema;
  Extended probeX = 0;
  std::string probeValue;
};

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(part);
  if (!text.empty() && text.back() == at) parts.emplace_back();
  return parts;
}

std::vector<TruePoint> Points(const std::string& text) {
  std::vector<TruePoint> points;
  for (const std::string& item : Split(text, ';')) {
    if (item.empty()) continue;
    const size_t colon = item.rfind(':');
    points.push_back({std::strtold(item.substr(0, colon).c_str(), nullptr), item[colon + 1]});
  }
  return points;
}

// The rows of the range menu, by number.
constexpr int kRows[6][2] = {{0, 0}, {-1, 1}, {-2, 2}, {-3, 3}, {-1, 0}, {0, 1}};

std::vector<CorpusCase> ReadCorpus() {
  std::ifstream in(QV_TEST_DATA_DIR "/intersection_corpus.txt");
  std::vector<CorpusCase> cases;
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() != 8) continue;
    CorpusCase c;
    c.name = f[0];
    c.t1 = f[1];
    c.t2 = f[2];
    std::istringstream range(f[3]);
    std::string first;
    range >> first;
    if (first == "free") {
      std::string lo, hi;
      range >> lo >> hi;
      c.lo = std::strtold(lo.c_str(), nullptr);
      c.hi = std::strtold(hi.c_str(), nullptr);
    } else {
      int row;
      range >> row;
      const Extended zoom = std::stoi(first);
      c.lo = zoom * kRows[row][0];
      c.hi = zoom * kRows[row][1];
    }
    c.cuts = Points(f[4]);
    c.roots = Points(f[5]);
    c.extrema = Points(f[6]);
    const size_t colon = f[7].find(':');
    c.probeX = std::strtold(f[7].substr(0, colon).c_str(), nullptr);
    c.probeValue = f[7].substr(colon + 1);
    cases.push_back(c);
  }
  return cases;
}

const std::vector<CorpusCase>& Corpus() {
  static const std::vector<CorpusCase> cases = ReadCorpus();
  return cases;
}

// How many significant digits x has right, at most 19.
double Digits(Extended x, Extended truth) {
  const Extended error = std::fabs(x - truth);
  if (error == 0) return 19;
  return std::min(19.0,
                  static_cast<double>(-std::log10(error / std::max(std::fabs(truth), 1e-3L))));
}

// 15 significant digits; near zero, as many as a value of 1e-3 would have.
bool FifteenDigits(Extended x, Extended truth) {
  return Digits(x, truth) >= 15 - std::log10(5.0);
}

char KindOf(PointKind kind) {
  switch (kind) {
    case PointKind::Crossing:
      return 'c';
    case PointKind::Touching:
      return 't';
    case PointKind::Maximum:
      return 'M';
    case PointKind::Minimum:
      return 'm';
  }
  return '?';
}

struct Tally {
  int points = 0, found = 0;
  double worstDigits = 19;
};

// Every true point once, to 15 digits and of its kind, and no other.
void ExpectSame(const std::string& what, const CorpusCase& c, const std::vector<TruePoint>& truth,
                const PointList& got, Tally& tally) {
  tally.points += static_cast<int>(truth.size());
  ASSERT_EQ(got.points.size(), truth.size())
      << what << " of " << c.name << ": " << c.t1 << " / " << c.t2;
  for (size_t i = 0; i < truth.size(); ++i) {
    const double digits = Digits(got.points[i].x, truth[i].x);
    tally.worstDigits = std::min(tally.worstDigits, digits);
    EXPECT_TRUE(FifteenDigits(got.points[i].x, truth[i].x))
        << what << " " << i << " of " << c.name << ": " << static_cast<double>(got.points[i].x)
        << " has " << digits << " digits";
    // A crossing and a touching point are told apart for curves; a root's kind likewise.
    EXPECT_EQ(KindOf(got.points[i].kind), truth[i].kind) << what << " " << i << " of " << c.name;
    ++tally.found;
  }
}

TEST(IntersectionCorpus, TheTermsReadAsTheReferenceWroteThem) {
  ASSERT_GE(Corpus().size(), 200u);
  TMathParser parser(true);
  ParserEvaluator evaluator(parser);
  for (const CorpusCase& c : Corpus()) {
    Extended v;
    const bool ok = evaluator.Evaluate(c.t1, c.probeX, v);
    if (c.probeValue == "-") {
      EXPECT_FALSE(ok) << c.name;
      continue;
    }
    ASSERT_TRUE(ok) << c.name << ": " << c.t1;
    const Extended want = std::strtold(c.probeValue.c_str(), nullptr);
    // Sums of large parts keep fewer digits than their result; a term read otherwise differs
    // in the first ones.
    EXPECT_LE(std::fabs(v - want), 1e-12L * std::max<Extended>(1, std::fabs(want))) << c.name;
  }
}

TEST(IntersectionCorpus, EveryPointFoundToFifteenDigitsAndNoneFalse) {
  TMathParser parser(true);
  ParserEvaluator evaluator(parser);
  Tally cuts, roots, extrema;
  for (const CorpusCase& c : Corpus()) {
    ExpectSame("intersection", c, c.cuts, FindIntersections(evaluator, c.t1, c.t2, c.lo, c.hi),
               cuts);
    ExpectSame("root", c, c.roots, FindRoots(evaluator, c.t1, c.lo, c.hi), roots);
    ExpectSame("extreme", c, c.extrema, FindExtrema(evaluator, c.t1, c.lo, c.hi), extrema);
  }
  for (const auto& [what, t] :
       {std::pair{"intersections", cuts}, std::pair{"roots", roots}, std::pair{"extrema", extrema}})
    std::printf("corpus %s: %d true, %d found, worst %.1f digits\n", what, t.points, t.found,
                t.worstDigits);
}

// The scan and refinement as the steps of the search run, one after another, with the
// variables they name. Where the steps leave it open: a sample that fails is skipped, a start
// that fails gives no candidate, a phase ends where its step no longer moves x, and a second
// candidate close behind bounds the refinement window without widening it.
class ScanModel {
 public:
  ScanModel(TermEvaluator& e, const SearchTerms& terms) : e_(e), terms_(terms) {}

  SearchOutcome Run(Extended lo, Extended hi) {
    SearchOutcome o;
    if (terms_.box.find("log") == std::string::npos && terms_.box.find("ln") == std::string::npos &&
        terms_.box.find("sqrt") == std::string::npos) {
      Extended d[3];
      const Extended at[3] = {-100, 100, 0};
      bool all = true;
      for (int i = 0; i < 3; ++i) all = all && Both(at[i]) && ((d[i] = std::fabs(T1 - T2)), true);
      Parallel = all && std::fabs(d[1] - d[0]) < 1e-12L && std::fabs(d[2] - d[1]) < 1e-11L;
    }
    if (Parallel) {
      o.Parallel = true;
      return o;
    }
    Extended x = lo;
    Diff1 = std::numeric_limits<Extended>::infinity();
    Best1 = Cut1X = x;
    bool any = false;
    if (Both(x)) {
      Diff1 = std::fabs(T1 - T2);
      Cut1Y1 = T1;
      Cut1Y2 = T2;
      any = true;
    }
    Extended last = 0;
    while (x <= hi) {
      if (Both(x)) {
        any = true;
        const Extended d = std::fabs(T1 - T2);
        if (d > Diff1 && StepsPast > 1) Separator = Best1;
        if (d < Diff1 && Separator == -9999) {
          Diff1 = d;
          Best1 = Cut1X = x;
          Cut1Y1 = T1;
          Cut1Y2 = T2;
        }
        if (x > Best1 && Separator == -9999) ++StepsPast;
        if (Separator != -9999) {
          if (d > Diff2 && Best2 == -9999) Diff2 = d;
          if (d < Diff2) {
            Diff2 = d;
            Best2 = Cut2X = x;
            Cut2Y1 = T1;
            Cut2Y2 = T2;
          }
        }
        last = d;
      }
      const Extended next = x + (last < 20 ? 0.1L : 1);
      if (next == x) break;
      x = next;
    }
    if (!any) {
      o.NoValues = true;
      return o;
    }
    CleanUp();
    const auto near = [this] { return Best2 != -9999 && Best2 - Separator <= 0.2L; };
    if (Diff1 > 0) {
      Extended step = 0.1L;
      for (int phase = 1; phase <= 15; ++phase) {
        Extended u = Best1 + 2 * step;
        if (near()) u = std::min(u, Best2 - 0.01L);
        const Extended l = Best1 - 2 * step;
        step /= 10;
        Phase(l, u, step, Diff1, Best1, Cut1X, Cut1Y1, Cut1Y2);
      }
    }
    if (Diff2 > 0 && Best2 != -9999) {
      Extended step = 0.1L;
      for (int phase = 1; phase <= 15; ++phase) {
        const Extended u = Best2 + 2 * step;
        Extended l = Best2 - 2 * step;
        if (near()) l = std::max(l, Separator - 0.01L);
        step /= 10;
        Phase(l, u, step, Diff2, Best2, Cut2X, Cut2Y1, Cut2Y2);
      }
    }
    CleanUp();
    o.Cut1X = Cut1X, o.Cut1Y1 = Cut1Y1, o.Cut1Y2 = Cut1Y2, o.Diff1 = Diff1, o.Best1 = Best1;
    o.Cut2X = Cut2X, o.Cut2Y1 = Cut2Y1, o.Cut2Y2 = Cut2Y2, o.Diff2 = Diff2, o.Best2 = Best2;
    o.HasSecond = Best2 != -9999;
    return o;
  }

 private:
  bool Both(Extended x) {
    Extended a, b;
    if (!e_.Evaluate(terms_.T2, x, b) || !e_.Evaluate(terms_.T1, x, a)) return false;
    T1 = a;
    T2 = b;
    return true;
  }
  void Phase(Extended l, Extended u, Extended step, Extended& diff, Extended& best, Extended& cut,
             Extended& y1, Extended& y2) {
    for (Extended x = l; x < u;) {
      if (Both(x)) {
        const Extended d = std::fabs(T1 - T2);
        if (d < diff) {
          diff = d;
          y1 = T1;
          y2 = T2;
          best = cut = x;
        }
      }
      if (x + step == x) break;
      x += step;
    }
  }
  void CleanUp() {
    for (Extended* d : {&Diff1, &Diff2})
      if (*d < 1e-15L) *d = 0;
    for (Extended* v : {&Cut1X, &Cut2X, &Cut1Y1, &Cut1Y2, &Cut2Y1, &Cut2Y2})
      if (std::fabs(*v) < 1e-16L) *v = 0;
  }

  TermEvaluator& e_;
  const SearchTerms& terms_;
  Extended T1 = 0, T2 = 0;
  Extended Diff1 = 0, Best1 = 0, Cut1X = 0, Cut1Y1 = 0, Cut1Y2 = 0;
  Extended Diff2 = 0, Best2 = -9999, Cut2X = 0, Cut2Y1 = 0, Cut2Y2 = 0;
  Extended Separator = -9999;
  int StepsPast = 0;
  bool Parallel = false;
};

// The true intersection nearest to x (the smaller of two as near), other than the one the
// second result is kept at.
Extended NearestTrue(const CorpusCase& c, Extended x, const SearchOutcome& model) {
  const bool secondKept = model.HasSecond && model.Diff2 <= 1e-9L;
  std::optional<Extended> nearest;
  for (const TruePoint& p : c.cuts) {
    if (secondKept && std::fabs(p.x - model.Best2) <= 1e-6L * std::max<Extended>(1, std::fabs(p.x)))
      continue;
    if (!nearest || std::fabs(p.x - x) < std::fabs(*nearest - x)) nearest = p.x;
  }
  return nearest.value_or(model.Best2);
}

bool IsTrue(const CorpusCase& c, Extended x) {
  return std::any_of(c.cuts.begin(), c.cuts.end(),
                     [x](const TruePoint& p) { return FifteenDigits(x, p.x); });
}

TEST(IntersectionCorpus, TheSearchKeepsTheScansTrueResultsAndMendsTheOthers) {
  TMathParser parser(true);
  ParserEvaluator evaluator(parser);
  Form window("TForm1", "Form1");
  int kept = 0, mended = 0, nearest = 0;
  for (const CorpusCase& c : Corpus()) {
    const SearchTerms terms{c.t1, c.t2, c.t2};
    const SearchOutcome model = ScanModel(evaluator, terms).Run(c.lo, c.hi);
    const SearchOutcome got = SearchIntersections(evaluator, terms, c.lo, c.hi, window);
    const SearchTexts shown = ResultTexts(got);
    // Without the second line the first reads as the scan's own rules have it then.
    SearchOutcome alone = model;
    alone.HasSecond = got.HasSecond;
    const SearchTexts want = ResultTexts(model.HasSecond && !got.HasSecond ? alone : model);
    const std::string where = c.name + ": " + c.t1 + " / " + c.t2;
    if (model.NoValues) {
      EXPECT_EQ(shown.first, "Keine Werte im Bereich") << where;
      continue;
    }
    if (!model.Parallel && model.Diff1 <= 1e-9L) {
      ++kept;
      EXPECT_EQ(shown.kind, want.kind) << where;
      EXPECT_EQ(shown.hint, want.hint) << where;
      EXPECT_EQ(shown.first, want.first) << where;
      if (model.HasSecond && model.Diff2 <= 1e-9L) {
        EXPECT_EQ(shown.second, want.second) << where;
      }
    } else if (!c.cuts.empty()) {
      ++mended;
      EXPECT_EQ(shown.kind, "SP") << where;
      const bool right = model.Parallel
                             ? IsTrue(c, got.Cut1X)
                             : FifteenDigits(got.Cut1X, NearestTrue(c, model.Best1, model));
      EXPECT_TRUE(right) << where << ": " << static_cast<double>(got.Cut1X);
    } else if (!model.Parallel) {
      ++nearest;
      EXPECT_EQ(shown.kind, "NP") << where;
      EXPECT_EQ(shown.first, want.first) << where;
    }
    // A second line only for a second true intersection, or the scan's own within its limit.
    if (got.Second()) {
      const bool scansOwn = model.HasSecond && model.Diff2 <= 1e-9L && shown.second == want.second;
      EXPECT_TRUE(scansOwn || IsTrue(c, got.Cut2X)) << where << ": " << shown.second;
    }
  }
  std::printf("search: %d results kept, %d mended, %d nearest points\n", kept, mended, nearest);
}

}  // namespace
}  // namespace qv

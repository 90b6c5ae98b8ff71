#pragma once
// Every point of a range where two curves meet, where a curve meets the x-axis, or where it
// has a local extreme. The range is sampled in even steps; each sign change is bracketed and
// narrowed to the last bit, each dip of the difference towards zero between samples is looked
// into (two crossings closer than a step, a touching point), and a sign change across a pole,
// a jump or a gap counts for nothing.
#include <string>
#include <string_view>
#include <vector>

#include "graph/term_evaluator.h"

namespace qv {

// At most this many steps of the scan over a range, for the search of where the curves come
// nearest and for the list of every point: a tenth of a second on this machine for plain
// terms, so that terms many times longer still end within two seconds.
inline constexpr long kMaxSearchSteps = 100000;
// At most this many places between samples are looked into closely (a dip of a difference
// towards zero, an extreme), at some hundred evaluations each; a curve that wobbles more often
// in the range gets a list that ends there.
inline constexpr int kMaxCloseLooks = 500;
// The step of the nearest-point scan, which is the finest step the lists sample with.
inline constexpr Extended kSearchStep = 0.1L;

// What a search over such a range answers instead.
inline constexpr const char* kRangeTooWide = "Der Bereich ist zu groß für diese Auflösung.";

// Whether a scan over [lo, hi] in steps of kSearchStep would take more than kMaxSearchSteps.
bool SearchRangeTooWide(Extended lo, Extended hi);

enum class PointKind { Crossing, Touching, Maximum, Minimum };

struct CurvePoint {
  Extended x = 0, y = 0;
  PointKind kind = PointKind::Crossing;
};

struct PointList {
  std::vector<CurvePoint> points;  // by increasing x
  bool tooWide = false;            // the range was not searched
  bool anyValue = false;           // some sample of the range evaluated
  bool coincident = false;         // the curves are the same on a piece of the range
  // So many dips or extremes that the list ends at kMaxCloseLooks of them.
  bool incomplete = false;
  // The smallest and largest sampled value (of the difference, for two curves), and the
  // largest size of the values they were computed from.
  Extended lowest = 0, highest = 0, magnitude = 1;
};

// What a list shows: the points of one kind, of which terms, over which range.
enum class PointListKind { Intersections, Roots, Extrema };

struct PointReport {
  PointListKind kind = PointListKind::Intersections;
  std::string term1, term2;  // term2 only for intersections
  Extended lo = 0, hi = 0;
  PointList list;
};

// Where T1 and T2 meet in [lo, hi]; y is T1's value there.
PointList FindIntersections(TermEvaluator& evaluator, std::string_view t1, std::string_view t2,
                            Extended lo, Extended hi);
// Where the term is zero in [lo, hi]; y is 0.
PointList FindRoots(TermEvaluator& evaluator, std::string_view term, Extended lo, Extended hi);
// The term's local maxima and minima inside (lo, hi).
PointList FindExtrema(TermEvaluator& evaluator, std::string_view term, Extended lo, Extended hi);

}  // namespace qv

// The scan's result held against the list of every intersection of the range: kept where it
// is true, replaced by the nearest true intersection where it is not.
#include <cmath>
#include <optional>
#include <utility>

#include "graph/curve_points.h"
#include "graph/intersection_search.h"

namespace qv {

namespace {

// The scan's own limit of an approximate intersection.
constexpr Extended kApproximate = 1e-9L;
// Differences of parallel curves vary by no more than their rounding over the range.
constexpr Extended kParallelSpread = 1e-11L;
constexpr Extended kParallelRelative = 1e-12L;

bool ReallyParallel(const PointList& list) {
  if (!list.anyValue) return false;
  if (list.coincident) return list.points.empty() || list.highest == list.lowest;
  return list.points.empty() &&
         list.highest - list.lowest <= kParallelSpread + kParallelRelative * list.magnitude;
}

// The same place, as near as the scan's refinement comes to it.
bool SamePlace(Extended a, Extended b) {
  return std::fabs(a - b) <= 1e-6L * std::max<Extended>({1, std::fabs(a), std::fabs(b)});
}

// The point of the list nearest to x (the smaller x of two as near), other than `besides`.
std::optional<Extended> Nearest(const PointList& list, Extended x,
                                std::optional<Extended> besides) {
  std::optional<Extended> nearest;
  for (const CurvePoint& p : list.points) {
    if (besides && SamePlace(p.x, *besides)) continue;
    if (!nearest || std::fabs(p.x - x) < std::fabs(*nearest - x)) nearest = p.x;
  }
  return nearest;
}

Extended Cleaned(Extended v, Extended limit) {
  return std::fabs(v) < limit ? 0 : v;
}

// The values of both terms at a true intersection, cleaned as the scan's are.
void Place(TermEvaluator& evaluator, const SearchTerms& terms, Extended x, Extended& cutX,
           Extended& y1, Extended& y2, Extended& diff) {
  y1 = y2 = 0;
  evaluator.Evaluate(terms.T1, x, y1);
  evaluator.Evaluate(terms.T2, x, y2);
  diff = Cleaned(std::fabs(y1 - y2), 1e-15L);
  cutX = Cleaned(x, 1e-16L);
  y1 = Cleaned(y1, 1e-16L);
  y2 = Cleaned(y2, 1e-16L);
}

SearchOutcome Mend(TermEvaluator& evaluator, const SearchTerms& terms, SearchOutcome o,
                   const PointList& list) {
  const bool firstTrue = o.Diff1 <= kApproximate;
  const bool secondTrue = o.HasSecond && o.Diff2 <= kApproximate;
  if (list.points.empty()) {
    // No intersection at all: the nearest point is true, a second candidate is not.
    if (!secondTrue) o.HasSecond = false;
    return o;
  }
  std::optional<Extended> first = firstTrue ? std::optional(o.Best1) : std::nullopt;
  std::optional<Extended> second = secondTrue ? std::optional(o.Best2) : std::nullopt;
  if (!first) {
    first = Nearest(list, o.Best1, second);
    if (!first) first = std::exchange(second, std::nullopt);
    Place(evaluator, terms, *first, o.Cut1X, o.Cut1Y1, o.Cut1Y2, o.Diff1);
    o.Real = true;
  }
  if (!second && (o.HasSecond || o.Real)) {
    second = Nearest(list, o.HasSecond ? o.Best2 : *first, first);
    if (second) Place(evaluator, terms, *second, o.Cut2X, o.Cut2Y1, o.Cut2Y2, o.Diff2);
  }
  o.HasSecond = second.has_value();
  return o;
}

}  // namespace

SearchOutcome SearchIntersections(TermEvaluator& evaluator, const SearchTerms& terms, Extended lo,
                                  Extended hi, Form& window) {
  SearchOutcome o = ScanForIntersections(evaluator, terms, lo, hi, window, true);
  if (o.NoValues) return o;
  const bool firstFalse = !o.Parallel && o.Diff1 > kApproximate;
  const bool secondFalse = !o.Parallel && o.HasSecond && o.Diff2 > kApproximate;
  if (!o.Parallel && !firstFalse && !secondFalse) return o;
  window.SetCursor(Cursor::Busy);
  const PointList list = FindIntersections(evaluator, terms.T1, terms.T2, lo, hi);
  window.SetCursor(Cursor::Normal);
  // Without every true point the nearest cannot be told.
  if (list.tooWide || list.incomplete) return o;
  if (o.Parallel) {
    if (ReallyParallel(list)) return o;
    // Three equal differences, but not parallel over the range: searched as any two curves.
    o = ScanForIntersections(evaluator, terms, lo, hi, window, false);
    if (o.NoValues) return o;
  }
  return Mend(evaluator, terms, o, list);
}

}  // namespace qv

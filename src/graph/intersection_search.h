#pragma once
// Where two curves meet: a coarse scan over the search range finds the smallest difference of
// the two terms and a second local minimum after it; fifteen refinement phases sharpen each.
// The result is an intersection, an approximate one, a nearest point or parallel curves.
#include <string>

#include "graph/term_evaluator.h"
#include "platform/form.h"

namespace qv {

struct SearchTerms {
  std::string T1, T2;
  // The term box text: it decides whether the curves are tested for being parallel.
  std::string box;
};

struct SearchOutcome {
  Extended Cut1X = 0, Cut1Y1 = 0, Cut1Y2 = 0;
  Extended Cut2X = 0, Cut2Y1 = 0, Cut2Y2 = 0;
  Extended Diff1 = 0, Diff2 = 0;
  bool Parallel = false;
  // A second candidate was found behind the region of the first.
  bool HasSecond = false;
  // For parallel curves: the distance of the term box's curve from T1's at x = 0.
  Extended ParallelGap = 0;

  // The second candidate is reported.
  bool Second() const { return HasSecond && !Parallel; }
};

// Runs the search over [lo, hi] with the redraw's parser. While it scans and refines, the
// window's caption tells the phase and the hourglass shows; both are restored afterwards.
SearchOutcome SearchIntersections(TermEvaluator& evaluator, const SearchTerms& terms, Extended lo,
                                  Extended hi, Form& window);

// What the panel shows of an outcome.
struct SearchTexts {
  std::string kind;    // "SP", "NP" or "P": the caption of the search check box
  std::string hint;    // its hint
  std::string first;   // the result of the first candidate
  std::string second;  // the result of the second candidate; "0" when there is none
};

SearchTexts ResultTexts(const SearchOutcome& outcome);

}  // namespace qv

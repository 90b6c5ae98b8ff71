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
  // Where the scan and the refinement ended, before the clean-up.
  Extended Best1 = 0, Best2 = 0;
  // No sample of the range evaluated for both terms.
  bool NoValues = false;
  // The first result is a true intersection that took the place of the scan's nearest point.
  bool Real = false;

  // The second candidate is reported.
  bool Second() const { return HasSecond && !Parallel; }
};

// The scan and its refinement over [lo, hi] with the redraw's parser; the parallel test first
// when asked for. While it scans and refines, the window's caption tells the phase and the
// hourglass shows; both are restored afterwards.
SearchOutcome ScanForIntersections(TermEvaluator& evaluator, const SearchTerms& terms, Extended lo,
                                   Extended hi, Form& window, bool parallelTest);

// The scan's result where it is true: a difference within the limit of an approximate
// intersection, parallel curves that are parallel over the whole range, a nearest point where
// the curves do not meet. Otherwise the true intersection nearest to the scan's candidate (and
// for the second candidate likewise, or none), from the list of every intersection of the
// range.
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

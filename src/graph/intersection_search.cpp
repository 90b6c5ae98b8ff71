#include "graph/intersection_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "graph/curve_points.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr int kPhases = 15;
constexpr Extended kFineStep = 0.1L;
constexpr Extended kCoarseStep = 1;
constexpr Extended kCoarseFrom = 20;  // differences from here on are scanned in whole units
// A second candidate this near behind the first region bounds the refinement windows.
constexpr Extended kNearSecond = 0.2L;
constexpr Extended kSecondMargin = 0.01L;

// Shows the hourglass for as long as it lives, and a text behind the caption it found; the
// caption and the normal cursor come back whatever happens meanwhile.
class BusyCaption {
 public:
  explicit BusyCaption(Form& window) : window_(window), saved_(window.Caption()) {
    window_.SetCursor(Cursor::Busy);
  }
  ~BusyCaption() {
    window_.SetCaption(saved_);
    window_.SetCursor(Cursor::Normal);
  }
  BusyCaption(const BusyCaption&) = delete;
  BusyCaption& operator=(const BusyCaption&) = delete;
  void Show(const std::string& suffix) { window_.SetCaption(saved_ + suffix); }

 private:
  Form& window_;
  std::string saved_;
};

// A candidate: where the scan and the refinement found it (`best`, the place every further
// refinement starts from), and what is reported of it, which the clean-up sets to zero when
// tiny while `best` stays as found.
struct Candidate {
  Extended best = 0;
  Extended x = 0, y1 = 0, y2 = 0, diff = 0;
  void Take(Extended at, Extended t1, Extended t2, Extended d) {
    best = x = at;
    y1 = t1;
    y2 = t2;
    diff = d;
  }
};

class Search {
 public:
  Search(TermEvaluator& evaluator, const SearchTerms& terms, Form& window)
      : evaluator_(evaluator), terms_(terms), window_(window) {}

  SearchOutcome Run(Extended lo, Extended hi, bool parallelTest) {
    if (parallelTest && !Contains(terms_.box, "log") && !Contains(terms_.box, "ln") &&
        !Contains(terms_.box, "sqrt"))
      outcome_.Parallel = ParallelTest();
    if (outcome_.Parallel) {
      outcome_.Cut1X = 0;
      outcome_.ParallelGap = GapAtZero();
      return outcome_;
    }
    Scan(lo, hi);
    if (outcome_.NoValues) return outcome_;
    CleanUp();
    if (first_.diff > 0) RefineFirst();
    if (second_.diff > 0 && hasSecond_) RefineSecond();
    CleanUp();
    return outcome_;
  }

 private:
  // Both terms at x; false when either fails there.
  bool Sample(Extended x, Extended& t1, Extended& t2) {
    return evaluator_.Evaluate(terms_.T1, x, t1) && evaluator_.Evaluate(terms_.T2, x, t2);
  }

  // Curves whose difference is the same far left, far right and at zero run parallel. A sample
  // that fails leaves the question open, and then they are not taken as parallel.
  bool ParallelTest() {
    Extended d[3];
    const Extended xs[3] = {-100, 100, 0};
    for (int i = 0; i < 3; ++i) {
      Extended t1, t2;
      if (!Sample(xs[i], t1, t2)) return false;
      d[i] = std::fabs(t1 - t2);
    }
    return std::fabs(d[1] - d[0]) < 1e-12L && std::fabs(d[2] - d[1]) < 1e-11L;
  }

  // How far the term box's curve lies from T1's at zero.
  Extended GapAtZero() {
    Extended box = 0, t1 = 0, t2 = 0;
    Sample(0, t1, t2);
    if (!evaluator_.Evaluate(terms_.box, 0, box)) box = t2;
    return std::fabs(box - t1);
  }

  // The first candidate is the smallest difference up to where the difference has risen for
  // more than two steps after it; the second the smallest difference after that. A sample
  // that fails is skipped: it neither moves a candidate nor ends the first region. A start
  // that fails gives no candidate, so the first sample that evaluates becomes one.
  void Scan(Extended lo, Extended hi) {
    Extended x = lo;
    first_.best = first_.x = x;
    first_.diff = std::numeric_limits<Extended>::infinity();
    bool anyValue = false;
    if (Extended t1, t2; Sample(x, t1, t2)) {
      first_.Take(x, t1, t2, std::fabs(t1 - t2));
      anyValue = true;
    }
    int stepsPast = 0;
    Extended lastDiff = 0;
    BusyCaption busy(window_);
    busy.Show(" - Schnittpunkte werden gesucht ...");
    // A range too wide for the step is refused before a search starts; the count of steps
    // bounds the scan all the same.
    for (long steps = 0; x <= hi && steps <= kMaxSearchSteps + 1; ++steps) {
      if (Extended t1, t2; Sample(x, t1, t2)) {
        anyValue = true;
        const Extended d = std::fabs(t1 - t2);
        if (d > first_.diff && stepsPast > 1) separator_ = first_.best;
        if (d < first_.diff && !separator_) first_.Take(x, t1, t2, d);
        if (x > first_.best && !separator_) ++stepsPast;
        if (separator_) {
          // While no second candidate exists, its difference follows the largest one.
          if (d > second_.diff && !hasSecond_) second_.diff = d;
          if (d < second_.diff) {
            second_.Take(x, t1, t2, d);
            hasSecond_ = true;
          }
        }
        lastDiff = d;
      }
      const Extended next = x + (lastDiff < kCoarseFrom ? kFineStep : kCoarseStep);
      if (next == x) break;  // far from zero the step no longer moves x
      x = next;
    }
    // No sample of the range evaluated for both terms: there is nothing to report.
    outcome_.NoValues = !anyValue;
  }

  bool SecondIsNear() const { return hasSecond_ && second_.best - *separator_ <= kNearSecond; }

  // Sharpens the first candidate in windows of two steps to either side. A second candidate
  // close behind bounds the window further, so that the refinement stays out of its region;
  // it never widens it, so every phase samples about 40 points while the step shrinks.
  void RefineFirst() {
    Refine(first_, 1, [this](Extended step) {
      Extended upper = first_.best + 2 * step;
      if (SecondIsNear()) upper = std::min(upper, second_.best - kSecondMargin);
      return std::pair{first_.best - 2 * step, upper};
    });
  }

  // The second candidate likewise, bounded below by the end of the first region.
  void RefineSecond() {
    Refine(second_, 2, [this](Extended step) {
      Extended lower = second_.best - 2 * step;
      if (SecondIsNear()) lower = std::max(lower, *separator_ - kSecondMargin);
      return std::pair{lower, second_.best + 2 * step};
    });
  }

  template <class Window>
  void Refine(Candidate& candidate, int number, Window window) {
    BusyCaption busy(window_);
    Extended step = kFineStep;
    for (int phase = 1; phase <= kPhases; ++phase) {
      const auto [lower, upper] = window(step);
      step /= 10;
      for (Extended x = lower; x < upper;) {
        if (Extended t1, t2; Sample(x, t1, t2)) {
          const Extended d = std::fabs(t1 - t2);
          if (d < candidate.diff) candidate.Take(x, t1, t2, d);
        }
        const Extended next = x + step;
        if (next == x) break;  // the step no longer moves an x this far from zero
        x = next;
      }
      busy.Show(" -  Berechne Schnittpunkt " + std::to_string(number) + " - Phase " +
                std::to_string(phase) + " von " + std::to_string(kPhases));
    }
  }

  // Differences and reported values this near zero are zero; where each candidate was found
  // stays as it was.
  void CleanUp() {
    for (Extended* diff : {&first_.diff, &second_.diff})
      if (*diff < 1e-15L) *diff = 0;
    for (Candidate* c : {&first_, &second_})
      for (Extended* v : {&c->x, &c->y1, &c->y2})
        if (std::fabs(*v) < 1e-16L) *v = 0;
    outcome_.Cut1X = first_.x;
    outcome_.Cut1Y1 = first_.y1;
    outcome_.Cut1Y2 = first_.y2;
    outcome_.Diff1 = first_.diff;
    outcome_.Cut2X = second_.x;
    outcome_.Cut2Y1 = second_.y1;
    outcome_.Cut2Y2 = second_.y2;
    outcome_.Diff2 = second_.diff;
    outcome_.HasSecond = hasSecond_;
    outcome_.Best1 = first_.best;
    outcome_.Best2 = second_.best;
  }

  TermEvaluator& evaluator_;
  const SearchTerms& terms_;
  Form& window_;
  SearchOutcome outcome_;
  Candidate first_, second_;
  // Where the first candidate's region ended, once the scan has seen it end.
  std::optional<Extended> separator_;
  bool hasSecond_ = false;
};

constexpr const char* kNearestHint = "\"Nähepunkt\" (kleinste Differenz zwischen \"y\")";

std::string General(Extended value) {
  return FormatGeneral(value);
}

}  // namespace

SearchOutcome ScanForIntersections(TermEvaluator& evaluator, const SearchTerms& terms, Extended lo,
                                   Extended hi, Form& window, bool parallelTest) {
  return Search(evaluator, terms, window).Run(lo, hi, parallelTest);
}

SearchTexts ResultTexts(const SearchOutcome& o) {
  SearchTexts texts;
  const bool second = o.Second();
  const auto show = [&texts](const char* kind, const char* hint, std::string first) {
    texts.kind = kind;
    texts.hint = hint;
    texts.first = std::move(first);
  };
  if (o.NoValues) {
    show("NP", kNearestHint, "Keine Werte im Bereich");
    texts.second = "0";
    return texts;
  }
  // A true intersection put in place of a nearest point is approximate however steep the
  // curves are there.
  const bool approximate = o.Diff1 > 0 && (o.Diff1 <= 1e-9L || o.Real);
  // The rules in this order; the last one that applies wins.
  if (o.Diff1 == 0)
    show("SP", "Schnittpunkt",
         second ? "x1 =  " + General(o.Cut1X) + ",   y1 = " + General(o.Cut1Y1)
                : "x =  " + General(o.Cut1X) + ",   y = " + General(o.Cut1Y1));
  if (approximate)
    show("SP", "Schnittpunkt (Ca)",
         second ? "x1 =~  " + General(o.Cut1X) + ",   y1 =~ " + General(o.Cut1Y1)
                : "x =~  " + General(o.Cut1X) + ",   y =~ " + General((o.Cut1Y1 + o.Cut1Y2) / 2));
  if (o.Parallel)
    show("P", "Paralell (Differenz zwischen \"y1\" und \"y2\" bei Null wird angezeigt)",
         "x = 0,   y2 - y1 = " + General(o.ParallelGap));
  if (o.Diff1 > 1e-9L && !o.Parallel && !o.Real)
    show("NP", kNearestHint,
         "x = " + General(o.Cut1X) + ",   y1 = " + General(o.Cut1Y1) +
             ",  y2 = " + General(o.Cut1Y2));
  const Extended y2 = (o.Cut2Y1 + o.Cut2Y2) / 2;
  if (!second)
    texts.second = "0";
  else if (o.Diff2 == 0)
    texts.second = "x2 =  " + General(o.Cut2X) + ",   y2 = " + General(y2);
  else
    texts.second = "x2 =~  " + General(o.Cut2X) + ",   y2 =~ " + General(y2);
  return texts;
}

}  // namespace qv

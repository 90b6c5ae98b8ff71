#include "graph/curve_points.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

#include "graph/root_bracketing.h"

namespace qv {

namespace {

// Short ranges are sampled finer than the nearest-point scan's step, with this many samples.
constexpr long kMinSamples = 4000;
// A difference this many units of its last digit from zero is zero: the curves touch.
constexpr Extended kTouchUnits = 64 * LDBL_EPSILON;
// A dip between samples that comes this near zero (relative to the values) is looked into
// closely; one that stays farther off cannot touch.
constexpr Extended kCloseDip = 1e-10L;

Extended Magnitude(Extended v) {
  return std::max<Extended>(1, std::fabs(v));
}

// The difference of two terms, its rounding as large as the larger of the two.
class TermDifference final : public CurveFunction {
 public:
  TermDifference(TermEvaluator& e, std::string_view t1, std::string_view t2)
      : e_(e), t1_(t1), t2_(t2) {}
  bool At(Extended x, Extended& value, Extended& magnitude) override {
    Extended v1, v2;
    if (!e_.Evaluate(t1_, x, v1) || !e_.Evaluate(t2_, x, v2)) return false;
    value = v1 - v2;
    magnitude = std::max(Magnitude(v1), Magnitude(v2));
    last_[0] = v1;
    last_[1] = v2;
    return std::isfinite(value);
  }
  int PartCount() const override { return 2; }
  bool PartAt(int part, Extended x, Extended& value) override {
    return e_.Evaluate(part == 0 ? t1_ : t2_, x, value) && std::isfinite(value);
  }
  Extended LastPart(int part) const override { return last_[part]; }

 private:
  TermEvaluator& e_;
  std::string_view t1_, t2_;
  Extended last_[2] = {0, 0};
};

// One curve of a difference.
class PartOf final : public CurveFunction {
 public:
  PartOf(CurveFunction& f, int part) : f_(f), part_(part) {}
  bool At(Extended x, Extended& value, Extended& magnitude) override {
    magnitude = 1;
    return f_.PartAt(part_, x, value);
  }

 private:
  CurveFunction& f_;
  int part_;
};

class TermValue final : public CurveFunction {
 public:
  TermValue(TermEvaluator& e, std::string_view term) : e_(e), term_(term) {}
  bool At(Extended x, Extended& value, Extended& magnitude) override {
    if (!e_.Evaluate(term_, x, value)) return false;
    magnitude = Magnitude(value);
    return std::isfinite(value);
  }

 private:
  TermEvaluator& e_;
  std::string_view term_;
};

struct Samples {
  std::vector<Extended> x, v, magnitude;
  std::vector<Extended> parts[2];  // the curves of a difference
  std::vector<char> ok;
  int Count() const { return static_cast<int>(x.size()); }
  // Samples i-1, i and i+1 all evaluated.
  bool Around(int i) const { return i > 0 && i + 1 < Count() && ok[i - 1] && ok[i] && ok[i + 1]; }
};

Samples Sample(CurveFunction& f, Extended lo, Extended hi, PointList& list) {
  const Extended width = hi - lo;
  const long n = std::max(kMinSamples, static_cast<long>(std::ceil(width / kSearchStep)));
  Samples s;
  for (long i = 0; i <= n; ++i) {
    // Each x from its index, so that no rounding piles up along the range.
    const Extended x = i == n ? hi : lo + width * static_cast<Extended>(i) / n;
    Extended v = 0, m = 1;
    const bool ok = f.At(x, v, m);
    if (ok) {
      list.lowest = list.anyValue ? std::min(list.lowest, v) : v;
      list.highest = list.anyValue ? std::max(list.highest, v) : v;
      list.magnitude = std::max(list.magnitude, m);
      list.anyValue = true;
    }
    for (int k = 0; k < f.PartCount(); ++k) s.parts[k].push_back(ok ? f.LastPart(k) : 0);
    s.x.push_back(x);
    s.v.push_back(v);
    s.magnitude.push_back(m);
    s.ok.push_back(ok);
  }
  return s;
}

bool Negative(Extended v) {
  return std::signbit(v);
}

Extended TinyFor(Extended lo, Extended hi) {
  return 1e-30L * std::max<Extended>({1, std::fabs(lo), std::fabs(hi)});
}

// The zeros of one function: crossings and touching points.
class ZeroSearch {
 public:
  ZeroSearch(CurveFunction& f, Extended lo, Extended hi) : f_(f), tiny_(TinyFor(lo, hi)) {}

  std::vector<CurvePoint> Run(const Samples& s) {
    for (int i = 0; i < s.Count(); ++i) {
      if (s.ok[i] && s.v[i] == 0) ZeroSample(s, i);
      if (i + 1 < s.Count() && s.ok[i] && s.ok[i + 1] && s.v[i] != 0 && s.v[i + 1] != 0 &&
          Negative(s.v[i]) != Negative(s.v[i + 1]))
        SignChange(s, i);
      if (s.Around(i) && !incomplete) Dip(s, i);
      for (int k = 0; k < f_.PartCount() && i + 1 < s.Count(); ++k)
        if (s.ok[i] && s.ok[i + 1] && s.parts[k][i] != 0 && s.parts[k][i + 1] != 0 &&
            Negative(s.parts[k][i]) != Negative(s.parts[k][i + 1]))
          PoleOfPart(s, i, k);
    }
    std::sort(zeros_.begin(), zeros_.end(),
              [](const CurvePoint& p, const CurvePoint& q) { return p.x < q.x; });
    MergeTwins();
    return zeros_;
  }
  bool coincident = false;
  bool incomplete = false;

 private:
  Extended TouchLimit(Extended magnitude) const { return kTouchUnits * magnitude; }

  void ZeroSample(const Samples& s, int i) {
    const bool zeroBefore = i > 0 && s.ok[i - 1] && s.v[i - 1] == 0;
    const bool zeroAfter = i + 1 < s.Count() && s.ok[i + 1] && s.v[i + 1] == 0;
    if (zeroBefore || zeroAfter) {
      coincident = true;
      return;
    }
    const bool crossing =
        s.Around(i) ? Negative(s.v[i - 1]) != Negative(s.v[i + 1]) : AtEndCrossing(s, i);
    zeros_.push_back({s.x[i], 0, crossing ? PointKind::Crossing : PointKind::Touching});
  }

  // A zero at an end of the range crosses when the curve one step beyond the end lies on the
  // other side from the sample inside.
  bool AtEndCrossing(const Samples& s, int i) {
    const int inside = i == 0 ? 1 : i - 1;
    if (inside < 0 || inside >= s.Count() || !s.ok[inside] || s.v[inside] == 0) return false;
    Extended beyond;
    if (!f_.ValueAt(2 * s.x[i] - s.x[inside], beyond)) return false;
    return beyond != 0 && Negative(beyond) != Negative(s.v[inside]);
  }

  // A sign change between two samples is a crossing when the function runs continuously to
  // zero there: its value at the zero found is far smaller than at the samples, or it changes
  // across the last bit no more than its slope between the samples lets it.
  void SignChange(const Samples& s, int i) {
    Extended zero;
    if (!ZeroInBracket(f_, {s.x[i], s.v[i], s.x[i + 1], s.v[i + 1]}, tiny_, zero)) return;
    if (Continuous(s, i, zero)) zeros_.push_back({zero, 0, PointKind::Crossing});
  }

  bool Continuous(const Samples& s, int i, Extended zero) {
    Extended v0, m0;
    if (!f_.At(zero, v0, m0)) return false;
    const Extended smaller = std::min(std::fabs(s.v[i]), std::fabs(s.v[i + 1]));
    if (std::fabs(v0) <= 1e-3L * smaller) return true;
    const Extended below = std::nextafter(zero, s.x[i]), above = std::nextafter(zero, s.x[i + 1]);
    Extended vb, va;
    if (!f_.ValueAt(below, vb) || !f_.ValueAt(above, va)) return false;
    const Extended slope = std::fabs(s.v[i + 1] - s.v[i]) / (s.x[i + 1] - s.x[i]);
    return std::fabs(va - vb) <= 1e3L * slope * std::fabs(above - below) + TouchLimit(m0);
  }

  // A curve of the difference changes sign between two samples through a pole (not through
  // zero): the difference runs off to both infinities there, and on either side of the pole
  // where it runs off away from the sample's side, it crosses zero between sample and pole.
  void PoleOfPart(const Samples& s, int i, int k) {
    PartOf part(f_, k);
    // Most sign changes of a curve are zeros: there the curve is small at the secant's zero.
    const Extended before = s.parts[k][i], after = s.parts[k][i + 1];
    const Extended secant = s.x[i] - before * (s.x[i + 1] - s.x[i]) / (after - before);
    if (Extended v; part.ValueAt(secant, v) &&
                    std::fabs(v) <= std::min(std::fabs(before), std::fabs(after)) / 2)
      return;
    Extended left, right;
    if (!PoleEdges(part, s.x[i], s.parts[k][i], s.x[i + 1], s.parts[k][i + 1], left, right)) return;
    CrossingBeside(s.x[i], s.v[i], left);
    CrossingBeside(s.x[i + 1], s.v[i + 1], right);
  }

  // Bisection of a curve's sign change down to neighbouring numbers, or to the edges of the
  // gap around a pole where the curve cannot be evaluated: the last number before and the
  // first after. False when the sign changes through zero, not through a pole.
  bool PoleEdges(CurveFunction& part, Extended a, Extended fa, Extended b, Extended fb,
                 Extended& left, Extended& right) {
    const Extended limit = 1e3L * std::max<Extended>({1, std::fabs(fa), std::fabs(fb)});
    std::optional<Extended> gap;
    for (int n = 0; n < 400; ++n) {
      const Extended m = a + (b - a) / 2;
      if (m <= a || m >= b) break;
      Extended fm;
      if (!part.ValueAt(m, fm)) {
        gap = m;
        break;
      }
      if (fm == 0) return false;
      if (Negative(fm) == Negative(fa)) {
        a = m;
        fa = fm;
      } else {
        b = m;
        fb = fm;
      }
    }
    if (gap) {
      left = Edge(part, a, *gap);
      right = Edge(part, b, *gap);
      return true;
    }
    left = a;
    right = b;
    return std::fabs(fa) > limit && std::fabs(fb) > limit;
  }

  // The number nearest `fails` on the way from `good` (where the curve evaluates) to it.
  static Extended Edge(CurveFunction& part, Extended good, Extended fails) {
    for (int n = 0; n < 400; ++n) {
      const Extended m = good + (fails - good) / 2;
      if (m == good || m == fails) break;
      Extended v;
      (part.ValueAt(m, v) ? good : fails) = m;
    }
    return good;
  }

  // A crossing between a sample (a, fa) and b, the number next to a pole on its side.
  void CrossingBeside(Extended a, Extended fa, Extended b) {
    Extended fb, zero;
    if (a == b || !f_.ValueAt(b, fb) || fb == 0 || Negative(fa) == Negative(fb)) return;
    if (ZeroInBracket(f_, {a, fa, b, fb}, tiny_, zero))
      zeros_.push_back({zero, 0, PointKind::Crossing});
  }

  // The smallest distance from zero at a sample with both neighbours farther off and on the
  // same side: between them the function may cross twice or touch.
  void Dip(const Samples& s, int i) {
    const Extended here = std::fabs(s.v[i]), before = std::fabs(s.v[i - 1]),
                   after = std::fabs(s.v[i + 1]);
    if (s.v[i] == 0 || Negative(s.v[i - 1]) != Negative(s.v[i]) ||
        Negative(s.v[i + 1]) != Negative(s.v[i]))
      return;
    if (!(here <= before && here <= after && (here < before || here < after))) return;
    if (++closeLooks_ > kMaxCloseLooks) {
      incomplete = true;
      return;
    }
    const int sign = Negative(s.v[i]) ? -1 : 1;
    Minimum low;
    if (!SmallestValue(f_, sign, s.x[i - 1], s.x[i + 1], true, low)) return;
    Extended v, magnitude;
    if (!f_.At(low.x, v, magnitude)) return;
    if (std::fabs(low.value) > kCloseDip * magnitude) {
      if (low.value < 0) TwoCrossings(s, i, low.x, v);
      return;
    }
    // Near enough to zero to be a touching point, or two crossings a rounding apart.
    const Extended x = SharpenExtreme(f_, low.x, s.x[i - 1], s.x[i + 1]);
    if (!f_.At(x, v, magnitude)) return;
    if (std::fabs(v) <= TouchLimit(magnitude))
      zeros_.push_back({x, 0, PointKind::Touching});
    else if (Negative(v) != Negative(s.v[i]))
      TwoCrossings(s, i, x, v);
  }

  void TwoCrossings(const Samples& s, int i, Extended middle, Extended v) {
    Extended zero;
    if (ZeroInBracket(f_, {s.x[i - 1], s.v[i - 1], middle, v}, tiny_, zero))
      zeros_.push_back({zero, 0, PointKind::Crossing});
    if (ZeroInBracket(f_, {middle, v, s.x[i + 1], s.v[i + 1]}, tiny_, zero))
      zeros_.push_back({zero, 0, PointKind::Crossing});
  }

  // The same zero reached from two sides, and two crossings that only rounding parts (the
  // function no farther from zero between them than its last digits): one point.
  void MergeTwins() {
    std::vector<CurvePoint> merged;
    for (const CurvePoint& p : zeros_) {
      if (!merged.empty()) {
        CurvePoint& last = merged.back();
        const Extended gap = p.x - last.x;
        const Extended scale = std::max<Extended>({1, std::fabs(p.x), std::fabs(last.x)});
        if (gap <= 4 * LDBL_EPSILON * scale) continue;
        if (gap <= 1e-7L * scale && RoundingApart(last, p)) {
          last.x = SharpenExtreme(f_, last.x + gap / 2, last.x - gap, p.x + gap);
          last.kind = PointKind::Touching;
          continue;
        }
      }
      merged.push_back(p);
    }
    zeros_ = std::move(merged);
  }

  bool RoundingApart(const CurvePoint& p, const CurvePoint& q) {
    Extended v, magnitude;
    return f_.At(p.x + (q.x - p.x) / 2, v, magnitude) && std::fabs(v) <= TouchLimit(magnitude);
  }

  CurveFunction& f_;
  Extended tiny_;
  std::vector<CurvePoint> zeros_;
  int closeLooks_ = 0;
};

// An extreme of the curve, not a pole: at least as high (or low) as the sample, the slope
// rising before it and falling after it (or the other way round), and the values near it
// changing no more than the samples around it do.
bool TrueExtreme(CurveFunction& f, const Samples& s, int i, bool highest, Extended x, Extended y) {
  const int sign = highest ? 1 : -1;
  const Extended tolerance = kTouchUnits * Magnitude(s.v[i]);
  if (sign * (y - s.v[i]) < -tolerance) return false;
  const Extended r = (s.x[i + 1] - s.x[i - 1]) / 512;
  Extended before, after, left, right;
  if (!SlopeTimes12h(f, x - r, r / 4, before) || !SlopeTimes12h(f, x + r, r / 4, after) ||
      !f.ValueAt(x - r, left) || !f.ValueAt(x + r, right))
    return false;
  if (sign * before < 0 || sign * after > 0) return false;
  const Extended change = std::fabs(s.v[i] - s.v[i - 1]) + std::fabs(s.v[i] - s.v[i + 1]);
  return std::fabs(y - left) <= change + tolerance && std::fabs(y - right) <= change + tolerance;
}

PointList Zeros(CurveFunction& f, Extended lo, Extended hi) {
  PointList list;
  if (SearchRangeTooWide(lo, hi)) {
    list.tooWide = true;
    return list;
  }
  if (!(lo <= hi)) return list;
  const Samples samples = Sample(f, lo, hi, list);
  ZeroSearch search(f, lo, hi);
  list.points = search.Run(samples);
  list.coincident = search.coincident;
  list.incomplete = search.incomplete;
  return list;
}

// Values this near zero are zero, as in the results of the nearest-point search.
PointList Cleaned(PointList list) {
  for (CurvePoint& p : list.points)
    for (Extended* v : {&p.x, &p.y})
      if (std::fabs(*v) < 1e-16L) *v = 0;
  return list;
}

}  // namespace

bool SearchRangeTooWide(Extended lo, Extended hi) {
  const Extended steps = (hi - lo) / kSearchStep;
  return !std::isfinite(lo) || !std::isfinite(hi) || steps > kMaxSearchSteps;
}

PointList FindIntersections(TermEvaluator& evaluator, std::string_view t1, std::string_view t2,
                            Extended lo, Extended hi) {
  TermDifference difference(evaluator, t1, t2);
  PointList list = Zeros(difference, lo, hi);
  for (CurvePoint& p : list.points) evaluator.Evaluate(t1, p.x, p.y);
  return Cleaned(list);
}

PointList FindRoots(TermEvaluator& evaluator, std::string_view term, Extended lo, Extended hi) {
  TermValue value(evaluator, term);
  return Cleaned(Zeros(value, lo, hi));
}

PointList FindExtrema(TermEvaluator& evaluator, std::string_view term, Extended lo, Extended hi) {
  PointList list;
  if (SearchRangeTooWide(lo, hi)) {
    list.tooWide = true;
    return list;
  }
  if (!(lo <= hi)) return list;
  TermValue f(evaluator, term);
  const Samples s = Sample(f, lo, hi, list);
  int looks = 0;
  for (int i = 1; i + 1 < s.Count(); ++i) {
    if (!s.Around(i)) continue;
    const Extended here = s.v[i], before = s.v[i - 1], after = s.v[i + 1];
    const bool highest = here >= before && here >= after && (here > before || here > after);
    const bool lowest = here <= before && here <= after && (here < before || here < after);
    if (!highest && !lowest) continue;
    if (++looks > kMaxCloseLooks) {
      list.incomplete = true;
      break;
    }
    Minimum low;
    if (!SmallestValue(f, highest ? -1 : 1, s.x[i - 1], s.x[i + 1], false, low)) continue;
    const Extended x = SharpenExtreme(f, low.x, s.x[i - 1], s.x[i + 1]);
    Extended y;
    if (!(x > s.x[i - 1] && x < s.x[i + 1]) || !f.ValueAt(x, y)) continue;
    if (!TrueExtreme(f, s, i, highest, x, y)) continue;
    if (!list.points.empty() && x - list.points.back().x <= 4 * LDBL_EPSILON * Magnitude(x))
      continue;
    list.points.push_back({x, y, highest ? PointKind::Maximum : PointKind::Minimum});
  }
  return Cleaned(list);
}

}  // namespace qv

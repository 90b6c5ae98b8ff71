#include "graph/root_bracketing.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace qv {

namespace {

constexpr Extended kEpsilon = LDBL_EPSILON;
constexpr int kMaxZeroSteps = 400;
constexpr int kMaxMinimumSteps = 200;

bool Negative(Extended v) {
  return std::signbit(v);
}

// Bisection of a bracket with ends of opposite signs until they are neighbouring numbers (or
// nearer together than `tiny`); the end nearer zero.
bool Bisect(CurveFunction& f, Bracket k, Extended tiny, Extended& zero) {
  if (k.a > k.b) {
    std::swap(k.a, k.b);
    std::swap(k.fa, k.fb);
  }
  for (int i = 0; i < kMaxZeroSteps && k.b - k.a > tiny; ++i) {
    const Extended m = k.a + (k.b - k.a) / 2;
    if (m <= k.a || m >= k.b) break;
    Extended fm;
    if (!f.ValueAt(m, fm)) return false;
    if (fm == 0) {
      zero = m;
      return true;
    }
    if (Negative(fm) == Negative(k.fa)) {
      k.a = m;
      k.fa = fm;
    } else {
      k.b = m;
      k.fb = fm;
    }
  }
  zero = std::fabs(k.fa) <= std::fabs(k.fb) ? k.a : k.b;
  // A bracket this narrow around zero: zero itself, when the function is no farther off there.
  if (k.a <= 0 && k.b >= 0 && k.b - k.a <= 2 * tiny) {
    if (Extended f0; f.ValueAt(0, f0) && std::fabs(f0) <= std::fabs(k.fa) + std::fabs(k.fb))
      zero = 0;
  }
  return true;
}

}  // namespace

// Brent's method ("zeroin"): inverse quadratic and secant steps while they shrink the bracket
// fast enough, bisection otherwise; it stops at a few units of the last digit, and bisection
// takes the bracket down to neighbouring numbers.
bool ZeroInBracket(CurveFunction& f, Bracket k, Extended tiny, Extended& zero) {
  if (k.fa == 0 || k.fb == 0) {
    zero = k.fa == 0 ? k.a : k.b;
    return true;
  }
  Extended a = k.a, fa = k.fa, b = k.b, fb = k.fb;
  Extended c = a, fc = fa, d = b - a, e = d;
  for (int i = 0; i < kMaxZeroSteps; ++i) {
    if (Negative(fb) == Negative(fc)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const Extended tol = 2 * kEpsilon * std::fabs(b) + tiny;
    const Extended half = (c - b) / 2;
    if (fb == 0) {
      zero = b;
      return true;
    }
    if (std::fabs(half) <= tol) break;
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const Extended s = fb / fa;
      Extended p, q;
      if (a == c) {
        p = 2 * half * s;
        q = 1 - s;
      } else {
        const Extended qa = fa / fc, r = fb / fc;
        p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) q = -q;
      p = std::fabs(p);
      if (std::isfinite(p) && std::isfinite(q) &&
          2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = half;
      }
    } else {
      d = e = half;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : std::copysign(tol, half);
    if (!f.ValueAt(b, fb)) return false;
  }
  return Bisect(f, {b, fb, c, fc}, tiny, zero);
}

// Brent's minimiser ("localmin"): golden sections and parabolic steps.
bool SmallestValue(CurveFunction& f, int sign, Extended lo, Extended hi, bool untilBelowZero,
                   Minimum& found) {
  const Extended golden = (3 - std::sqrt(5.0L)) / 2;
  const Extended rootEpsilon = std::sqrt(kEpsilon);
  const Extended tiny = std::numeric_limits<Extended>::min();
  Extended a = lo, b = hi;
  Extended x = a + golden * (b - a), w = x, v = x;
  // A place where f fails counts as higher than any value (a pole the minimiser comes near).
  const auto value = [&f, sign](Extended at) {
    Extended v;
    return f.ValueAt(at, v) ? sign * v : std::numeric_limits<Extended>::infinity();
  };
  Extended fx = value(x);
  Extended fw = fx, fv = fx, d = 0, e = 0;
  for (int i = 0; i < kMaxMinimumSteps && !(untilBelowZero && fx < 0); ++i) {
    const Extended middle = (a + b) / 2;
    const Extended tol = rootEpsilon * std::fabs(x) + tiny;
    const Extended tol2 = 2 * tol;
    if (std::fabs(x - middle) <= tol2 - (b - a) / 2) break;
    bool goldenStep = true;
    if (std::fabs(e) > tol) {
      Extended r = (x - w) * (fx - fv);
      Extended q = (x - v) * (fx - fw);
      Extended p = (x - v) * q - (x - w) * r;
      q = 2 * (q - r);
      if (q > 0) p = -p;
      q = std::fabs(q);
      r = e;
      e = d;
      if (std::fabs(p) < std::fabs(q * r / 2) && p > q * (a - x) && p < q * (b - x)) {
        d = p / q;
        const Extended u = x + d;
        if (u - a < tol2 || b - u < tol2) d = x < middle ? tol : -tol;
        goldenStep = false;
      }
    }
    if (goldenStep) {
      e = x >= middle ? a - x : b - x;
      d = golden * e;
    }
    const Extended u = x + (std::fabs(d) >= tol ? d : (d > 0 ? tol : -tol));
    const Extended fu = value(u);
    if (fu <= fx) {
      (u >= x ? a : b) = x;
      v = w;
      fv = fw;
      w = x;
      fw = fx;
      x = u;
      fx = fu;
    } else {
      (u < x ? a : b) = u;
      if (fu <= fw || w == x) {
        v = w;
        fv = fw;
        w = u;
        fw = fu;
      } else if (fu <= fv || v == x || v == w) {
        v = u;
        fv = fu;
      }
    }
  }
  found = {x, fx};
  return std::isfinite(fx);
}

bool SlopeTimes12h(CurveFunction& f, Extended x, Extended h, Extended& slope) {
  Extended v[4];
  const Extended offsets[4] = {-2 * h, -h, h, 2 * h};
  for (int i = 0; i < 4; ++i)
    if (!f.ValueAt(x + offsets[i], v[i])) return false;
  slope = (v[0] - v[3]) + 8 * (v[2] - v[1]);
  return std::isfinite(slope);
}

namespace {

// The sign of the function's slope at x, from five values 2h apart; its zero is the place of
// the extreme, off by a term in h^4 that shrinks sixteenfold each time h halves.
class SlopeEstimate final : public CurveFunction {
 public:
  explicit SlopeEstimate(CurveFunction& f) : f_(f) {}
  Extended h = 0;
  bool At(Extended x, Extended& value, Extended& magnitude) override {
    magnitude = 1;
    return SlopeTimes12h(f_, x, h, value);
  }

 private:
  CurveFunction& f_;
};

constexpr int kSharpenLevels = 24;
constexpr int kWidenings = 8;

}  // namespace

Extended SharpenExtreme(CurveFunction& f, Extended x, Extended lo, Extended hi) {
  SlopeEstimate slope(f);
  slope.h = (hi - lo) / 16;
  const Extended tiny = std::numeric_limits<Extended>::min() / kEpsilon;
  Extended best = x, previous = x;
  Extended lastMove = std::numeric_limits<Extended>::infinity();
  for (int level = 0; level < kSharpenLevels; ++level, slope.h /= 2) {
    // A bracket around the last place, wide enough for the slope to change its sign.
    Extended width = std::isfinite(lastMove) ? 8 * lastMove : slope.h;
    width = std::max(width, 16 * kEpsilon * std::fabs(previous) + tiny);
    Bracket k{};
    bool bracketed = false;
    for (int i = 0; i < kWidenings && !bracketed; ++i, width *= 8) {
      k.a = std::max(lo, previous - width);
      k.b = std::min(hi, previous + width);
      if (!slope.ValueAt(k.a, k.fa) || !slope.ValueAt(k.b, k.fb)) break;
      bracketed = Negative(k.fa) != Negative(k.fb) || k.fa == 0 || k.fb == 0;
    }
    if (!bracketed) break;
    Extended zero;
    if (!ZeroInBracket(slope, k, tiny, zero)) break;
    const Extended move = std::fabs(zero - previous);
    // Once the zeros stop coming closer, rounding is what moves them.
    if (level >= 2 && move > lastMove / 4) break;
    best = previous = zero;
    lastMove = move;
    if (move == 0 && level >= 1) break;
  }
  return best;
}

}  // namespace qv

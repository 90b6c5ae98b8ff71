#include "finance/plan_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/dates.h"

namespace qv {

namespace {

constexpr Rgb kWhite = RgbOf(255, 255, 255);
constexpr Rgb kAxis = RgbOf(0, 0, 0);
constexpr Rgb kLabel = RgbOf(0x33, 0x33, 0x33);
constexpr int kFontPoints = 8;

// What a calendar year adds to the bars.
struct YearBar {
  int year = 0;
  Extended interest = 0, principal = 0;
};

// The bars are the yearly view's sums: interest and principal with the special repayments and
// the subsidy, for savings the interest and the payments.
std::vector<YearBar> YearBars(const PaymentPlan& plan) {
  const PlanTable years = MakePlanTable(plan, PlanView::Years);
  std::vector<YearBar> bars;
  for (size_t i = 0; i + 1 < years.lines.size(); ++i) {
    const std::vector<std::optional<Extended>>& a = years.lines[i].amounts;
    YearBar bar;
    bar.year = std::stoi(years.lines[i].label);
    if (plan.kind == PlanKind::Loan) {
      bar.interest = *a[1];
      bar.principal = *a[2] + *a[3] + *a[4];
    } else {
      bar.interest = *a[2];
      bar.principal = *a[0] + *a[1];
    }
    bars.push_back(bar);
  }
  return bars;
}

// An axis from lo to hi in steps of 1, 2 or 5 times a power of ten, about four of them.
struct Axis {
  Extended lo = 0, hi = 1, step = 0.25L;
  int decimals = 0;
};

// The axis always holds 0; values beyond ±10^4900 are cut, so that its span stays finite.
Axis NiceAxis(Extended lo, Extended hi) {
  lo = std::clamp<Extended>(lo, -1e4900L, 0);
  hi = std::clamp<Extended>(hi, 0, 1e4900L);
  if (!(hi - lo > 0.04L)) hi = lo + 0.04L;  // a plan of zeros still has an axis
  const Extended rough = (hi - lo) / 4;
  const Extended power = std::pow(Extended{10}, std::floor(std::log10(rough)));
  const Extended fraction = rough / power;
  Axis axis;
  axis.step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
  axis.lo = std::floor(lo / axis.step) * axis.step;
  axis.hi = std::ceil(hi / axis.step) * axis.step;
  axis.decimals = std::clamp(static_cast<int>(-std::floor(std::log10(axis.step))), 0, 2);
  return axis;
}

std::vector<Extended> Ticks(const Axis& axis) {
  std::vector<Extended> ticks;
  const long count = std::lround((axis.hi - axis.lo) / axis.step);
  for (long i = 0; i <= count; ++i) ticks.push_back(axis.lo + i * axis.step);
  return ticks;
}

std::string TickText(Extended value, int decimals) {
  if (std::fabs(value) >= 1e15L) return FormatGeneral(value);
  return FormatFixed(value, 0, decimals);
}

// A coordinate as a pixel, kept far enough inside what the canvas can step through.
int Pixel(Extended v) {
  return static_cast<int>(std::lround(std::clamp<Extended>(v, -1e6L, 1e6L)));
}

class ChartPainter {
 public:
  ChartPainter(Canvas& canvas, const PaymentPlan& plan, double scale)
      : canvas_(canvas), plan_(plan), scale_(scale), bars_(YearBars(plan)) {}

  void Paint() {
    canvas_.Fill(kWhite);
    canvas_.SetFont(kLabel, std::max(1, S(kFontPoints)));
    Extended lowBalance = plan_.record.opening, highBalance = plan_.record.opening;
    for (const PlanRow& row : plan_.record.rows) {
      lowBalance = std::min(lowBalance, row.balance);
      highBalance = std::max(highBalance, row.balance);
    }
    Extended lowBar = 0, highBar = 0;
    for (const YearBar& bar : bars_) {
      lowBar = std::min(lowBar,
                        std::min<Extended>(bar.interest, 0) + std::min<Extended>(bar.principal, 0));
      highBar = std::max(
          highBar, std::max<Extended>(bar.interest, 0) + std::max<Extended>(bar.principal, 0));
    }
    left_ = NiceAxis(lowBalance, highBalance);
    right_ = NiceAxis(lowBar, highBar);
    LayOut();
    GridLines();
    Bars();
    BalanceLine();
    Axes();
    TickLabels(left_, kChartBalance, true);
    TickLabels(right_, kLabel, false);
    YearLabels();
    Legend();
  }

 private:
  int S(double v) const { return static_cast<int>(std::lround(v * scale_)); }

  int WidestTick(const Axis& axis) const {
    int widest = 0;
    for (const Extended v : Ticks(axis))
      widest = std::max(widest, canvas_.TextWidth(TickText(v, axis.decimals)));
    return widest;
  }

  // Margins wide enough for the tick labels, so that common plans share one layout.
  void LayOut() {
    lineHeight_ = canvas_.FontHeight();
    top_ = S(22);
    bottom_ = canvas_.Height() - 1 - std::max(S(18), lineHeight_ + S(4));
    plotLeft_ = std::max(S(60), WidestTick(left_) + S(12));
    plotRight_ = canvas_.Width() - 1 - std::max(S(50), WidestTick(right_) + S(12));
    firstYear_ = DecodeDate(plan_.startDate).year;
    lastYear_ = std::max(firstYear_, plan_.record.rows.empty()
                                         ? firstYear_
                                         : DecodeDate(plan_.record.rows.back().date).year);
    TryEncodeDate(firstYear_, 1, 1, firstDay_);
    lastDay_ = AddMonths(firstDay_, 12 * (lastYear_ - firstYear_ + 1));
  }

  int Y(const Axis& axis, Extended value) const {
    return Pixel(bottom_ - (value - axis.lo) / (axis.hi - axis.lo) * (bottom_ - top_));
  }
  int X(Extended day) const {
    return Pixel(plotLeft_ + (day - firstDay_) / (lastDay_ - firstDay_) * (plotRight_ - plotLeft_));
  }
  Extended SlotWidth() const {
    return static_cast<Extended>(plotRight_ - plotLeft_) / (lastYear_ - firstYear_ + 1);
  }

  void Box(int x1, int y1, int x2, int y2, Rgb colour) {
    if (y1 == y2) return;
    canvas_.SetBrush(colour);
    canvas_.SetPen(colour);
    canvas_.RoundRect(x1, y1, x2, y2, 0, 0);
    canvas_.ClearBrush();
  }

  void GridLines() {
    canvas_.ResetPen();
    canvas_.SetPen(kChartGridLine);
    for (const Extended v : Ticks(left_)) {
      canvas_.MoveTo(plotLeft_, Y(left_, v));
      canvas_.LineTo(plotRight_ + 1, Y(left_, v));
    }
  }

  // Each year's bar stands in the middle of its slot: the principal from the zero line, the
  // interest on top of it; negative parts below the zero line.
  void Bars() {
    const Extended slot = SlotWidth();
    const int half = std::max(1, Pixel(slot * 0.3L));
    for (const YearBar& bar : bars_) {
      const int centre = Pixel(plotLeft_ + (bar.year - firstYear_ + 0.5L) * slot);
      Extended up = 0, down = 0;
      for (const auto& [value, colour] :
           {std::pair{bar.principal, kChartPrincipal}, std::pair{bar.interest, kChartInterest}}) {
        Extended& base = value >= 0 ? up : down;
        Box(centre - half, Y(right_, base), centre + half, Y(right_, base + value), colour);
        base = base + value;
      }
    }
  }

  void BalanceLine() {
    canvas_.ResetPen();
    canvas_.SetPen(kChartBalance);
    canvas_.SetPenWidth(std::max(1, S(2)));
    canvas_.MoveTo(X(plan_.startDate), Y(left_, plan_.record.opening));
    for (const PlanRow& row : plan_.record.rows) canvas_.LineTo(X(row.date), Y(left_, row.balance));
  }

  void Axes() {
    canvas_.ResetPen();
    canvas_.SetPen(kAxis);
    canvas_.MoveTo(plotLeft_, top_);
    canvas_.LineTo(plotLeft_, bottom_ + 1);
    canvas_.LineTo(plotRight_ + 1, bottom_);
    canvas_.MoveTo(plotRight_, top_);
    canvas_.LineTo(plotRight_, bottom_ + 1);
  }

  void TickLabels(const Axis& axis, Rgb colour, bool atLeft) {
    canvas_.SetFont(colour, std::max(1, S(kFontPoints)));
    for (const Extended v : Ticks(axis)) {
      const std::string text = TickText(v, axis.decimals);
      const int x = atLeft ? plotLeft_ - S(4) - canvas_.TextWidth(text) : plotRight_ + S(4);
      canvas_.TextOut(x, Y(axis, v) - lineHeight_ / 2, text);
    }
  }

  // As many years as have room for their label: every year, or every 2nd, 5th, 10th, ...
  void YearLabels() {
    canvas_.SetFont(kLabel, std::max(1, S(kFontPoints)));
    const Extended slot = SlotWidth();
    const int room = canvas_.TextWidth("0000") + S(8);
    int every = 1;
    for (const int step : {1, 2, 5, 10, 20, 25, 50, 100, 1000}) {
      every = step;
      if (slot * step >= room) break;
    }
    for (int year = firstYear_; year <= lastYear_; ++year) {
      if (year % every != 0 && every > 1) continue;
      const std::string text = std::to_string(year);
      const int centre = Pixel(plotLeft_ + (year - firstYear_ + 0.5L) * slot);
      canvas_.TextOut(centre - canvas_.TextWidth(text) / 2, bottom_ + S(3), text);
    }
  }

  void Legend() {
    const bool loan = plan_.kind == PlanKind::Loan;
    const std::pair<Rgb, const char*> items[] = {
        {kChartBalance, loan ? "Restschuld" : "Guthaben"},
        {kChartInterest, "Zinsen im Jahr"},
        {kChartPrincipal, loan ? "Tilgung im Jahr" : "Einzahlungen im Jahr"},
    };
    int x = S(8);
    for (const auto& [colour, text] : items) {
      Box(x, S(5), x + S(10), S(15), colour);
      canvas_.SetFont(kLabel, std::max(1, S(kFontPoints)));
      canvas_.TextOut(x + S(14), S(10) - lineHeight_ / 2, text);
      x += S(150);
    }
  }

  Canvas& canvas_;
  const PaymentPlan& plan_;
  double scale_;
  std::vector<YearBar> bars_;
  Axis left_, right_;
  int lineHeight_ = 0, top_ = 0, bottom_ = 0, plotLeft_ = 0, plotRight_ = 0;
  int firstYear_ = 0, lastYear_ = 0, firstDay_ = 0, lastDay_ = 0;
};

}  // namespace

void DrawPlanChart(Canvas& canvas, const PaymentPlan& plan, double scale) {
  ChartPainter(canvas, plan, scale).Paint();
}

}  // namespace qv

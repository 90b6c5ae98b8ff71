#pragma once
// The payment plan window: the plan of the last successful computation of a finance page, month
// by month or year by year, with its chart, its export as a spreadsheet file and its printout.
// Not modal; while it is shown it follows the later computations of its page.
#include <memory>

#include "finance/payment_plan.h"
#include "graph/canvas.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

class TZahlungsplan : public Form {
 public:
  explicit TZahlungsplan(Ports ports);

  RadioButton Monate{*this, "Monate", "Monatlich"};
  RadioButton Jahre{*this, "Jahre", "Jährlich"};
  Button CsvBtn{*this, "CsvBtn", "Exportieren..."};
  Button PrintBtn{*this, "PrintBtn", "Drucken..."};
  Grid Grid1{*this, "Grid1", 9, 2, 1, 0};
  Image Image1{*this, "Image1"};

  // Shows the window with this plan; `current` is false when a later computation of its page
  // failed.
  void ShowPlan(std::shared_ptr<const PaymentPlan> plan, bool current);
  // A page computed anew: the window, when it shows that page's plan, shows the new one.
  void PlanComputed(std::shared_ptr<const PaymentPlan> plan);
  // A computation of a page failed: the plan of that page shown is no longer current.
  void PlanFailed(PlanKind kind);

  // The chart's pixels per pixel of the window (1.5 at 150 %), set by the front end, so that
  // the chart is drawn at the screen's own resolution.
  void SetPixelRatio(double ratio);
  const Canvas& Chart() const { return *chart_; }
  // The plan shown, or none before the window was first opened.
  const PaymentPlan* PlanShown() const { return plan_.get(); }
  PlanView View() const { return Jahre.Checked() ? PlanView::Years : PlanView::Months; }

  void MonateClick();
  void JahreClick();
  void CsvBtnClick();    // "Exportieren..."
  void PrintBtnClick();  // "Drucken..."

  static constexpr int kWidth = 700, kHeight = 600;
  static constexpr int kChartWidth = 684, kChartHeight = 226;

 private:
  // The plan in the view chosen: the grid, the chart and the caption.
  void ShowView();
  void ShowCaption();
  void FillGrid(const PlanTable& table);
  void DrawChart();

  Ports ports_;
  std::shared_ptr<const PaymentPlan> plan_;
  bool current_ = true;
  double pixelRatio_ = 1;
  std::unique_ptr<Canvas> chart_;
};

}  // namespace qv

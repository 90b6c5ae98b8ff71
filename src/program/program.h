#pragma once
// One run of the program without the toolkit: its windows in the order of creation, the
// start and the close. The Qt front end and the script driver both drive this.
#include <memory>
#include <vector>

#include "app/about.h"
#include "calculator/main_window.h"
#include "currency/rate_update_dialog.h"
#include "finance/finance_window.h"
#include "finance/payment_plan_window.h"
#include "finance/subsidy_dialog.h"
#include "graph/intersection_list.h"
#include "graph/range_dialog.h"

namespace qv {

class Program {
 public:
  explicit Program(Ports ports);
  ~Program();

  TForm1& Main() { return *main_; }
  TAboutBox& AboutBox() { return *about_; }
  TForm4& RateUpdate() { return *rateUpdate_; }
  TFinanzrechner& Finance() { return *finance_; }
  // The values the finance window and the subsidy dialog share.
  FinanceValues& FinanceShared() { return financeValues_; }
  TBereich& RangeDialog() { return *range_; }
  TFoerder& SubsidyDialog() { return *subsidy_; }
  TZahlungsplan& Plan() { return *plan_; }
  TSchnittpunkte& PointList() { return *points_; }
  // Every window in the order of creation, the main window first.
  const std::vector<Form*>& Windows() const { return windows_; }
  // The window of that class name ("TForm1", "TAboutBox"), or nullptr.
  Form* FindWindow(const std::string& className) const;

  // Shows the main window (its OnShow restores what the last run left).
  void Start();
  // A close request of the main window; answers whether the program closed.
  bool Close();
  bool Closed() const { return closed_; }

 private:
  void WireRateUpdate();
  void WireFinance();
  void WireSubsidyDialog();
  void WirePaymentPlan();
  void WireRangeDialog();
  void WirePointList();
  Ports ports_;
  FinanceValues financeValues_;
  std::unique_ptr<TForm1> main_;
  std::unique_ptr<TFinanzrechner> finance_;
  std::unique_ptr<TFoerder> subsidy_;
  std::unique_ptr<TForm4> rateUpdate_;
  std::unique_ptr<TBereich> range_;
  std::unique_ptr<TSchnittpunkte> points_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TZahlungsplan> plan_;
  std::vector<Form*> windows_;
  bool closed_ = false;
};

}  // namespace qv

#include "program/program.h"

namespace qv {

Program::Program(Ports ports) : ports_(ports) {
  // The windows in the order the program creates them; all but the main window stay hidden
  // until called.
  main_ = std::make_unique<TForm1>(ports);
  finance_ = std::make_unique<TFinanzrechner>(ports, financeValues_);
  subsidy_ = std::make_unique<TFoerder>(ports, financeValues_);
  rateUpdate_ = std::make_unique<TForm4>(ports, main_->Frame31);
  range_ = std::make_unique<TBereich>();
  about_ = std::make_unique<TAboutBox>();
  // The windows beyond those: the payment plan and the list of points of the graph.
  plan_ = std::make_unique<TZahlungsplan>(ports);
  points_ = std::make_unique<TSchnittpunkte>();
  windows_ = {main_.get(),  finance_.get(), subsidy_.get(), rateUpdate_.get(),
              range_.get(), about_.get(),   plan_.get(),    points_.get()};
  main_->About.OnClick = [this] { about_->Show(); };
  main_->CloseMainWindow = [this] { return Close(); };
  WireRateUpdate();
  WireRangeDialog();
  WirePointList();
  WireFinance();
}

Program::~Program() = default;

// "Kurse aktualisieren" in both menus and a Ctrl+click on the converter's arrow open the
// rate-update dialog.
void Program::WireRateUpdate() {
  TForm1& main = *main_;
  rateUpdate_->Host = {
      .stayOnTop = [&main] { return main.StayOnTop(); },
      .toggleStayOnTop = [&main] { main.StayOnTop1Click(); },
      .currencyChosen = [&main] { main.CurrencyChoose(); },
  };
  const auto open = [this] { rateUpdate_->Open(); };
  main.Kurseaktualisieren1.OnClick = open;
  main.Whrungskurse1.OnClick = open;
  main.OpenRateUpdate = open;
}

// The menu entry "Finanzrechner (F)" opens the finance window, whose help button opens the
// help page at its section, whose subsidy box opens the subsidy dialog, whose report goes into
// the tape and whose cases are stored in the settings file the main window read.
void Program::WireFinance() {
  main_->Finanz.OnClick = [this] { finance_->Open(); };
  finance_->HelpBtn.OnClick = [this] { main_->OpenHelp("#Finanz"); };
  WireSubsidyDialog();
  WirePaymentPlan();
  finance_->Tape = &main_->Frame41.Tape;
  finance_->SettingsPath = main_->SettingsPath();
}

// The subsidy dialog is opened, set and closed by the loan page, hands its subsidy back to it
// and keeps its rule sets in the settings file.
void Program::WireSubsidyDialog() {
  TFinanzrechner& finance = *finance_;
  TFoerder& subsidy = *subsidy_;
  finance.OpenSubsidyDialog = [&subsidy] { subsidy.Open(); };
  finance.CloseSubsidyDialog = [&subsidy] { subsidy.Close(); };
  finance.SelectSubsidyRules = [&subsidy](int rules) { subsidy.SelectRules(rules); };
  subsidy.Host = {
      .switchOff = [&finance] { finance.DropSubsidy(); },
      .handOver = [&finance](const std::string& total) { finance.AcceptSubsidy(total); },
      .showingStoredCase = [&finance] { return finance.ShowingStoredCase(); },
  };
  subsidy.SettingsPath = main_->SettingsPath();
}

// "Plan" shows the payment plan of the active finance page, which follows that page's later
// computations while it is shown.
void Program::WirePaymentPlan() {
  TZahlungsplan& plan = *plan_;
  finance_->OpenPlan = [&plan](std::shared_ptr<const PaymentPlan> shown, bool current) {
    plan.ShowPlan(std::move(shown), current);
  };
  finance_->PlanComputed = [&plan](std::shared_ptr<const PaymentPlan> computed) {
    plan.PlanComputed(std::move(computed));
  };
  finance_->PlanFailed = [&plan](PlanKind kind) { plan.PlanFailed(kind); };
}

// "Frei definierbar" in the graph's range menu opens the range dialog, which hands the range
// back to the graph panel.
void Program::WireRangeDialog() {
  TForm1& main = *main_;
  range_->Host = {
      .setStart = [&main](Extended start) { main.Frame21.SearchStart = start; },
      .setEnd = [&main](Extended end) { main.Frame21.SearchEnd = end; },
      .accepted =
          [&main] {
            main.Frame21.Freidefinierbar1.SetChecked(true);
            main.RedrawGraph();
          },
      .refuse = [this](const std::string& text) { ports_.prompts.ShowMessage(text); },
  };
  main.OpenRangeDialog = [this](Extended start, Extended end) { range_->Open(start, end); };
}

// The graph's point lists open the list window, which takes a point's x into field 1 and
// writes the list into the tape.
void Program::WirePointList() {
  TForm1& main = *main_;
  points_->Host = {
      .takeX = [&main](Extended x) { main.TakeIntersectionX(x); },
      .toTape = [&main](const std::vector<std::string>& lines) { main.PointsToTape(lines); },
  };
  main.ShowPointList = [this](const PointReport& report) { points_->Open(report); };
}

Form* Program::FindWindow(const std::string& className) const {
  for (Form* f : windows_)
    if (f->ClassName() == className) return f;
  return nullptr;
}

void Program::Start() {
  main_->Show();
}

bool Program::Close() {
  if (closed_) return true;
  if (!main_->FormCloseQuery()) return false;
  main_->SaveSettings();
  main_->Hide();
  closed_ = true;
  return true;
}

}  // namespace qv

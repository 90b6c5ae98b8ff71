#include "finance/payment_plan_window.h"

#include <cmath>
#include <filesystem>

#include "finance/plan_chart.h"
#include "finance/plan_print.h"
#include "platform/ini_io.h"

namespace qv {

namespace {

constexpr int kLoanWidths[] = {44, 76, 50, 84, 78, 84, 80, 76, 88};
constexpr int kSavingsWidths[] = {44, 76, 50, 110, 110, 104, 120};

int Scaled(int pixels, double ratio) {
  return std::max(1, static_cast<int>(std::lround(pixels * ratio)));
}

}  // namespace

TZahlungsplan::TZahlungsplan(Ports ports)
    : Form("TZahlungsplan", "Zahlungsplan"),
      ports_(ports),
      chart_(std::make_unique<Canvas>(kChartWidth, kChartHeight)) {
  SetCaption("Zahlungsplan");
  SetSize(kWidth, kHeight);
  Place = Placement::CentredOnScreen;
  Monate.SetChecked(true);
  Monate.SetHint("Eine Zeile je Monat");
  Jahre.SetHint("Eine Zeile je Kalenderjahr mit den Summen des Jahres");
  CsvBtn.SetHint("Den Plan als Tabellendatei (CSV) speichern");
  PrintBtn.SetHint("Den Plan drucken");
  Grid1.SetHint("Der Zahlungsplan Zeile für Zeile");
  Grid1.SetEditable(false);
  Image1.SetHint("Verlauf der Restschuld oder des Guthabens, Zinsen und Tilgung je Jahr");
  Image1.SetPicture(chart_->View());
  Monate.OnClick = [this] { MonateClick(); };
  Jahre.OnClick = [this] { JahreClick(); };
  CsvBtn.OnClick = [this] { CsvBtnClick(); };
  PrintBtn.OnClick = [this] { PrintBtnClick(); };
}

void TZahlungsplan::ShowPlan(std::shared_ptr<const PaymentPlan> plan, bool current) {
  plan_ = std::move(plan);
  current_ = current;
  ShowView();
  Show();
}

void TZahlungsplan::PlanComputed(std::shared_ptr<const PaymentPlan> plan) {
  if (!Visible() || !plan_ || plan_->kind != plan->kind) return;
  plan_ = std::move(plan);
  current_ = true;
  ShowView();
}

void TZahlungsplan::PlanFailed(PlanKind kind) {
  if (!Visible() || !plan_ || plan_->kind != kind || !current_) return;
  current_ = false;
  ShowCaption();
}

void TZahlungsplan::SetPixelRatio(double ratio) {
  if (!(ratio > 0) || ratio == pixelRatio_) return;
  pixelRatio_ = ratio;
  chart_ = std::make_unique<Canvas>(Scaled(kChartWidth, ratio), Scaled(kChartHeight, ratio));
  if (plan_) DrawChart();
  Image1.SetPicture(chart_->View());
}

void TZahlungsplan::MonateClick() {
  if (plan_) ShowView();
}

void TZahlungsplan::JahreClick() {
  if (plan_) ShowView();
}

void TZahlungsplan::ShowView() {
  ShowCaption();
  FillGrid(MakePlanTable(*plan_, View()));
  DrawChart();
}

void TZahlungsplan::ShowCaption() {
  std::string caption =
      plan_->kind == PlanKind::Loan ? "Zahlungsplan - Tilgungsplan" : "Zahlungsplan - Anlage";
  if (!current_) caption += " (nicht aktuell)";
  SetCaption(caption);
}

// The number and the date stand at the left, the interest and the amounts at the right.
void TZahlungsplan::FillGrid(const PlanTable& table) {
  const int columns = static_cast<int>(table.headers.size());
  const int* widths = plan_->kind == PlanKind::Loan ? kLoanWidths : kSavingsWidths;
  Grid1.SetColCount(columns);
  Grid1.SetRowCount(static_cast<int>(table.lines.size()) + 1);
  for (int col = 0; col < columns; ++col) {
    Grid1.SetCell(0, col, table.headers[col]);
    Grid1.SetColWidth(col, widths[col]);
    Grid1.SetRightAligned(col, col >= 2);
  }
  for (size_t line = 0; line < table.lines.size(); ++line) {
    const std::vector<std::string> cells = ShownCells(table.lines[line]);
    for (int col = 0; col < columns; ++col)
      Grid1.SetCell(static_cast<int>(line) + 1, col, cells[col]);
  }
}

void TZahlungsplan::DrawChart() {
  DrawPlanChart(*chart_, *plan_, pixelRatio_);
  Image1.PictureChanged();
}

// The view shown, as a spreadsheet file; the file is replaced whole or not at all.
void TZahlungsplan::CsvBtnClick() {
  if (!plan_) return;
  const std::string folder = ports_.folders.DocumentsDir();
  const FileDialog dialog{.title = "Zahlungsplan exportieren",
                          .filter = "CSV-Datei (*.csv)|*.csv",
                          .filterIndex = 1,
                          .defaultExt = "csv",
                          .fileName = folder + "/Zahlungsplan.csv",
                          .initialDir = folder};
  const std::optional<FileChoice> choice = ports_.prompts.SaveFile(dialog);
  if (!choice) return;
  const std::string failure =
      ReplaceFileAtomically(choice->path, PlanCsv(MakePlanTable(*plan_, View())), nullptr);
  if (!failure.empty())
    ports_.prompts.ShowError("Die Datei " +
                             std::filesystem::path(choice->path).filename().string() +
                             " konnte nicht gespeichert werden: " + failure);
}

// The view shown, on the printer the set-up dialog chose.
void TZahlungsplan::PrintBtnClick() {
  if (!plan_ || !ports_.prompts.PrinterSetup()) return;
  const PrintedDocument document = LayOutPlanPrint(MakePlanTable(*plan_, View()), Caption(),
                                                   plan_->inputs, ports_.printer.Page());
  if (const std::optional<std::string> failure = ports_.printer.PrintPages(document, Caption()))
    ports_.prompts.ShowError("Der Zahlungsplan konnte nicht gedruckt werden: " + *failure);
}

}  // namespace qv

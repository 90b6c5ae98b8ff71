#pragma once
// The finance window: a non-modal window with the record bar of the stored cases, the pages
// "Tilgungsplan" (loan schedules) and "Anlage" (savings plans), and the buttons "Berechnen",
// "Schließen" and "Hilfe".
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "finance/finance_input.h"
#include "finance/finance_records.h"
#include "finance/finance_values.h"
#include "finance/loan_schedule.h"
#include "finance/payment_plan.h"
#include "finance/savings_plan.h"
#include "platform/counting_scope.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

struct LoanResult;
class TapeModel;

class TFinanzrechner : public Form {
 public:
  TFinanzrechner(Ports ports, FinanceValues& values);

  // ---- The record bar
  Button SpeedButton4{*this, "SpeedButton4", "Tape"};
  Button SpeedButton5{*this, "SpeedButton5"};
  Button SpeedButton3{*this, "SpeedButton3"};
  Button SpeedButton2{*this, "SpeedButton2"};
  ComboBox ComboBox1{*this, "ComboBox1"};

  PageControl PageControl1{*this, "PageControl1"};

  // ---- Page "Tilgungsplan"
  Label Label1{*this, "Label1", "Darlehenssumme"};
  Edit Edit1{*this, "Edit1"};
  Label Label2{*this, "Label2", "Aufnahmedatum"};
  DatePicker Datum1{*this, "Datum1"};
  Label Label3{*this, "Label3", "Zins"};
  Edit Edit2{*this, "Edit2"};
  Label Label8{*this, "Label8", "Monatliche Rate:"};
  Edit Edit12{*this, "Edit12"};
  Label Label17{*this, "Label17", "Max Laufz."};
  Edit Edit13{*this, "Edit13", "30"};
  Label Label14{*this, "Label14", "J"};
  Edit Edit14{*this, "Edit14"};
  Label Label20{*this, "Label20", "M"};
  Label Label7{*this, "Label7", "Anpassen:"};
  RadioButton Radio1{*this, "Radio1", "Rate"};
  RadioButton Radio2{*this, "Radio2", "Darl."};
  CheckBox vproz{*this, "vproz", "Zinssatz veränderlich"};
  CheckBox BauFi{*this, "BauFi", "Baufinanz-Förderung:"};
  Edit Edit7{*this, "Edit7"};
  GroupBox GroupBox6{*this, "GroupBox6", " Sondertilgungen "};
  Grid Grid2{*this, "Grid2", 3, 4};
  Grid Grid3{*this, "Grid3", 3, 4};
  Button SpeedButton7{*this, "SpeedButton7", "%"};
  Button SpeedButton1{*this, "SpeedButton1"};
  Button SpeedButton6{*this, "SpeedButton6"};
  GroupBox GroupBox1{*this, "GroupBox1", " Darlehensstatus "};
  Label Label6{*this, "Label6", "Status den:"};
  DatePicker Datum3{*this, "Datum3"};
  Label Label13{*this, "Label13", "Tilgungsanteil"};
  Edit Edit4{*this, "Edit4"};
  Label Label12{*this, "Label12", "Zinsanteil"};
  Edit Edit5{*this, "Edit5"};
  Label Label9{*this, "Label9", "Bis jetzt getilgt:"};
  Edit Edit6{*this, "Edit6"};
  Label Label10{*this, "Label10", "Zinsen bis jetzt:"};
  Edit Edit9{*this, "Edit9"};
  GroupBox GroupBox7{*this, "GroupBox7", " Ende der Laufzeit "};
  Label Label11{*this, "Label11", "Gesamtlaufzeit:"};
  Edit Edit3{*this, "Edit3", "0"};
  Label Label4{*this, "Label4", "J"};
  Edit Edit8{*this, "Edit8", "0"};
  Label Label5{*this, "Label5", "M"};
  Label Label18{*this, "Label18", "Letzte Rate:"};
  Edit Edit15{*this, "Edit15"};
  Label Label19{*this, "Label19", "Gezahlt am:"};
  DatePicker Datum2{*this, "Datum2"};
  Label Label15{*this, "Label15", "Gesamt gezahlt"};
  Edit Edit10{*this, "Edit10"};
  Label Label16{*this, "Label16", "Anteil der Zinsen:"};
  Edit Edit11{*this, "Edit11"};

  // ---- Page "Anlage"
  static constexpr int kCreditingGroup = 1;
  Label Label21{*this, "Label21", "Zinsberechnung: "};
  RadioButton Zins1{*this, "Zins1", "monatlich (1/12)", kCreditingGroup};
  RadioButton Zins2{*this, "Zins2", "jährlich", kCreditingGroup};
  GroupBox GroupBox3{*this, "GroupBox3", " Eingaben "};
  Label Label22{*this, "Label22", "Anfangskapital"};
  Edit Edit16{*this, "Edit16"};
  Label Label32{*this, "Label32", "Anfangsdatum"};
  DatePicker Datum4{*this, "Datum4"};
  Label Label23{*this, "Label23", "Zins"};
  Edit Edit17{*this, "Edit17"};
  Label Label24{*this, "Label24", "Monatl. Zahlung"};
  Edit Edit18{*this, "Edit18"};
  Label Label25{*this, "Label25", "Laufzeit:"};
  Edit Edit19{*this, "Edit19", "0"};
  Label Label30{*this, "Label30", "J"};
  Edit Edit23{*this, "Edit23", "0"};
  Label Label31{*this, "Label31", "M"};
  CheckBox vproz2{*this, "vproz2", "Zinssatz veränderlich"};
  Button SpeedButton8{*this, "SpeedButton8", "%"};
  GroupBox GroupBox2{*this, "GroupBox2", " Sonderzahlungen "};
  Grid Grid1{*this, "Grid1", 3, 6};
  Grid Grid4{*this, "Grid4", 3, 6};
  Button Button1{*this, "Button1", "Zeile hinzufügen"};
  Button Button2{*this, "Button2", "Letzte Zeile löschen"};
  GroupBox GroupBox4{*this, "GroupBox4", " Status der Anlage am Datum "};
  DatePicker Datum6{*this, "Datum6"};
  Edit Edit24{*this, "Edit24"};
  GroupBox GroupBox5{*this, "GroupBox5", " Ergebnis "};
  Label Label26{*this, "Label26", "Auszahlungsdatum:"};
  DatePicker Datum5{*this, "Datum5"};
  Label Label27{*this, "Label27", "Gesamtsumme:"};
  Edit Edit21{*this, "Edit21"};
  Label Label29{*this, "Label29", "Einzahlungen:"};
  Edit Edit20{*this, "Edit20"};
  Label Label28{*this, "Label28", "Zinsanteil"};
  Edit Edit22{*this, "Edit22"};

  // ---- The button row
  Button OKBtn{*this, "OKBtn", "Berechnen"};
  Button CancelBtn{*this, "CancelBtn", "Schließen"};
  Button HelpBtn{*this, "HelpBtn", "&Hilfe"};
  // Beside the pages' tabs: the payment plan of the active page's last successful computation.
  Button PlanBtn{*this, "PlanBtn", "Plan"};

  // Set by the program: the plan window shown with a page's plan (false: a later computation of
  // the page failed), told of every successful computation of a page and of every failed one.
  std::function<void(std::shared_ptr<const PaymentPlan> plan, bool current)> OpenPlan;
  std::function<void(std::shared_ptr<const PaymentPlan> plan)> PlanComputed;
  std::function<void(PlanKind kind)> PlanFailed;
  void PlanBtnClick();

  // Set by the program: the subsidy dialog (shown, closed, its rule set chosen: 0 from
  // 1.1.2006, 1 up to 31.12.2005), the tape the report goes to, and the settings file.
  std::function<void()> OpenSubsidyDialog;
  std::function<void()> CloseSubsidyDialog;
  std::function<void(int rules)> SelectSubsidyRules;
  TapeModel* Tape = nullptr;
  std::string SettingsPath;

  // The list position shown in ComboBox1 for each page, kept while the other page is active;
  // none until a case of that page is loaded or saved, so that a page change never shows a
  // name whose case the page does not hold.
  int LoanEntryIndex = -1;
  int SavingsEntryIndex = -1;

  // Shows the window; becoming visible reads the names of the stored cases, sets the date
  // pickers to today, lays out the grids and gives the active page's first field the keyboard.
  void Open();
  // Closing ("Schließen", Esc or the frame) hides the window and writes the names list.
  void FormClose();

  // "Berechnen": computes the active page. A computation asked for while one runs (or while
  // the input is validated, whose default texts run change behaviours) does not start.
  void OKBtnClick();
  // Runs the checks of the active page, shows at most one message and moves the keyboard
  // to the field in question; sets InputValid and answers it.
  bool ValidateFinanceInput();

  // ---- Events of the loan page
  void Edit2Change();
  void Edit13Change();
  void Edit14Change();
  void Datum1Change();
  void SpeedButton7Click();
  void SpeedButton1Click();
  void SpeedButton6Click();
  void vprozClick();
  void BauFiClick();
  // The subsidy dialog's "OK" with the total it shows: a subsidy handed over is switched on and
  // computed; a total of 0 switches the subsidy off.
  void AcceptSubsidy(const std::string& totalText);
  // "Keine Förderung", or an income above the limit.
  void DropSubsidy();
  // Whether a stored case is being shown.
  bool ShowingStoredCase() const { return loading_ > 0; }

  AdjustMode LoanAdjustMode() const;
  // The loan page's inputs as the computation reads them.
  LoanCase ReadLoanCase() const;

  // ---- Events of the savings page
  void Datum5Change();
  void Zins1Click();
  void Zins2Click();
  void vproz2Click();
  void SpeedButton8Click();
  void Button1Click();
  void Button2Click();
  SavingsCase ReadSavingsCase() const;

  // ---- The record bar and the pages
  void PageControl1Change();
  void SpeedButton2Click();  // "Eintrag speichern"
  void ComboBox1Change();    // a stored name picked: its case is loaded
  void SpeedButton3Click();  // "Eintrag löschen"
  void SpeedButton5Click();  // "Neue Berechnung"
  void SpeedButton4Click();  // "Tape": the report into the tape
  // Shows a case read from the settings file on its page and computes it; the malformed values
  // it holds are named in one message first.
  void LoadRecord(const std::string& name, const FinanceRecord& record);

  static constexpr int kLoanPage = 0;
  static constexpr int kSavingsPage = 1;
  // The window's background, and the two looks of the subsidy field.
  static constexpr int32_t kBackground = 0xBFCBDD;
  static constexpr int32_t kWindowColor = 0xFFFFFF;
  static constexpr int32_t kInactiveBorderColor = 0xD4D0C8;

 private:
  class LoanPageFields;
  class SavingsPageFields;
  using Scope = CountingScope;
  void FormShow();
  void WireRecordBar();
  void WireLoanPage();
  void WireSavingsPage();
  void LayOutGrids();
  void AddListRow(Grid& grid);
  int ActivePage() const { return PageControl1.ItemIndex(); }
  Control& FirstField();
  bool ValidateLoanPage();
  bool ValidateSavingsPage();
  // Runs a page's checks: a refused input is shown and its field gets the focus; a number that
  // cannot be converted gets the focus and goes on to the general handler.
  bool ValidatePage(const std::function<ValidationOutcome()>& validate);
  // The computations of the pages: true when the page shows new results, whose plan is kept.
  bool ComputeLoanPage();
  bool ComputeSavingsPage();
  std::vector<PlanInput> LoanPlanInputs() const;
  std::vector<PlanInput> SavingsPlanInputs() const;
  void KeepPlan(int page, PaymentPlan plan);
  void MarkPlanOutdated(int page);
  void ShowLoanResult(const LoanResult& result);
  void ShowSavingsResult(const SavingsResult& result);
  // A validation run by a change of crediting; when it passes, the computation.
  void ValidateAndCompute();

  // Stored cases.
  std::string NameText() const { return ComboBox1.Text(); }
  int& EntryIndex(int page) { return page == kSavingsPage ? SavingsEntryIndex : LoanEntryIndex; }
  LoanRecord CurrentLoanRecord() const;
  SavingsRecord CurrentSavingsRecord() const;
  void ShowLoanRecord(const LoanRecord& record);
  void ShowSavingsRecord(const SavingsRecord& record);
  void ShowStoredSubsidy(const StoredSubsidy& subsidy);
  void LoadSelectedRecord();
  void NewLoanCase();
  void NewSavingsCase();
  // The names list in the settings file as the list shows it; false after a message.
  bool StoreNames(IniFile& ini);
  // Writes the changes to the settings file; a failure is shown, false then.
  bool Update(const IniFile& ini, const char* what);
  // The settings file for one action, or nothing after a message when it cannot be read.
  std::optional<IniFile> OpenSettings(const char* what);
  // In mode "Rate" the rate field, in mode "Darl." the loan field becomes "0", so that the
  // next computation searches anew.
  void ResetSearchedField();
  // Gives the keyboard to the field a conversion error points to.
  void FocusInputError(const FinanceInputError& error);
  Control& FieldControl(FinanceField field);

  Ports ports_;
  FinanceValues& values_;
  // Above 0 while a computation or a validation runs.
  int busy_ = 0;
  // Above 0 while a stored case is shown: the fields' change behaviours compute nothing then,
  // so that the one computation at the end decides the outputs and shows at most one message.
  int loading_ = 0;
  // The page shown, until a page change is handled.
  int shownPage_ = kLoanPage;
  // Each page's plan of its last successful computation, and whether a later one failed.
  std::shared_ptr<const PaymentPlan> plans_[2];
  bool planCurrent_[2] = {true, true};
};

}  // namespace qv

#pragma once
// The finance window: a non-modal window with the record bar, the page "Tilgungsplan" that
// computes loan schedules, and the buttons "Berechnen", "Schließen" and "Hilfe".
#include <functional>

#include "finance/finance_input.h"
#include "finance/finance_values.h"
#include "finance/loan_schedule.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

struct LoanResult;

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

  // ---- The button row
  Button OKBtn{*this, "OKBtn", "Berechnen"};
  Button CancelBtn{*this, "CancelBtn", "Schließen"};
  Button HelpBtn{*this, "HelpBtn", "&Hilfe"};

  // Shows the subsidy dialog; set by the program.
  std::function<void()> OpenSubsidyDialog;

  // Shows the window; becoming visible sets the date pickers to today, lays out the grids and
  // gives the loan field the keyboard.
  void Open();

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

  AdjustMode LoanAdjustMode() const;
  // The loan page's inputs as the computation reads them.
  LoanCase ReadLoanCase() const;

  static constexpr int kLoanPage = 0;
  // The window's background, and the two looks of the subsidy field.
  static constexpr int32_t kBackground = 0xBFCBDD;
  static constexpr int32_t kWindowColor = 0xFFFFFF;
  static constexpr int32_t kInactiveBorderColor = 0xD4D0C8;

 private:
  class LoanPageFields;
  void FormShow();
  void WireLoanPage();
  void LayOutGrids();
  bool ValidateLoanPage();
  void ComputeLoanPage();
  void ShowLoanResult(const LoanResult& result);
  // In mode "Rate" the rate field, in mode "Darl." the loan field becomes "0", so that the
  // next computation searches anew.
  void ResetSearchedField();
  // Gives the keyboard to the field a conversion error points to.
  void FocusInputError(const LoanInputError& error);
  Control& FieldControl(LoanField field);

  Ports ports_;
  FinanceValues& values_;
  // Above 0 while a computation or a validation runs.
  int busy_ = 0;
};

}  // namespace qv

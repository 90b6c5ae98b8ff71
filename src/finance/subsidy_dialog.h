#pragma once
// The subsidy dialog: the yearly home-ownership subsidy from editable rule sets, handed to the
// loan page of the finance window. It is not modal; every change of an input recomputes at once.
#include <functional>
#include <limits>
#include <string>

#include "finance/finance_values.h"
#include "finance/subsidy.h"
#include "platform/counting_scope.h"
#include "platform/form.h"
#include "platform/ports.h"

namespace qv {

// What the dialog asks of the finance window.
struct SubsidyDialogHost {
  // Unticks "Baufinanz-Förderung:" (its unticked behaviour runs) and empties the subsidy field.
  std::function<void()> switchOff;
  // "OK": the total as the dialog shows it, for the subsidy field and the loan computation.
  std::function<void(const std::string& totalText)> handOver;
  // While the finance window shows a stored case, whose subsidy it restores as stored, the
  // dialog's recomputations show nothing and switch nothing off.
  std::function<bool()> showingStoredCase;
};

class TFoerder : public Form {
 public:
  TFoerder(Ports ports, FinanceValues& values);

  static constexpr int kRuleSetGroup = 1;
  static constexpr int kBuildingGroup = 2;
  static constexpr int kBorrowerGroup = 3;

  Label Label15{*this, "Label15",
                "Die Eigenheimzulage wurde zum 1.1.2006 gestrichen. \nWenn es sich wieder ändern "
                "sollte können Sie \ndie Felder wieder mit neuen Daten füllen."};
  GroupBox GroupBox4{*this, "GroupBox4", " Vertragsabschluss "};
  RadioButton Neu{*this, "Neu", "ab 1.1.2006", kRuleSetGroup};
  RadioButton Alt{*this, "Alt", "bis 31.12.2005", kRuleSetGroup};

  GroupBox GroupBox1{*this, "GroupBox1", " Vorgaben (pro Jahr) "};
  Label Label5{*this, "Label5", "Neubauzulage"};
  Edit Edit3{*this, "Edit3", "0"};
  Label Label6{*this, "Label6", "Altbauzulage"};
  Edit Edit4{*this, "Edit4", "0"};
  Label Label8{*this, "Label8", "Kinderzulage:"};
  Edit Edit6{*this, "Edit6", "0"};
  Label Label7{*this, "Label7", "Ökozulage 1"};
  Edit Edit5{*this, "Edit5", "0"};
  Label Label13{*this, "Label13", "Ökozulage 2"};
  Edit Edit11{*this, "Edit11", "0"};
  Label Label12{*this, "Label12", "Dauer (Jahre)"};
  Edit Edit10{*this, "Edit10", "1"};
  Label Label9{*this, "Label9", "Grenze Unvh."};
  Edit Edit7{*this, "Edit7", "0"};
  Label Label10{*this, "Label10", "Grenze Verh."};
  Edit Edit8{*this, "Edit8", "0"};
  Label Label11{*this, "Label11", "Erh. pro Kind:"};
  Edit Edit9{*this, "Edit9", "0"};

  GroupBox GroupBox2{*this, "GroupBox2", " Objekt "};
  RadioButton Neubau{*this, "Neubau", "Neub.", kBuildingGroup};
  RadioButton Altbau{*this, "Altbau", "Altb.", kBuildingGroup};
  CheckBox Oeko{*this, "Oeko", "Ökozul.1"};
  CheckBox Oeko2{*this, "Oeko2", "Ökozl.2"};

  GroupBox GroupBox3{*this, "GroupBox3", "Darlehensnehmer"};
  RadioButton Verheiratet{*this, "Verheiratet", "Verheiratet", kBorrowerGroup};
  RadioButton Ledig{*this, "Ledig", "Ledig", kBorrowerGroup};
  Label Label1{*this, "Label1", "Gesamteeinkommen der\nletzten zwei Jahre."};
  Edit Edit1{*this, "Edit1"};
  Label Label2{*this, "Label2", "(Bei Verheirateten gemein- sames Einkommen)"};
  Label Label3{*this, "Label3", "Kinder"};
  SpinEdit Kinder{*this, "Kinder", 0, std::numeric_limits<int>::max(), 0};

  Label Label14{*this, "Label14", "Jährlicher Förderbetrag: "};
  Edit Edit12{*this, "Edit12"};
  Label Label4{*this, "Label4", "Gesamt- Förderbetrag in X Jahren"};
  Edit Edit2{*this, "Edit2"};

  Button OKBtn{*this, "OKBtn", "OK"};
  Button CancelBtn{*this, "CancelBtn", "Keine Förderung"};

  SubsidyDialogHost Host;
  std::string SettingsPath;

  // The loan page's subsidy box: shows the dialog; becoming visible fills it.
  void Open();
  // Closes the dialog; its rule values are written also when it was not shown.
  void Close();

  void ComputeSubsidy();
  void OKBtnClick();
  void CancelBtnClick();
  // The rule-set selections "ab 1.1.2006" and "bis 31.12.2005".
  void NeuClick();
  void AltClick();
  // Selects the rule set (0 new, 1 old) and loads its values, as a stored case asks.
  void SelectRules(int rules);
  void NeubauClick();
  void AltbauClick();
  void OekoClick();
  void Oeko2Click();
  void VerheiratetClick();
  void LedigClick();
  void KinderChange();
  // Keys typed into the children's box are dropped: the number changes by its arrows only.
  void KinderKeyDown(Key key);

  // The results of the last computation.
  Extended BuildingAllowance = 0;
  bool SubsidyCapped = false;

  // The dialog's background.
  static constexpr int32_t kBackground = 0xBFCBDD;

 private:
  using Scope = CountingScope;
  void FormShow();
  void FormClose();
  // A recomputation asked for by a change of an input; while the dialog fills its fields
  // itself, the one computation at the end stands for all of them.
  void Recompute();
  // Shows the values of a rule set and makes it the one in use.
  void LoadRuleSet(int rules);
  void ChooseRuleSet(int rules);
  Edit& RuleField(int index);
  Control& FieldControl(SubsidyField field);
  SubsidyRuleTexts RuleTexts();
  bool Quiet() const { return Host.showingStoredCase && Host.showingStoredCase(); }

  Ports ports_;
  FinanceValues& values_;
  // Above 0 while the dialog fills its own fields.
  int filling_ = 0;
};

}  // namespace qv

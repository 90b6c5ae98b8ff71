#include "finance/subsidy_dialog.h"

namespace qv {

TFoerder::TFoerder(Ports ports, FinanceValues& values)
    : Form("TFoerder", "Foerder"), ports_(ports), values_(values) {
  SetCaption("Staatliche Förderung");
  SetSize(272, 509);
  Place = Placement::CentredOnOwner;
  Neu.SetChecked(true);
  Neubau.SetChecked(true);
  Verheiratet.SetChecked(true);

  Edit3.SetHint("Maximale Neubauzulage");
  Edit4.SetHint("Maximale Altbauzulage");
  Edit5.SetHint("Bei sehr gutem Wärmeschutz in Neubauten");
  Edit6.SetHint("Kinderzulage");
  Edit7.SetHint("Zwei-Jahres Einkommensgrenze für Unverheiratete.");
  Edit8.SetHint("Zwei-Jahres Einkommensgrenze für Verheiratete.");
  Edit9.SetHint("Erhöhung der Einkommensgrenze pro Kind");
  Edit10.SetHint("Dauer der Förderung");
  Edit11.SetHint("Bei Einbau von Solaranlagen, Wärmepumpen und Anlagen für Wärmerückgewinnung");
  Label9.SetHint(
      "Maximales Zweijahreseinkommen von unverheirateten. \nEs werden das aktuelle und das "
      "Vorjahr addiert!");
  Neubau.SetHint("Neubau");
  Altbau.SetHint("Altbau");
  Oeko.SetHint(Edit5.Hint());
  Oeko2.SetHint(Edit11.Hint());
  Kinder.SetHint("Kinderzulage und Einkommensgrenze erhöhen sich bei jedem Kind");
  // The results are computed, never typed.
  Edit12.SetReadOnly(true);
  Edit2.SetReadOnly(true);

  for (Edit* field :
       {&Edit1, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9, &Edit10, &Edit11})
    field->OnChange = [this] { Recompute(); };
  Edit2.OnClick = [this] { ComputeSubsidy(); };
  Edit12.OnClick = [this] { ComputeSubsidy(); };
  Neu.OnClick = [this] { NeuClick(); };
  Alt.OnClick = [this] { AltClick(); };
  Neubau.OnClick = [this] { NeubauClick(); };
  Altbau.OnClick = [this] { AltbauClick(); };
  Oeko.OnClick = [this] { OekoClick(); };
  Oeko2.OnClick = [this] { Oeko2Click(); };
  Verheiratet.OnClick = [this] { VerheiratetClick(); };
  Ledig.OnClick = [this] { LedigClick(); };
  Kinder.OnChange = [this] { KinderChange(); };
  Kinder.OnKeyDown = [this](Key key) { KinderKeyDown(key); };
  Kinder.OnMouseDown = [this] { SetFocus(OKBtn); };
  OKBtn.OnClick = [this] { OKBtnClick(); };
  CancelBtn.OnClick = [this] { CancelBtnClick(); };
  OnHide = [this] { FormClose(); };
}

void TFoerder::Open() {
  if (!Visible()) FormShow();
  Show();
}

void TFoerder::Close() {
  if (Visible())
    Hide();
  else
    FormClose();
}

Edit& TFoerder::RuleField(int index) {
  Edit* const fields[kSubsidyRuleCount] = {&Edit3, &Edit4, &Edit5,  &Edit11, &Edit6,
                                           &Edit7, &Edit8, &Edit10, &Edit9};
  return *fields[index];
}

Control& TFoerder::FieldControl(SubsidyField field) {
  return field == SubsidyField::Income ? Edit1 : RuleField(static_cast<int>(field));
}

SubsidyRuleTexts TFoerder::RuleTexts() {
  SubsidyRuleTexts texts;
  for (int i = 0; i < kSubsidyRuleCount; ++i) texts[i] = RuleField(i).Text();
  return texts;
}

// Each time the dialog becomes visible: the rule sets the settings file lacks are written with
// their defaults, the selected set and the case are shown, and one computation follows.
void TFoerder::FormShow() {
  IniFile ini(SettingsPath);
  if (ini.LoadResult().state != IniLoadState::kUnreadable && WriteMissingSubsidyRules(ini)) {
    const IniSaveResult saved = ini.UpdateFile();
    if (!saved.ok)
      ports_.prompts.ShowMessage("Die Fördervorgaben konnten nicht gespeichert werden: " +
                                 SettingsPath + " (" + saved.reason + ")");
  }
  {
    const Scope filling(filling_);
    (values_.HouseKind == 1 ? Altbau : Neubau).SetChecked(true);
    (values_.SubsidyRules == kOldSubsidyRules ? Alt : Neu).SetChecked(true);
    LoadRuleSet(values_.SubsidyRules);
    Kinder.SetValue(values_.ChildCount);
    Edit1.SetText(values_.IncomeText);
    Oeko.SetChecked(values_.EcoBonus1Chosen == 1);
    Oeko2.SetChecked(values_.EcoBonus2Chosen == 1);
    (values_.BorrowerSingle == 1 ? Ledig : Verheiratet).SetChecked(true);
  }
  ComputeSubsidy();
}

// The rule values go into the section of the selected set.
void TFoerder::FormClose() {
  if (!Alt.Checked() && !Neu.Checked()) return;
  const int rules = Alt.Checked() ? kOldSubsidyRules : kNewSubsidyRules;
  constexpr const char* kWhat = "Die Fördervorgaben konnten nicht gespeichert werden";
  IniFile ini(SettingsPath);
  if (ini.LoadResult().state == IniLoadState::kUnreadable) {
    // Writing would replace a file we could not read with what little we know.
    ports_.prompts.ShowMessage(std::string(kWhat) + ": " + SettingsPath + " (" +
                               ini.LoadResult().reason + ")");
    return;
  }
  WriteSubsidyRules(ini, rules, RuleTexts());
  const IniSaveResult saved = ini.UpdateFile();
  if (!saved.ok)
    ports_.prompts.ShowMessage(std::string(kWhat) + ": " + SettingsPath + " (" + saved.reason +
                               ")");
}

void TFoerder::LoadRuleSet(int rules) {
  const SubsidyRuleTexts texts = ReadSubsidyRules(IniFile(SettingsPath), rules);
  {
    const Scope filling(filling_);
    for (int i = 0; i < kSubsidyRuleCount; ++i) RuleField(i).SetText(texts[i]);
  }
  Label4.SetText("Gesamt- Förderbetrag in " + Edit10.Text() + " Jahren:");
  values_.SubsidyRules = rules;
}

// Selecting an option runs its click; an option already selected loads its set all the same.
void TFoerder::SelectRules(int rules) {
  RadioButton& option = rules == kOldSubsidyRules ? Alt : Neu;
  if (option.Checked())
    ChooseRuleSet(rules);
  else
    option.SetChecked(true);
}

void TFoerder::NeuClick() {
  ChooseRuleSet(kNewSubsidyRules);
}

void TFoerder::AltClick() {
  ChooseRuleSet(kOldSubsidyRules);
}

void TFoerder::ChooseRuleSet(int rules) {
  LoadRuleSet(rules);
  Recompute();
}

void TFoerder::Recompute() {
  if (filling_ == 0) ComputeSubsidy();
}

void TFoerder::ComputeSubsidy() {
  SubsidyCapped = false;
  if (Edit1.Text().empty()) {
    const Scope filling(filling_);
    Edit1.SetText("0");
  }
  SubsidyCase subsidyCase;
  subsidyCase.rules = RuleTexts();
  subsidyCase.ruleSet = values_.SubsidyRules;
  subsidyCase.incomeText = Edit1.Text();
  if (Neubau.Checked() || Altbau.Checked()) subsidyCase.houseKind = Altbau.Checked() ? 1 : 0;
  if (Verheiratet.Checked() || Ledig.Checked()) subsidyCase.single = Ledig.Checked();
  subsidyCase.eco1 = Oeko.Checked();
  subsidyCase.eco2 = Oeko2.Checked();
  subsidyCase.children = std::max(Kinder.Value(), 0);
  subsidyCase.loanAmount = values_.LoanAmount;
  subsidyCase.previousBuildingAllowance = BuildingAllowance;
  SubsidyResult result;
  try {
    result = qv::ComputeSubsidy(subsidyCase);
  } catch (const SubsidyInputError& error) {
    if (Quiet()) return;
    SetFocus(FieldControl(error.field));
    throw;
  } catch (const EMathError&) {
    if (Quiet()) return;
    throw;
  }
  BuildingAllowance = result.buildingAllowance;
  if (result.incomeTooHigh) {
    // Nothing is paid, so nothing enters the loan computation either.
    values_.SubsidyPerYear = 0;
    values_.SubsidyTotal = 0;
    Edit2.SetText("0,00");
    Edit12.SetText("0,00");
    if (Quiet()) return;
    ports_.prompts.ShowMessage("Einkommen zu hoch!");
    if (Host.switchOff) Host.switchOff();
    return;
  }
  SubsidyCapped = result.capped;
  values_.SubsidyPerYear = result.perYear;
  values_.SubsidyTotal = result.total;
  Edit2.SetText(FormatFixed(result.total, 6, 2));
  Edit12.SetText(FormatFixed(result.perYear, 6, 2));
}

void TFoerder::OKBtnClick() {
  ComputeSubsidy();
  if (Neubau.Checked() || Altbau.Checked()) {
    values_.HouseKind = Altbau.Checked() ? 1 : 0;
    // The 1 % allowance is told only of a subsidy that is handed over.
    if (values_.SubsidyTotal != 0 && OnePercentAllowance(values_.SubsidyRules, values_.LoanAmount))
      ports_.prompts.ShowMessage(OnePercentMessage(
          values_.HouseKind, values_.LoanAmount, BuildingAllowance, SubsidyCapped, Edit12.Text()));
  }
  values_.EcoBonus1Chosen = Oeko.Checked() ? 1 : 0;
  values_.EcoBonus2Chosen = Oeko2.Checked() ? 1 : 0;
  values_.BorrowerSingle = Ledig.Checked() ? 1 : 0;
  values_.ChildCount = Kinder.Value();
  values_.IncomeText = Edit1.Text();
  if (Host.handOver) Host.handOver(Edit2.Text());
  Hide();
}

void TFoerder::CancelBtnClick() {
  if (Host.switchOff) Host.switchOff();
  Hide();
}

void TFoerder::NeubauClick() {
  Oeko.SetEnabled(true);
  values_.HouseKind = 0;
  Recompute();
}

// An old building has no eco supplement 1.
void TFoerder::AltbauClick() {
  {
    const Scope filling(filling_);
    Oeko.SetChecked(false);
  }
  Oeko.SetEnabled(false);
  values_.HouseKind = 1;
  Recompute();
}

void TFoerder::OekoClick() {
  Recompute();
  values_.EcoBonus1Chosen = Oeko.Checked() ? 1 : 0;
}

void TFoerder::Oeko2Click() {
  Recompute();
  values_.EcoBonus2Chosen = Oeko2.Checked() ? 1 : 0;
}

void TFoerder::VerheiratetClick() {
  values_.BorrowerSingle = 0;
  Recompute();
}

void TFoerder::LedigClick() {
  values_.BorrowerSingle = 1;
  Recompute();
}

void TFoerder::KinderChange() {
  if (Kinder.Value() < 0)
    Kinder.SetValue(0);
  else
    Recompute();
}

// The arrow keys step the number as the spin arrows do; any other key hands the focus on.
void TFoerder::KinderKeyDown(Key key) {
  if (key == Key::Up || key == Key::Down) {
    const int value = Kinder.Value() + (key == Key::Up ? 1 : -1);
    if (value >= Kinder.MinValue() && value <= Kinder.MaxValue()) Kinder.SetValue(value);
    return;
  }
  SetFocus(OKBtn);
}

}  // namespace qv

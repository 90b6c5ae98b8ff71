// The stored cases of the finance window: saving, loading and deleting a case by its name, the
// new case, and the list of names kept in the settings file. Every action reads the settings
// file when it starts and writes it, if at all, once at its end, replacing it as a whole.
#include "finance/finance_grids.h"
#include "finance/finance_window.h"

namespace qv {

namespace {

// At most this many keys are named in the message about a damaged case.
constexpr size_t kNamedKeys = 10;

std::string MalformedMessage(const std::string& name, const std::vector<std::string>& keys) {
  std::string list;
  for (size_t i = 0; i < keys.size() && i < kNamedKeys; ++i) list += (i ? ", " : "") + keys[i];
  if (keys.size() > kNamedKeys)
    list += " und " + std::to_string(keys.size() - kNamedKeys) + " weitere";
  return "Einige Werte des Eintrags „" + name + "“ sind ungültig und wurden nicht geladen: " + list;
}

}  // namespace

std::optional<IniFile> TFinanzrechner::OpenSettings(const char* what) {
  IniFile ini(SettingsPath);
  // Writing would replace a file we could not read with what little we know.
  if (ini.LoadResult().state == IniLoadState::kUnreadable) {
    ports_.prompts.ShowMessage(std::string(what) + ": " + SettingsPath + " (" +
                               ini.LoadResult().reason + ")");
    return std::nullopt;
  }
  return ini;
}

bool TFinanzrechner::Update(const IniFile& ini, const char* what) {
  const IniSaveResult saved = ini.UpdateFile();
  if (!saved.ok)
    ports_.prompts.ShowMessage(std::string(what) + ": " + SettingsPath + " (" + saved.reason + ")");
  return saved.ok;
}

// The names list is written when the window closes, unless the file holds it already.
void TFinanzrechner::FormClose() {
  constexpr const char* kWhat =
      "Die Liste der gespeicherten Einträge konnte nicht gespeichert werden";
  std::optional<IniFile> ini = OpenSettings(kWhat);
  if (!ini || ReadRecordNames(*ini) == ComboBox1.Items()) return;
  WriteRecordNames(*ini, ComboBox1.Items());
  Update(*ini, kWhat);
}

LoanRecord TFinanzrechner::CurrentLoanRecord() const {
  LoanRecord record;
  record.loanText = Edit1.Text();
  record.interestText = Edit2.Text();
  record.startDate = Datum1.Date();
  record.yearsText = Edit13.Text();
  record.monthsText = Edit14.Text();
  record.variableInterest = vproz.Checked();
  record.interestChanges = StoredRows(Grid3);
  record.specialRepayments = StoredRows(Grid2);
  if (BauFi.Checked()) {
    StoredSubsidy subsidy;
    subsidy.totalText = Edit7.Text();
    subsidy.perYear = values_.SubsidyPerYear;
    subsidy.total = values_.SubsidyTotal;
    subsidy.incomeText = values_.IncomeText;
    subsidy.houseKind = values_.HouseKind;
    subsidy.borrowerSingle = values_.BorrowerSingle;
    subsidy.ecoBonus1Chosen = values_.EcoBonus1Chosen;
    subsidy.ecoBonus2Chosen = values_.EcoBonus2Chosen;
    subsidy.childCount = values_.ChildCount;
    subsidy.rules = values_.SubsidyRules;
    record.subsidy = subsidy;
  }
  return record;
}

SavingsRecord TFinanzrechner::CurrentSavingsRecord() const {
  SavingsRecord record;
  record.yearly = Zins2.Checked();
  record.capitalText = Edit16.Text();
  record.interestText = Edit17.Text();
  record.paymentText = Edit18.Text();
  record.startDate = Datum4.Date();
  record.yearsText = Edit19.Text();
  record.specialPayments = StoredRows(Grid1);
  record.variableInterest = vproz2.Checked();
  record.interestChanges = StoredRows(Grid4);
  return record;
}

// "Eintrag speichern". A name that cannot be a case of this page, or that the settings file
// holds for something else, is refused before anything changes, the names list included.
void TFinanzrechner::SpeedButton2Click() {
  if (!ValidateFinanceInput()) return;
  const std::string name = NameText();
  if (const auto refusal = RecordNameRefusal(name)) {
    ports_.prompts.ShowMessage(*refusal);
    SetFocus(ComboBox1);
    return;
  }
  constexpr const char* kWhat = "Der Eintrag konnte nicht gespeichert werden";
  std::optional<IniFile> ini = OpenSettings(kWhat);
  if (!ini) return;
  const int page = ActivePage();
  if (ini->SectionExists(name) && ini->ReadInteger(name, "findex", -1) != page) {
    ports_.prompts.ShowMessage(page == kSavingsPage ? "Name nur für Tilgung gültig!"
                                                    : "Name nur für Anlage gültig!");
    return;
  }
  std::vector<std::string> names = ComboBox1.Items();
  int position = FindRecordName(names, name);
  if (position < 0) {
    // A new name is computed first; an error raised there ends the save.
    OKBtnClick();
    position = static_cast<int>(names.size());
    names.push_back(name);
  }
  // No key of an earlier version survives.
  ini->EraseSection(name);
  if (page == kSavingsPage)
    WriteSavingsRecord(*ini, name, CurrentSavingsRecord());
  else
    WriteLoanRecord(*ini, name, CurrentLoanRecord());
  WriteRecordNames(*ini, names);
  if (!Update(*ini, kWhat)) return;
  // The box shows the list entry of the case just saved.
  ComboBox1.SetItems(std::move(names));
  ComboBox1.SetItemIndex(position);
  EntryIndex(page) = position;
}

// A name picked from the list.
void TFinanzrechner::ComboBox1Change() {
  if (ComboBox1.ItemIndex() >= 0) LoadSelectedRecord();
}

void TFinanzrechner::LoadSelectedRecord() {
  const std::string name = ComboBox1.Items()[ComboBox1.ItemIndex()];
  const std::optional<IniFile> ini = OpenSettings("Der Eintrag konnte nicht geladen werden");
  if (!ini) return;
  if (!ini->SectionExists(name)) {
    OKBtnClick();
    return;
  }
  LoadRecord(name, ReadFinanceRecord(*ini, name));
}

void TFinanzrechner::LoadRecord(const std::string& name, const FinanceRecord& record) {
  {
    const Scope loading(loading_);
    // A page chosen by program runs no page change.
    PageControl1.SetItemIndex(record.page);
    shownPage_ = record.page;
    PlanBtn.SetEnabled(plans_[record.page] != nullptr);
    if (record.page == kSavingsPage)
      ShowSavingsRecord(record.savings);
    else
      ShowLoanRecord(record.loan);
    EntryIndex(record.page) = ComboBox1.ItemIndex();
  }
  if (!record.malformedKeys.empty())
    ports_.prompts.ShowMessage(MalformedMessage(name, record.malformedKeys));
  OKBtnClick();
}

void TFinanzrechner::ShowLoanRecord(const LoanRecord& record) {
  Datum1.SetDate(record.startDate);
  Edit13.SetText(record.yearsText);
  Edit14.SetText(record.monthsText);
  Edit2.SetText(record.interestText);
  Edit1.SetText(record.loanText);
  EmptyDataCells(Grid2);
  EmptyDataCells(Grid3);
  if (record.subsidy) {
    ShowStoredSubsidy(*record.subsidy);
  } else {
    Edit7.SetText("");
    BauFi.SetChecked(false);
  }
  ShowStoredRows(Grid2, record.specialRepayments);
  ShowStoredRows(Grid3, record.interestChanges);
  vproz.SetChecked(record.variableInterest);
  // The rate is not stored: in mode "Rate" it is searched anew.
  Edit12.SetText("");
}

// The subsidy of a stored case, its total included, so that the case computes as it did.
void TFinanzrechner::ShowStoredSubsidy(const StoredSubsidy& subsidy) {
  values_.SubsidyRules = subsidy.rules;
  BauFi.SetChecked(true);
  if (SelectSubsidyRules) SelectSubsidyRules(subsidy.rules);
  values_.SubsidyPerYear = subsidy.perYear;
  values_.SubsidyTotal = subsidy.total;
  values_.IncomeText = subsidy.incomeText;
  values_.HouseKind = subsidy.houseKind;
  values_.BorrowerSingle = subsidy.borrowerSingle;
  values_.EcoBonus1Chosen = subsidy.ecoBonus1Chosen;
  values_.EcoBonus2Chosen = subsidy.ecoBonus2Chosen;
  values_.ChildCount = subsidy.childCount;
  if (CloseSubsidyDialog) CloseSubsidyDialog();
  // The dialog computes its own figures while it is shown and chosen; the case keeps the
  // stored ones, so that it computes the loan it computed when it was saved.
  values_.SubsidyPerYear = subsidy.perYear;
  values_.SubsidyTotal = subsidy.total;
  Edit7.SetEnabled(true);
  Edit7.SetColor(kWindowColor);
  Edit7.SetText(subsidy.totalText);
}

void TFinanzrechner::ShowSavingsRecord(const SavingsRecord& record) {
  Edit16.SetText(record.capitalText);
  Edit17.SetText(record.interestText);
  Edit18.SetText(record.paymentText);
  Datum4.SetDate(record.startDate);
  Edit19.SetText(record.yearsText);
  (record.yearly ? Zins2 : Zins1).SetChecked(true);
  ShowStoredRows(Grid1, record.specialPayments);
  vproz2.SetChecked(record.variableInterest);
  ShowStoredRows(Grid4, record.interestChanges);
}

// "Eintrag löschen". Only a stored case is erased, never another section of the settings file.
// The positions each page remembers keep pointing at their cases.
void TFinanzrechner::SpeedButton3Click() {
  const std::string name = NameText();
  const int position = ComboBox1.ItemIndex();
  if (!ports_.prompts.AskYesNo("Eintrag löschen?")) return;
  constexpr const char* kWhat = "Der Eintrag konnte nicht gelöscht werden";
  std::optional<IniFile> ini = OpenSettings(kWhat);
  if (!ini) return;
  std::vector<std::string> names = ComboBox1.Items();
  if (position >= 0) names.erase(names.begin() + position);
  if (!RecordNameRefusal(name) && IsFinanceRecord(*ini, name)) ini->EraseSection(name);
  WriteRecordNames(*ini, names);
  if (!Update(*ini, kWhat)) return;
  ComboBox1.SetItems(std::move(names));
  if (position >= 0) {
    for (int* remembered : {&LoanEntryIndex, &SavingsEntryIndex}) {
      if (*remembered == position)
        *remembered = -1;
      else if (*remembered > position)
        --*remembered;
    }
  }
  if (position > 1) {
    ComboBox1.SetItemIndex(position - 1);
    LoadSelectedRecord();
  } else {
    SpeedButton5Click();
  }
}

// "Neue Berechnung" for the active page.
void TFinanzrechner::SpeedButton5Click() {
  if (ActivePage() == kSavingsPage)
    NewSavingsCase();
  else
    NewLoanCase();
}

void TFinanzrechner::NewLoanCase() {
  EmptyDataCells(Grid2);
  EmptyDataCells(Grid3);
  values_.HouseKind = 0;
  values_.BorrowerSingle = 0;
  values_.EcoBonus1Chosen = 0;
  values_.EcoBonus2Chosen = 0;
  values_.ChildCount = 0;
  values_.IncomeText.clear();
  ComboBox1.SetItemIndex(-1);
  Edit1.SetText("0");
  Edit2.SetText("0");
  Edit12.SetText("0");
  Edit13.SetText("30");
  Edit14.SetText("0");
  Edit7.SetText("");
  BauFi.SetChecked(false);
  vproz.SetChecked(false);
  const int today = ports_.clock.Today();
  for (DatePicker* picker : {&Datum1, &Datum2, &Datum3}) picker->SetDate(today);
  OKBtnClick();
  Edit1.SetText("");
  SetFocus(Edit1);
}

void TFinanzrechner::NewSavingsCase() {
  EmptyDataCells(Grid1);
  EmptyDataCells(Grid4);
  ComboBox1.SetItemIndex(-1);
  Edit16.SetText("0");
  Edit17.SetText("0");
  Edit18.SetText("0");
  Edit19.SetText("10");
  const int today = ports_.clock.Today();
  for (DatePicker* picker : {&Datum4, &Datum5}) picker->SetDate(today);
  vproz2.SetChecked(false);
  OKBtnClick();
  Edit16.SetText("");
  SetFocus(Edit16);
}

}  // namespace qv

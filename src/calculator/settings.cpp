// The settings file "Quorvel.ini": read once while the main window is created, written once
// when it closes.
#include <cerrno>
#include <string>
#include <vector>

#include "calculator/main_window.h"
#include "platform/commatext.h"
#include "platform/ini_io.h"
#include "platform/inifile.h"
#include "platform/settings_place.h"

namespace qv {

namespace {

constexpr const char* kConfig = "Config";

// Reads "0", "1", ... of a section while the key exists: the first gap ends the list.
std::vector<std::string> ReadNumberedList(const IniFile& ini, const char* section) {
  std::vector<std::string> list;
  for (int i = 0; ini.ValueExists(section, std::to_string(i)); ++i)
    list.push_back(ini.ReadString(section, std::to_string(i), ""));
  return list;
}

std::vector<std::string> ReadPairedList(const IniFile& ini, const char* section, size_t count,
                                        const char* fallback) {
  std::vector<std::string> list;
  for (size_t i = 0; i < count; ++i)
    list.push_back(ini.ReadString(section, std::to_string(i), fallback));
  return list;
}

// Cuts the list from its end, or pads it, to the given length.
std::vector<std::string> Fitted(std::vector<std::string> list, size_t length, const char* pad) {
  list.resize(length, pad);
  return list;
}

void WritePairedLists(IniFile& ini, const char* section1, const std::vector<std::string>& list1,
                      const char* section2, const std::vector<std::string>& list2) {
  for (size_t i = 0; i < list1.size(); ++i) {
    ini.WriteString(section1, std::to_string(i), list1[i]);
    ini.WriteString(section2, std::to_string(i), list2[i]);
  }
}

}  // namespace

void TForm1::LoadSettings() {
  std::string carriedOver;
  settingsPath_ = PrepareSettingsFile(ports.folders, carriedOver).path;
  if (!carriedOver.empty()) ports.prompts.ShowMessage(carriedOver);

  IniFile ini(settingsPath_);
  const IniLoadResult& loaded = ini.LoadResult();
  const bool exists =
      loaded.state == IniLoadState::kRead || loaded.state == IniLoadState::kPartlyRead;
  if (loaded.state == IniLoadState::kUnreadable || loaded.state == IniLoadState::kPartlyRead) {
    std::string message = "Die Einstellungsdatei " + settingsPath_ +
                          " konnte nicht vollständig gelesen werden: " + loaded.reason;
    if (loaded.state == IniLoadState::kPartlyRead) message += "\r" + KeepSettingsBackup();
    ports.prompts.ShowMessage(message);
  }

  if (exists) {
    Shell.Farbe1 = ini.ReadInteger(kConfig, "Farbe1", 9667432);
    Shell.FFarben = ini.ReadInteger(kConfig, "FFarben", 15135474);
    S.FormatMode = ini.ReadInteger(kConfig, "Dezimals", 3);
    Shell.Background = ini.ReadInteger(kConfig, "Background", 2);
    Shell.Felder = ini.ReadInteger(kConfig, "Felder", 2);
    S.Decimals = ini.ReadInteger(kConfig, "nk", 0);
    Shell.PosTop = ini.ReadInteger(kConfig, "posTop", 0);
    Shell.PosLeft = ini.ReadInteger(kConfig, "posLeft", 0);
    Shell.ExtPanel = ini.ReadInteger(kConfig, "erw", 0);
    Shell.Scaling = KnownScaling(ini.ReadInteger(kConfig, "Skalierung", 100));
    Shell.ExtOpen = ini.ReadBool(kConfig, "Erweitern", false);
    Textbox1.SetChecked(ini.ReadBool(kConfig, "TextBox", false));
    Umrandung.SetEnabled(Textbox1.Checked());
    Umrandung.SetChecked(ini.ReadBool(kConfig, "Umrandung", false));
    Shell.UnitTab = ini.ReadInteger(kConfig, "tab", 0);
    Shell.UnitIndex1 = ini.ReadInteger(kConfig, "cIndex1", 0);
    Shell.UnitIndex2 = ini.ReadInteger(kConfig, "cIndex2", 0);
    Shell.TapeShown = ini.ReadInteger(kConfig, "Tape", 0) == 1;
    const int currencyIndex = ini.ReadInteger(kConfig, "KursIndex", 0);
    S.CurrencySymbol = ini.ReadString(kConfig, "waehr", "DM");
    Frame31.SecondCurrency = ini.ReadString(kConfig, "waehr1", "€");
    Frame31.EcbAddress = ini.ReadString(kConfig, "EZB", TFrame3::kEcbDailyAddress);
    Frame31.ShowEcbDate(ini.ReadString(kConfig, "EZBDatum", ""));
    S.FormatWhileTyping = ini.ReadInteger(kConfig, "d_form", 2);
    Frame31.CurrencyDirection = ini.ReadInteger(kConfig, "aktiv", 2);
    S.SyntaxMode = ini.ReadInteger(kConfig, "Syntax", 0);
    Shell.SecondCurrencyLine = ini.ReadInteger(kConfig, "w_einf", 0);
    Frame61.Percentages = SplitCommaText(ini.ReadString(kConfig, "Steuern", "19,19"));
    Frame61.VST.SetChecked(ini.ReadBool(kConfig, "VST", false));
    if (!Frame61.VST.Checked()) Frame61.NST.SetChecked(true);
    std::vector<std::string> kinds =
        SplitCommaText(ini.ReadString(kConfig, "SteuerListe", "MwSt,USt"));
    const size_t taxCount = std::min(kinds.size(), Frame61.Percentages.size());
    kinds.resize(taxCount);
    Frame61.Percentages.resize(taxCount);
    Frame61.ComboBox1.SetItems(kinds);
    const int taxIndex = ini.ReadInteger(kConfig, "SteuerIndex", 0);
    if (taxIndex >= 0 && taxIndex < static_cast<int>(taxCount)) Frame61.ChooseKind(taxIndex);

    if (ini.SectionExists("Waehrung")) {
      const std::vector<std::string> names = ReadNumberedList(ini, "Waehrung");
      Frame31.SetList(names, ReadPairedList(ini, "Kurse", names.size(), "1"));
    }
    if (ini.SectionExists("Terms")) {
      const std::vector<std::string> terms = ReadNumberedList(ini, "Terms");
      Frame71.ComboBox1.SetItems(terms);
      Frame71.ListBox1.SetItems(ReadPairedList(ini, "Konstant", terms.size(), ";;"));
    }
    if (!Frame71.ComboBox1.Items().empty()) {
      Frame71.ComboBox1.SetItemIndex(ini.ReadInteger(kConfig, "FunktionsIndex", 0));
      Frame71.TermPicked(false);
    }

    const int listSize = static_cast<int>(Frame31.ComboBox1.Items().size());
    const int chosen = currencyIndex >= listSize ? 0 : currencyIndex;
    Frame31.ComboBox1.SetItemIndex(chosen);
    Frame31.ComboBox2.SetItemIndex(chosen);
    if (Frame31.SecondCurrency.empty() && listSize > 0)
      Frame31.SecondCurrency = TFrame3::CodeOf(Frame31.ComboBox1.Items().front());
  } else {
    Shell = ShellState{};
    S.FormatMode = 2;
    S.Decimals = 2;
    S.FormatWhileTyping = 1;
    S.CurrencySymbol = "€";
    S.SyntaxMode = 0;
    Frame31.SecondCurrency = "€";
    Frame31.CurrencyDirection = 1;
    Frame31.ComboBox1.SetItemIndex(1);
    Frame31.ComboBox2.SetItemIndex(1);
    Frame61.ChooseKind(0);
  }

  dataFolder_ = DataFolderOf(ports.folders);
  ports.folders.CreateDir(dataFolder_);
  ApplyStartValues();
}

void TForm1::ApplyStartValues() {
  CurrencyStart();
  if (Frame61.ComboBox1.ItemIndex() < 0) Frame61.ChooseKind(0);
  TaxRecompute();
  ShowPanelLetter();
  Waehr2.SetChecked(Shell.SecondCurrencyLine == 1);
  Umrandung.SetEnabled(Textbox1.Checked());
  SetPosition(Shell.PosLeft, Shell.PosTop);
  if (S.SyntaxMode == 0) Syntax_1.SetChecked(true);
  if (S.SyntaxMode == 1) Syntax_2.SetChecked(true);
  SpinEdit1.SetValue(S.Decimals);
  if (S.FormatWhileTyping == 1) DForm1Click();
  if (S.FormatWhileTyping == 2) DForm2Click();
  if (S.FormatMode == 1) Formatierung1Click();
  if (S.FormatMode == 2) Formatierung2Click();
  if (S.FormatMode == 3) Formatierung3Click();
}

// A file read only in part would lose the skipped lines at the next rewrite, and with a
// numbered list every entry behind them: the file as it is goes beside it first, replacing an
// older backup. When that fails, the settings of this run are not saved. Gives the sentence
// for the start message.
std::string TForm1::KeepSettingsBackup() {
  const std::string backup = settingsPath_ + ".bak";
  const FileReadResult original = ReadFileLimited(settingsPath_, IniFile::kMaxFileBytes);
  std::string failure = original.reason;
  if (original.outcome == FileReadResult::kMissing) failure = SystemErrorText(ENOENT);
  if (original.outcome == FileReadResult::kRead)
    failure = ReplaceFileAtomically(backup, original.bytes, nullptr);
  if (failure.empty()) return "Die Datei ist unverändert als " + backup + " gesichert.";
  settingsLocked_ = true;
  return "Sie ließ sich nicht als " + backup + " sichern (" + failure +
         "); die Einstellungen werden beim Beenden nicht gespeichert.";
}

void TForm1::SaveSettings() {
  // The converter's direction is kept as 1: the foreign field is the input at the next start.
  if (Frame31.CurrencyDirection == 2) CurrencyReverse();
  if (Shell.Scaling != 100) {
    Shell.ExtOpen = false;
    Shell.TapeShown = false;
  }
  WriteSettingsFile();
  ports.folders.DeleteFile(dataFolder_ + "/~temp.rtf");
}

void TForm1::WriteSettingsFile() {
  if (settingsLocked_) return;
  IniFile ini(settingsPath_);
  if (ini.LoadResult().state == IniLoadState::kUnreadable) {
    // Writing would replace a file we could not read with what little we know.
    ports.prompts.ShowMessage("Die Einstellungen konnten nicht gespeichert werden: " +
                              settingsPath_ + " (" + ini.LoadResult().reason + ")");
    return;
  }
  ini.WriteInteger(kConfig, "Farbe1", Shell.Farbe1);
  ini.WriteInteger(kConfig, "FFarben", Shell.FFarben);
  ini.WriteInteger(kConfig, "Dezimals", S.FormatMode);
  ini.WriteInteger(kConfig, "Background", Shell.Background);
  ini.WriteInteger(kConfig, "Felder", Shell.Felder);
  ini.WriteInteger(kConfig, "nk", S.Decimals);
  ini.WriteInteger(kConfig, "PosTop", Top());
  ini.WriteInteger(kConfig, "PosLeft", Left());
  ini.WriteInteger(kConfig, "erw", Shell.ExtPanel);
  ini.WriteInteger(kConfig, "tab", Shell.UnitTab);
  ini.WriteInteger(kConfig, "cIndex1", Shell.UnitIndex1);
  ini.WriteInteger(kConfig, "cIndex2", Shell.UnitIndex2);
  ini.WriteInteger(kConfig, "Skalierung", Shell.Scaling);
  ini.WriteBool(kConfig, "Erweitern", Shell.ExtOpen);
  ini.WriteBool(kConfig, "TextBox", Textbox1.Checked());
  ini.WriteBool(kConfig, "Umrandung", Umrandung.Checked());
  ini.WriteInteger(kConfig, "Tape", Shell.TapeShown ? 1 : 0);
  ini.WriteInteger(kConfig, "KursIndex", Frame31.ComboBox1.ItemIndex());
  ini.WriteBool(kConfig, "VST", Frame61.VST.Checked());
  ini.WriteString(kConfig, "SteuerListe", JoinCommaText(Frame61.ComboBox1.Items()));
  ini.WriteInteger(kConfig, "SteuerIndex", Frame61.ComboBox1.ItemIndex());
  ini.WriteInteger(kConfig, "FunktionsIndex", Frame71.ComboBox1.ItemIndex());
  ini.WriteString(kConfig, "Steuern", JoinCommaText(Frame61.Percentages));
  ini.WriteInteger(kConfig, "d_form", S.FormatWhileTyping);
  ini.WriteInteger(kConfig, "aktiv", Frame31.CurrencyDirection);
  ini.WriteInteger(kConfig, "Syntax", S.SyntaxMode);
  ini.WriteInteger(kConfig, "w_einf", Shell.SecondCurrencyLine);
  ini.WriteString(kConfig, "waehr", S.CurrencySymbol);
  ini.WriteString(kConfig, "waehr1", Frame31.SecondCurrency);
  ini.WriteString(kConfig, "EZB", Frame31.EcbAddress);
  ini.WriteString(kConfig, "EZBDatum", Frame31.EcbDate);

  for (const char* section : {"Waehrung", "Kurse", "Terms", "Konstant"}) ini.EraseSection(section);
  const auto& names = Frame31.ComboBox1.Items();
  WritePairedLists(ini, "Waehrung", names, "Kurse",
                   Fitted(Frame31.ComboBox2.Items(), names.size(), "0"));
  const auto& terms = Frame71.ComboBox1.Items();
  WritePairedLists(ini, "Terms", terms, "Konstant",
                   Fitted(Frame71.ListBox1.Items(), terms.size(), ";;"));

  const IniSaveResult saved = ini.UpdateFile();
  if (!saved.ok)
    ports.prompts.ShowMessage("Die Einstellungen konnten nicht gespeichert werden: " +
                              settingsPath_ + " (" + saved.reason + ")");
}

}  // namespace qv

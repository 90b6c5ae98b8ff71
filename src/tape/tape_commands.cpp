// The tape panel's file commands: clearing with backup, restoring, opening, saving, printing
// and copying the whole tape.
#include <algorithm>

#include "platform/text.h"
#include "tape/tape_file.h"
#include "tape/tape_panel.h"

namespace qv {

namespace {

constexpr const char* kOpenFilter =
    "RTF-Datei (*.rtf)|*.rtf|Text-Datei (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
constexpr const char* kSaveFilter =
    "RTF-Dateien (*.rtf)|*.rtf|TEXT-Datei (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The extension of the chosen file type, added when the user typed none.
std::string WithExtension(const std::string& path, int filterIndex) {
  if (FileName(path).find('.') != std::string::npos || filterIndex > 2) return path;
  return path + (filterIndex == 1 ? ".rtf" : ".txt");
}

size_t LongestLine(const TapeDocument& document) {
  size_t longest = 0;
  for (const TapeParagraph& line : document) longest = std::max(longest, CharLength(line.Text()));
  return longest;
}

}  // namespace

std::string TFrame4::BackupPath() const {
  return (Host.dataFolder ? Host.dataFolder() : std::string(".")) + "/~temp.rtf";
}

// The backup is complete on disk before the tape is cleared; when it cannot be written the
// user decides whether the tape goes anyway.
bool TFrame4::WriteBackup() {
  const std::optional<std::string> failure =
      SaveTapeFile(BackupPath(), Tape.Document(), TapeFileFormat::Rtf);
  if (!failure) {
    restoreEnabled_ = true;
    if (OnRestoreEnabled) OnRestoreEnabled();
    return true;
  }
  return ports_.prompts.AskYesNo("Die Sicherung des Tapes konnte nicht geschrieben werden: " +
                                 *failure + "\rTape trotzdem löschen?");
}

void TFrame4::Button1Click() {
  SyncEdits();
  if (Tape.TapeHasContent() && !WriteBackup()) return;
  Tape.TapeClear();
  openName_ = "Tape";
  SpeedButton2.Click();
  if (Host.afterClear) Host.afterClear();
}

// The tape goes to the word processor through the transfer file "Temp.rtf" of the data folder.
void TFrame4::SpeedButton4Click() {
  SyncEdits();
  const WordExportOptions options = Host.wordOptions ? Host.wordOptions() : WordExportOptions{};
  ExportToWord(Tape.Document(), options, Host.dataFolder() + "/Temp.rtf", ports_.word,
               ports_.prompts);
}

void TFrame4::RestoreTape() {
  if (!ports_.prompts.AskYesNo("Tape wiederherstellen?")) return;
  LoadInto(BackupPath(), false);
}

// A file that cannot be read leaves the tape as it was, for a replacement and an append alike.
void TFrame4::LoadInto(const std::string& path, bool append) {
  SyncEdits();
  const std::string error = ReadIntoTape(path, append);
  if (!error.empty())
    ports_.prompts.ShowError("Die Datei " + FileName(path) +
                             " konnte nicht gelesen werden: " + error);
}

// A long tape takes seconds to read and to show: the busy cursor stays until it is shown.
std::string TFrame4::ReadIntoTape(const std::string& path, bool append) {
  const BusyCursor busy(*this);
  TapeReadResult read = LoadTapeFile(path, Tape.Style());
  if (!read.ok()) return read.error;
  if (append) {
    TapeDocument joined = Tape.Document();
    joined.insert(joined.end(), std::make_move_iterator(read.document.begin()),
                  std::make_move_iterator(read.document.end()));
    read.document = std::move(joined);
  }
  Tape.ReplaceDocument(std::move(read.document));
  return {};
}

void TFrame4::FileOpenDialog1Click() {
  SyncEdits();
  bool append = false;
  if (Tape.TapeLineCount() >= 2) {
    const Answer answer =
        ports_.prompts.AskYesNoCancel("Tape überschreiben?\rBei Nein wird die Datei anghängt");
    if (answer == Answer::Cancel) return;
    append = answer == Answer::No;
  }
  FileDialog dialog;
  dialog.filter = kOpenFilter;
  dialog.fileName = openName_;
  if (Host.dataFolder) dialog.initialDir = Host.dataFolder();
  const std::optional<FileChoice> choice = ports_.prompts.OpenFile(dialog);
  if (!choice) return;
  openName_ = choice->path;
  LoadInto(choice->path, append);
}

void TFrame4::SpeedButton5Click() {
  SyncEdits();
  if (Tape.TapeTextLength() <= 2) {
    ports_.prompts.ShowMessage("Tape ist leer!");
    return;
  }
  const std::string folder = Host.dataFolder ? Host.dataFolder() : std::string(".");
  int n = 1;
  while (ports_.folders.FileExists(folder + "/Tape" + std::to_string(n) + ".rtf")) ++n;
  const FileDialog dialog{.title = "Tape speichern",
                          .filter = kSaveFilter,
                          .filterIndex = 1,
                          .defaultExt = "rtf",
                          .fileName = folder + "/Tape" + std::to_string(n),
                          .initialDir = folder};
  const std::optional<FileChoice> choice = ports_.prompts.SaveFile(dialog);
  if (!choice) return;
  const TapeFileFormat format =
      choice->filterIndex == 1 ? TapeFileFormat::Rtf : TapeFileFormat::PlainText;
  const std::string path = WithExtension(choice->path, choice->filterIndex);
  if (const std::optional<std::string> failure = SaveTapeFile(path, Tape.Document(), format))
    ports_.prompts.ShowError("Die Datei " + FileName(path) +
                             " konnte nicht gespeichert werden: " + *failure);
}

PrintRect TFrame4::StripRect(const PrinterPage& page, size_t longestLine) {
  const int right = longestLine <= 20 ? page.width / 3 : page.width * 2 / 5;
  return {page.dpiX, page.dpiY, right, page.height - page.dpiY};
}

void TFrame4::BitBtn2Click() {
  SyncEdits();
  if (!ports_.prompts.PrinterSetup()) return;
  if (Tape.TapeTextLength() <= 3) {
    ports_.prompts.ShowMessage("Tape ist leer, Ausdruck abgebrochen!");
    return;
  }
  const PrintRect rect = StripRect(ports_.printer.Page(), LongestLine(Tape.Document()));
  if (const std::optional<std::string> failure = ports_.printer.PrintRichText(
          WriteTape(Tape.Document(), TapeFileFormat::Rtf), rect, "Quorvel Tape"))
    ports_.prompts.ShowError("Das Tape konnte nicht gedruckt werden: " + *failure);
}

void TFrame4::SpeedButton3Click() {
  SyncEdits();
  ports_.clipboard.SetText(Tape.TapeText());
  if (Host.focusCalculator) Host.focusCalculator();
}

}  // namespace qv

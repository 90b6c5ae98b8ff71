#pragma once
// The tape panel beside the calculator: it owns the tape the calculator and the panels write
// to, switches between recording and editing, and clears, restores, opens, saves, prints and
// copies the tape.
#include <functional>
#include <string>

#include "platform/form.h"
#include "platform/ports.h"
#include "tape/tape_editor.h"
#include "tape/tape_model.h"
#include "tape/word_export.h"

namespace qv {

// What the panel needs of the window it is embedded in.
struct TapeHost {
  // Edit mode: the keyboard goes to the tape view (InputState 4).
  std::function<void()> keyboardToTape;
  // Record mode: the calculator gets the keyboard back and the focus goes to "=".
  std::function<void()> keyboardToCalculator;
  std::function<void()> focusCalculator;
  std::function<std::string()> dataFolder;
  // After a clearing: the currency converter turns back to its input side.
  std::function<void()> afterClear;
  // The word export's options of the window's menu.
  std::function<WordExportOptions()> wordOptions;
};

class TFrame4 : public Form {
 public:
  explicit TFrame4(Ports ports);

  TapeModel Tape;
  TapeHost Host;

  RichEdit RichEdit1{*this, "RichEdit1"};
  Button Button1{*this, "Button1", "Löschen"};
  Button FileOpenDialog1{*this, "FileOpenDialog1"};
  Button SpeedButton5{*this, "SpeedButton5"};
  Button SpeedButton3{*this, "SpeedButton3"};
  Button BitBtn2{*this, "BitBtn2"};
  Button SpeedButton4{*this, "SpeedButton4", "MS Word"};
  Button SpeedButton1{*this, "SpeedButton1"};
  Button SpeedButton2{*this, "SpeedButton2"};

  PopupMenu PopupMenu1{*this, "PopupMenu1"};
  MenuItem Kopieren1{*this, "Kopieren1", "Kopieren", &PopupMenu1};
  MenuItem Einfgen1{*this, "Einfgen1", "Einfügen", &PopupMenu1};
  MenuItem Lschen1{*this, "Lschen1", "Löschen", &PopupMenu1};
  MenuItem Ausschneiden1{*this, "Ausschneiden1", "Ausschneiden", &PopupMenu1};
  MenuItem N1{*this, "N1", "-", &PopupMenu1};
  MenuItem Markieren{*this, "Markieren", "Alles markieren", &PopupMenu1};
  MenuItem Undo1{*this, "Undo1", "Rückgängig", &PopupMenu1};
  MenuItem N2{*this, "N2", "-", &PopupMenu1};
  MenuItem Schrift1{*this, "Schrift1", "Schrift...", &PopupMenu1};
  MenuItem Gre1{*this, "Gre1", "Größe", &PopupMenu1};
  MenuItem N81{*this, "N81", "8", &Gre1};
  MenuItem N91{*this, "N91", "9", &Gre1};
  MenuItem N101{*this, "N101", "10", &Gre1};
  MenuItem N111{*this, "N111", "11", &Gre1};
  MenuItem N121{*this, "N121", "12", &Gre1};
  MenuItem Ausrichtung1{*this, "Ausrichtung1", "Ausrichtung", &PopupMenu1};
  MenuItem Rechts1{*this, "Rechts1", "Rechts", &Ausrichtung1};
  MenuItem Zentriert1{*this, "Zentriert1", "Zentriert", &Ausrichtung1};
  MenuItem Links1{*this, "Links1", "Links", &Ausrichtung1};
  MenuItem N3{*this, "N3", "-", &PopupMenu1};
  MenuItem Kommentar1{*this, "Kommentar1", "Kommentar", &PopupMenu1};
  MenuItem Tape1{*this, "Tape1", "Tape", &PopupMenu1};
  // The buttons for opening, saving and printing, with their keys.
  MenuItem N4{*this, "N4", "-", &PopupMenu1};
  MenuItem Oeffnen1{*this, "Oeffnen1", "Öffnen...", &PopupMenu1, "Ctrl+O"};
  MenuItem Speichern1{*this, "Speichern1", "Speichern...", &PopupMenu1, "Ctrl+S"};
  MenuItem Drucken1{*this, "Drucken1", "Drucken...", &PopupMenu1, "Ctrl+P"};

  // The view that shows the tape, when there is one; it is not owned.
  void SetEditor(TapeEditor* editor) { editor_ = editor; }
  // Hands the user's edits in the view back to the model; every command starts with it.
  void SyncEdits();
  bool EditMode() const { return SpeedButton1.Down(); }

  // Commands of the panel.
  void SpeedButton2Click();  // record mode
  void SpeedButton1Click();  // edit mode
  void Button1Click();       // clear, with backup
  void SpeedButton4Click();  // hand the tape to the word processor
  void RestoreTape();        // "Tape wiederherstellen?"
  bool RestoreEnabled() const { return restoreEnabled_; }
  void FileOpenDialog1Click();
  void SpeedButton5Click();  // save
  void BitBtn2Click();       // print
  void SpeedButton3Click();  // copy the whole tape
  void Kommentar1Click();
  void Schrift1Click();
  // A field display's value dropped onto the tape: a start value of a new block.
  void DropValue(const std::string& text);

  // The rectangle the tape is printed into: a strip at the left of the page.
  static PrintRect StripRect(const PrinterPage& page, size_t longestLine);
  std::string BackupPath() const;

  // Runs when the restore command becomes available (the window enables its menu item).
  Handler OnRestoreEnabled;

 private:
  void WireEvents();
  void FormatOrStyle(const StyleChange& change);
  void LoadInto(const std::string& path, bool append);
  // The German reason when the file could not be read; empty when the tape holds it now.
  std::string ReadIntoTape(const std::string& path, bool append);
  bool WriteBackup();

  Ports ports_;
  TapeEditor* editor_ = nullptr;
  bool restoreEnabled_ = false;
  std::string openName_ = "Tape";
};

}  // namespace qv

// The tape panel's modes, its popup menu, comments and drops.
#include "tape/tape_panel.h"

namespace qv {

namespace {

FontSpec FontOf(const CharFormat& format) {
  return {format.font,      static_cast<int>(format.size + 0.5),
          format.bold,      format.italic,
          format.underline, format.color};
}

}  // namespace

TFrame4::TFrame4(Ports ports) : Form("TFrame4", "Frame41"), ports_(ports) {
  Button1.SetHint("Tape löschen");
  FileOpenDialog1.SetHint("Tape öffnen");
  SpeedButton3.SetHint("Tape in die Zwischenablage kopieren");
  BitBtn2.SetHint("Tape drucken");
  SpeedButton4.SetHint("Tape in Word einfügen");
  SpeedButton1.SetHint("Tape bearbeiten ");
  SpeedButton2.SetHint("Tape aufzeichnen");
  SpeedButton1.GroupIndex = SpeedButton2.GroupIndex = 1;
  SpeedButton2.SetDown(true);
  RichEdit1.ContextMenu = &PopupMenu1;
  // In record mode every key belongs to the calculator; "Tape bearbeiten" hands the keyboard
  // to the tape.
  RichEdit1.TabStop = false;
  WireEvents();
}

void TFrame4::WireEvents() {
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  FileOpenDialog1.OnClick = [this] { FileOpenDialog1Click(); };
  SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
  SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
  Oeffnen1.OnClick = [this] { FileOpenDialog1Click(); };
  Speichern1.OnClick = [this] { SpeedButton5Click(); };
  Drucken1.OnClick = [this] { BitBtn2Click(); };
  Kommentar1.OnClick = [this] { Kommentar1Click(); };
  Schrift1.OnClick = [this] { Schrift1Click(); };
  Tape1.OnClick = [this] { Tape.TapeSetStyle(TapeCommandStyle()); };
  const std::pair<MenuItem*, double> sizes[] = {
      {&N81, 8}, {&N91, 9}, {&N101, 10}, {&N111, 11}, {&N121, 12}};
  for (const auto& entry : sizes)
    entry.first->OnClick = [this, size = entry.second] { FormatOrStyle({.size = size}); };
  const std::pair<MenuItem*, Alignment> alignments[] = {
      {&Rechts1, Alignment::Right}, {&Zentriert1, Alignment::Center}, {&Links1, Alignment::Left}};
  for (const auto& entry : alignments)
    entry.first->OnClick = [this, alignment = entry.second] {
      FormatOrStyle({.alignment = alignment});
    };
  Kopieren1.OnClick = [this] {
    if (editor_) ports_.clipboard.SetText(editor_->SelectedText());
  };
  Einfgen1.OnClick = [this] {
    if (editor_) editor_->ReplaceSelection(ports_.clipboard.GetText());
  };
  Lschen1.OnClick = [this] {
    if (editor_) editor_->ReplaceSelection("");
  };
  Ausschneiden1.OnClick = [this] {
    Kopieren1.Click();
    Lschen1.Click();
  };
  Markieren.OnClick = [this] {
    if (editor_) editor_->SelectAll();
  };
  Undo1.OnClick = [this] {
    if (editor_) editor_->UndoOnce();
  };
  // A click into the tape while the calculator has the keyboard gives it back to "=".
  RichEdit1.OnMouseDown = [this] {
    if (!EditMode() && Host.focusCalculator) Host.focusCalculator();
  };
}

void TFrame4::SyncEdits() {
  if (editor_) editor_->SyncToModel();
}

void TFrame4::SpeedButton2Click() {
  SyncEdits();
  if (editor_) editor_->MoveCaretToEnd();
  if (Tape.TapeLineCount() > 2) Tape.TapeAppendLine("");
  Tape.TapeSetStyle(EntryStyle());
  if (Host.keyboardToCalculator) Host.keyboardToCalculator();
}

void TFrame4::SpeedButton1Click() {
  if (Host.keyboardToTape) Host.keyboardToTape();
}

// With a selection the attributes go onto the selected text; without one they become the
// current style, which the next lines take.
void TFrame4::FormatOrStyle(const StyleChange& change) {
  if (editor_ && editor_->FormatSelection(change)) return;
  Tape.TapeSetStyle(change);
}

void TFrame4::Schrift1Click() {
  const CharFormat current = editor_ ? editor_->SelectionFormat() : Tape.Style().format;
  const std::optional<FontSpec> font = ports_.prompts.ChooseFont(FontOf(current));
  if (!font) return;
  FormatOrStyle({.font = font->name,
                 .size = font->size,
                 .bold = font->bold,
                 .italic = font->italic,
                 .underline = font->underline,
                 .color = font->color});
}

void TFrame4::Kommentar1Click() {
  Tape.TapeSetStyle(CommentStyle());
  // A cancelled box answers its empty default: the comment becomes a blank line.
  Tape.TapeAppendLine(ports_.prompts.InputBox("Kommentar", "Kommentar eingeben ...", ""));
  Tape.TapeSetStyle(TapeCommandStyle());
}

void TFrame4::DropValue(const std::string& text) {
  Tape.TapeClearUndo();
  Tape.TapeSetStyle({.bold = true});
  Tape.TapeStartEntry();
  Tape.TapeAppendLine(text + " ^");
}

}  // namespace qv

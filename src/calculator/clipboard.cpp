// Copying to and pasting from the system clipboard, the context menu of the two field
// displays, and the take-over of field 1 from the other calculator.
#include "calculator/main_window.h"
#include "calculator/number_reading.h"
#include "platform/text.h"

namespace qv {

void TForm1::WireClipboardKeys() {
  Button25.OnClick = [this] { CopyKey(); };
  Button26.OnClick = [this] { PasteKey(); };
  Kopieren2.OnClick = [this] { CopyKey(); };
  Einfgen2.OnClick = [this] { PasteKey(); };
  Button44.OnClick = [this] { TakeOverKey(); };
  Label1.ContextMenu = &PopupMenu1;
  Label3.ContextMenu = &PopupMenu1;
  Label1.OnContextPopup = [this] { S.ContextField = 1; };
  Label3.OnContextPopup = [this] { S.ContextField = 2; };
  Kopieren1.OnClick = [this] { ContextCopy(); };
  Einfgen1.OnClick = [this] { ContextPaste(); };
  Lschen1.OnClick = [this] { ContextClear(); };
}

std::optional<Extended> TForm1::ParseClipboardNumber(std::string text) {
  // With a decimal comma present, points are thousand separators.
  if (Contains(text, ",")) text = ReplaceAll(text, ".", "");
  Extended value = 0;
  size_t stop = 0;
  while (!ReadWholeEntryNumber(text, value, stop)) {
    if (stop >= text.size() || text[stop] != ',') {
      ports.prompts.ShowMessage("In der Zwischenablage ist keine gültige Zahl");
      return std::nullopt;
    }
    text[stop] = '.';
  }
  return value;
}

void TForm1::CopyKey() {
  if (S.InputState != 4) {
    S.DisplayText = FormatGeneral(ReadEntryText(S.InputState == 2 ? S.Entry2 : S.Entry1));
    ports.clipboard.SetText(S.DisplayText);
  }
  FocusEquals();
}

void TForm1::PasteKey() {
  const std::string text = ports.clipboard.GetText();
  if (text.empty()) {
    ports.prompts.ShowMessage("Zwischenablage muß eine Zahl beinhalten");
    return;
  }
  const auto value = ParseClipboardNumber(text);
  if (!value) return;
  S.CurValue = *value;
  FormatValue();
  if (S.InputState == 1 || S.InputState == 2) {
    SetFieldFromCurValue(S.InputState);
  } else if (S.InputState == 3) {
    if (!S.Entry1.empty() && !ports.prompts.AskYesNo("Ergebnis überschreiben?")) return;
    SetFieldFromCurValue(1);
  }
  FocusEquals();
}

void TForm1::ContextCopy() {
  ports.clipboard.SetText((S.ContextField == 2 ? Label3 : Label1).Text());
}

void TForm1::ContextPaste() {
  const auto value = ParseClipboardNumber(ports.clipboard.GetText());
  if (!value) return;
  S.CurValue = *value;
  FormatValue();
  SetFieldFromCurValue(S.ContextField == 2 ? 2 : 1);
  FocusEquals();
}

void TForm1::ContextClear() {
  if (S.ContextField == 2) {
    S.Entry2.clear();
    Label3.SetText("");
    S.InputState = 2;
    Radio2.SetChecked(true);
  } else {
    S.Entry1.clear();
    Label1.SetText("");
    Label4.SetText("");
    S.InputState = 1;
    Radio1.SetChecked(true);
  }
}

void TForm1::TakeOverKey() {
  // The other calculator's field 1 as it was parked when that calculator was left.
  const std::string source = S.Slots[R2.Down() ? 0 : 1].Entry1;
  if (S.InputState == 2) {
    SaveFieldsSnapshot();
    S.Entry2 = source;
    ShowEntry(S.Entry2, Label3);
    S.LastAction = 1;
  } else {
    if (!S.Entry1.empty() && !ports.prompts.AskYesNo("Inhalt überschreiben?")) return FocusEquals();
    SaveFieldsSnapshot();
    S.Entry1 = source;
    ShowEntry(S.Entry1, Label1);
  }
  FocusEquals();
}

}  // namespace qv

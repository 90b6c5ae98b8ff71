// The memory register and its keys: clear, store, recall and the four arithmetic keys that
// combine the register with the active number z.
#include "calculator/main_window.h"

namespace qv {

void TForm1::WireMemoryKeys() {
  Button33.OnClick = [this] { MemoryClear(); };
  Button34.OnClick = [this] { MemoryStore(); };
  Button35.OnClick = [this] { MemoryRecall(); };
  Button36.OnClick = [this] { MemoryCombine('+'); };
  Button37.OnClick = [this] { MemoryCombine('-'); };
  Button38.OnClick = [this] { MemoryCombine('x'); };
  Button39.OnClick = [this] { MemoryCombine('z'); };
  Button40.OnClick = [this] { MemoryCombine('/'); };
}

std::optional<Extended> TForm1::ActiveNumber() const {
  switch (S.InputState) {
    case 1:
    case 3:
      return ReadEntryText(S.Entry1);
    case 2:
      return ReadEntryText(S.Entry2);
    default:
      // A panel edit box owns the keyboard: the memory keys read no entry.
      return std::nullopt;
  }
}

void TForm1::ShowMemory() {
  Label6.SetText(FormatGeneral(S.MemoryValue));
}

void TForm1::MemoryClear() {
  S.MemoryValue = 0;
  Label6.SetText("0.0");
  FocusEquals();
}

void TForm1::MemoryStore() {
  if (const auto z = ActiveNumber()) S.MemoryValue = *z;
  ShowMemory();
  S.LastAction = 1;
  FocusEquals();
}

void TForm1::SetFieldFromCurValue(int field) {
  SaveFieldsSnapshot();
  (field == 2 ? S.Entry2 : S.Entry1) = CanonicalText(S.CurValue);
  (field == 2 ? Label3 : Label1).SetText(S.DisplayText);
  S.LastAction = 1;
}

void TForm1::MemoryRecall() {
  S.CurValue = S.MemoryValue;
  FormatValue();
  if (S.InputState == 1 || S.InputState == 2) {
    SetFieldFromCurValue(S.InputState);
  } else if (S.InputState == 3 && ports.prompts.AskYesNo("Ergebnis überschreiben?")) {
    SetFieldFromCurValue(1);
  }
  FocusEquals();
}

void TForm1::MemoryCombine(char op) {
  const auto z = ActiveNumber();
  if (!z) return FocusEquals();
  const Extended m = S.MemoryValue;
  if ((op == 'z' && m == 0) || (op == '/' && *z == 0)) {
    ports.prompts.ShowMessage("Division durch Null ist nicht erlaubt!");
    return FocusEquals();
  }
  // Computed before it is stored: an overflow leaves the register as it was.
  switch (op) {
    case '+':
      S.MemoryValue = CheckedResult(m + *z, m, *z);
      break;
    case '-':
      S.MemoryValue = CheckedResult(m - *z, m, *z);
      break;
    case 'x':
      S.MemoryValue = CheckedResult(m * *z, m, *z);
      break;
    case 'z':
      S.MemoryValue = CheckedDivide(*z, m);
      break;
    default:
      S.MemoryValue = CheckedDivide(m, *z);
      break;
  }
  ShowMemory();
  FocusEquals();
}

}  // namespace qv

// The currency converter below the tape: choosing a currency, turning the direction, showing
// the calculator's amounts in both currencies, taking the converted amount into the calculator
// or onto the tape, and editing the list of currencies. A conversion beyond the extended range
// is an overflow that changes nothing.
#include "calculator/key_rollback.h"
#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

void TForm1::WireCurrencyPanel() {
  TFrame3& panel = Frame31;
  panel.ComboBox1.OnChange = [this] { CurrencyChoose(); };
  panel.Label4.OnClick = [this] {
    if (!Frame31.ClickShift().ctrl)
      CurrencyReverse();
    else if (OpenRateUpdate)
      OpenRateUpdate();
  };
  panel.SpeedButton1.OnClick = [this] { CurrencyTakeResult(); };
  panel.SpeedButton5.OnClick = [this] { CurrencyWriteTape(); };
  panel.SpeedButton2.OnClick = [this] { CurrencyAddClick(); };
  panel.SpeedButton4.OnClick = [this] { CurrencyEditClick(); };
  panel.SpeedButton3.OnClick = [this] {
    if (Frame31.ListEditState != 0)
      CurrencyCancelEdit();
    else
      CurrencyDeleteEntry();
  };
  // A field display dropped onto an amount field enters its value there.
  for (Edit* field : {&panel.Edit2, &panel.Edit3})
    field->OnDragDrop = [this, field](Control& source) {
      CurrencyDropValue(ReadEntryText(&source == &Label1 ? S.Entry1 : S.Entry2), *field);
    };
  // Enter in the name or rate field saves the entry being added or edited.
  const auto saveOnEnter = [this](char32_t& key) {
    if (key == U',') key = U'.';
    if (key != U'\r' || Frame31.ListEditState == 0) return;
    key = 0;
    CurrencySaveEntry();
  };
  panel.Edit4.OnKeyPress = saveOnEnter;
  panel.Edit1.OnKeyPress = [saveOnEnter](char32_t& key) {
    if (key != U',') saveOnEnter(key);
  };
  panel.Edit4.OnChange = [this] {
    if (Frame31.ListEditState != 0)
      Frame31.Edit4.SetText(NormalizeNumberText(Frame31.Edit4.Text()));
  };
  panel.Edit4.OnMouseDown = [this] {
    if (Frame31.ListEditState == 0) FocusEquals();
  };
  WireCurrencyAmounts();
  WireEcbCommands();
  Frame41.Host.afterClear = [this] {
    if (Frame31.CurrencyDirection == 2) CurrencyReverse();
  };
}

// At start the panel converts with the stored direction; 3 and 4 resolve to 1 and 2.
void TForm1::CurrencyStart() {
  TFrame3& panel = Frame31;
  if (panel.ComboBox1.ItemIndex() < 0) panel.SelectEntry(0);
  panel.ShowSelectedEntry();
  // Assigned as a moved string: GCC 12 warns wrongly (-Wrestrict) on a literal here.
  panel.BaseAmount = std::string("1");
  if (panel.CurrencyDirection == 3) panel.CurrencyDirection = 1;
  if (panel.CurrencyDirection == 4) panel.CurrencyDirection = 2;
  // A stored rate that takes the conversion beyond the range leaves both fields unconverted.
  try {
    panel.CurrencyRecompute();
  } catch (const EMathError& fault) {
    HandleException(ports.prompts, fault);
  }
}

void TForm1::CurrencyChoose() {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    if (S.FormatMode != 2) Formatierung2Click();
    if (panel.ComboBox1.ItemIndex() < 0) panel.SelectEntry(0);
    panel.Label6.SetText(panel.ComboBox1.Items().front());
    if (panel.CurrencyDirection == 2) S.CurrencySymbol = panel.SelectedCode();
    panel.ShowSelectedEntry();
    panel.RecomputeFromStoredAmounts();
  });
}

void TForm1::RestoreSavedInputState() {
  S.InputState = S.SavedInputState == 0 || S.SavedInputState == 4 ? 1 : S.SavedInputState;
}

void TForm1::CurrencyReverse() {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    if (S.InputState == 4) {
      RestoreSavedInputState();
      FocusEquals();
    }
    panel.Edit2.SetHint("");
    panel.Edit3.SetHint("");
    if (panel.CurrencyDirection == 1) {
      panel.CurrencyDirection = 4;
      S.CurrencySymbol = panel.SelectedCode();
      panel.CurrencyRecompute();
    } else if (panel.CurrencyDirection == 2) {
      panel.CurrencyDirection = 3;
      S.CurrencySymbol = panel.SecondCurrency;
      panel.OtherCurrencyCode = panel.SelectedCode();
      panel.CurrencyRecompute();
    }
  });
}

// The value stands formatted in the field of the calculator's currency, its equivalent in the
// other field; the direction stays.
void TForm1::CurrencyShowValue(const std::string& entry) {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    const int direction = panel.CurrencyDirection;
    if (direction != 1 && direction != 2) return;
    CurrencyReverse();
    (direction == 2 ? panel.Edit3 : panel.Edit2).SetText(entry);
    panel.CurrencyRecompute();
    CurrencyReverse();
  });
}

std::optional<TForm1::CurrencyAmount> TForm1::SecondCurrencyAmount() const {
  const TFrame3& panel = Frame31;
  if (panel.CurrencyDirection == 1)
    return CurrencyAmount{panel.OtherCurrencyCode, panel.Edit3.Text()};
  if (panel.CurrencyDirection == 2) return CurrencyAmount{panel.SecondCurrency, panel.Edit2.Text()};
  return std::nullopt;
}

void TForm1::CurrencyTakeResult() {
  TFrame3& panel = Frame31;
  if (panel.ListEditState != 0) return;
  const bool summing = panel.SummingMode == 1;
  if (summing) {
    S.ChainKind = 1;
    S.InputState = 2;
    S.LastAction = 3;
  } else {
    if (S.InputState == 4) RestoreSavedInputState();
    if (S.InputState != 2) {
      if (S.InputState == 3 && !ports.prompts.AskYesNo("Ergebnis überschreiben?")) {
        S.SavedInputState = 3;
        return;
      }
      SaveFieldsSnapshot();
      S.Entry1 = panel.ConvertedValue;
      S.FormatMode = 2;
      S.CurValue = ReadEntryText(S.Entry1);
      FormatValue();
      Label1.SetText(S.DisplayText);
      S.LastAction = 1;
      S.InputState = 1;
      Radio1.SetChecked(true);
      FocusEquals();
      return;
    }
  }
  SaveFieldsSnapshot();
  S.Entry2 = panel.ConvertedValue;
  const int remembered = S.FormatMode;
  if (!summing) {
    S.FormatMode = 1;
    S.Decimals = 2;
  }
  S.CurValue = ReadEntryText(S.Entry2);
  FormatValue();
  Label3.SetText(S.DisplayText);
  Radio2.SetChecked(true);
  S.FormatMode = summing ? panel.SummingFormat : remembered;
  S.LastAction = 1;
  FocusEquals();
}

// The output side with its currency goes onto the tape; the direction turns, so that a second
// click writes the other side.
void TForm1::CurrencyWriteTape() {
  TFrame3& panel = Frame31;
  if (panel.ListEditState != 0) return;
  std::string text;
  if (panel.CurrencyDirection == 1) text = panel.SecondCurrency + " " + panel.Edit2.Text();
  if (panel.CurrencyDirection == 2) text = S.CurrencySymbol + " " + panel.Edit3.Text();
  TapeModel& tape = Frame41.Tape;
  tape.TapeClearUndo();
  tape.TapeSetStyle({.bold = true});
  if (tape.TapeLineCount() <= 1 && tape.TapeLine(0).empty()) tape.TapeClear();
  tape.TapeAppendLine(text + (S.InputState < 3 ? " ^" : " ="));
  if (S.InputState == 4) RestoreSavedInputState();
  FocusEquals();
  CurrencyReverse();
}

void TForm1::CurrencyConvertActiveField() {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    SaveFieldsSnapshot();
    const Extended value = ReadEntryText(S.InputState == 2 ? S.Entry2 : S.Entry1);
    panel.ConvertedValue = ReplaceFirst(FormatGeneral(value), ",", ".");
    if (panel.CurrencyDirection == 2) {
      panel.Edit2.SetText(FormatPattern("%8.2n", value));
      panel.BaseAmount = panel.ConvertedValue;
      panel.CurrencyDirection = 4;
      S.CurrencySymbol = panel.SelectedCode();
    } else if (panel.CurrencyDirection == 1) {
      panel.Edit3.SetText(FormatPattern("%8.2n", value));
      panel.ForeignAmount = panel.ConvertedValue;
      panel.CurrencyDirection = 3;
      S.CurrencySymbol = panel.SecondCurrency;
    }
    panel.CurrencyRecompute();
    if (S.InputState != 3) CurrencyTakeResult();
  });
}

// "<" ends with the foreign field as the input, ">" with the base field.
void TForm1::CurrencyDirectionKey(char key) {
  AllOrNothing(*this, [&] {
    Frame31.CurrencyDirection = key == '<' ? 2 : 1;
    CurrencyReverse();
  });
}

void TForm1::CurrencyDropValue(Extended value, Edit& field) {
  AllOrNothing(*this, [&] {
    TFrame3& panel = Frame31;
    S.CurValue = value;
    field.SetText(FormatPattern("%8.2n", value));
    panel.ConvertedValue = NormalizeNumberText(FormatGeneral(value));
    if (&field == &panel.Edit2) {
      panel.BaseAmount = panel.ConvertedValue;
      panel.CurrencyDirection = 4;
      S.CurrencySymbol = panel.SelectedCode();
    } else {
      panel.ForeignAmount = panel.ConvertedValue;
      panel.CurrencyDirection = 3;
      S.CurrencySymbol = panel.SecondCurrency;
    }
    panel.CurrencyRecompute();
  });
}

}  // namespace qv

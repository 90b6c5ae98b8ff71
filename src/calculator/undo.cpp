// "Rückgängig": a percent combination or a repeat step is reversed arithmetically; otherwise
// the last tape line is read back into the fields (tape shown) or the fields snapshot is
// restored once (tape hidden).
#include <cctype>
#include <cmath>
#include <exception>
#include <string_view>

#include "calculator/number_reading.h"
#include "calculator/main_window.h"
#include "platform/text.h"

namespace qv {

namespace {

constexpr Extended kHundred = 100;

// A rule under the operands: hyphens or dashes only (a negative value also begins with "-").
bool IsRuleLine(const std::string& line) {
  if (CharLength(line) < 2) return false;
  for (size_t i = 0; i < CharLength(line); ++i) {
    const std::string c = CharSubstr(line, i, 1);
    if (c != "-" && c != "―" && c != "—") return false;
  }
  return true;
}

bool IsTextChar(char c) {
  return c >= '?' && c <= '~';
}

// Whether a line that begins with a letter is mostly text (a comment). A percent sign ends the
// scan from the end, and the line keeps only what follows it.
bool IsMostlyText(std::string& line) {
  int numberChars = 0, textChars = 0;
  for (size_t i = line.size(); i-- > 0;) {
    const char c = line[i];
    if (c == '%') {
      line.erase(0, i + 1);
      break;
    }
    if ((c >= '0' && c <= '9') || c == '.') ++numberChars;
    if (IsTextChar(c)) ++textChars;
  }
  return 4 * numberChars < textChars;
}

// The end of a function marker line such as "Q", "Ln", "L10", "exp", "X²", "H2".
bool EndsFunctionMarker(const std::string& c) {
  return (c.size() == 1 && (std::isdigit(static_cast<unsigned char>(c[0])) ||
                            std::string_view("Qnpqs").find(c[0]) != std::string_view::npos)) ||
         c == "²";
}

// An operand line of an added or subtracted percentage: "10 +% (20,00)". Gives 1 for "+%", 2
// for "-%" and keeps the operand in the line; 0 for any other line.
int TakePercentOperand(std::string& line) {
  if (!line.ends_with(")")) return 0;
  for (const int kind : {1, 2}) {
    const size_t at = line.find(kind == 1 ? " +% (" : " -% (");
    if (at != std::string::npos) {
      line.erase(at);
      return kind;
    }
  }
  return 0;
}

// The count before the operand of a repeat line ("2x   3 +"): gives it and keeps the operand in
// the line; 1 for a line of one step.
long long TakeRepeatCount(std::string& line) {
  constexpr size_t kMostCountDigits = 9;
  const size_t x = line.find("x   ");
  if (x == 0 || x == std::string::npos || x > kMostCountDigits) return 1;
  for (size_t i = 0; i < x; ++i)
    if (!std::isdigit(static_cast<unsigned char>(line[i]))) return 1;
  const long long count = std::stoll(line.substr(0, x));
  line.erase(0, x + 4);
  return count;
}

}  // namespace

void TForm1::WireUndoKeys() {
  Button28.OnClick = [this] { UndoKey(); };
  FelderW.OnClick = [this] { Button28.Click(); };
  Button20.OnClick = [this] {
    if (ClickShift().ctrl) repeatPrompt_ = true;
    RepeatKey();
  };
}

void TForm1::ShowUndoneEntry1() {
  S.Entry1 = CanonicalText(S.CurValue);
  FormatValue();
  Label1.SetText(S.DisplayText);
  --S.RepeatCount;
  Label5.SetText(std::to_string(S.RepeatCount));
  // With its last step taken back the series is empty: "=" computes and writes afresh, as the
  // operand had just been typed.
  if (S.RepeatCount == 0) {
    S.RepeatMode = 0;
    S.LastAction = S.PercentKind != 0 ? 6 : 1;
  }
}

bool TForm1::UndoRepeatStep() {
  // Only steps of an open series are taken back arithmetically: before the first step, field 1
  // holds no result of the pending operation that could be reversed.
  if (S.RepeatMode != 2 || S.RepeatCount <= 0) return false;
  const Extended result = S.CurValue, operand = S.Operand2;
  if (S.PercentKind == 1 || S.PercentKind == 2) {
    const Extended factor = S.PercentKind == 1 ? kHundred + operand : kHundred - operand;
    const Extended base = CheckedDivide(CheckedResult(result * kHundred, result, kHundred), factor);
    S.Operand1 = result;
    S.CurValue = base;
    ShowUndoneEntry1();
    return true;
  }
  Extended value = 0;
  switch (S.PendingOp) {
    case '+':
      value = CheckedResult(result - operand, result, operand);
      break;
    case '-':
      value = CheckedResult(result + operand, result, operand);
      break;
    case 'x':
      value = CheckedDivide(result, operand);
      break;
    case '/':
      value = CheckedResult(result * operand, result, operand);
      break;
    default:
      return false;
  }
  if (S.PendingOp == '+') S.RepeatSum -= operand;
  if (S.PendingOp == '-') S.RepeatSum += operand;
  S.Operand1 = result;
  S.CurValue = value;
  ShowUndoneEntry1();
  return true;
}

void TForm1::UndoKey() {
  if (UndoRepeatStep()) return;
  if (TapeShown()) {
    try {
      UndoFromTape();
      return;
    } catch (const std::exception&) {
      ports.prompts.ShowMessage("Fehler beim Rückgängig im Tape");
    }
  }
  RestoreSnapshot();
}

void TForm1::RestoreSnapshot() {
  if (S.SnapshotUsed) return;
  const CalcSlot& slot = S.Slots[R2.Down() ? 1 : 0];
  LoadFields(slot);
  if (S.InputState == 1) Radio1.SetChecked(true);
  if (S.InputState == 2) Radio2.SetChecked(true);
  S.LastAction = slot.LastAction == 3 ? 1 : slot.LastAction;
  S.RepeatMode = slot.RepeatMode;
  S.PercentKind = slot.PercentKind;
  TaxPanelRecompute();
  S.SnapshotUsed = true;
  FocusEquals();
}

void TForm1::UndoFromTape() {
  TapeModel& tape = Frame41.Tape;
  if (tape.TapeLineCount() == 1 || tape.TapeTextLength() < 3) return;
  TapeLineEnd end = tape.TapeTrimBlankEnd();
  tape.TapeSetStyle({.size = 10, .bold = true, .color = kTapeBlack});
  std::string& line = end.line;
  std::string& c = end.finalChar;
  if (line.empty()) return tape.TapeRemoveLastLine();
  if (c == "#") return;
  if (c == "%" || c == "▬") return tape.TapeRemoveLastLine();
  if (c == "=") {
    // A confirmed function result: its "=" line, then the line of its marker.
    tape.TapeRemoveLastLine();
    end = tape.TapeTrimBlankEnd();
    if (c == "T") return;
    if (EndsFunctionMarker(c)) {
      tape.TapeRemoveLastLine();
      end = tape.TapeTrimBlankEnd();
    }
  }
  if (CharLength(line) <= 2 || static_cast<unsigned char>(line[0]) < 0x20)
    return tape.TapeRemoveLastLine();
  if (line.starts_with("(R")) {
    // A line written right after the switch of the calculators: "(R1) " or "(R2) " first.
    if (CharLength(line) < 8) return tape.TapeRemoveLastLine();
    line = CharSubstr(line, 5);
  }
  if (IsTextChar(line[0]) && IsMostlyText(line)) return tape.TapeRemoveLastLine();
  if (line.starts_with("=")) {
    tape.TapeRemoveLastLine();
    end = tape.TapeTrimBlankEnd();
    c.assign(1, '^');  // the line before is read as a start line
    S.ExtMode = 0;
  }
  if (IsRuleLine(line)) return tape.TapeRemoveLastLine();
  // The line's own text does not hold one number for a percentage or a repeat series: the
  // amount in brackets and the count are no part of the operand.
  const int percentKind = TakePercentOperand(line);
  const bool isOperator = c == "+" || c == "-" || c == "x" || c == "/";
  const long long steps = isOperator ? TakeRepeatCount(line) : 1;
  std::string number = NormalizeNumberText(line);
  Extended value = 0;
  size_t stop = 0;
  if (!ReadWholeEntryNumber(number, value, stop)) {
    number = NormalizeNumberText(number);
    if (!ReadWholeEntryNumber(number, value, stop)) {
      ports.prompts.ShowMessage("Zahl ist ungültig!");
      return;
    }
  }
  S.CurValue = value;
  if (percentKind != 0) return ReversePercentLine(number, percentKind);
  if (c == "Z") {
    // The sum line of a closed series: the operand line before it is reversed.
    tape.TapeRemoveLastLine();
    const std::string kept = line;
    end = tape.TapeTrimBlankEnd();
    line = kept;
  } else if (!isOperator) {
    if (c == "^") S.InputState = 1;
    try {
      return SetField1FromTape(number);
    } catch (const std::exception&) {
      ports.prompts.ShowMessage("Fehler ERG");
    }
  }
  ReverseTapeOperand(number, c, steps);
}

void TForm1::SetField1FromTape(const std::string& number) {
  S.Entry1 = number;
  S.Entry2.clear();
  FormatValue();
  Label1.SetText(S.DisplayText);
  Label3.SetText("");
  Label2.SetText("");
  Label4.SetText("");
  Frame41.Tape.TapeRemoveLastLine();
}

void TForm1::ReverseTapeOperand(const std::string& number, const std::string& op, long long steps) {
  // The line was an operand followed by its operator, applied `steps` times: field 1 goes back
  // to the value before.
  const Extended a = ReadEntryText(S.Entry1), b = S.CurValue;
  const auto k = static_cast<Extended>(steps);
  Extended before = b;
  if (op == "+") before = CheckedResult(a - CheckedResult(k * b, k, b), a, k * b);
  if (op == "-") before = CheckedResult(a + CheckedResult(k * b, k, b), a, k * b);
  if (op == "x") before = CheckedDivide(a, CheckedResult(std::pow(b, k), b, k));
  if (op == "/") before = CheckedResult(a * std::pow(b, k), a, CheckedResult(std::pow(b, k), b, k));
  S.Operand1 = a;
  S.Operand2 = b;
  FormatValue();
  Label3.SetText(S.DisplayText);
  if (op == "+" || op == "-") S.ChainKind = 1;
  S.CurValue = before;
  S.Entry1 = CanonicalText(S.CurValue);
  S.Entry2 = number;
  FormatValue();
  Label1.SetText(S.DisplayText);
  const bool isOperator = op == "+" || op == "-" || op == "x" || op == "/";
  S.PendingOp = isOperator ? op[0] : '0';
  Label2.SetText(isOperator ? op : "");
  S.InputState = 2;
  S.LastAction = 1;
  Frame41.Tape.TapeRemoveLastLine();
}

void TForm1::ReversePercentLine(const std::string& number, int percentKind) {
  // Field 1 goes back to the base of the percentage, which waits in field 2 as before "=".
  const Extended a = ReadEntryText(S.Entry1), p = S.CurValue;
  const Extended base = CheckedDivide(CheckedResult(a * kHundred, a, kHundred),
                                      percentKind == 1 ? kHundred + p : kHundred - p);
  S.Operand1 = a;
  S.Operand2 = p;
  FormatValue();
  Label3.SetText(S.DisplayText);
  S.CurValue = base;
  S.Entry1 = CanonicalText(base);
  S.Entry2 = number;
  FormatValue();
  Label1.SetText(S.DisplayText);
  S.PendingOp = '%';
  S.PercentKind = percentKind;
  Label2.SetText(percentKind == 1 ? "+%" : "-%");
  S.ChainKind = 0;
  S.InputState = 2;
  S.LastAction = 6;
  Frame41.Tape.TapeRemoveLastLine();
}

}  // namespace qv

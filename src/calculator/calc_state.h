#pragma once
// The calculator's state record: one per main window, shared by the panels.
#include <string>

#include "platform/numbers.h"

namespace qv {

// The saved state of calculator R1 or R2: the undo point of the calculator shown, or the
// parked state of the other one.
struct CalcSlot {
  std::string Entry1, Entry2;
  std::string Label1, Label2, Label3, Label4;
  char PendingOp = '0';
  int InputState = 1;
  int RepeatCount = 0;
  int LastAction = 0;
  int PercentKind = 0;
  int ExtMode = 0;
  int RepeatMode = 0;
  int FormatMode = 0;  // 0: none stored
  int FormatWhileTyping = 0;
};

struct CalcState {
  // 1 field 1 active, 2 field 2 active, 3 a result is shown, 4 a panel edit box owns the keyboard.
  int InputState = 1;
  int SavedInputState = 0;
  std::string Entry1, Entry2;
  Extended CurValue = 0;
  std::string DisplayText;
  // '0' none; 'x' '/' '+' '-' '%'; functions 's' 'q' 'l' 'e' 'd' 'n' 'm'.
  char PendingOp = '0';
  int ChainKind = 0;
  int LastAction = 0;
  int PercentKind = 0;
  int SubtotalMark = 0;
  int RepeatMode = 0;
  int RepeatCount = 0;
  Extended RepeatSum = 0;
  Extended StepFactor = 0;
  int ExtMode = 0;
  Extended MemoryValue = 0;
  int SyntaxMode = 0;
  std::string LastOperand2;
  bool SnapshotUsed = false;
  int ContextField = 0;
  int CurrentCalc = 1;
  Extended Operand1 = 0, Operand2 = 0;

  // Display settings.
  int FormatMode = 3;
  int Decimals = 2;
  int FormatWhileTyping = 2;
  std::string CurrencySymbol = "€";

  CalcSlot Slots[2];  // R1, R2
};

}  // namespace qv

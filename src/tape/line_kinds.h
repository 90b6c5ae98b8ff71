#pragma once
// The forms of the lines the program writes on the tape. The undo of the calculator reads the
// last line back by its final character, so every writer keeps to these forms; tests check
// written lines against them.
#include <string_view>

namespace qv {

enum class TapeLineKind {
  Blank,           // "" (the separator of TapeStartEntry)
  StartValue,      // value " ^" (also a currency amount being entered)
  Transfer,        // "(R1) " or "(R2) ", then value " ^" unless the value was zero
  Operand,         // value, blank, "+", "-", "x" or "/"
  PercentOperand,  // value, blank, "+%", "-%" or "%", " (", amount, ")"
  RepeatCount,     // count "x   " value, blank, operator
  Rule,            // 2m + 1 hyphens
  Total,           // value " T"
  Subtotal,        // value " S"
  RunningSum,      // value " Z"
  FunctionResult,  // "=  " value, tag (with or without a blank before it)
  FunctionTerm,    // "[" term "]", " f" once the value is written
  ConfirmedValue,  // value " =": a one-operand function's value, a second currency, an amount
  DashRule,        // em dashes, the rule of the tax statement
  Text,            // any other line without a line break: comments, tags, finance summaries
};

// True when the line has the form of that kind. Text accepts every line without CR or LF.
bool IsTapeLineKind(std::string_view line, TapeLineKind kind);

// The most specific kind the line has the form of (Text when none fits, or when the line
// holds a line break it is still reported as Text; check IsTapeLineKind(line, Text) for that).
TapeLineKind ClassifyTapeLine(std::string_view line);

// A text as a display of the calculator shows it: leading padding blanks, an optional
// currency symbol and blank, an optional "-", digits with "." and ",", an optional exponent
// ("1.234,56", "   -3", "€ 12,50", "1,5E-6").
bool IsDisplayValue(std::string_view text);

}  // namespace qv

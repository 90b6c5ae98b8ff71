#include "tape/line_kinds.h"

#include <array>

namespace qv {

namespace {

constexpr std::string_view kEmDash = "\u2014";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

bool IsOperator(std::string_view text) {
  return text == "+" || text == "-" || text == "x" || text == "/";
}

// Splits "value<suffix>" and tests the value part.
bool ValueWithSuffix(std::string_view line, std::string_view suffix) {
  return line.ends_with(suffix) && IsDisplayValue(line.substr(0, line.size() - suffix.size()));
}

// value, blank, operator
bool IsValueAndOperator(std::string_view line) {
  size_t blank = line.rfind(' ');
  return blank != std::string_view::npos && IsOperator(line.substr(blank + 1)) &&
         IsDisplayValue(line.substr(0, blank));
}

bool IsNumber(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  size_t digits = 0;
  for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.' || text[i] == ','); ++i) {
    digits += IsDigit(text[i]);
  }
  if (digits == 0) return false;
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && text[i] == '-') ++i;
    return IsDigits(text.substr(i));
  }
  return i == text.size();
}

bool IsRepeated(std::string_view line, std::string_view unit) {
  if (line.empty() || line.size() % unit.size() != 0) return false;
  for (size_t i = 0; i < line.size(); i += unit.size()) {
    if (line.substr(i, unit.size()) != unit) return false;
  }
  return true;
}

bool IsPercentOperand(std::string_view line) {
  if (!line.ends_with(')')) return false;
  size_t open = line.rfind(" (");
  if (open == std::string_view::npos || !IsNumber(line.substr(open + 2, line.size() - open - 3))) {
    return false;
  }
  std::string_view head = line.substr(0, open);
  for (std::string_view op : {" +%", " -%", " %"}) {
    if (ValueWithSuffix(head, op)) return true;
  }
  return false;
}

bool IsRepeatCount(std::string_view line) {
  size_t x = line.find("x   ");
  return x != std::string_view::npos && IsDigits(line.substr(0, x)) &&
         IsValueAndOperator(line.substr(x + 4));
}

bool IsTransfer(std::string_view line) {
  if (!line.starts_with("(R1) ") && !line.starts_with("(R2) ")) return false;
  std::string_view rest = line.substr(5);
  return rest.empty() || ValueWithSuffix(rest, " ^");
}

bool IsFunctionResult(std::string_view line) {
  if (!line.starts_with("=  ")) return false;
  std::string_view rest = line.substr(3);
  // The tag follows the value directly (units) or after a blank; it holds no digit.
  size_t end = rest.size();
  while (end > 0 && !IsDigit(rest[end - 1]) && rest[end - 1] != ' ') --end;
  if (end == rest.size()) return false;
  std::string_view value = rest.substr(0, end);
  if (value.ends_with(' ')) value.remove_suffix(1);
  return IsDisplayValue(value);
}

bool IsFunctionTerm(std::string_view line) {
  if (line.ends_with(" f")) line.remove_suffix(2);
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

bool IsDisplayValue(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  if (!text.empty() && !IsDigit(text.front()) && text.front() != '-') {
    size_t blank = text.find(' ');
    if (blank == std::string_view::npos || blank == 0) return false;
    for (char c : text.substr(0, blank)) {
      if (IsDigit(c)) return false;
    }
    text.remove_prefix(blank + 1);
  }
  return IsNumber(text);
}

bool IsTapeLineKind(std::string_view line, TapeLineKind kind) {
  switch (kind) {
    case TapeLineKind::Blank:
      return line.empty();
    case TapeLineKind::StartValue:
      return ValueWithSuffix(line, " ^");
    case TapeLineKind::Transfer:
      return IsTransfer(line);
    case TapeLineKind::Operand:
      return IsValueAndOperator(line);
    case TapeLineKind::PercentOperand:
      return IsPercentOperand(line);
    case TapeLineKind::RepeatCount:
      return IsRepeatCount(line);
    case TapeLineKind::Rule:
      return line.size() % 2 == 1 && IsRepeated(line, "-");
    case TapeLineKind::Total:
      return ValueWithSuffix(line, " T");
    case TapeLineKind::Subtotal:
      return ValueWithSuffix(line, " S");
    case TapeLineKind::RunningSum:
      return ValueWithSuffix(line, " Z");
    case TapeLineKind::FunctionResult:
      return IsFunctionResult(line);
    case TapeLineKind::FunctionTerm:
      return IsFunctionTerm(line);
    case TapeLineKind::ConfirmedValue:
      return ValueWithSuffix(line, " =");
    case TapeLineKind::DashRule:
      return IsRepeated(line, kEmDash);
    case TapeLineKind::Text:
      return line.find_first_of("\r\n") == std::string_view::npos;
  }
  return false;
}

TapeLineKind ClassifyTapeLine(std::string_view line) {
  // Most specific first: a rule is also a text, a transfer also ends like a start value.
  static constexpr std::array kOrder = {
      TapeLineKind::Blank,          TapeLineKind::Rule,           TapeLineKind::DashRule,
      TapeLineKind::Transfer,       TapeLineKind::RepeatCount,    TapeLineKind::PercentOperand,
      TapeLineKind::FunctionResult, TapeLineKind::FunctionTerm,   TapeLineKind::StartValue,
      TapeLineKind::Operand,        TapeLineKind::Total,          TapeLineKind::Subtotal,
      TapeLineKind::RunningSum,     TapeLineKind::ConfirmedValue,
  };
  for (TapeLineKind kind : kOrder) {
    if (IsTapeLineKind(line, kind)) return kind;
  }
  return TapeLineKind::Text;
}

}  // namespace qv

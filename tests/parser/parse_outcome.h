#pragma once
// Everything a caller can observe of one Parse: the value, or the error with its number,
// message, position, length and blamed operands, or a foreign exception passing through.
// Shared by the parser tests and the fuzz target that compares both evaluations.
#include <cmath>
#include <cstring>
#include <ostream>
#include <stdexcept>
#include <string>

#include "parser/mathparser.h"

namespace qv::testing {

struct ParseOutcome {
  bool failed = false;
  Extended value = 0;
  int error = 0;
  std::string message;
  int position = 0;
  int length = 0;
  int blamed = 0;  // bits of the blamed operands

  // Values compare bit for bit, so that -0 differs from 0 and NaN equals NaN.
  friend bool operator==(const ParseOutcome& a, const ParseOutcome& b) {
    const bool sameValue = (std::isnan(a.value) && std::isnan(b.value)) ||
                           (a.value == b.value && std::signbit(a.value) == std::signbit(b.value));
    return a.failed == b.failed && sameValue && a.error == b.error && a.message == b.message &&
           a.position == b.position && a.length == b.length && a.blamed == b.blamed;
  }
  friend std::ostream& operator<<(std::ostream& out, const ParseOutcome& o) {
    if (!o.failed) return out << "value " << static_cast<long double>(o.value);
    return out << "error " << o.error << " \"" << o.message << "\" at " << o.position << ", length "
               << o.length << ", blamed " << o.blamed;
  }
};

enum class Evaluation { Compiled, Reference };

inline ParseOutcome Outcome(TMathParser& parser, std::string_view term, Evaluation how) {
  ParseOutcome outcome;
  try {
    outcome.value = how == Evaluation::Compiled ? parser.Parse(term) : parser.ReferenceParse(term);
  } catch (const EMathParsing& e) {
    outcome = {
        true, 0, e.Error(), e.what(), e.Position(), e.Length(), e.IncorrectArguments().Bits()};
  } catch (const std::runtime_error& e) {
    outcome = {true, 0, -1, std::string("passed through: ") + e.what()};
  }
  return outcome;
}

// Operators beyond the default table that stress the splitting: an empty ID, an ID without
// operands, IDs with brackets inside or in front, a non-ASCII ID, an ID that overlaps itself,
// and a method that leaves an error number behind without failing.
inline Extended OddMethod(const std::string& id, Extended left, Extended right, int& number,
                          std::string& text, TArguments& blamed) {
  if (left > 1000 || right > 1000) {
    number = 7;
    text = "zu groß: " + id;
    blamed = TArguments{arLeft};
    throw Exception(text);
  }
  if (left < -1000) {
    number = 9;
    text = "vermerkt";
  }
  if (right < -1000) throw std::runtime_error("fremd");
  return left * 2 + right + static_cast<Extended>(id.size());
}

inline void AddOddOperators(TMathParser& parser) {
  parser.AddOperator("--", {arLeft, arRight}, OddMethod);
  parser.AddOperator("a(b", {arLeft, arRight}, OddMethod);
  parser.AddOperator("(q", {arRight}, OddMethod);
  parser.AddOperator("ä", {arLeft}, OddMethod);
  parser.AddOperator("k", {}, OddMethod);
  parser.AddOperator("", {arLeft, arRight}, OddMethod);
  parser.SetConstantValue("2,5", 7);
  parser.SetConstantValue(" y", -2000);
}

}  // namespace qv::testing

#pragma once
// MathParser: evaluates a function term such as "x^2-3" or "(a)log(x)" to one extended value.
// There is no syntax tree: a term is split recursively at the rightmost occurrence (outside
// brackets) of the first operator of the table that applies, so the table order is the
// precedence. What is left when no operator applies is a bracketed term, a signed term, a
// constant name or a number with the German decimal comma.
//
// Positions and lengths count characters (UTF-8), 1-based positions, so that a "²" or "€"
// typed into a term counts as one character wherever the faulty part is selected.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/compiled_term.h"
#include "parser/operator_table.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace qv {

// Misuse of the operator or constant table.
class EMathParser : public Exception {
 public:
  using Exception::Exception;
};

// A term that cannot be evaluated; the message is the error description.
class EMathParsing : public Exception {
 public:
  EMathParsing(int Error, const std::string& Msg, int Position, int Length,
               TArguments IncorrectArguments);
  int Error() const { return FError; }
  int Position() const { return FPosition; }
  int Length() const { return FLength; }
  TArguments IncorrectArguments() const { return FIncorrectArguments; }

 private:
  int FError;
  int FPosition;
  int FLength;
  TArguments FIncorrectArguments;
};

// Angle mode of the trigonometric operators of every parser: false is radians. Only the graph
// panel switches it.
extern bool DegreeMode;

// Sub-terms inside more brackets than this are refused as "Fehlerhafte Syntax"; hand-written
// terms stay far below it. Chains of operators and signs may be of any length.
inline constexpr int MaxTermDepth = 1000;

// Numbers in a term are read with the German decimal comma, always; the parser has no
// decimal-separator setting of its own, since nothing would set it.
class TMathParser {
 public:
  // With AddDefaultOperators the 28 standard operators and the constants "e" and "pi".
  explicit TMathParser(bool AddDefaultOperators);
  TMathParser(const TMathParser&) = delete;
  TMathParser& operator=(const TMathParser&) = delete;

  void AddOperator(const std::string& ID, TArguments ArgumentPos, TOperatorMethode Methode);
  void RemoveOperator(const std::string& ID);
  TOperator GetOperator(int Index) const;
  int OperatorCount() const { return static_cast<int>(FOperators.size()); }

  // Callers mostly set the same variable again and again, as a plotter does with "x": that
  // case is decided here, without a call, and the value goes straight from the processor's
  // register to its place, where the next Parse reads it back at once.
  void SetConstantValue(std::string_view Name, Extended Value) {
    if (FLastSetConstant != nullptr && FLastSetConstant->Name == Name) {
      FLastSetConstant->Value = Value;
      FConstantStamps[FLastSet] = ++FConstantStamp;
    } else {
      SetOtherConstant(Name, Value);
    }
  }
  Extended GetConstantValue(std::string_view Name) const;
  void RemoveConstant(const std::string& Name);
  TConstant GetConstant(int Index) const;
  int ConstantCount() const { return static_cast<int>(FConstants.size()); }

  // The value of the term; throws EMathParsing on any failure. Repeated calls with the same
  // text reuse its compiled split structure with the current constant values.
  Extended Parse(std::string_view Term);
  // The same result by the direct algorithm, which re-splits the text on every call. Kept as
  // the reference the compiled evaluation is checked against.
  Extended ReferenceParse(std::string_view Term);

 private:
  friend class TCompiledTerm;

  // Resets the error state, runs one evaluation and turns its failure into EMathParsing.
  template <Extended (TMathParser::*evaluation)(std::string_view)>
  Extended Guarded(std::string_view Term);
  Extended EvaluateCompiled(std::string_view Term);
  Extended EvaluateReference(std::string_view Term);
  // The index of the constant of this name; a new name is added first.
  std::size_t ConstantIndex(std::string_view Name);
  void SetOtherConstant(std::string_view Name, Extended Value);
  Extended CallOperator(int index, Extended left, Extended right, int position, int length);
  [[noreturn]] void SyntaxFault(int position, int length);
  TCompiledTerm& Compiled(std::string_view Term);
  void TableChanged() {
    FCompiled.clear();
    FLastSetConstant = nullptr;
  }

  int FError = 0;
  std::string FErrorDescription;
  TArguments FErrorArguments;
  bool FErrorStateTouched = true;  // since the last reset
  int FPartialTermPos = 0;
  int FPartialTermLength = 0;
  std::vector<TOperator> FOperators;
  std::vector<TConstant> FConstants;
  // When each constant got its value, on a clock that SetConstantValue advances; a compiled
  // term reuses the results that depend only on constants older than its last evaluation.
  std::vector<std::uint64_t> FConstantStamps;
  std::uint64_t FConstantStamp = 0;
  // The constant SetConstantValue found last, and where it stands; none after the table
  // changed.
  std::size_t FLastSet = 0;
  TConstant* FLastSetConstant = nullptr;
  // The last few terms this parser compiled, most recent first; dropped whenever an operator
  // or a constant is added or removed, since both decide how a text splits and the compiled
  // steps read the constants at their places in FConstants.
  std::vector<TCompiledTerm> FCompiled;
};

}  // namespace qv

#pragma once
// A term text compiled once into the steps the direct algorithm takes: operator calls,
// negations and syntax faults, in the order in which it evaluates them. A step reads its
// operands where they are (a constant's value in the parser's table, a number written in the
// term, the result of an earlier step, or 0 for an operand its operator does not take) and
// writes a result of its own. So the steps make the same operator calls with the same operands
// in the same order as the direct algorithm and fail at the same point with the same position
// and length.
//
// The results are kept from one evaluation to the next. In a term of standard operators only
// (no effects of their own, results that depend on the operands and the angle mode alone), a
// step none of whose constants got a new value since the last evaluation that ran to its end
// would compute what it computed then, and is skipped. An evaluation that fails keeps nothing:
// the next one runs every step again, so a failure comes out the same on every call.
//
// Parse first asks the steps that must run again in their unchecked form (see
// unchecked_part.h), which cannot fail; only when that form does not apply or meets a value
// that is not finite do the checked steps run.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/compiled_step.h"
#include "parser/operator_table.h"
#include "parser/sine_cosine.h"
#include "parser/unchecked_part.h"

namespace qv {

class TMathParser;

class TCompiledTerm {
 public:
  // The steps read the constants at their places in this table; the parser drops its compiled
  // terms whenever a constant or an operator is added or removed.
  TCompiledTerm(std::string_view term, const std::vector<TOperator>& operators,
                const std::vector<TConstant>& constants);
  // The steps point into the term's own results and numbers, which a move takes along and a
  // copy would not.
  TCompiledTerm(const TCompiledTerm&) = delete;
  TCompiledTerm& operator=(const TCompiledTerm&) = delete;
  TCompiledTerm(TCompiledTerm&&) noexcept = default;
  TCompiledTerm& operator=(TCompiledTerm&&) noexcept = default;

  const std::string& Text() const { return FText; }
  // The term's value with the parser's current constant values and angle mode.
  Extended Evaluate(TMathParser& parser);
  // The same value when the kept results and the unchecked form of the steps a change
  // reaches give it; NaN leaves the call to Evaluate (also for a value that is NaN). Changes
  // nothing that Evaluate depends on unless it gives the value. Inline, in kept_evaluation.h.
  Extended EvaluateKept(const TMathParser& parser);

 private:
  friend class TCompiler;

  using TStep = TCompiledStep;

  // The inputs set since the last evaluation that ran to its end.
  TInputSet ChangedInputs(const TMathParser& parser) const;
  // The inputs whose steps must run again: those set since the last evaluation that ran to
  // its end, and those whose steps then left results out of their places.
  TInputSet Rerun(const TMathParser& parser) const;
  // Makes FPart the steps that depend on any of these inputs.
  void SelectPart(TInputSet changed);
  // Runs these steps; the results of steps that depend on the inputs `unwritten` may be left
  // out of their places.
  Extended Run(TMathParser& parser, const std::vector<TStep>& steps, TInputSet unwritten);

  std::string FText;
  std::vector<TStep> FSteps;
  std::vector<TInputSet> FNeeds;     // per step: the constants its result depends on
  std::vector<int> FInputs;          // the constants the term reads, by table index
  std::vector<TInputSet> FInputOf;   // by table index: the constant's bit, 0 if not read
  std::vector<Extended> FResults;    // per step
  std::vector<Extended> FNumbers;    // the numbers written in the term
  const Extended* FValue = nullptr;  // the term's value: a result, a constant or a number
  bool FReusable = false;            // standard operators only, and few enough constants

  // The last evaluation that ran to its end, if every result is still its result.
  bool FKept = false;
  std::uint64_t FKeptStamp = 0;  // the parser's constant stamp then
  bool FKeptDegrees = false;
  // Steps that depend on these inputs may have left their results out of their places.
  TInputSet FUnwritten = 0;
  // The steps that depend on any constant of FPartInputs (0: none selected), in order;
  // FPartUnwritten is FPartInputs if any of them leaves its result out, else 0.
  TInputSet FPartInputs = 0;
  TInputSet FPartUnwritten = 0;
  std::vector<TStep> FPart;
  // The same steps unchecked. It takes the values that no change reaches as they were when
  // FPart was selected, so the selection is dropped with every run of all steps, which may
  // change them.
  TUncheckedPart FUnchecked;
  TSineCosine FSineCosine;
};

}  // namespace qv

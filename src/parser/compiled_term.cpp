#include "parser/compiled_term.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <vector>

#include "parser/default_operators.h"
#include "parser/kept_evaluation.h"
#include "parser/mathparser.h"
#include "parser/operator_math.h"
#include "parser/split_index.h"
#include "parser/term_text.h"

namespace qv {

namespace {

// What an operator that does not take an operand gets for it.
constexpr Extended kAbsent = 0;

// Finite values alone give 0 when subtracted from themselves; infinities and NaN give NaN.
// Unlike a comparison with the largest finite value, this needs no constant from memory.
bool IsFinite(Extended value) {
  return value - value == 0;
}

}  // namespace

// Walks the term as the direct algorithm evaluates it and writes down what it would do.
class TCompiler {
 public:
  TCompiler(TCompiledTerm& target, const std::vector<TOperator>& operators,
            const std::vector<TConstant>& constants)
      : FTarget(target),
        FText(target.FText),
        FIndex(FText, operators),
        FOperators(operators),
        FConstants(constants) {}

  void Run() {
    FTarget.FReusable = true;
    const TValue value = Term(0, FText.CharCount());
    Link();
    FTarget.FInputOf.assign(FConstants.size(), 0);
    for (std::size_t bit = 0; bit < FTarget.FInputs.size() && bit < 64; ++bit) {
      FTarget.FInputOf[FTarget.FInputs[bit]] = TInputSet{1} << bit;
    }
    FTarget.FValue = Address(value);
  }

 private:
  using TStep = TCompiledTerm::TStep;

  // Where a value comes from while the steps are written down; turned into an address once
  // all steps and numbers are known.
  struct TValue {
    enum TSource : std::uint8_t { Absent, Step, Constant, Number } source = Absent;
    int index = 0;
  };

  // What is left to do for a sub-term: find its steps, write down its operator's step once
  // its operands' steps are written, or its negation's.
  struct TTask {
    enum TKind : std::uint8_t { Evaluate, Apply, Negate } kind;
    int first, last;
    int depth = 0;                      // Evaluate: the brackets around the sub-term
    int op = 0, at = 0, rightFrom = 0;  // Apply
  };

  // The term's steps in the order of the direct algorithm: an operator's after those of its
  // operands, the left one's first. What is left to do is kept on a list instead of the call
  // stack, so that a long chain of operators or signs needs no deep recursion; the sub-term
  // to be split next is taken at once.
  TValue Term(int first, int last) {
    FTasks.reserve(kScratchItems);
    FValues.reserve(kScratchItems);
    TTask task{TTask::Evaluate, first, last, 0};
    for (;;) {
      if (task.kind != TTask::Evaluate || !Split(task)) {
        if (task.kind == TTask::Apply) Apply(task);
        if (task.kind == TTask::Negate)
          FValues.push_back(Emit({.kind = TStepKind::Negate}, PopValue(), {}));
        if (FTasks.empty()) break;
        task = FTasks.back();
        FTasks.pop_back();
      }
    }
    return FValues.back();
  }

  // Splits the sub-term of the task: when it has a part to be split next, the task becomes that
  // part and what follows it is kept for later; otherwise its value is written down.
  bool Split(TTask& task) {
    const int first = task.first, last = task.last;
    if (task.depth > MaxTermDepth) {
      FValues.push_back(Fault(first, last));
      return false;
    }
    for (int op = 0; op < static_cast<int>(FOperators.size()); ++op) {
      const int at = FIndex.Find(op, first, last);
      if (at < 0) continue;
      const int rightFrom = at + FIndex.IdLength(op);
      const TArguments operands = FOperators[op].ArgumentPos;
      const bool left = operands.Contains(arLeft), right = operands.Contains(arRight);
      if ((left && at == first) || (right && rightFrom == last)) continue;
      const TTask apply{TTask::Apply, first, last, 0, op, at, rightFrom};
      if (!left && !right) {
        task = apply;
        return false;
      }
      FTasks.push_back(apply);
      if (left && right) FTasks.push_back({TTask::Evaluate, rightFrom, last, task.depth});
      task = left ? TTask{TTask::Evaluate, first, at, task.depth}
                  : TTask{TTask::Evaluate, rightFrom, last, task.depth};
      return true;
    }
    const TRest rest = ClassifyRest(FText, first, last, FConstants);
    switch (rest.kind) {
      case TRest::Bracketed:
        task = {TTask::Evaluate, first + 1, last - 1, task.depth + 1};
        return true;
      case TRest::Negated:
        FTasks.push_back({TTask::Negate, first, last});
        task = {TTask::Evaluate, first + 1, last, task.depth};
        return true;
      case TRest::Signed:
        task = {TTask::Evaluate, first + 1, last, task.depth};
        return true;
      case TRest::Constant:
        FValues.push_back(Input(rest.constant));
        return false;
      case TRest::Number:
        FTarget.FNumbers.push_back(rest.number);
        FValues.push_back({TValue::Number, static_cast<int>(FTarget.FNumbers.size()) - 1});
        return false;
      case TRest::Unreadable:
        break;
    }
    FValues.push_back(Fault(first, last));
    return false;
  }

  void Apply(const TTask& task) {
    const TArguments operands = FOperators[task.op].ArgumentPos;
    TValue right;
    TValue left;
    if (operands.Contains(arRight)) right = PopValue();
    if (operands.Contains(arLeft)) left = PopValue();
    FValues.push_back(Emit({.kind = KindOf(FOperators[task.op].Methode, right),
                            .op = task.op,
                            .position = task.at + 1,
                            .length = task.rightFrom - task.at},
                           left, right));
  }

  TValue PopValue() {
    const TValue value = FValues.back();
    FValues.pop_back();
    return value;
  }

  TStepKind KindOf(TOperatorMethode methode, const TValue& right) {
    switch (BuiltinOf(methode)) {
      case TBuiltin::Add:
        return TStepKind::Add;
      case TBuiltin::Subtract:
        return TStepKind::Subtract;
      case TBuiltin::Multiply:
        return TStepKind::Multiply;
      case TBuiltin::Divide:
        return TStepKind::Divide;
      case TBuiltin::Power:
        return PowerKind(right);
      case TBuiltin::Sin:
        return TStepKind::Sin;
      case TBuiltin::Cos:
        return TStepKind::Cos;
      case TBuiltin::None:
        break;
    }
    if (!IsStandardMethode(methode)) FTarget.FReusable = false;
    return TStepKind::Call;
  }

  // "^" with a written whole exponent takes the repeated squaring on every evaluation.
  TStepKind PowerKind(const TValue& exponent) const {
    if (exponent.source != TValue::Number) return TStepKind::Power;
    const Extended value = FTarget.FNumbers[exponent.index];
    if (!(value >= 0 && IsIntPowerExponent(value))) return TStepKind::Power;
    return value == 2 ? TStepKind::Square : TStepKind::WholePower;
  }

  // A syntax fault of the sub-term first .. last-1; it takes the place of a value.
  TValue Fault(int first, int last) {
    return Emit({.kind = TStepKind::Fail, .position = first + 1, .length = last - first}, {}, {});
  }

  TValue Input(int constant) {
    std::vector<int>& inputs = FTarget.FInputs;
    int bit = 0;
    while (bit < static_cast<int>(inputs.size()) && inputs[bit] != constant) ++bit;
    if (bit == static_cast<int>(inputs.size())) inputs.push_back(constant);
    return {TValue::Constant, bit};
  }

  TValue Emit(TStep step, const TValue& left, const TValue& right) {
    step.leftNeeds = Needs(left);
    step.rightNeeds = Needs(right);
    FTarget.FSteps.push_back(step);
    FTarget.FNeeds.push_back(step.leftNeeds | step.rightNeeds);
    FOperands.push_back({left, right});
    return {TValue::Step, static_cast<int>(FTarget.FSteps.size()) - 1};
  }

  TInputSet Needs(const TValue& value) {
    switch (value.source) {
      case TValue::Step:
        return FTarget.FNeeds[value.index];
      case TValue::Constant:
        if (value.index < 64) return TInputSet{1} << value.index;
        FTarget.FReusable = false;  // too many to track
        break;
      case TValue::Absent:
      case TValue::Number:
        break;
    }
    return 0;
  }

  void Link() {
    FTarget.FResults.resize(FTarget.FSteps.size());
    for (std::size_t index = 0; index < FTarget.FSteps.size(); ++index) {
      TStep& step = FTarget.FSteps[index];
      step.left = Address(FOperands[index].first);
      step.right = Address(FOperands[index].second);
      step.result = &FTarget.FResults[index];
    }
  }

  const Extended* Address(const TValue& value) const {
    switch (value.source) {
      case TValue::Step:
        return &FTarget.FResults[value.index];
      case TValue::Constant:
        return &FConstants[FTarget.FInputs[value.index]].Value;
      case TValue::Number:
        return &FTarget.FNumbers[value.index];
      case TValue::Absent:
        break;
    }
    return &kAbsent;
  }

  TCompiledTerm& FTarget;
  const TTermText FText;
  const TSplitIndex FIndex;
  const std::vector<TOperator>& FOperators;
  const std::vector<TConstant>& FConstants;
  std::vector<std::pair<TValue, TValue>> FOperands;  // per step
  // A term of a few dozen operators keeps its lists of work in the compiler itself.
  static constexpr std::size_t kScratchItems = 48;
  static constexpr std::size_t kScratchBytes = kScratchItems * (sizeof(TTask) + sizeof(TValue));
  std::array<std::byte, kScratchBytes> FScratch;
  std::pmr::monotonic_buffer_resource FScratchMemory{FScratch.data(), FScratch.size()};
  std::pmr::vector<TTask> FTasks{&FScratchMemory};
  std::pmr::vector<TValue> FValues{&FScratchMemory};  // done, their operator still to come
};

TCompiledTerm::TCompiledTerm(std::string_view term, const std::vector<TOperator>& operators,
                             const std::vector<TConstant>& constants)
    : FText(term) {
  TCompiler(*this, operators, constants).Run();
}

Extended TCompiledTerm::Evaluate(TMathParser& parser) {
  if (!FKept || FKeptDegrees != DegreeMode) {
    FPartInputs = 0;  // every step runs, and the values FUnchecked took may change
    return Run(parser, FSteps, 0);
  }
  const TInputSet rerun = Rerun(parser);
  if (rerun == 0) {
    FKeptStamp = parser.FConstantStamp;  // nothing the term reads got a new value
    return *FValue;
  }
  if (rerun != FPartInputs) SelectPart(rerun);
  return Run(parser, FPart, FPartUnwritten);
}

// Every result has one reader, the step of the operator it is an operand of, which depends on
// whatever the result depends on, so it comes later in the part. When it comes right after,
// it takes the result at hand, and the result need not be written down: then the part must
// run again as a whole next time, which depending on these inputs it does.
void TCompiledTerm::SelectPart(TInputSet changed) {
  FPart.clear();
  for (std::size_t index = 0; index < FSteps.size(); ++index) {
    if ((FNeeds[index] & changed) != 0) FPart.push_back(FSteps[index]);
  }
  FPartInputs = changed;
  FPartUnwritten = 0;
  for (std::size_t index = 0; index + 1 < FPart.size(); ++index) {
    const TStep& reader = FPart[index + 1];
    const Extended* result = FPart[index].result;
    if (reader.left != result && reader.right != result) continue;
    FPart[index].written = false;
    FPartUnwritten = changed;
  }
  FUnchecked.Build(FPart, changed);
}

// The steps run in order, and the term's value is the last one's result whenever any ran: it
// depends on every step. The result just computed is kept at hand for the next step, which
// mostly takes it as an operand.
Extended TCompiledTerm::Run(TMathParser& parser, const std::vector<TStep>& steps,
                            TInputSet unwritten) {
  FKept = false;
  Extended last = 0;
  const Extended* lastAt = nullptr;
  const auto read = [&](const Extended* at) { return at == lastAt ? last : *at; };
  for (const TStep& step : steps) {
    const auto call = [&] {
      return parser.CallOperator(step.op, read(step.left), read(step.right), step.position,
                                 step.length);
    };
    Extended value = 0;
    bool inPlace = step.kind > TStepKind::Call;  // not by the method
    switch (step.kind) {
      case TStepKind::Negate:
        value = -read(step.left);
        break;
      case TStepKind::Fail:
        parser.SyntaxFault(step.position, step.length);
      case TStepKind::Call:
        value = call();
        break;
      case TStepKind::Add:
        value = read(step.left) + read(step.right);
        break;
      case TStepKind::Subtract:
        value = read(step.left) - read(step.right);
        break;
      case TStepKind::Multiply:
        value = read(step.left) * read(step.right);
        break;
      case TStepKind::Divide: {
        const Extended right = read(step.right);
        inPlace = right != 0;
        value = inPlace ? read(step.left) / right : call();
        break;
      }
      case TStepKind::Power: {
        const Extended right = read(step.right);
        inPlace = right >= 0 && IsIntPowerExponent(right);
        value = inPlace ? IntPower(read(step.left), static_cast<std::int64_t>(right)) : call();
        break;
      }
      case TStepKind::WholePower:
        value = IntPower(read(step.left), static_cast<std::int64_t>(*step.right));
        break;
      case TStepKind::Square: {
        const Extended left = read(step.left);
        value = left * left;
        break;
      }
      case TStepKind::Sin: {
        const Extended right = read(step.right);
        value = SineIsZero(right) ? 0 : FSineCosine.Sine(Angle(right));
        break;
      }
      case TStepKind::Cos:
        value = FSineCosine.Cosine(Angle(read(step.right)));
        break;
    }
    // A non-finite result is left to the method, which raises or returns what it always
    // does; a method's own result is taken as it is.
    if (inPlace && !IsFinite(value)) value = call();
    if (step.written) *step.result = value;
    last = value;
    lastAt = step.result;
  }
  FKept = FReusable;
  FUnwritten = unwritten;
  FKeptStamp = parser.FConstantStamp;
  FKeptDegrees = DegreeMode;
  return steps.empty() ? *FValue : last;
}

}  // namespace qv

#include "parser/compiled_term.h"

#include <cmath>
#include <cstdint>

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
    const TValue value = Term(0, FText.CharCount(), 1);
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

  TValue Term(int first, int last, int depth) {
    if (depth > MaxTermDepth) return Fault(first, last);
    for (int op = 0; op < static_cast<int>(FOperators.size()); ++op) {
      const int at = FIndex.Find(op, first, last);
      if (at < 0) continue;
      const int rightFrom = at + FIndex.IdLength(op);
      const TArguments operands = FOperators[op].ArgumentPos;
      if ((operands.Contains(arLeft) && at == first) ||
          (operands.Contains(arRight) && rightFrom == last)) {
        continue;
      }
      TValue left;
      TValue right;
      if (operands.Contains(arLeft)) left = Term(first, at, depth + 1);
      if (operands.Contains(arRight)) right = Term(rightFrom, last, depth + 1);
      return Emit({.kind = KindOf(FOperators[op].Methode, right),
                   .op = op,
                   .position = at + 1,
                   .length = rightFrom - at},
                  left, right);
    }
    const TRest rest = ClassifyRest(FText, first, last, FConstants);
    switch (rest.kind) {
      case TRest::Bracketed:
        return Term(first + 1, last - 1, depth + 1);
      case TRest::Negated:
        return Emit({.kind = TStepKind::Negate}, Term(first + 1, last, depth + 1), {});
      case TRest::Signed:
        return Term(first + 1, last, depth + 1);
      case TRest::Constant:
        return Input(rest.constant);
      case TRest::Number:
        FTarget.FNumbers.push_back(rest.number);
        return {TValue::Number, static_cast<int>(FTarget.FNumbers.size()) - 1};
      case TRest::Unreadable:
        break;
    }
    return Fault(first, last);
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

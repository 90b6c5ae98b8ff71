#include "parser/unchecked_part.h"

#include <algorithm>
#include <limits>

#include "parser/operator_math.h"

namespace qv {

bool TUncheckedPart::Takes(TStepKind kind) {
  switch (kind) {
    case TStepKind::Negate:
    case TStepKind::Add:
    case TStepKind::Subtract:
    case TStepKind::Multiply:
    case TStepKind::Divide:
    case TStepKind::Power:
    case TStepKind::WholePower:
    case TStepKind::Square:
    case TStepKind::Sin:
    case TStepKind::Cos:
      return true;
    case TStepKind::Fail:
    case TStepKind::Call:
      break;
  }
  return false;
}

TUncheckedPart::TOperand TUncheckedPart::Kept(const Extended* at) {
  const double value = static_cast<double>(*at);
  if (static_cast<Extended>(value) == *at) return {.from = TFrom::Double, .value = value};
  return {.from = TFrom::Memory, .at = at};
}

void TUncheckedPart::Build(const std::vector<TCompiledStep>& steps, TInputSet changes) {
  FSteps.clear();
  FInput = nullptr;
  FReady = false;
  for (const TCompiledStep& step : steps) {
    if (!Takes(step.kind)) return;
    TStep& fast = FSteps.emplace_back();
    fast.kind = step.kind;
    const bool leftChanges = (step.leftNeeds & changes) != 0;
    const bool rightChanges = (step.rightNeeds & changes) != 0;
    fast.left = leftChanges ? TOperand{.at = step.left} : Kept(step.left);
    fast.right = rightChanges ? TOperand{.at = step.right} : Kept(step.right);
    fast.result = step.result;
    if (step.kind == TStepKind::Power || step.kind == TStepKind::WholePower) {
      // The repeated squaring on every run, with an exponent known now.
      if (fast.right.from != TFrom::Double) return;
      const Extended exponent = fast.right.value;
      if (!(exponent >= 0 && IsIntPowerExponent(exponent))) return;
      fast.kind = TStepKind::WholePower;
      fast.exponent = static_cast<std::int64_t>(exponent);
    }
  }
  Route();
  LoadInputOnce();
  for (TStep& step : FSteps) {
    // A unary operator's other operand is not read: its source counts as the first.
    const bool rightOnly = step.kind == TStepKind::Sin || step.kind == TStepKind::Cos;
    const bool leftOnly =
        !rightOnly && (step.kind == TStepKind::Negate || step.kind == TStepKind::Square ||
                       step.kind == TStepKind::WholePower);
    step.code = Code(step.kind, rightOnly ? TFrom::Last : step.left.from,
                     leftOnly ? TFrom::Last : step.right.from, step.to);
  }
  FReady = true;
}

// Each result has one reader, which comes later. The steps run in the order of the direct
// algorithm, operands before their operator, so the results waiting for their readers form a
// stack, and the one held is always the oldest of them.
void TUncheckedPart::Route() {
  const Extended* held = nullptr;
  for (std::size_t index = 0; index < FSteps.size(); ++index) {
    TStep& step = FSteps[index];
    for (TOperand* operand : {&step.left, &step.right}) {
      if (operand->from != TFrom::Memory) continue;
      if (index > 0 && operand->at == FSteps[index - 1].result) {
        operand->from = TFrom::Last;
      } else if (operand->at == held) {
        operand->from = TFrom::Held;
        held = nullptr;
      }
    }
    if (index + 1 == FSteps.size()) break;
    const TStep& next = FSteps[index + 1];
    if (next.left.at == step.result || next.right.at == step.result) continue;  // TTo::Next
    step.to = held == nullptr ? TTo::Held : TTo::Memory;
    if (step.to == TTo::Held) held = step.result;
  }
}

// Operands read from memory that no step of the part computes keep their values during a run.
void TUncheckedPart::LoadInputOnce() {
  std::vector<const Extended*> results;
  for (const TStep& step : FSteps) results.push_back(step.result);
  std::sort(results.begin(), results.end());
  const auto fixed = [&](const TOperand& operand) {
    return operand.from == TFrom::Memory &&
           !std::binary_search(results.begin(), results.end(), operand.at);
  };
  const Extended* input = nullptr;
  for (const TStep& step : FSteps) {
    for (const TOperand* operand : {&step.left, &step.right}) {
      if (!fixed(*operand)) continue;
      if (input != nullptr && operand->at != input) return;  // more than one
      input = operand->at;
    }
  }
  if (input == nullptr) return;
  for (TStep& step : FSteps) {
    for (TOperand* operand : {&step.left, &step.right}) {
      if (fixed(*operand)) operand->from = TFrom::Input;
    }
  }
  FInput = input;
}

// Every combination of a kind, its operands' sources and its result's destination is a case
// of its own, so that a step costs one dispatch; the macros below write them out.
#define QV_FROM_Last(operand) last
#define QV_FROM_Held(operand) held
#define QV_FROM_Input(operand) input
#define QV_FROM_Memory(operand) (*(operand).at)
#define QV_FROM_Double(operand) static_cast<Extended>((operand).value)
#define QV_TO_Next
#define QV_TO_Held held = result;
#define QV_TO_Memory *step.result = result;
#define QV_CASE(kind, leftFrom, rightFrom, to) \
  case Code(TStepKind::kind, TFrom::leftFrom, TFrom::rightFrom, TTo::to)
#define QV_EACH_TO(stepCase, ...) \
  stepCase(__VA_ARGS__, Next) stepCase(__VA_ARGS__, Held) stepCase(__VA_ARGS__, Memory)
#define QV_EACH_SOURCE(unary) \
  QV_EACH_TO(unary, Last)     \
  QV_EACH_TO(unary, Held)     \
  QV_EACH_TO(unary, Input) QV_EACH_TO(unary, Memory) QV_EACH_TO(unary, Double)
#define QV_EACH_RIGHT(binary, leftFrom)                                    \
  QV_EACH_TO(binary, leftFrom, Last)                                       \
  QV_EACH_TO(binary, leftFrom, Held)                                       \
  QV_EACH_TO(binary, leftFrom, Input) QV_EACH_TO(binary, leftFrom, Memory) \
      QV_EACH_TO(binary, leftFrom, Double)
#define QV_EACH_PAIR(binary)  \
  QV_EACH_RIGHT(binary, Last) \
  QV_EACH_RIGHT(binary, Held) \
  QV_EACH_RIGHT(binary, Input) QV_EACH_RIGHT(binary, Memory) QV_EACH_RIGHT(binary, Double)

#define QV_ARITHMETIC(kind, op, leftFrom, rightFrom, to)                       \
  QV_CASE(kind, leftFrom, rightFrom, to) : {                                   \
    result = QV_FROM_##leftFrom(step.left) op QV_FROM_##rightFrom(step.right); \
    QV_TO_##to break;                                                          \
  }
#define QV_ADD(leftFrom, rightFrom, to) QV_ARITHMETIC(Add, +, leftFrom, rightFrom, to)
#define QV_SUBTRACT(leftFrom, rightFrom, to) QV_ARITHMETIC(Subtract, -, leftFrom, rightFrom, to)
#define QV_MULTIPLY(leftFrom, rightFrom, to) QV_ARITHMETIC(Multiply, *, leftFrom, rightFrom, to)
#define QV_DIVIDE(leftFrom, rightFrom, to)                    \
  QV_CASE(Divide, leftFrom, rightFrom, to) : {                \
    const Extended divisor = QV_FROM_##rightFrom(step.right); \
    unseen += divisor - divisor;                              \
    result = QV_FROM_##leftFrom(step.left) / divisor;         \
    QV_TO_##to break;                                         \
  }

#define QV_NEGATE(from, to)              \
  QV_CASE(Negate, from, Last, to) : {    \
    result = -QV_FROM_##from(step.left); \
    QV_TO_##to break;                    \
  }
#define QV_SQUARE(from, to)                          \
  QV_CASE(Square, from, Last, to) : {                \
    const Extended base = QV_FROM_##from(step.left); \
    result = base * base;                            \
    QV_TO_##to break;                                \
  }
#define QV_WHOLE_POWER(from, to)                     \
  QV_CASE(WholePower, from, Last, to) : {            \
    const Extended base = QV_FROM_##from(step.left); \
    if (step.exponent == 0) unseen += base - base;   \
    result = IntPower(base, step.exponent);          \
    QV_TO_##to break;                                \
  }
#define QV_SIN(from, to)                                            \
  QV_CASE(Sin, Last, from, to) : {                                  \
    const Extended angle = QV_FROM_##from(step.right);              \
    result = SineIsZero(angle) ? 0 : sineCosine.Sine(Angle(angle)); \
    QV_TO_##to break;                                               \
  }
#define QV_COS(from, to)                                           \
  QV_CASE(Cos, Last, from, to) : {                                 \
    result = sineCosine.Cosine(Angle(QV_FROM_##from(step.right))); \
    QV_TO_##to break;                                              \
  }

// A value that is not finite stays so through every later step (an infinity gives an infinity
// or NaN, NaN gives NaN), except as a divisor, which gives 0, and as the base of "^0", which
// gives 1. So the last value tells for all steps, once those two are added up as well.
Extended TUncheckedPart::Run(TSineCosine& sineCosine) const {
  const Extended input = FInput != nullptr ? *FInput : 0;
  Extended last = 0;
  Extended held = 0;
  Extended unseen = 0;  // stays 0 while every divisor and base of "^0" is finite
  for (const TStep& step : FSteps) {
    Extended result = 0;
    switch (step.code) {
      QV_EACH_PAIR(QV_ADD)
      QV_EACH_PAIR(QV_SUBTRACT)
      QV_EACH_PAIR(QV_MULTIPLY)
      QV_EACH_PAIR(QV_DIVIDE)
      QV_EACH_SOURCE(QV_NEGATE)
      QV_EACH_SOURCE(QV_SQUARE)
      QV_EACH_SOURCE(QV_WHOLE_POWER)
      QV_EACH_SOURCE(QV_SIN)
      QV_EACH_SOURCE(QV_COS)
      default:
        break;  // no other combination is built
    }
    last = result;
  }
  return unseen + (last - last) == 0 ? last : std::numeric_limits<Extended>::quiet_NaN();
}

}  // namespace qv

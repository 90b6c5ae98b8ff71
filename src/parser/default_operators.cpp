// The standard operator methods. Arithmetic runs with the floating-point faults masked; every
// result is checked afterwards, so an overflow or an invalid operation raises what an unmasked
// processor would have raised, and the parser reports it as "Unbekannter Fehler".
#include "parser/default_operators.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "parser/mathparser.h"
#include "parser/operator_math.h"

namespace qv {

namespace {

constexpr Extended kPoleTolerance = 1e-9L;

constexpr TArguments kLeftRight{arLeft, arRight};
constexpr TArguments kRight{arRight};

// A failure the method itself detects: error number, text and the blamed operand.
[[noreturn]] void Refuse(int& number, std::string& text, TArguments& blamed, int newNumber,
                         const char* newText, TArgument operand) {
  number = newNumber;
  text = newText;
  blamed = TArguments{operand};
  throw Exception(newText);
}

// To the nearest 64-bit integer, ties to the even neighbour; outside the range an invalid
// operation.
std::int64_t RoundInt64(Extended value) {
  const Extended rounded = std::nearbyint(value);
  if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) throw EInvalidOp();
  return static_cast<std::int64_t>(rounded);
}

// floor and ceil give 32-bit integers; beyond that range an invalid operation.
Extended Int32Result(Extended value) {
  if (!(value >= -0x1p31L && value < 0x1p31L)) throw EInvalidOp();
  return value;
}

Extended Power(Extended base, Extended exponent) {
  if (IsIntPowerExponent(exponent)) {
    const auto whole = static_cast<std::int64_t>(exponent);
    const Extended power = CheckedResult(IntPower(base, whole), base);
    return whole < 0 ? CheckedDivide(1, power) : power;
  }
  if (base == 0) return 0;
  return CheckedResult(std::exp(exponent * std::log(base)), base, exponent);
}

#define QV_METHOD(name)                                                              \
  Extended name([[maybe_unused]] const std::string& id, [[maybe_unused]] Extended L, \
                [[maybe_unused]] Extended R, [[maybe_unused]] int& number,           \
                [[maybe_unused]] std::string& text, [[maybe_unused]] TArguments& blamed)

QV_METHOD(Add) {
  return CheckedResult(L + R, L, R);
}
QV_METHOD(Subtract) {
  return CheckedResult(L - R, L, R);
}
QV_METHOD(Multiply) {
  return CheckedResult(L * R, L, R);
}
QV_METHOD(Divide) {
  if (R == 0) Refuse(number, text, blamed, 2, "Division durch Null!", arRight);
  return CheckedDivide(L, R);
}
QV_METHOD(Modulo) {
  if (R == 0) Refuse(number, text, blamed, 2, "Division by zero", arRight);
  const std::int64_t dividend = RoundInt64(L);
  const std::int64_t divisor = RoundInt64(R);
  if (divisor == 0) throw EZeroDivide();
  return divisor == -1 ? 0 : static_cast<Extended>(dividend % divisor);
}
QV_METHOD(IntDivide) {
  if (R == 0) Refuse(number, text, blamed, 2, "Division durch Null!", arRight);
  const std::int64_t dividend = RoundInt64(L);
  const std::int64_t divisor = RoundInt64(R);
  if (divisor == 0) throw EZeroDivide();
  if (divisor == -1 && dividend == std::numeric_limits<std::int64_t>::min()) throw EOverflow();
  return static_cast<Extended>(dividend / divisor);
}
QV_METHOD(Round) {
  return static_cast<Extended>(RoundInt64(R));
}
QV_METHOD(Abs) {
  return std::fabs(R);
}
QV_METHOD(Min) {
  return R > L ? L : R;
}
QV_METHOD(Max) {
  return R >= L ? R : L;
}
QV_METHOD(Floor) {
  return Int32Result(std::floor(R));
}
QV_METHOD(Ceil) {
  return Int32Result(std::ceil(R));
}
QV_METHOD(Raise) {
  return Power(L, R);
}
QV_METHOD(Sqrt) {
  if (R < 0) Refuse(number, text, blamed, 1, "Invalid Argument", arRight);
  return std::sqrt(R);
}
QV_METHOD(Exp) {
  return CheckedResult(std::exp(L), L);
}
QV_METHOD(Ln) {
  if (R <= 0) Refuse(number, text, blamed, 1, "Invalid Argument", arRight);
  return std::log(R);
}
QV_METHOD(Log) {
  if (L == 1) Refuse(number, text, blamed, 2, "Division durch Null!", arLeft);
  if (L <= 0) Refuse(number, text, blamed, 1, "Invalid Argument", arLeft);
  return CheckedResult(std::log(R) / std::log(L), L, R);
}
QV_METHOD(ArcSin) {
  if (R < -1 || R > 1) Refuse(number, text, blamed, 1, "Invalid Argument", arRight);
  return FromRadians(std::asin(R));
}
QV_METHOD(ArcCos) {
  if (R < -1 || R > 1) Refuse(number, text, blamed, 1, "Invalid Argument", arRight);
  return FromRadians(std::acos(R));
}
QV_METHOD(ArcTan) {
  return FromRadians(std::atan(R));
}
QV_METHOD(Sinh) {
  return CheckedResult(std::sinh(R), R);
}
QV_METHOD(Cosh) {
  return CheckedResult(std::cosh(R), R);
}
QV_METHOD(Tanh) {
  return std::tanh(R);
}
QV_METHOD(Sin) {
  return SinValue(R);
}
QV_METHOD(Cos) {
  return CosValue(R);
}
QV_METHOD(Tan) {
  const Extended angle = Angle(R);
  if (std::fabs(std::cos(angle)) < kPoleTolerance) {
    Refuse(number, text, blamed, 2, "Division durch Null", arRight);
  }
  return CheckedResult(std::tan(angle), R);
}
QV_METHOD(DegToRad) {
  return R * kDegToRad;
}
QV_METHOD(RadToDeg) {
  return CheckedResult(R * kRadToDeg, R);
}

#undef QV_METHOD

}  // namespace

const std::vector<TOperator>& DefaultOperators() {
  static const std::vector<TOperator> operators{
      {"+", kLeftRight, Add},        {"-", kLeftRight, Subtract},
      {"*", kLeftRight, Multiply},   {"/", kLeftRight, Divide},
      {"mod", kLeftRight, Modulo},   {"div", kLeftRight, IntDivide},
      {"round", kRight, Round},      {"abs", kRight, Abs},
      {"min", kLeftRight, Min},      {"max", kLeftRight, Max},
      {"floor", kRight, Floor},      {"ceil", kRight, Ceil},
      {"^", kLeftRight, Raise},      {"sqrt", kRight, Sqrt},
      {"exp", kLeftRight, Exp},      {"ln", kRight, Ln},
      {"log", kLeftRight, Log},      {"arcsin", kRight, ArcSin},
      {"arccos", kRight, ArcCos},    {"arctan", kRight, ArcTan},
      {"sinh", kRight, Sinh},        {"cosh", kRight, Cosh},
      {"tanh", kRight, Tanh},        {"sin", kRight, Sin},
      {"cos", kRight, Cos},          {"tan", kRight, Tan},
      {"deg2rad", kRight, DegToRad}, {"rad2deg", kRight, RadToDeg},
  };
  return operators;
}

TBuiltin BuiltinOf(TOperatorMethode methode) {
  if (methode == Add) return TBuiltin::Add;
  if (methode == Subtract) return TBuiltin::Subtract;
  if (methode == Multiply) return TBuiltin::Multiply;
  if (methode == Divide) return TBuiltin::Divide;
  if (methode == Raise) return TBuiltin::Power;
  if (methode == Sin) return TBuiltin::Sin;
  if (methode == Cos) return TBuiltin::Cos;
  return TBuiltin::None;
}

bool IsStandardMethode(TOperatorMethode methode) {
  const std::vector<TOperator>& standard = DefaultOperators();
  return std::any_of(standard.begin(), standard.end(),
                     [&](const TOperator& op) { return op.Methode == methode; });
}

Extended DefaultE() {
  return std::ldexp(static_cast<Extended>(0xADF85458A2BBA070ULL), -62);
}
Extended DefaultPi() {
  return std::ldexp(static_cast<Extended>(0xC90FDAA22168C2DEULL), -62);
}

}  // namespace qv

#include "parser/mathparser.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "parser/default_operators.h"
#include "parser/kept_evaluation.h"
#include "parser/term_text.h"

namespace qv {

bool DegreeMode = false;

namespace {

constexpr const char* kUnknownError = "Unbekannter Fehler";
constexpr const char* kSyntaxError = "Fehlerhafte Syntax";
constexpr const char* kOutOfBounds = "Index is out of bounds.";

// The plotter alternates between two terms at most; a few more cost nothing.
constexpr std::size_t kCompiledTerms = 4;

std::string Quoted(const char* before, std::string_view name, const char* after) {
  return before + std::string(name) + after;
}

// Whether the texts are equal, compared a word at a time from the front, then the last word
// (overlapping): terms are short, and a call of the library's comparison costs more.
template <class TWord>
[[gnu::always_inline]] inline bool SameWords(std::string_view a, std::string_view b) {
  const auto word = [](std::string_view text, std::size_t at) {
    TWord value;
    std::memcpy(&value, text.data() + at, sizeof value);
    return value;
  };
  const std::size_t last = a.size() - sizeof(TWord);
  for (std::size_t at = 0; at < last; at += sizeof(TWord)) {
    if (word(a, at) != word(b, at)) return false;
  }
  return word(a, last) == word(b, last);
}

[[gnu::always_inline]] inline bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a.size() >= sizeof(std::uint64_t)) return SameWords<std::uint64_t>(a, b);
  if (a.size() >= sizeof(std::uint32_t)) return SameWords<std::uint32_t>(a, b);
  // One to three characters: the first, the middle and the last are all of them.
  const std::size_t size = a.size();
  return size == 0 || (a[0] == b[0] && a[size / 2] == b[size / 2] && a[size - 1] == b[size - 1]);
}

// A sub-term that is no operator application, bracket, signed term, constant or number.
class ESyntaxFault : public EConvertError {
 public:
  ESyntaxFault() : EConvertError(kSyntaxError) {}
};

}  // namespace

EMathParsing::EMathParsing(int Error, const std::string& Msg, int Position, int Length,
                           TArguments IncorrectArguments)
    : Exception(Msg),
      FError(Error),
      FPosition(Position),
      FLength(Length),
      FIncorrectArguments(IncorrectArguments) {}

TMathParser::TMathParser(bool AddDefaultOperators) {
  if (!AddDefaultOperators) return;
  FOperators = DefaultOperators();
  SetConstantValue("e", DefaultE());
  SetConstantValue("pi", DefaultPi());
}

void TMathParser::AddOperator(const std::string& ID, TArguments ArgumentPos,
                              TOperatorMethode Methode) {
  const auto same = [&](const TOperator& op) { return op.ID == ID; };
  if (std::any_of(FOperators.begin(), FOperators.end(), same)) {
    throw EMathParser(Quoted("Operator \"", ID, "\" does already exist."));
  }
  FOperators.push_back({ID, ArgumentPos, Methode});
  TableChanged();
}

void TMathParser::RemoveOperator(const std::string& ID) {
  const auto found = std::find_if(FOperators.begin(), FOperators.end(),
                                  [&](const TOperator& op) { return op.ID == ID; });
  if (found == FOperators.end()) {
    throw EMathParser(Quoted("Operator \"", ID, "\" does not exist."));
  }
  FOperators.erase(found);
  TableChanged();
}

TOperator TMathParser::GetOperator(int Index) const {
  if (Index < 0 || Index >= OperatorCount()) throw EMathParser(kOutOfBounds);
  return FOperators[Index];
}

// A new name goes before the first shorter one, so longer names come first and names of
// equal length keep the order in which they were added.
std::size_t TMathParser::ConstantIndex(std::string_view Name) {
  const int found = FindConstant(FConstants, Name);
  if (found >= 0) return found;
  if (Name.empty()) throw EMathParser(Quoted("The constant name \"", Name, "\" is invalid."));
  const auto shorter = std::find_if(FConstants.begin(), FConstants.end(), [&](const TConstant& c) {
    return c.Name.size() < Name.size();
  });
  const std::size_t index = shorter - FConstants.begin();
  FConstants.insert(shorter, {std::string(Name), 0});
  FConstantStamps.insert(FConstantStamps.begin() + index, 0);
  TableChanged();
  return index;
}

void TMathParser::SetOtherConstant(std::string_view Name, Extended Value) {
  FLastSet = ConstantIndex(Name);
  FLastSetConstant = &FConstants[FLastSet];
  FLastSetConstant->Value = Value;
  FConstantStamps[FLastSet] = ++FConstantStamp;
}

Extended TMathParser::GetConstantValue(std::string_view Name) const {
  const int index = FindConstant(FConstants, Name);
  if (index < 0) throw EMathParser(kOutOfBounds);
  return FConstants[index].Value;
}

void TMathParser::RemoveConstant(const std::string& Name) {
  const int index = FindConstant(FConstants, Name);
  if (index < 0) throw EMathParser(Quoted("Constant \"", Name, "\" does not exist."));
  FConstants.erase(FConstants.begin() + index);
  FConstantStamps.erase(FConstantStamps.begin() + index);
  TableChanged();
}

TConstant TMathParser::GetConstant(int Index) const {
  if (Index < 0 || Index >= ConstantCount()) throw EMathParser(kOutOfBounds);
  return FConstants[Index];
}

Extended TMathParser::Parse(std::string_view Term) {
  // A plotter's call, or an intersection search's, which takes two terms in turn: a text parsed
  // lately, with new values that reach no step that could fail. It leaves the error state as
  // it is: only a failure shows it, and the next call that can fail resets it first.
  for (TCompiledTerm& compiled : FCompiled) {
    if (!SameText(compiled.Text(), Term)) continue;
    const Extended value = compiled.EvaluateKept(*this);
    if (value == value) return value;
    break;
  }
  return Guarded<&TMathParser::EvaluateCompiled>(Term);
}

Extended TMathParser::EvaluateCompiled(std::string_view Term) {
  // Mostly the text parsed last, decided without a look at the others.
  TCompiledTerm& compiled = !FCompiled.empty() && SameText(FCompiled.front().Text(), Term)
                                ? FCompiled.front()
                                : Compiled(Term);
  return compiled.Evaluate(*this);
}

// Each parser keeps its own compiled terms: callers create a parser per evaluation or redraw
// and then parse the same text hundreds or thousands of times with a new "x", so compiling
// once per parser costs about one direct evaluation per redraw, and no cache has to track
// whose operator and constant tables a compiled text belongs to.
TCompiledTerm& TMathParser::Compiled(std::string_view Term) {
  const auto same = [&](const TCompiledTerm& compiled) { return compiled.Text() == Term; };
  const auto found = std::find_if(FCompiled.begin(), FCompiled.end(), same);
  if (found != FCompiled.end()) {
    std::rotate(FCompiled.begin(), found, found + 1);
  } else {
    if (FCompiled.size() == kCompiledTerms) FCompiled.pop_back();
    FCompiled.emplace(FCompiled.begin(), Term, FOperators, FConstants);
  }
  return FCompiled.front();
}

template <Extended (TMathParser::*evaluation)(std::string_view)>
Extended TMathParser::Guarded(std::string_view Term) {
  // Only operator methods and failures change the error state; a Parse that met neither
  // leaves nothing to reset.
  if (FErrorStateTouched) {
    FError = 0;
    FErrorDescription = kUnknownError;
    FErrorArguments = {};
    FErrorStateTouched = false;
  }
  try {
    return (this->*evaluation)(Term);
  } catch (const EConvertError&) {
    FError = 1;
    FErrorDescription = kSyntaxError;
  } catch (const Exception&) {
  }
  FErrorStateTouched = true;
  throw EMathParsing(FError, FErrorDescription, FPartialTermPos, FPartialTermLength,
                     FErrorArguments);
}

// The direct algorithm runs under the same guard.
template Extended TMathParser::Guarded<&TMathParser::EvaluateReference>(std::string_view);

Extended TMathParser::CallOperator(int index, Extended left, Extended right, int position,
                                   int length) {
  const TOperator& op = FOperators[index];
  FErrorStateTouched = true;
  try {
    return op.Methode(op.ID, left, right, FError, FErrorDescription, FErrorArguments);
  } catch (const Exception&) {
    FPartialTermPos = position;
    FPartialTermLength = length;
    throw;
  }
}

void TMathParser::SyntaxFault(int position, int length) {
  FPartialTermPos = position;
  FPartialTermLength = length;
  throw ESyntaxFault();
}

}  // namespace qv

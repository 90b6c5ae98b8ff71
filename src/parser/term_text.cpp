#include "parser/term_text.h"

#include <algorithm>

namespace qv {

namespace {

bool IsContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

TTermText::TTermText(std::string_view term) : FText(term) {
  FOffsets.reserve(term.size() + 1);
  for (std::size_t byte = 0; byte < term.size(); ++byte) {
    if (byte == 0 || !IsContinuation(term[byte])) FOffsets.push_back(static_cast<int>(byte));
  }
  FOffsets.push_back(static_cast<int>(term.size()));
}

int TTermText::MatchEnd(int index, int last, std::string_view id) const {
  const std::size_t begin = FOffsets[index];
  const std::size_t end = begin + id.size();
  if (end > static_cast<std::size_t>(FOffsets[last])) return -1;
  if (!id.empty() && FText[begin] != id[0]) return -1;  // the usual case, decided cheaply
  if (FText.compare(begin, id.size(), id) != 0) return -1;
  return CharAtByte(end);
}

int TTermText::CharAtByte(std::size_t byte) const {
  const auto found = std::lower_bound(FOffsets.begin(), FOffsets.end(), static_cast<int>(byte));
  if (found == FOffsets.end() || *found != static_cast<int>(byte)) return -1;
  return static_cast<int>(found - FOffsets.begin());
}

TRest ClassifyRest(const TTermText& text, int first, int last,
                   const std::vector<TConstant>& constants) {
  if (last - first >= 2 && text.CharIs(first, '(') && text.CharIs(last - 1, ')')) {
    return {TRest::Bracketed};
  }
  if (first < last && text.CharIs(first, '-')) return {TRest::Negated};
  if (first < last && text.CharIs(first, '+')) return {TRest::Signed};
  const std::string_view part = text.Chars(first, last);
  TRest rest{TRest::Constant, FindConstant(constants, part)};
  if (rest.constant < 0)
    rest.kind = TryTextToFloat(part, rest.number) ? TRest::Number : TRest::Unreadable;
  return rest;
}

int FindConstant(const std::vector<TConstant>& constants, std::string_view name) {
  for (std::size_t index = 0; index < constants.size(); ++index) {
    const std::string& candidate = constants[index].Name;
    // The first character sorts out most names before a full comparison.
    if (candidate.size() == name.size() && (name.empty() || candidate[0] == name[0]) &&
        candidate == name) {
      return static_cast<int>(index);
    }
  }
  return -1;
}

}  // namespace qv

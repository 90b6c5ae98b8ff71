#include "parser/split_index.h"

#include <algorithm>

namespace qv {

// Scanning a sub-term first .. last-1 from its end, a ")" deepens and a "(" lifts, so a
// non-bracket character p stands at depth 0 exactly when FLevel[p] == FLevel[last].
// Occurrences are therefore kept sorted by (level, position).
TSplitIndex::TSplitIndex(const TTermText& text, const std::vector<TOperator>& operators) {
  FLevel.reserve(text.CharCount() + 1);
  int level = 0;
  for (int index = 0; index < text.CharCount(); ++index) {
    FLevel.push_back(level);
    if (text.CharIs(index, '(')) ++level;
    if (text.CharIs(index, ')')) --level;
  }
  FLevel.push_back(level);
  for (const TOperator& op : operators) {
    FIdLength.push_back(TTermText(op.ID).CharCount());
    FOccurrences.push_back(Occurrences(text, op.ID));
  }
}

int TSplitIndex::Find(int op, int first, int last) const {
  const std::vector<std::pair<int, int>>& found = FOccurrences[op];
  // The ID must start on a character of the sub-term (an empty ID too) and end within it.
  const std::pair<int, int> key{FLevel[last], last - std::max(FIdLength[op], 1)};
  const auto after = std::upper_bound(found.begin(), found.end(), key);
  if (after == found.begin()) return -1;
  const std::pair<int, int> candidate = *(after - 1);
  return candidate.first == key.first && candidate.second >= first ? candidate.second : -1;
}

// (level, character index) of every place where the whole ID stands, sorted. An ID that
// starts with a bracket is never found: brackets are not compared.
std::vector<std::pair<int, int>> TSplitIndex::Occurrences(const TTermText& text,
                                                          std::string_view id) const {
  std::vector<std::pair<int, int>> found;
  const std::string_view bytes = text.Text();
  for (std::size_t byte = bytes.find(id); byte < bytes.size(); byte = bytes.find(id, byte + 1)) {
    const int index = text.CharAtByte(byte);
    if (index < 0 || text.IsBracket(index) || text.CharAtByte(byte + id.size()) < 0) continue;
    found.emplace_back(FLevel[index], index);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace qv

#pragma once
// Where every operator of the table occurs in a whole term, so that the rightmost occurrence
// outside brackets within a sub-term is a binary search instead of a scan of the text.
#include <utility>
#include <vector>

#include "parser/operator_table.h"
#include "parser/term_text.h"

namespace qv {

class TSplitIndex {
 public:
  TSplitIndex(const TTermText& text, const std::vector<TOperator>& operators);

  // The character index of the operator's rightmost occurrence at depth 0 that lies wholly
  // within the sub-term first .. last-1, or -1.
  int Find(int op, int first, int last) const;
  // The length of the operator's ID in characters.
  int IdLength(int op) const { return FIdLength[op]; }

 private:
  std::vector<std::pair<int, int>> Occurrences(const TTermText& text, std::string_view id) const;

  // FLevel[i]: the number of "(" minus the number of ")" before character i.
  std::vector<int> FLevel;
  std::vector<int> FIdLength;
  std::vector<std::vector<std::pair<int, int>>> FOccurrences;
};

}  // namespace qv

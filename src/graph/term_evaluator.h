#pragma once
// Evaluates terms in x one value at a time: the plot, the marker and the intersection search
// ask it, the redraw answers with its parser.
#include <string_view>

#include "parser/mathparser.h"

namespace qv {

class TermEvaluator {
 public:
  virtual ~TermEvaluator() = default;
  // The term's value at x; false when the term cannot be evaluated there.
  virtual bool Evaluate(std::string_view term, Extended x, Extended& value) = 0;
};

class ParserEvaluator final : public TermEvaluator {
 public:
  explicit ParserEvaluator(TMathParser& parser) : parser_(parser) {}

  bool Evaluate(std::string_view term, Extended x, Extended& value) override {
    parser_.SetConstantValue("x", x);
    try {
      value = parser_.Parse(term);
      return true;
    } catch (const EMathParsing&) {
      return false;
    }
  }

 private:
  TMathParser& parser_;
};

}  // namespace qv

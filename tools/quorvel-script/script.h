#pragma once
// Scenario files: one command a line, quoted texts, "#" comments and "|" blocks.
#include <stdexcept>
#include <string>
#include <vector>

namespace qvs {

struct Token {
  std::string text;
  bool quoted = false;
};

struct Command {
  int line = 0;
  std::vector<Token> words;        // the verb first
  std::vector<std::string> block;  // the lines of a following "|" block
  const std::string& Verb() const { return words.front().text; }
};

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& what)
      : std::runtime_error(what), line(line) {}
  int line;
};

// Splits a script into commands; raises ScriptError for a malformed line.
std::vector<Command> ParseScript(const std::string& text);

}  // namespace qvs

#include "script.h"

#include <sstream>

namespace qvs {

namespace {

std::vector<Token> Tokenize(const std::string& line, int number) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token t{"", true};
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char d = line[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\' && i < line.size()) {
          const char e = line[i++];
          t.text += e == 'n' ? '\n' : e;
        } else {
          t.text += d;
        }
      }
      if (!closed) throw ScriptError(number, "unterminated text");
      tokens.push_back(t);
    } else {
      Token t;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        t.text += line[i++];
      tokens.push_back(t);
    }
  }
  return tokens;
}

}  // namespace

std::vector<Command> ParseScript(const std::string& text) {
  std::vector<Command> commands;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t start = line.find_first_not_of(" \t");
    if (start != std::string::npos && line[start] == '|') {
      if (commands.empty()) throw ScriptError(number, "a block without a command");
      std::string rest = line.substr(start + 1);
      if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
      commands.back().block.push_back(rest);
      continue;
    }
    std::vector<Token> words = Tokenize(line, number);
    if (words.empty()) continue;
    commands.push_back(Command{number, std::move(words), {}});
  }
  return commands;
}

}  // namespace qvs

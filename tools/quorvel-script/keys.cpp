#include "keys.h"

#include <map>

#include "platform/utf8.h"

namespace qvs {

namespace {

// The one character a key name stands for, or 0 when it is more than one.
char32_t DecodeSingleChar(const std::string& s) {
  size_t pos = 0;
  const char32_t ch = qv::NextCodePoint(s, pos);
  return pos == s.size() && ch != qv::kReplacementChar ? ch : 0;
}

}  // namespace

KeyStroke ParseKey(const std::string& spec) {
  using qv::Key;
  KeyStroke k;
  std::string rest = spec;
  for (;;) {
    if (rest.size() > 5 && rest.rfind("Ctrl+", 0) == 0) {
      k.shift.ctrl = true;
      rest.erase(0, 5);
    } else if (rest.size() > 4 && rest.rfind("Alt+", 0) == 0) {
      k.shift.alt = true;
      rest.erase(0, 4);
    } else if (rest.size() > 6 && rest.rfind("Shift+", 0) == 0) {
      k.shift.shift = true;
      rest.erase(0, 6);
    } else {
      break;
    }
  }
  static const std::map<std::string, Key> named = {
      {"Enter", Key::Enter},       {"Esc", Key::Escape},          {"Backspace", Key::Backspace},
      {"Delete", Key::Delete},     {"Insert", Key::Insert},       {"Home", Key::Home},
      {"End", Key::End},           {"PageUp", Key::PageUp},       {"PageDown", Key::PageDown},
      {"Up", Key::Up},             {"Down", Key::Down},           {"Left", Key::Left},
      {"Right", Key::Right},       {"NumPlus", Key::NumPlus},     {"NumMinus", Key::NumMinus},
      {"NumMultiply", Key::NumMultiply}, {"NumDivide", Key::NumDivide},
      {"NumDecimal", Key::NumDecimal},   {"WheelUp", Key::WheelUp}, {"WheelDown", Key::WheelDown},
  };
  if (auto it = named.find(rest); it != named.end()) {
    k.key = it->second;
    if (k.key == Key::NumPlus) k.ch = '+';
    if (k.key == Key::NumMinus) k.ch = '-';
    if (k.key == Key::NumMultiply) k.ch = '*';
    if (k.key == Key::NumDivide) k.ch = '/';
    if (k.key == Key::NumDecimal) k.ch = ',';
    if (k.key == Key::Enter) k.ch = '\r';
    if (k.key == Key::Escape) k.ch = 27;
    if (k.key == Key::Backspace) k.ch = 8;
    k.valid = true;
    return k;
  }
  if (rest.size() >= 2 && rest.size() <= 3 && rest[0] == 'F' && isdigit(rest[1])) {
    const int n = std::stoi(rest.substr(1));
    if (n >= 1 && n <= 12) {
      k.key = static_cast<Key>(static_cast<int>(Key::F1) + n - 1);
      k.valid = true;
    }
    return k;
  }
  if (rest.size() == 4 && rest.rfind("Num", 0) == 0 && isdigit(rest[3])) {
    k.key = static_cast<Key>(static_cast<int>(Key::Num0) + rest[3] - '0');
    k.ch = static_cast<char32_t>(rest[3]);
    k.valid = true;
    return k;
  }
  const char32_t ch = DecodeSingleChar(rest);
  if (ch == 0) return k;
  k.valid = true;
  k.ch = ch;
  if (ch >= '0' && ch <= '9') {
    k.key = static_cast<Key>(static_cast<int>(Key::D0) + ch - '0');
    if (k.shift.shift && ch == '5') k.ch = '%';
  } else if (ch >= 'a' && ch <= 'z') {
    k.key = static_cast<Key>(static_cast<int>(Key::A) + ch - 'a');
    if (k.shift.shift) k.ch = ch - 'a' + 'A';
  } else if (ch >= 'A' && ch <= 'Z') {
    k.key = static_cast<Key>(static_cast<int>(Key::A) + ch - 'A');
    k.shift.shift = true;
  }
  // With Ctrl or Alt held a key delivers no character.
  if (k.shift.ctrl || k.shift.alt) k.ch = 0;
  return k;
}

}  // namespace qvs

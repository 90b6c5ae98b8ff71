#pragma once
#include <string>

#include "platform/form.h"

namespace qvs {

struct KeyStroke {
  qv::Key key = qv::Key::Other;
  qv::ShiftState shift;
  char32_t ch = 0;  // the character a key press delivers, 0 for none
  bool valid = false;
};

// "5", "+", "p", "Enter", "Ctrl+Backspace", "Alt+1", "Shift+5", "NumPlus", "F11".
KeyStroke ParseKey(const std::string& spec);

}  // namespace qvs

#include "ui/caption_map.h"

#include <array>
#include <string_view>

namespace qv::ui {

namespace {

struct SymbolCaption {
  std::string_view control;
  std::string_view caption;  // as the logic holds it, in the symbol font's code
  std::string_view shown;
};

constexpr std::array kSymbolCaptions{
    SymbolCaption{"Button19", "ç", "←"},  // Wingdings: delete the last digit
    SymbolCaption{"Button22", "Ö", "√"},  // Symbol: square root
    SymbolCaption{"Button24", "Õ", "π"},  // Symbol: pi
    SymbolCaption{"Button44", "ß", "←"},  // Wingdings: take over from the other calculator
    SymbolCaption{"Button44", "à", "→"},
    SymbolCaption{"Button41", "â", "↓"},  // Wingdings: open / close the extension area
    SymbolCaption{"Button41", "á", "↑"},
    SymbolCaption{"Label4", "è", "→"},  // Wingdings: the currency converter's direction
    SymbolCaption{"Label4", "ç", "←"},
};

}  // namespace

QString DisplayCaption(const std::string& controlName, const std::string& caption) {
  for (const SymbolCaption& s : kSymbolCaptions)
    if (s.control == controlName && s.caption == caption)
      return QString::fromUtf8(s.shown.data(), static_cast<qsizetype>(s.shown.size()));
  return QString::fromStdString(caption);
}

}  // namespace qv::ui

#pragma once
// Character and paragraph formatting of tape lines, the current style and its presets.
#include <cstdint>
#include <optional>
#include <string>

namespace qv {

enum class Alignment { Left, Right, Center, Justify };

// Colours the writers use, as 0xRRGGBB.
constexpr int32_t kTapeBlack = 0x000000;
constexpr int32_t kTapeRed = 0xFF0000;    // negative values and subtractions
constexpr int32_t kTapeGreen = 0x008000;  // subtotal-type lines

// Formatting of a run of characters. Sizes are in points; halves (10.5) are kept exactly.
struct CharFormat {
  std::string font = "Arial";
  double size = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int32_t color = kTapeBlack;

  bool operator==(const CharFormat&) const = default;
};

// The current style: what the next appended line looks like.
struct TapeStyle {
  CharFormat format;
  Alignment alignment = Alignment::Right;

  bool operator==(const TapeStyle&) const = default;
};

// A change of some attributes of the current style; unset fields stay as they are.
// Writers name only what they change: tape.TapeSetStyle({.bold = true, .color = kTapeRed}).
struct StyleChange {
  std::optional<std::string> font = std::nullopt;
  std::optional<double> size = std::nullopt;
  std::optional<bool> bold = std::nullopt;
  std::optional<bool> italic = std::nullopt;
  std::optional<bool> underline = std::nullopt;
  std::optional<int32_t> color = std::nullopt;
  std::optional<Alignment> alignment = std::nullopt;
};

void ApplyStyleChange(TapeStyle& style, const StyleChange& change);

// Arial 10 bold black, right-aligned: set by "Tape aufzeichnen", by clearing and at start.
StyleChange EntryStyle();
// Arial 11 italic black, right-aligned: the style of a comment line.
StyleChange CommentStyle();
// Arial 11 bold, right-aligned, colour unchanged: the popup command "Tape".
StyleChange TapeCommandStyle();
// 8 pt regular, everything else unchanged: note lines (function terms, second currency).
StyleChange NoteStyle();

}  // namespace qv

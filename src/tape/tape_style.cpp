#include "tape/tape_style.h"

namespace qv {

void ApplyStyleChange(TapeStyle& style, const StyleChange& change) {
  CharFormat& f = style.format;
  if (change.font) f.font = *change.font;
  if (change.size) f.size = *change.size;
  if (change.bold) f.bold = *change.bold;
  if (change.italic) f.italic = *change.italic;
  if (change.underline) f.underline = *change.underline;
  if (change.color) f.color = *change.color;
  if (change.alignment) style.alignment = *change.alignment;
}

StyleChange EntryStyle() {
  return {.font = "Arial",
          .size = 10,
          .bold = true,
          .italic = false,
          .underline = false,
          .color = kTapeBlack,
          .alignment = Alignment::Right};
}

StyleChange CommentStyle() {
  return {.font = "Arial",
          .size = 11,
          .bold = false,
          .italic = true,
          .underline = false,
          .color = kTapeBlack,
          .alignment = Alignment::Right};
}

StyleChange TapeCommandStyle() {
  return {
      .font = "Arial", .size = 11, .bold = true, .italic = false, .alignment = Alignment::Right};
}

StyleChange NoteStyle() {
  return {.size = 8, .bold = false};
}

}  // namespace qv

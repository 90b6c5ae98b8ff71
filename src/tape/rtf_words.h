#pragma once
// The RTF control words the tape reader acts on; every other word is ignored.
#include <string_view>

namespace qv {

enum class RtfWord {
  Unknown,
  SkippedDestination,  // pictures, headers, footers, style sheet, document information ...
  FontTable,
  ColorTable,
  DefaultFont,
  Font,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  ColorIndex,
  Red,
  Green,
  Blue,
  Plain,
  ParagraphDefault,
  AlignLeft,
  AlignRight,
  AlignCenter,
  AlignJustify,
  Paragraph,  // \par, and \line: a tape line holds no line break
  UnicodeSkip,
  Unicode,
  Bin,
  Tab,
  // Words standing for one character (see RtfWordCharacter).
  EmDash,
  EnDash,
  EmSpace,
  EnSpace,
  Bullet,
  LeftQuote,
  RightQuote,
  LeftDoubleQuote,
  RightDoubleQuote,
};

RtfWord LookUpRtfWord(std::string_view name);

// The character a word like \emdash stands for; 0 for any other word.
char32_t RtfWordCharacter(RtfWord word);

}  // namespace qv

#include "tape/rtf_reader.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/text.h"
#include "tape/rtf_words.h"
#include "platform/utf8.h"

namespace qv {

namespace {

const char kNotRtf[] = "Die Datei ist keine gültige RTF-Datei";
const char kTruncated[] = "Die RTF-Datei ist unvollständig";
const char kTooDeep[] = "Die RTF-Datei ist zu tief verschachtelt";

// Far beyond what word processors write; keeps hostile files from eating memory.
constexpr size_t kMaxDepth = 4096;
// Parameters are clamped here, so that a number of many digits cannot overflow.
constexpr long kMaxParam = 1'000'000'000;

enum class Destination { Body, FontTable, ColorTable, Skip };

// What a group carries and restores when it closes.
struct GroupState {
  Destination destination = Destination::Body;
  int font = -1;  // index into the font table, -1 for the default font
  int color = 0;  // index into the colour table
  double size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Alignment alignment = Alignment::Left;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class RtfParser {
 public:
  explicit RtfParser(std::string_view data) : data_(data) {}

  TapeReadResult Parse() {
    if (!LooksLikeRtf(data_)) return Fail(kNotRtf);
    while (pos_ < data_.size()) {
      char c = data_[pos_++];
      if (c == '{') {
        if (stack_.size() >= kMaxDepth) return Fail(kTooDeep);
        stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
        skipFallback_ = 0;
      } else if (c == '}') {
        if (stack_.size() == 1) return Finish();  // the document's outer group closes
        stack_.pop_back();
        skipFallback_ = 0;
        dirty_ = true;
      } else if (c == '\\') {
        ControlSequence();
      } else if (c == '\0') {
        return Fail(kNotRtf);
      } else if (c != '\r' && c != '\n') {
        Unit([&] { Byte(static_cast<unsigned char>(c)); });
      }
      if (!error_.empty()) return Fail(error_);
    }
    return Fail(kTruncated);
  }

 private:
  GroupState& State() { return stack_.back(); }

  TapeReadResult Fail(const char* reason) { return {{}, reason}; }
  TapeReadResult Fail(const std::string& reason) { return {{}, reason}; }

  TapeReadResult Finish() {
    if (!paragraph_.runs.empty() || highSurrogate_ != 0) EndParagraph();
    return {std::move(document_), {}};
  }

  // One character of the text: dropped while the fallback of a \uN is being skipped.
  template <typename Action>
  void Unit(Action action) {
    if (skipFallback_ > 0) {
      --skipFallback_;
    } else {
      action();
    }
  }

  void ControlSequence() {
    if (pos_ >= data_.size()) return;  // cut off: the open groups report it
    char c = data_[pos_];
    if (IsLetter(c)) {
      ControlWord();
    } else if (c == '\'') {
      ++pos_;
      int high = pos_ < data_.size() ? HexValue(data_[pos_]) : -1;
      int low = pos_ + 1 < data_.size() ? HexValue(data_[pos_ + 1]) : -1;
      if (high < 0 || low < 0) return;
      pos_ += 2;
      Unit([&] { Byte(static_cast<unsigned char>(high * 16 + low)); });
    } else {
      ++pos_;
      Unit([&] { ControlSymbol(c); });
    }
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Emit(static_cast<unsigned char>(c));
        break;
      case '~':
        Emit(0x00A0);
        break;
      case '_':
        Emit(0x2011);
        break;
      case '*':
        State().destination = Destination::Skip;
        break;
      case '\r':
      case '\n':
        EndParagraph();  // a backslash before a line end stands for \par
        break;
      default:
        break;  // \- (optional hyphen), \: and unknown symbols
    }
  }

  void ControlWord() {
    size_t start = pos_;
    while (pos_ < data_.size() && IsLetter(data_[pos_])) ++pos_;
    std::string_view name = data_.substr(start, pos_ - start);
    bool hasParam = false;
    bool negative = false;
    long param = 0;
    if (pos_ < data_.size() && data_[pos_] == '-' && pos_ + 1 < data_.size() &&
        IsDigit(data_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    while (pos_ < data_.size() && IsDigit(data_[pos_])) {
      hasParam = true;
      param = std::min(kMaxParam, param * 10 + (data_[pos_++] - '0'));
    }
    if (negative) param = -param;
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    dirty_ = true;

    RtfWord word = LookUpRtfWord(name);
    if (word == RtfWord::Bin) {
      // Binary data of the given length follows; it is never text.
      if (param > 0) {
        if (static_cast<size_t>(param) > data_.size() - pos_) {
          error_ = kTruncated;
          return;
        }
        pos_ += param;
      }
      return;
    }
    Unit([&] { Apply(word, hasParam, param); });
  }

  void Apply(RtfWord word, bool hasParam, long param) {
    GroupState& s = State();
    bool on = !hasParam || param != 0;
    switch (word) {
      case RtfWord::SkippedDestination:
        s.destination = Destination::Skip;
        break;
      case RtfWord::FontTable:
        if (s.destination != Destination::Skip) s.destination = Destination::FontTable;
        break;
      case RtfWord::ColorTable:
        if (s.destination != Destination::Skip) s.destination = Destination::ColorTable;
        break;
      case RtfWord::DefaultFont:
        defaultFont_ = static_cast<int>(param);
        break;
      case RtfWord::Font:
        if (s.destination == Destination::FontTable) {
          fontNumber_ = static_cast<int>(param);
          fontName_.clear();
        } else {
          s.font = static_cast<int>(param);
        }
        break;
      case RtfWord::FontSize:
        s.size = std::clamp(hasParam ? param : 24L, 2L, 3276L) / 2.0;
        break;
      case RtfWord::Bold:
        s.bold = on;
        break;
      case RtfWord::Italic:
        s.italic = on;
        break;
      case RtfWord::Underline:
        s.underline = on;
        break;
      case RtfWord::UnderlineNone:
        s.underline = false;
        break;
      case RtfWord::ColorIndex:
        s.color = static_cast<int>(param);
        break;
      case RtfWord::Red:
      case RtfWord::Green:
      case RtfWord::Blue: {
        int shift = word == RtfWord::Red ? 16 : word == RtfWord::Green ? 8 : 0;
        colorValue_ = (colorValue_ & ~(0xFF << shift)) |
                      static_cast<int32_t>(std::clamp(param, 0L, 255L) << shift);
        colorSet_ = true;
        break;
      }
      case RtfWord::Plain:
        s.font = -1;
        s.color = 0;
        s.size = 12;
        s.bold = s.italic = s.underline = false;
        break;
      case RtfWord::ParagraphDefault:
        s.alignment = Alignment::Left;
        break;
      case RtfWord::AlignLeft:
        s.alignment = Alignment::Left;
        break;
      case RtfWord::AlignRight:
        s.alignment = Alignment::Right;
        break;
      case RtfWord::AlignCenter:
        s.alignment = Alignment::Center;
        break;
      case RtfWord::AlignJustify:
        s.alignment = Alignment::Justify;
        break;
      case RtfWord::Paragraph:
        EndParagraph();
        break;
      case RtfWord::UnicodeSkip:
        s.unicodeSkip = static_cast<int>(std::clamp(param, 0L, 16L));
        break;
      case RtfWord::Unicode:
        if (param < 0) param += 65536;
        Emit(param >= 0 && param <= 0xFFFF ? static_cast<char32_t>(param) : kReplacementChar);
        skipFallback_ = s.unicodeSkip;
        break;
      case RtfWord::Tab:
        Emit('\t');
        break;
      default:
        if (char32_t c = RtfWordCharacter(word)) Emit(c);
        break;
    }
  }

  // A byte of text in the document's code page. Only Windows-1252 is known; \ansicpg naming
  // another one still reads as 1252 rather than failing.
  void Byte(unsigned char byte) {
    if (byte < 0x80) {
      Emit(byte);
      return;
    }
    std::string utf8 = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(&byte), 1));
    size_t at = 0;
    Emit(utf8.empty() ? kReplacementChar : NextCodePoint(utf8, at));
  }

  void Emit(char32_t c) {
    if (highSurrogate_ != 0) {
      char32_t high = highSurrogate_;
      highSurrogate_ = 0;
      if (IsLowSurrogate(c)) {
        Put(0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
        return;
      }
      Put(kReplacementChar);
    }
    if (IsHighSurrogate(c)) {
      highSurrogate_ = c;
    } else {
      Put(IsLowSurrogate(c) ? kReplacementChar : c);
    }
  }

  void Put(char32_t c) {
    switch (State().destination) {
      case Destination::Body:
        if (dirty_) {
          CharFormat format = CurrentFormat();
          if (paragraph_.runs.empty() || paragraph_.runs.back().format != format) {
            paragraph_.runs.push_back(TapeRun{"", std::move(format)});
          }
          dirty_ = false;
        }
        AppendUtf8(paragraph_.runs.back().text, c);
        break;
      case Destination::FontTable:
        if (c == ';') {
          fonts_[fontNumber_] = Trim(fontName_);
          fontName_.clear();
        } else {
          AppendUtf8(fontName_, c);
        }
        break;
      case Destination::ColorTable:
        if (c == ';') {
          colors_.push_back(colorSet_ ? colorValue_ : -1);
          colorValue_ = 0;
          colorSet_ = false;
        }
        break;
      case Destination::Skip:
        break;
    }
  }

  CharFormat CurrentFormat() const {
    const GroupState& s = stack_.back();
    CharFormat format;
    auto font = fonts_.find(s.font >= 0 ? s.font : defaultFont_);
    if (font == fonts_.end()) font = fonts_.find(defaultFont_);
    if (font != fonts_.end() && !font->second.empty()) format.font = font->second;
    format.size = s.size;
    format.bold = s.bold;
    format.italic = s.italic;
    format.underline = s.underline;
    // Index 0 is usually the automatic colour (an empty entry), shown as black.
    bool known = s.color >= 0 && static_cast<size_t>(s.color) < colors_.size();
    format.color = known && colors_[s.color] >= 0 ? colors_[s.color] : kTapeBlack;
    return format;
  }

  void EndParagraph() {
    if (State().destination != Destination::Body) return;
    if (highSurrogate_ != 0) {
      highSurrogate_ = 0;
      Put(kReplacementChar);
    }
    if (paragraph_.runs.empty()) paragraph_.runs.push_back(TapeRun{"", CurrentFormat()});
    paragraph_.alignment = State().alignment;
    NormalizeParagraph(paragraph_);
    document_.push_back(std::move(paragraph_));
    paragraph_ = {};
    dirty_ = true;
  }

  std::string_view data_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  std::string error_;
  int skipFallback_ = 0;
  char32_t highSurrogate_ = 0;
  // The current run's format must be looked up again after any control word or group change.
  bool dirty_ = true;

  std::map<int, std::string> fonts_;
  int defaultFont_ = 0;
  int fontNumber_ = 0;
  std::string fontName_;
  std::vector<int32_t> colors_;  // -1 for the automatic colour
  int32_t colorValue_ = 0;
  bool colorSet_ = false;

  TapeParagraph paragraph_;
  TapeDocument document_;
};

}  // namespace

bool LooksLikeRtf(std::string_view data) {
  return data.starts_with("{\\rtf");
}

TapeReadResult ReadRtf(std::string_view data) {
  return RtfParser(data).Parse();
}

}  // namespace qv

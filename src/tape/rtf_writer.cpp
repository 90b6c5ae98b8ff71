#include "tape/rtf_writer.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/utf8.h"

namespace qv {

namespace {

// The font or colour table: entries numbered in the order of their first use.
template <typename T>
class Table {
 public:
  size_t IndexOf(const T& value) {
    auto [entry, added] = index_.try_emplace(value, entries_.size());
    if (added) entries_.push_back(value);
    return entry->second;
  }
  const std::vector<T>& Entries() const { return entries_; }

 private:
  std::map<T, size_t> index_;
  std::vector<T> entries_;
};

void AppendUnit(std::string& out, char32_t unit) {
  // \u takes a signed 16-bit number; '?' is the fallback for readers without Unicode.
  int value = static_cast<int>(unit);
  if (value > 32767) value -= 65536;
  out += "\\u";
  out += std::to_string(value);
  out += '?';
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    char32_t c = NextCodePoint(text, pos);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c >= 0x20 && c < 0x80) {
      out += static_cast<char>(c);
    } else if (c > 0xFFFF) {
      c -= 0x10000;
      AppendUnit(out, 0xD800 + (c >> 10));
      AppendUnit(out, 0xDC00 + (c & 0x3FF));
    } else {
      AppendUnit(out, c);
    }
  }
}

const char* AlignmentWord(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return "\\ql";
    case Alignment::Center:
      return "\\qc";
    case Alignment::Justify:
      return "\\qj";
    case Alignment::Right:
      break;
  }
  return "\\qr";
}

}  // namespace

std::string WriteRtf(const TapeDocument& document) {
  Table<std::string> fonts;
  fonts.IndexOf("Arial");  // \deff0: the tape's default font
  Table<int32_t> colors;
  std::string body;
  body.reserve(document.size() * 48);
  for (const TapeParagraph& line : document) {
    body += "\\pard";
    body += AlignmentWord(line.alignment);
    for (const TapeRun& run : line.runs) {
      const CharFormat& f = run.format;
      body += "\\plain\\f" + std::to_string(fonts.IndexOf(f.font));
      body += "\\fs" + std::to_string(std::lround(f.size * 2));
      if (f.bold) body += "\\b";
      if (f.italic) body += "\\i";
      if (f.underline) body += "\\ul";
      // Entry 0 of the colour table is the automatic colour; ours start at 1.
      body += "\\cf" + std::to_string(colors.IndexOf(f.color) + 1);
      body += ' ';
      AppendEscaped(body, run.text);
    }
    body += "\\par\r\n";
  }

  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
  for (size_t i = 0; i < fonts.Entries().size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
    std::string name;
    for (char c : fonts.Entries()[i]) {
      if (c != ';') name += c;
    }
    AppendEscaped(out, name);
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (int32_t color : colors.Entries()) {
    out += "\\red" + std::to_string((color >> 16) & 0xFF) + "\\green" +
           std::to_string((color >> 8) & 0xFF) + "\\blue" + std::to_string(color & 0xFF) + ";";
  }
  out += "}\r\n";
  out += body;
  out += "}\r\n";
  return out;
}

}  // namespace qv

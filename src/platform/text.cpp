#include "platform/text.h"

#include "platform/utf8.h"

#include <algorithm>

namespace qv {

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Byte offset of character index `chars` (the text's size when it has fewer characters).
size_t ByteOffset(std::string_view text, size_t chars) {
  size_t pos = 0;
  for (size_t seen = 0; pos < text.size(); ++pos) {
    if (!IsContinuation(static_cast<unsigned char>(text[pos])) && seen++ == chars) return pos;
  }
  return text.size();
}

// Windows-1252 at 0x80-0x9F; the five unassigned bytes keep their own code points.
constexpr unsigned short kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

size_t CharLength(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return !IsContinuation(static_cast<unsigned char>(c));
  }));
}

std::string CharSubstr(std::string_view text, size_t first, size_t count) {
  const size_t begin = ByteOffset(text, first);
  const std::string_view rest = text.substr(begin);
  return std::string(
      rest.substr(0, count == std::string::npos ? rest.size() : ByteOffset(rest, count)));
}

std::string LastChar(std::string_view text) {
  size_t start = text.size();
  while (start > 0 && IsContinuation(static_cast<unsigned char>(text[--start]))) {
  }
  return std::string(text.substr(start));
}

std::string DropLastChar(std::string_view text) {
  return std::string(text.substr(0, text.size() - LastChar(text).size()));
}

size_t CharFind(std::string_view text, std::string_view needle, size_t fromChar) {
  const size_t at = text.find(needle, ByteOffset(text, fromChar));
  return at == std::string_view::npos ? std::string::npos : CharLength(text.substr(0, at));
}

bool Contains(std::string_view text, std::string_view needle) {
  return text.find(needle) != std::string_view::npos;
}

std::string ReplaceFirst(std::string_view text, std::string_view from, std::string_view to) {
  std::string out(text);
  const size_t at = from.empty() ? std::string::npos : out.find(from);
  if (at != std::string::npos) out.replace(at, from.size(), to);
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  size_t pos = 0;
  for (size_t at; (at = text.find(from, pos)) != std::string_view::npos; pos = at + from.size()) {
    out.append(text.substr(pos, at - pos)).append(to);
  }
  return out.append(text.substr(pos));
}

// Blanks and control characters go at both ends, as the runtime's Trim does.
std::string Trim(std::string_view text) {
  const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    size_t length = 0;
    unsigned min = 0, codePoint = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, min = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, min = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, min = 0x10000, codePoint = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
      if (!IsContinuation(next)) return false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte);
  }
  return out;
}

}  // namespace qv

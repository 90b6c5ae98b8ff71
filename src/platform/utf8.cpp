#include "platform/utf8.h"

namespace qv {

void AppendUtf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementChar;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int extra = lead >= 0xF0 && lead < 0xF5   ? 3
              : lead >= 0xE0 && lead < 0xF0 ? 2
              : lead >= 0xC2 && lead < 0xE0 ? 1
                                            : 0;
  if (extra == 0 || pos + extra >= text.size()) {
    ++pos;
    return kReplacementChar;
  }
  char32_t c = lead & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return kReplacementChar;
    }
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return kReplacementChar;
  }
  pos += extra + 1;
  return c;
}

}  // namespace qv

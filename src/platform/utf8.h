#pragma once
// Code points in and out of UTF-8, as the RTF reader and writer need them.
#include <string>
#include <string_view>

namespace qv {

constexpr char32_t kReplacementChar = 0xFFFD;

// Appends the code point; surrogates and values beyond U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// Reads the code point at pos and advances pos; a malformed sequence yields U+FFFD and
// advances by one byte.
char32_t NextCodePoint(std::string_view text, size_t& pos);

}  // namespace qv

#pragma once
// Character-level helpers on UTF-8 texts: "€", "²", "µ" and "—" count as one character.
#include <string>
#include <string_view>

namespace qv {

size_t CharLength(std::string_view text);
// Characters [first, first+count) (0-based, in characters).
std::string CharSubstr(std::string_view text, size_t first, size_t count = std::string::npos);
// The last character ("" for an empty text), and the text without it.
std::string LastChar(std::string_view text);
std::string DropLastChar(std::string_view text);
// 0-based character index of the first occurrence of needle, or npos.
size_t CharFind(std::string_view text, std::string_view needle, size_t fromChar = 0);
bool Contains(std::string_view text, std::string_view needle);
// Replaces the first occurrence of from by to.
std::string ReplaceFirst(std::string_view text, std::string_view from, std::string_view to);
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);
std::string Trim(std::string_view text);
// ASCII case folding, for names matched without regard to case.
std::string LowerAscii(std::string_view text);
bool IsValidUtf8(std::string_view bytes);
// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace qv

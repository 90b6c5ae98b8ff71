#include <gtest/gtest.h>

#include "platform/text.h"

namespace qv {
namespace {

TEST(Text, MultiByteCharactersCountAsOne) {
  EXPECT_EQ(CharLength(""), 0u);
  EXPECT_EQ(CharLength("€"), 1u);
  EXPECT_EQ(CharLength("x²"), 2u);
  EXPECT_EQ(CharLength("a—b µ"), 5u);
  EXPECT_EQ(CharLength("12,50 €"), 7u);
  EXPECT_EQ(CharLength("\xF0\x9F\x98\x80"), 1u);
}

TEST(Text, SubstringsAreCutAtCharacters) {
  EXPECT_EQ(CharSubstr("a€b²c", 1, 3), "€b²");
  EXPECT_EQ(CharSubstr("a€b", 1), "€b");
  EXPECT_EQ(CharSubstr("a€b", 0, 2), "a€");
  EXPECT_EQ(CharSubstr("a€b", 5), "");
  EXPECT_EQ(CharSubstr("a€b", 2, 99), "b");
}

TEST(Text, LastCharacter) {
  EXPECT_EQ(LastChar("12 €"), "€");
  EXPECT_EQ(LastChar("x²"), "²");
  EXPECT_EQ(LastChar("5"), "5");
  EXPECT_EQ(LastChar(""), "");
  EXPECT_EQ(DropLastChar("12 €"), "12 ");
  EXPECT_EQ(DropLastChar("€"), "");
  EXPECT_EQ(DropLastChar(""), "");
}

TEST(Text, FindCountsCharacters) {
  EXPECT_EQ(CharFind("€ 12,5", ","), 4u);
  EXPECT_EQ(CharFind("a,b,c", ",", 2), 3u);
  EXPECT_EQ(CharFind("a€b€", "€", 2), 3u);
  EXPECT_EQ(CharFind("abc", "x"), std::string::npos);
  EXPECT_EQ(CharFind("abc", "a", 9), std::string::npos);
  EXPECT_TRUE(Contains("12,50 €", "€"));
  EXPECT_FALSE(Contains("12,50", "."));
}

TEST(Text, Replacing) {
  EXPECT_EQ(ReplaceFirst("1,2,3", ",", "."), "1.2,3");
  EXPECT_EQ(ReplaceFirst("123", ",", "."), "123");
  EXPECT_EQ(ReplaceAll("1,2,3", ",", ""), "123");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("x€y€", "€", "EUR"), "xEURyEUR");
  EXPECT_EQ(ReplaceAll("abc", "", "-"), "abc");
  EXPECT_EQ(ReplaceFirst("abc", "", "-"), "abc");
}

TEST(Text, TrimAndCase) {
  EXPECT_EQ(Trim("\t x y \r\n"), "x y");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("€ "), "€");
  EXPECT_EQ(LowerAscii("ÄBc-Zz"), "Äbc-zz");
}

class ValidUtf8Test : public testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(ValidUtf8Test, IsStrict) {
  EXPECT_EQ(IsValidUtf8(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ValidUtf8Test,
    testing::Values(std::pair{"", true}, std::pair{"abc", true}, std::pair{"€ ² — µ", true},
                    std::pair{"\xF0\x9F\x98\x80", true}, std::pair{"\xF4\x8F\xBF\xBF", true},
                    std::pair{"\xC0\xAF", false},          // overlong "/"
                    std::pair{"\xE0\x80\xAF", false},      // overlong, three bytes
                    std::pair{"\xF0\x80\x80\xAF", false},  // overlong, four bytes
                    std::pair{"\xED\xA0\x80", false},      // surrogate
                    std::pair{"\xF4\x90\x80\x80", false},  // above U+10FFFF
                    std::pair{"\x80", false}, std::pair{"\xE2\x82", false},
                    std::pair{"\xE2\x82x", false}, std::pair{"a\xFF", false}));

TEST(Text, Windows1252) {
  EXPECT_EQ(Cp1252ToUtf8("abc"), "abc");
  EXPECT_EQ(Cp1252ToUtf8("12,50 \x80"), "12,50 €");
  EXPECT_EQ(Cp1252ToUtf8("\x96\x84\x93\x99"), "–„“™");
  EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\xB5\xB2"), "äöüßµ²");
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\u00A0");
}

TEST(Text, Windows1252GivesOneValidCharacterPerByte) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(CharLength(utf8), 255u);
}

}  // namespace
}  // namespace qv

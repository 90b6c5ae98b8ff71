#include "tape/rtf_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

std::vector<std::string> Texts(const TapeDocument& document) {
  std::vector<std::string> texts;
  for (const TapeParagraph& line : document) texts.push_back(line.Text());
  return texts;
}

struct TextCase {
  std::string name;
  std::string rtf;
  std::vector<std::string> lines;
};

class RtfTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(RtfTextTest, ReadsTheLines) {
  TapeReadResult result = ReadRtf(GetParam().rtf);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(Texts(result.document), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Snippets, RtfTextTest,
    testing::Values(
        TextCase{"Paragraphs", R"({\rtf1 eins\par zwei\par})", {"eins", "zwei"}},
        TextCase{"TextAfterTheLastPar", R"({\rtf1 eins\par zwei})", {"eins", "zwei"}},
        TextCase{"NoText", R"({\rtf1\ansi})", {}},
        TextCase{"EmptyParagraphs", R"({\rtf1 \par\par x\par})", {"", "", "x"}},
        TextCase{"LineBreakStartsALine", R"({\rtf1 a\line b\par})", {"a", "b"}},
        TextCase{"BackslashNewlineIsPar", "{\\rtf1 a\\\nb\\par}", {"a", "b"}},
        TextCase{"SourceLineEndsAreNoText", "{\\rtf1 a\r\nb\\par}", {"ab"}},
        TextCase{"Escapes", R"({\rtf1 \{a\}\\b\par})", {"{a}\\b"}},
        TextCase{"Tab", R"({\rtf1 a\tab b	c\par})", {"a\tb\tc"}},
        TextCase{
            "Cp1252Hex", R"({\rtf1\ansi\ansicpg1252 Gr\'f6\'dfe \'80 \'97\par})", {"Größe € —"}},
        TextCase{"UnknownCodePageReadsAs1252", R"({\rtf1\ansi\ansicpg1251 \'e4\par})", {"ä"}},
        TextCase{"RawHighBytesAre1252", "{\\rtf1 \xe4\x80\\par}", {"ä€"}},
        TextCase{"UnicodeWithFallbackHex", R"({\rtf1\uc1 \u8364\'80 x\par})", {"€ x"}},
        TextCase{"UnicodeWithFallbackChar", R"({\rtf1 \u9644?\u-3?\par})", {"▬\uFFFD"}},
        TextCase{"UcZeroHasNoFallback", R"({\rtf1\uc0 \u228 b\par})", {"äb"}},
        TextCase{"UcTwoSkipsTwoUnits", R"({\rtf1\uc2 \u8212\'97\'97x\par})", {"—x"}},
        TextCase{"UcIsScopedByGroups", R"({\rtf1 {\uc2 \u228 ??}\u246 ?o\par})", {"äöo"}},
        TextCase{"BraceEndsTheFallback", R"({\rtf1\uc3 {\u228}x\par})", {"äx"}},
        TextCase{"NegativeUnicode", R"({\rtf1 \u-4064?\par})", {"\uF020"}},
        TextCase{"SurrogatePair", R"({\rtf1 \u-10179?\u-8684?\par})", {"\U0001F614"}},
        TextCase{"LoneSurrogates", R"({\rtf1 \u-10179?x\u-8492?\par})", {"\uFFFDx\uFFFD"}},
        TextCase{"HugeUnicode", R"({\rtf1 \u99999999999999999999?a\par})", {"\uFFFDa"}},
        TextCase{"CharacterWords",
                 R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\~\-\_\par})",
                 {"—–•‘’“”\u00A0\u2011"}},
        TextCase{"SkipsIgnorableDestinations",
                 R"({\rtf1 a{\*\generator Writer;}{\*\unknown {x}y}b\par})",
                 {"ab"}},
        TextCase{
            "SkipsKnownDestinations",
            R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}})"
            R"({\header Kopf\par}{\footer Fuss\par}a{\pict\pngblip 89504e47}b{\footnote x\par}c\par})",
            {"abc"}},
        TextCase{"FieldKeepsItsResult",
                 R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt Verweis}} da\par})",
                 {"Verweis da"}},
        TextCase{"UnknownWordsAreIgnored", R"({\rtf1\foo12\bar a\baz-3 b\par})", {"ab"}},
        TextCase{"BinaryDataIsSkipped", "{\\rtf1 {\\pict\\bin4 }{\\x}a\\par}", {"a"}},
        TextCase{"TextAfterTheDocumentIsIgnored", "{\\rtf1 a\\par}\r\n}junk{", {"a"}},
        TextCase{"NestedGroupsKeepTheText", R"({\rtf1 {{{{a}}}b}{c\par}})", {"abc"}}),
    [](const auto& info) { return info.param.name; });

struct RefusedCase {
  std::string name;
  std::string data;
  std::string error;
};

class RtfRefusedTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RtfRefusedTest, ReportsWhyInGerman) {
  TapeReadResult result = ReadRtf(GetParam().data);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error, GetParam().error);
  EXPECT_TRUE(result.document.empty());
}

const std::string kNotRtf = "Die Datei ist keine gültige RTF-Datei";
const std::string kTruncated = "Die RTF-Datei ist unvollständig";

INSTANTIATE_TEST_SUITE_P(
    Files, RtfRefusedTest,
    testing::Values(RefusedCase{"Empty", "", kNotRtf}, RefusedCase{"PlainText", "Hallo", kNotRtf},
                    RefusedCase{"CutOffInText", "{\\rtf1 a\\par b", kTruncated},
                    RefusedCase{"CutOffInGroup", "{\\rtf1 a\\par {\\b b}", kTruncated},
                    RefusedCase{"CutOffInWord", "{\\rtf1 a\\pa", kTruncated},
                    RefusedCase{"CutOffInHex", "{\\rtf1 a\\'e", kTruncated},
                    RefusedCase{"CutOffAfterBackslash", "{\\rtf1 a\\", kTruncated},
                    RefusedCase{"BinBeyondTheEnd", "{\\rtf1 \\bin999 ab}", kTruncated},
                    RefusedCase{"NulInside", std::string("{\\rtf1 a\0b}", 11), kNotRtf},
                    RefusedCase{"TooDeep",
                                "{\\rtf1 " + std::string(5000, '{') + std::string(5001, '}'),
                                "Die RTF-Datei ist zu tief verschachtelt"}),
    [](const auto& info) { return info.param.name; });

TEST(RtfReader, ThousandsOfNestedGroupsAreRead) {
  std::string rtf = "{\\rtf1 " + std::string(3000, '{') + "tief\\par" + std::string(3001, '}');
  TapeReadResult result = ReadRtf(rtf);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(Texts(result.document), std::vector<std::string>{"tief"});
}

TEST(RtfReader, ReadsFormattingOfRunsAndParagraphs) {
  TapeReadResult result = ReadRtf(
      R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss Arial;}{\f1\froman{\*\panose 0} Times New Roman;}})"
      R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
      R"(\pard\qr\f0\fs20\b 5 ^\par)"
      R"(\pard\qc\plain a{\b\i\ul\cf1\fs21 b}\ulnone c\par)"
      R"(\pard\qj\f0\cf2\b1 x\b0\i y\i0\ul z\ul0 w\par)"
      R"(\pard\f9\cf7 u\par})");
  ASSERT_TRUE(result.ok()) << result.error;
  const TapeDocument& doc = result.document;
  ASSERT_EQ(doc.size(), 4u);
  CharFormat arial{"Arial", 10, true, false, false, kTapeBlack};
  EXPECT_EQ(doc[0], (TapeParagraph{Alignment::Right, {{"5 ^", arial}}}));
  CharFormat times{"Times New Roman", 12, false, false, false, kTapeBlack};
  CharFormat red{"Times New Roman", 10.5, true, true, true, kTapeRed};
  EXPECT_EQ(doc[1], (TapeParagraph{Alignment::Center, {{"a", times}, {"b", red}, {"c", times}}}));
  CharFormat green{"Arial", 12, true, false, false, kTapeGreen};
  EXPECT_EQ(doc[2].alignment, Alignment::Justify);
  ASSERT_EQ(doc[2].runs.size(), 4u);
  EXPECT_EQ(doc[2].runs[0], (TapeRun{"x", green}));
  EXPECT_EQ(doc[2].runs[1].format, (CharFormat{"Arial", 12, false, true, false, kTapeGreen}));
  EXPECT_EQ(doc[2].runs[3].format, (CharFormat{"Arial", 12, false, false, false, kTapeGreen}));
  // An unknown font and colour fall back to the default font and black.
  EXPECT_EQ(doc[3], (TapeParagraph{Alignment::Left, {{"u", times}}}));
}

TEST(RtfReader, EmptyLineKeepsTheFormatInForceAtItsEnd) {
  TapeReadResult result = ReadRtf(R"({\rtf1{\fonttbl{\f0 Arial;}}\pard\qr\f0\fs16\b\par})");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.document, (TapeDocument{{Alignment::Right, {{"", {"Arial", 8, true}}}}}));
}

TEST(RtfReader, ParInsideASkippedDestinationEndsNoLine) {
  TapeReadResult result = ReadRtf(R"({\rtf1 a{\*\x b\par c}d\par})");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(Texts(result.document), std::vector<std::string>{"ad"});
}

}  // namespace
}  // namespace qv

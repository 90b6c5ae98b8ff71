// Files written by a word processor (LibreOffice Writer 7.4, from the sources in
// tests/data/sources: "soffice --headless --convert-to rtf") read into exactly these lines.
#include <gtest/gtest.h>

#include <string>

#include "tape/tape_file.h"

namespace qv {
namespace {

TapeDocument Load(const std::string& name) {
  TapeReadResult result = LoadTapeFile(std::string(QV_TEST_DATA_DIR) + "/" + name, TapeStyle{});
  EXPECT_TRUE(result.ok()) << result.error;
  return result.document;
}

CharFormat Format(const std::string& font, double size, bool bold, int32_t color = kTapeBlack) {
  return {font, size, bold, false, false, color};
}

TEST(RtfFixture, PageFromHtmlWithPictureColoursSizesAndAlignments) {
  TapeDocument doc = Load("libreoffice_from_html.rtf");
  ASSERT_EQ(doc.size(), 7u);
  EXPECT_EQ(doc[0], (TapeParagraph{Alignment::Right, {{"125 ^", Format("Arial", 10, true)}}}));
  EXPECT_EQ(doc[1],
            (TapeParagraph{Alignment::Right, {{"-3 -", Format("Arial", 12, true, kTapeRed)}}}));
  EXPECT_EQ(doc[2], (TapeParagraph{Alignment::Center,
                                   {{"Größe € zentriert", Format("Times New Roman", 14, false)}}}));
  CharFormat small = Format("Arial", 9, false);
  CharFormat italic = small;
  italic.italic = true;
  CharFormat underlined = small;
  underlined.underline = true;
  EXPECT_EQ(doc[3], (TapeParagraph{Alignment::Left,
                                   {{"Kommentar", italic},
                                    {" mit ", small},
                                    {"Unterstrich", underlined},
                                    {" und ", small},
                                    {"grün", Format("Arial", 9, false, kTapeGreen)}}}));
  EXPECT_EQ(doc[4], (TapeParagraph{
                        Alignment::Justify,
                        {{"Blocksatz — {Klammern} \\Backslash ▬", Format("Arial", 12, false)}}}));
  // The picture is skipped, the text after it kept.
  EXPECT_EQ(doc[5], (TapeParagraph{Alignment::Right,
                                   {{" nach dem Bild", Format("Liberation Serif", 12, false)}}}));
  EXPECT_EQ(doc[6], (TapeParagraph{Alignment::Right, {{"128 T", Format("Arial", 10, true)}}}));
}

TEST(RtfFixture, DocumentWithHeaderFooterFootnoteLinkAndEmptyLine) {
  TapeDocument doc = Load("libreoffice_from_odt.rtf");
  ASSERT_EQ(doc.size(), 5u);
  EXPECT_EQ(doc[0], (TapeParagraph{Alignment::Right, {{"1.234,56 ^", Format("Arial", 10, true)}}}));
  EXPECT_EQ(doc[1],
            (TapeParagraph{Alignment::Right, {{"-7,5 -", Format("Arial", 10, true, kTapeRed)}}}));
  EXPECT_EQ(doc[2], (TapeParagraph{Alignment::Right, {{"", Format("Arial", 10, true)}}}));
  CharFormat courier = Format("Courier New", 11, false);
  CharFormat link = Format("Courier New", 11, false, 0x000080);
  link.underline = true;
  EXPECT_EQ(doc[3],
            (TapeParagraph{Alignment::Center,
                           {{"Öl, Übermaß ", courier}, {"Verweis", link}, {" Ende", courier}}}));
  CharFormat note = Format("Arial", 8, false);
  note.italic = true;
  EXPECT_EQ(doc[4],
            (TapeParagraph{Alignment::Right,
                           {{"Tab\tdanach ", Format("Arial", 10, true)}, {"klein kursiv", note}}}));
}

TEST(TextFixture, Windows1252TextWithMixedLineEnds) {
  TapeStyle style;
  style.format = Format("Arial", 11, false, kTapeGreen);
  TapeReadResult result =
      LoadTapeFile(std::string(QV_TEST_DATA_DIR) + "/tape_windows1252.txt", style);
  ASSERT_TRUE(result.ok()) << result.error;
  TapeDocument expected;
  for (const char* line : {"Summe: 1.234,56 €", "Größe ^", "", "Übertrag — Ende", "letzte"}) {
    expected.push_back(MakeParagraph(line, style));
  }
  EXPECT_EQ(result.document, expected);
}

}  // namespace
}  // namespace qv

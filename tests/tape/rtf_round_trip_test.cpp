#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tape/rtf_reader.h"
#include "tape/rtf_writer.h"

namespace qv {
namespace {

// Pieces a tape line is made of: markers, umlauts, the characters that need escaping in RTF,
// non-ASCII symbols the writers use and one character beyond the BMP.
const std::vector<std::string> kPieces = {
    "0", "1,5", "1.234,56", " ^", " +", " T", "-",  " ", "Ä", "ö", "ß",   "€", "—",
    "▬", "²",   "µ",        "{",  "}",  "\\", "\t", "?", ";", "x", "=  ", "😀", "\x01"};
const std::vector<std::string> kFonts = {"Arial", "Times New Roman", "Courier New", "Ärial"};
const std::vector<int32_t> kColors = {kTapeBlack, kTapeRed, kTapeGreen, 0x123456, 0xFFFFFF};
const std::vector<double> kSizes = {8, 9, 10, 10.5, 11, 12, 72};

TapeDocument RandomTape(std::mt19937& random) {
  auto pick = [&](const auto& table) { return table[random() % table.size()]; };
  TapeDocument document(random() % 40);
  for (TapeParagraph& line : document) {
    line.alignment = static_cast<Alignment>(random() % 4);
    size_t runs = 1 + random() % 3;
    for (size_t r = 0; r < runs; ++r) {
      TapeRun run;
      for (size_t n = random() % 6; n > 0; --n) run.text += pick(kPieces);
      run.format = {pick(kFonts),      pick(kSizes),      random() % 2 == 1,
                    random() % 2 == 1, random() % 2 == 1, pick(kColors)};
      line.runs.push_back(run);
    }
    NormalizeParagraph(line);
  }
  return document;
}

class RtfRoundTripTest : public testing::TestWithParam<unsigned> {};

TEST_P(RtfRoundTripTest, TapeReadsBackAsWritten) {
  std::mt19937 random(GetParam());
  for (int i = 0; i < 20; ++i) {
    TapeDocument tape = RandomTape(random);
    std::string rtf = WriteRtf(tape);
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "RTF is pure ASCII";
    TapeReadResult read = ReadRtf(rtf);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.document, tape) << rtf;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RtfRoundTripTest, testing::Range(1u, 26u));

TEST(RtfRoundTrip, EmptyTapesStayEmpty) {
  for (const TapeDocument& tape : {TapeDocument{}, TapeDocument{MakeParagraph("", TapeStyle{})}}) {
    TapeReadResult read = ReadRtf(WriteRtf(tape));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.document, tape);
  }
}

TEST(RtfWriter, WritesStandardControlWords) {
  TapeStyle style;
  style.format = {"Arial", 10, true, false, true, kTapeRed};
  style.alignment = Alignment::Center;
  std::string rtf = WriteRtf({MakeParagraph("{€} \\ 😀", style)});
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\colortbl ;\\red255\\green0\\blue0;}"), std::string::npos);
  EXPECT_NE(rtf.find("\\pard\\qc\\plain\\f0\\fs20\\b\\ul\\cf1 \\{\\u8364?\\} \\\\ "
                     "\\u-10179?\\u-8704?\\par"),
            std::string::npos)
      << rtf;
}

}  // namespace
}  // namespace qv

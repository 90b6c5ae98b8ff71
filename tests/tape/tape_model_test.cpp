#include "tape/tape_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

TapeModel TapeOf(const std::vector<std::string>& lines) {
  TapeModel tape;
  tape.TapeClear();
  for (const std::string& line : lines) tape.TapeAppendLine(line);
  return tape;
}

std::vector<std::string> LinesOf(const TapeModel& tape) {
  std::vector<std::string> lines;
  for (int i = 0; i < tape.TapeLineCount(); ++i) lines.push_back(tape.TapeLine(i));
  return lines;
}

TEST(TapeModel, NewTapeHoldsOneEmptyLineAndCountsAsEmpty) {
  TapeModel tape;
  EXPECT_EQ(tape.TapeLineCount(), 1);
  EXPECT_EQ(tape.TapeLine(0), "");
  EXPECT_FALSE(tape.TapeHasContent());
  EXPECT_EQ(tape.TapeText(), "\r\n");
  EXPECT_EQ(tape.TapeTextLength(), 2u);
  EXPECT_EQ(tape.Style().format, (CharFormat{"Arial", 10, true, false, false, kTapeBlack}));
  EXPECT_EQ(tape.Style().alignment, Alignment::Right);
}

TEST(TapeModel, ClearedTapeHasNoLinesAndAnEmptyText) {
  TapeModel tape = TapeOf({"5 ^", "3 +"});
  tape.TapeClear();
  EXPECT_EQ(tape.TapeLineCount(), 0);
  EXPECT_FALSE(tape.TapeHasContent());
  EXPECT_EQ(tape.TapeText(), "");
  EXPECT_EQ(tape.TapeTextLength(), 0u);
}

TEST(TapeModel, ContentMeansMoreThanOneLine) {
  EXPECT_FALSE(TapeOf({"125 ^"}).TapeHasContent());
  EXPECT_TRUE(TapeOf({"", ""}).TapeHasContent());
}

TEST(TapeModel, LineOutsideTheTapeIsEmpty) {
  TapeModel tape = TapeOf({"5 ^"});
  EXPECT_EQ(tape.TapeLine(1), "");
  EXPECT_EQ(tape.TapeLine(-1), "");
  EXPECT_EQ(TapeOf({}).TapeLine(0), "");
}

TEST(TapeModel, TapeTextEndsEveryLineWithCrLfAndCountsCharacters) {
  TapeModel tape = TapeOf({"€ 12,50 ^", "", "——"});
  EXPECT_EQ(tape.TapeText(), "€ 12,50 ^\r\n\r\n——\r\n");
  EXPECT_EQ(tape.TapeTextLength(), 9u + 2 + 2 + 2 + 2);
  tape.TapeReplaceLastLine("▬");
  tape.TapeRemoveLastLine();
  EXPECT_EQ(tape.TapeTextLength(), 13u);
}

TEST(TapeModel, AppendedLineTakesACopyOfTheCurrentStyle) {
  TapeModel tape;
  tape.TapeSetStyle({.color = kTapeRed});
  tape.TapeAppendLine("-3 -");
  tape.TapeSetStyle(NoteStyle());
  tape.TapeAppendLine("€ 1,00 =");
  const TapeDocument& doc = tape.Document();
  ASSERT_EQ(doc.size(), 3u);
  EXPECT_EQ(doc[1].runs,
            (std::vector<TapeRun>{{"-3 -", {"Arial", 10, true, false, false, kTapeRed}}}));
  EXPECT_EQ(doc[2].runs,
            (std::vector<TapeRun>{{"€ 1,00 =", {"Arial", 8, false, false, false, kTapeRed}}}));
  EXPECT_EQ(doc[2].alignment, Alignment::Right);
}

TEST(TapeModel, PresetsSetTheirAttributesAndLeaveTheOthers) {
  TapeModel tape;
  tape.TapeSetStyle(
      {.font = "Courier", .underline = true, .color = kTapeGreen, .alignment = Alignment::Left});
  tape.TapeSetStyle(TapeCommandStyle());
  EXPECT_EQ(tape.Style(),
            (TapeStyle{{"Arial", 11, true, false, true, kTapeGreen}, Alignment::Right}));
  tape.TapeSetStyle(CommentStyle());
  EXPECT_EQ(tape.Style(),
            (TapeStyle{{"Arial", 11, false, true, false, kTapeBlack}, Alignment::Right}));
  tape.TapeSetStyle(EntryStyle());
  EXPECT_EQ(tape.Style(),
            (TapeStyle{{"Arial", 10, true, false, false, kTapeBlack}, Alignment::Right}));
}

struct StartEntryCase {
  std::vector<std::string> before;
  std::vector<std::string> after;
};

class TapeStartEntryTest : public testing::TestWithParam<StartEntryCase> {};

TEST_P(TapeStartEntryTest, PreparesANewBlock) {
  TapeModel tape = TapeOf(GetParam().before);
  tape.TapeStartEntry();
  EXPECT_EQ(LinesOf(tape), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TapeStartEntryTest,
    testing::Values(StartEntryCase{{}, {}},                        // no line: stays cleared
                    StartEntryCase{{""}, {}},                      // the new tape is cleared
                    StartEntryCase{{"125 ^"}, {"125 ^"}},          // a single line is kept
                    StartEntryCase{{"", "5 ^"}, {"", "5 ^", ""}},  // content: blank line
                    StartEntryCase{{"5 ^", "3 +"}, {"5 ^", "3 +", ""}}));

TEST(TapeModel, ReplaceLastLineKeepsTheLinesFormatNotTheCurrentStyle) {
  TapeModel tape;
  tape.TapeSetStyle(NoteStyle());
  tape.TapeAppendLine("[sin(x)]");
  tape.TapeSetStyle({.size = 10, .bold = true});
  tape.TapeReplaceLastLine("[sin(x)] f");
  const TapeParagraph& last = tape.Document().back();
  EXPECT_EQ(last.runs,
            (std::vector<TapeRun>{{"[sin(x)] f", {"Arial", 8, false, false, false, 0}}}));
  EXPECT_EQ(tape.TapeLineCount(), 2);
}

TEST(TapeModel, ReplaceLastLineOfAnEmptyTapeAppendsTheText) {
  TapeModel tape = TapeOf({});
  tape.TapeReplaceLastLine("12 ^");
  EXPECT_EQ(LinesOf(tape), std::vector<std::string>{"12 ^"});
}

TEST(TapeModel, RemoveLastLineOnAnEmptyTapeDoesNothing) {
  TapeModel tape = TapeOf({"1 ^"});
  tape.TapeRemoveLastLine();
  tape.TapeRemoveLastLine();
  EXPECT_EQ(tape.TapeLineCount(), 0);
  EXPECT_EQ(tape.TapeTextLength(), 0u);
}

struct TrimCase {
  std::vector<std::string> before;
  TapeLineEnd reported;
  int linesLeft;
};

class TapeTrimBlankEndTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TapeTrimBlankEndTest, RemovesTrailingBlankLinesAndReportsTheLast) {
  TapeModel tape = TapeOf(GetParam().before);
  EXPECT_EQ(tape.TapeTrimBlankEnd(), GetParam().reported);
  EXPECT_EQ(tape.TapeLineCount(), GetParam().linesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TapeTrimBlankEndTest,
    testing::Values(TrimCase{{}, {"", "#"}, 0}, TrimCase{{"", "", ""}, {"", "#"}, 0},
                    TrimCase{{"5 ^", "8 T"}, {"8 T", "T"}, 2},
                    TrimCase{{"5 ^", "8 T", "", ""}, {"8 T", "T"}, 2},
                    TrimCase{{"3 ^", "Q", "1,7320508 =", ""}, {"1,7320508 =", "="}, 3},
                    TrimCase{{"MwSt 19 %", "▬"}, {"▬", "▬"}, 2},
                    TrimCase{{"4 x²"}, {"4 x²", "²"}, 1},
                    // a line ending in a line break counts as blank
                    TrimCase{{"7 +", "x\r"}, {"7 +", "+"}, 1}));

struct RuleCase {
  std::string lastLine;
  std::string display;
  size_t hyphens;
};

class TapeAppendRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(TapeAppendRuleTest, HasTwiceTheLongerLengthPlusOneHyphens) {
  TapeModel tape = TapeOf({"5 ^", GetParam().lastLine});
  tape.TapeAppendRule(GetParam().display);
  EXPECT_EQ(tape.TapeLine(2), std::string(GetParam().hyphens, '-'));
  EXPECT_EQ(tape.TapeLineCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, TapeAppendRuleTest,
                         testing::Values(RuleCase{"1.234 +", "1.234,56", 17}, RuleCase{"", "", 1},
                                         RuleCase{"12345678 +", "3", 21},
                                         RuleCase{"€ 3,00 -", "€ 5", 17}));  // "€" is one

TEST(TapeModel, RuleOnAnEmptyTapeMeasuresTheDisplayOnly) {
  TapeModel tape = TapeOf({});
  tape.TapeAppendRule("12");
  EXPECT_EQ(LinesOf(tape), std::vector<std::string>{"-----"});
}

TEST(TapeModel, ReplaceDocumentNormalisesLinesAndRecountsTheText) {
  TapeModel tape;
  CharFormat bold{"Arial", 10, true, false, false, 0};
  tape.ReplaceDocument({TapeParagraph{Alignment::Left, {{"Ä", bold}, {"", bold}, {"b", bold}}},
                        TapeParagraph{Alignment::Center, {}}});
  ASSERT_EQ(tape.TapeLineCount(), 2);
  EXPECT_EQ(tape.Document()[0].runs, (std::vector<TapeRun>{{"Äb", bold}}));
  EXPECT_EQ(tape.Document()[1].runs.size(), 1u);
  EXPECT_EQ(tape.TapeTextLength(), 6u);
}

}  // namespace
}  // namespace qv

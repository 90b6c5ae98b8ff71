// The undo read back from the tape, for tape contents the keys alone reach only with effort:
// function results, repeat series with their sum line, comments, lines after a switch of the
// calculators. And the take-over from the other calculator's parked field 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "calculator/main_window.h"
#include "sandbox.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

namespace {

class CalculatorFixture : protected qvs::Sandbox {
 protected:
  void Start() {
    WriteSettings("[Config]\nDezimals=3\nTape=1\n");
    form = std::make_unique<qv::TForm1>(Ports());
    form->Show();
  }
  void Stop() { form.reset(); }
  std::vector<std::string> TapeLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < form->Frame41.Tape.TapeLineCount(); ++i)
      lines.push_back(form->Frame41.Tape.TapeLine(i));
    return lines;
  }
  std::vector<std::string> Messages() const {
    return {prompts.messages.begin(), prompts.messages.end()};
  }

  std::unique_ptr<qv::TForm1> form;
};

struct TapeUndoCase {
  const char* name;
  std::vector<std::string> tape;  // the tape before the undo
  const char* entry1;             // field 1 before the undo
  // Afterwards:
  std::vector<std::string> tapeAfter;
  const char* label1;
  const char* label3;
  const char* label2;
  char pendingOp;
  std::vector<std::string> messages;
};

class TapeUndoTest : public CalculatorFixture, public ::testing::TestWithParam<TapeUndoCase> {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { Stop(); }
};

TEST_P(TapeUndoTest, RebuildsTheFieldsFromTheLastLine) {
  const TapeUndoCase& c = GetParam();
  qv::TapeModel& tape = form->Frame41.Tape;
  tape.TapeClear();
  for (const std::string& line : c.tape) tape.TapeAppendLine(line);
  form->PutValueInActiveField(c.entry1);
  qv::RunGuarded(prompts, [&] { form->Button28.Click(); });
  EXPECT_EQ(TapeLines(), c.tapeAfter);
  EXPECT_EQ(form->Label1.Text(), c.label1);
  EXPECT_EQ(form->Label3.Text(), c.label3);
  EXPECT_EQ(form->Label2.Text(), c.label2);
  EXPECT_EQ(form->S.PendingOp, c.pendingOp);
  EXPECT_EQ(Messages(), c.messages);
}

using Lines = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Tapes, TapeUndoTest,
    ::testing::Values(
        TapeUndoCase{"Total",
                     {"5 ^", "3 +", "-------", "8 T"},
                     "8",
                     {"5 ^", "3 +", "-------"},
                     "8",
                     "",
                     "",
                     '0',
                     {}},
        TapeUndoCase{"Rule", {"5 ^", "3 +", "-------"}, "8", {"5 ^", "3 +"}, "8", "", "", '0', {}},
        TapeUndoCase{"Sum", {"5 ^", "3 +"}, "8", {"5 ^"}, "5", "3", "+", '+', {}},
        TapeUndoCase{"Difference", {"5 ^", "3 -"}, "2", {"5 ^"}, "5", "3", "-", '-', {}},
        TapeUndoCase{"Product", {"6 ^", "2 x"}, "12", {"6 ^"}, "6", "2", "x", 'x', {}},
        TapeUndoCase{"Quotient", {"8 ^", "4 /"}, "2", {"8 ^"}, "8", "4", "/", '/', {}},
        TapeUndoCase{"ThousandPointsAndComma",
                     {"1.000 ^", "1.234,5 +"},
                     "2234.5",
                     {"1.000 ^"},
                     "1000",
                     "1234,5",
                     "+",
                     '+',
                     {}},
        TapeUndoCase{"StartLine", {"", "7 ^"}, "9", {""}, "7", "", "", '0', {}},
        TapeUndoCase{
            "BlankLinesAreTrimmed", {"5 ^", "3 +", "", ""}, "8", {"5 ^"}, "5", "3", "+", '+', {}},
        TapeUndoCase{"Subtotal", {"5 ^", "3 +", "8 S"}, "8", {"5 ^", "3 +"}, "8", "", "", '0', {}},
        // A repeat series: the " Z" line holds the sum of the operands added by the series.
        TapeUndoCase{
            "SeriesSum", {"5 ^", "2x   3 +", "6 Z"}, "11", {"5 ^"}, "5", "6", "+", '+', {}},
        // A confirmed function: its "=" line and its marker line go, the start line comes back.
        TapeUndoCase{"Function", {"", "9 ^", "Q", "3 ="}, "3", {""}, "9", "", "", '0', {}},
        TapeUndoCase{"FunctionToBase", {"", "8 ^", "L2", "3 ="}, "3", {""}, "8", "", "", '0', {}},
        TapeUndoCase{"PercentLine", {"200 ^", "10 %"}, "20", {"200 ^"}, "20", "", "", '0', {}},
        TapeUndoCase{"Comment", {"5 ^", "Einkauf am Montag"}, "5", {"5 ^"}, "5", "", "", '0', {}},
        TapeUndoCase{"ShortLine", {"5 ^", "ab"}, "5", {"5 ^"}, "5", "", "", '0', {}},
        TapeUndoCase{"SwitchPrefix", {"5 ^", "(R2) 12 ^"}, "5", {"5 ^"}, "12", "", "", '0', {}},
        TapeUndoCase{"ShortSwitchLine", {"5 ^", "(R2) 1"}, "5", {"5 ^"}, "5", "", "", '0', {}},
        TapeUndoCase{"NegativeTotal",
                     {"2 ^", "5 -", "-------", "-3 T"},
                     "-3",
                     {"2 ^", "5 -", "-------"},
                     "-3",
                     "",
                     "",
                     '0',
                     {}},
        TapeUndoCase{"Unreadable",
                     {"5 ^", "1.2.3 +"},
                     "5",
                     {"5 ^", "1.2.3 +"},
                     "5",
                     "",
                     "",
                     '0',
                     {"Zahl ist ungültig!"}},
        // Obvious readings mended: the bracketed amount and a repeat count are no part of
        // the operand.
        TapeUndoCase{"AddedPercentage",
                     {"200 ^", "10 +% (20,00)"},
                     "220",
                     {"200 ^"},
                     "200",
                     "10",
                     "+%",
                     '%',
                     {}},
        TapeUndoCase{"SubtractedPercentage",
                     {"200 ^", "10 -% (20,00)"},
                     "180",
                     {"200 ^"},
                     "200",
                     "10",
                     "-%",
                     '%',
                     {}},
        TapeUndoCase{
            "RepeatedSubtraction", {"7 ^", "3x   1 -"}, "4", {"7 ^"}, "7", "1", "-", '-', {}},
        TapeUndoCase{"RepeatedProduct", {"2 ^", "3x   3 x"}, "54", {"2 ^"}, "2", "3", "x", 'x', {}},
        TapeUndoCase{"OnlyLine", {"5 ^"}, "7", {"5 ^"}, "7", "", "", '0', {}},
        TapeUndoCase{"DivisionByZeroFallsBackToTheSnapshot",
                     {"5 ^", "0 x"},
                     "4",
                     {"5 ^", "0 x"},
                     "0",
                     "",
                     "",
                     '0',
                     {"Fehler beim Rückgängig im Tape"}}),
    [](const auto& info) { return std::string(info.param.name); });

class TakeOverTest : public CalculatorFixture, public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { Stop(); }
};

TEST_F(TakeOverTest, ReadsTheOtherCalculatorsParkedFieldOne) {
  form->S.Slots[1].Entry1 = qv::CanonicalText(42);
  form->Button44.Click();
  EXPECT_EQ(form->Label1.Text(), "42");
  EXPECT_EQ(form->S.Entry1, qv::CanonicalText(42));
  // Field 2 takes it without asking; while R2 is shown, R1's slot is the other one.
  form->Button14.Click();
  form->R1.SetDown(false);
  form->R2.SetDown(true);
  form->S.Slots[0].Entry1 = qv::CanonicalText(7);
  form->Button44.Click();
  EXPECT_EQ(form->Label3.Text(), "7");
  EXPECT_TRUE(prompts.messages.empty());
}

class StepKeysTest : public CalculatorFixture, public ::testing::Test {
 protected:
  void SetUp() override { Start(); }
  void TearDown() override { Stop(); }
};

TEST_F(StepKeysTest, StepByOneUntilAFactorIsEntered) {
  form->DigitKey('5');
  form->StepField1(1);
  EXPECT_EQ(form->Label1.Text(), "6");
  EXPECT_EQ(form->S.StepFactor, 1);
  form->StepField1(-1);
  form->StepField1(-1);
  EXPECT_EQ(form->Label1.Text(), "4");
  prompts.answers.push_back({qvs::QueuedAnswer::Text, "0,5"});
  form->AskStepFactor();
  form->StepField1(1);
  EXPECT_EQ(form->Label1.Text(), "4,5");
  EXPECT_EQ(form->S.Entry1, qv::CanonicalText(4.5L));
}

}  // namespace

// "=" for a pending one-operand function: the input boxes for a base and an exponent, the
// markers, the silent refusals, the exponential overflow and the faults of the general handler.
// The function keys only set the function pending and press "="; this drives that directly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calculator/main_window.h"
#include "sandbox.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

namespace {

struct FunctionCase {
  const char* name;
  const char* entry1;
  char op;
  std::vector<qvs::QueuedAnswer> answers;
  // Messages shown, in order (an input box as "title: prompt").
  std::vector<std::string> messages;
  // Field 2 and its marker afterwards; both empty when nothing was computed.
  const char* label3;
  const char* label2;
};

qvs::QueuedAnswer Text(const char* text) {
  return {qvs::QueuedAnswer::Text, text};
}

const char* const kBaseBox = "Basiszahl: Bitte Basiszahl eingeben! (min 2)";
const char* const kExponentBox = "Exponent: Bitte den Exponenten eingeben!";

class FunctionEvaluationTest : public ::testing::TestWithParam<FunctionCase>,
                               protected qvs::Sandbox {
 protected:
  void SetUp() override {
    WriteSettings("[Config]\nDezimals=3\nTape=1\n");
    form = std::make_unique<qv::TForm1>(Ports());
    form->Show();
  }
  void TearDown() override { form.reset(); }

  // Types field 1 and leaves the calculator as a function key does before it presses "=".
  void PressFunction(const std::string& entry1, char op) {
    for (char c : entry1) {
      if (c == '-')
        form->Button27.Click();
      else
        form->DigitKey(c);
    }
    qv::TForm1& f = *form;
    f.S.ChainKind = 2;
    f.S.PendingOp = op;
    f.S.LastAction = f.S.InputState == 3 ? 7 : 1;
    f.S.InputState = 2;
    qv::RunGuarded(prompts, [&] { f.Evaluate(); });
  }

  std::unique_ptr<qv::TForm1> form;
};

TEST_P(FunctionEvaluationTest, ComputesIntoField2OrChangesNothing) {
  const FunctionCase& c = GetParam();
  prompts.answers.assign(c.answers.begin(), c.answers.end());
  PressFunction(c.entry1, c.op);
  EXPECT_EQ(std::vector<std::string>(prompts.messages.begin(), prompts.messages.end()), c.messages);
  EXPECT_EQ(form->Label3.Text(), c.label3);
  EXPECT_EQ(form->Label2.Text(), c.label2);
  const bool computed = *c.label3 != '\0';
  // A result waits in field 2 with field 1 active; otherwise the function is still pending.
  EXPECT_EQ(form->S.InputState, computed ? 1 : 2);
  EXPECT_EQ(form->S.LastAction, computed ? 0 : 1);
  EXPECT_EQ(form->S.PendingOp, c.op);
  EXPECT_EQ(form->Label1.Text(), c.entry1);
  EXPECT_TRUE(prompts.answers.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Functions, FunctionEvaluationTest,
    ::testing::Values(
        FunctionCase{"SquareRoot", "9", 's', {}, {}, "3", "Q"},
        FunctionCase{"Square", "3", 'q', {}, {}, "9", "X²"},
        FunctionCase{"NaturalLog", "1", 'l', {}, {}, "0", "Ln"},
        FunctionCase{"NaturalLogOfZeroDoesNothing", "0", 'l', {}, {}, "", ""},
        FunctionCase{"Log10", "1000", 'd', {}, {}, "3", "L10"},
        FunctionCase{"Log10OfNegativeDoesNothing", "-5", 'd', {}, {}, "", ""},
        FunctionCase{"Exponential", "0", 'e', {}, {}, "1", "exp"},
        FunctionCase{"LogToBase", "8", 'n', {Text("2")}, {kBaseBox}, "3", "L2"},
        FunctionCase{"LogToBaseWithComma", "8", 'n', {Text("2,0")}, {kBaseBox}, "3", "L2.0"},
        FunctionCase{"BaseBelowTwoDoesNothing", "8", 'n', {Text("1,5")}, {kBaseBox}, "", ""},
        FunctionCase{"CancelledBaseDoesNothing",
                     "8",
                     'n',
                     {{qvs::QueuedAnswer::Cancel, ""}},
                     {kBaseBox},
                     "",
                     ""},
        FunctionCase{"LogOfNegativeIsInvalid",
                     "-8",
                     'n',
                     {Text("2")},
                     {kBaseBox, "Ungültige Gleitkommaoperation."},
                     "",
                     ""},
        FunctionCase{"LogOfZeroDividesByZero",
                     "0",
                     'n',
                     {Text("2")},
                     {kBaseBox, "Gleitkommadivision durch Null."},
                     "",
                     ""},
        FunctionCase{"Power", "2", 'm', {Text("10")}, {kExponentBox}, "1024", "H10"},
        FunctionCase{"PowerWithComma", "4", 'm', {Text("0,5")}, {kExponentBox}, "2", "H0.5"},
        FunctionCase{"EmptyExponentDoesNothing", "2", 'm', {Text("")}, {kExponentBox}, "", ""},
        FunctionCase{"RootOfNegativeIsInvalid",
                     "-8",
                     'm',
                     {Text("0,5")},
                     {kExponentBox, "Ungültige Gleitkommaoperation."},
                     "",
                     ""},
        FunctionCase{"PowerOverflows",
                     "10",
                     'm',
                     {Text("5000")},
                     {kExponentBox, "Gleitkommaüberlauf."},
                     "",
                     ""},
        FunctionCase{"ZeroToNegativePowerDividesByZero",
                     "0",
                     'm',
                     {Text("-1")},
                     {kExponentBox, "Gleitkommadivision durch Null."},
                     "",
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FunctionEvaluationTest, ExponentialOverflowIsReportedAndLeavesFieldTwoActive) {
  PressFunction("20000", 'e');
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages.front(), "Zahl zu hoch, Vorgang abgebrochen!");
  EXPECT_EQ(form->S.ChainKind, 0);
  EXPECT_EQ(form->S.InputState, 2);
  EXPECT_EQ(form->Label3.Text(), "");
  EXPECT_EQ(form->S.PendingOp, 'e');
}

TEST_F(FunctionEvaluationTest, SecondEqualsConfirmsTheResultOnTheTape) {
  prompts.answers.push_back(Text("2"));
  PressFunction("8", 'n');
  qv::RunGuarded(prompts, [&] { form->Evaluate(); });
  EXPECT_EQ(form->Label1.Text(), "3");
  EXPECT_EQ(form->S.Entry1, qv::CanonicalText(3));
  EXPECT_EQ(form->Label4.Text(), "=");
  EXPECT_EQ(form->Label2.Text(), "");
  EXPECT_EQ(form->S.InputState, 3);
  const qv::TapeModel& tape = form->Frame41.Tape;
  ASSERT_EQ(tape.TapeLineCount(), 3);
  EXPECT_EQ(tape.TapeLine(0), "8 ^");
  EXPECT_EQ(tape.TapeLine(1), "L2");
  EXPECT_EQ(tape.TapeLine(2), "3 =");
}

TEST_F(FunctionEvaluationTest, OperatorKeyTakesTheResultAsSecondOperand) {
  PressFunction("9", 's');
  form->Button14.Click();  // 9 + 3
  form->Button16.Click();
  EXPECT_EQ(form->Label1.Text(), "12");
}

}  // namespace

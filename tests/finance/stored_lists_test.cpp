// The longest lists a stored case keeps: adding a row, saving and loading share one limit, so
// that a list of that length loads back whole and is saved again without losing a row.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "finance/finance_records.h"
#include "platform/inifile.h"
#include "program/program.h"
#include "sandbox.h"

namespace qv {
namespace {

// A loan case "Lang" whose special repayments fill `rows` data rows with 1 each.
std::string SettingsWithRows(int rows) {
  std::string text =
      "[Finanzrechner]\n0=Lang\n[Lang]\ndl=100000\nzins=5\ndatum=15.01.2024\nMaxLaufzeit=30\n"
      "LaufzeitM=0\nvproz=0\nrws=" +
      std::to_string(rows + 1) + "\n";
  for (int row = 1; row <= rows; ++row) text += std::to_string(row) + "=15.01.2025;1\n";
  return text + "findex=0\n";
}

class StoredListsTest : public testing::Test {
 protected:
  TFinanzrechner& Start(int rows) {
    sandbox.WriteSettings(SettingsWithRows(rows));
    program.emplace(sandbox.Ports());
    program->Main().Finanz.Click();
    return program->Finance();
  }
  std::string Message() {
    if (sandbox.prompts.messages.empty()) return "";
    std::string text = sandbox.prompts.messages.front();
    sandbox.prompts.messages.pop_front();
    return text;
  }
  qvs::Sandbox sandbox;
  std::optional<Program> program;
};

TEST_F(StoredListsTest, AListOfTheMostRowsLoadsWholeAndIsSavedAgainWhole) {
  TFinanzrechner& finance = Start(10000);
  finance.ComboBox1.Select(0);
  EXPECT_EQ(Message(), "");
  ASSERT_EQ(finance.Grid2.RowCount(), 10000 + 1);
  EXPECT_EQ(finance.Grid2.Cell(10000, 2), "1");

  // One row more is refused, in German, and the list stays as it is.
  finance.SpeedButton1.Click();
  EXPECT_EQ(Message(), "Eine Liste hat höchstens 10.000 Zeilen");
  EXPECT_EQ(finance.Grid2.RowCount(), 10000 + 1);

  finance.SpeedButton2.Click();
  EXPECT_EQ(Message(), "");
  const IniFile ini(program->Main().SettingsPath());
  EXPECT_EQ(ini.ReadString("Lang", std::to_string(10000), ""), "15.01.2025;1");
  EXPECT_EQ(ini.ReadInteger("Lang", "rws", 0), 10000 + 1);
}

TEST_F(StoredListsTest, AListLongerThanTheLimitIsNamedAsMalformed) {
  TFinanzrechner& finance = Start(10000 + 1);
  finance.ComboBox1.Select(0);
  EXPECT_EQ(Message(),
            "Einige Werte des Eintrags „Lang“ sind ungültig und wurden nicht geladen: 10001, rws");
}

TEST_F(StoredListsTest, TheSavingsPageAddsNoRowBeyondTheLimitEither) {
  TFinanzrechner& finance = Start(0);
  finance.PageControl1.Select(TFinanzrechner::kSavingsPage);
  finance.Grid1.SetRowCount(10000 + 1);
  finance.Button1.Click();
  EXPECT_EQ(Message(), "Eine Liste hat höchstens 10.000 Zeilen");
  EXPECT_EQ(finance.Grid1.RowCount(), 10000 + 1);
}

}  // namespace
}  // namespace qv

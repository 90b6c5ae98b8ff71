// The loan page's behaviours that the script driver does not reach: its edit fields' and grids'
// own keys, and the help button.
#include <gtest/gtest.h>

#include <fstream>

#include "program/program.h"
#include "sandbox.h"

namespace qv {
namespace {

class LoanPageTest : public testing::Test {
 protected:
  qvs::Sandbox sandbox;
  Program program{sandbox.Ports()};
  TFinanzrechner& finance = program.Finance();
};

TEST_F(LoanPageTest, APointTypedIntoTheLoanOrInterestFieldBecomesAComma) {
  for (Edit* edit : {&finance.Edit1, &finance.Edit2}) {
    char32_t key = '.';
    edit->OnKeyPress(key);
    EXPECT_EQ(key, U',');
    key = '5';
    edit->OnKeyPress(key);
    EXPECT_EQ(key, U'5');
  }
}

TEST_F(LoanPageTest, EnterInAGridComputes) {
  program.Main().Finanz.Click();
  finance.Edit1.SetText("100000");
  finance.Edit13.SetText("30");
  finance.Edit14.SetText("0");
  finance.Edit2.SetText("6");
  finance.Edit12.SetText("1000");
  finance.Grid2.OnKeyDown(Key::Enter);
  EXPECT_EQ(finance.Edit12.Text(), "1.000,00");
  EXPECT_EQ(program.FinanceShared().LoanAmount, 100000);
  finance.Edit12.SetText("1000");
  finance.Grid3.OnKeyDown(Key::Escape);
  EXPECT_EQ(finance.Edit12.Text(), "1000");
}

TEST_F(LoanPageTest, HelpOpensTheHelpPageAtTheFinanceSection) {
  std::ofstream(sandbox.dir / "Hilfe.htm") << "<html></html>";
  program.Main().Finanz.Click();
  finance.HelpBtn.Click();
  ASSERT_EQ(sandbox.shell.opened.size(), 1u);
  EXPECT_TRUE(sandbox.shell.opened[0].ends_with("/Hilfe.htm#Finanz")) << sandbox.shell.opened[0];
}

}  // namespace
}  // namespace qv

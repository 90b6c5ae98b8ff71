// The subsidy computation as a table of cases, the text of the 1 % message, the rule sets in
// the settings file, and the dialog's behaviours that the script driver does not reach: keys in
// the children's box, one message for one opening, and quiet recomputations while the finance
// window shows a stored case.
#include "finance/subsidy.h"

#include <gtest/gtest.h>

#include "program/program.h"
#include "sandbox.h"

namespace qv {
namespace {

struct SubsidyCaseRow {
  const char* name;
  int ruleSet;
  std::optional<int> houseKind;
  std::optional<bool> single;
  bool eco1, eco2;
  int children;
  const char* income;
  Extended loan;
  bool tooHigh;
  Extended perYear, total, allowance;
  bool capped;
};

SubsidyCase CaseOf(const SubsidyCaseRow& row) {
  SubsidyCase c;
  c.rules = DefaultSubsidyRules(kOldSubsidyRules);
  c.rules[static_cast<int>(SubsidyField::Eco1)] = "250";
  c.rules[static_cast<int>(SubsidyField::Eco2)] = "100";
  c.ruleSet = row.ruleSet;
  c.houseKind = row.houseKind;
  c.single = row.single;
  c.eco1 = row.eco1;
  c.eco2 = row.eco2;
  c.children = row.children;
  c.incomeText = row.income;
  c.loanAmount = row.loan;
  c.previousBuildingAllowance = 77;
  return c;
}

void PrintTo(const SubsidyCaseRow& row, std::ostream* out) {
  *out << row.name;
}

class ComputeSubsidyTest : public testing::TestWithParam<SubsidyCaseRow> {};

// The old rules' values (eco supplements 250 and 100) with the rule set of the row.
const SubsidyCaseRow kRows[] = {
    {"MarriedTwoChildrenAtTheLimit", 1, 0, false, false, false, 2, "200000", 150000, false, 2850,
     22800, 1250, false},
    {"OneAboveTheLimit", 1, 0, false, false, false, 2, "200001", 150000, true, 0, 0, 77, false},
    {"SingleLimit", 1, 0, true, false, false, 2, "130000", 150000, false, 2850, 22800, 1250, false},
    {"SingleAboveItsLimit", 1, 0, true, false, false, 2, "130000,01", 150000, true, 0, 0, 77,
     false},
    {"NoBorrowerChosenLimitsToZero", 1, 0, std::nullopt, false, false, 0, "1", 150000, true, 0, 0,
     77, false},
    {"EmptyIncomeCountsAsZero", 1, 0, std::nullopt, false, false, 0, "", 150000, false, 1250, 10000,
     1250, false},
    {"OnePercentBelow125000", 1, 0, false, false, false, 2, "200000", 100000, false, 2600, 20800,
     1000, false},
    {"HalfToEvenDown", 1, 1, false, false, false, 0, "0", 50050, false, 500, 4000, 500, false},
    {"HalfToEvenUp", 1, 1, false, false, false, 0, "0", 50150, false, 502, 4016, 502, false},
    {"FullAllowanceAt125000", 1, 1, false, false, false, 0, "0", 125000, false, 1250, 10000, 1250,
     false},
    {"NoOnePercentInTheNewRules", 0, 0, false, false, false, 0, "0", 100000, false, 1250, 10000,
     1250, false},
    {"CappedAtTheLoan", 1, 0, false, false, false, 3, "200000", 5000, false, 625, 5000, 50, true},
    {"EcoSupplements", 1, 0, false, true, true, 0, "0", 150000, false, 1600, 12800, 1250, false},
    {"NoBuildingChosenKeepsTheAllowance", 1, std::nullopt, false, false, false, 0, "0", 150000,
     false, 77, 616, 77, false},
    {"NegativeLoanReceivesNothing", 1, 0, false, false, false, 1, "0", -100000, false, 0, 0, 0,
     true},
};

TEST_P(ComputeSubsidyTest, GivesTheYearlyAmountAndTheTotal) {
  const SubsidyCaseRow& row = GetParam();
  const SubsidyResult r = ComputeSubsidy(CaseOf(row));
  EXPECT_EQ(r.incomeTooHigh, row.tooHigh);
  EXPECT_EQ(r.perYear, row.perYear);
  EXPECT_EQ(r.total, row.total);
  EXPECT_EQ(r.buildingAllowance, row.allowance);
  EXPECT_EQ(r.capped, row.capped);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComputeSubsidyTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeSubsidy, ADurationOfZeroGivesNothingAndACapWithItDividesByOne) {
  SubsidyCase c = CaseOf(kRows[0]);
  c.rules[static_cast<int>(SubsidyField::Years)] = "0";
  EXPECT_EQ(ComputeSubsidy(c).total, 0);
  c.loanAmount = 0;
  c.ruleSet = kNewSubsidyRules;
  const SubsidyResult r = ComputeSubsidy(c);
  EXPECT_FALSE(r.capped);
  EXPECT_EQ(r.perYear, 2850);
  EXPECT_EQ(r.total, 0);
}

struct BadField {
  SubsidyField field;
  const char* text;
  const char* message;
};

class BadSubsidyFieldTest : public testing::TestWithParam<BadField> {};

TEST_P(BadSubsidyFieldTest, NamesTheField) {
  SubsidyCase c = CaseOf(kRows[0]);
  c.eco1 = c.eco2 = true;
  const BadField& bad = GetParam();
  if (bad.field == SubsidyField::Income)
    c.incomeText = bad.text;
  else
    c.rules[static_cast<int>(bad.field)] = bad.text;
  try {
    ComputeSubsidy(c);
    FAIL() << bad.text;
  } catch (const SubsidyInputError& e) {
    EXPECT_EQ(e.field, bad.field);
    EXPECT_STREQ(e.what(), bad.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadSubsidyFieldTest,
    testing::Values(
        BadField{SubsidyField::NewBuilding, "x", "'x' ist kein gültiger Gleitkommawert"},
        BadField{SubsidyField::Eco1, "-1", "Der Wert für „Ökozulage 1“ darf nicht negativ sein"},
        BadField{SubsidyField::Eco2, "1e", "'1e' ist kein gültiger Gleitkommawert"},
        BadField{SubsidyField::PerChild, "", "'' ist kein gültiger Gleitkommawert"},
        BadField{SubsidyField::LimitMarried, "-0,5",
                 "Der Wert für „Grenze Verh.“ darf nicht negativ sein"},
        BadField{SubsidyField::RaisePerChild, "1.000", "'1.000' ist kein gültiger Gleitkommawert"},
        BadField{SubsidyField::Years, "8,0", "'8,0' ist kein gültiger Integerwert"},
        BadField{SubsidyField::Years, "-8", "Der Wert für „Dauer (Jahre)“ darf nicht negativ sein"},
        BadField{SubsidyField::Income, "-1", "Der Wert für „Einkommen“ darf nicht negativ sein"}));

TEST(ComputeSubsidy, AnAmountBeyondTheRangeOverflows) {
  SubsidyCase c = CaseOf(kRows[0]);
  c.rules[static_cast<int>(SubsidyField::NewBuilding)] = "1E4932";
  EXPECT_THROW(ComputeSubsidy(c), EOverflow);
  c = CaseOf(kRows[0]);
  c.rules[static_cast<int>(SubsidyField::LimitMarried)] = "1E4932";
  c.rules[static_cast<int>(SubsidyField::RaisePerChild)] = "1E4932";
  EXPECT_THROW(ComputeSubsidy(c), EOverflow);
}

TEST(OnePercentMessage, WritesPlainAmountsAndEndsWithTheCapNote) {
  EXPECT_EQ(OnePercentMessage(1, 1234.5L, 12, false, "12,00"),
            "Bei einer Darlehenssumme von 1234,5 Euro\rwurde die jährliche Altbauzulage als: 12 "
            "Euro berechnet (1%)\rUm die volle Zulage zu bekommen muss die Darlehenssumme "
            "125.000,- Euro überschreiten\r");
  EXPECT_TRUE(OnePercentMessage(0, 5000, 50, true, "625,00")
                  .ends_with("überschreiten\rDie Höhe der Förderung darf nicht die Höhe des "
                             "Darlehens überschreiten\rSie wurde deshalb auf 625,00 beschränkt"));
}

TEST(SubsidyRules, MissingSectionsAreWrittenInTheirOrderAndExistingOnesKept) {
  qvs::Sandbox sandbox;
  sandbox.WriteSettings("[FoerderAlt]\nDauer=5\n");
  IniFile ini((sandbox.dir / "Quorvel.ini").string());
  EXPECT_TRUE(WriteMissingSubsidyRules(ini));
  EXPECT_FALSE(WriteMissingSubsidyRules(ini));
  EXPECT_EQ(ini.ReadSection("FoerderNeu"),
            (std::vector<std::string>{"Neubauzl", "Altbauzl", "Oekozl", "Oekozl2", "Kinderzl",
                                      "Grenze_L", "Grenze_V", "Dauer", "Erhoeung"}));
  EXPECT_EQ(ini.ReadSection("FoerderAlt"), std::vector<std::string>{"Dauer"});
  SubsidyRuleTexts old = DefaultSubsidyRules(kOldSubsidyRules);
  old[static_cast<int>(SubsidyField::Years)] = "5";
  EXPECT_EQ(ReadSubsidyRules(ini, kOldSubsidyRules), old);
}

class SubsidyDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Main().Finanz.Click();
    finance.Edit1.SetText("150000");
    finance.Edit2.SetText("5");
  }
  qvs::Sandbox sandbox;
  Program program{sandbox.Ports()};
  TFinanzrechner& finance = program.Finance();
  TFoerder& dialog = program.SubsidyDialog();
};

TEST_F(SubsidyDialogTest, KeysInTheChildrensBoxTypeNothingAndMoveTheKeyboardToOK) {
  finance.BauFi.Click();
  ASSERT_TRUE(dialog.Visible());
  dialog.SetFocus(dialog.Kinder);
  dialog.Kinder.OnKeyDown(Key::D5);
  EXPECT_EQ(dialog.ActiveControl(), &dialog.OKBtn);
  EXPECT_EQ(dialog.Kinder.Value(), 0);
  dialog.SetFocus(dialog.Kinder);
  dialog.Kinder.OnMouseDown();
  EXPECT_EQ(dialog.ActiveControl(), &dialog.OKBtn);
}

// The keyboard's spin arrows: the number steps and is computed with, never below zero, and the
// keyboard stays in the box.
TEST_F(SubsidyDialogTest, TheArrowKeysStepTheChildrenAsTheSpinArrowsDo) {
  finance.BauFi.Click();
  dialog.Alt.Click();
  dialog.Edit1.SetText("100000");
  dialog.SetFocus(dialog.Kinder);
  const std::string alone = dialog.Edit12.Text();
  dialog.Kinder.OnKeyDown(Key::Up);
  dialog.Kinder.OnKeyDown(Key::Up);
  EXPECT_EQ(dialog.Kinder.Value(), 2);
  EXPECT_NE(dialog.Edit12.Text(), alone);
  for (int i = 0; i < 3; ++i) dialog.Kinder.OnKeyDown(Key::Down);
  EXPECT_EQ(dialog.Kinder.Value(), 0);
  EXPECT_EQ(dialog.Edit12.Text(), alone);
  EXPECT_EQ(dialog.ActiveControl(), &dialog.Kinder);
}

TEST_F(SubsidyDialogTest, ShowingWithAnIncomeAboveTheLimitTellsItOnce) {
  program.FinanceShared().IncomeText = "500000";
  program.FinanceShared().SubsidyRules = kOldSubsidyRules;
  program.FinanceShared().ChildCount = 3;
  program.FinanceShared().BorrowerSingle = 1;
  finance.BauFi.Click();
  EXPECT_EQ(sandbox.prompts.messages, std::deque<std::string>{"Einkommen zu hoch!"});
  EXPECT_FALSE(finance.BauFi.Checked());
  // the loan page takes nothing further from the opening it ended
  EXPECT_FALSE(finance.Edit7.Enabled());
  EXPECT_EQ(finance.Edit12.Text(), "810,00");
}

TEST_F(SubsidyDialogTest, AStoredCaseShownRestoresItsSubsidyWithoutMessages) {
  FinanceRecord record;
  record.loan.loanText = "150000";
  record.loan.interestText = "5";
  record.loan.yearsText = "30";
  record.loan.monthsText = "0";
  record.loan.startDate = finance.Datum1.Date();
  StoredSubsidy subsidy;
  subsidy.totalText = "22.800,00";
  subsidy.perYear = 2850;
  subsidy.total = 22800;
  subsidy.incomeText = "999999";
  subsidy.childCount = 2;
  subsidy.rules = kNewSubsidyRules;
  record.loan.subsidy = subsidy;
  finance.LoadRecord("Bau", record);
  EXPECT_EQ(sandbox.prompts.messages, std::deque<std::string>{});
  EXPECT_TRUE(finance.BauFi.Checked());
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(program.FinanceShared().SubsidyPerYear, 2850);
  EXPECT_EQ(finance.Edit7.Text(), "22.800,00");
  // closing wrote the rule values of the selected set, also without a showing
  EXPECT_TRUE(IniFile((sandbox.dir / "Quorvel.ini").string()).SectionExists("FoerderNeu"));
}

}  // namespace
}  // namespace qv

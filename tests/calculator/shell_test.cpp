// What the window shell asks of the desktop: restarts, the help page and the lexicon.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/inifile.h"
#include "program/program.h"
#include "sandbox.h"

namespace fs = std::filesystem;

namespace {

class ShellTest : public ::testing::Test, protected qvs::Sandbox {
 protected:
  void SetUp() override {
    program = std::make_unique<qv::Program>(Ports());
    program->Start();
  }
  void TearDown() override { program.reset(); }

  std::unique_ptr<qv::Program> program;
};

struct ScalingCase {
  int stored;
  int chosen;
  bool restart;
};

class ScalingTest : public ShellTest, public ::testing::WithParamInterface<ScalingCase> {};

TEST_P(ScalingTest, AChangedScalingClosesAndRestarts) {
  const ScalingCase c = GetParam();
  program->Main().Shell.Scaling = c.stored;
  program->Main().ScalingClick(c.chosen);
  EXPECT_EQ(shell.restartRequested, c.restart);
  EXPECT_EQ(program->Closed(), c.restart);
  EXPECT_EQ(program->Main().Shell.Scaling, c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Choices, ScalingTest,
                         ::testing::Values(ScalingCase{100, 120, true}, ScalingCase{100, 150, true},
                                           ScalingCase{150, 100, true},
                                           ScalingCase{100, 100, false},
                                           ScalingCase{120, 120, false}));

TEST_F(ShellTest, DeclinedCloseKeepsTheNewScalingWithoutRestart) {
  program->Main().Frame41.Tape.TapeAppendLine("5 ^");
  program->Main().Frame41.Tape.TapeAppendLine("3 +");
  prompts.answers.push_back({qvs::QueuedAnswer::No, ""});
  program->Main().ScalingClick(120);
  EXPECT_FALSE(program->Closed());
  EXPECT_FALSE(shell.restartRequested);
  EXPECT_EQ(program->Main().Shell.Scaling, 120);
}

TEST_F(ShellTest, HelpOpensTheStartDirectoryCopyOrTheInstalledOne) {
  fs::create_directories(dir / "share");
  std::ofstream(dir / "share" / "Hilfe.htm") << "<html></html>";
  program->Main().Hilfe1Click();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0], (dir / "share" / "Hilfe.htm").string());
  std::ofstream(dir / "Hilfe.htm") << "<html></html>";
  program->Main().Hilfe1Click();
  EXPECT_EQ(shell.opened[1], (dir / "Hilfe.htm").string());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ShellTest, AMissingHelpPageIsReportedWithTheFoldersLookedIn) {
  program->Main().Hilfe1Click();
  EXPECT_TRUE(shell.opened.empty());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0],
            "Die Hilfe konnte nicht geöffnet werden: die Datei Hilfe.htm "
            "liegt weder in " +
                dir.string() + " noch in " + (dir / "share").string() + ".");
}

TEST_F(ShellTest, ARefusedRestartIsReportedAfterTheClose) {
  shell.refuse = true;
  program->Main().ScalingClick(150);
  EXPECT_TRUE(program->Closed());
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1],
            "Der Rechner konnte nicht neu gestartet werden: das Programm ließ sich nicht "
            "starten.\n/usr/bin/quorvel");
  // the settings are written, so a start by hand takes the new scaling
  EXPECT_EQ(qv::IniFile((dir / "Quorvel.ini").string()).ReadInteger("Config", "Skalierung", 0),
            150);
}

TEST_F(ShellTest, TheLexiconIsAWebPageUnderItsPath) {
  program->Main().OnlineLexikon1Click();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].rfind("https://", 0), 0u);
  EXPECT_NE(shell.opened[0].find("/mathint/lexikon/"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(ShellTest, TheOperatorIndicatorHintsOnlyLongMarkers) {
  qv::TForm1& form = program->Main();
  form.Label2.SetText("L10");
  form.Label2.OnMouseMove();
  EXPECT_EQ(form.Label2.Hint(), "");
  form.Label2.SetText("L2,71828");
  form.Label2.OnMouseMove();
  EXPECT_EQ(form.Label2.Hint(), "L2,71828");
}

}  // namespace

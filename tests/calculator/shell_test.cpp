// What the window shell asks of the desktop: restarts, the help page and the lexicon.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
  // Installed as a package: the program in /usr/bin, its help page in /usr/share/quorvel.
  folders.programDir = (dir / "usr" / "bin").string();
  program->Main().Hilfe1Click();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0], (dir / "usr" / "share" / "quorvel" / "Hilfe.htm").string());
  std::ofstream(dir / "Hilfe.htm") << "<html></html>";
  program->Main().Hilfe1Click();
  EXPECT_EQ(shell.opened[1], (dir / "Hilfe.htm").string());
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

// Random terms plotted at random zoom rows, with and without held curves, degree mode and the
// intersection search, through the main window's logic with fake ports: whatever the term,
// the redraw ends, nothing escapes the general handler, and the caption and the cursor are
// the normal ones afterwards. Under the sanitizers the same runs check for undefined
// behaviour (a pole or a huge field 1 must not become an out-of-range pixel).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calculator/main_window.h"
#include "platform/errors.h"
#include "program/program.h"
#include "sandbox.h"

namespace qv {
namespace {

const std::vector<std::string> kTokens = {
    "x",     "x",       "1",       "2",       "0,5",    "1e300", "-",        "+",    "*",
    "/",     "^",       "(",       ")",       "sin(",   "cos(",  "tan(",     "ln(",  "(x)log(",
    "sqrt(", "arcsin(", "arccos(", "arctan(", "sinh(",  "cosh(", "(x)expe(", "abs(", "1/x",
    "pi",    "e",       " mod ",   " div ",   "floor(", "9999",  "a",        "x^x",  "1/(x-1)"};

std::string RandomTerm(std::mt19937& random) {
  std::uniform_int_distribution<size_t> token(0, kTokens.size() - 1);
  std::uniform_int_distribution<int> length(1, 9);
  std::string term;
  for (int n = length(random); n > 0; --n) term += kTokens[token(random)];
  // Mostly closed brackets, so that most terms evaluate somewhere.
  if (random() % 4 != 0)
    for (size_t open = std::count(term.begin(), term.end(), '('),
                close = std::count(term.begin(), term.end(), ')');
         close < open; ++close)
      term += ")";
  return term;
}

class RandomPlotTest : public testing::TestWithParam<unsigned>, protected qvs::Sandbox {};

TEST_P(RandomPlotTest, AnyTermAtAnyZoomPlots) {
  std::mt19937 random(GetParam());
  Program program(Ports());
  TForm1& main = program.Main();
  const auto event = [this](const std::function<void()>& e) { RunGuarded(prompts, e); };
  event([&] { program.Start(); });
  event([&] { main.Funktionen1.Click(); });
  event([&] { main.Frame71.Button2.Click(); });
  ASSERT_TRUE(main.GraphShown());
  TFrame2& graph = main.Frame21;
  const std::vector<std::string> fields = {"", "0", "2.5", "-7", "1e300", "-1e4000", "90"};
  const int zoomRows = static_cast<int>(graph.ComboBox1.Items().size());
  for (int round = 0; round < 120; ++round) {
    const std::string term = RandomTerm(random);
    SCOPED_TRACE(term);
    event([&] {
      main.S.Entry1 = fields[random() % fields.size()];
      main.Label1.SetText(main.S.Entry1);
      main.Frame71.Edit1.SetText(random() % 3 == 0 ? "1e4000" : "2");
    });
    if (!graph.HoldDown()) event([&] { graph.ComboBox1.Select(random() % zoomRows); });
    if (random() % 5 == 0) event([&] { graph.Halten.Click(); });
    if (graph.HoldDown() && random() % 2 == 0) event([&] { graph.SnP.Click(); });
    if (graph.GradRad.Visible() && random() % 3 == 0) event([&] { graph.GradRad.Click(); });
    event([&] { main.Frame71.ComboBox1.SetText(term); });
    event([&] { main.Frame71.Button1.Click(); });
    if (random() % 10 == 0) event([&] { graph.Gitterneuzeichnen1.Click(); });
    if (graph.Markieren1.Visible() && random() % 4 == 0) event([&] { graph.Markieren1.Click(); });
    EXPECT_EQ(main.Caption(), "Quorvel (R1)");
    EXPECT_NE(main.GetCursor(), Cursor::Busy);
    prompts.messages.clear();
    prompts.answers.clear();
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlotTest, testing::Values(1u, 2u, 3u, 4u));

}  // namespace
}  // namespace qv

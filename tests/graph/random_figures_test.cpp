// Random angles, functions and options of the trigonometry panel with the graph beside it, and
// random strokes of the drawing tools and clicks of the text commands on the function graph,
// through the main window's logic with fake ports: whatever the value (huge, tiny, negative
// zero, beyond the 80-bit range) or the place (far outside the picture), the picture is drawn
// and nothing escapes the general handler. Under the sanitizers the same runs check for
// undefined behaviour.
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

const std::vector<std::string> kFields = {"0",     "30",      "-0",     "750",
                                          "1e300", "-1e-300", "1e4000", "89.9999999999",
                                          "90",    "0.5",     "-1",     "1",
                                          "2",     "39.7",    "1e-20",  "-4500000000000000000",
                                          "180",   "-1e20",   "0.0001", "3.14159265358979"};

class RandomFiguresTest : public testing::TestWithParam<unsigned>, protected qvs::Sandbox {
 protected:
  void Event(const std::function<void()>& e) { RunGuarded(prompts, e); }
  void Settle() {
    prompts.messages.clear();
    prompts.answers.clear();
  }
};

TEST_P(RandomFiguresTest, AnyAngleAndFunctionDraws) {
  std::mt19937 random(GetParam());
  Program program(Ports());
  TForm1& main = program.Main();
  Event([&] { program.Start(); });
  Event([&] { main.Trigon.Click(); });
  Event([&] { main.Frame11.Button7.Click(); });
  ASSERT_TRUE(main.GraphShown());
  TFrame1& panel = main.Frame11;
  Button* const functions[] = {&panel.Button1, &panel.Button2, &panel.Button3,
                               &panel.Button4, &panel.Button5, &panel.Button6};
  for (int round = 0; round < 300; ++round) {
    const std::string field = kFields[random() % kFields.size()];
    SCOPED_TRACE(field);
    Event([&] {
      main.S.Entry1 = field;
      main.Label1.SetText(field);
      main.Frame21.Edit1.SetText(kFields[random() % kFields.size()]);
    });
    if (random() % 6 == 0) Event([&] { panel.Arc.Click(); });
    if (random() % 6 == 0) Event([&] { panel.hyp.Click(); });
    if (random() % 6 == 0 && panel.RadioButton2.Enabled())
      Event([&] { (random() % 2 ? panel.RadioButton1 : panel.RadioButton2).Click(); });
    if (main.Frame21.ComboBox1.Visible())
      Event([&] { main.Frame21.ComboBox1.Select(random() % 20); });
    Button& function = *functions[random() % 6];
    if (function.Enabled()) Event([&] { function.Click(); });
    if (random() % 8 == 0) Event([&] { main.Frame21.Button2.Click(); });
    Settle();
    EXPECT_FALSE(main.Frame21.Label4.Text().empty() && !panel.hyp.Checked());
  }
}

TEST_P(RandomFiguresTest, AnyStrokeOfAToolAndAnyTextDraws) {
  std::mt19937 random(GetParam());
  Program program(Ports());
  TForm1& main = program.Main();
  Event([&] { program.Start(); });
  Event([&] { main.Funktionen1.Click(); });
  Event([&] { main.Frame71.ComboBox1.SetText("a*x^2+c"); });
  Event([&] { main.Frame71.Button2.Click(); });
  TFrame2& graph = main.Frame21;
  MenuItem* const commands[] = {&graph.Radieren1,    &graph.Pfeil1,
                                &graph.Box,          &graph.BoxRahmen1,
                                &graph.Term1,        &graph.Term2,
                                &graph.Kommentar1,   &graph.XPunktbeschriften1,
                                &graph.XWertlschen1, &graph.Gitterneuzeichnen1};
  std::uniform_int_distribution<int> near(-50, 450), far(-2'000'000'000, 2'000'000'000);
  const auto place = [&] { return random() % 4 == 0 ? far(random) : near(random); };
  for (int round = 0; round < 300; ++round) {
    prompts.answers.push_back({qvs::QueuedAnswer::Text, random() % 2 ? "" : "Notiz ä"});
    Event([&] { commands[random() % std::size(commands)]->Click(); });
    const int x = place(), y = place();
    Event([&] { graph.Image1.MouseDown(MouseButton::Left, x, y); });
    for (int moves = random() % 4; moves > 0; --moves) {
      const int mx = place(), my = place();
      Event([&] { graph.Image1.MouseMove(mx, my, true); });
    }
    const int ux = place(), uy = place();
    Event([&] {
      graph.Image1.MouseUp(random() % 3 ? MouseButton::Left : MouseButton::Right, ux, uy);
    });
    if (random() % 5 == 0) Event([&] { graph.Abbr.Click(); });
    if (random() % 7 == 0) Event([&] { main.DigitKey(static_cast<char>('0' + random() % 10)); });
    Settle();
  }
  EXPECT_EQ(main.Caption(), "Quorvel (R1)");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomFiguresTest, testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace qv

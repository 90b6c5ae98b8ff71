// Numbers typed up to and beyond the end of the extended range (about 4 933 digits), then
// every key that reads an entry as a number: the operators and "=", the percent key, the
// one-operand functions, the memory, the take-over, undo and repeat, the step keys and the
// panels. Such a number, or a result beyond the range, ends as every overflow does: the
// general handler shows "Gleitkommaüberlauf." and everything is as before the key. No field,
// panel, memory or tape line ever shows an infinite value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "calculator/main_window.h"
#include "fakes.h"
#include "platform/errors.h"

namespace fs = std::filesystem;

namespace {

struct LongEntryCase {
  unsigned seed;
  int formatWhileTyping;  // "d_form": 1 formats the entry while it is typed
  int formatMode;         // "Dezimals"
};

class LongEntryTest : public ::testing::TestWithParam<LongEntryCase> {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("qv-long-entry-" + std::to_string(::getpid()) + "-" + std::to_string(GetParam().seed));
    fs::remove_all(dir);
    fs::create_directories(dir);
    folders.startDir = dir.string();
    folders.documentsDir = (dir / "Documents").string();
    std::ofstream(dir / "Quorvel.ini")
        << "[Config]\nDezimals=" << GetParam().formatMode
        << "\nnk=2\nd_form=" << GetParam().formatWhileTyping << "\nTape=1\nw_einf=1\n";
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
  qvs::FakePrompts prompts;
  qvs::FakeClipboard clipboard;
  qvs::FakeShell shell;
  qvs::FakePrinter printer;
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qvs::FakeNetwork network;
  qvs::SandboxFolders folders;
};

// Everything a user sees of the calculator and its panels, and the state behind the fields.
std::vector<std::string> Seen(const qv::TForm1& f) {
  std::vector<std::string> seen = {f.S.Entry1,
                                   f.S.Entry2,
                                   std::string(1, f.S.PendingOp),
                                   std::to_string(f.S.InputState),
                                   std::to_string(f.S.ExtMode),
                                   qv::CanonicalText(f.S.MemoryValue),
                                   f.Frame41.Tape.TapeText()};
  // The entry a user picked in a list stays picked, whatever follows from it.
  const auto add = [&seen](const qv::Form& form) {
    for (const qv::Control* c : form.Controls())
      if (c->Kind() != qv::ControlKind::ComboBox) seen.push_back(c->Name() + "=" + c->Text());
  };
  add(f);
  for (const qv::Form* frame : f.Frames()) add(*frame);
  return seen;
}

// "INF", "-inf", "NAN" as a value or a part of one (not inside a word such as "Einfügen").
bool ShowsNoNumber(const std::string& text) {
  const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (const char* word : {"INF", "inf", "NAN", "nan"})
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
      if ((at == 0 || !letter(text[at - 1])) && (at + 3 == text.size() || !letter(text[at + 3])))
        return true;
  return false;
}

// The first difference, shortened.
std::string Difference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i] != b[i])
      return "[" + std::to_string(i) + "] " + a[i].substr(0, 80) + " -> " + b[i].substr(0, 80);
  return "sizes " + std::to_string(a.size()) + " -> " + std::to_string(b.size());
}

// Digits from 4 925 to 4 940 of them, some with a decimal point near their end: about half of
// them lie beyond the range.
std::string LongNumber(std::mt19937& rng) {
  std::string digits(4925 + rng() % 16, '0');
  for (char& d : digits) d = static_cast<char>('0' + rng() % 10);
  digits.front() = static_cast<char>('1' + rng() % 9);
  if (rng() % 3 == 0) digits.insert(digits.size() - 1 - rng() % 4, ".");
  return digits;
}

struct Key {
  const char* name;
  std::function<void(qv::TForm1&)> press;
};

std::vector<Key> Keys() {
  std::vector<Key> keys;
  const auto click = [&keys](const char* name) {
    keys.push_back({name, [name](qv::TForm1& f) { f.Find(name)->Click(); }});
  };
  // Operators, "=", percent, sign, the one-operand functions, π and the power and logarithm
  // keys that ask for their argument.
  for (const char* name : {"Button12", "Button13", "Button14", "Button15", "Button16", "Button16",
                           "Button21", "Button27", "Button22", "Button23", "Button24", "Button29",
                           "Button30", "SpeedButton1", "SpeedButton2", "SpeedButton3"})
    click(name);
  // Memory, copy and paste, the take-over from the other calculator, undo and repeat.
  for (const char* name : {"Button33", "Button34", "Button35", "Button36", "Button37", "Button38",
                           "Button39", "Button40", "Button25", "Button26", "Button44", "Button28",
                           "Button20", "Button17", "Button19"})
    click(name);
  keys.push_back({"repeat with count", [](qv::TForm1& f) {
                    f.FormKeyDown(qv::Key::Home, {false, true, false});
                  }});
  keys.push_back(
      {"switch calculator", [](qv::TForm1& f) { f.FormKeyDown(qv::Key::PageDown, {}); }});
  keys.push_back({"switch back", [](qv::TForm1& f) { f.FormKeyDown(qv::Key::PageUp, {}); }});
  keys.push_back({"Radio1", [](qv::TForm1& f) { f.Radio1.Click(); }});
  keys.push_back({"Radio2", [](qv::TForm1& f) { f.Radio2.Click(); }});
  // The step factor and the step keys (these act while the graph is shown).
  for (char32_t ch : {U'I', U'u', U'i', U'g'})
    keys.push_back({"step key", [ch](qv::TForm1& f) { f.FormKeyPress(ch); }});
  // The panels: trigonometry, units, tax, currency and function terms, each opened by its key
  // and then used.
  for (char32_t ch : {U'r', U'e', U's', U'w', U'q', U'<', U'>'})
    keys.push_back({"panel key", [ch](qv::TForm1& f) { f.FormKeyPress(ch); }});
  keys.push_back({"Funktionen1", [](qv::TForm1& f) { f.Funktionen1.Click(); }});
  for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Arc",
                           "hyp", "RadioButton1", "RadioButton2"})
    keys.push_back({name, [name](qv::TForm1& f) { f.Frame11.Find(name)->Click(); }});
  for (int page = 0; page < 8; ++page)
    keys.push_back({"unit arrow", [page](qv::TForm1& f) {
                      f.Frame51.FromList(page).Select(1);
                      f.Frame51.Arrow(page).Click();
                    }});
  for (const char* name : {"SpeedButton1", "SpeedButton2", "VST", "NST"})
    keys.push_back({name, [name](qv::TForm1& f) { f.Frame61.Find(name)->Click(); }});
  for (const char* name : {"SpeedButton1", "SpeedButton5", "SpeedButton2", "SpeedButton4"})
    keys.push_back({name, [name](qv::TForm1& f) { f.Frame31.Find(name)->Click(); }});
  keys.push_back({"f(x)", [](qv::TForm1& f) {
                    f.Frame71.ComboBox1.SetText("x*x");
                    f.Frame71.Button1.Click();
                  }});
  return keys;
}

// Artanh of 1 or -1 is infinite, and the panel shows it so.
bool ArtanhOfOne(const qv::TForm1& f) {
  return f.S.ExtMode == 3 && f.Frame11.Arc.Checked() && f.Frame11.hyp.Checked() &&
         std::fabs(qv::ReadEntryText(f.S.Entry1)) == 1;
}

TEST_P(LongEntryTest, ANumberBeyondTheRangeEndsAsEveryOverflowDoes) {
  const std::vector<Key> keys = Keys();
  std::mt19937 rng(GetParam().seed);
  int overflows = 0;
  for (int sequence = 0; sequence < 4; ++sequence) {
    prompts.answers.clear();
    prompts.messages.clear();
    qv::TForm1 form({prompts, clipboard, shell, folders, printer, word, clock, network});
    form.Show();
    std::vector<std::string> log;
    // One key as the user presses it, with the checks that follow every key. Answers whether
    // the sequence goes on.
    const auto press = [&](const std::string& name, const std::function<void()>& key) {
      while (prompts.answers.size() < 3)
        prompts.answers.push_back(rng() % 2 ? qvs::QueuedAnswer{qvs::QueuedAnswer::Yes, ""}
                                            : qvs::QueuedAnswer{qvs::QueuedAnswer::Text,
                                                                rng() % 2 ? "2" : LongNumber(rng)});
      const std::vector<std::string> before = Seen(form);
      prompts.messages.clear();
      qv::RunGuarded(prompts, key);
      // The one infinite result the calculator shows on purpose ends what this test can say.
      if (ArtanhOfOne(form)) return false;
      const std::vector<std::string> after = Seen(form);
      for (size_t i = 0; i < after.size(); ++i)
        if (ShowsNoNumber(after[i])) {
          ADD_FAILURE() << "[" << i << "] " << after[i].substr(0, 200) << " after " << name
                        << " in " << testing::PrintToString(log);
          return false;
        }
      for (const std::string& message : prompts.messages) {
        if (message != "Gleitkommaüberlauf.") continue;
        ++overflows;
        if (after != before) {
          ADD_FAILURE() << Difference(before, after) << " after " << name << " in "
                        << testing::PrintToString(log);
          return false;
        }
      }
      return true;
    };
    bool going = true;
    for (int step = 0; going && step < 30; ++step) {
      if (rng() % 4 == 0) {
        // Typing: field 1 or 2 first, then the digits.
        const int field = 1 + static_cast<int>(rng() % 2);
        log.push_back("type into field " + std::to_string(field));
        going = press("Radio", [&] { (field == 1 ? form.Radio1 : form.Radio2).Click(); });
        // Up to 4 924 digits the number lies within the range: only the last ones are watched.
        const std::string digits = LongNumber(rng);
        for (size_t i = 0; going && i < digits.size(); ++i) {
          if (i < 4920 && digits[i] != '.')
            qv::RunGuarded(prompts, [&] { form.DigitKey(digits[i]); });
          else
            going = press("digit", [&] { form.DigitKey(digits[i]); });
        }
        if (rng() % 2) clipboard.text = form.Label1.Text();
        continue;
      }
      const Key& key = keys[rng() % keys.size()];
      log.push_back(key.name);
      going = press(key.name, [&] { key.press(form); });
    }
    if (HasFailure()) return;
  }
  // The overflows this test is about did happen.
  EXPECT_GT(overflows, 0);
}

// The example of the report: nines typed until the number leaves the range, then "+ 1 =".
TEST_P(LongEntryTest, TheDigitThatLeavesTheRangeIsRefused) {
  qv::TForm1 form({prompts, clipboard, shell, folders, printer, word, clock, network});
  form.Show();
  for (int i = 0; i < 4933; ++i) qv::RunGuarded(prompts, [&] { form.DigitKey('9'); });
  EXPECT_EQ(prompts.messages, std::deque<std::string>{"Gleitkommaüberlauf."});
  EXPECT_EQ(form.S.Entry1, std::string(4932, '9'));
  prompts.messages.clear();
  for (const char* key : {"Button12", "Button1", "Button16"})
    qv::RunGuarded(prompts, [&] { form.Find(key)->Click(); });
  EXPECT_EQ(prompts.messages, std::deque<std::string>{});
  EXPECT_EQ(form.S.Entry1, qv::CanonicalText(1e4932L));
  EXPECT_FALSE(ShowsNoNumber(form.Label1.Text()));
  EXPECT_FALSE(ShowsNoNumber(form.Frame41.Tape.TapeText()));
}

INSTANTIATE_TEST_SUITE_P(Seeds, LongEntryTest,
                         ::testing::Values(LongEntryCase{1, 1, 3}, LongEntryCase{2, 2, 3},
                                           LongEntryCase{3, 1, 1}, LongEntryCase{4, 2, 2}));

}  // namespace

#include "runner.h"

#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "keys.h"
#include "platform/errors.h"
#include "platform/inifile.h"
#include "platform/settings_place.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace qvs {

namespace fs = std::filesystem;

std::string NormalizeLineBreaks(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

namespace {

std::string Quote(const std::string& s) {
  return "\"" + s + "\"";
}

std::string Arg(const Command& c, size_t i) {
  if (i >= c.words.size()) throw ScriptError(c.line, "missing argument for " + c.Verb());
  return c.words[i].text;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  const std::string normal = NormalizeLineBreaks(text);
  for (char ch : normal) {
    if (ch == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

int32_t ColorOf(const std::string& name) {
  if (name == "red") return qv::kTapeRed;
  if (name == "green") return qv::kTapeGreen;
  return qv::kTapeBlack;
}

std::string ColorName(int32_t color) {
  if (color == qv::kTapeRed) return "red";
  if (color == qv::kTapeGreen) return "green";
  if (color == qv::kTapeBlack) return "black";
  char hex[16];
  std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(color));
  return hex;
}

// "bold black 10", as the attributes of expect tapeline are written.
std::string StyleText(const qv::TapeParagraph& line) {
  const qv::CharFormat& f = line.runs.front().format;
  std::ostringstream out;
  out << (f.bold ? "bold" : "regular") << (f.italic ? " italic" : "") << " " << ColorName(f.color)
      << " " << f.size;
  return out.str();
}

}  // namespace

Runner::Runner(std::string fileName, bool verbose)
    : fileName_(std::move(fileName)), verbose_(verbose) {
  std::string pattern = (fs::temp_directory_path() / "quorvel-script-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  startDir_ = pattern;
  const std::string documents = startDir_ + "/Documents";
  dataDir_ = documents + "/Quorvel";
  fs::create_directories(documents);
  previousDir_ = fs::current_path().string();
  fs::current_path(startDir_);
  prompts_.startDir = startDir_;
  prompts_.dataDir = dataDir_;
  folders_.startDir = startDir_;
  folders_.documentsDir = documents;
  folders_.sharedDir = startDir_ + "/share";
  // The user's own settings folder and home folder, as a desktop has them; neither is created.
  folders_.settingsDir = startDir_ + "/config/Quorvel";
  folders_.homeDir = startDir_ + "/home";
  word_.document = dataDir_ + "/Word.rtf";
}

Runner::~Runner() {
  program_.reset();
  std::error_code ec;
  fs::current_path(previousDir_, ec);
  fs::remove_all(startDir_, ec);
}

int Runner::Run(const std::vector<Command>& commands) {
  for (const Command& c : commands) {
    try {
      Execute(c);
    } catch (const ScriptAbort& a) {
      std::cout << fileName_ << ":" << c.line << ": " << a.what << "\n";
      return failures_ + 1;
    } catch (const ScriptError& e) {
      std::cout << fileName_ << ":" << e.line << ": " << e.what() << "\n";
      return failures_ + 1;
    } catch (const std::exception& e) {
      std::cout << fileName_ << ":" << c.line << ": unexpected error: " << e.what() << "\n";
      return failures_ + 1;
    }
  }
  for (const FakeNetwork::Waiting& w : network_.waiting)
    std::cout << fileName_ << ": warning: request never answered: " << Quote(w.request.url) << "\n";
  if (!prompts_.messages.empty()) {
    std::cout << fileName_ << ": warning: messages nobody checked:\n";
    for (const auto& m : prompts_.messages) std::cout << "  " << Quote(SandboxNames(m)) << "\n";
  }
  return failures_;
}

void Runner::Check(const Command& c, bool ok, const std::string& wanted, const std::string& got) {
  if (ok) {
    if (verbose_) std::cout << fileName_ << ":" << c.line << ": ok\n";
    return;
  }
  ++failures_;
  std::cout << fileName_ << ":" << c.line << ": wanted " << wanted << ", got " << got << "\n";
}

void Runner::EnsureStarted() {
  iniAllowed_ = false;
  if (program_ && !program_->Closed()) return;
  program_.reset();
  program_ = std::make_unique<qv::Program>(
      qv::Ports{prompts_, clipboard_, shell_, folders_, printer_, word_, clock_, network_});
  qv::TForm1& main = program_->Main();
  main.Screens = screens_;
  captionsSeen_ = {main.Caption()};
  main.OnCaptionOrCursor = [this, &main] {
    if (captionsSeen_.empty() || captionsSeen_.back() != main.Caption())
      captionsSeen_.push_back(main.Caption());
  };
  Event([this] { program_->Start(); });
}

void Runner::Event(const std::function<void()>& event) {
  qv::RunGuarded(prompts_, event);
}

// A message or an opened file names the data folder DATA and the start directory START.
std::string Runner::SandboxNames(const std::string& message) const {
  return qv::ReplaceAll(qv::ReplaceAll(message, dataDir_, "DATA"), startDir_, "START");
}

std::string Runner::ResolvePath(const std::string& path) const {
  if (path.rfind("DATA/", 0) == 0) return dataDir_ + path.substr(4);
  return startDir_ + "/" + path;
}

qv::Control& Runner::ControlOf(const std::string& path) {
  EnsureStarted();
  if (qv::Control* c = program_->Main().FindPath(path)) return *c;
  const auto dot = path.find('.');
  if (dot != std::string::npos) {
    if (qv::Form* window = program_->FindWindow(path.substr(0, dot)))
      if (qv::Control* c = window->FindPath(path.substr(dot + 1))) return *c;
  }
  throw ScriptAbort{"no control " + path};
}

void Runner::SendKey(const std::string& spec, const Command& c) {
  const KeyStroke k = ParseKey(spec);
  if (!k.valid) throw ScriptError(c.line, "unknown key " + spec);
  qv::TForm1& form = program_->Main();
  Event([&] {
    if (form.FormKeyDown(k.key, k.shift)) return;
    const bool editing = dynamic_cast<qv::Edit*>(form.ActiveControl()) != nullptr;
    if (k.ch >= 32) {
      form.FormKeyPress(k.ch);
    }
    // What the window did not take goes to the edit box that owns the keyboard.
    auto* edit = dynamic_cast<qv::Edit*>(form.ActiveControl());
    if (!editing || !edit || edit->ReadOnly()) return;
    if (edit->OnKeyDown) {
      edit->OnKeyDown(k.key);
      if (form.ActiveControl() != edit) return;
    }
    char32_t ch = k.ch;
    if (edit->OnKeyPress && ch) edit->OnKeyPress(ch);
    if (ch == 8) {
      edit->SetText(qv::DropLastChar(edit->Text()));
    } else if (ch >= 32) {
      std::string utf8;
      qv::AppendUtf8(utf8, ch);
      edit->SetText(edit->Text() + utf8);
    }
  });
  // The release of the key goes to the edit box that has the keyboard by then.
  if (auto* edit = dynamic_cast<qv::Edit*>(form.ActiveControl()); edit && edit->OnKeyUp)
    Event([&] { edit->OnKeyUp(k.key); });
}

void Runner::Execute(const Command& c) {
  const std::string& verb = c.Verb();
  if (RunGridAndDateCommand(c)) return;
  if (RunNetworkCommand(c)) return;
  if (verb == "ini") {
    if (!iniAllowed_) throw ScriptError(c.line, "ini must come before every other command");
    std::ofstream out(startDir_ + "/Quorvel.ini", std::ios::binary);
    out << JoinLines(c.block);
    return;
  }
  if (verb == "start") {
    EnsureStarted();
    return;
  }
  if (verb == "close") {
    EnsureStarted();
    Event([this] { program_->Close(); });
    return;
  }
  if (verb == "answer") {
    const std::string what = Arg(c, 1);
    QueuedAnswer a{QueuedAnswer::Text, what};
    if (c.words[1].quoted) {
      a.kind = QueuedAnswer::Text;
    } else if (what == "yes") {
      a.kind = QueuedAnswer::Yes;
    } else if (what == "no") {
      a.kind = QueuedAnswer::No;
    } else if (what == "cancel") {
      a.kind = QueuedAnswer::Cancel;
    } else if (what == "ok") {
      a.kind = QueuedAnswer::Ok;
    } else if (what == "file") {
      a = QueuedAnswer{QueuedAnswer::File, Arg(c, 2)};
    } else if (what == "filter") {
      // The file type chosen with the file answer queued last.
      for (auto it = prompts_.answers.rbegin(); it != prompts_.answers.rend(); ++it)
        if (it->kind == QueuedAnswer::File) {
          it->filter = std::stoi(Arg(c, 2));
          return;
        }
      throw ScriptError(c.line, "answer filter needs a file answer before it");
    } else {
      throw ScriptError(c.line, "unknown answer " + what);
    }
    prompts_.answers.push_back(a);
    return;
  }
  if (verb == "clipboard") {
    clipboard_.text = Arg(c, 1);
    return;
  }
  if (verb == "fail") {
    const std::string port = Arg(c, 1);
    const std::string what = c.words.size() > 2 ? Arg(c, 2) : "";
    if (port == "none") {
      shell_.refuse = word_.refuse = false;
      word_.available = true;
      word_.failingInserts = 0;
    } else if (port == "shell" && what.empty())
      shell_.refuse = true;
    else if (port == "wordprocessor" && what.empty())
      word_.refuse = true;
    else if (port == "wordprocessor" && what == "connect")
      word_.available = false;
    else if (port == "wordprocessor" && what == "insert")
      word_.failingInserts = c.words.size() > 3 ? std::stoi(Arg(c, 3)) : 1;
    else
      throw ScriptError(c.line, "unknown failure " + port + " " + what);
    return;
  }
  if (verb == "screen") {
    int area[4];
    for (int i = 0; i < 4; ++i) {
      const std::string number = Arg(c, static_cast<size_t>(i + 1));
      const auto [end, error] =
          std::from_chars(number.data(), number.data() + number.size(), area[i]);
      if (error != std::errc() || end != number.data() + number.size())
        throw ScriptError(c.line, "screen needs LEFT TOP WIDTH HEIGHT");
    }
    screens_.push_back({area[0], area[1], area[2], area[3]});
    return;
  }
  if (verb == "file") {
    const std::string path = ResolvePath(Arg(c, 1));
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << JoinLines(c.block);
    return;
  }
  if (verb == "expect") return Expect(c);
  if (verb == "print") return Print(c);

  EnsureStarted();
  captionsSeen_ = {program_->Main().Caption()};
  if (verb == "key") {
    for (size_t i = 1; i < c.words.size(); ++i) SendKey(c.words[i].text, c);
    return;
  }
  qv::Control& control = ControlOf(Arg(c, 1));
  if (verb == "click" || verb == "ctrlclick") {
    qv::Form& owner = control.Owner();
    owner.SetClickShift(qv::ShiftState{false, verb == "ctrlclick", false});
    Event([&] {
      // A click into an edit box gives it the keyboard; a press comes before every click.
      if (dynamic_cast<qv::Edit*>(&control)) owner.SetFocus(control);
      if (control.OnMouseDown) control.OnMouseDown();
      control.Click();
    });
    owner.SetClickShift({});
  } else if (verb == "dblclick") {
    Event([&] { control.DblClick(); });
  } else if (verb == "rightclick") {
    Event([&] { control.RightClick(); });
  } else if (verb == "set") {
    const std::string text = Arg(c, 2);
    Event([&] { control.SetText(text); });
  } else if (verb == "select" && dynamic_cast<qv::Grid*>(&control)) {
    auto& grid = static_cast<qv::Grid&>(control);
    const int row = std::stoi(Arg(c, 2));
    Event([&] { grid.SetCurrentCell(row, grid.FixedCols()); });
  } else if (verb == "select") {
    auto* list = dynamic_cast<qv::ListControl*>(&control);
    if (!list) throw ScriptError(c.line, Arg(c, 1) + " is no list");
    const int index = std::stoi(Arg(c, 2));
    Event([&] { list->Select(index); });
  } else if (verb == "drag") {
    qv::Control& target = ControlOf(Arg(c, 2));
    Event([&] { target.DragDrop(control); });
  } else if (verb == "caret") {
    // caret NAME START [LENGTH]: where the user left the caret, or what the user selected.
    const int length = c.words.size() > 3 ? std::stoi(Arg(c, 3)) : 0;
    control.NoteSelection(std::stoi(Arg(c, 2)), length);
  } else if (verb == "focus") {
    Event([&] { control.Owner().SetFocus(control); });
  } else if (verb == "mouse") {
    Mouse(control, c);
  } else {
    throw ScriptError(c.line, "unknown command " + verb);
  }
}

void Runner::ExpectControlState(qv::Control& control, const std::string& what, const Command& c) {
  bool value = false;
  bool positive = true;
  if (what == "checked" || what == "unchecked") {
    positive = what == "checked";
    if (auto* cb = dynamic_cast<qv::CheckBox*>(&control))
      value = cb->Checked();
    else if (auto* rb = dynamic_cast<qv::RadioButton*>(&control))
      value = rb->Checked();
    else if (auto* mi = dynamic_cast<qv::MenuItem*>(&control))
      value = mi->Checked();
    else
      throw ScriptError(c.line, control.Name() + " has no check mark");
  } else if (what == "visible" || what == "hidden") {
    positive = what == "visible";
    value = control.Visible();
  } else if (what == "enabled" || what == "disabled") {
    positive = what == "enabled";
    value = control.Enabled();
  } else if (what == "selection") {
    // expect NAME selection START LENGTH: the part of the text the logic selected.
    const std::string got =
        std::to_string(control.SelStart()) + " " + std::to_string(control.SelLength());
    const std::string wanted = Arg(c, 3) + " " + Arg(c, 4);
    return Check(c, got == wanted, wanted, got);
  } else if (what == "down" || what == "up") {
    positive = what == "down";
    auto* b = dynamic_cast<qv::Button*>(&control);
    if (!b) throw ScriptError(c.line, control.Name() + " is no button");
    value = b->Down();
  } else {
    throw ScriptError(c.line, "unknown state " + what);
  }
  Check(c, value == positive, what, value == positive ? what : "not " + what);
}

void Runner::Expect(const Command& c) {
  if (ExpectGridDateAndFocus(c)) return;
  if (ExpectNetwork(c)) return;
  const std::string what = Arg(c, 1);
  const bool quotedSecond = c.words.size() > 2 && c.words[2].quoted;
  if (what == "message") {
    const std::string wanted = Arg(c, 2);
    if (prompts_.messages.empty()) return Check(c, false, Quote(wanted), "no message");
    const std::string got = SandboxNames(prompts_.messages.front());
    prompts_.messages.pop_front();
    return Check(c, NormalizeLineBreaks(got) == NormalizeLineBreaks(wanted), Quote(wanted),
                 Quote(got));
  }
  if (what == "no-message") {
    const std::string got =
        prompts_.messages.empty() ? "" : SandboxNames(prompts_.messages.front());
    if (!prompts_.messages.empty()) prompts_.messages.pop_front();
    return Check(c, got.empty(), "no message", Quote(got));
  }
  if (what == "opened") {
    const std::string got = shell_.opened.empty() ? "nothing" : SandboxNames(shell_.opened.back());
    return Check(c, got == Arg(c, 2), Quote(Arg(c, 2)), Quote(got));
  }
  if (what == "clipboard")
    return Check(c, clipboard_.text == Arg(c, 2), Quote(Arg(c, 2)), Quote(clipboard_.text));
  if (what == "file") {
    const std::string path = ResolvePath(Arg(c, 2));
    const bool exists = fs::exists(path);
    if (c.words.size() > 3 && c.words[3].text == "missing")
      return Check(c, !exists, "no file", "a file");
    if (c.words.size() > 3 && c.words[3].text == "present")
      return Check(c, exists, "a file", "no file");
    if (!exists) return Check(c, false, "a file", "no file");
    const std::string got = JoinLines(SplitLines(ReadWholeFile(path)));
    return Check(c, got == JoinLines(c.block), Quote(JoinLines(c.block)), Quote(got));
  }
  if (what == "word") {
    // The calls made to the word processor since the last look.
    const std::vector<std::string> got = std::move(word_.calls);
    word_.calls.clear();
    return Check(c, got == c.block, Quote(JoinLines(c.block)), Quote(JoinLines(got)));
  }
  if (what == "printed") return ExpectPrinted(c);
  if (what == "ini") {
    const std::string section = Arg(c, 2), key = Arg(c, 3);
    // The file the program reads and writes: the start directory's or the user's own.
    const qv::IniFile ini(program_ ? program_->Main().SettingsPath()
                                   : qv::LocateSettingsFile(folders_).path);
    const bool exists = ini.ValueExists(section, key);
    if (Arg(c, 4) == "missing" && !c.words[4].quoted)
      return Check(c, !exists, "missing",
                   exists ? Quote(ini.ReadString(section, key, "")) : "missing");
    const std::string got = exists ? Quote(ini.ReadString(section, key, "")) : "missing";
    return Check(c, got == Quote(Arg(c, 4)), Quote(Arg(c, 4)), got);
  }
  EnsureStarted();
  if (what == "caption") return ExpectCaption(c);
  if (what == "pixel") return ExpectPixel(c);
  if (what == "text") return ExpectText(c);
  if (what == "cursor") {
    static const char* const kNames[] = {"normal", "busy", "drag"};
    const std::string got = kNames[static_cast<int>(program_->Main().GetCursor())];
    return Check(c, got == Arg(c, 2), Arg(c, 2), got);
  }
  if (what == "size") {
    const qv::TForm1& form = program_->Main();
    const std::string got = std::to_string(form.Width()) + " " + std::to_string(form.Height());
    const std::string wanted = Arg(c, 2) + " " + Arg(c, 3);
    return Check(c, got == wanted, wanted, got);
  }
  if (what == "tape") return ExpectTape(c);
  if (what == "tapeline") return ExpectTapeLine(c);
  if (what == "state") {
    const std::string name = Arg(c, 2);
    const auto got = program_->Main().StateText(name);
    if (!got) throw ScriptError(c.line, "no state value " + name);
    return Check(c, *got == Arg(c, 3), Quote(Arg(c, 3)), Quote(*got));
  }
  qv::Form* frame = program_->Main().FindFrame(what);
  if (!frame && what.rfind("T", 0) == 0 && what.find('.') == std::string::npos)
    frame = program_->FindWindow(what);
  if (frame) {
    // An embedded panel or a secondary window: shown or not.
    const std::string state = Arg(c, 2);
    if (state != "visible" && state != "hidden")
      throw ScriptError(c.line, "unknown state " + state);
    const bool positive = state == "visible";
    return Check(c, frame->Visible() == positive, state,
                 frame->Visible() == positive ? state : "not " + state);
  }
  qv::Control& control = ControlOf(what);
  if (quotedSecond)
    return Check(c, control.Text() == Arg(c, 2), Quote(Arg(c, 2)), Quote(control.Text()));
  if (Arg(c, 2) == "hint")
    return Check(c, control.Hint() == Arg(c, 3), Quote(Arg(c, 3)), Quote(control.Hint()));
  ExpectControlState(control, Arg(c, 2), c);
}

// expect caption "TEXT", or expect caption seen "TEXT": shown at some moment of the last
// command; expect caption CLASS "TEXT": the caption of a secondary window.
void Runner::ExpectCaption(const Command& c) {
  if (!c.words[2].quoted && Arg(c, 2) != "seen") {
    const qv::Form* window = program_->FindWindow(Arg(c, 2));
    if (!window) throw ScriptError(c.line, "no window " + Arg(c, 2));
    return Check(c, window->Caption() == Arg(c, 3), Quote(Arg(c, 3)), Quote(window->Caption()));
  }
  if (!c.words[2].quoted && Arg(c, 2) == "seen") {
    const std::string wanted = Arg(c, 3);
    std::string seen;
    for (const std::string& caption : captionsSeen_) {
      if (caption == wanted) return Check(c, true, "", "");
      seen += (seen.empty() ? "" : ", ") + Quote(caption);
    }
    return Check(c, false, Quote(wanted) + " seen", seen);
  }
  const std::string got = program_->Main().Caption();
  Check(c, got == Arg(c, 2), Quote(Arg(c, 2)), Quote(got));
}

namespace {

qv::Image& ImageOf(qv::Control& control, const Command& c) {
  auto* image = dynamic_cast<qv::Image*>(&control);
  if (!image) throw ScriptError(c.line, control.Name() + " is no drawing area");
  return *image;
}

int IntArg(const Command& c, size_t i) {
  try {
    return std::stoi(Arg(c, i));
  } catch (const std::exception&) {
    throw ScriptError(c.line, "not a number: " + Arg(c, i));
  }
}

}  // namespace

// expect pixel NAME X Y "#RRGGBB"
void Runner::ExpectPixel(const Command& c) {
  const qv::PixelView& picture = ImageOf(ControlOf(Arg(c, 2)), c).Picture();
  const int x = IntArg(c, 3), y = IntArg(c, 4);
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
    throw ScriptError(c.line, "pixel outside the picture");
  const auto* row = reinterpret_cast<const unsigned char*>(picture.pixels) +
                    static_cast<ptrdiff_t>(y) * picture.stride;
  const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
  char got[16];
  std::snprintf(got, sizeof got, "#%06X", static_cast<unsigned>(pixel));
  std::string wanted = Arg(c, 5);
  for (char& ch : wanted) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  Check(c, wanted == got, Quote(wanted), Quote(got));
}

// expect text NAME X Y "TEXT" ["#RRGGBB"] [POINTS]: the graph's picture has TEXT written with
// its top left corner at X, Y (in that colour and size); expect text NAME [X Y] "TEXT"
// missing: it has no such text there, or anywhere.
void Runner::ExpectText(const Command& c) {
  qv::Control& control = ControlOf(Arg(c, 2));
  auto* graph = dynamic_cast<qv::TFrame2*>(&control.Owner());
  if (!graph || &control != &graph->Image1) throw ScriptError(c.line, "no graph picture");
  const std::vector<qv::CanvasText>& texts = graph->Picture.Texts();
  const auto describe = [](const qv::CanvasText& t) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(t.colour));
    return std::to_string(t.x) + " " + std::to_string(t.y) + " " + colour + " " +
           std::to_string(t.points) + " " + Quote(t.text);
  };
  std::string written;
  for (const qv::CanvasText& t : texts) written += (written.empty() ? "" : ", ") + describe(t);
  if (written.empty()) written = "no text";
  if (c.words[3].quoted) {
    const std::string wanted = Arg(c, 3);
    if (Arg(c, 4) != "missing") throw ScriptError(c.line, "expect text NAME \"TEXT\" missing");
    for (const qv::CanvasText& t : texts)
      if (t.text == wanted) return Check(c, false, Quote(wanted) + " missing", written);
    return Check(c, true, "", "");
  }
  const int x = IntArg(c, 3), y = IntArg(c, 4);
  const std::string wanted = Arg(c, 5);
  if (c.words.size() > 6 && !c.words[6].quoted && c.words[6].text == "missing") {
    for (const qv::CanvasText& t : texts)
      if (t.x == x && t.y == y && t.text == wanted)
        return Check(c, false, Quote(wanted) + " missing", describe(t));
    return Check(c, true, "", "");
  }
  for (const qv::CanvasText& t : texts) {
    if (t.x != x || t.y != y || t.text != wanted) continue;
    std::string attributes = describe(t);
    bool ok = true;
    for (size_t i = 6; i < c.words.size(); ++i) {
      std::string expected = c.words[i].text;
      if (expected.starts_with("#")) {
        for (char& ch : expected)
          ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        ok = ok && attributes.find(" " + expected + " ") != std::string::npos;
      } else {
        ok = ok && std::to_string(t.points) == expected;
      }
    }
    std::string wantedText = std::to_string(x) + " " + std::to_string(y);
    for (size_t i = 6; i < c.words.size(); ++i) wantedText += " " + c.words[i].text;
    return Check(c, ok, wantedText + " " + Quote(wanted), attributes);
  }
  Check(c, false, std::to_string(x) + " " + std::to_string(y) + " " + Quote(wanted), written);
}

// mouse NAME down|move|up X Y [right]
void Runner::Mouse(qv::Control& control, const Command& c) {
  qv::Image& image = ImageOf(control, c);
  const std::string action = Arg(c, 2);
  const int x = IntArg(c, 3), y = IntArg(c, 4);
  const bool right = c.words.size() > 5 && c.words[5].text == "right";
  const qv::MouseButton button = right ? qv::MouseButton::Right : qv::MouseButton::Left;
  if (action == "down") {
    if (!right) leftHeld_ = true;
    Event([&] { image.MouseDown(button, x, y); });
  } else if (action == "move") {
    Event([&] { image.MouseMove(x, y, leftHeld_); });
  } else if (action == "up") {
    if (!right) leftHeld_ = false;
    Event([&] { image.MouseUp(button, x, y); });
  } else {
    throw ScriptError(c.line, "unknown mouse action " + action);
  }
}

void Runner::Print(const Command& c) {
  const std::string what = Arg(c, 1);
  if (what == "messages") {
    for (const auto& m : prompts_.messages)
      std::cout << "message: " << Quote(SandboxNames(m)) << "\n";
    return;
  }
  EnsureStarted();
  if (what == "state") {
    for (const char* name :
         {"InputState", "Entry1", "Entry2", "CurValue", "PendingOp", "ChainKind", "LastAction",
          "PercentKind", "RepeatCount", "ExtMode", "FormatMode", "Decimals", "FormatWhileTyping"})
      std::cout << name << " = " << Quote(*program_->Main().StateText(name)) << "\n";
    return;
  }
  if (what == "tape") {
    for (const qv::TapeParagraph& line : program_->Main().Frame41.Tape.Document())
      std::cout << "| " << line.Text() << "    [" << StyleText(line) << "]\n";
    return;
  }
  qv::Control& control = ControlOf(what);
  std::cout << what << " = " << Quote(control.Text()) << "\n";
}

void Runner::ExpectTape(const Command& c) {
  const qv::TapeModel& tape = program_->Main().Frame41.Tape;
  std::vector<std::string> lines;
  for (int i = 0; i < tape.TapeLineCount(); ++i) lines.push_back(tape.TapeLine(i));
  Check(c, lines == c.block, Quote(JoinLines(c.block)), Quote(JoinLines(lines)));
}

void Runner::ExpectTapeLine(const Command& c) {
  const qv::TapeModel& tape = program_->Main().Frame41.Tape;
  const int k = std::stoi(Arg(c, 2));
  const int index = k < 0 ? tape.TapeLineCount() + k : k - 1;
  if (k == 0 || index < 0 || index >= tape.TapeLineCount())
    return Check(c, false, "tape line " + std::to_string(k),
                 "a tape of " + std::to_string(tape.TapeLineCount()) + " lines");
  const qv::TapeParagraph& line = tape.Document()[index];
  const std::string wanted = Arg(c, 3);
  if (line.Text() != wanted) return Check(c, false, Quote(wanted), Quote(line.Text()));
  const qv::CharFormat& format = line.runs.front().format;
  for (size_t i = 4; i < c.words.size(); ++i) {
    const std::string& attribute = c.words[i].text;
    bool ok = true;
    if (attribute == "bold" || attribute == "regular") {
      ok = format.bold == (attribute == "bold");
    } else if (attribute == "italic") {
      ok = format.italic;
    } else if (attribute == "black" || attribute == "red" || attribute == "green") {
      ok = format.color == ColorOf(attribute);
    } else if (!attribute.empty() && std::isdigit(static_cast<unsigned char>(attribute[0]))) {
      ok = format.size == std::stod(attribute);
    } else {
      throw ScriptError(c.line, "unknown line attribute " + attribute);
    }
    if (!ok) return Check(c, false, Quote(wanted) + " " + attribute, StyleText(line));
  }
  Check(c, true, "", "");
}

}  // namespace qvs

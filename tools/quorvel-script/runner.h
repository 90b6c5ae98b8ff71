#pragma once
// Runs one scenario file against the program's logic with fake ports, in a fresh temporary
// start directory with its own data folder.
#include <memory>
#include <string>
#include <vector>

#include "fakes.h"
#include "program/program.h"
#include "script.h"

namespace qvs {

class Runner {
 public:
  Runner(std::string fileName, bool verbose);
  ~Runner();
  // Runs the script; answers the number of failed expectations (an aborted run counts one).
  int Run(const std::vector<Command>& commands);

 private:
  void Execute(const Command& c);
  void EnsureStarted();
  void Event(const std::function<void()>& event);
  qv::Control& ControlOf(const std::string& path);
  void Expect(const Command& c);
  void ExpectTape(const Command& c);
  void ExpectTapeLine(const Command& c);
  void ExpectControlState(qv::Control& control, const std::string& what, const Command& c);
  void ExpectPixel(const Command& c);
  void ExpectText(const Command& c);
  void ExpectCaption(const Command& c);
  // The last print job (print_commands.cpp).
  void ExpectPrinted(const Command& c);
  void Mouse(qv::Control& control, const Command& c);
  void SendKey(const std::string& spec, const Command& c);
  void Print(const Command& c);
  void Check(const Command& c, bool ok, const std::string& wanted, const std::string& got);
  std::string ResolvePath(const std::string& path) const;
  std::string SandboxNames(const std::string& message) const;
  // Grids, date pickers, the focus and today (grid_date_commands.cpp); false for other commands.
  bool RunGridAndDateCommand(const Command& c);
  bool ExpectGridDateAndFocus(const Command& c);
  qv::Grid& GridOf(const Command& c);
  // The answers of the network and what was asked of it (network_commands.cpp).
  bool RunNetworkCommand(const Command& c);
  bool ExpectNetwork(const Command& c);

  std::string fileName_;
  bool verbose_;
  std::string startDir_, dataDir_, previousDir_;
  FakePrompts prompts_;
  FakeClipboard clipboard_;
  FakeShell shell_;
  FakePrinter printer_;
  FakeWordProcessor word_;
  FakeClock clock_;
  FakeNetwork network_;
  SandboxFolders folders_;
  std::vector<qv::ScreenRect> screens_;  // the desktop's free areas at the next start
  std::unique_ptr<qv::Program> program_;
  bool iniAllowed_ = true;
  // Every caption the main window showed during the last command, the first one included.
  std::vector<std::string> captionsSeen_;
  bool leftHeld_ = false;  // the left mouse button is down on a drawing area
  int failures_ = 0;
};

// "a\r\nb" and "a\rb" compare as "a\nb".
std::string NormalizeLineBreaks(const std::string& text);

}  // namespace qvs

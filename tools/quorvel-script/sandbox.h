#pragma once
// A fresh temporary start directory with its own documents folder, and the fake ports that go
// with it: what the driver, the logic tests and the benchmarks run the program in.
#include <filesystem>
#include <string>

#include "fakes.h"

namespace qvs {

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  // Writes the settings file "Quorvel.ini" of the start directory.
  void WriteSettings(const std::string& text) const;
  qv::Ports Ports() { return {prompts, clipboard, shell, folders, printer, word, clock, network}; }

  // The start directory; its "Documents" is the documents folder, its "share" the folder of the
  // installed files (not created).
  std::filesystem::path dir;
  FakePrompts prompts;
  FakeClipboard clipboard;
  FakeShell shell;
  FakePrinter printer;
  FakeWordProcessor word;
  FakeClock clock;
  FakeNetwork network;
  SandboxFolders folders;
};

}  // namespace qvs

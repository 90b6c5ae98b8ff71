// Any tape content, as a loaded file or the user's typing can leave it, read back by
// "Rückgängig" line after line: the general handler sees every failure, nothing crashes, and
// field 1 never takes a value that is no number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "calculator/main_window.h"
#include "fakes.h"
#include "platform/errors.h"

namespace {

const std::string& SandboxDir() {
  static const std::string dir = [] {
    const auto path = std::filesystem::temp_directory_path() / "qv-fuzz-tape-undo";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qvs::FakePrompts prompts;
  qvs::FakeClipboard clipboard;
  qvs::FakeShell shell;
  qvs::FakePrinter printer;
  qvs::FakeWordProcessor word;
  qvs::FakeClock clock;
  qvs::FakeNetwork network;
  qvs::SandboxFolders folders;
  folders.startDir = folders.documentsDir = SandboxDir();
  qv::TForm1 form({prompts, clipboard, shell, folders, printer, word, clock, network});
  form.Button46Click();
  qv::TapeModel& tape = form.Frame41.Tape;
  tape.TapeClear();
  // The first line is field 1 before the undo, the others are the tape.
  size_t start = 0;
  bool first = true;
  while (start <= bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string line(bytes.substr(start, end - start));
    if (first) {
      // Field 1 holds a number, as every key leaves it.
      if (std::isfinite(qv::ReadEntryText(line))) form.PutValueInActiveField(line);
    } else {
      tape.TapeAppendLine(line);
    }
    first = false;
    start = end + 1;
  }
  for (int i = 0; i < 8; ++i) {
    try {
      qv::RunGuarded(prompts, [&] { form.UndoKey(); });
    } catch (...) {
      std::abort();  // the program's handler must have caught it
    }
    const qv::Extended value = qv::ReadEntryText(form.S.Entry1);
    if (std::isnan(value)) std::abort();
  }
  return 0;
}

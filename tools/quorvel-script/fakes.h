#pragma once
// Ports for scripted runs: they record every message and answer from a queue.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ports.h"

namespace qvs {

// Ends a script: not a std::exception, so the program's general handler lets it pass.
struct ScriptAbort {
  std::string what;
};

struct QueuedAnswer {
  enum Kind { Yes, No, Cancel, Ok, Text, File } kind;
  std::string text;
  int filter = 1;
};

class FakePrompts : public qv::Prompts {
 public:
  std::deque<QueuedAnswer> answers;
  std::deque<std::string> messages;  // shown and not yet checked
  std::string startDir, dataDir;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override;
  qv::Answer AskYesNoCancel(const std::string& text) override;
  std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText) override;
  std::optional<qv::FileChoice> OpenFile(const qv::FileDialog& dialog) override;
  std::optional<qv::FileChoice> SaveFile(const qv::FileDialog& dialog) override;
  bool PrinterSetup() override;
  std::optional<qv::FontSpec> ChooseFont(const qv::FontSpec& current) override;
  std::optional<int32_t> ChooseColor(int32_t current) override;

 private:
  QueuedAnswer Next(const std::string& what);
  std::optional<qv::FileChoice> FileAnswer(const std::string& what, const qv::FileDialog& dialog);
};

// Records every call as a line ("AddTextBox 72 72 60 42"); Connect fails when told to, the
// next inserts fail when told to, and the desktop refuses the document at Release when told to.
class FakeWordProcessor : public qv::WordProcessor {
 public:
  std::vector<std::string> calls;
  bool available = true;
  int failingInserts = 0;  // this many of the next inserts fail
  bool refuse = false;
  std::string document = "Word.rtf";  // the document the desktop is handed
  bool Connect(std::string& error) override;
  void AddDocument() override { calls.push_back("AddDocument"); }
  void MakeVisible() override { calls.push_back("MakeVisible"); }
  bool InsertFile(const std::string& path) override;
  bool InsertPicture(const std::string& path) override;
  void TypeParagraph() override { calls.push_back("TypeParagraph"); }
  bool InsertionPoint(double& left, double& top) override;
  bool AddTextBox(double left, double top, double width, double height) override;
  void SetBoxMargins(double points) override;
  void SetBoxWrapSquare() override { calls.push_back("SetBoxWrapSquare"); }
  void SetBoxBorder(bool visible) override;
  void SetFont(const std::string& name, double size, bool bold) override;
  void SetColorIndex(int index) override;
  void SetAlignment(int alignment) override;
  void TypeText(const std::string& text) override;
  void SetBoxSize(double width, double height) override;
  void FinishBox() override { calls.push_back("FinishBox"); }
  qv::HandoffFailure Release() override;

 private:
  // Whether this insert may work: false while inserts are to fail.
  bool TakeInsert();
};

class FakeClipboard : public qv::Clipboard {
 public:
  std::string text;
  std::string GetText() override { return text; }
  void SetText(const std::string& t) override { text = t; }
};

// Records what the desktop is asked to open and whether a restart was asked for; refuses both
// when told to, answering as a desktop without a program for anything does.
class FakeShell : public qv::Shell {
 public:
  std::vector<std::string> opened;
  bool restartRequested = false;
  bool refuse = false;
  std::string program = "/usr/bin/quorvel";  // the program file a restart starts
  qv::HandoffFailure Open(const std::string& target) override;
  qv::HandoffFailure Restart() override;
};

// An A4 page at 600 dots per inch; every job is recorded instead of printed: a rich text with
// its strip, or a document laid out in pages.
class FakePrinter : public qv::Printer {
 public:
  struct Job {
    std::string rtf, title;
    qv::PrintRect rect;
    qv::PrintedDocument document;
  };
  std::vector<Job> jobs;
  qv::PrinterPage Page() override { return {600, 600, 4960, 7016}; }
  std::optional<std::string> PrintRichText(const std::string& rtf, const qv::PrintRect& rect,
                                           const std::string& jobTitle) override {
    jobs.push_back({rtf, jobTitle, rect, {}});
    return std::nullopt;
  }
  std::optional<std::string> PrintPages(const qv::PrintedDocument& document,
                                        const std::string& jobTitle) override {
    jobs.push_back({"", jobTitle, {}, document});
    return std::nullopt;
  }
};

// Records every address asked for; each request waits until the script answers it
// ("network reply", "network fail").
class FakeNetwork : public qv::Network {
 public:
  struct Waiting {
    qv::WebRequest request;
    std::function<void(const qv::WebReply&)> done;
  };
  std::vector<std::string> fetched;
  std::deque<Waiting> waiting;
  void Fetch(const qv::WebRequest& request,
             std::function<void(const qv::WebReply&)> done) override {
    fetched.push_back(request.url);
    waiting.push_back({request, std::move(done)});
  }
};

// Today as a script says it ("today"); the machine's date until then.
class FakeClock : public qv::Clock {
 public:
  int today = qv::SystemClock().Today();
  int Today() override { return today; }
};

// The real file system, with the start directory, the documents folder and the folder of the
// installed files of the sandbox. Its settings folder is the start directory unless one is
// given, and it has a home folder only when one is given: the user's own files stay untouched.
class SandboxFolders : public qv::LocalFolders {
 public:
  std::string startDir, documentsDir, sharedDir, settingsDir, homeDir;
  std::string CurrentDir() override { return startDir; }
  std::string DocumentsDir() override { return documentsDir; }
  std::string SharedDir() override { return sharedDir; }
  std::string SettingsDir() override { return settingsDir.empty() ? startDir : settingsDir; }
  std::string HomeDir() override { return homeDir; }
};

}  // namespace qvs

#pragma once
// Platform services the logic calls. The Qt layer implements them for the real program;
// tests and the script driver implement them with fakes that record what was asked and
// answer from a queue.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

enum class Answer { Yes, No, Cancel };

struct FileDialog {
  std::string title;
  // "Rich Text (*.rtf)|*.rtf|Text (*.txt)|*.txt": pairs of description and pattern.
  std::string filter;
  int filterIndex = 1;  // from 1
  std::string defaultExt;
  std::string fileName;  // proposed name
  std::string initialDir;
};

struct FileChoice {
  std::string path;
  int filterIndex = 1;
};

struct FontSpec {
  std::string name = "Arial";
  int size = 10;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int32_t color = 0;  // 0xRRGGBB
};

// Message boxes, questions and input boxes: every one the program shows goes through here.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // An information box with "OK", titled "Quorvel".
  virtual void ShowMessage(const std::string& text) = 0;
  // An error box with "OK", titled "Quorvel" (the general handler's box).
  virtual void ShowError(const std::string& text) = 0;
  // "Ja" / "Nein".
  virtual bool AskYesNo(const std::string& text) = 0;
  // "Ja" / "Nein" / "Abbrechen".
  virtual Answer AskYesNoCancel(const std::string& text) = 0;
  // An input box with "OK" and "Abbrechen": no value when cancelled.
  virtual std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                                const std::string& defaultText) = 0;
  // An input box whose cancelling answers its default text.
  std::string InputBox(const std::string& title, const std::string& prompt,
                       const std::string& defaultText) {
    return InputQuery(title, prompt, defaultText).value_or(defaultText);
  }
  // File dialogs: no value when cancelled.
  virtual std::optional<FileChoice> OpenFile(const FileDialog& dialog) = 0;
  virtual std::optional<FileChoice> SaveFile(const FileDialog& dialog) = 0;
  // The printer set-up dialog: false when cancelled.
  virtual bool PrinterSetup() = 0;
  virtual std::optional<FontSpec> ChooseFont(const FontSpec& current) = 0;
  virtual std::optional<int32_t> ChooseColor(int32_t current) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::string GetText() = 0;
  virtual void SetText(const std::string& text) = 0;
};

// The desktop's answer to a hand-off (a document or web page to open with the desktop's
// program for it, the program to start anew): nothing when it worked, else why not, in
// German, and on a new line the file or address concerned, so that a user can open it by
// hand: "kein Programm für RTF-Dateien gefunden.\n/home/…/Word.rtf" (handoff.h).
using HandoffFailure = std::optional<std::string>;

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a local file or a web page with the desktop's associated program.
  virtual HandoffFailure Open(const std::string& fileOrUrl) = 0;
  // Starts the running program anew (same executable, same start directory); called once the
  // current instance has closed and saved its settings.
  virtual HandoffFailure Restart() = 0;
};

// Folders and files; the default implementation works on the real file system.
class Folders {
 public:
  virtual ~Folders() = default;
  virtual std::string CurrentDir() = 0;
  virtual std::string DocumentsDir() = 0;
  // The folder of the files installed with the program (the help page); it need not exist.
  virtual std::string SharedDir() = 0;
  // The user's own folder of the settings file, used when the start directory holds none
  // ($XDG_CONFIG_HOME/Quorvel); it need not exist.
  virtual std::string SettingsDir() = 0;
  // The home folder, where older versions left their settings file when started from the
  // desktop's menu; empty when there is none.
  virtual std::string HomeDir() = 0;
  virtual bool CreateDir(const std::string& path) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
};

class LocalFolders : public Folders {
 public:
  std::string CurrentDir() override;
  // The XDG documents directory, or ~/Documents when none is set up.
  std::string DocumentsDir() override;
  std::string SharedDir() override;
  // $XDG_CONFIG_HOME/Quorvel, or ~/.config/Quorvel when that is not set to an absolute path.
  std::string SettingsDir() override;
  std::string HomeDir() override;
  bool CreateDir(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
};

// The calendar: today's date as a day number (dates.h), the date pickers' start value.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int Today() = 0;
};

// The machine's local date.
class SystemClock : public Clock {
 public:
  int Today() override;
};

// The page of the printer chosen in the printer set-up dialog, in device units.
struct PrinterPage {
  int dpiX = 0, dpiY = 0;  // resolution in dots per inch
  int width = 0, height = 0;
};

// A rectangle on the page in device units.
struct PrintRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  bool operator==(const PrintRect&) const = default;
};

// A text on a printed page, in its box (device units), in a font of that size.
struct PrintedText {
  enum class Align { Left, Centre, Right };
  PrintRect box;
  std::string text;
  double points = 10;
  bool bold = false;
  Align align = Align::Left;
};

// A horizontal rule on a printed page, in device units.
struct PrintedRule {
  int left = 0, right = 0, y = 0;
  int thickness = 1;
};

struct PrintedPage {
  std::vector<PrintedText> texts;
  std::vector<PrintedRule> rules;
};

// A document the logic has laid out page by page on the printer's page.
struct PrintedDocument {
  std::vector<PrintedPage> pages;
};

class Printer {
 public:
  virtual ~Printer() = default;
  virtual PrinterPage Page() = 0;
  // Prints a rich-text (RTF) document with its formatting into rect on every page, over as
  // many pages as needed, as one job of that title. Gives the German reason of a failure.
  virtual std::optional<std::string> PrintRichText(const std::string& rtf, const PrintRect& rect,
                                                   const std::string& jobTitle) = 0;
  // Prints the pages as one job of that title, every text in its box (a text wider than its
  // box is set smaller, never cut). Gives the German reason of a failure.
  virtual std::optional<std::string> PrintPages(const PrintedDocument& document,
                                                const std::string& jobTitle) = 0;
};

// The services one program instance works with.
// A word processor driven as an automation client drives one: a document, its insertion
// point, an inserted file, a text box with typed lines. Every call answers whether it worked.
class WordProcessor {
 public:
  virtual ~WordProcessor() = default;
  // Reaches a running word processor or starts one with a new document; false with the
  // reason when none can be reached.
  virtual bool Connect(std::string& error) = 0;
  virtual void AddDocument() = 0;
  virtual void MakeVisible() = 0;
  // Inserts a rich-text file at the insertion point.
  virtual bool InsertFile(const std::string& path) = 0;
  // Inserts a picture file (BMP or PNG) at the insertion point as an inline picture, saved
  // with the document rather than linked to the file.
  virtual bool InsertPicture(const std::string& path) = 0;
  // Ends the paragraph at the insertion point: a paragraph mark.
  virtual void TypeParagraph() = 0;
  // The insertion point on the page in points: left and top.
  virtual bool InsertionPoint(double& left, double& top) = 0;
  // Adds a text box at the position and selects its text.
  virtual bool AddTextBox(double left, double top, double width, double height) = 0;
  virtual void SetBoxMargins(double points) = 0;
  virtual void SetBoxWrapSquare() = 0;
  // No border, or a border of round dots in a thin-thin double line.
  virtual void SetBoxBorder(bool visible) = 0;
  virtual void SetFont(const std::string& name, double size, bool bold) = 0;
  // The colour index of the text: 0 automatic, 6 red, 11 green.
  virtual void SetColorIndex(int index) = 0;
  // 0 left, 1 centred, 2 right.
  virtual void SetAlignment(int alignment) = 0;
  virtual void TypeText(const std::string& text) = 0;
  virtual void SetBoxSize(double width, double height) = 0;
  // Puts the insertion point at the end of the box's text.
  virtual void FinishBox() = 0;
  // Ends the connection; the word processor stays open with the document. Answers whether the
  // desktop took the document.
  virtual HandoffFailure Release() = 0;
};

// A web address asked for, with the limits its answer must keep.
struct WebRequest {
  std::string url;
  int timeoutMs = 15000;          // for the whole transfer, redirects included
  size_t maxBytes = 1024 * 1024;  // a longer body is a failure, not cut
};

// The body of the answer, or why none came, in German and fit to follow a colon ("keine
// Verbindung", "der Server meldet HTTP-Fehler 404").
struct WebReply {
  std::string body;
  std::optional<std::string> failure;
};

// Fetches web pages while the program goes on: the answer comes later as an event of its own on
// the user-interface thread, never inside Fetch, and once (none when the program ends first).
class Network {
 public:
  virtual ~Network() = default;
  virtual void Fetch(const WebRequest& request, std::function<void(const WebReply&)> done) = 0;
};

struct Ports {
  Prompts& prompts;
  Clipboard& clipboard;
  Shell& shell;
  Folders& folders;
  Printer& printer;
  WordProcessor& word;
  Clock& clock;
  Network& network;
};

}  // namespace qv

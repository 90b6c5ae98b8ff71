#pragma once
// One program run with its Qt front end, offscreen, in a fresh start directory; message boxes
// are recorded instead of shown.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "program/program.h"
#include "ui/binder.h"
#include "ui/frontend.h"
#include "ui/main_window.h"
#include "ui/qt_network.h"
#include "ui/tape_printer.h"

namespace qv::ui {

class RecordingPrompts : public Prompts {
 public:
  std::vector<std::string> shown;
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  void ShowError(const std::string& text) override { shown.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    shown.push_back(text);
    return true;
  }
  Answer AskYesNoCancel(const std::string& text) override {
    shown.push_back(text);
    return Answer::Yes;
  }
  std::optional<std::string> InputQuery(const std::string&, const std::string&,
                                        const std::string& d) override {
    return d;
  }
  // The file chosen in the open dialog; none cancels it.
  std::optional<std::string> openPath;
  std::optional<FileChoice> OpenFile(const FileDialog&) override {
    if (!openPath) return std::nullopt;
    return FileChoice{*openPath, 1};
  }
  // The file chosen in the next save dialog; none cancels it.
  std::optional<FileChoice> saveChoice;
  std::optional<FileChoice> SaveFile(const FileDialog&) override {
    return std::exchange(saveChoice, std::nullopt);
  }
  // Whether the printer set-up dialog is confirmed.
  bool printerChosen = false;
  bool PrinterSetup() override { return printerChosen; }
  std::optional<FontSpec> ChooseFont(const FontSpec&) override { return std::nullopt; }
  std::optional<int32_t> ChooseColor(int32_t) override { return std::nullopt; }
};

class NullClipboard : public Clipboard {
 public:
  std::string GetText() override { return {}; }
  void SetText(const std::string&) override {}
};

class NullShell : public Shell {
 public:
  HandoffFailure Open(const std::string&) override { return std::nullopt; }
  HandoffFailure Restart() override { return std::nullopt; }
};

class NullWordProcessor : public WordProcessor {
 public:
  bool Connect(std::string& error) override {
    error = "keine Textverarbeitung";
    return false;
  }
  void AddDocument() override {}
  void MakeVisible() override {}
  bool InsertFile(const std::string&) override { return false; }
  bool InsertPicture(const std::string&) override { return false; }
  void TypeParagraph() override {}
  bool InsertionPoint(double&, double&) override { return false; }
  bool AddTextBox(double, double, double, double) override { return false; }
  void SetBoxMargins(double) override {}
  void SetBoxWrapSquare() override {}
  void SetBoxBorder(bool) override {}
  void SetFont(const std::string&, double, bool) override {}
  void SetColorIndex(int) override {}
  void SetAlignment(int) override {}
  void TypeText(const std::string&) override {}
  void SetBoxSize(double, double) override {}
  void FinishBox() override {}
  HandoffFailure Release() override { return std::nullopt; }
};

class SandboxFolders : public LocalFolders {
 public:
  explicit SandboxFolders(std::string dir) : dir_(std::move(dir)) {}
  std::string CurrentDir() override { return dir_; }
  std::string DocumentsDir() override { return dir_; }
  std::string SharedDir() override { return dir_ + "/share"; }
  std::string SettingsDir() override { return dir_; }
  std::string HomeDir() override { return {}; }

 private:
  std::string dir_;
};

class UiTest : public testing::Test {
 protected:
  UiTest() : UiTest(noShell_, noWordProcessor_) {}
  // A run handing files, web pages and documents to the given desktop services.
  UiTest(Shell& shell, WordProcessor& word)
      : program{Ports{prompts, clipboard, shell, folders, printer, word, clock, network}} {
    network.RunEvent = [this](const std::function<void()>& event) { binder.Run(event); };
  }

  void SetUp() override {
    frontend.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frontend.Window()));
  }

  template <class W = QWidget>
  W& Widget(const char* name) {
    auto* widget = frontend.Window().findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + name);
    return *widget;
  }
  void Click(const char* name) { QTest::mouseClick(&Widget(name), Qt::LeftButton); }
  // A widget of an embedded panel (the calculator has controls of the same names).
  template <class W = QWidget>
  W& PanelWidget(const char* frame, const char* name) {
    auto* widget = Widget(frame).findChild<W*>(QString::fromLatin1(name));
    if (!widget) throw std::runtime_error(std::string("no widget ") + frame + "." + name);
    return *widget;
  }

  QTemporaryDir dir;
  RecordingPrompts prompts;
  NullClipboard clipboard;
  NullShell noShell_;
  SandboxFolders folders{dir.path().toStdString()};
  // Prints into a PDF file in the sandbox.
  QPrinter pdf{QPrinter::HighResolution};
  QtPrinter printer{[this]() -> QPrinter& {
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("tape.pdf")));
    return pdf;
  }};
  NullWordProcessor noWordProcessor_;
  SystemClock clock;
  QtNetwork network;
  Program program;
  Frontend frontend{program, prompts};
  TForm1& form = program.Main();
  Binder& binder = frontend.GetBinder();
};

}  // namespace qv::ui

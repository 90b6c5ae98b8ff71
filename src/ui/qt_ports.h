#pragma once
// The platform services of the real program, on Qt: message boxes with German buttons, input
// boxes, file, printer, font and colour dialogs, the clipboard and the desktop's shell.
#include <memory>

#include "platform/ports.h"

class QPrinter;

namespace qv::ui {

class QtPrompts : public Prompts {
 public:
  QtPrompts();
  ~QtPrompts() override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  Answer AskYesNoCancel(const std::string& text) override;
  std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText) override;
  std::optional<FileChoice> OpenFile(const FileDialog& dialog) override;
  std::optional<FileChoice> SaveFile(const FileDialog& dialog) override;
  bool PrinterSetup() override;
  std::optional<FontSpec> ChooseFont(const FontSpec& current) override;
  std::optional<int32_t> ChooseColor(int32_t current) override;

  // The printer chosen in the set-up dialog, kept for printing.
  QPrinter& Printer();

 private:
  std::optional<FileChoice> ChooseFile(const FileDialog& dialog, bool save);
  std::unique_ptr<QPrinter> printer_;  // made when first needed: it is slow to set up
};

class QtClipboard : public Clipboard {
 public:
  std::string GetText() override;
  void SetText(const std::string& text) override;
};

class QtShell : public Shell {
 public:
  void Open(const std::string& fileOrUrl) override;
  void RequestRestart() override { restartRequested_ = true; }
  bool RestartRequested() const { return restartRequested_; }
  // Starts this executable anew in the current directory; called after the event loop ended.
  static bool Restart();

 private:
  bool restartRequested_ = false;
};

}  // namespace qv::ui

#pragma once
// The platform services of the real program, on Qt: message boxes with German buttons, input
// boxes, file, printer, font and colour dialogs, the clipboard and the desktop's shell.
#include <QString>
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
  // program: the file a restart starts; the running executable when empty.
  explicit QtShell(QString program = {});
  HandoffFailure Open(const std::string& fileOrUrl) override;
  HandoffFailure Restart() override;

 private:
  QString program_;
};

}  // namespace qv::ui

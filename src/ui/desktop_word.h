#pragma once
// The word processor of a Linux desktop: the document the export builds is written as a
// rich-text file and opened with the program the desktop associates with it (LibreOffice
// Writer, AbiWord, ...). An inserted file becomes the document; a text box is written as an
// RTF shape holding the typed lines.
#include <functional>
#include <string>

#include "platform/ports.h"
#include "tape/tape_document.h"

namespace qv::ui {

class DesktopWord : public WordProcessor {
 public:
  // documentPath gives the file the document is written to.
  explicit DesktopWord(std::function<std::string()> documentPath);

  bool Connect(std::string& error) override;
  void AddDocument() override;
  void MakeVisible() override {}
  bool InsertFile(const std::string& path) override;
  bool InsertionPoint(double& left, double& top) override;
  bool AddTextBox(double left, double top, double width, double height) override;
  void SetBoxMargins(double points) override { margins_ = points; }
  void SetBoxWrapSquare() override {}
  void SetBoxBorder(bool visible) override { border_ = visible; }
  void SetFont(const std::string& name, double size, bool bold) override;
  void SetColorIndex(int index) override;
  void SetAlignment(int alignment) override;
  void TypeText(const std::string& text) override;
  void SetBoxSize(double width, double height) override;
  void FinishBox() override {}
  HandoffFailure Release() override;

 private:
  std::string BoxDocument() const;
  std::function<std::string()> documentPath_;
  std::string inserted_;   // the rich text of an inserted file
  TapeDocument boxLines_;  // the lines typed into the text box
  TapeParagraph current_;  // the format of the next typed line
  bool box_ = false, border_ = true;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0, margins_ = 8;
};

}  // namespace qv::ui

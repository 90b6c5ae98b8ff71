#pragma once
// Printing through QPrinter: the tape's rich text laid out into a strip of the page, and
// documents the logic laid out in pages.
#include <QPrinter>
#include <functional>

#include "platform/ports.h"

namespace qv::ui {

class QtPrinter : public Printer {
 public:
  // The printer the set-up dialog chose (made on first use: it is slow to set up).
  explicit QtPrinter(std::function<QPrinter&()> printer) : printer_(std::move(printer)) {}
  PrinterPage Page() override;
  std::optional<std::string> PrintRichText(const std::string& rtf, const PrintRect& rect,
                                           const std::string& jobTitle) override;
  // page_printer.cpp
  std::optional<std::string> PrintPages(const PrintedDocument& document,
                                        const std::string& jobTitle) override;

 private:
  std::function<QPrinter&()> printer_;
};

}  // namespace qv::ui

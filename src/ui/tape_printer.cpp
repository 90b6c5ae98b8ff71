#include "ui/tape_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

#include "tape/tape_file.h"
#include "ui/tape_text.h"

namespace qv::ui {

PrinterPage QtPrinter::Page() {
  QPrinter& printer = printer_();
  // Device units count from the corner of the paper, not of the printable area.
  printer.setFullPage(true);
  return {printer.logicalDpiX(), printer.logicalDpiY(), printer.width(), printer.height()};
}

std::optional<std::string> QtPrinter::PrintRichText(const std::string& rtf, const PrintRect& rect,
                                                    const std::string& jobTitle) {
  const TapeReadResult read = ReadTape(rtf, TapeStyle{});
  if (!read.ok()) return read.error;
  QPrinter& printer = printer_();
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(jobTitle));
  const QSizeF strip(rect.right - rect.left, rect.bottom - rect.top);
  if (strip.width() <= 0 || strip.height() <= 0) return "Die Seite ist zu klein für das Tape";
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&printer);
  document.setDocumentMargin(0);
  FillDocument(document, read.document);
  document.setPageSize(strip);
  QPainter painter;
  if (!painter.begin(&printer)) return "Der Drucker konnte nicht geöffnet werden";
  const int pages = document.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !printer.newPage()) return "Der Drucker hat die nächste Seite abgelehnt";
    painter.save();
    painter.translate(rect.left, rect.top - page * strip.height());
    const QRectF visible(0, page * strip.height(), strip.width(), strip.height());
    painter.setClipRect(visible);
    document.drawContents(&painter, visible);
    painter.restore();
  }
  if (!painter.end()) return "Der Druckauftrag konnte nicht abgeschlossen werden";
  return std::nullopt;
}

}  // namespace qv::ui

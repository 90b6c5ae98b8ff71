// Documents the logic laid out in pages, through QPrinter (which the desktop's print dialog
// may point at a PDF file).
#include <QPainter>

#include "ui/tape_printer.h"

namespace qv::ui {

namespace {

Qt::Alignment AlignmentOf(PrintedText::Align align) {
  switch (align) {
    case PrintedText::Align::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case PrintedText::Align::Centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case PrintedText::Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// A text set smaller, down to a quarter of its size, until it fits its box.
void DrawText(QPainter& painter, const PrintedText& text) {
  const QRect box(QPoint(text.box.left, text.box.top),
                  QPoint(text.box.right - 1, text.box.bottom - 1));
  const QString shown = QString::fromStdString(text.text);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(text.bold);
  for (double points = text.points; points >= text.points / 4; points *= 0.9) {
    font.setPointSizeF(points);
    painter.setFont(font);
    if (painter.fontMetrics().horizontalAdvance(shown) <= box.width()) break;
  }
  painter.drawText(box, static_cast<int>(AlignmentOf(text.align)), shown);
}

}  // namespace

std::optional<std::string> QtPrinter::PrintPages(const PrintedDocument& document,
                                                 const std::string& jobTitle) {
  QPrinter& printer = printer_();
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(jobTitle));
  QPainter painter;
  if (!painter.begin(&printer)) return "Der Drucker konnte nicht geöffnet werden";
  for (size_t page = 0; page < document.pages.size(); ++page) {
    if (page > 0 && !printer.newPage()) return "Der Drucker hat die nächste Seite abgelehnt";
    for (const PrintedRule& rule : document.pages[page].rules)
      painter.fillRect(rule.left, rule.y, rule.right - rule.left, rule.thickness, Qt::black);
    for (const PrintedText& text : document.pages[page].texts) DrawText(painter, text);
  }
  if (!painter.end()) return "Der Druckauftrag konnte nicht abgeschlossen werden";
  return std::nullopt;
}

}  // namespace qv::ui

#include "ui/tape_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <deque>
#include <utility>

namespace qv::ui {

QTextCharFormat ToQt(const CharFormat& format) {
  QTextCharFormat q;
  q.setFontFamilies({QString::fromStdString(format.font)});
  q.setFontPointSize(format.size);
  q.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(format.italic);
  q.setFontUnderline(format.underline);
  q.setForeground(QColor::fromRgb(static_cast<QRgb>(format.color) | 0xFF000000u));
  return q;
}

CharFormat FromQt(const QTextCharFormat& q) {
  CharFormat format;
  const QStringList families = q.fontFamilies().toStringList();
  if (!families.isEmpty() && !families.first().isEmpty())
    format.font = families.first().toStdString();
  if (q.fontPointSize() > 0) format.size = q.fontPointSize();
  format.bold = q.fontWeight() >= QFont::DemiBold;
  format.italic = q.fontItalic();
  format.underline = q.fontUnderline();
  if (q.hasProperty(QTextFormat::ForegroundBrush))
    format.color = static_cast<int32_t>(q.foreground().color().rgb() & 0xFFFFFFu);
  return format;
}

Qt::Alignment ToQt(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Justify:
      return Qt::AlignJustify;
    case Alignment::Right:
      break;
  }
  return Qt::AlignRight;
}

Alignment FromQt(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return Alignment::Center;
  if (alignment & Qt::AlignJustify) return Alignment::Justify;
  if (alignment & Qt::AlignLeft) return Alignment::Left;
  return Alignment::Right;
}

void WriteParagraph(QTextCursor& cursor, const TapeParagraph& line) {
  QTextBlockFormat block;
  block.setAlignment(ToQt(line.alignment) | Qt::AlignAbsolute);
  cursor.setBlockFormat(block);
  // An empty line keeps the height of its format.
  if (!line.runs.empty()) cursor.setBlockCharFormat(ToQt(line.runs.front().format));
  for (const TapeRun& run : line.runs)
    cursor.insertText(QString::fromStdString(run.text), ToQt(run.format));
}

void AppendParagraph(QTextDocument& document, const TapeParagraph& line, bool first) {
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  // One edit block: the layout runs once for the new line.
  cursor.beginEditBlock();
  if (!first) cursor.insertBlock();
  WriteParagraph(cursor, line);
  cursor.endEditBlock();
}

namespace {

// The Qt formats of the few distinct formats a tape uses, made once per fill.
class FormatCache {
 public:
  const QTextCharFormat& Char(const CharFormat& format) {
    for (const auto& [known, q] : chars_)
      if (known == format) return q;
    return chars_.emplace_back(format, ToQt(format)).second;
  }
  const QTextBlockFormat& Block(Alignment alignment) {
    for (const auto& [known, q] : blocks_)
      if (known == alignment) return q;
    QTextBlockFormat block;
    block.setAlignment(ToQt(alignment) | Qt::AlignAbsolute);
    return blocks_.emplace_back(alignment, block).second;
  }

 private:
  std::deque<std::pair<CharFormat, QTextCharFormat>> chars_;
  std::deque<std::pair<Alignment, QTextBlockFormat>> blocks_;
};

}  // namespace

// The whole document in one edit block with one call per line and run. The layout waits for
// the end, and a view then lays the document out as one set anew: the visible part at once,
// the rest in steps while the window goes on answering. A loaded document is no edit the user
// could undo.
void FillDocument(QTextDocument& document, const TapeDocument& lines) {
  const QSizeF page = document.pageSize();
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  document.setPageSize(QSizeF(0, 0));
  document.clear();
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  FormatCache formats;
  bool first = true;
  for (const TapeParagraph& line : lines) {
    const QTextBlockFormat& block = formats.Block(line.alignment);
    // An empty line keeps the height of its format.
    const QTextCharFormat& lineFormat = formats.Char(line.runs.front().format);
    if (first) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(lineFormat);
      first = false;
    } else {
      cursor.insertBlock(block, lineFormat);
    }
    for (const TapeRun& run : line.runs)
      cursor.insertText(QString::fromStdString(run.text), formats.Char(run.format));
  }
  cursor.endEditBlock();
  document.setPageSize(page);
  document.setUndoRedoEnabled(undo);
}

TapeDocument ReadDocument(const QTextDocument& document) {
  TapeDocument lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    TapeParagraph line;
    line.alignment = FromQt(block.blockFormat().alignment());
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.isValid())
        line.runs.push_back({fragment.text().toStdString(), FromQt(fragment.charFormat())});
    }
    if (line.runs.empty()) line.runs.push_back({"", FromQt(block.charFormat())});
    NormalizeParagraph(line);
    lines.push_back(std::move(line));
  }
  if (lines.size() == 1 && lines.front().Text().empty()) lines.clear();
  return lines;
}

}  // namespace qv::ui

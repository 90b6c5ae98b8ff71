#include "ui/tape_view.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/binder.h"
#include "ui/tape_text.h"

namespace qv::ui {

TapeView::TapeView(TFrame4& frame, QWidget* parent) : QTextEdit(parent), frame_(frame) {
  setObjectName(QStringLiteral("RichEdit1"));
  setLineWrapMode(QTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setAcceptDrops(true);
  // The selection stays visible while the calculator has the keyboard.
  QPalette p = palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
  setPalette(p);
  QFont font(QStringLiteral("Arial"), 10);
  font.setBold(true);
  setFont(font);
  connect(document(), &QTextDocument::contentsChange, this, [this] {
    if (applying_) return;
    userEdited_ = true;
    followEnd_ = false;
  });
  // A long document is laid out in steps after it was shown; the view stays at its end
  // meanwhile, until the user scrolls.
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          &TapeView::FollowEnd);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { followEnd_ = false; });
  DocumentReplaced();
  StyleChanged(frame_.Tape.Style());
  frame_.Tape.AddObserver(this);
  frame_.SetEditor(this);
}

TapeView::~TapeView() {
  frame_.SetEditor(nullptr);
  frame_.Tape.RemoveObserver(this);
}

template <typename Change>
void TapeView::Apply(Change change) {
  applying_ = true;
  change();
  applying_ = false;
}

void TapeView::ScrollToEnd() {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

void TapeView::LineAppended(const TapeParagraph& line) {
  Apply([&] { AppendParagraph(*document(), line, lines_ == 0); });
  ++lines_;
  ScrollToEnd();
}

void TapeView::LastLineReplaced(const TapeParagraph& line) {
  Apply([&] {
    QTextCursor cursor(document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    WriteParagraph(cursor, line);
  });
}

void TapeView::LinesRemovedFromEnd(int count) {
  if (count >= lines_) return Cleared();
  Apply([&] {
    QTextCursor cursor(document()->findBlockByNumber(lines_ - count - 1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  });
  lines_ -= count;
}

void TapeView::Cleared() {
  Apply([&] {
    FillDocument(*document(), {});
    // What the user types into the empty tape is aligned as the current style says.
    QTextCursor cursor(document());
    WriteParagraph(cursor, MakeParagraph("", frame_.Tape.Style()));
  });
  lines_ = 0;
}

void TapeView::DocumentReplaced() {
  if (frame_.Tape.TapeLineCount() == 0) return Cleared();
  // The caret keeps its place at the top while the lines go in: a caret carried along to the
  // end would have the whole document laid out at once.
  SetCaretKeepsPlace(true);
  Apply([&] { FillDocument(*document(), frame_.Tape.Document()); });
  SetCaretKeepsPlace(false);
  lines_ = frame_.Tape.TapeLineCount();
  userEdited_ = false;
  followEnd_ = true;
  FollowEnd();
}

void TapeView::SetCaretKeepsPlace(bool keep) {
  QTextCursor caret = textCursor();
  caret.setKeepPositionOnInsert(keep);
  setTextCursor(caret);
}

// Once the last line is laid out, the caret goes to the end as well.
void TapeView::FollowEnd() {
  if (!followEnd_) return;
  if (document()->lastBlock().layout()->lineCount() > 0) {
    followEnd_ = false;
    moveCursor(QTextCursor::End);
  }
  ScrollToEnd();
}

void TapeView::StyleChanged(const TapeStyle& style) {
  // Typing at the caret takes the current style; a selection keeps its own format.
  if (!textCursor().hasSelection()) setCurrentCharFormat(ToQt(style.format));
}

void TapeView::UndoCleared() {
  document()->clearUndoRedoStacks();
}

void TapeView::SyncToModel() {
  if (!userEdited_) return;
  userEdited_ = false;
  TapeDocument lines = ReadDocument(*document());
  lines_ = static_cast<int>(lines.size());
  frame_.Tape.ReplaceDocument(std::move(lines), this);
}

std::string TapeView::SelectedText() const {
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  return text.toStdString();
}

void TapeView::ReplaceSelection(const std::string& text) {
  QString plain = QString::fromStdString(text);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  textCursor().insertText(plain);
  SyncToModel();
}

void TapeView::SelectAll() {
  selectAll();
}

void TapeView::UndoOnce() {
  undo();
  document()->clearUndoRedoStacks();
  SyncToModel();
}

CharFormat TapeView::SelectionFormat() const {
  return FromQt(textCursor().charFormat());
}

bool TapeView::FormatSelection(const StyleChange& change) {
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return false;
  if (change.alignment) {
    QTextBlockFormat block;
    block.setAlignment(ToQt(*change.alignment) | Qt::AlignAbsolute);
    cursor.mergeBlockFormat(block);
  }
  QTextCharFormat format;
  if (change.font) format.setFontFamilies({QString::fromStdString(*change.font)});
  if (change.size) format.setFontPointSize(*change.size);
  if (change.bold) format.setFontWeight(*change.bold ? QFont::Bold : QFont::Normal);
  if (change.italic) format.setFontItalic(*change.italic);
  if (change.underline) format.setFontUnderline(*change.underline);
  if (change.color)
    format.setForeground(QColor::fromRgb(static_cast<QRgb>(*change.color) | 0xFF000000u));
  cursor.mergeCharFormat(format);
  userEdited_ = true;
  SyncToModel();
  return true;
}

void TapeView::MoveCaretToEnd() {
  moveCursor(QTextCursor::End);
}

void TapeView::mousePressEvent(QMouseEvent* event) {
  QTextEdit::mousePressEvent(event);
  if (event->button() != Qt::RightButton && RunEvent && frame_.RichEdit1.OnMouseDown)
    RunEvent(frame_.RichEdit1.OnMouseDown);
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
  if (OpenPopup) OpenPopup(event->globalPos());
}

void TapeView::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
}

void TapeView::dragMoveEvent(QDragMoveEvent* event) {
  event->acceptProposedAction();
}

// The tape takes every drop as a start value: the logic decides what is written.
void TapeView::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  const QString name =
      QString::fromUtf8(event->mimeData()->data(QString::fromLatin1(Binder::kControlMime)));
  Control* source = FindSource ? FindSource(name) : nullptr;
  if (RunEvent) RunEvent([&] { frame_.RichEdit1.DragDrop(source ? *source : frame_.RichEdit1); });
}

}  // namespace qv::ui

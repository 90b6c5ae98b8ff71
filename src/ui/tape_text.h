#pragma once
// The tape's lines and runs as a Qt text document, and back: one block per line, one
// fragment per run.
#include <QTextCharFormat>

#include "tape/tape_document.h"

class QTextCursor;
class QTextDocument;

namespace qv::ui {

QTextCharFormat ToQt(const CharFormat& format);
CharFormat FromQt(const QTextCharFormat& format);
Qt::Alignment ToQt(Alignment alignment);
Alignment FromQt(Qt::Alignment alignment);

// Writes the line into the empty block at the cursor, which stays at the block's end.
void WriteParagraph(QTextCursor& cursor, const TapeParagraph& line);
// Appends the line as a new block after the last one (into the only block when first).
void AppendParagraph(QTextDocument& document, const TapeParagraph& line, bool first);
void FillDocument(QTextDocument& document, const TapeDocument& lines);
// The document's lines; a document of one empty block holds no line.
TapeDocument ReadDocument(const QTextDocument& document);

}  // namespace qv::ui

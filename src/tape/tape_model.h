#pragma once
// The tape model: the line list with its current style and the operations every writer of
// the tape uses (calculator, tax panel, currency panel, finance window, undo).
//
// Indices and counts are int, so that "TapeLineCount() - 1" on an empty tape is -1 and
// TapeLine(-1) simply yields an empty text. Appending and removing at the end cost O(1)
// amortised, whatever the length of the tape; every change is reported to the observers.
#include <string>
#include <string_view>
#include <vector>

#include "tape/tape_document.h"
#include "tape/tape_observer.h"
#include "tape/tape_style.h"

namespace qv {

// What TapeTrimBlankEnd reports: the last line and its final character ("#" when the tape
// ran empty). The final character is a whole UTF-8 character ("▬", "²").
struct TapeLineEnd {
  std::string line;
  std::string finalChar;

  bool operator==(const TapeLineEnd&) const = default;
};

class TapeModel {
 public:
  // A new tape holds exactly one empty line in the entry style.
  TapeModel();

  int TapeLineCount() const { return static_cast<int>(lines_.size()); }
  // Text of line index (from 0); an index outside the tape gives an empty text.
  std::string TapeLine(int index) const;
  // More than one line: a tape of zero lines or of one line (empty or not) counts as empty.
  bool TapeHasContent() const { return lines_.size() > 1; }

  // Removes all lines; the current style stays.
  void TapeClear();
  void TapeSetStyle(const StyleChange& change);
  // Appends one line with the current style; an empty text appends a blank line.
  void TapeAppendLine(std::string_view text);
  // Prepares a new block: a blank line after content; otherwise a tape without lines or with
  // an empty first line is cleared, and a single non-empty line is kept.
  void TapeStartEntry();
  // Replaces the text of the last line; the line keeps the format of its first run and its
  // alignment. On a tape without lines the text is appended, so that it is never lost.
  void TapeReplaceLastLine(std::string_view text);
  // Deletes the last line; nothing happens on a tape without lines.
  void TapeRemoveLastLine();
  // Removes trailing blank lines and reports the last line with its final character.
  TapeLineEnd TapeTrimBlankEnd();
  // Appends 2m + 1 hyphens with the current style, m being the larger of the lengths (in
  // characters) of the last line and of the calculator's field-1 display text.
  void TapeAppendRule(std::string_view displayText);
  // Tells the editor to forget its undo history; the model itself keeps none.
  void TapeClearUndo();

  const TapeStyle& Style() const { return style_; }
  const TapeDocument& Document() const { return lines_; }
  // The tape text: every line followed by CR LF, and its length in characters (O(1)).
  std::string TapeText() const { return DocumentText(lines_); }
  size_t TapeTextLength() const { return textLength_; }

  // Exchanges the whole document (a loaded file, or the edits a view hands back). Lines are
  // normalised. The observer `source`, which already shows the document, is not told.
  void ReplaceDocument(TapeDocument document, TapeObserver* source = nullptr);

  // Observers are not owned; remove one before it is destroyed.
  void AddObserver(TapeObserver* observer);
  void RemoveObserver(TapeObserver* observer);

 private:
  void RemoveFromEnd(int count);
  template <typename Event>
  void Notify(Event event, TapeObserver* except = nullptr);

  TapeDocument lines_;
  TapeStyle style_;
  size_t textLength_ = 0;
  std::vector<TapeObserver*> observers_;
};

}  // namespace qv

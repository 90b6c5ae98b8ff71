#pragma once
// What a view of the tape is told after each change of the model, so that it can apply
// program writes line by line instead of showing the whole document anew.
#include "tape/tape_document.h"
#include "tape/tape_style.h"

namespace qv {

class TapeObserver {
 public:
  virtual ~TapeObserver() = default;
  // A line was added at the end.
  virtual void LineAppended(const TapeParagraph& line) = 0;
  // The last line now holds this text and formatting.
  virtual void LastLineReplaced(const TapeParagraph& line) = 0;
  // count lines (one or more) were removed from the end.
  virtual void LinesRemovedFromEnd(int count) = 0;
  // Every line was removed.
  virtual void Cleared() = 0;
  // The whole document was exchanged (a file was loaded); read it from the model.
  virtual void DocumentReplaced() = 0;
  // The current style changed; an editor uses it for text typed at the caret.
  virtual void StyleChanged(const TapeStyle& style) = 0;
  // The editor's undo history is to be forgotten.
  virtual void UndoCleared() = 0;
};

}  // namespace qv

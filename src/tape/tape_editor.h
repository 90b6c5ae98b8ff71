#pragma once
// What the tape panel asks of the editor that shows the tape: the user's selection, the
// clipboard commands of its popup menu and the hand-back of the user's typing. Without an
// editor (a run without a view) the selection is always empty.
#include <string>

#include "tape/tape_style.h"

namespace qv {

class TapeEditor {
 public:
  virtual ~TapeEditor() = default;
  // Hands what the user typed and formatted since the last call back to the model, so that
  // program writes, file commands, the undo and every measure see it.
  virtual void SyncToModel() = 0;
  virtual std::string SelectedText() const = 0;
  // Replaces the selection (or inserts at the caret) with plain text in the current style.
  virtual void ReplaceSelection(const std::string& text) = 0;
  virtual void SelectAll() = 0;
  // Undoes the last edit of the user and forgets the rest of the history.
  virtual void UndoOnce() = 0;
  // The format of the selection's first character (or of the caret).
  virtual CharFormat SelectionFormat() const = 0;
  // Sets these attributes on the selected characters (an alignment on the selected
  // paragraphs); false when nothing is selected.
  virtual bool FormatSelection(const StyleChange& change) = 0;
  virtual void MoveCaretToEnd() = 0;
};

}  // namespace qv

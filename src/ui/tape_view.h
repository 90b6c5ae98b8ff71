#pragma once
// The tape view: a rich-text editor that shows the tape model. Program writes arrive through
// the model's observer calls and are applied line by line; what the user types and formats
// in edit mode is handed back to the model when the logic next runs.
#include <QPointer>
#include <QTextEdit>
#include <functional>

#include "tape/tape_editor.h"
#include "tape/tape_observer.h"
#include "tape/tape_panel.h"

namespace qv::ui {

class TapeView : public QTextEdit, public TapeObserver, public TapeEditor {
 public:
  TapeView(TFrame4& frame, QWidget* parent);
  ~TapeView() override;

  // Runs a logic event (the binder's Run); set by the front end.
  std::function<void(const std::function<void()>&)> RunEvent;
  // The control a drag came from, by its name (Binder::kControlMime).
  std::function<Control*(const QString& name)> FindSource;
  // Opens the tape's popup menu (the binder's context menu of RichEdit1).
  std::function<void(const QPoint& globalPos)> OpenPopup;

  // TapeObserver
  void LineAppended(const TapeParagraph& line) override;
  void LastLineReplaced(const TapeParagraph& line) override;
  void LinesRemovedFromEnd(int count) override;
  void Cleared() override;
  void DocumentReplaced() override;
  void StyleChanged(const TapeStyle& style) override;
  void UndoCleared() override;

  // TapeEditor
  void SyncToModel() override;
  std::string SelectedText() const override;
  void ReplaceSelection(const std::string& text) override;
  void SelectAll() override;
  void UndoOnce() override;
  CharFormat SelectionFormat() const override;
  bool FormatSelection(const StyleChange& change) override;
  void MoveCaretToEnd() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // A change made by the program, not by the user.
  template <typename Change>
  void Apply(Change change);
  void ScrollToEnd();
  void SetCaretKeepsPlace(bool keep);
  // While a replaced document is laid out in steps, the view stays at its end, until the user
  // scrolls or types.
  void FollowEnd();

  TFrame4& frame_;
  int lines_ = 0;  // lines of the model the view shows
  bool applying_ = false;
  bool userEdited_ = false;
  bool followEnd_ = false;
};

}  // namespace qv::ui

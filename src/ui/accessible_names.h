#pragma once
// The names a screen reader announces, derived from what a sighted user sees, so that every
// window the binder binds is covered without a list per window:
// - a button says its caption; a caption of symbols only (an arrow, "√", "%") says less than
//   the hint, which then names the button, as it names a button that shows only an image;
// - an input (edit, list, spinner, date) is named by the caption of the label directly above
//   it or before it in its row; a label of a letter or two right after another input is that
//   input's unit ("J", "M") and names nothing, and a label before an input in its row names no
//   input below it; without a label an input takes the title of its group box, or its hint;
// - a grid takes the title of its group box or its hint, a drawing area its hint; either,
//   lacking both, the caption of its window.
// A label says its text: the displays announce their value. A short table names the few
// controls that show no words and have no hint, and says which field a field display shows.
// The hint stays the description, as Qt tells it. The names follow the captions they come from.
#include <QString>
#include <map>
#include <vector>

class QWidget;

namespace qv {
class Control;
}

namespace qv::ui {

class ScreenReaderNames {
 public:
  // Looks, by where the widgets stand, for the label or group box that names the widget of an
  // input or a grid. A list box's label also becomes its buddy: on Linux Qt names a list by the
  // entry it shows and tells its purpose only by that relation.
  void FindCaption(QWidget& widget);
  // Names a bound widget after the binder has shown its control.
  void Name(const Control& control, QWidget& widget);
  // A label's text or a group box's title has changed: the widgets it names follow.
  void CaptionChanged(const QWidget& caption);

 private:
  void Apply(QWidget& widget);

  std::map<QWidget*, QWidget*> captionOf_;
  std::map<const QWidget*, std::vector<QWidget*>> named_;
  // The name each widget has when it has no caption: its hint, or the table's name.
  std::map<QWidget*, QString> ownName_;
};

// The text of a label or the title of a group box, as a name: on one line, without the
// mnemonic mark and the blanks around it.
QString SpokenText(const QString& shown);

}  // namespace qv::ui

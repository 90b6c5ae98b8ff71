// Pushing the logic's state to Qt: only what changed, with the widgets' signals blocked.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <optional>

#include "ui/binder.h"
#include "ui/caption_map.h"
#include "ui/grid_binding.h"
#include "ui/raster_view.h"
#include "ui/window_place.h"

namespace qv::ui {

namespace {

QStringList QtItems(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list << QString::fromStdString(item);
  return list;
}

// The check state a control holds: a speed button's down state, a check or radio box's mark.
std::optional<bool> CheckedOf(const Control& control) {
  if (const auto* b = dynamic_cast<const Button*>(&control)) return b->Down();
  if (const auto* c = dynamic_cast<const CheckBox*>(&control)) return c->Checked();
  if (const auto* r = dynamic_cast<const RadioButton*>(&control)) return r->Checked();
  return std::nullopt;
}

void PushList(const ListControl& list, QComboBox& combo) {
  const QStringList items = QtItems(list.Items());
  QStringList shown;
  for (int i = 0; i < combo.count(); ++i) shown << combo.itemText(i);
  if (shown != items) {
    combo.clear();
    combo.addItems(items);
  }
  combo.setCurrentIndex(list.ItemIndex());
  const QString text = QString::fromStdString(list.Text());
  if (combo.isEditable() && combo.currentText() != text) combo.setEditText(text);
}

void PushList(const ListControl& list, QTabBar& tabs) {
  const QStringList items = QtItems(list.Items());
  QStringList shown;
  for (int i = 0; i < tabs.count(); ++i) shown << tabs.tabText(i);
  if (shown != items) {
    while (tabs.count() > 0) tabs.removeTab(0);
    for (const QString& item : items) tabs.setTabToolTip(tabs.addTab(item), item);
  }
  tabs.setCurrentIndex(list.ItemIndex());
}

// The window builds the pages; their tabs show the captions, pages without one stay hidden.
void PushList(const ListControl& list, QTabWidget& pages) {
  const int captions = static_cast<int>(list.Items().size());
  for (int i = 0; i < pages.count(); ++i) {
    pages.setTabVisible(i, i < captions);
    if (i < captions) pages.setTabText(i, QString::fromStdString(list.Items()[i]));
  }
  if (list.ItemIndex() >= 0) pages.setCurrentIndex(list.ItemIndex());
}

void PushList(const ListControl& list, QListWidget& widget) {
  const QStringList items = QtItems(list.Items());
  QStringList shown;
  for (int i = 0; i < widget.count(); ++i) shown << widget.item(i)->text();
  if (shown != items) {
    widget.clear();
    widget.addItems(items);
  }
  widget.setCurrentRow(list.ItemIndex());
}

}  // namespace

void Binder::Sync() {
  ++pushing_;
  std::vector<Control*> forced;
  forced.swap(forced_);
  for (Control* c : forced) PushControl(*c);
  for (FormView& view : forms_) {
    if (view.form->Dirty())
      for (Control* c : view.form->Controls())
        if (c->Dirty()) PushControl(*c);
    view.form->ClearDirty();
    PushForm(view);
  }
  --pushing_;
  if (AfterSync) AfterSync();
}

void Binder::PushControl(Control& control) {
  if (QWidget* widget = WidgetOf(control)) {
    PushWidget(control, *widget);
    PushSelection(control, *widget);
  } else if (QAction* action = ActionOf(control))
    PushAction(control, *action);
  control.ClearDirty();
}

void Binder::PushForm(FormView& view) {
  Form& form = *view.form;
  QWidget& widget = *view.widget;
  if (view.window) {
    PushCaptionAndCursor(view);
    if ((view.width != form.Width() || view.height != form.Height()) && form.Width() > 0) {
      view.width = form.Width();
      view.height = form.Height();
      // The form's size is its client area; a main window's menu bar comes on top.
      const auto* main = qobject_cast<QMainWindow*>(&widget);
      const int menuHeight = main ? main->menuBar()->sizeHint().height() : 0;
      widget.setFixedSize(view.width, view.height + menuHeight);
    }
    PlaceWindow(view);
    if (view.stayOnTop != form.StayOnTop()) {
      view.stayOnTop = form.StayOnTop();
      KeepOnTop(widget, view.stayOnTop);
    }
  }
  if (view.visible != form.Visible() || widget.isHidden() == form.Visible()) {
    view.visible = form.Visible();
    widget.setVisible(view.visible);
  }
  if (view.focus != form.ActiveControl()) {
    view.focus = form.ActiveControl();
    if (QWidget* focus = view.focus ? WidgetOf(*view.focus) : nullptr)
      focus->setFocus(Qt::OtherFocusReason);
  }
}

void Binder::PlaceWindow(FormView& view) {
  const Form& form = *view.form;
  QWidget& widget = *view.widget;
  switch (form.Place) {
    case Placement::AtPosition:
      if (view.left != form.Left() || view.top != form.Top()) {
        view.left = form.Left();
        view.top = form.Top();
        widget.move(view.left, view.top);
      }
      break;
    case Placement::CentredOnScreen:
      if (form.Visible() && widget.isHidden()) CentreOnScreen(widget);
      break;
    case Placement::CentredOnOwner:
      if (form.Visible() && widget.isHidden()) CentreOnOwner(widget);
      break;
  }
}

// The hourglass covers every widget of the program, also those with a cursor of their own
// (the tape view, the edit boxes).
void Binder::PushCaptionAndCursor(FormView& view) {
  const Form& form = *view.form;
  if (view.caption != form.Caption()) {
    view.caption = form.Caption();
    view.widget->setWindowTitle(QString::fromStdString(view.caption));
  }
  if (view.cursor != form.GetCursor()) {
    const Cursor previous = view.cursor;
    view.cursor = form.GetCursor();
    if (previous == Cursor::Busy) QGuiApplication::restoreOverrideCursor();
    if (view.cursor == Cursor::Busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (view.cursor == Cursor::Drag)
      view.widget->setCursor(Qt::DragCopyCursor);
    else
      view.widget->unsetCursor();
  }
}

void Binder::PushWidget(const Control& control, QWidget& widget) {
  const QSignalBlocker block(&widget);
  widget.setEnabled(control.Enabled());
  if (qobject_cast<QMenu*>(&widget)) return;  // a popup shows on a right click only
  if (widget.isHidden() == control.Visible()) widget.setVisible(control.Visible());
  widget.setToolTip(QString::fromStdString(control.Hint()));
  names_.Name(control, widget);
  if (control.Color() != kDefaultColor) {
    QPalette palette = widget.palette();
    const QColor color = QColor::fromRgb(static_cast<QRgb>(control.Color()));
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
  }
  if (auto* raster = dynamic_cast<RasterView*>(&widget)) {
    if (const auto* image = dynamic_cast<const Image*>(&control))
      raster->ShowPicture(image->Picture());
    return;
  }
  const QString text = DisplayCaption(control.Name(), control.Text());
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    if (label->text() != text) label->setText(text);
    names_.CaptionChanged(*label);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    if (button->text() != text) button->setText(text);
    if (const std::optional<bool> checked = CheckedOf(control); checked && button->isCheckable())
      button->setChecked(*checked);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    if (edit->text() != text) edit->setText(text);
    if (const auto* logicEdit = dynamic_cast<const Edit*>(&control))
      edit->setReadOnly(logicEdit->ReadOnly());
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    if (const auto* list = dynamic_cast<const ListControl*>(&control)) {
      const QSignalBlocker blockLine(combo->lineEdit());
      PushList(*list, *combo);
    }
  } else if (auto* listWidget = qobject_cast<QListWidget*>(&widget)) {
    if (const auto* list = dynamic_cast<const ListControl*>(&control)) PushList(*list, *listWidget);
  } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
    if (const auto* list = dynamic_cast<const ListControl*>(&control)) PushList(*list, *tabs);
  } else if (auto* pages = qobject_cast<QTabWidget*>(&widget)) {
    if (const auto* list = dynamic_cast<const ListControl*>(&control)) PushList(*list, *pages);
  } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
    if (group->title() != text) group->setTitle(text);
    names_.CaptionChanged(*group);
  } else if (auto* dateEdit = qobject_cast<QDateEdit*>(&widget)) {
    if (const auto* picker = dynamic_cast<const DatePicker*>(&control))
      dateEdit->setDate(DateOf(picker->Date()));
  } else if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
    if (const auto* grid = dynamic_cast<const Grid*>(&control)) PushGrid(*grid, *table);
  } else if (auto* spin = qobject_cast<QSpinBox*>(&widget)) {
    if (const auto* spinEdit = dynamic_cast<const SpinEdit*>(&control)) {
      spin->setRange(spinEdit->MinValue(), spinEdit->MaxValue());
      spin->setValue(spinEdit->Value());
    }
  }
}

void Binder::PushSelection(Control& control, QWidget& widget) {
  if (!control.SelectionRequested() || &control == pressed_) return;
  control.ClearSelectionRequest();
  auto* line = qobject_cast<QLineEdit*>(&widget);
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) line = combo->lineEdit();
  if (line) line->setSelection(control.SelStart(), control.SelLength());
}

void Binder::PushAction(const Control& control, QAction& action) {
  const QSignalBlocker block(&action);
  if (!action.isSeparator()) action.setText(QString::fromStdString(control.Text()));
  action.setVisible(control.Visible());
  action.setEnabled(control.Enabled());
  action.setStatusTip(QString::fromStdString(control.Hint()));
  if (const auto* item = dynamic_cast<const MenuItem*>(&control); item && !action.menu()) {
    // A plain item shows a tick only while it is checked; a radio item always has its mark.
    if (!action.actionGroup()) action.setCheckable(item->Checked());
    action.setChecked(item->Checked());
  }
}

}  // namespace qv::ui

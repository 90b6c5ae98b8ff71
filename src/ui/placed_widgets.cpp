#include "ui/placed_widgets.h"

#include "platform/form.h"
#include "ui/raster_view.h"
#include "ui/tab_rows.h"
#include "ui/theme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

namespace qv::ui {

namespace {

QWidget* Make(const Place& place, QWidget& parent) {
  switch (place.kind) {
    case Kind::Label:
    case Kind::WrappedLabel: {
      auto* label = new QLabel(&parent);
      label->setAlignment(place.align);
      label->setWordWrap(place.kind == Kind::WrappedLabel);
      return label;
    }
    case Kind::Key:
      return new QPushButton(&parent);
    case Kind::Toggle: {
      auto* button = new QPushButton(&parent);
      button->setCheckable(true);  // a speed button that stays down
      return button;
    }
    case Kind::Radio:
      return new QRadioButton(&parent);
    case Kind::Check:
      return new QCheckBox(&parent);
    case Kind::Spin:
      return new QSpinBox(&parent);
    case Kind::Edit:
      return new QLineEdit(&parent);
    case Kind::Combo:
      return new QComboBox(&parent);
    case Kind::EditCombo: {
      auto* combo = new QComboBox(&parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);  // the logic keeps the list
      return combo;
    }
    case Kind::Tabs:
      return new TabRows(&parent);
    case Kind::Raster:
      return new RasterView(&parent);
    case Kind::Group:
      return new QGroupBox(&parent);
    case Kind::Date: {
      auto* date = new QDateEdit(&parent);
      date->setCalendarPopup(true);
      date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
      return date;
    }
    case Kind::Grid: {
      auto* table = new QTableWidget(&parent);
      table->verticalHeader()->hide();
      table->verticalHeader()->setMinimumSectionSize(16);
      table->verticalHeader()->setDefaultSectionSize(18);
      table->horizontalHeader()->setMinimumSectionSize(16);
      table->horizontalHeader()->setFixedHeight(20);
      return table;
    }
    case Kind::Tool: {
      auto* button = new QToolButton(&parent);
      const int icon = QStyle::staticMetaObject
                           .enumerator(QStyle::staticMetaObject.indexOfEnumerator("StandardPixmap"))
                           .keyToValue(place.role);
      button->setIcon(parent.style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
      // Reached with Tab, not taken by a click: the logic decides where a click leaves it.
      button->setFocusPolicy(Qt::TabFocus);
      return button;
    }
  }
  return nullptr;
}

}  // namespace

QWidget* BuildPanel(QWidget& clientArea, const qv::Form& frame, int left, int top,
                    std::span<const Place> places, PanelFont font) {
  auto* panel = new QWidget(&clientArea);
  panel->setObjectName(QString::fromStdString(frame.Name()));
  panel->setGeometry(left, top, frame.Width(), frame.Height());
  if (font == PanelFont::Compact) UseCompactFont(*panel);
  PlaceWidgets(*panel, places);
  panel->hide();
  return panel;
}

void PaintBackground(QWidget& widget, int rgb) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(rgb)));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void PlaceWidgets(QWidget& parent, std::span<const Place> places) {
  for (const Place& place : places) {
    QWidget* widget = Make(place, parent);
    widget->setObjectName(QString::fromLatin1(place.name));
    widget->setGeometry(place.x, place.y, place.w, place.h);
    if (*place.role && place.kind != Kind::Tool)
      widget->setProperty("role", QString::fromLatin1(place.role));
  }
}

}  // namespace qv::ui

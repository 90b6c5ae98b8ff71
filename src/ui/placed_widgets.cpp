#include "ui/placed_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace qv::ui {

namespace {

QWidget* Make(const Place& place, QWidget& parent) {
  switch (place.kind) {
    case Kind::Label: {
      auto* label = new QLabel(&parent);
      label->setAlignment(place.align);
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
  }
  return nullptr;
}

}  // namespace

void PlaceWidgets(QWidget& parent, std::span<const Place> places) {
  for (const Place& place : places) {
    QWidget* widget = Make(place, parent);
    widget->setObjectName(QString::fromLatin1(place.name));
    widget->setGeometry(place.x, place.y, place.w, place.h);
    if (*place.role) widget->setProperty("role", QString::fromLatin1(place.role));
  }
}

}  // namespace qv::ui

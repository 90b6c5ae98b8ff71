#include "ui/function_panel.h"

#include <QLabel>
#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"ComboBox1", Kind::EditCombo, 4, 4, 144, 24, "term"},
    Place{"Button1", Kind::Key, 152, 4, 36, 24, "operator"},
    Place{"Button2", Kind::Key, 192, 4, 54, 24},
    Place{"Edit1", Kind::Edit, 18, 33, 56, 22, "term"},
    Place{"Edit2", Kind::Edit, 100, 33, 56, 22, "term"},
    Place{"Edit3", Kind::Edit, 182, 33, 56, 22, "term"},
    Place{"ComboBox2", Kind::Combo, 4, 61, 96, 24},
    Place{"SpeedButton1", Kind::Tool, 106, 61, 24, 24, "SP_DialogSaveButton"},
    Place{"SpeedButton2", Kind::Tool, 131, 61, 24, 24, "SP_TrashIcon"},
    Place{"SpeedButton3", Kind::Tool, 156, 61, 24, 24, "SP_DialogHelpButton"},
    Place{"Rueck", Kind::Tool, 196, 61, 24, 24, "SP_ArrowBack"},
    Place{"Vor", Kind::Tool, 221, 61, 24, 24, "SP_ArrowForward"},
};

}  // namespace

QWidget* BuildFunctionPanel(QWidget& clientArea, const TFrame7& frame) {
  QWidget* panel = BuildPanel(clientArea, frame, 0, kBaseHeight, kPlaces);
  // The captions of the constant boxes.
  const std::array<std::pair<const char*, int>, 3> captions{{{"a:", 4}, {"b:", 86}, {"c:", 168}}};
  for (const auto& [caption, x] : captions) {
    auto* label = new QLabel(QString::fromLatin1(caption), panel);
    label->setGeometry(x, 33, 14, 22);
  }
  return panel;
}

}  // namespace qv::ui

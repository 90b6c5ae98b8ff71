#include "ui/currency_panel.h"

#include <QToolButton>
#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

// Below the tape panel, which starts 6 pixels into the calculator's right edge.
constexpr int kLeft = 245;

constexpr std::array kPlaces{
    Place{"Label1", Kind::Label, 4, 2, 150, 16},
    Place{"ComboBox1", Kind::Combo, 4, 18, 150, 22},
    Place{"Edit1", Kind::Edit, 4, 18, 150, 22},
    Place{"ComboBox2", Kind::Combo, 4, 18, 150, 22},
    Place{"Label2", Kind::Label, 158, 2, 88, 16},
    Place{"Edit4", Kind::Edit, 158, 18, 88, 22},
    Place{"Label5", Kind::WrappedLabel, 132, 42, 114, 28},
    Place{"Label6", Kind::Label, 4, 70, 104, 16},
    Place{"Label3", Kind::Label, 142, 70, 104, 16},
    Place{"Edit2", Kind::Edit, 4, 86, 104, 24},
    Place{"Label4", Kind::Label, 110, 86, 30, 24, "", Qt::AlignCenter},
    Place{"Edit3", Kind::Edit, 142, 86, 104, 24},
    Place{"SpeedButton1", Kind::Tool, 4, 44, 24, 22, "SP_ArrowLeft"},
    Place{"SpeedButton5", Kind::Tool, 29, 44, 24, 22, "SP_FileDialogDetailedView"},
    Place{"SpeedButton2", Kind::Tool, 54, 44, 24, 22, "SP_FileDialogNewFolder"},
    Place{"SpeedButton4", Kind::Tool, 79, 44, 24, 22, "SP_FileDialogContentsView"},
    Place{"SpeedButton3", Kind::Tool, 104, 44, 24, 22, "SP_TrashIcon"},
};

}  // namespace

QWidget* BuildCurrencyPanel(QWidget& clientArea, const TFrame3& frame) {
  QWidget* panel = BuildPanel(clientArea, frame, kLeft, kBaseHeight, kPlaces);
  // Adding and editing an entry keep their button down until the entry is saved.
  for (const char* name : {"SpeedButton2", "SpeedButton4"})
    panel->findChild<QToolButton*>(QString::fromLatin1(name))->setCheckable(true);
  return panel;
}

}  // namespace qv::ui

#include "ui/tax_panel.h"

#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"Label1", Kind::Label, 4, 4, 90, 22},
    Place{"ComboBox1", Kind::Combo, 94, 4, 104, 22},
    Place{"Edit3", Kind::Edit, 202, 4, 32, 22},
    Place{"Label2", Kind::Label, 236, 4, 12, 22},
    Place{"VST", Kind::Radio, 4, 32, 54, 22},
    Place{"NST", Kind::Radio, 60, 32, 54, 22},
    Place{"SpeedButton1", Kind::Tool, 194, 32, 24, 22, "SP_ArrowUp"},
    Place{"SpeedButton2", Kind::Tool, 221, 32, 24, 22, "SP_FileDialogDetailedView"},
    Place{"Label4", Kind::Label, 4, 60, 60, 22},
    Place{"Edit4", Kind::Edit, 64, 60, 54, 22},
    Place{"Label5", Kind::Label, 121, 60, 70, 22},
    Place{"Edit2", Kind::Edit, 192, 60, 54, 22},
};

}  // namespace

QWidget* BuildTaxPanel(QWidget& clientArea, const TFrame6& frame) {
  return BuildPanel(clientArea, frame, 0, kBaseHeight, kPlaces);
}

}  // namespace qv::ui

#include "ui/unit_panel.h"

#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

// The pages' lists and arrows share their places; the logic shows those of the page shown.
constexpr std::array kPlaces{
    Place{"PageControl1", Kind::Tabs, 2, 2, 245, 26},
    Place{"Combo1", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed1", Kind::Key, 112, 40, 26, 24},
    Place{"Combo2", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo3", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed2", Kind::Key, 112, 40, 26, 24},
    Place{"Combo4", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo5", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed3", Kind::Key, 112, 40, 26, 24},
    Place{"Combo6", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo7", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed4", Kind::Key, 112, 40, 26, 24},
    Place{"Combo8", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo9", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed5", Kind::Key, 112, 40, 26, 24},
    Place{"Combo10", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo11", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed6", Kind::Key, 112, 40, 26, 24},
    Place{"Combo12", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo13", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed7", Kind::Key, 112, 40, 26, 24},
    Place{"Combo14", Kind::Combo, 142, 40, 104, 24},
    Place{"Combo15", Kind::Combo, 4, 40, 104, 24},
    Place{"Speed8", Kind::Key, 112, 40, 26, 24},
    Place{"Combo16", Kind::Combo, 142, 40, 104, 24},
};

}  // namespace

QWidget* BuildUnitPanel(QWidget& clientArea, const TFrame5& frame) {
  return BuildPanel(clientArea, frame, 0, kBaseHeight, kPlaces);
}

}  // namespace qv::ui

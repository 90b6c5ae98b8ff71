#include "ui/unit_panel.h"

#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

// The tabs of the eight quantities in two rows; below them the from-list, the arrow and the
// to-list of the page shown. The panel's compact font lets the longest unit names fit.
constexpr int kTabsHeight = 46;
constexpr int kListTop = kTabsHeight + 8;
constexpr int kListW = 113;
constexpr int kArrowW = 17;
constexpr int kRowH = 24;
constexpr int kFromX = 2;
constexpr int kArrowX = kFromX + kListW + 1;
constexpr int kToX = kArrowX + kArrowW + 1;

// The pages' lists and arrows share their places; the logic shows those of the page shown.
constexpr std::array kPlaces{
    Place{"PageControl1", Kind::Tabs, 2, 2, 245, kTabsHeight},
    Place{"Combo1", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed1", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo2", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo3", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed2", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo4", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo5", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed3", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo6", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo7", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed4", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo8", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo9", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed5", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo10", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo11", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed6", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo12", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo13", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed7", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo14", Kind::Combo, kToX, kListTop, kListW, kRowH},
    Place{"Combo15", Kind::Combo, kFromX, kListTop, kListW, kRowH},
    Place{"Speed8", Kind::Key, kArrowX, kListTop, kArrowW, kRowH},
    Place{"Combo16", Kind::Combo, kToX, kListTop, kListW, kRowH},
};

}  // namespace

QWidget* BuildUnitPanel(QWidget& clientArea, const TFrame5& frame) {
  return BuildPanel(clientArea, frame, 0, kBaseHeight, kPlaces, PanelFont::Compact);
}

}  // namespace qv::ui

#include "ui/trig_panel.h"

#include <array>

#include "calculator/window_size.h"
#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr int kKeyW = 45;
constexpr int kKeyH = 26;
constexpr int Col(int c) {
  return 5 + 49 * c;
}

constexpr std::array kPlaces{
    Place{"Button1", Kind::Key, Col(0), 8, kKeyW, kKeyH, "operator"},
    Place{"Button2", Kind::Key, Col(1), 8, kKeyW, kKeyH, "operator"},
    Place{"Button3", Kind::Key, Col(2), 8, kKeyW, kKeyH, "operator"},
    Place{"RadioButton1", Kind::Radio, Col(3) + 4, 5, 90, 16},
    Place{"RadioButton2", Kind::Radio, Col(3) + 4, 21, 90, 16},
    Place{"Button4", Kind::Key, Col(0), 40, kKeyW, kKeyH, "operator"},
    Place{"Button5", Kind::Key, Col(1), 40, kKeyW, kKeyH, "operator"},
    Place{"Button6", Kind::Key, Col(2), 40, kKeyW, kKeyH, "operator"},
    Place{"Arc", Kind::Check, Col(3) + 4, 40, 44, kKeyH},
    Place{"hyp", Kind::Check, Col(4), 40, 44, kKeyH},
    Place{"Button7", Kind::Key, Col(3), 78, 94, kKeyH},
};

}  // namespace

QWidget* BuildTrigPanel(QWidget& clientArea, const TFrame1& frame) {
  return BuildPanel(clientArea, frame, 0, kBaseHeight, kPlaces);
}

}  // namespace qv::ui

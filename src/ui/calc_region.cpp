#include "ui/calc_region.h"

#include <QWidget>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

// Five columns of keys, 45 wide with a 4 pixel gap.
constexpr int Col(int c) {
  return 5 + 49 * c;
}
constexpr int kKeyW = 45;
constexpr int kKeyH = 26;
constexpr int kWide = 2 * kKeyW + 4;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignCenter;

constexpr std::array kPlaces{
    // Fields and their indicators, wide enough for a marker of up to four characters ("cosh");
    // the operator indicator shows a longer one whole in its hint.
    Place{"Label4", Kind::Label, 2, 5, 30, 28, "indicator", kCentre},
    Place{"Label1", Kind::Label, 34, 5, 212, 28, "field", kRight},
    Place{"Label2", Kind::Label, 2, 37, 30, 28, "indicator", kCentre},
    Place{"Label3", Kind::Label, 34, 37, 212, 28, "field", kRight},
    // Field choice, decimals and the repeat counter.
    Place{"StaticText1", Kind::Label, 5, 70, 30, 22},
    Place{"Radio1", Kind::Radio, 36, 70, 32, 22},
    Place{"Radio2", Kind::Radio, 70, 70, 32, 22},
    Place{"Label7", Kind::Label, 114, 70, 20, 22},
    Place{"SpinEdit1", Kind::Spin, 136, 70, 46, 22},
    Place{"Label5", Kind::Label, 204, 70, 42, 22, "counter", kRight},
    // Memory.
    Place{"Label6", Kind::Label, Col(0), 98, kWide, kKeyH, "counter", kRight},
    Place{"Button33", Kind::Key, Col(2), 98, kKeyW, kKeyH},
    Place{"Button34", Kind::Key, Col(3), 98, kKeyW, kKeyH},
    Place{"Button35", Kind::Key, Col(4), 98, kKeyW, kKeyH},
    Place{"Button36", Kind::Key, Col(0), 128, kKeyW, kKeyH},
    Place{"Button37", Kind::Key, Col(1), 128, kKeyW, kKeyH},
    Place{"Button38", Kind::Key, Col(2), 128, kKeyW, kKeyH},
    Place{"Button39", Kind::Key, Col(3), 128, kKeyW, kKeyH},
    Place{"Button40", Kind::Key, Col(4), 128, kKeyW, kKeyH},
    // Functions, copy and paste.
    Place{"Button22", Kind::Key, Col(0), 164, kKeyW, kKeyH},
    Place{"Button23", Kind::Key, Col(1), 164, kKeyW, kKeyH},
    Place{"Button24", Kind::Key, Col(2), 164, kKeyW, kKeyH},
    Place{"Button29", Kind::Key, Col(3), 164, kKeyW, kKeyH},
    Place{"Button30", Kind::Key, Col(4), 164, kKeyW, kKeyH},
    Place{"SpeedButton1", Kind::Key, Col(0), 194, kKeyW, kKeyH},
    Place{"SpeedButton2", Kind::Key, Col(1), 194, kKeyW, kKeyH},
    Place{"SpeedButton3", Kind::Key, Col(2), 194, kKeyW, kKeyH},
    Place{"Button25", Kind::Key, Col(3), 194, kKeyW, kKeyH},
    Place{"Button26", Kind::Key, Col(4), 194, kKeyW, kKeyH},
    // Digits and operators.
    Place{"Button7", Kind::Key, Col(0), 230, kKeyW, kKeyH, "digit"},
    Place{"Button8", Kind::Key, Col(1), 230, kKeyW, kKeyH, "digit"},
    Place{"Button9", Kind::Key, Col(2), 230, kKeyW, kKeyH, "digit"},
    Place{"Button13", Kind::Key, Col(3), 230, kKeyW, kKeyH, "operator"},
    Place{"Button19", Kind::Key, Col(4), 230, kKeyW, kKeyH, "operator"},
    Place{"Button4", Kind::Key, Col(0), 260, kKeyW, kKeyH, "digit"},
    Place{"Button5", Kind::Key, Col(1), 260, kKeyW, kKeyH, "digit"},
    Place{"Button6", Kind::Key, Col(2), 260, kKeyW, kKeyH, "digit"},
    Place{"Button12", Kind::Key, Col(3), 260, kKeyW, kKeyH, "operator"},
    Place{"Button21", Kind::Key, Col(4), 260, kKeyW, kKeyH, "operator"},
    Place{"Button1", Kind::Key, Col(0), 290, kKeyW, kKeyH, "digit"},
    Place{"Button2", Kind::Key, Col(1), 290, kKeyW, kKeyH, "digit"},
    Place{"Button3", Kind::Key, Col(2), 290, kKeyW, kKeyH, "digit"},
    Place{"Button15", Kind::Key, Col(3), 290, kKeyW, kKeyH, "operator"},
    Place{"Button27", Kind::Key, Col(4), 290, kKeyW, kKeyH, "operator"},
    Place{"Button10", Kind::Key, Col(0), 320, kWide, kKeyH, "digit"},
    Place{"Button11", Kind::Key, Col(2), 320, kKeyW, kKeyH, "digit"},
    Place{"Button14", Kind::Key, Col(3), 320, kKeyW, kKeyH, "operator"},
    Place{"Button16", Kind::Key, Col(4), 320, kKeyW, kKeyH, "equals"},
    // Clearing, undo and repeat.
    Place{"Button17", Kind::Key, 5, 356, 70, kKeyH},
    Place{"Button28", Kind::Key, 79, 356, 80, kKeyH},
    Place{"Button20", Kind::Key, 163, 356, 83, kKeyH},
    // The two calculators, the extension area, the tape and the end.
    Place{"R1", Kind::Toggle, 5, 390, 28, 24},
    Place{"R2", Kind::Toggle, 35, 390, 28, 24},
    Place{"Button44", Kind::Key, 67, 390, 24, 24},
    Place{"Button41", Kind::Key, 93, 390, 24, 24},
    Place{"Label8", Kind::Label, 119, 390, 14, 24, "extension", kCentre},
    Place{"Button46", Kind::Key, 135, 390, 48, 24},
    Place{"Button18", Kind::Key, 187, 390, 59, 24},
};

}  // namespace

QWidget* BuildCalculatorRegion(QWidget& parent) {
  auto* region = new QWidget(&parent);
  region->setObjectName(QStringLiteral("CalculatorRegion"));
  region->setGeometry(0, 0, 251, 420);
  PlaceWidgets(*region, kPlaces);
  return region;
}

}  // namespace qv::ui

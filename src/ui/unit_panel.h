#pragma once
#include "panels/unit_conversion_panel.h"

class QWidget;

namespace qv::ui {

// The unit conversion panel (widget "Frame51") in the extension area below the calculator
// region: the tabs of the eight quantities and the from-list, arrow and to-list of the page
// shown. Hidden until the logic shows it.
QWidget* BuildUnitPanel(QWidget& clientArea, const TFrame5& frame);

}  // namespace qv::ui

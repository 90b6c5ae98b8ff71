#pragma once
#include "tape/tape_panel.h"

class QWidget;

namespace qv::ui {

class TapeView;

// The tape panel (widget "Frame41") in the right column of the main window's client area:
// its command buttons above the tape view. Hidden until the logic shows it.
TapeView* BuildTapePanel(QWidget& clientArea, TFrame4& frame);

}  // namespace qv::ui

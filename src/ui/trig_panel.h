#pragma once
#include "panels/trig_panel.h"

class QWidget;

namespace qv::ui {

// The trigonometry panel (widget "Frame11") in the extension area below the calculator region:
// the six function keys, the angle unit, "Arc", "Hyp" and the graph button. Hidden until the
// logic shows it.
QWidget* BuildTrigPanel(QWidget& clientArea, const TFrame1& frame);

}  // namespace qv::ui

#pragma once
#include "currency/currency_panel.h"

class QWidget;

namespace qv::ui {

// The currency converter (widget "Frame31") in the right column below the tape panel: the list
// with the rate, its command buttons, and the base and foreign amount fields with the
// direction arrow between them. Hidden until the logic shows it.
QWidget* BuildCurrencyPanel(QWidget& clientArea, const TFrame3& frame);

}  // namespace qv::ui

#pragma once
#include "panels/tax_panel.h"

class QWidget;

namespace qv::ui {

// The tax panel (widget "Frame61") in the extension area below the calculator region: the tax
// kind with its percentage, "VSt" or "NSt", the two buttons and the two amounts. Hidden until
// the logic shows it.
QWidget* BuildTaxPanel(QWidget& clientArea, const TFrame6& frame);

}  // namespace qv::ui

#pragma once
#include "graph/function_term_panel.h"

class QWidget;

namespace qv::ui {

// The function-term panel (widget "Frame71") in the extension area below the calculator region:
// the term box with "f(x)" and the graph button, the constant boxes a, b and c, the operator
// picker and the buttons that save, delete, help and step through the history. Hidden until
// the logic shows it.
QWidget* BuildFunctionPanel(QWidget& clientArea, const TFrame7& frame);

}  // namespace qv::ui

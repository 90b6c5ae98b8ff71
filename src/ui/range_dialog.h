#pragma once
// The range dialog of the intersection search.
#include "graph/range_dialog.h"

class QDialog;
class QWidget;

namespace qv::ui {

QDialog* BuildRangeDialog(QWidget& parent, const TBereich& form);

}  // namespace qv::ui

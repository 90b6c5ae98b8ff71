#pragma once
class QWidget;

namespace qv::ui {

// The calculator region of the main window at its design size of 251 x 420: the field displays,
// indicators, spinner, field choice and every key, each named like its control.
QWidget* BuildCalculatorRegion(QWidget& parent);

}  // namespace qv::ui

#pragma once
#include "finance/finance_window.h"

class QDialog;
class QWidget;

namespace qv::ui {

// The finance window (TFinanzrechner): the record bar, the page control with the page
// "Tilgungsplan", and the buttons "Berechnen", "Schließen" and "Hilfe". Not modal; shown when
// the logic shows it.
QDialog* BuildFinanceWindow(QWidget& parent, const TFinanzrechner& form);

}  // namespace qv::ui

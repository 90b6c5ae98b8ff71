#pragma once
#include "finance/payment_plan_window.h"

class QDialog;
class QWidget;

namespace qv::ui {

// The payment plan window (TZahlungsplan): the view buttons, export and print above the plan's
// table, the chart below it. Not modal; shown when the logic shows it.
QDialog* BuildPaymentPlanWindow(QWidget& parent, const TZahlungsplan& form);

}  // namespace qv::ui

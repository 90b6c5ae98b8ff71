#pragma once
#include "currency/rate_update_dialog.h"

class QDialog;
class QWidget;

namespace qv::ui {

// The rate-update dialog (TForm4): instructions, the currency list, the rate with its paste
// button, and the buttons to edit, take over and close. Shown when the logic shows it.
QDialog* BuildRateDialog(QWidget& parent, const TForm4& form);

}  // namespace qv::ui

#pragma once
#include "finance/subsidy_dialog.h"

class QDialog;
class QWidget;

namespace qv::ui {

// The subsidy dialog (TFoerder): a fixed dialog frame the window system places, not modal.
// Enter is "OK", Esc "Keine Förderung"; the frame's close button only closes it.
QDialog* BuildSubsidyDialog(QWidget& parent, const TFoerder& form);

}  // namespace qv::ui

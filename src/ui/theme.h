#pragma once
class QApplication;

namespace qv::ui {

// The calm blue-grey look of the program: Fusion with its own palette and a few rules for the
// keys and the field displays.
void ApplyTheme(QApplication& app);

}  // namespace qv::ui

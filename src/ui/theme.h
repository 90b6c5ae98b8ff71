#pragma once
class QApplication;
class QWidget;

namespace qv::ui {

// The calm blue-grey look of the program: Fusion with its own palette and a few rules for the
// keys and the field displays.
void ApplyTheme(QApplication& app);

// A panel whose fixed width is too narrow for its captions in the window's font takes a
// slightly smaller one. Set it before the panel's widgets are created: under the style sheet
// a font reaches only the children that are polished after it was set.
void UseCompactFont(QWidget& panel);

}  // namespace qv::ui

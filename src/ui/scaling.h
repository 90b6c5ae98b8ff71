#pragma once

namespace qv::ui {

// The window scaling (100, 120 or 150 percent) for the application about to be created: every
// window, font and picture is drawn larger by that factor. Must run before the QApplication
// exists; a scale factor the user set in the environment takes precedence.
void ApplyScaling(int percent);

}  // namespace qv::ui

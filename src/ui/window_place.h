#pragma once
// Where a window goes on the desktop and how it stays above the others.
class QWidget;

namespace qv::ui {

// Moves a window that is about to be shown to the middle of the free area of the screen its
// owner is on. The window manager has not framed it yet: its frame is taken to be as thick as
// its owner's.
void CentreOnScreen(QWidget& window);

// Moves a window that is about to be shown to the middle of its owner's frame, within the free
// area of the owner's screen.
void CentreOnOwner(QWidget& window);

// Keeps the window above all others, or lets it go back among them. A window that exists on
// the screen keeps its native window: setting the widget's flags would make a new one and show
// it anew, which moves it, takes the keyboard away and has the window manager misreport where
// its frame is.
void KeepOnTop(QWidget& window, bool onTop);

}  // namespace qv::ui

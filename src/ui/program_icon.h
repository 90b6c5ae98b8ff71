#pragma once
// The program's own icon, drawn from the SVG file that is installed for the desktop's menu, so
// that title bars, taskbars and window switchers show it on every window of the program.
#include <QIcon>

class QGuiApplication;

namespace qv::ui {

// The icon at the sizes desktops ask for, drawn without the toolkit's SVG plug-in.
QIcon ProgramIcon();

// Every window of the application shows the icon; a desktop matches the windows to the menu
// entry "quorvel.desktop".
void ApplyProgramIcon(QGuiApplication& app);

}  // namespace qv::ui

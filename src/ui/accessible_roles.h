#pragma once
// What a screen reader is told a widget is, where Qt's own answer misleads: the binder keeps
// radio buttons out of Qt's automatic exclusion (the logic keeps its groups and may uncheck all
// of them), which makes Qt announce them as check boxes; a drawing area is a plain widget to Qt.
namespace qv::ui {

// Radio buttons are announced as radio buttons and drawing areas as graphics. Installed once
// for the application, before the windows are shown.
void InstallAccessibleRoles();

}  // namespace qv::ui

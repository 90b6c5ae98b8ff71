#pragma once
// Qt menus built from the logic's menu items: every QAction (a submenu's menuAction too) is
// named like its item, so the binder finds it by name.
class QMenu;
class QWidget;

namespace qv {
class Control;
class Form;
}  // namespace qv

namespace qv::ui {

// Adds the items whose parent is `parent` (nullptr: the top-level menus) to `menu`, a QMenuBar
// or a QMenu. Shortcuts are shown but never fired by Qt: the form's key handler runs them.
void AddMenuItems(const Form& form, const Control* parent, QWidget& menu);

// The popup menu of a PopupMenu control, owned by `owner`.
QMenu* BuildPopupMenu(const Form& form, const Control& popup, QWidget& owner);

}  // namespace qv::ui

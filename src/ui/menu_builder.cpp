#include "ui/menu_builder.h"

#include <QActionGroup>
#include <QMenu>
#include <map>
#include <utility>

#include "platform/form.h"

namespace qv::ui {

namespace {

bool HasChildren(const Form& form, const Control& item) {
  for (const Control* c : form.Controls())
    if (const auto* child = dynamic_cast<const MenuItem*>(c); child && child->Parent() == &item)
      return true;
  return false;
}

QAction* NewAction(const MenuItem& item, QWidget& menu) {
  auto* action = new QAction(&menu);
  if (item.IsSeparator()) {
    action->setSeparator(true);
  } else if (!item.ShortCut().empty()) {
    action->setShortcut(QKeySequence::fromString(QString::fromStdString(item.ShortCut()),
                                                 QKeySequence::PortableText));
    // Only a menu that has the keyboard could fire it; the window's keys reach the form.
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  return action;
}

}  // namespace

void AddMenuItems(const Form& form, const Control* parent, QWidget& menu) {
  // Radio items of one submenu and group show a radio mark.
  std::map<int, QActionGroup*> groups;
  for (Control* c : form.Controls()) {
    auto* item = dynamic_cast<MenuItem*>(c);
    if (!item || item->Parent() != parent) continue;
    QAction* action;
    if (!item->IsSeparator() && HasChildren(form, *item)) {
      auto* sub = new QMenu(&menu);
      AddMenuItems(form, item, *sub);
      action = sub->menuAction();
    } else {
      action = NewAction(*item, menu);
    }
    action->setObjectName(QString::fromStdString(item->Name()));
    // A separator has no text: a style would draw its "-" beside the line (the binder keeps
    // it so).
    if (!item->IsSeparator()) action->setText(QString::fromStdString(item->Text()));
    if (item->RadioItem) {
      QActionGroup*& group = groups[item->GroupIndex];
      if (!group) {
        group = new QActionGroup(&menu);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      action->setCheckable(true);
      group->addAction(action);
    }
    menu.addAction(action);
  }
}

QMenu* BuildPopupMenu(const Form& form, const Control& popup, QWidget& owner) {
  auto* menu = new QMenu(&owner);
  menu->setObjectName(QString::fromStdString(popup.Name()));
  AddMenuItems(form, &popup, *menu);
  return menu;
}

}  // namespace qv::ui

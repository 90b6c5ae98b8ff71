#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QRadioButton>

#include "ui/raster_view.h"

namespace qv::ui {

namespace {

// A radio button with its mark: checkable, checked or not, toggled by its action.
class RadioButtonAccessible : public QAccessibleWidget {
 public:
  explicit RadioButtonAccessible(QRadioButton& radio)
      : QAccessibleWidget(&radio, QAccessible::RadioButton) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return Radio().text().remove(QLatin1Char('&'));
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Radio().isChecked();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(toggleAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      if (widget()->isEnabled()) Radio().click();
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  QRadioButton& Radio() const { return *static_cast<QRadioButton*>(widget()); }
};

// Asked for every class of an object from the most derived one up; nullptr leaves it to Qt.
QAccessibleInterface* Roles(const QString& className, QObject* object) {
  if (className == QLatin1String("QRadioButton"))
    if (auto* radio = qobject_cast<QRadioButton*>(object)) return new RadioButtonAccessible(*radio);
  if (auto* raster = dynamic_cast<RasterView*>(object))
    return new QAccessibleWidget(raster, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  // The factory installed last is asked first, before Qt's own for its widgets.
  QAccessible::installFactory(Roles);
}

}  // namespace qv::ui

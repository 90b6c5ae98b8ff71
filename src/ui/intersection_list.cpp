#include "ui/intersection_list.h"

#include <QDialog>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"Label1", Kind::WrappedLabel, 8, 6, 364, 34},
    Place{"Label2", Kind::Label, 8, 42, 364, 18},
    Place{"StringGrid1", Kind::Grid, 8, 64, 364, 190},
    Place{"Button1", Kind::Key, 8, 264, 110, 26},
    Place{"Button2", Kind::Key, 126, 264, 110, 26},
    Place{"Button3", Kind::Key, 262, 264, 110, 26},
};

}  // namespace

// A window of its own beside the main window, which stays usable meanwhile.
QDialog* BuildIntersectionList(QWidget& parent, const TSchnittpunkte& form) {
  auto* dialog = new QDialog(&parent, Qt::Dialog);
  dialog->setObjectName(QString::fromStdString(form.Name()));
  dialog->resize(form.Width(), form.Height());
  PlaceWidgets(*dialog, kPlaces);
  return dialog;
}

}  // namespace qv::ui

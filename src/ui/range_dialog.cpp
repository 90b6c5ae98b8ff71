#include "ui/range_dialog.h"

#include <QDialog>
#include <QPushButton>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"Label1", Kind::Label, 10, 8, 75, 18}, Place{"Label2", Kind::Label, 95, 8, 75, 18},
    Place{"Edit1", Kind::Edit, 10, 28, 75, 22},  Place{"Edit2", Kind::Edit, 95, 28, 75, 22},
    Place{"Button1", Kind::Key, 10, 72, 75, 26}, Place{"Button2", Kind::Key, 95, 72, 75, 26},
};

}  // namespace

// A fixed dialog border; Enter gives "OK", Esc closes it as "Abbrechen" does.
QDialog* BuildRangeDialog(QWidget& parent, const TBereich& form) {
  auto* dialog = new QDialog(&parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setObjectName(QString::fromStdString(form.Name()));
  dialog->setFixedSize(form.Width(), form.Height());
  PlaceWidgets(*dialog, kPlaces);
  dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->setDefault(true);
  return dialog;
}

}  // namespace qv::ui

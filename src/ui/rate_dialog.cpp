#include "ui/rate_dialog.h"

#include <QDialog>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kPlaces{
    Place{"Label1", Kind::Label, 8, 6, 314, 48},
    Place{"Label2", Kind::Label, 8, 60, 60, 22},
    Place{"ComboBox1", Kind::Combo, 70, 60, 200, 22},
    Place{"Label3", Kind::Label, 8, 88, 60, 22},
    Place{"Edit1", Kind::Edit, 70, 88, 120, 22},
    Place{"SpeedButton4", Kind::Key, 194, 88, 26, 22},
    Place{"SpeedButton1", Kind::Key, 8, 118, 104, 24},
    Place{"SpeedButton2", Kind::Key, 116, 118, 100, 24},
    Place{"SpeedButton3", Kind::Key, 220, 118, 100, 24},
};

}  // namespace

QDialog* BuildRateDialog(QWidget& parent, const TForm4& form) {
  // A title bar with the close button only: a title without any button would leave the
  // window manager free to show all of them.
  auto* dialog =
      new QDialog(&parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setObjectName(QStringLiteral("Form4"));
  dialog->setFixedSize(form.Width(), form.Height());
  PlaceWidgets(*dialog, kPlaces);
  return dialog;
}

}  // namespace qv::ui

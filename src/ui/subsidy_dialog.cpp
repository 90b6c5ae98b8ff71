#include "ui/subsidy_dialog.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

// From top to bottom: the note, the rule set, its nine values, the building, the borrower,
// the results and the buttons. A group box comes before the widgets drawn in it.
constexpr std::array kPlaces{
    Place{"Label15", Kind::Label, 2, 2, 268, 46, "", Qt::AlignCenter},
    Place{"GroupBox4", Kind::Group, 4, 50, 264, 42},
    Place{"Neu", Kind::Radio, 12, 68, 110, 20},
    Place{"Alt", Kind::Radio, 130, 68, 132, 20},
    Place{"GroupBox1", Kind::Group, 4, 96, 264, 136},
    Place{"Label5", Kind::Label, 10, 112, 82, 16},
    Place{"Label6", Kind::Label, 94, 112, 82, 16},
    Place{"Label8", Kind::Label, 178, 112, 84, 16},
    Place{"Edit3", Kind::Edit, 10, 128, 78, 20},
    Place{"Edit4", Kind::Edit, 94, 128, 78, 20},
    Place{"Edit6", Kind::Edit, 178, 128, 82, 20},
    Place{"Label7", Kind::Label, 10, 150, 82, 16},
    Place{"Label13", Kind::Label, 94, 150, 82, 16},
    Place{"Label12", Kind::Label, 178, 150, 84, 16},
    Place{"Edit5", Kind::Edit, 10, 166, 78, 20},
    Place{"Edit11", Kind::Edit, 94, 166, 78, 20},
    Place{"Edit10", Kind::Edit, 178, 166, 82, 20},
    Place{"Label9", Kind::Label, 10, 188, 82, 16},
    Place{"Label10", Kind::Label, 94, 188, 82, 16},
    Place{"Label11", Kind::Label, 178, 188, 84, 16},
    Place{"Edit7", Kind::Edit, 10, 204, 78, 20},
    Place{"Edit8", Kind::Edit, 94, 204, 78, 20},
    Place{"Edit9", Kind::Edit, 178, 204, 82, 20},
    Place{"GroupBox2", Kind::Group, 4, 236, 264, 44},
    Place{"Neubau", Kind::Radio, 10, 254, 60, 20},
    Place{"Altbau", Kind::Radio, 72, 254, 56, 20},
    Place{"Oeko", Kind::Check, 130, 254, 70, 20},
    Place{"Oeko2", Kind::Check, 200, 254, 66, 20},
    Place{"GroupBox3", Kind::Group, 4, 284, 264, 128},
    Place{"Verheiratet", Kind::Radio, 10, 302, 110, 20},
    Place{"Ledig", Kind::Radio, 130, 302, 80, 20},
    Place{"Label1", Kind::Label, 10, 324, 144, 30},
    Place{"Edit1", Kind::Edit, 156, 328, 106, 22},
    // Narrow enough to break the note after its hyphen, "gemein-", as its text intends.
    Place{"Label2", Kind::WrappedLabel, 10, 356, 162, 30},
    Place{"Label3", Kind::Label, 10, 386, 44, 22},
    Place{"Kinder", Kind::Spin, 56, 386, 70, 22},
    Place{"Label14", Kind::Label, 4, 418, 150, 22},
    Place{"Edit12", Kind::Edit, 156, 418, 112, 22},
    Place{"Label4", Kind::WrappedLabel, 4, 442, 150, 32},
    Place{"Edit2", Kind::Edit, 156, 446, 112, 22},
    Place{"OKBtn", Kind::Key, 4, 480, 120, 24},
    Place{"CancelBtn", Kind::Key, 148, 480, 120, 24},
};

// Esc is "Keine Förderung"; the frame's close button closes the dialog as it is.
class SubsidyWindow : public QDialog {
 public:
  explicit SubsidyWindow(QWidget& parent)
      : QDialog(&parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
      return;
    }
    QDialog::keyPressEvent(event);
  }
};

}  // namespace

QDialog* BuildSubsidyDialog(QWidget& parent, const TFoerder& form) {
  auto* dialog = new SubsidyWindow(parent);
  dialog->setObjectName(QString::fromStdString(form.Name()));
  dialog->setFixedSize(form.Width(), form.Height());
  PaintBackground(*dialog, TFoerder::kBackground);
  PlaceWidgets(*dialog, kPlaces);
  dialog->findChild<QLabel*>(QStringLiteral("Label15"))
      ->setStyleSheet(QStringLiteral("color: #0000ff; font-size: 10px;"));
  dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->setDefault(true);
  return dialog;
}

}  // namespace qv::ui

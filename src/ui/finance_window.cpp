#include "ui/finance_window.h"

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <array>

#include "ui/placed_widgets.h"

namespace qv::ui {

namespace {

constexpr std::array kFramePlaces{
    Place{"SpeedButton4", Kind::Key, 4, 3, 40, 22},
    Place{"SpeedButton5", Kind::Tool, 46, 3, 24, 22, "SP_FileIcon"},
    Place{"SpeedButton3", Kind::Tool, 72, 3, 24, 22, "SP_TrashIcon"},
    Place{"SpeedButton2", Kind::Tool, 98, 3, 24, 22, "SP_DialogSaveButton"},
    Place{"ComboBox1", Kind::EditCombo, 126, 3, 149, 22},
    Place{"OKBtn", Kind::Key, 4, 537, 88, 22},
    Place{"CancelBtn", Kind::Key, 96, 537, 88, 22},
    Place{"HelpBtn", Kind::Key, 188, 537, 87, 22},
};

// The page "Tilgungsplan". A group box comes before the widgets drawn in it.
constexpr std::array kLoanPlaces{
    Place{"Label1", Kind::Label, 4, 2, 126, 16},
    Place{"Label2", Kind::Label, 138, 2, 126, 16},
    Place{"Edit1", Kind::Edit, 4, 18, 126, 22},
    Place{"Datum1", Kind::Date, 138, 18, 126, 22},
    Place{"Label3", Kind::Label, 4, 42, 60, 16},
    Place{"Label8", Kind::Label, 138, 42, 126, 16},
    Place{"Edit2", Kind::Edit, 4, 58, 60, 22},
    Place{"Edit12", Kind::Edit, 138, 58, 126, 22},
    Place{"Label17", Kind::Label, 4, 84, 66, 22},
    Place{"Edit13", Kind::Edit, 70, 84, 30, 22},
    Place{"Label14", Kind::Label, 102, 84, 10, 22},
    Place{"Edit14", Kind::Edit, 112, 84, 28, 22},
    Place{"Label20", Kind::Label, 142, 84, 14, 22},
    Place{"Label7", Kind::Label, 160, 84, 104, 22},
    Place{"Radio1", Kind::Radio, 158, 106, 54, 20},
    Place{"Radio2", Kind::Radio, 213, 106, 53, 20},
    Place{"vproz", Kind::Check, 4, 106, 152, 20},
    Place{"BauFi", Kind::Check, 4, 126, 152, 22},
    Place{"Edit7", Kind::Edit, 158, 126, 106, 22},
    Place{"GroupBox6", Kind::Group, 2, 150, 265, 96},
    Place{"Grid2", Kind::Grid, 8, 166, 202, 76},
    Place{"Grid3", Kind::Grid, 8, 166, 202, 76},
    Place{"SpeedButton7", Kind::Toggle, 216, 166, 44, 22},
    Place{"SpeedButton1", Kind::Tool, 216, 192, 44, 22, "SP_ArrowDown"},
    Place{"SpeedButton6", Kind::Tool, 216, 218, 44, 22, "SP_TrashIcon"},
    Place{"GroupBox1", Kind::Group, 2, 248, 265, 110},
    Place{"Label6", Kind::Label, 8, 264, 70, 22},
    Place{"Datum3", Kind::Date, 80, 264, 110, 22},
    Place{"Label13", Kind::Label, 8, 288, 124, 14},
    Place{"Label12", Kind::Label, 138, 288, 124, 14},
    Place{"Edit4", Kind::Edit, 8, 302, 124, 20},
    Place{"Edit5", Kind::Edit, 138, 302, 124, 20},
    Place{"Label9", Kind::Label, 8, 324, 124, 14},
    Place{"Label10", Kind::Label, 138, 324, 124, 14},
    Place{"Edit6", Kind::Edit, 8, 338, 124, 20},
    Place{"Edit9", Kind::Edit, 138, 338, 124, 20},
    Place{"GroupBox7", Kind::Group, 2, 360, 265, 112},
    Place{"Label11", Kind::Label, 8, 376, 90, 22},
    Place{"Edit3", Kind::Edit, 100, 376, 34, 22},
    Place{"Label4", Kind::Label, 136, 376, 10, 22},
    Place{"Edit8", Kind::Edit, 148, 376, 30, 22},
    Place{"Label5", Kind::Label, 180, 376, 14, 22},
    Place{"Label18", Kind::Label, 8, 400, 124, 14},
    Place{"Label19", Kind::Label, 138, 400, 124, 14},
    Place{"Edit15", Kind::Edit, 8, 414, 124, 20},
    Place{"Datum2", Kind::Date, 138, 414, 124, 20},
    Place{"Label15", Kind::Label, 8, 436, 124, 14},
    Place{"Label16", Kind::Label, 138, 436, 124, 14},
    Place{"Edit10", Kind::Edit, 8, 450, 124, 20},
    Place{"Edit11", Kind::Edit, 138, 450, 124, 20},
};

void Paint(QWidget& widget, QColor color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, color);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace

QDialog* BuildFinanceWindow(QWidget& parent, const TFinanzrechner& form) {
  auto* window = new QDialog(&parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::CustomizeWindowHint);
  window->setObjectName(QString::fromStdString(form.Name()));
  window->setFixedSize(form.Width(), form.Height());
  const QColor background = QColor::fromRgb(static_cast<QRgb>(TFinanzrechner::kBackground));
  Paint(*window, background);
  PlaceWidgets(*window, kFramePlaces);

  auto* pages = new QTabWidget(window);
  pages->setObjectName(QStringLiteral("PageControl1"));
  pages->setGeometry(2, 28, 275, 505);
  auto* loanPage = new QWidget;
  loanPage->setObjectName(QStringLiteral("Tilgung"));
  Paint(*loanPage, background);
  PlaceWidgets(*loanPage, kLoanPlaces);
  pages->addTab(loanPage, QString());

  // Enter is "Berechnen", Esc "Schließen".
  window->findChild<QPushButton*>(QStringLiteral("OKBtn"))->setDefault(true);
  return window;
}

}  // namespace qv::ui

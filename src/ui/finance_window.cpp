#include "ui/finance_window.h"

#include <QDialog>
#include <QPushButton>
#include <QTabBar>
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

// In the row of the pages' tabs, right of them, where nothing else stands.
constexpr std::array kTabRowPlaces{
    Place{"PlanBtn", Kind::Key, 223, 29, 52, 20},
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

// The page "Anlage".
constexpr std::array kSavingsPlaces{
    Place{"Label21", Kind::Label, 4, 2, 98, 20},
    Place{"Zins1", Kind::Radio, 104, 2, 130, 20},
    Place{"Zins2", Kind::Radio, 104, 22, 130, 20},
    Place{"GroupBox3", Kind::Group, 2, 44, 265, 150},
    Place{"Label22", Kind::Label, 8, 60, 124, 16},
    Place{"Label32", Kind::Label, 138, 60, 124, 16},
    Place{"Edit16", Kind::Edit, 8, 76, 124, 22},
    Place{"Datum4", Kind::Date, 138, 76, 124, 22},
    Place{"Label23", Kind::Label, 8, 100, 60, 16},
    Place{"Label24", Kind::Label, 138, 100, 124, 16},
    Place{"Edit17", Kind::Edit, 8, 116, 60, 22},
    Place{"Edit18", Kind::Edit, 138, 116, 124, 22},
    Place{"Label25", Kind::Label, 8, 142, 56, 22},
    Place{"Edit19", Kind::Edit, 64, 142, 34, 22},
    Place{"Label30", Kind::Label, 100, 142, 10, 22},
    Place{"Edit23", Kind::Edit, 112, 142, 30, 22},
    Place{"Label31", Kind::Label, 144, 142, 14, 22},
    Place{"vproz2", Kind::Check, 8, 166, 170, 22},
    Place{"SpeedButton8", Kind::Toggle, 216, 166, 44, 22},
    Place{"GroupBox2", Kind::Group, 2, 196, 265, 140},
    Place{"Grid1", Kind::Grid, 8, 212, 252, 94},
    Place{"Grid4", Kind::Grid, 8, 212, 252, 94},
    Place{"Button1", Kind::Key, 8, 310, 122, 22},
    Place{"Button2", Kind::Key, 134, 310, 126, 22},
    Place{"GroupBox4", Kind::Group, 2, 338, 265, 46},
    Place{"Datum6", Kind::Date, 8, 356, 124, 22},
    Place{"Edit24", Kind::Edit, 138, 356, 124, 22},
    Place{"GroupBox5", Kind::Group, 2, 386, 265, 90},
    Place{"Label26", Kind::Label, 8, 402, 124, 14},
    Place{"Label27", Kind::Label, 138, 402, 124, 14},
    Place{"Datum5", Kind::Date, 8, 416, 124, 20},
    Place{"Edit21", Kind::Edit, 138, 416, 124, 20},
    Place{"Label29", Kind::Label, 8, 438, 124, 14},
    Place{"Label28", Kind::Label, 138, 438, 124, 14},
    Place{"Edit20", Kind::Edit, 8, 452, 124, 20},
    Place{"Edit22", Kind::Edit, 138, 452, 124, 20},
};

// A tab's caption as the logic names its page.
QString PageCaption(const TFinanzrechner& form, int page) {
  return QString::fromStdString(form.PageControl1.Items().at(page));
}

}  // namespace

QDialog* BuildFinanceWindow(QWidget& parent, const TFinanzrechner& form) {
  auto* window = new QDialog(&parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::CustomizeWindowHint);
  window->setObjectName(QString::fromStdString(form.Name()));
  window->setFixedSize(form.Width(), form.Height());
  PaintBackground(*window, TFinanzrechner::kBackground);
  PlaceWidgets(*window, kFramePlaces);

  auto* pages = new QTabWidget(window);
  pages->setObjectName(QStringLiteral("PageControl1"));
  pages->setGeometry(2, 28, 275, 505);
  auto* loanPage = new QWidget;
  loanPage->setObjectName(QStringLiteral("Tilgung"));
  PaintBackground(*loanPage, TFinanzrechner::kBackground);
  PlaceWidgets(*loanPage, kLoanPlaces);
  pages->addTab(loanPage, PageCaption(form, TFinanzrechner::kLoanPage));
  auto* savingsPage = new QWidget;
  savingsPage->setObjectName(QStringLiteral("Anlage"));
  PaintBackground(*savingsPage, TFinanzrechner::kBackground);
  PlaceWidgets(*savingsPage, kSavingsPlaces);
  pages->addTab(savingsPage, PageCaption(form, TFinanzrechner::kSavingsPage));
  // A hidden tab widget lays out its tabs only when it is shown; until then the tab bar has the
  // size its captions ask for.
  pages->tabBar()->resize(pages->tabBar()->sizeHint());
  // Placed after the pages, so that it lies above their tab row.
  PlaceWidgets(*window, kTabRowPlaces);

  // Enter is "Berechnen", Esc "Schließen".
  window->findChild<QPushButton*>(QStringLiteral("OKBtn"))->setDefault(true);
  return window;
}

}  // namespace qv::ui

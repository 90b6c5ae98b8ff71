#include "ui/theme.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

namespace qv::ui {

namespace {

constexpr int kFontPixels = 12;
constexpr int kCompactFontPixels = 11;

// Widgets carry a "role" property where their look differs from the plain one.
constexpr const char* kStyleSheet = R"(
QPushButton, QToolButton {
  border: 1px solid #8d9cab; border-radius: 3px; padding: 0px 2px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7f9fb, stop:1 #dde4ea);
}
QPushButton:hover, QToolButton:hover { border-color: #5b7a96; }
QPushButton:pressed, QToolButton:pressed, QPushButton:checked, QToolButton:checked {
  background: #b9c9d8; border-color: #4f6d89;
}
QPushButton:focus { border: 1px solid #3d6a94; }
QPushButton:disabled { color: #8a96a2; }
QPushButton[role="digit"] { font-weight: bold; font-size: 14px; background: #ffffff; }
QPushButton[role="operator"] { font-weight: bold; font-size: 14px; }
QPushButton[role="equals"] {
  font-weight: bold; font-size: 15px; color: #ffffff; border-color: #3d5f7e;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6f90ae, stop:1 #4f7191);
}
QLabel[role="field"] {
  background: #ffffff; color: #000000; border: 1px solid #8d9cab; border-radius: 2px;
  padding: 0px 4px; font-family: Arial; font-size: 16px; font-weight: bold;
}
QLabel[role="indicator"] { color: #22384d; font-family: Arial; font-size: 12px; font-weight: bold; }
QLabel[role="counter"] {
  background: #eef2f5; border: 1px solid #b4c0cb; border-radius: 2px; padding: 0px 3px;
}
QTableWidget QHeaderView::section {
  padding: 0px 1px; border: none; border-right: 1px solid #b4c0cb;
  border-bottom: 1px solid #b4c0cb; background: #e9eef2;
}
QComboBox[role="zoom"] { font-weight: bold; }
QLabel[role="result"] { font-size: 11px; }
QLabel[role="extension"] { color: #d00000; font-family: Arial; font-size: 14px; font-weight: bold; }
)";

QPalette BlueGreyPalette() {
  QPalette p;
  const QColor window(0xdf, 0xe6, 0xec), text(0x1e, 0x2b, 0x37), base(0xff, 0xff, 0xff);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(0xee, 0xf2, 0xf5));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, QColor(0xe9, 0xee, 0xf2));
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Highlight, QColor(0x4f, 0x71, 0x91));
  p.setColor(QPalette::HighlightedText, base);
  p.setColor(QPalette::ToolTipBase, QColor(0xfb, 0xfc, 0xe8));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8a, 0x96, 0xa2));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x96, 0xa2));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8a, 0x96, 0xa2));
  return p;
}

}  // namespace

void ApplyTheme(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  app.setPalette(BlueGreyPalette());
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kFontPixels);
  app.setFont(font);
  app.setStyleSheet(QString::fromUtf8(kStyleSheet));
}

void UseCompactFont(QWidget& panel) {
  QFont font = panel.font();
  font.setPixelSize(kCompactFontPixels);
  panel.setFont(font);
}

}  // namespace qv::ui

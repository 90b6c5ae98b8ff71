#pragma once
// The main window: the menu bar (filled by the binder from the logic's menu) and the central
// area with the calculator region at the top left; the extension area below it and the right
// column beside it come with their panels.
#include <QMainWindow>
#include <functional>

namespace qv::ui {

class MainWindow : public QMainWindow {
 public:
  MainWindow();

  QWidget& CalculatorRegion() const { return *calculator_; }
  // Asked when the window is to close; answers whether the program ended.
  std::function<bool()> OnCloseRequest;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // F10 opens the menu bar, as on the desktop.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* calculator_;
};

}  // namespace qv::ui

#pragma once
// The about box: product name, description, version, date and "OK".
#include <QDialog>

namespace qv::ui {

class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace qv::ui

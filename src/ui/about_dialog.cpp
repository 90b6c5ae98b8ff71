#include "ui/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

QLabel* NamedLabel(const char* name, QWidget& parent, int pixelSize, bool bold) {
  auto* label = new QLabel(&parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 18, 20, 14);
  layout->addWidget(NamedLabel("ProductName", *this, 22, true));
  layout->addWidget(NamedLabel("Comments", *this, 12, false));
  layout->addStretch();
  layout->addWidget(NamedLabel("Version", *this, 12, false));
  layout->addWidget(NamedLabel("Copyright", *this, 12, false));
  layout->addWidget(NamedLabel("Licence", *this, 11, false));
  layout->addStretch();
  // A dialog key of the usual size, as in the range dialog; the layout would squash it.
  auto* ok = new QPushButton(this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setDefault(true);
  ok->setFixedSize(75, 26);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addStretch();
  layout->addLayout(row);
}

}  // namespace qv::ui

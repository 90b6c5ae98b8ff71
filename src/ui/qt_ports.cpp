#include "ui/qt_ports.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <initializer_list>
#include <utility>

#include "platform/handoff.h"
#include "ui/file_filter.h"

namespace qv::ui {

namespace {

const QString kTitle = QStringLiteral("Quorvel");

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QWidget* DialogParent() {
  return QApplication::activeWindow();
}

// A message box with German buttons; answers the button pressed (the escape button when the
// box is closed otherwise).
QMessageBox::StandardButton Ask(
    QMessageBox::Icon icon, const std::string& text,
    std::initializer_list<std::pair<QMessageBox::StandardButton, const char*>> buttons,
    QMessageBox::StandardButton escape) {
  QMessageBox box(icon, kTitle, Q(text), QMessageBox::NoButton, DialogParent());
  for (const auto& [button, caption] : buttons)
    box.addButton(button)->setText(QString::fromUtf8(caption));
  box.setEscapeButton(escape);
  box.exec();
  auto* clicked = box.clickedButton();
  return clicked ? box.standardButton(clicked) : escape;
}

}  // namespace

QtPrompts::QtPrompts() = default;
QtPrompts::~QtPrompts() = default;

void QtPrompts::ShowMessage(const std::string& text) {
  Ask(QMessageBox::Information, text, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok);
}

void QtPrompts::ShowError(const std::string& text) {
  Ask(QMessageBox::Critical, text, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok);
}

bool QtPrompts::AskYesNo(const std::string& text) {
  return Ask(QMessageBox::Question, text, {{QMessageBox::Yes, "Ja"}, {QMessageBox::No, "Nein"}},
             QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::AskYesNoCancel(const std::string& text) {
  switch (
      Ask(QMessageBox::Question, text,
          {{QMessageBox::Yes, "Ja"}, {QMessageBox::No, "Nein"}, {QMessageBox::Cancel, "Abbrechen"}},
          QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::string> QtPrompts::InputQuery(const std::string& title,
                                                 const std::string& prompt,
                                                 const std::string& defaultText) {
  QInputDialog dialog(DialogParent());
  dialog.setWindowTitle(Q(title));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(defaultText));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<FileChoice> QtPrompts::OpenFile(const FileDialog& dialog) {
  return ChooseFile(dialog, false);
}

std::optional<FileChoice> QtPrompts::SaveFile(const FileDialog& dialog) {
  return ChooseFile(dialog, true);
}

std::optional<FileChoice> QtPrompts::ChooseFile(const FileDialog& spec, bool save) {
  QFileDialog dialog(DialogParent(), Q(spec.title), Q(spec.initialDir));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(spec.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(spec.filterIndex - 1, filters.first()));
  }
  QString ext = Q(spec.defaultExt);
  if (ext.startsWith(u'.')) ext.remove(0, 1);
  dialog.setDefaultSuffix(ext);
  if (!spec.fileName.empty()) dialog.selectFile(Q(spec.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
  return FileChoice{dialog.selectedFiles().first().toStdString(),
                    chosen >= 0 ? static_cast<int>(chosen) + 1 : spec.filterIndex};
}

QPrinter& QtPrompts::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

bool QtPrompts::PrinterSetup() {
  QPrintDialog dialog(&Printer(), DialogParent());
  return dialog.exec() == QDialog::Accepted;
}

std::optional<FontSpec> QtPrompts::ChooseFont(const FontSpec& current) {
  QFont initial(Q(current.name), current.size);
  initial.setBold(current.bold);
  initial.setItalic(current.italic);
  initial.setUnderline(current.underline);
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, DialogParent());
  if (!ok) return std::nullopt;
  FontSpec chosen = current;
  chosen.name = font.family().toStdString();
  chosen.size = font.pointSize() > 0 ? font.pointSize() : current.size;
  chosen.bold = font.bold();
  chosen.italic = font.italic();
  chosen.underline = font.underline();
  return chosen;
}

std::optional<int32_t> QtPrompts::ChooseColor(int32_t current) {
  const QColor color =
      QColorDialog::getColor(QColor::fromRgb(static_cast<QRgb>(current)), DialogParent());
  if (!color.isValid()) return std::nullopt;
  return static_cast<int32_t>(color.rgb() & 0xFFFFFF);
}

std::string QtClipboard::GetText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(Q(text));
}

QtShell::QtShell(QString program) : program_(std::move(program)) {}

HandoffFailure QtShell::Open(const std::string& fileOrUrl) {
  const QString target = Q(fileOrUrl);
  const QUrl url = target.contains(QStringLiteral("://")) || target.startsWith(u"mailto:")
                       ? QUrl(target)
                       : QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
  if (QDesktopServices::openUrl(url)) return std::nullopt;
  return NoProgramFor(url.isLocalFile() ? url.toLocalFile().toStdString() : fileOrUrl);
}

HandoffFailure QtShell::Restart() {
  const QString program = program_.isEmpty() ? QCoreApplication::applicationFilePath() : program_;
  if (QProcess::startDetached(program, {}, QDir::currentPath())) return std::nullopt;
  return NotStarted(program.toStdString());
}

}  // namespace qv::ui

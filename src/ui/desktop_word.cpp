#include "ui/desktop_word.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

#include "platform/handoff.h"
#include "tape/rtf_writer.h"

namespace qv::ui {

namespace {

// Twips, the unit of RTF positions: twenty to a point.
long Twips(double points) {
  return static_cast<long>(points * 20 + 0.5);
}

}  // namespace

DesktopWord::DesktopWord(std::function<std::string()> documentPath)
    : documentPath_(std::move(documentPath)) {}

bool DesktopWord::Connect(std::string& /*error*/) {
  AddDocument();
  return true;
}

void DesktopWord::AddDocument() {
  inserted_.clear();
  boxLines_.clear();
  box_ = false;
}

bool DesktopWord::InsertFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  inserted_ = file.readAll().toStdString();
  return inserted_.rfind("{\\rtf", 0) == 0;
}

// The insertion point of a new document: the top left corner inside margins of one inch.
bool DesktopWord::InsertionPoint(double& left, double& top) {
  left = top = 72;
  return true;
}

bool DesktopWord::AddTextBox(double left, double top, double width, double height) {
  box_ = true;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  current_ = TapeParagraph{Alignment::Right, {TapeRun{}}};
  return true;
}

void DesktopWord::SetFont(const std::string& name, double size, bool bold) {
  CharFormat& format = current_.runs.front().format;
  format.font = name;
  format.size = size;
  format.bold = bold;
}

void DesktopWord::SetColorIndex(int index) {
  current_.runs.front().format.color = index == 6    ? kTapeRed
                                       : index == 11 ? kTapeGreen
                                                     : kTapeBlack;
}

void DesktopWord::SetAlignment(int alignment) {
  current_.alignment = alignment == 0   ? Alignment::Left
                       : alignment == 1 ? Alignment::Center
                                        : Alignment::Right;
}

// A typed line ends with a manual line break; each becomes a paragraph of the box.
void DesktopWord::TypeText(const std::string& text) {
  TapeParagraph line = current_;
  line.runs.front().text = text.ends_with('\v') ? text.substr(0, text.size() - 1) : text;
  boxLines_.push_back(std::move(line));
}

void DesktopWord::SetBoxSize(double width, double height) {
  width_ = width;
  height_ = height;
}

// The lines inside an RTF text-box shape at the box's place on the page.
std::string DesktopWord::BoxDocument() const {
  const std::string rtf = WriteRtf(boxLines_);
  const size_t body = rtf.find("\\pard");
  const size_t end = rtf.rfind('}');
  if (body == std::string::npos || end == std::string::npos || end < body) return rtf;
  const std::string shape =
      "{\\shp{\\*\\shpinst\\shpleft" + std::to_string(Twips(left_)) + "\\shptop" +
      std::to_string(Twips(top_)) + "\\shpright" + std::to_string(Twips(left_ + width_)) +
      "\\shpbottom" + std::to_string(Twips(top_ + height_)) +
      "\\shpwr2\\shpwrk0{\\sp{\\sn shapeType}{\\sv 202}}{\\sp{\\sn dxTextLeft}{\\sv " +
      std::to_string(Twips(margins_) * 635) + "}}{\\sp{\\sn fLine}{\\sv " + (border_ ? "1" : "0") +
      "}}{\\sp{\\sn lineDashing}{\\sv 3}}{\\sp{\\sn lineStyle}{\\sv 2}}" + "{\\shptxt ";
  return rtf.substr(0, body) + shape + rtf.substr(body, end - body) + "}}}\\par}";
}

HandoffFailure DesktopWord::Release() {
  const std::string document = box_ ? BoxDocument() : inserted_;
  const std::string path = documentPath_();
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(document.data(), static_cast<qint64>(document.size())) !=
          static_cast<qint64>(document.size()) ||
      !file.flush())
    return NotWritten(path);
  file.close();
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(file.fileName()))) return std::nullopt;
  return NoProgramFor(path);
}

}  // namespace qv::ui

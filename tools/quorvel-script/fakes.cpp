#include "fakes.h"

#include <filesystem>
#include <sstream>

#include "platform/handoff.h"

namespace qvs {

QueuedAnswer FakePrompts::Next(const std::string& what) {
  if (answers.empty()) throw ScriptAbort{"unanswered: " + what};
  QueuedAnswer a = answers.front();
  answers.pop_front();
  return a;
}

bool FakePrompts::AskYesNo(const std::string& text) {
  messages.push_back(text);
  const QueuedAnswer a = Next(text);
  return a.kind == QueuedAnswer::Yes || a.kind == QueuedAnswer::Ok;
}

qv::Answer FakePrompts::AskYesNoCancel(const std::string& text) {
  messages.push_back(text);
  const QueuedAnswer a = Next(text);
  if (a.kind == QueuedAnswer::Yes || a.kind == QueuedAnswer::Ok) return qv::Answer::Yes;
  if (a.kind == QueuedAnswer::No) return qv::Answer::No;
  return qv::Answer::Cancel;
}

// A text answer is typed in; "answer ok" takes the default text, any other answer cancels.
std::optional<std::string> FakePrompts::InputQuery(const std::string& title,
                                                   const std::string& prompt,
                                                   const std::string& defaultText) {
  const std::string what = title + ": " + prompt;
  messages.push_back(what);
  const QueuedAnswer a = Next(what);
  if (a.kind == QueuedAnswer::Text) return a.text;
  if (a.kind == QueuedAnswer::Ok) return defaultText;
  return std::nullopt;
}

std::optional<qv::FileChoice> FakePrompts::FileAnswer(const std::string& what,
                                                      const qv::FileDialog& dialog) {
  const QueuedAnswer a = Next(what);
  // "ok" takes the proposed name and file type as they are.
  if (a.kind == QueuedAnswer::Ok) return qv::FileChoice{dialog.fileName, dialog.filterIndex};
  if (a.kind != QueuedAnswer::File) return std::nullopt;
  std::string path = a.text;
  if (path.rfind("DATA/", 0) == 0)
    path = dataDir + path.substr(4);
  else if (!path.empty() && path[0] != '/')
    path = startDir + "/" + path;
  return qv::FileChoice{path, a.filter};
}

std::optional<qv::FileChoice> FakePrompts::OpenFile(const qv::FileDialog& dialog) {
  return FileAnswer("open dialog " + dialog.title, dialog);
}

std::optional<qv::FileChoice> FakePrompts::SaveFile(const qv::FileDialog& dialog) {
  return FileAnswer("save dialog " + dialog.title, dialog);
}

bool FakePrompts::PrinterSetup() {
  const QueuedAnswer a = Next("printer set-up");
  return a.kind == QueuedAnswer::Ok || a.kind == QueuedAnswer::Yes;
}

std::optional<qv::FontSpec> FakePrompts::ChooseFont(const qv::FontSpec& current) {
  const QueuedAnswer a = Next("font dialog");
  if (a.kind == QueuedAnswer::Cancel || a.kind == QueuedAnswer::No) return std::nullopt;
  return current;
}

std::optional<int32_t> FakePrompts::ChooseColor(int32_t current) {
  const QueuedAnswer a = Next("colour dialog");
  if (a.kind == QueuedAnswer::Cancel || a.kind == QueuedAnswer::No) return std::nullopt;
  if (a.kind == QueuedAnswer::Text) return static_cast<int32_t>(std::stol(a.text, nullptr, 16));
  return current;
}

namespace {

std::string Number(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

}  // namespace

bool FakeWordProcessor::Connect(std::string& error) {
  calls.push_back("Connect");
  if (!available) error = "Keine Textverarbeitung gefunden";
  return available;
}

bool FakeWordProcessor::InsertFile(const std::string& path) {
  calls.push_back("InsertFile " + std::filesystem::path(path).filename().string());
  return std::filesystem::exists(path);
}

bool FakeWordProcessor::InsertionPoint(double& left, double& top) {
  left = top = 72;
  calls.push_back("InsertionPoint");
  return true;
}

bool FakeWordProcessor::AddTextBox(double left, double top, double width, double height) {
  calls.push_back("AddTextBox " + Number(left) + " " + Number(top) + " " + Number(width) + " " +
                  Number(height));
  return true;
}

void FakeWordProcessor::SetBoxMargins(double points) {
  calls.push_back("SetBoxMargins " + Number(points));
}

void FakeWordProcessor::SetBoxBorder(bool visible) {
  calls.push_back(visible ? "SetBoxBorder dotted" : "SetBoxBorder none");
}

void FakeWordProcessor::SetFont(const std::string& name, double size, bool bold) {
  calls.push_back("SetFont " + name + " " + Number(size) + (bold ? " bold" : " regular"));
}

void FakeWordProcessor::SetColorIndex(int index) {
  calls.push_back("SetColorIndex " + std::to_string(index));
}

void FakeWordProcessor::SetAlignment(int alignment) {
  calls.push_back("SetAlignment " + std::to_string(alignment));
}

void FakeWordProcessor::TypeText(const std::string& text) {
  calls.push_back("TypeText " + text);
}

void FakeWordProcessor::SetBoxSize(double width, double height) {
  calls.push_back("SetBoxSize " + Number(width) + " " + Number(height));
}

qv::HandoffFailure FakeWordProcessor::Release() {
  calls.push_back("Release");
  if (refuse) return qv::NoProgramFor(document);
  return std::nullopt;
}

qv::HandoffFailure FakeShell::Open(const std::string& target) {
  opened.push_back(target);
  if (refuse) return qv::NoProgramFor(target);
  return std::nullopt;
}

qv::HandoffFailure FakeShell::Restart() {
  restartRequested = true;
  if (refuse) return qv::NotStarted(program);
  return std::nullopt;
}

}  // namespace qvs

#include "tape/tape_model.h"

#include <algorithm>

#include "platform/text.h"

namespace qv {

namespace {

// Characters a line adds to the tape text, its line break included.
size_t TextLength(const TapeParagraph& line) {
  size_t length = 2;
  for (const TapeRun& run : line.runs) length += CharLength(run.text);
  return length;
}

}  // namespace

TapeModel::TapeModel() {
  ApplyStyleChange(style_, EntryStyle());
  lines_.push_back(MakeParagraph("", style_));
  textLength_ = 2;
}

template <typename Event>
void TapeModel::Notify(Event event, TapeObserver* except) {
  for (TapeObserver* observer : observers_) {
    if (observer != except) event(*observer);
  }
}

std::string TapeModel::TapeLine(int index) const {
  if (index < 0 || index >= TapeLineCount()) return {};
  return lines_[index].Text();
}

void TapeModel::TapeClear() {
  lines_.clear();
  textLength_ = 0;
  Notify([](TapeObserver& o) { o.Cleared(); });
}

void TapeModel::TapeSetStyle(const StyleChange& change) {
  ApplyStyleChange(style_, change);
  Notify([this](TapeObserver& o) { o.StyleChanged(style_); });
}

void TapeModel::TapeAppendLine(std::string_view text) {
  lines_.push_back(MakeParagraph(text, style_));
  textLength_ += CharLength(text) + 2;
  Notify([this](TapeObserver& o) { o.LineAppended(lines_.back()); });
}

void TapeModel::TapeStartEntry() {
  if (TapeHasContent()) {
    TapeAppendLine("");
  } else if (lines_.empty() || TapeLine(0).empty()) {
    TapeClear();
  }
}

void TapeModel::TapeReplaceLastLine(std::string_view text) {
  if (lines_.empty()) {
    TapeAppendLine(text);
    return;
  }
  TapeParagraph& last = lines_.back();
  textLength_ -= TextLength(last);
  last.runs.resize(1);
  last.runs.front().text = text;
  textLength_ += TextLength(last);
  Notify([&last](TapeObserver& o) { o.LastLineReplaced(last); });
}

void TapeModel::TapeRemoveLastLine() {
  if (!lines_.empty()) RemoveFromEnd(1);
}

void TapeModel::RemoveFromEnd(int count) {
  for (int i = 0; i < count; ++i) {
    textLength_ -= TextLength(lines_.back());
    lines_.pop_back();
  }
  Notify([count](TapeObserver& o) { o.LinesRemovedFromEnd(count); });
}

TapeLineEnd TapeModel::TapeTrimBlankEnd() {
  int blank = 0;
  for (auto line = lines_.rbegin(); line != lines_.rend(); ++line, ++blank) {
    std::string text = line->Text();
    std::string finalChar = LastChar(text);
    if (!text.empty() && finalChar != "\r" && finalChar != "\n") {
      if (blank > 0) RemoveFromEnd(blank);
      return {std::move(text), std::move(finalChar)};
    }
  }
  if (blank > 0) RemoveFromEnd(blank);
  return {"", "#"};
}

void TapeModel::TapeAppendRule(std::string_view displayText) {
  size_t m = std::max(CharLength(TapeLine(TapeLineCount() - 1)), CharLength(displayText));
  TapeAppendLine(std::string(2 * m + 1, '-'));
}

void TapeModel::TapeClearUndo() {
  Notify([](TapeObserver& o) { o.UndoCleared(); });
}

void TapeModel::ReplaceDocument(TapeDocument document, TapeObserver* source) {
  lines_ = std::move(document);
  textLength_ = 0;
  for (TapeParagraph& line : lines_) {
    NormalizeParagraph(line);
    textLength_ += TextLength(line);
  }
  Notify([](TapeObserver& o) { o.DocumentReplaced(); }, source);
}

void TapeModel::AddObserver(TapeObserver* observer) {
  observers_.push_back(observer);
}

void TapeModel::RemoveObserver(TapeObserver* observer) {
  std::erase(observers_, observer);
}

}  // namespace qv

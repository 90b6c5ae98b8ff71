#include "tape/word_export.h"

#include <algorithm>
#include <filesystem>

#include "platform/handoff.h"
#include "platform/text.h"
#include "tape/tape_file.h"

namespace qv {

namespace {

constexpr const char* kWordFailed = "Die Textverarbeitung hat den Befehl nicht ausgeführt.";

int AlignmentIndex(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return 0;
    case Alignment::Center:
      return 1;
    default:
      return 2;
  }
}

// A step that failed is tried once more in a new document.
template <class Step>
bool WithRetry(WordProcessor& word, Step step) {
  if (step()) return true;
  word.AddDocument();
  return step();
}

bool InsertTextBox(const TapeDocument& tape, bool noBorder, WordProcessor& word) {
  size_t longest = 0;
  for (const TapeParagraph& line : tape) longest = std::max(longest, CharLength(line.Text()));
  const auto lines = static_cast<double>(tape.size());
  const bool added = WithRetry(word, [&] {
    double left = 0, top = 0;
    return word.InsertionPoint(left, top) &&
           word.AddTextBox(left, top, 6.0 * static_cast<double>(longest), 14.0 * lines);
  });
  if (!added) return false;
  word.SetBoxMargins(8);
  word.SetBoxWrapSquare();
  word.SetBoxBorder(!noBorder);
  double h = 14, w = 0;
  for (const TapeParagraph& line : tape) {
    const CharFormat& format = line.runs.front().format;
    word.SetFont(format.font, format.size, format.bold && !format.italic && !format.underline);
    h += format.size + 3;
    w = std::max(w, static_cast<double>(CharLength(line.Text())) * (format.size - 3));
    word.SetAlignment(AlignmentIndex(line.alignment));
    if (format.color == kTapeRed) word.SetColorIndex(6);
    if (format.color == kTapeGreen) word.SetColorIndex(11);
    if (format.color == kTapeBlack) word.SetColorIndex(0);
    word.TypeText(line.Text() + "\v");
  }
  word.SetBoxSize(TextBoxWidth(w), h + 4);
  word.FinishBox();
  return true;
}

}  // namespace

double TextBoxWidth(double w) {
  if (w <= 59) return w + 20;
  if (w <= 180) return w;
  return w - 30;
}

void ExportToWord(const TapeDocument& tape, const WordExportOptions& options,
                  const std::string& transferPath, WordProcessor& word, Prompts& prompts) {
  if (const auto failed = SaveTapeFile(transferPath, tape, TapeFileFormat::Rtf)) {
    prompts.ShowError(*failed);
    return;
  }
  std::string error;
  if (!word.Connect(error)) {
    prompts.ShowError(error);
    return;
  }
  word.MakeVisible();
  bool done = false;
  if (!options.textBox) {
    done = WithRetry(word, [&] { return word.InsertFile(transferPath); });
    std::error_code ignored;
    std::filesystem::remove(transferPath, ignored);
  } else {
    done = InsertTextBox(tape, options.noBorder, word);
  }
  if (!done) prompts.ShowError(kWordFailed);
  ReportHandoff(prompts, "Das Dokument konnte nicht geöffnet werden", word.Release());
}

}  // namespace qv

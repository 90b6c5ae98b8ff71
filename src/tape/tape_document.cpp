#include "tape/tape_document.h"

namespace qv {

std::string TapeParagraph::Text() const {
  if (runs.size() == 1) return runs.front().text;
  std::string text;
  for (const TapeRun& run : runs) text += run.text;
  return text;
}

TapeParagraph MakeParagraph(std::string_view text, const TapeStyle& style) {
  return TapeParagraph{style.alignment, {TapeRun{std::string(text), style.format}}};
}

void NormalizeParagraph(TapeParagraph& paragraph) {
  std::vector<TapeRun> merged;
  for (TapeRun& run : paragraph.runs) {
    if (run.text.empty()) continue;
    if (!merged.empty() && merged.back().format == run.format) {
      merged.back().text += run.text;
    } else {
      merged.push_back(std::move(run));
    }
  }
  if (merged.empty()) {
    // An empty line keeps the format of its last run, where the caret of an editor sits.
    merged.push_back(
        TapeRun{"", paragraph.runs.empty() ? CharFormat{} : paragraph.runs.back().format});
  }
  paragraph.runs = std::move(merged);
}

std::string DocumentText(const TapeDocument& document) {
  std::string text;
  for (const TapeParagraph& paragraph : document) {
    for (const TapeRun& run : paragraph.runs) text += run.text;
    text += "\r\n";
  }
  return text;
}

}  // namespace qv

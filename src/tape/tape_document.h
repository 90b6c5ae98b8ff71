#pragma once
// The tape as a document: an ordered list of lines (paragraphs), each with its alignment and
// one or more runs of equally formatted characters. Texts are UTF-8 without line breaks.
#include <string>
#include <string_view>
#include <vector>

#include "tape/tape_style.h"

namespace qv {

struct TapeRun {
  std::string text;
  CharFormat format;

  bool operator==(const TapeRun&) const = default;
};

// One line. It always holds at least one run; an empty line holds one run with an empty
// text, which keeps the formatting the line was written with (its height in a view).
struct TapeParagraph {
  Alignment alignment = Alignment::Right;
  std::vector<TapeRun> runs;

  std::string Text() const;
  bool operator==(const TapeParagraph&) const = default;
};

using TapeDocument = std::vector<TapeParagraph>;

// A line of one run in the given style.
TapeParagraph MakeParagraph(std::string_view text, const TapeStyle& style);

// Brings a line into its canonical shape: empty runs dropped, neighbouring runs of the same
// format merged, at least one run. Readers and views hand over normalised lines, so that
// equal-looking documents compare equal.
void NormalizeParagraph(TapeParagraph& paragraph);

// Every line followed by a carriage return and a line feed.
std::string DocumentText(const TapeDocument& document);

// The outcome of reading a tape from a file or text: the document, or the German reason why
// it could not be read ("Die Datei ist keine gültige RTF-Datei").
struct TapeReadResult {
  TapeDocument document;
  std::string error;

  bool ok() const { return error.empty(); }
};

}  // namespace qv

// The driver's look at the last print job: the rich text's strip, or the pages of a document
// laid out by the program, line by line.
#include <algorithm>
#include <map>

#include "runner.h"

namespace qvs {

namespace {

// The texts of a page as lines: those with one top, from left to right, joined by " | ".
std::vector<std::string> PageLines(const qv::PrintedPage& page) {
  std::map<int, std::vector<const qv::PrintedText*>> byTop;
  for (const qv::PrintedText& text : page.texts) byTop[text.box.top].push_back(&text);
  std::vector<std::string> lines;
  for (auto& [top, texts] : byTop) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto* a, const auto* b) { return a->box.left < b->box.left; });
    std::string line;
    for (const qv::PrintedText* text : texts) line += (line.empty() ? "" : " | ") + text->text;
    lines.push_back(line);
  }
  return lines;
}

int Number(const Command& c, size_t i) {
  try {
    return std::stoi(c.words.at(i).text);
  } catch (const std::exception&) {
    throw ScriptError(c.line, "expect printed line PAGE LINE \"TEXT\"");
  }
}

}  // namespace

// expect printed "TEXT": "TITLE LEFT TOP RIGHT BOTTOM" of a rich text, "TITLE: N pages" of a
// document, or "nothing"; expect printed line PAGE LINE "TEXT": a line of a document's page
// (both from 1; -1 is the last line).
void Runner::ExpectPrinted(const Command& c) {
  const FakePrinter::Job* job = printer_.jobs.empty() ? nullptr : &printer_.jobs.back();
  const std::vector<qv::PrintedPage>* pages = job ? &job->document.pages : nullptr;
  if (c.words.size() > 2 && !c.words[2].quoted && c.words[2].text == "line") {
    const int page = Number(c, 3), line = Number(c, 4);
    if (c.words.size() < 6) throw ScriptError(c.line, "expect printed line PAGE LINE \"TEXT\"");
    const std::string wanted = c.words[5].text;
    if (!pages || page < 1 || page > static_cast<int>(pages->size()))
      return Check(c, false, "page " + std::to_string(page),
                   std::to_string(pages ? pages->size() : 0) + " pages");
    const std::vector<std::string> lines = PageLines((*pages)[page - 1]);
    const int index = line < 0 ? static_cast<int>(lines.size()) + line : line - 1;
    if (line == 0 || index < 0 || index >= static_cast<int>(lines.size()))
      return Check(c, false, "line " + std::to_string(line),
                   std::to_string(lines.size()) + " lines");
    return Check(c, lines[index] == wanted, "\"" + wanted + "\"", "\"" + lines[index] + "\"");
  }
  std::string got = "nothing";
  if (job && !pages->empty())
    got = job->title + ": " + std::to_string(pages->size()) + " pages";
  else if (job)
    got = job->title + " " + std::to_string(job->rect.left) + " " + std::to_string(job->rect.top) +
          " " + std::to_string(job->rect.right) + " " + std::to_string(job->rect.bottom);
  if (c.words.size() < 3) throw ScriptError(c.line, "expect printed \"TEXT\"");
  Check(c, got == c.words[2].text, "\"" + c.words[2].text + "\"", "\"" + got + "\"");
}

}  // namespace qvs

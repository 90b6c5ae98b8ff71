#pragma once
// Handing the tape to a word processor: inserted as formatted text at the insertion point,
// or typed line by line into a new text box there.
#include <string>

#include "platform/ports.h"
#include "tape/tape_document.h"

namespace qv {

struct WordExportOptions {
  bool textBox = false;   // "Tape als Textbox in Word einfügen"
  bool noBorder = false;  // "Textbox ohne Umrandung"
};

// The transfer file (the tape as rich text) is written first; a failure of the word processor
// is reported once the retry with a new document failed too, and a document the desktop does
// not open with where it lies.
void ExportToWord(const TapeDocument& tape, const WordExportOptions& options,
                  const std::string& transferPath, WordProcessor& word, Prompts& prompts);

// The text box's width from the widest line's measure w (length × (size − 3)).
double TextBoxWidth(double w);

}  // namespace qv

#pragma once
// Writes a tape document as standard RTF: a font table, a colour table, one \pard ... \par
// per line with its alignment, and for every run its font, size, weight, slant, underline
// and colour. Non-ASCII characters are written as \uN? (surrogate pairs beyond the BMP), so
// the file is pure ASCII and any word processor reads it.
#include <string>

#include "tape/tape_document.h"

namespace qv {

std::string WriteRtf(const TapeDocument& document);

}  // namespace qv

#pragma once
// The tape as plain text: every line followed by CR LF, UTF-8. On reading, lines may end in
// LF, CR LF or CR, and a text that is not valid UTF-8 is read as Windows-1252.
#include <string>
#include <string_view>

#include "tape/tape_document.h"
#include "tape/tape_style.h"

namespace qv {

std::string WritePlainText(const TapeDocument& document);

// Every line takes the given style. A text holding NUL or other control characters than
// tab and line ends is binary, not a tape, and is refused with a German reason.
TapeReadResult ReadPlainText(std::string_view data, const TapeStyle& style);

}  // namespace qv

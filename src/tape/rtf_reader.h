#pragma once
// Reads RTF as word processors write it into tape lines: paragraphs with their alignment,
// runs with font, size, bold, italic, underline and colour. Pictures, headers, footers,
// style sheets, document information, ignorable (\*) and unknown destinations are skipped
// without losing the text around them. Characters come from \uN (with \ucN fallbacks),
// from \'hh in the document's code page (Windows-1252; unknown code pages read as 1252) and
// from the text itself.
//
// A text that does not begin with "{\rtf", is cut off before its outer group closes, or
// nests groups deeper than any word processor does is refused with a German reason; the
// caller then keeps its tape as it was.
#include <string_view>

#include "tape/tape_document.h"

namespace qv {

TapeReadResult ReadRtf(std::string_view data);

// Whether data is to be read as RTF rather than as plain text.
bool LooksLikeRtf(std::string_view data);

}  // namespace qv

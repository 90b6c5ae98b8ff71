#pragma once
// Tape files: reading and writing a tape as RTF or plain text, on strings and on files.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tape/tape_document.h"
#include "tape/tape_style.h"

namespace qv {

enum class TapeFileFormat { Rtf, PlainText };

// RTF when the data begins with "{\rtf", plain text otherwise (its lines in plainStyle).
TapeReadResult ReadTape(std::string_view data, const TapeStyle& plainStyle);
std::string WriteTape(const TapeDocument& document, TapeFileFormat format);

// A tape file beyond this size is refused before it is read: a long working day's tape is a
// few megabytes, a million lines still fit.
constexpr size_t kMaxTapeFileBytes = size_t{64} << 20;

// Reads a tape file; a file that cannot be read or is not a tape gives a German reason. Only
// regular files of at most kMaxTapeFileBytes are read.
TapeReadResult LoadTapeFile(const std::string& path, const TapeStyle& plainStyle);

// Writes the tape to a temporary file beside path and renames it over path, so that a
// failed save leaves an earlier file of that name as it was. Gives the German reason when
// the file could not be written.
std::optional<std::string> SaveTapeFile(const std::string& path, const TapeDocument& document,
                                        TapeFileFormat format);

}  // namespace qv

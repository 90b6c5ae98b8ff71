#pragma once
// The graph's picture as a file: a 24-bit Windows bitmap or a PNG image, chosen by the file
// name's extension, written so that a failure leaves no half-written file behind.
#include <optional>
#include <string>

#include "graph/canvas.h"

namespace qv {

enum class PictureFormat { Bmp, Png };

// The format the extension of a file name names ("bmp", "png", in any case); none for any
// other extension or none at all.
std::optional<PictureFormat> PictureFormatOf(const std::string& path);

// The bytes of the picture's file.
std::string EncodePicture(const Canvas& picture, PictureFormat format);

// Writes the picture to a temporary file beside path and renames it over path, so that an
// earlier file of that name stays as it was when the writing fails. Gives the German reason of
// a failure.
std::optional<std::string> SavePicture(const Canvas& picture, const std::string& path,
                                       PictureFormat format);

}  // namespace qv

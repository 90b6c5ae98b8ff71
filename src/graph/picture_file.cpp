#include "graph/picture_file.h"

#include <cairo.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/ini_io.h"
#include "platform/text.h"

namespace qv {

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A file header, an information header of 40 bytes and the rows from the bottom up, three
// bytes (blue, green, red) a pixel, each row padded to a multiple of four bytes.
std::string EncodeBmp(const Canvas& picture) {
  const int width = picture.Width(), height = picture.Height();
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(height);
  constexpr uint32_t kHeaders = 14 + 40;
  constexpr uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
  std::string out;
  out.reserve(kHeaders + dataBytes);
  out += "BM";
  PutLittleEndian(out, kHeaders + dataBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kHeaders, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(height), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // no compression
  PutLittleEndian(out, dataBytes, 4);
  PutLittleEndian(out, kPixelsPerMetre, 4);
  PutLittleEndian(out, kPixelsPerMetre, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) PutLittleEndian(out, picture.Pixel(x, y), 3);
    out.append(rowBytes - static_cast<uint32_t>(width) * 3, '\0');
  }
  return out;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The picture's pixels seen as a surface without alpha, so that the PNG has three channels.
std::string EncodePng(const Canvas& picture) {
  const PixelView view = picture.View();
  cairo_surface_t* surface = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(view.pixels)), CAIRO_FORMAT_RGB24,
      view.width, view.height, view.stride);
  std::string out;
  cairo_surface_write_to_png_stream(surface, AppendBytes, &out);
  cairo_surface_destroy(surface);
  return out;
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::string extension = LowerAscii(std::filesystem::path(path).extension().string());
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  return std::nullopt;
}

std::string EncodePicture(const Canvas& picture, PictureFormat format) {
  return format == PictureFormat::Bmp ? EncodeBmp(picture) : EncodePng(picture);
}

// A new file can be read by others, as files saved by other programs; a replaced one keeps
// its permissions.
std::optional<std::string> SavePicture(const Canvas& picture, const std::string& path,
                                       PictureFormat format) {
  const auto readable = [&path](const std::string& temp) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return 0;
    return ::chmod(temp.c_str(), 0644) == 0 ? 0 : errno;
  };
  const std::string failure = ReplaceFileAtomically(path, EncodePicture(picture, format), readable);
  if (failure.empty()) return std::nullopt;
  return failure;
}

}  // namespace qv

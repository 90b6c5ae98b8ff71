// The graph's picture as a file: the format named by the extension, the bitmap's layout (rows
// from the bottom, padded to four bytes), a PNG that reads back with the same pixels, and a
// save that fails leaving nothing behind.
#include "graph/picture_file.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "sandbox.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

uint32_t Little(const std::string& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

// A picture of 5 x 3 pixels with a red top left and a blue bottom right corner.
struct SmallPicture {
  SmallPicture() {
    canvas.SetPen(RgbOf(255, 0, 0));
    canvas.MoveTo(0, 0);
    canvas.LineTo(1, 0);
    canvas.SetPen(RgbOf(0, 0, 255));
    canvas.MoveTo(4, 2);
    canvas.LineTo(5, 2);
  }
  Canvas canvas{5, 3};
};

TEST(PictureFileTest, TheExtensionNamesTheFormat) {
  EXPECT_EQ(PictureFormatOf("/a/b.bmp"), PictureFormat::Bmp);
  EXPECT_EQ(PictureFormatOf("b.BMP"), PictureFormat::Bmp);
  EXPECT_EQ(PictureFormatOf("b.Png"), PictureFormat::Png);
  EXPECT_EQ(PictureFormatOf("b.jpg"), std::nullopt);
  EXPECT_EQ(PictureFormatOf("/a.bmp/b"), std::nullopt);
  EXPECT_EQ(PictureFormatOf("b"), std::nullopt);
}

TEST(PictureFileTest, ABitmapHoldsItsRowsFromTheBottomPaddedToFourBytes) {
  SmallPicture small;
  const std::string bmp = EncodePicture(small.canvas, PictureFormat::Bmp);
  const size_t rowBytes = 16;  // 5 pixels of 3 bytes, padded
  ASSERT_EQ(bmp.size(), 54 + 3 * rowBytes);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Little(bmp, 2, 4), bmp.size());
  EXPECT_EQ(Little(bmp, 10, 4), 54u);
  EXPECT_EQ(Little(bmp, 18, 4), 5u);
  EXPECT_EQ(Little(bmp, 22, 4), 3u);
  EXPECT_EQ(Little(bmp, 28, 2), 24u);
  // The first row in the file is the bottom one: blue at its end, in the order blue, green, red.
  EXPECT_EQ(Little(bmp, 54 + 4 * 3, 3), 0x0000FFu);
  EXPECT_EQ(Little(bmp, 54 + 15, 1), 0u);
  EXPECT_EQ(Little(bmp, 54 + 2 * rowBytes, 3), 0xFF0000u);
  EXPECT_EQ(Little(bmp, 54 + 2 * rowBytes + 3, 3), 0xFFFFFFu);
}

cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
  auto& rest = *static_cast<std::string_view*>(closure);
  if (rest.size() < length) return CAIRO_STATUS_READ_ERROR;
  std::copy_n(rest.begin(), length, data);
  rest.remove_prefix(length);
  return CAIRO_STATUS_SUCCESS;
}

TEST(PictureFileTest, APngReadsBackWithTheSamePixels) {
  SmallPicture small;
  const std::string png = EncodePicture(small.canvas, PictureFormat::Png);
  std::string_view rest = png;
  cairo_surface_t* read = cairo_image_surface_create_from_png_stream(ReadBytes, &rest);
  ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_format(read), CAIRO_FORMAT_RGB24);
  ASSERT_EQ(cairo_image_surface_get_width(read), 5);
  ASSERT_EQ(cairo_image_surface_get_height(read), 3);
  const unsigned char* data = cairo_image_surface_get_data(read);
  const int stride = cairo_image_surface_get_stride(read);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFFu,
                small.canvas.Pixel(x, y))
          << x << "," << y;
  cairo_surface_destroy(read);
}

class PictureSaveTest : public testing::Test, protected qvs::Sandbox {
 protected:
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  SmallPicture small;
};

TEST_F(PictureSaveTest, ANewFileIsReadableAndAnOldOneReplaced) {
  const std::string path = (dir / "bild.png").string();
  ASSERT_EQ(SavePicture(small.canvas, path, PictureFormat::Png), std::nullopt);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  ::chmod(path.c_str(), 0600);
  small.canvas.Fill(RgbOf(0, 0, 0));
  ASSERT_EQ(SavePicture(small.canvas, path, PictureFormat::Bmp), std::nullopt);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(in.get(), 'B');
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(PictureSaveTest, AFailedSaveLeavesNothingBehind) {
  const std::vector<std::string> before = Names();
  EXPECT_EQ(SavePicture(small.canvas, (dir / "fehlt" / "bild.bmp").string(), PictureFormat::Bmp),
            "Datei oder Verzeichnis nicht gefunden");
  // A folder of the name cannot be replaced by the file: the temporary file goes again.
  fs::create_directory(dir / "ordner.bmp");
  EXPECT_EQ(SavePicture(small.canvas, (dir / "ordner.bmp").string(), PictureFormat::Bmp),
            "Ist ein Verzeichnis");
  std::vector<std::string> after = before;
  after.push_back("ordner.bmp");
  std::sort(after.begin(), after.end());
  EXPECT_EQ(Names(), after);
  EXPECT_TRUE(fs::is_empty(dir / "ordner.bmp"));
}

}  // namespace
}  // namespace qv

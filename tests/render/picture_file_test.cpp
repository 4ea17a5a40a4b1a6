// Picture files: JPEG through libjpeg, icons with bitmap or PNG images and their masks,
// the formats told by their first bytes, and pictures too large to decode.
#include "render/picture_file.h"

#include <gtest/gtest.h>

#include <jpeglib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "render/raster_canvas.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

void Le16(std::string& b, unsigned v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>((v >> 8) & 0xFF);
}
void Le32(std::string& b, unsigned v) {
  Le16(b, v & 0xFFFF);
  Le16(b, v >> 16);
}

// An icon of one image given as its bytes.
std::string Icon(int width, int height, int bits, const std::string& image) {
  std::string b;
  Le16(b, 0);
  Le16(b, 1);
  Le16(b, 1);
  b += static_cast<char>(width);
  b += static_cast<char>(height);
  b += '\0';
  b += '\0';
  Le16(b, 1);
  Le16(b, bits);
  Le32(b, static_cast<unsigned>(image.size()));
  Le32(b, 22);
  return b + image;
}

// A 2 x 2 icon bitmap of 24 bits: rows from the bottom (blue, green / red, white), then a
// mask whose set bit makes the top-left pixel transparent.
std::string IconBitmap24() {
  std::string b;
  Le32(b, 40);
  Le32(b, 2);
  Le32(b, 4);  // twice the height
  Le16(b, 1);
  Le16(b, 24);
  for (int i = 0; i < 6; ++i) Le32(b, 0);
  // Bottom row: blue, green (B, G, R order), padded to 8 bytes.
  b += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);
  // Top row: red, white.
  b += std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
  // Mask rows, bottom first, 4 bytes each: only the top row's first pixel.
  b += std::string("\x00\x00\x00\x00", 4);
  b += std::string("\x80\x00\x00\x00", 4);
  return b;
}

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A JPEG of one colour made with libjpeg's encoder.
std::string SolidJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(width * 3);
  for (int x = 0; x < width; ++x) {
    row[3 * x] = r;
    row[3 * x + 1] = g;
    row[3 * x + 2] = b;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

const std::uint8_t* PixelOf(const RgbaImage& image, int x, int y) {
  return image.pixels.data() + (static_cast<std::size_t>(y) * image.width + x) * 4;
}

class PictureFileTest : public TempDirTest {};

TEST_F(PictureFileTest, JpegThroughLibjpeg) {
  const std::optional<RgbaImage> image = DecodePicture(SolidJpeg(16, 8, 200, 40, 90));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 16);
  EXPECT_EQ(image->height, 8);
  const std::uint8_t* p = PixelOf(*image, 7, 3);
  EXPECT_NEAR(p[0], 200, 4);
  EXPECT_NEAR(p[1], 40, 4);
  EXPECT_NEAR(p[2], 90, 4);
  EXPECT_EQ(p[3], 255);
  // Cut off after its header, a JPEG is no picture.
  EXPECT_FALSE(DecodePicture(SolidJpeg(16, 8, 1, 2, 3).substr(0, 40)));
}

TEST_F(PictureFileTest, IconWithABitmapAndItsMask) {
  const std::optional<RgbaImage> image = DecodePicture(Icon(2, 2, 24, IconBitmap24()));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(PixelOf(*image, 0, 0)[3], 0);  // masked
  EXPECT_EQ(PixelOf(*image, 1, 0)[0], 255);
  EXPECT_EQ(PixelOf(*image, 1, 0)[3], 255);
  const std::uint8_t* blue = PixelOf(*image, 0, 1);
  EXPECT_EQ(blue[0], 0);
  EXPECT_EQ(blue[2], 255);
  EXPECT_EQ(blue[3], 255);
  EXPECT_EQ(PixelOf(*image, 1, 1)[1], 255);  // green
}

TEST_F(PictureFileTest, IconWithAPngImage) {
  RasterCanvas canvas(3, 5);
  canvas.FillRect(0, 0, 3, 5, 0x123456);
  canvas.SaveImage(dir_ / "small.png");
  const std::optional<RgbaImage> image = DecodePicture(Icon(3, 5, 32, Slurp(dir_ / "small.png")));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->height, 5);
  EXPECT_EQ(PixelOf(*image, 2, 4)[0], 0x12);
  EXPECT_EQ(PixelOf(*image, 2, 4)[2], 0x56);
}

TEST_F(PictureFileTest, BrokenIconsAreNoPictures) {
  const std::string good = Icon(2, 2, 24, IconBitmap24());
  EXPECT_FALSE(DecodePicture(good.substr(0, 10)));  // directory cut short
  EXPECT_FALSE(DecodePicture(good.substr(0, 30)));  // image cut short
  std::string wrongOffset = good;
  wrongOffset[18] = '\x7F';
  EXPECT_FALSE(DecodePicture(wrongOffset));
  EXPECT_FALSE(DecodePicture(std::string("\0\0\1\0\0\0", 6)));  // no images
}

TEST_F(PictureFileTest, TooLargeAPictureIsRefusedBeforeDecoding) {
  // A bitmap header claiming 100000 x 100000 pixels with hardly any data.
  std::string b = "BM";
  Le32(b, 70);
  Le32(b, 0);
  Le32(b, 54);
  Le32(b, 40);
  Le32(b, 100000);
  Le32(b, 100000);
  Le16(b, 1);
  Le16(b, 24);
  for (int i = 0; i < 6; ++i) Le32(b, 0);
  b += std::string(16, '\0');
  EXPECT_FALSE(DecodePicture(b));
}

TEST_F(PictureFileTest, TheShippedStartUpPicture) {
  const auto path =
      std::filesystem::path(ZARNIX_TEST_DATA_DIR).parent_path().parent_path().parent_path() /
      "data" / "zarnix.jpg";
  const std::optional<RgbaImage> image = DecodePicture(Slurp(path));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 640);
  EXPECT_EQ(image->height, 400);
}

}  // namespace
}  // namespace zarnix

// Decoding picture files into RGBA pixels.
#include "render/picture_file.h"

#include <jpeglib.h>
#include <stb_image.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

namespace zarnix {

namespace {

bool StartsWith(std::string_view bytes, std::string_view magic) {
  return bytes.substr(0, magic.size()) == magic;
}

std::uint32_t Le16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}
std::uint32_t Le32(std::string_view b, std::size_t at) {
  return Le16(b, at) | Le16(b, at + 2) << 16;
}
void PutLe32(std::string& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

bool SizeAcceptable(long long width, long long height) {
  return width > 0 && height > 0 && width * height <= kMaxPicturePixels;
}

std::optional<RgbaImage> DecodeWithStb(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return std::nullopt;
  if (!SizeAcceptable(width, height)) return std::nullopt;
  stbi_uc* pixels = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
  if (!pixels) return std::nullopt;
  RgbaImage image{width, height, {}};
  image.pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
  stbi_image_free(pixels);
  return image;
}

// libjpeg reports a broken file by calling error_exit, which must not return.
struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void JpegQuiet(j_common_ptr, int) {}

// The objects that outlive a jump back to setjmp belong to the caller.
bool DecodeJpegInto(std::string_view bytes, RgbaImage& image, std::vector<JSAMPLE>& row) {
  jpeg_decompress_struct info;
  JpegErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JpegErrorExit;
  errors.base.emit_message = JpegQuiet;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
      !SizeAcceptable(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  row.resize(static_cast<std::size_t>(image.width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const unsigned y = info.output_scanline;
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    std::uint8_t* out = image.pixels.data() + static_cast<std::size_t>(y) * image.width * 4;
    for (int x = 0; x < image.width; ++x) {
      out[4 * x] = row[3 * x];
      out[4 * x + 1] = row[3 * x + 1];
      out[4 * x + 2] = row[3 * x + 2];
      out[4 * x + 3] = 255;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<RgbaImage> DecodeJpeg(std::string_view bytes) {
  RgbaImage image;
  std::vector<JSAMPLE> row;
  if (!DecodeJpegInto(bytes, image, row)) return std::nullopt;
  return image;
}

std::optional<RgbaImage> DecodeIco(std::string_view bytes) {
  if (bytes.size() < 6 || Le16(bytes, 0) != 0 || (Le16(bytes, 2) != 1 && Le16(bytes, 2) != 2))
    return std::nullopt;
  const std::uint32_t count = Le16(bytes, 4);
  if (count == 0 || bytes.size() < 6 + 16 * static_cast<std::size_t>(count)) return std::nullopt;
  // The largest image of the icon, the deepest colours among equals.
  std::size_t best = 0;
  long long bestScore = -1;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    // A size byte of 0 means 256.
    const long long w = static_cast<std::uint8_t>(bytes[entry]) == 0
                            ? 256
                            : static_cast<std::uint8_t>(bytes[entry]);
    const long long h = static_cast<std::uint8_t>(bytes[entry + 1]) == 0
                            ? 256
                            : static_cast<std::uint8_t>(bytes[entry + 1]);
    const long long score = (w * h) * 64 + Le16(bytes, entry + 6);
    if (score > bestScore) {
      bestScore = score;
      best = entry;
    }
  }
  const std::uint32_t size = Le32(bytes, best + 8);
  const std::uint32_t offset = Le32(bytes, best + 12);
  if (offset >= bytes.size() || size > bytes.size() - offset) return std::nullopt;
  const std::string_view image = bytes.substr(offset, size);
  if (StartsWith(image, "\x89PNG")) return DecodeWithStb(image);

  // A bitmap without its file header, twice as high: the colours, then a 1-bit mask.
  if (image.size() < 40) return std::nullopt;
  const std::uint32_t headerSize = Le32(image, 0);
  const auto width = static_cast<std::int32_t>(Le32(image, 4));
  const auto doubleHeight = static_cast<std::int32_t>(Le32(image, 8));
  const std::uint32_t bits = Le16(image, 14);
  std::uint32_t colours = Le32(image, 32);
  if (headerSize < 40 || headerSize > image.size() || width <= 0 || doubleHeight <= 0) {
    return std::nullopt;
  }
  if (colours == 0 && bits <= 8) colours = 1u << bits;
  if (colours > 256) return std::nullopt;
  const int height = doubleHeight / 2;
  const std::size_t paletteBytes = static_cast<std::size_t>(colours) * 4;
  std::string file(14, '\0');
  file[0] = 'B';
  file[1] = 'M';
  file.append(image);
  PutLe32(file, 2, static_cast<std::uint32_t>(file.size()));
  PutLe32(file, 10, static_cast<std::uint32_t>(14 + headerSize + paletteBytes));
  PutLe32(file, 14 + 8, static_cast<std::uint32_t>(height));
  std::optional<RgbaImage> decoded = DecodeWithStb(file);
  if (!decoded || bits >= 32 || decoded->width != width || decoded->height != height) {
    return decoded;
  }
  // Pixels whose mask bit is set are transparent.
  const std::size_t colourStride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  const std::size_t maskStart = headerSize + paletteBytes + colourStride * height;
  if (maskStart + maskStride * height > image.size()) return decoded;
  for (int y = 0; y < height; ++y) {
    const std::size_t maskRow = maskStart + maskStride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const bool transparent =
          (static_cast<std::uint8_t>(image[maskRow + x / 8]) >> (7 - x % 8)) & 1;
      if (transparent) decoded->pixels[(static_cast<std::size_t>(y) * width + x) * 4 + 3] = 0;
    }
  }
  return decoded;
}

std::optional<RgbaImage> DecodePicture(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xD8")) return DecodeJpeg(bytes);
  if (StartsWith(bytes, "BM") || StartsWith(bytes, "\x89PNG")) return DecodeWithStb(bytes);
  if (StartsWith(bytes, std::string_view("\0\0\1\0", 4)) ||
      StartsWith(bytes, std::string_view("\0\0\2\0", 4))) {
    return DecodeIco(bytes);
  }
  return std::nullopt;
}

}  // namespace zarnix

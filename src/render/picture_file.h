// Picture files of the image page: BMP, PNG and ICO read with stb, JPEG with libjpeg; the
// format is told by the file's first bytes, not by its name.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zarnix {

// Pixels as R, G, B, A bytes (alpha not premultiplied), rows from the top.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

// Pictures with more pixels than this are refused rather than decoded.
inline constexpr long long kMaxPicturePixels = 1LL << 24;

// The picture in the bytes, nullopt when they are no readable BMP, PNG, JPEG or ICO file.
std::optional<RgbaImage> DecodePicture(std::string_view bytes);

std::optional<RgbaImage> DecodeJpeg(std::string_view bytes);
std::optional<RgbaImage> DecodeIco(std::string_view bytes);

}  // namespace zarnix

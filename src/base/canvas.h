// The drawing port of the image page: a raster surface with pen, fill and text, saved as a
// bitmap and able to show a picture file. One raster implementation serves window and CLI.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zarnix {

// 0x00RRGGBB.
using Color = std::uint32_t;

struct TextSize {
  int width = 0;
  int height = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void FillRect(int left, int top, int right, int bottom, Color color) = 0;
  virtual void SetPenColor(Color color) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Text is GBK; fontSize in points.
  virtual void TextOut(int x, int y, const std::string& text, int fontSize) = 0;
  virtual TextSize TextExtent(const std::string& text, int fontSize) = 0;

  // Empties the picture (white).
  virtual void Clear() = 0;
  virtual void SaveBitmap(const std::filesystem::path& path) = 0;
  // Shows a picture file (bitmap or JPEG); false when it cannot be read.
  virtual bool LoadPicture(const std::filesystem::path& path) = 0;
};

}  // namespace zarnix

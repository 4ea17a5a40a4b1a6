// The drawing port of the image page: a picture that is either empty, a drawn plot or a
// picture file, with the pen, fill and text calls a plot is drawn with.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zarnix {

// 0x00RRGGBB.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;

// Coordinates beyond this are pulled in to it, far outside any picture.
inline constexpr int kFarCoordinate = 1 << 24;

struct TextSize {
  int width = 0;
  int height = 0;
};

enum class PictureKind {
  kEmpty,    // nothing shown
  kPlot,     // a bitmap drawn by the program
  kPicture,  // a picture file that was opened
};

struct PictureInfo {
  PictureKind kind = PictureKind::kEmpty;
  int width = 0;  // a plot and the empty picture have the control's size
  int height = 0;
  std::string caption;  // GBK: what a plot shows, or the opened file's name
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The picture control's size in pixels; a plot's bitmap has this size.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetSize(int width, int height) = 0;

  // Drawing. The first call on a picture that is not a plot replaces it by a white bitmap of
  // the control's size. Coordinates are pixels; lines are 1 pixel wide and include both end
  // points; a rectangle covers left..right-1 and top..bottom-1.
  virtual void FillRect(int left, int top, int right, int bottom, Color color) = 0;
  virtual void SetPenColor(Color color) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Text is GBK, black on an opaque white cell whose top left is (x, y); fontSize in points.
  virtual void TextOut(int x, int y, const std::string& text, int fontSize) = 0;
  virtual TextSize TextExtent(const std::string& text, int fontSize) = 0;

  // The picture.
  virtual PictureInfo Picture() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Empties the picture.
  virtual void Clear() = 0;
  // Shows a picture file (BMP, PNG, JPEG, ICO). A file that cannot be read throws
  // EInOutError and the old picture stays.
  virtual void LoadPicture(const std::filesystem::path& path) = 0;
  // Writes the picture; the format follows the extension (.bmp, .png, .svg). Throws
  // EInOutError.
  virtual void SaveImage(const std::filesystem::path& path) = 0;
};

}  // namespace zarnix

// A plot kept as a small display list (fill, pen, move, line, text) that any surface can
// replay, and the canvas that records it. Without a renderer it measures text roughly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/canvas.h"

namespace zarnix {

struct DisplayOp {
  enum class Kind : std::uint8_t { kFill, kPen, kMove, kLine, kText };
  Kind kind = Kind::kMove;
  std::int32_t x = 0;  // fill: left; move, line, text: the point
  std::int32_t y = 0;  // fill: top
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  Color color = 0;       // fill and pen
  std::int32_t arg = 0;  // text: index into DisplayList::texts
};

struct DisplayText {
  std::string text;  // GBK
  int fontSize = 0;
};

struct DisplayList {
  std::vector<DisplayOp> ops;
  std::vector<DisplayText> texts;
  void Clear() {
    ops.clear();
    texts.clear();
  }
};

// A canvas that records the plot it is given. Without a renderer a picture file is known by
// its name only and nothing can be written; RasterCanvas adds both.
class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width = 640, int height = 480);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetSize(int width, int height) override;

  void FillRect(int left, int top, int right, int bottom, Color color) override;
  void SetPenColor(Color color) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text, int fontSize) override;
  // Half the font's pixel height per byte, the pixel height high.
  TextSize TextExtent(const std::string& text, int fontSize) override;

  PictureInfo Picture() const override;
  void SetCaption(const std::string& caption) override;
  void Clear() override;
  void LoadPicture(const std::filesystem::path& path) override;
  void SaveImage(const std::filesystem::path& path) override;

  const DisplayList& Plot() const { return plot_; }
  // Grows with every change of the picture, so a view knows when to draw it again.
  std::uint64_t Revision() const { return revision_; }

 protected:
  // A picture file is shown from now on (the plot's list is emptied).
  void ShowPicture(int width, int height, const std::string& caption);
  PictureKind Kind() const { return kind_; }
  void Changed() { ++revision_; }

 private:
  void StartDrawing();
  // Pulls the point in and moves the pen there; false when it stands there already.
  bool PenMovesTo(int& x, int& y);
  void Add(const DisplayOp& op);

  int width_;
  int height_;
  PictureKind kind_ = PictureKind::kEmpty;
  DisplayList plot_;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  std::string caption_;
  std::uint64_t revision_ = 0;
  // The pen as the list leaves it, to drop calls that change nothing.
  Color pen_ = kBlack;
  int penX_ = 0;
  int penY_ = 0;
};

// Pixels of a font size in points on the 96-dpi screen the plot geometry assumes.
int FontPixels(int fontSize);

}  // namespace zarnix

// The display-list recorder and the picture state it keeps.
#include "base/recording_canvas.h"

#include <algorithm>

#include "base/errors.h"
#include "base/textfile.h"

namespace zarnix {

namespace {

int Near(int v) {
  return std::clamp(v, -kFarCoordinate, kFarCoordinate);
}

}  // namespace

int FontPixels(int fontSize) {
  return (fontSize * 96 + 36) / 72;
}

RecordingCanvas::RecordingCanvas(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

void RecordingCanvas::SetSize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  Changed();
}

void RecordingCanvas::StartDrawing() {
  if (kind_ == PictureKind::kPlot) return;
  kind_ = PictureKind::kPlot;
  plot_.Clear();
  caption_.clear();
  pen_ = kBlack;
  penX_ = penY_ = 0;
  // A fresh bitmap is white.
  plot_.ops.push_back({DisplayOp::Kind::kFill, 0, 0, width_, height_, kWhite, 0});
}

void RecordingCanvas::Add(const DisplayOp& op) {
  plot_.ops.push_back(op);
  Changed();
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom, Color color) {
  StartDrawing();
  DisplayOp op{DisplayOp::Kind::kFill, Near(left), Near(top), Near(right), Near(bottom), color, 0};
  // Filling the whole bitmap hides everything drawn before.
  if (op.x <= 0 && op.y <= 0 && op.right >= width_ && op.bottom >= height_) {
    plot_.Clear();
    penX_ = penY_ = 0;
    pen_ = kBlack;
  }
  Add(op);
}

void RecordingCanvas::SetPenColor(Color color) {
  StartDrawing();
  if (color == pen_) return;
  pen_ = color;
  Add({DisplayOp::Kind::kPen, 0, 0, 0, 0, color, 0});
}

bool RecordingCanvas::PenMovesTo(int& x, int& y) {
  StartDrawing();
  x = Near(x);
  y = Near(y);
  if (x == penX_ && y == penY_) return false;
  penX_ = x;
  penY_ = y;
  return true;
}

void RecordingCanvas::MoveTo(int x, int y) {
  if (!PenMovesTo(x, y)) return;
  // Only the last of several moves matters.
  if (!plot_.ops.empty() && plot_.ops.back().kind == DisplayOp::Kind::kMove) {
    plot_.ops.back().x = x;
    plot_.ops.back().y = y;
    Changed();
    return;
  }
  Add({DisplayOp::Kind::kMove, x, y, 0, 0, 0, 0});
}

void RecordingCanvas::LineTo(int x, int y) {
  // A line to where the pen stands draws nothing.
  if (!PenMovesTo(x, y)) return;
  Add({DisplayOp::Kind::kLine, x, y, 0, 0, 0, 0});
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text, int fontSize) {
  StartDrawing();
  if (text.empty()) return;
  plot_.texts.push_back({text, fontSize});
  Add({DisplayOp::Kind::kText, Near(x), Near(y), 0, 0, 0,
       static_cast<std::int32_t>(plot_.texts.size() - 1)});
}

TextSize RecordingCanvas::TextExtent(const std::string& text, int fontSize) {
  const int pixels = FontPixels(fontSize);
  return {static_cast<int>(text.size()) * pixels / 2, pixels};
}

PictureInfo RecordingCanvas::Picture() const {
  if (kind_ == PictureKind::kPicture) return {kind_, pictureWidth_, pictureHeight_, caption_};
  return {kind_, width_, height_, caption_};
}

void RecordingCanvas::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void RecordingCanvas::Clear() {
  kind_ = PictureKind::kEmpty;
  plot_.Clear();
  caption_.clear();
  Changed();
}

void RecordingCanvas::ShowPicture(int width, int height, const std::string& caption) {
  kind_ = PictureKind::kPicture;
  plot_.Clear();
  pictureWidth_ = width;
  pictureHeight_ = height;
  caption_ = caption;
  Changed();
}

void RecordingCanvas::LoadPicture(const std::filesystem::path& path) {
  // Without a renderer the picture is known by its name only.
  if (!FileExists(path)) throw EInOutError("无法读取图象文件：" + GbkFromPath(path.filename()));
  ShowPicture(0, 0, GbkFromPath(path.filename()));
}

void RecordingCanvas::SaveImage(const std::filesystem::path& path) {
  throw EInOutError("无法保存图象文件：" + GbkFromPath(path.filename()));
}

}  // namespace zarnix

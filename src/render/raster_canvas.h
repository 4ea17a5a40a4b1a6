// The image page's picture on cairo: plots are recorded and replayed onto an image surface
// for the window and for PNG and BMP files, and onto an SVG surface for .svg files; opened
// pictures are kept as an image surface. The window and zarnix-cli share it.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>

#include "base/recording_canvas.h"
#include "render/plot_font.h"

namespace zarnix {

struct RgbaImage;

// Pixels of the current picture: 32-bit native-endian premultiplied ARGB, rows of stride
// bytes. Null data for the empty picture.
struct RasterView {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

// The plot bitmap is at most this large each way, whatever the screen.
inline constexpr int kMaxCanvasSide = 4096;

class RasterCanvas : public RecordingCanvas {
 public:
  RasterCanvas(int width = 640, int height = 480);
  ~RasterCanvas() override;

  void SetSize(int width, int height) override;
  TextSize TextExtent(const std::string& text, int fontSize) override;
  void Clear() override;
  void LoadPicture(const std::filesystem::path& path) override;
  void SaveImage(const std::filesystem::path& path) override;

  // The picture as the window shows it; valid until the next change.
  RasterView Raster();
  // The colour 0x00RRGGBB at a pixel of the picture (white outside it or when empty).
  Color PixelAt(int x, int y);

  const PlotFont& Font() const { return font_; }

 private:
  struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  };
  using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

  // The picture on an image surface: the plot replayed, the opened picture, or a white
  // bitmap of the control's size when empty.
  cairo_surface_t* Rendered();
  void DrawPicture(cairo_t* cr);

  PlotFont font_;
  Surface picture_;     // an opened picture file
  Surface plotRaster_;  // the plot replayed
  std::uint64_t rasterRevision_ = ~std::uint64_t{0};
};

}  // namespace zarnix

// The cairo picture: replaying plots, keeping opened pictures, writing PNG, BMP and SVG.
#include "render/raster_canvas.h"

#include <cairo-svg.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/convert.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "render/picture_file.h"
#include "render/replay.h"

namespace zarnix {

namespace {

int Side(int pixels) {
  return std::clamp(pixels, 1, kMaxCanvasSide);
}

cairo_status_t WriteToStream(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::ofstream*>(closure);
  out->write(reinterpret_cast<const char*>(data), length);
  return *out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

void WriteToStreamForStb(void* context, void* data, int size) {
  static_cast<std::ofstream*>(context)->write(static_cast<const char*>(data), size);
}

std::string FileName(const std::filesystem::path& path) {
  return GbkFromPath(path.filename());
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("无法读取图象文件：" + FileName(path));
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Premultiplied native-endian ARGB, as cairo keeps it.
std::uint32_t Premultiplied(const std::uint8_t* rgba) {
  const std::uint32_t a = rgba[3];
  auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | mul(rgba[0]) << 16 | mul(rgba[1]) << 8 | mul(rgba[2]);
}

// The colour of a premultiplied pixel laid over white.
Color OverWhite(std::uint32_t argb) {
  const std::uint32_t white = 255 - (argb >> 24);
  const std::uint32_t r = ((argb >> 16) & 0xFF) + white;
  const std::uint32_t g = ((argb >> 8) & 0xFF) + white;
  const std::uint32_t b = (argb & 0xFF) + white;
  return std::min(r, 255u) << 16 | std::min(g, 255u) << 8 | std::min(b, 255u);
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height) : RecordingCanvas(Side(width), Side(height)) {}

RasterCanvas::~RasterCanvas() = default;

void RasterCanvas::SetSize(int width, int height) {
  RecordingCanvas::SetSize(Side(width), Side(height));
}

TextSize RasterCanvas::TextExtent(const std::string& text, int fontSize) {
  return font_.Measure(text, fontSize);
}

void RasterCanvas::Clear() {
  picture_.reset();
  RecordingCanvas::Clear();
}

void RasterCanvas::LoadPicture(const std::filesystem::path& path) {
  const std::optional<RgbaImage> image = DecodePicture(ReadBytes(path));
  if (!image) {
    throw EInOutError("无法读取图象文件：" + FileName(path) +
                      "（只能打开BMP、PNG、JPEG和ICO图象）");
  }
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->width, image->height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    throw EInOutError("无法读取图象文件：" + FileName(path));
  cairo_surface_flush(surface.get());
  std::uint8_t* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < image->height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
    const std::uint8_t* in = image->pixels.data() + static_cast<std::size_t>(y) * image->width * 4;
    for (int x = 0; x < image->width; ++x) row[x] = Premultiplied(in + 4 * x);
  }
  cairo_surface_mark_dirty(surface.get());
  picture_ = std::move(surface);
  ShowPicture(image->width, image->height, FileName(path));
}

void RasterCanvas::DrawPicture(cairo_t* cr) {
  switch (Kind()) {
    case PictureKind::kPlot:
      ReplayDisplayList(cr, Plot(), font_);
      return;
    case PictureKind::kPicture:
      cairo_set_source_surface(cr, picture_.get(), 0, 0);
      cairo_paint(cr);
      return;
    case PictureKind::kEmpty:
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_paint(cr);
      return;
  }
}

cairo_surface_t* RasterCanvas::Rendered() {
  if (Kind() == PictureKind::kPicture && picture_) return picture_.get();
  const bool sameSize = plotRaster_ &&
                        cairo_image_surface_get_width(plotRaster_.get()) == Width() &&
                        cairo_image_surface_get_height(plotRaster_.get()) == Height();
  if (sameSize && rasterRevision_ == Revision()) return plotRaster_.get();
  if (!sameSize)
    plotRaster_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Width(), Height()));
  cairo_t* cr = cairo_create(plotRaster_.get());
  DrawPicture(cr);
  cairo_destroy(cr);
  cairo_surface_flush(plotRaster_.get());
  rasterRevision_ = Revision();
  return plotRaster_.get();
}

RasterView RasterCanvas::Raster() {
  if (Kind() == PictureKind::kEmpty) return {};
  cairo_surface_t* surface = Rendered();
  return {cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
          cairo_image_surface_get_height(surface), cairo_image_surface_get_stride(surface)};
}

Color RasterCanvas::PixelAt(int x, int y) {
  const RasterView view = Raster();
  if (!view.data || x < 0 || y < 0 || x >= view.width || y >= view.height) return kWhite;
  std::uint32_t argb;
  std::memcpy(&argb, view.data + static_cast<std::size_t>(y) * view.stride + 4 * x, 4);
  return OverWhite(argb);
}

void RasterCanvas::SaveImage(const std::filesystem::path& path) {
  const std::string extension = LowerCase(GbkFromPath(path.extension()));
  if (extension != ".png" && extension != ".bmp" && extension != ".svg")
    throw EInOutError("图象只能保存为.bmp、.png或.svg文件：" + FileName(path));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EInOutError("无法保存图象文件：" + FileName(path));
  bool written = false;
  if (extension == ".svg") {
    const PictureInfo picture = Picture();
    cairo_surface_t* svg =
        cairo_svg_surface_create_for_stream(WriteToStream, &out, picture.width, picture.height);
    cairo_t* cr = cairo_create(svg);
    DrawPicture(cr);
    cairo_destroy(cr);
    cairo_surface_finish(svg);
    written = cairo_surface_status(svg) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(svg);
  } else if (extension == ".png") {
    written =
        cairo_surface_write_to_png_stream(Rendered(), WriteToStream, &out) == CAIRO_STATUS_SUCCESS;
  } else {
    cairo_surface_t* surface = Rendered();
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const std::uint8_t* data = cairo_image_surface_get_data(surface);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        std::uint32_t argb;
        std::memcpy(&argb, data + static_cast<std::size_t>(y) * stride + 4 * x, 4);
        const Color color = OverWhite(argb);
        std::uint8_t* px = rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
        px[0] = static_cast<std::uint8_t>(color >> 16);
        px[1] = static_cast<std::uint8_t>(color >> 8);
        px[2] = static_cast<std::uint8_t>(color);
      }
    }
    written = stbi_write_bmp_to_func(WriteToStreamForStb, &out, width, height, 3, rgb.data()) != 0;
  }
  out.close();
  if (!written || !out) throw EInOutError("无法保存图象文件：" + FileName(path));
}

}  // namespace zarnix

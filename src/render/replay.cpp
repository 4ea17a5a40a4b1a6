// Replaying the display list with cairo.
#include "render/replay.h"

#include <cmath>
#include <string>

#include "base/gbk.h"
#include "render/plot_font.h"

namespace zarnix {

namespace {

void SetColor(cairo_t* cr, Color color) {
  cairo_set_source_rgb(cr, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                       (color & 0xFF) / 255.0);
}

// The polyline being built: moves and lines of one pen, stroked when the pen changes or
// something else is drawn.
class Pen {
 public:
  explicit Pen(cairo_t* cr) : cr_(cr) {}

  void MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
    open_ = false;
  }
  void LineTo(int x, int y) {
    if (!open_) {
      cairo_move_to(cr_, x_ + 0.5, y_ + 0.5);
      open_ = true;
    }
    cairo_line_to(cr_, x + 0.5, y + 0.5);
    x_ = x;
    y_ = y;
    pending_ = true;
  }
  void SetColor(Color color) {
    Stroke();
    color_ = color;
  }
  // Draws what was built; the pen stays where it is.
  void Stroke() {
    if (pending_) {
      zarnix::SetColor(cr_, color_);
      cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
    pending_ = false;
    open_ = false;
  }

 private:
  cairo_t* cr_;
  Color color_ = kBlack;
  int x_ = 0;
  int y_ = 0;
  bool open_ = false;
  bool pending_ = false;
};

void DrawText(cairo_t* cr, PlotFont& font, int x, int y, const DisplayText& text) {
  const std::string utf8 = GbkToUtf8(text.text);
  if (!IsValidUtf8(utf8)) return;
  font.Select(cr, text.fontSize);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  cairo_text_extents_t size;
  cairo_text_extents(cr, utf8.c_str(), &size);
  const double height = std::ceil(extents.ascent + extents.descent);
  SetColor(cr, kWhite);
  cairo_rectangle(cr, x, y, std::ceil(size.x_advance), height);
  cairo_fill(cr);
  SetColor(cr, kBlack);
  cairo_move_to(cr, x, y + std::round(extents.ascent));
  cairo_show_text(cr, utf8.c_str());
  cairo_new_path(cr);
}

}  // namespace

void ReplayDisplayList(cairo_t* cr, const DisplayList& list, PlotFont& font) {
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_width(cr, 1.0);
  // Square ends put both end points of a line on the picture.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Pen pen(cr);
  for (const DisplayOp& op : list.ops) {
    switch (op.kind) {
      case DisplayOp::Kind::kFill:
        pen.Stroke();
        if (op.right > op.x && op.bottom > op.y) {
          SetColor(cr, op.color);
          cairo_rectangle(cr, op.x, op.y, op.right - op.x, op.bottom - op.y);
          cairo_fill(cr);
        }
        break;
      case DisplayOp::Kind::kPen:
        pen.SetColor(op.color);
        break;
      case DisplayOp::Kind::kMove:
        pen.MoveTo(op.x, op.y);
        break;
      case DisplayOp::Kind::kLine:
        pen.LineTo(op.x, op.y);
        break;
      case DisplayOp::Kind::kText:
        pen.Stroke();
        if (op.arg >= 0 && op.arg < static_cast<int>(list.texts.size())) {
          cairo_save(cr);
          cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
          DrawText(cr, font, op.x, op.y, list.texts[op.arg]);
          cairo_restore(cr);
        }
        break;
    }
  }
  pen.Stroke();
  cairo_restore(cr);
}

}  // namespace zarnix

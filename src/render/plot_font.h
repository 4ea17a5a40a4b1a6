// The font of the plots: a CJK font (the family the window's dialogs ask for, else any
// font covering Chinese) found once through fontconfig, with fixed rendering options so a
// plot comes out the same on every machine.
#pragma once

#include <cairo.h>

#include <string>

#include "base/canvas.h"

namespace zarnix {

class PlotFont {
 public:
  PlotFont();
  ~PlotFont();
  PlotFont(const PlotFont&) = delete;
  PlotFont& operator=(const PlotFont&) = delete;

  // Sets the face, the pixel size of fontSize points and the rendering options on cr.
  void Select(cairo_t* cr, int fontSize) const;
  // Width (the advance) and height (ascent + descent) of a GBK text.
  TextSize Measure(const std::string& gbkText, int fontSize);
  // The file the face was loaded from ("" when fontconfig found none).
  const std::string& File() const { return file_; }

 private:
  cairo_font_face_t* face_ = nullptr;
  cairo_font_options_t* options_ = nullptr;
  cairo_surface_t* scratch_ = nullptr;
  cairo_t* measure_ = nullptr;
  std::string file_;
};

}  // namespace zarnix

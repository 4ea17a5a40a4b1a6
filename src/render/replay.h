// Draws a recorded plot onto any cairo surface: the window's and the files' image surfaces
// and the SVG surface all show the same picture.
#pragma once

#include <cairo.h>

#include "base/recording_canvas.h"

namespace zarnix {

class PlotFont;

// Lines are 1 pixel wide without anti-aliasing, through the centres of the pixels they
// join; text is black on a white cell whose top left is the text's point.
void ReplayDisplayList(cairo_t* cr, const DisplayList& list, PlotFont& font);

}  // namespace zarnix

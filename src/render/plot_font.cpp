// Finding the plot font through fontconfig and measuring text with it.
#include "render/plot_font.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cmath>

#include "base/gbk.h"
#include "base/recording_canvas.h"

namespace zarnix {

namespace {

// The dialogs' Song face first, then the CJK face the build installs, then whatever covers
// Chinese.
constexpr const char* kFontPattern = "SimSun,WenQuanYi Micro Hei,sans-serif:lang=zh-cn";

// The matched font's file and face index as a pattern of its own, so that no rendering
// settings of this machine's fontconfig reach the plots.
FcPattern* FindFontFile(std::string& file) {
  if (!FcInit()) return nullptr;
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(kFontPattern));
  if (!wanted) return nullptr;
  FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, wanted, &result);
  FcPatternDestroy(wanted);
  if (!match) return nullptr;
  FcChar8* path = nullptr;
  int index = 0;
  FcPattern* own = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    own = FcPatternCreate();
    FcPatternAddString(own, FC_FILE, path);
    FcPatternAddInteger(own, FC_INDEX, index);
    file = reinterpret_cast<const char*>(path);
  }
  FcPatternDestroy(match);
  return own;
}

}  // namespace

PlotFont::PlotFont() {
  if (FcPattern* pattern = FindFontFile(file_)) {
    face_ = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
  }
  if (!face_ || cairo_font_face_status(face_) != CAIRO_STATUS_SUCCESS) {
    if (face_) cairo_font_face_destroy(face_);
    face_ =
        cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    file_.clear();
  }
  options_ = cairo_font_options_create();
  cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_subpixel_order(options_, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  scratch_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  measure_ = cairo_create(scratch_);
}

PlotFont::~PlotFont() {
  cairo_destroy(measure_);
  cairo_surface_destroy(scratch_);
  cairo_font_options_destroy(options_);
  cairo_font_face_destroy(face_);
}

void PlotFont::Select(cairo_t* cr, int fontSize) const {
  cairo_set_font_face(cr, face_);
  cairo_set_font_size(cr, FontPixels(fontSize));
  cairo_set_font_options(cr, options_);
}

TextSize PlotFont::Measure(const std::string& gbkText, int fontSize) {
  Select(measure_, fontSize);
  cairo_font_extents_t font;
  cairo_font_extents(measure_, &font);
  cairo_text_extents_t text;
  const std::string utf8 = GbkToUtf8(gbkText);
  if (!IsValidUtf8(utf8)) return {0, static_cast<int>(std::ceil(font.ascent + font.descent))};
  cairo_text_extents(measure_, utf8.c_str(), &text);
  return {static_cast<int>(std::ceil(text.x_advance)),
          static_cast<int>(std::ceil(font.ascent + font.descent))};
}

}  // namespace zarnix

#if defined(__SANITIZE_ADDRESS__)
// cairo keeps the font's fontconfig pattern in its own caches until the process ends; that
// is no leak of ours.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

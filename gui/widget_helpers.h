// Small helpers the window's pages share: model rectangles as Qt rectangles, the model's
// point sizes as pixels, and a flag set for a scope.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include "sheet/ask_text.h"

namespace zarnix {

inline QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.width, r.height};
}

// The model's font sizes are points on a 96-dpi screen, as its layout's pixel rules assume.
inline int PixelsOfPoints(int points) {
  return (points * 96 + 36) / 72;
}

inline void SetPixelSize(QWidget* widget, int pixels) {
  QFont font = widget->font();
  if (font.pixelSize() == pixels) return;
  font.setPixelSize(pixels);
  widget->setFont(font);
}

// Sets a flag for a scope and puts back its earlier value.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = saved_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace zarnix

// Positions of the unit page's parts.
#include "app/unit_page.h"

#include <algorithm>

namespace zarnix {

UnitPageLayout LayOutUnitPage(const WindowLayout& l, int fontSize) {
  UnitPageLayout u;
  const int h = l.buttonHeight;
  const int gap = 6;
  const int buttonTop = std::max(l.pageHeight - h - 10, 3 * h + 60);
  const int top = 8;
  u.panel = {8, top, l.pageWidth - 25, buttonTop - 10 - top};
  // The three lists share three fifths of the panel; Memo2 has the rest.
  const int listWidth = std::max((u.panel.width * 3 / 5 - 2 * gap) / 3, 40);
  const int rowTwo = top + h + 4;
  const int listTop = rowTwo + h + gap;
  const int listHeight = std::max(u.panel.top + u.panel.height - listTop, 20);
  for (int i = 0; i < 3; ++i) {
    const int left = u.panel.left + i * (listWidth + gap);
    Rect* caption[] = {&u.quantityCaption, &u.unitCaption, &u.valueCaption};
    Rect* second[] = {&u.label9, &u.label10, &u.edit5};
    Rect* list[] = {&u.listBox1, &u.listBox2, &u.listBox3};
    *caption[i] = {left, top, listWidth, h};
    *second[i] = {left, rowTwo, listWidth, h};
    *list[i] = {left, listTop, listWidth, listHeight};
  }

  const int labelWidth = fontSize * 6;
  u.decimalsLabel = {u.panel.left, buttonTop, labelWidth, h};
  u.decimalsSpin = {u.panel.left + labelWidth + 4, buttonTop, fontSize * 5, h};
  const int right = u.panel.left + u.panel.width;
  const int step = l.buttonWidth + gap;
  u.textBoxButton = {right - l.buttonWidth, buttonTop, l.buttonWidth, h};
  u.saveButton = {u.textBoxButton.left - step, buttonTop, l.buttonWidth, h};
  u.openButton = {u.saveButton.left - step, buttonTop, l.buttonWidth, h};
  return u;
}

Rect Memo2Bounds(const UnitPageLayout& u, const WindowLayout& l, bool wide) {
  if (wide) return {u.panel.left, u.panel.top, u.panel.width - 10, u.panel.height};
  const int left = u.listBox3.left + u.listBox3.width + 10;
  return {left, u.panel.top, std::max(l.pageWidth - left - 10, 1), u.panel.height};
}

}  // namespace zarnix

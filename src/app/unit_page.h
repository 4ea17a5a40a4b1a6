// Layout of the unit-conversion page: three lists side by side on the left (the value lists
// at one place), the text pane Memo2 on their right or over them, and the command line.
#pragma once

#include "app/layout.h"

namespace zarnix {

struct UnitPageLayout {
  Rect quantityCaption;  // over ListBox1
  Rect unitCaption;      // over ListBox2
  Rect valueCaption;     // over Edit5
  Rect label9;
  Rect label10;
  Rect edit5;
  Rect listBox1;
  Rect listBox2;
  Rect listBox3;  // ListBox4 stands at the same place
  Rect panel;     // the lists and the text pane
  Rect decimalsLabel;
  Rect decimalsSpin;
  Rect openButton;  // BitBtn7 .. BitBtn9, right-aligned
  Rect saveButton;
  Rect textBoxButton;
};

UnitPageLayout LayOutUnitPage(const WindowLayout& layout, int fontSize);

// Memo2 right of the lists, or over them when wide.
Rect Memo2Bounds(const UnitPageLayout& page, const WindowLayout& layout, bool wide);

}  // namespace zarnix

// Window layout on a model screen: the font size chosen from the screen width and the
// positions of the main page's parts that commands and handlers rely on.
#pragma once

#include "base/ui.h"
#include "sheet/ask_text.h"

namespace zarnix {

// 10 up to 1000 pixels of screen width, 11 up to 1300, 12 beyond (narrower or wider screens
// take the nearest defined size).
int FontSizeForScreenWidth(int screenWidth);

// Grid defaults after font scaling: default column width scaled from the grid's current one,
// row height size x 1.6 rounded (halves to even), column 0 size x 17.
struct GridFontMetrics {
  int defaultColWidth;
  int defaultRowHeight;
  int col0Width;
};
GridFontMetrics ScaleGridToFont(int fontSize, int currentDefaultColWidth);

struct WindowLayout {
  int clientWidth = 0;  // the maximised window's client area
  int clientHeight = 0;
  int pageWidth = 0;  // a page of the tabbed control
  int pageHeight = 0;
  Rect radioGroup;    // category choice, 7 columns
  Rect panel;         // worksheet on the left, answer pane on the right
  int buttonTop = 0;  // the command line below the panel
  int buttonHeight = 0;
  int buttonWidth = 0;
  int runButtonWidth = 0;
  // Right-aligned from the page's right edge: help, answer box, load data.
  Rect helpButton;
  Rect answerBoxButton;
  Rect loadDataButton;
  // Left end of the command line: save results, expand table.
  Rect saveButton;
  Rect expandButton;
};

WindowLayout ComputeLayout(ScreenSize screen, int fontSize);
// The same rules for a window of this client area (a resized window).
WindowLayout ComputeLayoutForClient(int clientWidth, int clientHeight, int fontSize);

// Parts of the command line that follow the worksheet's width: the run button at half of it,
// the decimal selector and its label to its left, the timing label to its right.
struct RunLine {
  Rect runButton;
  Rect decimalsLabel;
  Rect decimalsSpin;
  Rect timingLabel;
};
RunLine LayOutRunLine(const WindowLayout& layout, int worksheetWidth, int fontSize);

// The image page's drawing area below its two buttons.
Rect ImageArea(const WindowLayout& layout);

}  // namespace zarnix

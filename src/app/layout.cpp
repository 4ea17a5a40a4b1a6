// Font scaling and the main window's layout rules.
#include "app/layout.h"

#include <algorithm>
#include <cmath>

namespace zarnix {

int FontSizeForScreenWidth(int screenWidth) {
  if (screenWidth <= 1000) return 10;
  if (screenWidth <= 1300) return 11;
  return 12;
}

GridFontMetrics ScaleGridToFont(int fontSize, int currentDefaultColWidth) {
  return {fontSize * currentDefaultColWidth / 8, static_cast<int>(std::nearbyint(fontSize * 1.6)),
          fontSize * 17};
}

WindowLayout ComputeLayout(ScreenSize screen, int fontSize) {
  // Maximised: the title bar and the desktop's task bar take 64 pixels.
  return ComputeLayoutForClient(screen.width, screen.height - 64, fontSize);
}

WindowLayout ComputeLayoutForClient(int clientWidth, int clientHeight, int fontSize) {
  WindowLayout l;
  l.clientWidth = std::max(clientWidth, 320);
  l.clientHeight = std::max(clientHeight, 240);
  const int tabHeight = fontSize * 2 + 4;
  l.pageWidth = l.clientWidth - 8;
  l.pageHeight = l.clientHeight - tabHeight - 8;

  const int itemHeight = fontSize * 2 + 4;
  const int captionHeight = fontSize * 2;
  l.radioGroup = {8, 4, l.pageWidth - 25, 3 * itemHeight + captionHeight + 8};

  l.buttonHeight = fontSize * 3;
  // Wide enough for the longest captions: "答案框开/关" and a seven-character category name.
  l.buttonWidth = fontSize * 8;
  l.runButtonWidth = fontSize * 11;
  const int panelTop = l.radioGroup.top + l.radioGroup.height + 6;
  l.panel = {8, panelTop, l.pageWidth - 25,
             std::max(l.pageHeight - l.buttonHeight - l.radioGroup.height - 50, 40)};
  l.buttonTop = l.panel.top + l.panel.height + 10;

  const int right = l.panel.left + l.panel.width;
  const int step = l.buttonWidth + 6;
  l.helpButton = {right - l.buttonWidth, l.buttonTop, l.buttonWidth, l.buttonHeight};
  l.answerBoxButton = {l.helpButton.left - step, l.buttonTop, l.buttonWidth, l.buttonHeight};
  l.loadDataButton = {l.answerBoxButton.left - step, l.buttonTop, l.buttonWidth, l.buttonHeight};
  l.saveButton = {l.panel.left, l.buttonTop, l.buttonWidth, l.buttonHeight};
  l.expandButton = {l.panel.left + step, l.buttonTop, l.buttonWidth, l.buttonHeight};
  return l;
}

RunLine LayOutRunLine(const WindowLayout& l, int worksheetWidth, int fontSize) {
  RunLine line;
  const int left = l.panel.left + std::max(worksheetWidth, 1) / 2;
  line.runButton = {left, l.buttonTop, l.runButtonWidth, l.buttonHeight};
  const int spinWidth = fontSize * 5;
  line.decimalsSpin = {left - spinWidth - 8, l.buttonTop, spinWidth, l.buttonHeight};
  const int labelWidth = fontSize * 6;
  line.decimalsLabel = {line.decimalsSpin.left - labelWidth - 4, l.buttonTop, labelWidth,
                        l.buttonHeight};
  // The timing label takes the room up to the right-aligned buttons and never covers them.
  const int labelLeft = left + l.runButtonWidth + 10;
  const int room = l.loadDataButton.left - 6 - labelLeft;
  line.timingLabel = {labelLeft, l.buttonTop, std::clamp(room, 0, fontSize * 16), l.buttonHeight};
  return line;
}

Rect ImageArea(const WindowLayout& l) {
  const int top = l.buttonHeight + 12;
  return {4, top, l.pageWidth - 8, l.pageHeight - top - 4};
}

}  // namespace zarnix

// AskText and its dialog geometry.
#include "sheet/ask_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "base/ui.h"

namespace zarnix {

namespace {
constexpr int kUnitHeight = 18;  // the dialog's fixed character height unit
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(c));
  return static_cast<int>(((product < 0) != (c < 0)) ? -magnitude : magnitude);
}

int AverageCharWidth(int widthOf52Letters) {
  return widthOf52Letters / 34;
}

int ExtraPromptLines(const std::string& prompt) {
  return static_cast<int>(std::count(prompt.begin(), prompt.end(), '\r'));
}

AskTextLayout AskTextGeometry(int cx, int lines) {
  AskTextLayout g;
  g.clientWidth = MulDiv(180, cx, 4) + 60;
  g.clientHeight = MulDiv(63, kUnitHeight, 8) + 20 * lines - 10;
  g.labelLeft = MulDiv(8, cx, 4);
  g.labelTop = MulDiv(8, kUnitHeight, 8);
  g.edit = {g.labelLeft, MulDiv(19, kUnitHeight, 8) + 20 * lines, MulDiv(164, cx, 4) + 60, 0};
  const int buttonTop = MulDiv(41, kUnitHeight, 8) + 20 * lines - 10;
  const int buttonWidth = MulDiv(50, cx, 4);
  const int buttonHeight = MulDiv(14, kUnitHeight, 8);
  g.okButton = {MulDiv(38, cx, 4) + 20, buttonTop, buttonWidth, buttonHeight};
  g.cancelButton = {MulDiv(92, cx, 4) + 30, buttonTop, buttonWidth, buttonHeight};
  return g;
}

std::string AskText(Ui& ui, const std::string& caption, const std::string& prompt,
                    const std::string& defaultText) {
  return ui.AskText(caption, prompt, defaultText);
}

}  // namespace zarnix

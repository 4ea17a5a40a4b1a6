// AskText, the program's one-line input prompt, and the dialog's layout. The layout is a pure
// function of the font's average character width and the prompt's line count, shared by every
// Ui implementation.
#pragma once

#include <string>

namespace zarnix {

class Ui;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct AskTextLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  int labelLeft = 0;
  int labelTop = 0;
  Rect edit;          // its height is the toolkit's
  Rect okButton;      // " 确定 (&Y)", default button
  Rect cancelButton;  // " 取消 (&C)", cancel button
  int maxLength = 255;
};

inline constexpr const char* kAskTextOkCaption = " 确定 (&Y)";
inline constexpr const char* kAskTextCancelCaption = " 取消 (&C)";
inline constexpr const char* kAskTextFontName = "宋体";
inline constexpr int kAskTextFontSize = -12;  // negative: character height in pixels

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// The average character width: the pixel width of the 52 letters A..Z a..z divided by 34.
int AverageCharWidth(int widthOf52Letters);

// Number of prompt lines beyond the first: the CR characters in the prompt.
int ExtraPromptLines(const std::string& prompt);

AskTextLayout AskTextGeometry(int averageCharWidth, int extraPromptLines);

// Asks through the Ui; returns the edited text when confirmed, otherwise the default.
std::string AskText(Ui& ui, const std::string& caption, const std::string& prompt,
                    const std::string& defaultText);

}  // namespace zarnix

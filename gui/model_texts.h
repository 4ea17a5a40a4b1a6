// The model's fixed texts that the window draws itself, as UTF-8. Its source is compiled with
// the model's character set, so the texts are read exactly as the model holds them.
#pragma once

#include <string>

namespace zarnix {

struct AskTextTexts {
  std::string okCaption;
  std::string cancelCaption;
  std::string fontName;
  int fontSize = 0;  // negative: character height in pixels
};

AskTextTexts AskTextTextsUtf8();

}  // namespace zarnix

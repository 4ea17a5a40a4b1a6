// The AskText dialog's captions and font name, converted from the model's GBK.
#include "model_texts.h"

#include "base/gbk.h"
#include "sheet/ask_text.h"

namespace zarnix {

AskTextTexts AskTextTextsUtf8() {
  return {GbkToUtf8(kAskTextOkCaption), GbkToUtf8(kAskTextCancelCaption),
          GbkToUtf8(kAskTextFontName), kAskTextFontSize};
}

}  // namespace zarnix

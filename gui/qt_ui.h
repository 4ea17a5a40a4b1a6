// The Ui port on Qt: modal message boxes, the Yes/No/Cancel question, the AskText dialog,
// file dialogs, the clipboard and the busy cursor.
#pragma once

#include <functional>

#include "base/ui.h"

class QWidget;

namespace zarnix {

class QtUi : public Ui {
 public:
  // `window` parents the dialogs and gives them their title.
  explicit QtUi(QWidget* window) : window_(window) {}

  // Runs before every dialog and repaint the port causes, so the window shows the model's
  // state of that moment (a handler may have written cells before it asks or fails).
  void SetBeforeModal(std::function<void()> hook) { beforeModal_ = std::move(hook); }

  void ShowMessage(const std::string& text) override;
  DialogResult AskYesNoCancel(const std::string& text) override;
  std::string AskText(const std::string& caption, const std::string& prompt,
                      const std::string& defaultText) override;
  std::optional<std::filesystem::path> PickOpenFile(
      const std::string& filter, const std::filesystem::path& initialDir) override;
  std::optional<std::filesystem::path> PickSaveFile(
      const std::string& filter, const std::filesystem::path& initialDir) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  void SetBusy(bool busy) override;
  void ProcessEvents() override;

 private:
  void BeforeModal() const;

  QWidget* window_;
  std::function<void()> beforeModal_;
  bool busy_ = false;
};

}  // namespace zarnix

// The user-interface port: everything a command asks of the person at the screen.
// The window implements it with real dialogs; tests and zarnix-cli use ScriptedUi.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zarnix {

enum class DialogResult { kYes, kNo, kCancel };

struct ScreenSize {
  int width = 1024;
  int height = 768;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // Modal message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Modal question with Yes, No and Cancel.
  virtual DialogResult AskYesNoCancel(const std::string& text) = 0;
  // Modal one-line input; returns the edited text when confirmed, else the default.
  // The dialog's layout is AskTextGeometry (sheet/ask_text.h).
  virtual std::string AskText(const std::string& caption, const std::string& prompt,
                              const std::string& defaultText) = 0;
  // File dialogs; nullopt when the user cancels. `filter` is "description|patterns|...".
  // The save dialog does not ask about replacing an existing file; its caller does.
  virtual std::optional<std::filesystem::path> PickOpenFile(
      const std::string& filter, const std::filesystem::path& initialDir) = 0;
  virtual std::optional<std::filesystem::path> PickSaveFile(
      const std::string& filter, const std::filesystem::path& initialDir) = 0;

  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardText(const std::string& text) = 0;

  // The hourglass while a command runs.
  virtual void SetBusy(bool busy) = 0;
  // Lets the window repaint during a long loop; nothing to do without a window.
  virtual void ProcessEvents() {}
};

}  // namespace zarnix

// A headless Ui: answers come from a queue given in advance, every message, question and
// prompt is logged. Used by tests and by zarnix-cli.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/ui.h"

namespace zarnix {

struct UiLogEntry {
  enum class Kind { kMessage, kQuestion, kPrompt, kFile };
  Kind kind;
  std::string text;    // message or question; a prompt's caption
  std::string prompt;  // a prompt's prompt lines
  std::string answer;  // what the program received ("" for a message)
};

const char* UiLogKindName(UiLogEntry::Kind kind);

class ScriptedUi : public Ui {
 public:
  ScriptedUi() = default;
  explicit ScriptedUi(std::vector<std::string> answers);

  void QueueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }

  // Questions take "yes", "no" or "cancel" (any case), Yes when none is left.
  // Prompts take the next answer as typed, their default when none is left.
  // File dialogs take the next answer as a path, cancel when none is left, it is empty or it
  // is "cancel".
  void ShowMessage(const std::string& text) override;
  DialogResult AskYesNoCancel(const std::string& text) override;
  std::string AskText(const std::string& caption, const std::string& prompt,
                      const std::string& defaultText) override;
  std::optional<std::filesystem::path> PickOpenFile(
      const std::string& filter, const std::filesystem::path& initialDir) override;
  std::optional<std::filesystem::path> PickSaveFile(
      const std::string& filter, const std::filesystem::path& initialDir) override;
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardText(const std::string& text) override { clipboard_ = text; }
  void SetBusy(bool busy) override { busy_ = busy; }

  const std::vector<UiLogEntry>& Log() const { return log_; }
  // Texts of the messages shown, in order.
  std::vector<std::string> Messages() const;
  void ClearLog() { log_.clear(); }
  bool Busy() const { return busy_; }

 private:
  std::optional<std::string> NextAnswer();
  std::optional<std::filesystem::path> PickFile(const std::string& filter);

  std::deque<std::string> answers_;
  std::vector<UiLogEntry> log_;
  std::string clipboard_;
  bool busy_ = false;
};

}  // namespace zarnix

// Scripted headless Ui: queued answers in, a log of every dialog out.
#include "base/scripted_ui.h"

#include "base/convert.h"
#include "base/textfile.h"

namespace zarnix {

const char* UiLogKindName(UiLogEntry::Kind kind) {
  switch (kind) {
    case UiLogEntry::Kind::kMessage:
      return "message";
    case UiLogEntry::Kind::kQuestion:
      return "question";
    case UiLogEntry::Kind::kPrompt:
      return "prompt";
    case UiLogEntry::Kind::kFile:
      return "file";
  }
  return "";
}

ScriptedUi::ScriptedUi(std::vector<std::string> answers)
    : answers_(answers.begin(), answers.end()) {}

std::optional<std::string> ScriptedUi::NextAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

void ScriptedUi::ShowMessage(const std::string& text) {
  log_.push_back({UiLogEntry::Kind::kMessage, text, "", ""});
}

DialogResult ScriptedUi::AskYesNoCancel(const std::string& text) {
  const std::string answer = LowerCase(NextAnswer().value_or("yes"));
  DialogResult result = DialogResult::kYes;
  if (answer == "no") result = DialogResult::kNo;
  if (answer == "cancel") result = DialogResult::kCancel;
  static const char* const kNames[] = {"yes", "no", "cancel"};
  log_.push_back({UiLogEntry::Kind::kQuestion, text, "", kNames[static_cast<int>(result)]});
  return result;
}

std::string ScriptedUi::AskText(const std::string& caption, const std::string& prompt,
                                const std::string& defaultText) {
  std::string answer = NextAnswer().value_or(defaultText);
  log_.push_back({UiLogEntry::Kind::kPrompt, caption, prompt, answer});
  return answer;
}

std::optional<std::filesystem::path> ScriptedUi::PickFile(const std::string& filter) {
  const std::string answer = NextAnswer().value_or("");
  log_.push_back({UiLogEntry::Kind::kFile, filter, "", answer});
  if (answer.empty() || LowerCase(answer) == "cancel") return std::nullopt;
  return PathFromGbk(answer);
}

std::optional<std::filesystem::path> ScriptedUi::PickOpenFile(const std::string& filter,
                                                              const std::filesystem::path&) {
  return PickFile(filter);
}

std::optional<std::filesystem::path> ScriptedUi::PickSaveFile(const std::string& filter,
                                                              const std::filesystem::path&) {
  return PickFile(filter);
}

std::vector<std::string> ScriptedUi::Messages() const {
  std::vector<std::string> texts;
  for (const UiLogEntry& entry : log_)
    if (entry.kind == UiLogEntry::Kind::kMessage) texts.push_back(entry.text);
  return texts;
}

}  // namespace zarnix

// Answer pane text with its limit and selection.
#include "sheet/answer_pane.h"

#include <algorithm>

#include "base/gbk.h"
#include "base/textfile.h"

namespace zarnix {

void AnswerPane::Clear() {
  lines_.clear();
  chars_ = 0;
  selStart_ = selLength_ = 0;
}

void AnswerPane::Add(std::string_view line) {
  if (line.find_first_of("\r\n") == std::string_view::npos) {
    AddOne(line);
    return;
  }
  std::vector<std::string> parts = SplitLines(line);
  if (parts.empty() || line.back() == '\n' || line.back() == '\r') parts.emplace_back();
  for (const std::string& part : parts) AddOne(part);
}

void AnswerPane::AddOne(std::string_view line) {
  const std::size_t breakChars = lines_.empty() ? 0 : 2;
  if (chars_ + breakChars > maxChars_) return;
  std::size_t room = maxChars_ - chars_ - breakChars;
  // Take whole characters while there is room.
  std::size_t bytes = 0, taken = 0;
  while (bytes < line.size() && taken < room) {
    bytes += CharLengthAt(line, bytes);
    ++taken;
  }
  lines_.emplace_back(line.substr(0, bytes));
  chars_ += breakChars + taken;
}

std::string AnswerPane::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void AnswerPane::SetText(std::string_view text) {
  Clear();
  if (!text.empty()) Add(text);
}

void AnswerPane::SelectAll() {
  selStart_ = 0;
  selLength_ = Text().size();
}

void AnswerPane::SetSelection(std::size_t start, std::size_t length) {
  const std::size_t size = Text().size();
  selStart_ = std::min(start, size);
  selLength_ = std::min(length, size - selStart_);
}

std::string AnswerPane::SelectedText() const {
  const std::string text = Text();
  if (selStart_ >= text.size()) return "";
  return text.substr(selStart_, selLength_);
}

std::string AnswerPane::CutSelection() {
  std::string text = Text();
  if (selStart_ >= text.size() || selLength_ == 0) return "";
  std::string cut = text.substr(selStart_, selLength_);
  text.erase(selStart_, selLength_);
  const std::size_t start = selStart_;
  SetText(text);
  selStart_ = start;
  return cut;
}

}  // namespace zarnix

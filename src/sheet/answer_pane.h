// The answer pane: plain text appended line by line, with a character limit and the
// selection that its popup menu (select all, cut, copy) works on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zarnix {

class AnswerPane {
 public:
  // Characters the pane holds at most; a line break counts as two (CR LF).
  static constexpr std::size_t kDefaultMaxChars = 8'000'000;

  void Clear();
  // Appends one line; line breaks inside it (CR LF, LF or CR) start further lines.
  // Text beyond the limit is cut off, as the pane accepts no more.
  void Add(std::string_view line);
  bool Empty() const { return lines_.empty(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  // The lines joined with CR LF.
  std::string Text() const;
  // Replaces everything (cut, paste, or a file loaded into the pane).
  void SetText(std::string_view text);
  std::size_t CharCount() const { return chars_; }

  std::size_t MaxChars() const { return maxChars_; }
  void SetMaxChars(std::size_t chars) { maxChars_ = chars; }

  // Selection as byte offsets into Text().
  void SelectAll();
  void SetSelection(std::size_t start, std::size_t length);
  std::size_t SelStart() const { return selStart_; }
  std::size_t SelLength() const { return selLength_; }
  std::string SelectedText() const;
  // Removes the selected text and returns it.
  std::string CutSelection();

 private:
  void AddOne(std::string_view line);

  std::vector<std::string> lines_;
  std::size_t chars_ = 0;
  std::size_t maxChars_ = kDefaultMaxChars;
  std::size_t selStart_ = 0;
  std::size_t selLength_ = 0;
};

}  // namespace zarnix

// The one-line input prompt as a Qt dialog, laid out by AskTextGeometry from the average
// character width of the system's default font and the prompt's line count.
#pragma once

#include <QDialog>
#include <string>

#include "sheet/ask_text.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zarnix {

class AskTextDialog : public QDialog {
 public:
  // Texts are GBK, as the model passes them.
  AskTextDialog(const std::string& caption, const std::string& prompt,
                const std::string& defaultText, QWidget* parent = nullptr);

  // The edited text when the user confirmed, otherwise the default (GBK).
  std::string Result() const;

  // The pixel width of "A".."Z" "a".."z" in the application's default font, divided by 34.
  static int SystemAverageCharWidth();

  const AskTextLayout& Geometry() const { return geometry_; }
  QLabel* PromptLabel() const { return label_; }
  QLineEdit* Edit() const { return edit_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  std::string defaultText_;
  AskTextLayout geometry_;
  QLabel* label_;
  QLineEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zarnix

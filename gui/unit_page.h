// The unit-conversion page: quantity and unit lists, the value lists, the base value with
// Enter, and the text pane Memo2 with its open, save and wide/narrow buttons. It forwards
// every user action to the window model and draws the model's state.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace zarnix {

class TForm1;

class UnitPage : public QWidget {
 public:
  // Runs a user action on the model (edits pushed first, everything drawn after).
  using Dispatch = std::function<void(const std::function<void()>&)>;

  UnitPage(TForm1& form, Dispatch dispatch, QWidget* parent = nullptr);

  // Takes what the user typed into the base value and the text pane into the model.
  void PushEditsToModel();
  void Render();
  // The decimal selector and its label while they stand on this page.
  void PlaceDecimals(QLabel* label, QSpinBox* spin) const;

  // The widgets, for tests.
  QListWidget* ListBox(int number) const { return lists_[number - 1]; }
  QLineEdit* Edit5() const { return edit5_; }
  QLabel* Label9() const { return label9_; }
  QLabel* Label10() const { return label10_; }
  QPlainTextEdit* Memo2() const { return memo2_; }
  // BitBtn7 .. BitBtn9 by number.
  QPushButton* Button(int number) const { return buttons_[number - 7]; }

 private:
  void Build();
  void Connect();
  void RenderList(int number);
  void RenderGeometry();
  void SyncValueScroll(int value);

  TForm1& form_;
  Dispatch dispatch_;
  std::array<QListWidget*, 4> lists_{};
  std::array<QLabel*, 3> captions_{};
  QLabel* label9_ = nullptr;
  QLabel* label10_ = nullptr;
  QLineEdit* edit5_ = nullptr;
  QPlainTextEdit* memo2_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};
  bool rendering_ = false;
  bool memoEdited_ = false;
  std::string renderedMemoText_;  // GBK, what the pane widget shows
};

}  // namespace zarnix

// Answers the modal dialogs a command opens while a test waits for it: message boxes are
// recorded and confirmed, other dialogs are handed to the test's own action.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace zarnix {

class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> onDialog = {})
      : onDialog_(std::move(onDialog)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }

  // Texts of the message boxes answered so far (UTF-8).
  const std::vector<std::string>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A dialog is answered once; a later one may reuse the same address.
    if (!modal || modal->property("zarnixAnswered").toBool()) return;
    modal->setProperty("zarnixAnswered", true);
    if (auto* box = dynamic_cast<QMessageBox*>(modal)) {
      messages_.push_back(box->text().toStdString());
      QAbstractButton* button = box->defaultButton();
      if (!button) button = box->escapeButton();
      if (!button && !box->buttons().isEmpty()) button = box->buttons().first();
      QTimer::singleShot(0, button, [button] { button->click(); });
    } else if (onDialog_) {
      onDialog_(modal);
    }
  }

  std::function<void(QWidget*)> onDialog_;
  std::vector<std::string> messages_;
  QTimer timer_;
};

}  // namespace zarnix

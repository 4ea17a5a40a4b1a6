// Qt dialogs, clipboard and cursor behind the Ui port. Texts cross the border as GBK.
#include "qt_ui.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ask_text_dialog.h"
#include "qt_text.h"

namespace zarnix {

void QtUi::BeforeModal() const {
  if (beforeModal_) beforeModal_();
}

void QtUi::ShowMessage(const std::string& text) {
  BeforeModal();
  QMessageBox box(QMessageBox::NoIcon, window_ ? window_->windowTitle() : QString(), ToQt(text),
                  QMessageBox::Ok, window_);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

DialogResult QtUi::AskYesNoCancel(const std::string& text) {
  BeforeModal();
  QMessageBox box(QMessageBox::Question, window_ ? window_->windowTitle() : QString(), ToQt(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return DialogResult::kYes;
    case QMessageBox::No:
      return DialogResult::kNo;
    default:
      return DialogResult::kCancel;
  }
}

std::string QtUi::AskText(const std::string& caption, const std::string& prompt,
                          const std::string& defaultText) {
  BeforeModal();
  AskTextDialog dialog(caption, prompt, defaultText, window_);
  dialog.exec();
  return dialog.Result();
}

std::optional<std::filesystem::path> QtUi::PickOpenFile(const std::string& filter,
                                                        const std::filesystem::path& initialDir) {
  BeforeModal();
  const QString chosen =
      QFileDialog::getOpenFileName(window_, QString(), QtPath(initialDir), QtFileFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::optional<std::filesystem::path> QtUi::PickSaveFile(const std::string& filter,
                                                        const std::filesystem::path& initialDir) {
  BeforeModal();
  // The model asks itself before it replaces a file.
  const QString chosen =
      QFileDialog::getSaveFileName(window_, QString(), QtPath(initialDir), QtFileFilter(filter),
                                   nullptr, QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return PathFromQt(chosen);
}

std::string QtUi::ClipboardText() {
  return FromQt(QApplication::clipboard()->text());
}

void QtUi::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(ToQt(text));
}

void QtUi::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtUi::ProcessEvents() {
  BeforeModal();
  // Repaint only: a click now would start a second command inside the running one.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zarnix

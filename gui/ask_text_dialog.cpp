// AskText's dialog: caption, prompt lines, the edit with the default selected, and the
// confirm (default, Enter) and cancel (Esc) buttons at the shared geometry.
#include "ask_text_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "model_texts.h"
#include "qt_text.h"

namespace zarnix {

namespace {

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.width, r.height};
}

// The prompt's CR LF pairs (and lone CRs, which count as lines too) as line breaks.
QString PromptText(const std::string& prompt) {
  QString text = ToQt(prompt);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

int AskTextDialog::SystemAverageCharWidth() {
  const QFontMetrics metrics(QApplication::font());
  return AverageCharWidth(metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")));
}

AskTextDialog::AskTextDialog(const std::string& caption, const std::string& prompt,
                             const std::string& defaultText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      defaultText_(defaultText),
      geometry_(AskTextGeometry(SystemAverageCharWidth(), ExtraPromptLines(prompt))) {
  setWindowTitle(ToQt(caption));
  const AskTextTexts texts = AskTextTextsUtf8();
  QFont font;
  font.setFamilies({QString::fromStdString(texts.fontName), QStringLiteral("SimSun"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(-texts.fontSize);
  setFont(font);
  setFixedSize(geometry_.clientWidth, geometry_.clientHeight);

  label_ = new QLabel(PromptText(prompt), this);
  label_->move(geometry_.labelLeft, geometry_.labelTop);
  label_->adjustSize();

  edit_ = new QLineEdit(ToQt(defaultText), this);
  edit_->setMaxLength(geometry_.maxLength);
  edit_->setGeometry(geometry_.edit.left, geometry_.edit.top, geometry_.edit.width,
                     edit_->sizeHint().height());
  edit_->selectAll();
  edit_->setFocus();

  ok_ = new QPushButton(QString::fromStdString(texts.okCaption), this);
  ok_->setGeometry(ToQRect(geometry_.okButton));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  cancel_ = new QPushButton(QString::fromStdString(texts.cancelCaption), this);
  cancel_->setGeometry(ToQRect(geometry_.cancelButton));
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  // Centred on the screen rather than over the window.
  if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

std::string AskTextDialog::Result() const {
  return result() == QDialog::Accepted ? FromQt(edit_->text()) : defaultText_;
}

}  // namespace zarnix

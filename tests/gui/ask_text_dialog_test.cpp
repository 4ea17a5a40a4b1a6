// The AskText dialog: its geometry is the shared layout function's, its texts and buttons
// are the model's, and through the Qt Ui it returns the edited text or the default.
#include "ask_text_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "base/gbk.h"
#include "modal_watcher.h"
#include "qt_ui.h"

namespace zarnix {
namespace {

QRect ToQRect(const Rect& r) {
  return {r.left, r.top, r.width, r.height};
}

const std::string kCaption = Utf8ToGbk("请输入计算内容：");
const std::string kPrompt = Utf8ToGbk("0-数独    1-幻方    2-八皇后问题");

TEST(AskTextDialog, LaidOutByTheSharedGeometry) {
  const std::string twoLines = kPrompt + "\r\n" + Utf8ToGbk("第二行");
  AskTextDialog dialog(kCaption, twoLines, "0");
  const AskTextLayout expected = AskTextGeometry(AskTextDialog::SystemAverageCharWidth(), 1);
  EXPECT_EQ(dialog.size(), QSize(expected.clientWidth, expected.clientHeight));
  EXPECT_EQ(dialog.PromptLabel()->pos(), QPoint(expected.labelLeft, expected.labelTop));
  EXPECT_EQ(dialog.PromptLabel()->text(),
            QString::fromUtf8("0-数独    1-幻方    2-八皇后问题\n第二行"));
  const QRect edit = dialog.Edit()->geometry();
  EXPECT_EQ(edit.topLeft(), QPoint(expected.edit.left, expected.edit.top));
  EXPECT_EQ(edit.width(), expected.edit.width);
  EXPECT_EQ(dialog.OkButton()->geometry(), ToQRect(expected.okButton));
  EXPECT_EQ(dialog.CancelButton()->geometry(), ToQRect(expected.cancelButton));
  // Everything lies inside the client area.
  for (const QWidget* part :
       {static_cast<const QWidget*>(dialog.Edit()), static_cast<const QWidget*>(dialog.OkButton()),
        static_cast<const QWidget*>(dialog.CancelButton())})
    EXPECT_TRUE(dialog.rect().contains(part->geometry())) << part->metaObject()->className();

  AskTextDialog oneLine(kCaption, kPrompt, "0");
  EXPECT_EQ(dialog.height() - oneLine.height(), 20);
  EXPECT_EQ(dialog.OkButton()->y() - oneLine.OkButton()->y(), 20);
}

TEST(AskTextDialog, CaptionButtonsFontAndSelectedDefault) {
  AskTextDialog dialog(kCaption, kPrompt, Utf8ToGbk("默认"));
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("请输入计算内容："));
  EXPECT_EQ(dialog.OkButton()->text(), QString::fromUtf8(" 确定 (&Y)"));
  EXPECT_EQ(dialog.CancelButton()->text(), QString::fromUtf8(" 取消 (&C)"));
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  EXPECT_EQ(dialog.font().families().value(0), QString::fromUtf8("宋体"));
  EXPECT_EQ(dialog.font().pixelSize(), 12);
  EXPECT_EQ(dialog.Edit()->text(), QString::fromUtf8("默认"));
  EXPECT_EQ(dialog.Edit()->selectedText(), QString::fromUtf8("默认"));
  EXPECT_EQ(dialog.Edit()->maxLength(), 255);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint);
}

// Asks through the Qt Ui while `answer` plays the user at the dialog.
std::string AskWith(const std::function<void(AskTextDialog&)>& answer) {
  QWidget window;
  QtUi ui(&window);
  ModalWatcher watcher([&](QWidget* modal) {
    if (auto* dialog = dynamic_cast<AskTextDialog*>(modal))
      QTimer::singleShot(0, dialog, [dialog, &answer] { answer(*dialog); });
  });
  return ui.AskText(kCaption, kPrompt, Utf8ToGbk("默认"));
}

TEST(AskTextDialog, EnterConfirmsTheEditedTextAndEscapeKeepsTheDefault) {
  EXPECT_EQ(AskWith([](AskTextDialog& d) {
              d.Edit()->insert(QString::fromUtf8("二"));  // replaces the selected default
              QTest::keyClick(d.Edit(), Qt::Key_Return);
            }),
            Utf8ToGbk("二"));
  EXPECT_EQ(AskWith([](AskTextDialog& d) {
              QTest::keyClicks(d.Edit(), QStringLiteral("5"));
              QTest::keyClick(d.Edit(), Qt::Key_Escape);
            }),
            Utf8ToGbk("默认"));
  EXPECT_EQ(AskWith([](AskTextDialog& d) {
              d.Edit()->setText(QStringLiteral("7"));
              d.CancelButton()->click();
            }),
            Utf8ToGbk("默认"));
  EXPECT_EQ(AskWith([](AskTextDialog& d) { d.OkButton()->click(); }), Utf8ToGbk("默认"));
}

TEST(QtUiPort, QuestionsAndMessagesAreModal) {
  QWidget window;
  QtUi ui(&window);
  ModalWatcher watcher;
  ui.ShowMessage(Utf8ToGbk("线性规划问题不可行"));
  EXPECT_EQ(watcher.Messages(), std::vector<std::string>{"线性规划问题不可行"});
  // The default button of a question is Yes.
  EXPECT_EQ(ui.AskYesNoCancel(Utf8ToGbk("继续吗？")), DialogResult::kYes);
  EXPECT_EQ(watcher.Messages().size(), 2u);

  ui.SetClipboardText(Utf8ToGbk("剪贴\r\n板"));
  EXPECT_EQ(ui.ClipboardText(), Utf8ToGbk("剪贴\r\n板"));
  ui.SetBusy(true);
  ui.SetBusy(true);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ui.SetBusy(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zarnix

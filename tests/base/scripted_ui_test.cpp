// The scripted Ui: queued answers, defaults when none are left, and the log.
#include "base/scripted_ui.h"

#include <gtest/gtest.h>

namespace zarnix {
namespace {

TEST(ScriptedUi, AnswersInOrderThenDefaults) {
  ScriptedUi ui({"2", "no", "7,3"});
  EXPECT_EQ(ui.AskText("请选择", "1-插入一行  2-添加行、列", "1"), "2");
  EXPECT_EQ(ui.AskYesNoCancel("文件已修改，保存吗？"), DialogResult::kNo);
  EXPECT_EQ(ui.AskText("请输入要增加的行数和列数", "", "0,1"), "7,3");
  EXPECT_EQ(ui.AskText("again", "", "def"), "def");
  EXPECT_EQ(ui.AskYesNoCancel("q"), DialogResult::kYes);
  EXPECT_FALSE(ui.PickOpenFile("*.thf", {}).has_value());
  ui.QueueAnswer("a.txt");
  ui.QueueAnswer("Cancel");
  EXPECT_EQ(ui.PickSaveFile("*.txt", {}), std::filesystem::path("a.txt"));
  EXPECT_FALSE(ui.PickSaveFile("*.txt", {}).has_value());
}

TEST(ScriptedUi, LogsEveryDialog) {
  ScriptedUi ui({"CANCEL"});
  ui.ShowMessage("线性规划问题不可行");
  EXPECT_EQ(ui.AskYesNoCancel("save?"), DialogResult::kCancel);
  ui.AskText("cap", "line1\r\nline2", "x");
  ASSERT_EQ(ui.Log().size(), 3u);
  EXPECT_EQ(ui.Log()[0].kind, UiLogEntry::Kind::kMessage);
  EXPECT_EQ(ui.Log()[1].answer, "cancel");
  EXPECT_EQ(ui.Log()[2].prompt, "line1\r\nline2");
  EXPECT_EQ(ui.Log()[2].answer, "x");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"线性规划问题不可行"});
  EXPECT_STREQ(UiLogKindName(ui.Log()[2].kind), "prompt");
}

TEST(ScriptedUi, ClipboardAndBusyState) {
  ScriptedUi ui;
  ui.SetClipboardText("abc");
  EXPECT_EQ(ui.ClipboardText(), "abc");
  ui.SetBusy(true);
  EXPECT_TRUE(ui.Busy());
  ui.SetBusy(false);
  EXPECT_FALSE(ui.Busy());
}

}  // namespace
}  // namespace zarnix

// The prompt dialog's geometry and AskText through the Ui port.
#include "sheet/ask_text.h"

#include <gtest/gtest.h>

#include "base/scripted_ui.h"

namespace zarnix {
namespace {

TEST(AskText, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(14, 18, 8), 32);  // 31.5
  EXPECT_EQ(MulDiv(63, 18, 8), 142);
  EXPECT_EQ(MulDiv(-14, 18, 8), -32);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(AskText, GeometryFollowsCharacterWidthAndPromptLines) {
  const int cx = AverageCharWidth(238);  // 7 pixels
  EXPECT_EQ(cx, 7);
  const AskTextLayout one = AskTextGeometry(cx, ExtraPromptLines("0-数独    1-幻方"));
  EXPECT_EQ(one.clientWidth, 375);
  EXPECT_EQ(one.clientHeight, 132);
  EXPECT_EQ(one.labelLeft, 14);
  EXPECT_EQ(one.labelTop, 18);
  EXPECT_EQ(one.edit.top, 43);
  EXPECT_EQ(one.edit.width, 347);
  EXPECT_EQ(one.okButton.left, 87);
  EXPECT_EQ(one.cancelButton.left, 191);
  EXPECT_EQ(one.okButton.top, 82);
  EXPECT_EQ(one.okButton.width, 88);
  EXPECT_EQ(one.okButton.height, 32);
  EXPECT_EQ(one.maxLength, 255);

  const AskTextLayout two = AskTextGeometry(cx, ExtraPromptLines("line 1\r\nline 2"));
  EXPECT_EQ(two.clientHeight - one.clientHeight, 20);
  EXPECT_EQ(two.edit.top - one.edit.top, 20);
  EXPECT_EQ(two.okButton.top - one.okButton.top, 20);
}

TEST(AskText, ReturnsTheAnswerOrTheDefault) {
  ScriptedUi ui({"2"});
  EXPECT_EQ(AskText(ui, "请输入计算内容：", "0-数独    1-幻方    2-八皇后问题", "0"), "2");
  EXPECT_EQ(AskText(ui, "请输入计算内容：", "", "0"), "0");
  ASSERT_EQ(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[0].text, "请输入计算内容：");
}

}  // namespace
}  // namespace zarnix

// Answer pane lines, its character limit and the popup menu's selection.
#include "sheet/answer_pane.h"

#include <gtest/gtest.h>

namespace zarnix {
namespace {

TEST(AnswerPane, LinesAndEmbeddedBreaks) {
  AnswerPane pane;
  EXPECT_TRUE(pane.Empty());
  pane.Add("数组统计值：");
  pane.Add("");
  pane.Add("a\r\nb\nc");
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"数组统计值：", "", "a", "b", "c"}));
  EXPECT_EQ(pane.Text(), "数组统计值：\r\n\r\na\r\nb\r\nc");
  pane.Clear();
  EXPECT_TRUE(pane.Empty());
  EXPECT_EQ(pane.CharCount(), 0u);
}

TEST(AnswerPane, StopsAcceptingTextAtTheLimit) {
  AnswerPane pane;
  pane.SetMaxChars(10);
  pane.Add("数组统计");  // 4 characters
  pane.Add("abcdef");    // 2 for the break, 4 fit
  pane.Add("more");
  EXPECT_EQ(pane.Lines(), (std::vector<std::string>{"数组统计", "abcd"}));
  EXPECT_EQ(pane.CharCount(), 10u);
}

TEST(AnswerPane, LimitNeverSplitsATwoByteCharacter) {
  AnswerPane pane;
  pane.SetMaxChars(3);
  pane.Add("a数组统计");
  EXPECT_EQ(pane.Lines()[0], "a数组");
}

TEST(AnswerPane, SelectAllCopyAndCut) {
  AnswerPane pane;
  pane.Add("line1");
  pane.Add("line2");
  pane.SelectAll();
  EXPECT_EQ(pane.SelectedText(), "line1\r\nline2");
  pane.SetSelection(0, 7);
  EXPECT_EQ(pane.CutSelection(), "line1\r\n");
  EXPECT_EQ(pane.Lines(), std::vector<std::string>{"line2"});
  pane.SetSelection(100, 5);
  EXPECT_EQ(pane.SelectedText(), "");
  EXPECT_EQ(pane.CutSelection(), "");
}

}  // namespace
}  // namespace zarnix

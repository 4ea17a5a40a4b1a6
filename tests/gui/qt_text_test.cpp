// Text at the window's border: GBK round trips, the answer pane's offsets between the
// widget's "\n" text and the pane's CR LF bytes, and file-dialog filters.
#include "qt_text.h"

#include <gtest/gtest.h>

#include "base/gbk.h"
#include "sheet/answer_pane.h"

namespace zarnix {
namespace {

TEST(QtText, GbkRoundTrip) {
  const std::string gbk = Utf8ToGbk("计算时间:0.016秒");
  EXPECT_EQ(ToQt(gbk), QString::fromUtf8("计算时间:0.016秒"));
  EXPECT_EQ(FromQt(ToQt(gbk)), gbk);
  EXPECT_EQ(ToQt(""), QString());
}

TEST(QtText, PaneOffsetsMapBetweenWidgetAndPane) {
  AnswerPane pane;
  pane.Add(Utf8ToGbk("第一行"));
  pane.Add("ab");
  const QString widget = PaneText(pane);
  EXPECT_EQ(widget, QString::fromUtf8("第一行\nab"));
  EXPECT_EQ(PaneTextFromQt(widget), pane.Text());
  // Each Chinese character is two bytes, the line break two (CR LF).
  EXPECT_EQ(PaneOffsetFromQt(widget, 1), 2u);
  EXPECT_EQ(PaneOffsetFromQt(widget, 4), 8u);
  EXPECT_EQ(PaneOffsetFromQt(widget, 99), pane.Text().size());
  EXPECT_EQ(PaneOffsetFromQt(widget, -1), 0u);
  for (int position = 0; position <= widget.size(); ++position)
    EXPECT_EQ(QtPositionFromPane(pane.Text(), PaneOffsetFromQt(widget, position)), position);
}

TEST(QtText, FiltersBecomeQtFilters) {
  EXPECT_EQ(QtFileFilter("*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf"),
            QStringLiteral("*.dhf;*.thf;*.dbf;*.sdf (*.dhf *.thf *.dbf *.sdf)"));
  EXPECT_EQ(QtFileFilter(Utf8ToGbk("图象|*.bmp;*.jpg|全部|*.*")),
            QString::fromUtf8("图象 (*.bmp *.jpg);;全部 (*.*)"));
  EXPECT_EQ(QtFileFilter("*.txt"), QStringLiteral("*.txt (*.txt)"));
}

}  // namespace
}  // namespace zarnix

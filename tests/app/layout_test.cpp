// Category table lookups, per-category grid settings and the layout rules.
#include "app/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/category_table.h"

namespace zarnix {
namespace {

TEST(CategoryTable, RadioItemsAreThe21NamesInAnotherOrder) {
  std::set<std::string> table, radio;
  for (const auto& entry : kCategoryTable) table.insert(entry.name);
  for (const char* item : kRadioItems) radio.insert(item);
  EXPECT_EQ(table.size(), 21u);
  EXPECT_EQ(table, radio);
  EXPECT_STREQ(kRadioItems[0], "通用计算");
  EXPECT_EQ(FindCategory("通用计算"), 18);
  EXPECT_EQ(FindCategory("数组统计"), 2);
  EXPECT_EQ(FindCategory("高等数学"), 20);
  EXPECT_EQ(FindCategory("数组"), -1);
}

TEST(CategoryTable, GridSettingsByIndex) {
  using Then = GridSettings::Then;
  for (int i : {2, 4, 9, 13}) {
    EXPECT_TRUE(GridSettingsOf(i).threeQuarterWidth);
    EXPECT_EQ(GridSettingsOf(i).fixedRows, 1);
    EXPECT_EQ(GridSettingsOf(i).fixedCols, 0);
    EXPECT_EQ(GridSettingsOf(i).then, Then::kLoadData);
  }
  for (int i : {3, 11}) EXPECT_FALSE(GridSettingsOf(i).threeQuarterWidth);
  EXPECT_EQ(GridSettingsOf(12).fixedRows, -1);
  EXPECT_EQ(GridSettingsOf(12).then, Then::kLoadData);
  for (int i : {7, 10, 16}) EXPECT_EQ(GridSettingsOf(i).then, Then::kCurrentRow3);
  for (int i : {6, 14, 15, 17, 18, 19, 20}) {
    EXPECT_TRUE(GridSettingsOf(i).threeQuarterWidth);
    EXPECT_EQ(GridSettingsOf(i).then, Then::kNothing);
  }
  for (int i : {0, 1, 5, 8}) EXPECT_FALSE(GridSettingsOf(i).threeQuarterWidth);
  EXPECT_EQ(GridSettingsOf(-1).then, Then::kNothing);
}

TEST(Layout, FontSizeBands) {
  EXPECT_EQ(FontSizeForScreenWidth(320), 10);  // below the defined bands
  EXPECT_EQ(FontSizeForScreenWidth(400), 10);
  EXPECT_EQ(FontSizeForScreenWidth(1000), 10);
  EXPECT_EQ(FontSizeForScreenWidth(1001), 11);
  EXPECT_EQ(FontSizeForScreenWidth(1300), 11);
  EXPECT_EQ(FontSizeForScreenWidth(1301), 12);
  EXPECT_EQ(FontSizeForScreenWidth(1800), 12);
  EXPECT_EQ(FontSizeForScreenWidth(3840), 12);              // above them
  EXPECT_EQ(ScaleGridToFont(11, 64).defaultRowHeight, 18);  // 17.6
  EXPECT_EQ(ScaleGridToFont(11, 64).defaultColWidth, 88);
  EXPECT_EQ(ScaleGridToFont(11, 64).col0Width, 187);
}

TEST(Layout, PanelAndCommandLineRules) {
  const WindowLayout l = ComputeLayout({1024, 768}, 11);
  EXPECT_EQ(l.radioGroup.width, l.pageWidth - 25);
  EXPECT_EQ(l.panel.width, l.pageWidth - 25);
  EXPECT_EQ(l.panel.height, l.pageHeight - l.buttonHeight - l.radioGroup.height - 50);
  EXPECT_EQ(l.buttonTop, l.panel.top + l.panel.height + 10);
  EXPECT_EQ(l.helpButton.left + l.helpButton.width, l.panel.left + l.panel.width);
  EXPECT_LT(l.answerBoxButton.left, l.helpButton.left);
  EXPECT_LT(l.loadDataButton.left, l.answerBoxButton.left);

  const RunLine line = LayOutRunLine(l, 600, 11);
  EXPECT_EQ(line.runButton.left, l.panel.left + 300);
  EXPECT_LT(line.decimalsSpin.left + line.decimalsSpin.width, line.runButton.left);
  EXPECT_LT(line.decimalsLabel.left, line.decimalsSpin.left);
  EXPECT_GT(line.timingLabel.left, line.runButton.left + line.runButton.width);

  // With a worksheet as wide as the panel the label stops short of the load-data button.
  for (int width : {800, 1024, 1280, 1920}) {
    const int font = FontSizeForScreenWidth(width);
    const WindowLayout wide = ComputeLayout({width, 768}, font);
    const RunLine full = LayOutRunLine(wide, wide.panel.width, font);
    EXPECT_LE(full.timingLabel.left + full.timingLabel.width, wide.loadDataButton.left) << width;
    EXPECT_GE(full.timingLabel.width, 0);
  }
}

}  // namespace
}  // namespace zarnix

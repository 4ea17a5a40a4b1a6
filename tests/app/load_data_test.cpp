// Load data: cycling through a category's sets, the shared cursor, item-row reloads, the
// sudoku board, the table-file dialog, and lists without sets or without an end line.
#include "app/data_list.h"
#include "base/errors.h"
#include "form_fixture.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

class LoadDataTest : public FormTest {
 protected:
  TForm1& FormWithList(const std::vector<std::string>& list) {
    WriteTextLines(dataDir_ / PathFromGbk("zarnix数据.txt"), list);
    TForm1& form = MakeForm();
    for (int i = 0; i < kCategoryCount; ++i) form.SetHandler(i, [](Workbench&) {});
    form.FormShowWithoutSelection();
    return form;
  }
};

const std::vector<std::string> kTwoSets = {"数组统计", "h1,h2",    "1,2",   "***",  //
                                           "线性代数", "m",        "5",     "***",  //
                                           "数组统计", "g1,g2,g3", "7,8,9", "10,11,12",
                                           "***",      "///"};

TEST_F(LoadDataTest, CyclesThroughACategorysSets) {
  TForm1& form = FormWithList(kTwoSets);
  form.SelectCategory("数组统计");  // selection clicks load data: first set
  EXPECT_EQ(form.StringGrid1.Cell(0, 0), "h1");
  EXPECT_EQ(form.StringGrid1.RowCount(), 2);
  EXPECT_EQ(form.StringGrid1.ColCount(), 2);
  form.BitBtn2Click();
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "12");
  EXPECT_EQ(form.StringGrid1.RowCount(), 3);
  EXPECT_EQ(form.StringGrid1.ColCount(), 3);
  EXPECT_EQ(form.StringGrid1.Cell(1, 1), "8");
  form.BitBtn2Click();
  EXPECT_EQ(form.StringGrid1.Cell(0, 0), "h1");  // and round again
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "");    // the previous set was cleared
  EXPECT_TRUE(Messages().empty());
}

TEST_F(LoadDataTest, CursorIsSharedByAllCategories) {
  TForm1& form = FormWithList(kTwoSets);
  form.SelectCategory("数组统计");
  EXPECT_EQ(form.DataCursor, 3);
  form.SelectCategory("线性代数");  // found after the cursor
  EXPECT_EQ(form.StringGrid1.Cell(0, 1), "5");
  form.SelectCategory("数组统计");  // continues after the linear-algebra set
  EXPECT_EQ(form.StringGrid1.Cell(0, 0), "g1");
}

TEST_F(LoadDataTest, CategoryWithoutSetsIsReportedOnce) {
  TForm1& form = FormWithList(kTwoSets);
  form.SelectCategory("多元回归插值");
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoDataSetMessage});
  EXPECT_EQ(form.DataCursor, 0);
}

TEST_F(LoadDataTest, ListWithoutEndLineOrSetEnd) {
  TForm1& form = FormWithList({"数组统计", "a,b", "1,2"});
  form.SelectCategory("数组统计");
  EXPECT_EQ(form.StringGrid1.Cell(1, 1), "2");
  form.BitBtn2Click();  // wraps to the same set, no index error
  EXPECT_EQ(form.StringGrid1.Cell(1, 1), "2");
  EXPECT_TRUE(Messages().empty());
  TForm1& empty = FormWithList({});
  empty.SelectCategory("数组统计");
  EXPECT_EQ(Messages(), std::vector<std::string>{kNoDataSetMessage});
}

TEST_F(LoadDataTest, SetWithoutItsEndLineRunsIntoTheNextSet) {
  TForm1& form = FormWithList({"数组统计", "a", "1", "线性代数", "2", "***", "///"});
  form.SelectCategory("数组统计");
  EXPECT_EQ(form.StringGrid1.RowCount(), 4);
  EXPECT_EQ(form.StringGrid1.Cell(0, 2), "线性代数");
}

TEST_F(LoadDataTest, ItemRowWorksheetIsReloadedFromItsFile) {
  WriteTextLines(dataDir_ / PathFromGbk("zarnix整数运算.thf"), {"C4`C20", "编号`项目", "1`素数"});
  TForm1& form = FormWithList(kTwoSets);
  form.SelectCategory("整数运算");
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "素数");
  form.StringGrid1.SetCell(2, 2, "edited");
  form.BitBtn2Click();
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "素数");
  EXPECT_EQ(form.DataCursor, 0);  // the data list is not searched
}

TEST_F(LoadDataTest, SelectionLoadsTheCategoryFileOrKeepsTheGrid) {
  WriteTextLines(dataDir_ / PathFromGbk("zarnix通用计算.thf"),
                 {"C4`C20`C30", "编号`项目`结果", "1`加法`1+1"});
  TForm1& form = FormWithList(kTwoSets);
  form.SelectCategory("通用计算");
  EXPECT_EQ(form.StringGrid1.ColCount(), 4);
  EXPECT_EQ(form.StringGrid1.Cell(3, 2), "1+1");
  EXPECT_EQ(form.StringGrid1.FixedRows(), 2);
  form.SelectCategory("高等数学");  // no file: the grid stays
  EXPECT_EQ(form.StringGrid1.Cell(3, 2), "1+1");
}

TEST_F(LoadDataTest, SudokuBoardIsNineByNine) {
  std::vector<std::string> list = {"数独幻方八皇后"};
  for (int r = 0; r < 9; ++r) list.push_back("0,0,0,0,0,0,0,0," + std::to_string(r + 1));
  list.push_back("***");
  list.push_back("///");
  TForm1& form = FormWithList(list);
  form.StringGrid1.SetFixedRows(1);
  form.SelectCategory("数独幻方八皇后");
  form.BitBtn2Click();
  EXPECT_EQ(form.StringGrid1.ColCount(), 9);
  EXPECT_EQ(form.StringGrid1.RowCount(), 9);
  EXPECT_EQ(form.StringGrid1.FixedRows(), 0);
  EXPECT_EQ(form.StringGrid1.FixedCols(), 0);
  EXPECT_EQ(form.StringGrid1.DefaultColWidth(), 24);
  EXPECT_EQ(form.StringGrid1.Cell(8, 8), "9");
}

TEST_F(LoadDataTest, TableCalculationOpensAFileThroughTheDialog) {
  WriteTextLines(dataDir_ / "t.dhf", {"C4,N8.2", "名称,数量", "甲,1.5", "乙,2"});
  TForm1& form = FormWithList(kTwoSets);
  ui_.QueueAnswer(GbkFromPath(dataDir_ / "t.dhf"));
  form.SelectCategory("表格计算");
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "1.5");
  EXPECT_EQ(form.StringGrid1.Cell(0, 0), "");
  EXPECT_EQ(form.StringGrid1.DefaultColWidth(), 58);
  EXPECT_EQ(form.StringGrid1.ColWidth(0), 24);
  const auto dialog = std::find_if(ui_.Log().begin(), ui_.Log().end(), [](const UiLogEntry& e) {
    return e.kind == UiLogEntry::Kind::kFile;
  });
  ASSERT_NE(dialog, ui_.Log().end());
  EXPECT_EQ(dialog->text, "*.dhf;*.dbf;*.sdf|*.dhf;*.dbf;*.sdf");
  EXPECT_EQ(form.OpenDialogFilter, "*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf");

  form.BitBtn2Click();  // cancelled: nothing changes, the filter is restored
  EXPECT_EQ(form.StringGrid1.Cell(2, 2), "1.5");
  EXPECT_EQ(form.OpenDialogFilter, "*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf");

  ui_.QueueAnswer(GbkFromPath(dataDir_ / "missing.dhf"));
  form.BitBtn2Click();  // an unreadable file ends the command with its message
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(form.OpenDialogFilter, "*.dhf;*.thf;*.dbf;*.sdf|*.dhf;*.thf;*.dbf;*.sdf");
}

TEST(DataList, FindDataSet) {
  const std::vector<std::string> list = {"x",   "数组统计", "a",        "b",    "***", "数组统计",
                                         "***", "///",      "数组统计", "late", "***"};
  DataSetSearch found = FindDataSet(list, 0, "数组统计");
  EXPECT_EQ(found.kind, DataSetSearch::Kind::kFound);
  EXPECT_EQ(found.nameLine, 1);
  EXPECT_EQ(found.lastRow, 3);
  found = FindDataSet(list, 4, "数组统计");
  EXPECT_EQ(found.nameLine, 5);
  EXPECT_EQ(found.lastRow, 5);                                                       // an empty set
  EXPECT_EQ(FindDataSet(list, 6, "数组统计").kind, DataSetSearch::Kind::kNotFound);  // after ///
  EXPECT_EQ(FindDataSet(list, -3, "x").nameLine, 0);
  std::vector<std::string> longList(kDataListSearchLimit + 5, "filler");
  longList.back() = "数组统计";
  EXPECT_EQ(FindDataSet(longList, 0, "数组统计").kind, DataSetSearch::Kind::kNotFound);
}

}  // namespace
}  // namespace zarnix

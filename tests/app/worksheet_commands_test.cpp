// The calculation page's commands: save results, expand table, answer box on/off, help and
// the data list swapped with the unit table on a page change.
#include "base/convert.h"
#include "base/errors.h"
#include "form_fixture.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

class CommandsTest : public FormTest {
 protected:
  TForm1& ItemSheetForm() {
    WriteTextLines(dataDir_ / PathFromGbk("zarnix通用计算.thf"),
                   {"C4`C20`C30", "编号`项目`结果", "1`加法`1+1", "2`减法`5-3"});
    TForm1& form = MakeForm();
    for (int i = 0; i < kCategoryCount; ++i) form.SetHandler(i, [](Workbench&) {});
    form.FormShowWithoutSelection();
    form.SelectCategory("通用计算");
    return form;
  }

  std::vector<std::string> Lines(const std::filesystem::path& file) { return ReadTextLines(file); }
};

TEST_F(CommandsTest, SaveResultsWritesBothFilesUnderOneFreshNumber) {
  outDir_ = dataDir_ / "out";
  std::filesystem::create_directories(outDir_);
  TForm1& form = ItemSheetForm();
  form.memo1.Add("结果一");
  form.memo1.Add("结果二");
  form.Splitter1Moved(0);
  form.BitBtn4Click();
  ASSERT_EQ(form.WrittenFiles.size(), 2u);
  const std::filesystem::path text = form.WrittenFiles[0];
  const std::filesystem::path table = form.WrittenFiles[1];
  EXPECT_EQ(text.parent_path(), outDir_);
  const std::string stem = GbkFromPath(text.filename());
  ASSERT_TRUE(stem.ends_with("通用计算.txt"));
  const int number = StrToInt(stem.substr(0, 3));
  EXPECT_GE(number, 100);
  EXPECT_LE(number, 998);
  EXPECT_EQ(GbkFromPath(table.filename()), stem.substr(0, 3) + "通用计算.thf");
  EXPECT_EQ(Lines(text), (std::vector<std::string>{"结果一", "结果二"}));
  EXPECT_EQ(Lines(table)[2], "1`加法`1+1");  // the worksheet with its fixed column left out
  EXPECT_EQ(form.StringGrid1.Width(), form.Layout.pageWidth / 4 * 3);
  EXPECT_TRUE(ui_.Log().empty());  // nothing is shown

  // An empty answer pane: the worksheet alone, and never over the earlier files.
  form.memo1.Clear();
  form.BitBtn4Click();
  ASSERT_EQ(form.WrittenFiles.size(), 3u);
  EXPECT_NE(form.WrittenFiles[2], table);
  EXPECT_EQ(form.WrittenFiles[2].extension(), ".thf");
  EXPECT_EQ(Lines(text).size(), 2u);
}

TEST_F(CommandsTest, SaveResultsOfADataSetUsesSyntheticHeaders) {
  TForm1& form = MakeForm();
  form.StringGrid1.SetFixedCols(0);
  form.StringGrid1.SetColCount(2);
  form.StringGrid1.SetRowCount(2);
  form.StringGrid1.SetCell(0, 0, "x");
  form.StringGrid1.SetCell(1, 1, "7");
  form.BitBtn4Click();
  ASSERT_EQ(form.WrittenFiles.size(), 1u);
  EXPECT_EQ(Lines(form.WrittenFiles[0]),
            (std::vector<std::string>{"C10`C10", "a1`a2", "x`", "`7"}));
  EXPECT_TRUE(GbkFromPath(form.WrittenFiles[0].filename()).ends_with("执行计算.thf"));
}

TEST_F(CommandsTest, SaveResultsThatCannotWriteSaysSo) {
  outDir_ = dataDir_ / "missing" / "folder";
  TForm1& form = MakeForm();
  form.BitBtn4Click();
  EXPECT_EQ(ui_.Messages().size(), 1u);
  EXPECT_TRUE(form.WrittenFiles.empty());
}

TEST_F(CommandsTest, ExpandInsertsAnEmptyRowAtTheCurrentRow) {
  TForm1& form = MakeForm();
  Worksheet& g = form.StringGrid1;
  g.SetColCount(3);
  g.SetRowCount(10);
  for (int r = 0; r < 10; ++r) g.SetCell(1, r, "r" + std::to_string(r));
  g.SetRow(5);
  ui_.QueueAnswer("1");
  form.BitBtn5Click();
  EXPECT_EQ(g.RowCount(), 11);
  EXPECT_EQ(g.Cell(1, 5), "");
  EXPECT_EQ(g.Cell(1, 6), "r5");
  EXPECT_EQ(g.Cell(1, 10), "r9");
  EXPECT_EQ(g.Cell(1, 4), "r4");
  ASSERT_EQ(ui_.Log().size(), 1u);
  EXPECT_EQ(ui_.Log()[0].text, "请选择");
  EXPECT_EQ(ui_.Log()[0].prompt, "1-插入一行  2-添加行、列");
  // Cancelled, the question keeps its default: a row again.
  form.BitBtn5Click();
  EXPECT_EQ(g.RowCount(), 12);
}

TEST_F(CommandsTest, ExpandAddsRowsAndLabelledColumns) {
  TForm1& form = ItemSheetForm();
  Worksheet& g = form.StringGrid1;
  ASSERT_EQ(g.ColCount(), 4);
  ASSERT_EQ(g.RowCount(), 4);
  g.SetCell(5, 3, "hidden");  // written beyond the counts: not shown in a new column
  ui_.QueueAnswer("2");
  ui_.QueueAnswer("3,2");
  form.BitBtn5Click();
  EXPECT_EQ(g.ColCount(), 6);
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.Cell(4, 0), "C10");
  EXPECT_EQ(g.Cell(5, 1), "列5");
  EXPECT_EQ(g.Cell(5, 3), "");
  EXPECT_EQ(g.Cell(3, 2), "1+1");
  ASSERT_EQ(ui_.Log().size(), 2u);
  EXPECT_EQ(ui_.Log()[1].text, "请输入要增加的行数和列数");
  EXPECT_EQ(ui_.Log()[1].prompt, "");

  // On a data set the new columns carry no headings.
  g.SetFixedRows(1);
  ui_.QueueAnswer("2");
  ui_.QueueAnswer("0,1");
  form.BitBtn5Click();
  EXPECT_EQ(g.ColCount(), 7);
  EXPECT_EQ(g.Cell(6, 0), "");
}

TEST_F(CommandsTest, ExpandRefusesAnswersThatAreNoCounts) {
  TForm1& form = MakeForm();
  const auto tryAnswer = [&](const std::string& answer) {
    ui_.ClearLog();
    ui_.QueueAnswer("2");
    ui_.QueueAnswer(answer);
    form.BitBtn5Click();
    return ui_.Messages();
  };
  EXPECT_EQ(tryAnswer("x,1"), std::vector<std::string>{"'x' is not a valid integer value"});
  EXPECT_EQ(tryAnswer("3"), std::vector<std::string>{"'' is not a valid integer value"});
  EXPECT_EQ(tryAnswer("1, 2"), std::vector<std::string>{});  // blanks before a number are fine
  EXPECT_EQ(tryAnswer("-1,0").size(), 1u);
  EXPECT_EQ(tryAnswer("0,-2").size(), 1u);
  EXPECT_EQ(tryAnswer("0,99999999").size(), 1u);
  EXPECT_EQ(form.StringGrid1.ColCount(), 7);
  EXPECT_EQ(form.StringGrid1.RowCount(), 6);
}

TEST_F(CommandsTest, AnswerBoxAlternatesTheWorksheetWidth) {
  TForm1& form = MakeForm();
  const int w = form.Layout.pageWidth;
  form.StringGrid1.SetWidth(w / 4 * 3);
  form.BitBtn3Click();
  EXPECT_EQ(form.StringGrid1.Width(), w - 15);
  form.BitBtn3Click();
  EXPECT_EQ(form.StringGrid1.Width(), w / 4 * 3);
  form.Splitter1Moved(0);
  form.BitBtn3Click();
  EXPECT_EQ(form.StringGrid1.Width(), w - 15);
}

class PageSwapTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    WriteTextLines(dataDir_ / PathFromGbk("zarnix数据.txt"),
                   {"数组统计", "a,b", "1,2", "***", "数组统计", "c", "3", "***", "///"});
    WriteTextLines(dataDir_ / PathFromGbk("zarnix度量衡.thf"),
                   {"C20`C12`C30", "名称`符号`系数", "[长度]``", "米`m`1", "厘米`cm`100"});
    WriteTextLines(dataDir_ / PathFromGbk("zarnix常数.txt"), {"常数"});
    WriteTextLines(dataDir_ / PathFromGbk("zarnix帮助.txt"), {"帮助第一行", "帮助第二行"});
  }
};

TEST_F(PageSwapTest, TheUnitTableTakesTheDataListUntilTheCalculationPageReturns) {
  TForm1& form = MakeForm();
  form.SetHandler(2, [](Workbench&) {});
  form.FormShowWithoutSelection();
  form.SelectCategory("数组统计");
  EXPECT_EQ(form.DataCursor, 3);
  form.PageControl1Change(Page::kUnits);
  EXPECT_EQ(form.ListBox0.front(), "C20`C12`C30");
  EXPECT_EQ(form.DecimalsPage, Page::kUnits);
  form.PageControl1Change(Page::kCalc);
  EXPECT_EQ(form.ListBox0.front(), "数组统计");
  EXPECT_EQ(form.DecimalsPage, Page::kCalc);
  EXPECT_TRUE(form.OpenDialogFileName.empty());
  form.BitBtn2Click();  // the cursor kept its place: the second set
  EXPECT_EQ(form.StringGrid1.Cell(0, 0), "c");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PageSwapTest, HelpShowsTheHelpTextOverTheUnitLists) {
  TForm1& form = MakeForm();
  form.FormShowWithoutSelection();
  form.BitBtn6Click();
  EXPECT_EQ(form.ActivePage, Page::kUnits);
  EXPECT_EQ(form.Memo2.Lines(), (std::vector<std::string>{"帮助第一行", "帮助第二行"}));
  EXPECT_TRUE(form.Memo2Wide);
  EXPECT_FALSE(form.Memo2Modified);
  EXPECT_EQ(form.ListBox1.items, std::vector<std::string>{"长度"});
  EXPECT_EQ(form.DecimalsPage, Page::kUnits);
  EXPECT_TRUE(ui_.Messages().empty());

  std::filesystem::remove(dataDir_ / PathFromGbk("zarnix帮助.txt"));
  form.BitBtn6Click();
  EXPECT_EQ(ui_.Messages().size(), 1u);
}

TEST(ShippedHelp, DescribesEveryCategoryAndButton) {
  // The repository's data folder, two above this test's folder.
  const std::filesystem::path data =
      std::filesystem::path(ZARNIX_TEST_DATA_DIR).parent_path() / ".." / ".." / "data";
  const std::string help = ReadTextFile(data / PathFromGbk("zarnix帮助.txt"));
  for (const CategoryEntry& entry : kCategoryTable)
    EXPECT_NE(help.find(entry.name), std::string::npos) << entry.name;
  for (const char* caption : {"装入数据", "保存结果", "扩表", "答案框开/关", "帮助", "打开文件",
                              "保存文件", "文本框开/关", "小数位数", "双击此格看图像", "***"})
    EXPECT_NE(help.find(caption), std::string::npos) << caption;
  EXPECT_EQ(help.find("\n"), help.find("\r\n") + 1);
}

}  // namespace
}  // namespace zarnix

// The window model: creation, show, selection by name with its grid settings, the run
// command with busy state and timing label, failures in handlers, decimals and the splitter.
#include "app/tform1.h"

#include "base/errors.h"
#include "base/fpu.h"
#include "form_fixture.h"

namespace zarnix {
namespace {

TEST_F(FormTest, CreationBuildsFormatAndPrefix) {
  TForm1& form = MakeForm();
  EXPECT_EQ(form.ResultFormat, "%.3f");
  EXPECT_EQ(form.DataPrefix, GbkFromPath(dataDir_ / "zarnix"));
  EXPECT_EQ(form.Paths().PrefixedFile("数组统计.thf"),
            dataDir_ / PathFromGbk("zarnix数组统计.thf"));
  EXPECT_EQ(form.BitBtn1.caption, "执行计算");
  EXPECT_EQ(form.CategoryIndex, -1);
  EXPECT_EQ(form.PuzzleMode, 9);
  EXPECT_EQ(form.RadioGroup1.caption, "请选择：");
  EXPECT_EQ(form.RadioGroup1.columns, 7);
}

TEST_F(FormTest, ShowSelectsGeneralCalculationAndLoadsTheDataList) {
  WriteTextLines(dataDir_ / PathFromGbk("zarnix数据.txt"),
                 {"数组统计", "a,b", "1,2", "***", "///"});
  TForm1& form = MakeForm();
  int runs = 0;
  form.SetHandler(18, [&](Workbench& bench) {
    ++runs;
    bench.answer.Add("ok");
  });
  form.FormShow();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(form.CategoryIndex, 18);
  EXPECT_EQ(form.BitBtn1.caption, "通用计算");
  EXPECT_EQ(form.SelectedName(), "通用计算");
  EXPECT_EQ(form.memo1.Lines(), std::vector<std::string>{"ok"});
  EXPECT_EQ(form.ListBox0.size(), 5u);
  EXPECT_EQ(form.ActivePage, Page::kCalc);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormTest, MissingDataListIsReportedAndTheWindowCarriesOn) {
  std::filesystem::remove(dataDir_ / PathFromGbk("zarnix数据.txt"));
  TForm1& form = MakeForm();
  form.SetHandler(18, [](Workbench&) {});
  form.FormShow();
  EXPECT_TRUE(form.ListBox0.empty());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("zarnix数据.txt"), std::string::npos);
  EXPECT_EQ(form.CategoryIndex, 18);
}

TEST_F(FormTest, UnbuiltCategoryEndsItsRunWithAMessage) {
  TForm1& form = MakeForm();
  form.SetHandler(2, {});
  form.SelectCategory("数组统计");
  EXPECT_EQ(Messages(), (std::vector<std::string>{kNoDataSetMessage, kNotBuiltMessage}));
  EXPECT_TRUE(form.Label1.empty());
  EXPECT_FALSE(form.Busy);
}

TEST_F(FormTest, SelectionMapsByNameNotPosition) {
  TForm1& form = MakeForm();
  for (int i = 0; i < kCategoryCount; ++i) form.SetHandler(i, [](Workbench&) {});
  // Radio item 5 is 数组统计, which is category 2.
  form.RadioGroup1.itemIndex = 5;
  form.RadioGroup1Click();
  EXPECT_EQ(form.CategoryIndex, 2);
  form.SelectCategory("线性规划");
  EXPECT_EQ(form.CategoryIndex, 15);
  EXPECT_FALSE(form.SelectCategory("不存在"));
  EXPECT_EQ(form.CategoryIndex, 15);
  // An item whose text is not in the table keeps the index but still captions the button.
  form.RadioGroup1.items[0] = "改名";
  form.RadioGroup1.itemIndex = 0;
  form.RadioGroup1Click();
  EXPECT_EQ(form.CategoryIndex, 15);
  EXPECT_EQ(form.BitBtn1.caption, "改名");
}

TEST_F(FormTest, DecimalSelectorIsDisabledOnlyForIntegerArithmetic) {
  TForm1& form = MakeForm();
  for (int i = 0; i < kCategoryCount; ++i) form.SetHandler(i, [](Workbench&) {});
  form.SelectCategory("整数运算");
  EXPECT_FALSE(form.SpinEdit1.enabled);
  form.SelectCategory("通用计算");
  EXPECT_TRUE(form.SpinEdit1.enabled);
}

TEST_F(FormTest, GridSettingsFollowTheCategory) {
  TForm1& form = MakeForm();
  for (int i = 0; i < kCategoryCount; ++i) form.SetHandler(i, [](Workbench&) {});
  const int threeQuarters = form.Layout.pageWidth / 4 * 3;
  form.StringGrid1.SetRowCount(8);
  form.StringGrid1.SetFixedRows(2);
  form.SelectCategory("数组统计");
  EXPECT_EQ(form.StringGrid1.FixedRows(), 1);
  EXPECT_EQ(form.StringGrid1.FixedCols(), 0);
  EXPECT_EQ(form.StringGrid1.Width(), threeQuarters);

  form.SelectCategory("几何图形");
  EXPECT_EQ(form.StringGrid1.Width(), form.Layout.radioGroup.width);

  form.StringGrid1.SetFixedRows(2);
  form.SelectCategory("非线性方程");
  EXPECT_EQ(form.StringGrid1.Row(), 3);
  EXPECT_EQ(form.StringGrid1.FixedRows(), 2);
  EXPECT_EQ(form.StringGrid1.Width(), threeQuarters);
}

TEST_F(FormTest, SelectionKeepsTheGridWhenTheCategoryFileIsMissing) {
  TForm1& form = MakeForm();
  int runs = 0;
  form.SetHandler(6, [&](Workbench& bench) {
    ++runs;
    EXPECT_EQ(bench.grid.Cell(1, 2), "kept");
  });
  form.StringGrid1.SetCell(1, 2, "kept");
  form.SelectCategory("整数运算");
  EXPECT_EQ(runs, 1);
  // The user learns which file is missing.
  ASSERT_EQ(ui_.Messages().size(), 1u);
  EXPECT_EQ(ui_.Messages()[0].rfind(kMissingSheetMessage, 0), 0u);
  EXPECT_NE(ui_.Messages()[0].find("zarnix整数运算.thf"), std::string::npos);
}

TEST_F(FormTest, TimingLabelShowsThreeDecimals) {
  TForm1& form = MakeForm();
  form.SetHandler(18, [&](Workbench&) { clock_.Advance(16); });
  form.SelectCategory("通用计算");
  EXPECT_EQ(form.Label1, "计算时间:0.016秒");
  form.SetHandler(18, [&](Workbench&) { clock_.Advance(1500); });
  form.BitBtn1Click();
  EXPECT_EQ(form.Label1, "计算时间:1.500秒");
}

TEST_F(FormTest, PuzzleRunsKeepTheirOwnTimingAndChoice) {
  TForm1& form = MakeForm();
  int asked = 0;
  form.SetHandler(14, [&](Workbench& bench) {
    if (bench.puzzleMode == 9) {
      ++asked;
      bench.puzzleMode = 0;
    }
    bench.timingLabel = "own timing";
  });
  form.SetHandler(18, [](Workbench&) {});
  form.SelectCategory("数独幻方八皇后");
  form.BitBtn1Click();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(form.Label1, "own timing");
  EXPECT_FALSE(form.BitBtn2.enabled);
  form.SelectCategory("通用计算");
  EXPECT_EQ(form.PuzzleMode, 9);
  EXPECT_TRUE(form.BitBtn2.enabled);
  form.SelectCategory("数独幻方八皇后");
  EXPECT_EQ(asked, 2);
}

TEST_F(FormTest, AFailingHandlerKeepsItsOutputAndTheWindowWorksOn) {
  TForm1& form = MakeForm();
  form.SetHandler(18, [](Workbench& bench) {
    bench.answer.Add("first line");
    bench.grid.SetCell(3, 3, "written");
    throw EZeroDivide();
  });
  form.SelectCategory("通用计算");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Floating point division by zero"});
  EXPECT_EQ(form.memo1.Lines(), std::vector<std::string>{"first line"});
  EXPECT_EQ(form.StringGrid1.Cell(3, 3), "written");
  EXPECT_FALSE(form.Busy);
  EXPECT_FALSE(ui_.Busy());
  EXPECT_TRUE(form.Label1.empty());

  form.SetHandler(18, [](Workbench& bench) { bench.answer.Add("fine"); });
  form.BitBtn1Click();
  EXPECT_EQ(form.memo1.Lines(), std::vector<std::string>{"fine"});
  EXPECT_FALSE(form.Label1.empty());
}

TEST_F(FormTest, NonProgramExceptionsAreShownToo) {
  TForm1& form = MakeForm();
  form.SetHandler(18, [](Workbench&) { throw std::bad_alloc(); });
  form.SelectCategory("通用计算");
  form.SetHandler(18, [](Workbench&) { throw std::runtime_error("boom"); });
  form.BitBtn1Click();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Out of memory", "boom"}));
}

TEST_F(FormTest, StaleFaultFlagsDoNotLeakIntoARun) {
  TForm1& form = MakeForm();
  volatile Extended zero = 0;
  volatile Extended r = 1 / zero;  // raised outside any run
  (void)r;
  form.SetHandler(18, [](Workbench&) { CheckFpFaults(); });
  form.SelectCategory("通用计算");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormTest, DecimalsRebuildTheFormatAndRecompute) {
  TForm1& form = MakeForm();
  std::vector<std::string> seen;
  form.SetHandler(18, [&](Workbench& bench) {
    seen.push_back(bench.resultFormat);
    EXPECT_EQ(bench.decimals, std::stoi(bench.resultFormat.substr(2)));
  });
  form.SelectCategory("通用计算");
  form.SetDecimals(7);
  EXPECT_EQ(form.ResultFormat, "%.7f");
  form.SetDecimals(40);
  EXPECT_EQ(form.ResultFormat, "%.12f");
  form.SetDecimals(0);
  EXPECT_EQ(form.ResultFormat, "%.1f");
  EXPECT_EQ(seen, (std::vector<std::string>{"%.3f", "%.7f", "%.12f", "%.1f"}));
  form.ActivePage = Page::kUnits;
  form.SetDecimals(5);
  EXPECT_EQ(seen.size(), 4u);  // not recomputed off the calculation page
}

TEST_F(FormTest, CollapsedWorksheetIsRestoredByTheRun) {
  TForm1& form = MakeForm();
  form.SetHandler(18, [](Workbench&) {});
  form.SelectCategory("通用计算");
  form.Splitter1Moved(1);
  EXPECT_EQ(form.StringGrid1.Width(), 1);
  form.BitBtn1Click();
  EXPECT_EQ(form.StringGrid1.Width(), form.Layout.pageWidth / 4 * 3);
  form.Splitter1Moved(300);
  EXPECT_EQ(form.StringGrid1.Width(), 300);
}

TEST_F(FormTest, FontsAndGridFollowTheScreen) {
  TForm1& narrow = MakeForm({800, 600});
  EXPECT_EQ(narrow.FontSize, 10);
  EXPECT_EQ(narrow.StringGrid1.DefaultColWidth(), 80);
  EXPECT_EQ(narrow.StringGrid1.DefaultRowHeight(), 16);
  EXPECT_EQ(narrow.StringGrid1.ColWidth(0), 170);
  TForm1& wide = MakeForm({1920, 1080});
  EXPECT_EQ(wide.FontSize, 12);
  EXPECT_EQ(wide.StringGrid1.DefaultRowHeight(), 19);
}

}  // namespace
}  // namespace zarnix

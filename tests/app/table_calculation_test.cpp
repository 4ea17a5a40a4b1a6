// Table calculation: the column statistics and the batches on a bare workbench, and whole runs
// on the window model with scripted answers — the questions, the dialogs' limits, the fit
// report against the regression routines, and the pages.
#include "app/table_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "base/clock.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/random.h"
#include "base/textfile.h"
#include "form_fixture.h"
#include "numeric/regression.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

// Descriptors, names and records of a table-text file, as the loader lays them out.
void FillTable(Worksheet& grid, const Texts& descriptors, const Texts& names,
               const std::vector<Texts>& records) {
  grid.SetFixedCols(1);
  grid.SetColCount(static_cast<int>(descriptors.size()) + 1);
  grid.SetRowCount(static_cast<int>(records.size()) + 2);
  grid.SetFixedRows(2);
  for (std::size_t c = 0; c < descriptors.size(); ++c) {
    grid.SetCell(static_cast<int>(c) + 1, 0, descriptors[c]);
    grid.SetCell(static_cast<int>(c) + 1, 1, names[c]);
  }
  for (std::size_t r = 0; r < records.size(); ++r) {
    grid.SetCell(0, static_cast<int>(r) + 2, std::to_string(r + 1));
    for (std::size_t c = 0; c < records[r].size(); ++c)
      grid.SetCell(static_cast<int>(c) + 1, static_cast<int>(r) + 2, records[r][c]);
  }
}

// --- statistics and batches ---

class TablePartsTest : public BenchTest {
 protected:
  const std::string& Cell(int col, int row) const { return grid.Cell(col, row); }
};

TEST_F(TablePartsTest, StatisticsInTheDescriptorsFormatUnderTheRecords) {
  FillTable(grid, {"N8.3", " N6.1", "C10"}, {"甲", "乙", "名称"},
            {{"1", "-5", "a"}, {"2", "-2", "b"}, {"3", "-9", "c"}});
  grid.SetFontSize(11);
  Workbench bench = Bench();
  AppendColumnStatistics(bench);
  ASSERT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.ColWidth(0), 50);  // 11 × 4.5, rounded
  const Texts labels = {"总计", "平均值", "最大值", "最小值"};
  const Texts first = {"   6.000", "   2.000", "   3.000", "   1.000"};
  // A column of negative values has a negative largest value.
  const Texts second = {" -16.0", "  -5.3", "  -2.0", "  -9.0"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Cell(0, 5 + i), labels[i]);
    EXPECT_EQ(Cell(1, 5 + i), first[i]);
    EXPECT_EQ(Cell(2, 5 + i), second[i]);
    EXPECT_EQ(Cell(3, 5 + i), "");
  }
  EXPECT_TRUE(answer.Empty());
}

TEST_F(TablePartsTest, BlankAndNonNumericCellsCountAsZeroAndAreReported) {
  FillTable(grid, {"N6.1", "N5.0"}, {"读数", "全空"}, {{"", ""}, {"x", ""}, {"4", ""}, {" 2 ", ""}});
  Workbench bench = Bench();
  AppendColumnStatistics(bench);
  EXPECT_EQ(Cell(1, 6), "   6.0");
  EXPECT_EQ(Cell(1, 7), "   1.5");  // the sum over all four records
  EXPECT_EQ(Cell(1, 8), "   4.0");
  EXPECT_EQ(Cell(1, 9), "   2.0");
  // A column without a number has a total but no extremes.
  EXPECT_EQ(Cell(2, 6), "    0");
  EXPECT_EQ(Cell(2, 8), "");
  EXPECT_EQ(answer.Lines(),
            (Texts{"字段读数有2个空白或非数字的记录，按0计入总计和平均值，不计入最大值和最小值",
                   "字段全空有4个空白或非数字的记录，按0计入总计和平均值，不计入最大值和最小值"}));
}

// Cell (1, 1) the mark, column 2 the statements, the mark row, as a row batch table has them.
void RowBatchTable(Worksheet& grid, const Texts& statements) {
  std::vector<Texts> records;
  for (const std::string& statement : statements) records.push_back({"", statement});
  records.push_back({"批量计算", ""});
  FillTable(grid, {"C10", "C30"}, {"多行计算", "语句"}, records);
}

TEST_F(TablePartsTest, RowBatchWritesOneRowPerCounterValue) {
  RowBatchTable(grid, {"n:5", "x=2*KK", "y=x+n/5", "v:1"});
  grid.SetCell(3, 3, "旁注");
  Workbench bench = Bench();
  ASSERT_TRUE(RunRowBatch(bench));
  const int mark = 6;
  ASSERT_EQ(grid.RowCount(), mark + 2 + 5);
  ASSERT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(Cell(1, mark + 1), "kk");
  EXPECT_EQ(Cell(2, mark + 1), "x");
  EXPECT_EQ(Cell(3, mark + 1), "y");
  EXPECT_EQ(Cell(3, 3), "");
  for (int k = 0; k < 5; ++k) {
    const int row = mark + 2 + k;
    EXPECT_EQ(Cell(0, row), std::to_string(row - 1));
    EXPECT_EQ(Cell(1, row), std::to_string(k));
    EXPECT_EQ(Cell(2, row), Format("%.3f", Extended{2.0L * k}));
    EXPECT_EQ(Cell(3, row), Format("%.3f", Extended{2.0L * k + 1}));
  }
  for (int col = 2; col <= 3; ++col) {
    EXPECT_EQ(Cell(col, 0), "N8.3");
    EXPECT_EQ(Cell(col, 1), Cell(col, mark + 1));
  }
  // The statements stay for the next run, which computes the same rows.
  EXPECT_EQ(Cell(2, 2), "n:5");
  ASSERT_TRUE(RunRowBatch(bench));
  EXPECT_EQ(grid.RowCount(), mark + 2 + 5);
  EXPECT_EQ(Cell(3, mark + 6), "9.000");
}

TEST_F(TablePartsTest, IterationCountsAreKeptWithinTheirLimits) {
  RowBatchTable(grid, {"次数:-3", "x=kk"});
  Workbench bench = Bench();
  ASSERT_TRUE(RunRowBatch(bench));
  EXPECT_EQ(Cell(2, 2), "次数:1");
  EXPECT_EQ(grid.RowCount(), 4 + 2 + 1);

  RowBatchTable(grid, {"次数:2.5", "x=kk"});
  ASSERT_TRUE(RunRowBatch(bench));
  EXPECT_EQ(Cell(2, 2), "次数:2.5");
  EXPECT_EQ(grid.RowCount(), 4 + 2 + 1);

  RowBatchTable(grid, {"次数:99999999999", "x=kk"});
  ASSERT_TRUE(RunRowBatch(bench));
  EXPECT_EQ(Cell(2, 2), "次数:100000");
  EXPECT_EQ(grid.RowCount(), 4 + 2 + kMaxBatchIterations);
  EXPECT_EQ(Cell(2, grid.RowCount() - 1), "99999.000");
}

TEST_F(TablePartsTest, AFailingBatchKeepsTheRowsItWrote) {
  RowBatchTable(grid, {"n:6", "y=1/(kk-3)"});
  Workbench bench = Bench();
  EXPECT_THROW(RunRowBatch(bench), EZeroDivide);
  const int firstRow = 4 + 2;
  ASSERT_EQ(grid.RowCount(), firstRow + 3);
  EXPECT_EQ(Cell(2, firstRow + 2), "-1.000");
  EXPECT_EQ(Cell(0, firstRow + 2), std::to_string(firstRow + 1));

  RowBatchTable(grid, {"n:6", "y=kk+"});
  EXPECT_FALSE(RunRowBatch(bench));
  EXPECT_EQ(grid.RowCount(), firstRow);
  EXPECT_EQ(ui.Messages(), Texts{"表达式错误"});

  RowBatchTable(grid, {"n:6", "y=kk"});
  grid.SetCell(1, 4, "");
  try {
    RunRowBatch(bench);
    ADD_FAILURE() << "a row batch without its mark row ran";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), kNoBatchRowMessage);
  }
}

TEST_F(TablePartsTest, ColumnBatchWritesOneRowPerCounterValueUnderTheStatements) {
  FillTable(grid, {"C10", "C10", "C10", "C10", "C10", "C10"},
            {"多列计算", "次数", "a", "b", "c", "空"},
            {{"说明", "", "", "", "", ""}, {"", "次数:4", "a:2", "b=a*kk", "c=b+kk^2", ""}});
  Workbench bench = Bench();
  ASSERT_TRUE(RunColumnBatch(bench));
  ASSERT_EQ(grid.RowCount(), 8);
  for (int k = 0; k < 4; ++k) {
    const int row = 4 + k;
    EXPECT_EQ(Cell(0, row), std::to_string(row - 1));
    EXPECT_EQ(Cell(1, row), "kk=" + std::to_string(k));
    EXPECT_EQ(Cell(2, row), "");
    EXPECT_EQ(Cell(3, row), "");
    EXPECT_EQ(Cell(4, row), Format("%.3f", Extended{2.0L * k}));
    EXPECT_EQ(Cell(5, row), Format("%.3f", Extended{2.0L * k + k * k}));
    EXPECT_EQ(Cell(6, row), "");
  }
  // A result column's descriptor has the width of its last value.
  EXPECT_EQ(Cell(4, 0), "N5.3");
  EXPECT_EQ(Cell(5, 0), "N6.3");
  EXPECT_EQ(Cell(3, 0), "C10");
  EXPECT_EQ(Cell(1, 2), "说明");
}

// --- whole runs in the window ---

// A scale the plot dialog accepts for every table here.
constexpr const char* kScale = "0,0,1,50";

class TableRunTest : public FormTest {
 protected:
  TForm1& Form() {
    if (!form_) {
      MakeForm();
      form_->CategoryIndex = 12;
      // The shipped data list, whose first "回归公式" list has 14 formulas; a second list
      // after it is never read.
      form_->ListBox0 = ReadTextLines(std::filesystem::path(ZARNIX_TEST_DATA_DIR).parent_path()
                                          .parent_path().parent_path() / "data" /
                                      PathFromGbk("zarnix数据.txt"));
      form_->ListBox0.insert(form_->ListBox0.end(), {"回归公式", "x"});
    }
    return *form_;
  }
  Worksheet& Grid() { return Form().StringGrid1; }
  void Answer(const Texts& answers) {
    for (const std::string& answer : answers) ui_.QueueAnswer(answer);
  }
  void Run() { Form().BitBtn1Click(); }
  // The questions and prompts in the order they were asked.
  Texts Asked() const {
    Texts asked;
    for (const UiLogEntry& entry : ui_.Log())
      if (entry.kind != UiLogEntry::Kind::kMessage) asked.push_back(entry.text);
    return asked;
  }
  int Curves() const {
    const std::string caption = form_->Image1().Picture().caption;
    int count = 0;
    for (std::size_t at = caption.find("曲线"); at != std::string::npos;
         at = caption.find("曲线", at + 1))
      ++count;
    return count;
  }
  // x = 1 … 6 with y = 2x³ and y = 3 + 2x, and a text column.
  void PowerTable() {
    std::vector<Texts> records;
    for (int x = 1; x <= 6; ++x)
      records.push_back({std::to_string(x), std::to_string(2 * x * x * x), std::to_string(3 + 2 * x),
                         "t"});
    FillTable(Grid(), {"N4.0", "N8.1", "N8.1", "C4"}, {"x", "立方", "直线", "注"}, records);
  }
};

TEST_F(TableRunTest, TooFewNumericFieldsOrRowsEndTheRunWithAMessage) {
  FillTable(Grid(), {"N4.0", "C4"}, {"x", "名"},
            {{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}, {"5", "e"}, {"6", "f"}});
  Run();
  EXPECT_EQ(Messages(), Texts{kTooFewFieldsMessage});
  EXPECT_TRUE(Asked().empty());  // no statistics offered
  EXPECT_TRUE(Form().Memo3Visible);

  ui_.ClearLog();
  FillTable(Grid(), {"N4.0", "N4.0"}, {"x", "y"}, {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}});
  Run();
  EXPECT_EQ(Messages(), Texts{kTooFewFieldsMessage});
  EXPECT_EQ(Grid().RowCount(), 6);
}

TEST_F(TableRunTest, StatisticsAreAppendedOnceAcrossRuns) {
  PowerTable();
  Answer({"no", "yes"});
  Run();
  EXPECT_EQ(Asked(), (Texts{"画曲线吗？", "进行列统计吗？"}));
  ASSERT_EQ(Grid().RowCount(), 12);
  EXPECT_EQ(Grid().Cell(1, 8), "  21");
  EXPECT_EQ(Grid().Cell(3, 11), "     5.0");
  EXPECT_EQ(Form().ActivePage, Page::kCalc);

  ui_.ClearLog();
  Answer({"no"});
  Run();
  EXPECT_EQ(Asked(), Texts{"画曲线吗？"});
  EXPECT_EQ(Grid().RowCount(), 12);
}

TEST_F(TableRunTest, APlotMovesToTheImagePageAndTheStatisticsSayWhereTheyAre) {
  PowerTable();
  Answer({"yes"});  // and the defaults
  Run();
  EXPECT_EQ(Asked(), (Texts{"画曲线吗？", "请输入坐标轴参数列号(最多9条曲线)", "请输入数据起止记录号",
                            "请输入坐标起点坐标值x0,y0,坐标轴每格增量dx,dy",
                            "请输入回归公式号（详见文本框）", "进行列统计吗？"}));
  EXPECT_EQ(ui_.Log()[1].answer, "1,2,3");
  EXPECT_EQ(ui_.Log()[2].answer, "1,6");
  EXPECT_EQ(ui_.Log()[4].answer, "11");
  EXPECT_EQ(Form().Memo3.Lines()[1], "Yi=a+b*x+c*x^2+d*x^3+e*x^4");
  EXPECT_EQ(Form().Image1().Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(Curves(), 2);
  EXPECT_EQ(Form().ActivePage, Page::kImage);
  const Texts messages = Messages();
  EXPECT_NE(std::find(messages.begin(), messages.end(), kSeeStatisticsMessage), messages.end());
  EXPECT_EQ(Grid().RowCount(), 12);
}

TEST_F(TableRunTest, TheFitReportAgreesWithTheRegressionRoutines) {
  PowerTable();
  Answer({"yes", "1,2,3", "1,6", kScale, "2", "no"});
  Run();
  std::vector<Extended> x, cube;
  for (int i = 1; i <= 6; ++i) {
    x.push_back(i);
    cube.push_back(2.0L * i * i * i);
  }
  const FitInput in = LinearisedFit(kPowerForm, kPowerForm, x, cube);
  ScriptedUi quiet;
  ManualClock clock;
  LcgRandom random;
  const EvalServices services{quiet, clock, random};
  std::vector<Extended> c = FitByTerms(services, in.text, in.x, in.y);
  c[0] = std::exp(c[0]);
  const Extended zero = 0;
  const FitGoodness fit =
      GoodnessOfFit(EvalFormulaGrid(services, kPowerForm, c, x, {&zero, 1}, {&zero, 1}), cube, 2);
  const auto n = [](Extended v) { return Format("%.3f", v); };
  const Texts& memo3 = Form().Memo3.Lines();
  ASSERT_GE(memo3.size(), 14u);
  EXPECT_EQ(memo3[0], "回归公式2:");
  EXPECT_EQ(memo3[1], "Yi=a*x^b");
  EXPECT_EQ(memo3[2], "X—x");
  EXPECT_EQ(memo3[4], "Y1—立方");
  EXPECT_EQ(memo3[5], "系数a= " + n(c[0]));
  EXPECT_EQ(memo3[6], "系数b= " + n(c[1]));
  EXPECT_EQ(memo3[7], "相关系数R=" + n(fit.r));
  EXPECT_EQ(memo3[8], "离差系数C=" + n(fit.c));
  // y = 2x³ up to the shift of the logarithms.
  EXPECT_EQ(memo3[5], "系数a= 2.000");
  EXPECT_EQ(memo3[6], "系数b= 3.000");
  EXPECT_EQ(memo3[7], "相关系数R=1.000");
  EXPECT_EQ(memo3[10], "Y2—直线");
  EXPECT_TRUE(Form().Memo3Visible);
}

TEST_F(TableRunTest, TheFirstTenColumnNumbersAreUsedAndTheRestIgnored) {
  PowerTable();
  Answer({"yes", "1,2,3,2,3,2,3,2,3,2,3,99,abc", "1,6", kScale, "0", "a+b*x", "no"});
  Run();
  EXPECT_EQ(Curves(), 9);
  EXPECT_EQ(Messages(), Texts{});
  const Texts& memo3 = Form().Memo3.Lines();
  ASSERT_FALSE(memo3.empty());
  EXPECT_EQ(memo3[0], "回归公式0:");
  EXPECT_EQ(memo3[1], "Yi=a+b*x");
  EXPECT_EQ(std::count(memo3.begin(), memo3.end(), "Y9—立方"), 1);
  EXPECT_EQ(std::count(memo3.begin(), memo3.end(), "系数b= 2.000"), 4);
}

TEST_F(TableRunTest, AnswersOutsideTheTableOrTheListEndTheRunWithAMessage) {
  struct Case {
    Texts answers;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"yes", "1,5"}, BadColumnsMessage(4)},
      {{"yes", "0,2"}, BadColumnsMessage(4)},
      {{"yes", "2"}, BadColumnsMessage(4)},
      {{"yes", "1,2", "0,6"}, BadRangeMessage(6)},
      {{"yes", "1,2", "1,7"}, BadRangeMessage(6)},
      {{"yes", "1,2", "5,2"}, BadRangeMessage(6)},
      {{"yes", "1,2", "3"}, BadRangeMessage(6)},
      {{"yes", "1,2", "1,6", kScale, "15"}, NoSuchFormulaMessage(14)},
      {{"yes", "1,2", "1,6", kScale, "-1"}, NoSuchFormulaMessage(14)},
      {{"yes", "1,2", "1,6", kScale, "二"}, "'二' is not a valid integer value"},
      {{"yes", "1,2", "1,6", kScale, "0", " "}, kEmptyFormulaMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers.back());
    PowerTable();
    ui_.ClearLog();
    Answer(c.answers);
    Run();
    const Texts messages = Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), c.message);
    EXPECT_EQ(Asked().size(), c.answers.size());  // nothing asked after the bad answer
    EXPECT_EQ(Grid().RowCount(), 8);  // no statistics
  }
}

TEST_F(TableRunTest, ANonNumericRecordStopsTheFitAfterItsHeading) {
  PowerTable();
  Grid().SetCell(2, 4, "缺");
  Answer({"yes", "1,3,2", "1,6", kScale, "1"});
  Run();
  EXPECT_EQ(Messages().back(), "'缺' is not a valid floating point value");
  const Texts& memo3 = Form().Memo3.Lines();
  ASSERT_GE(memo3.size(), 5u);
  EXPECT_EQ(memo3[4], "Y1—直线");
  EXPECT_EQ(memo3.back(), "离差系数C=0.000");
}

TEST_F(TableRunTest, APowerFitLeavesOutCurvesWithNegativeData) {
  PowerTable();
  Grid().SetCell(3, 3, "-1");
  Answer({"yes", "1,2,3", "1,6", kScale, "2", "no"});
  Run();
  const Texts& memo3 = Form().Memo3.Lines();
  EXPECT_EQ(std::count(memo3.begin(), memo3.end(), "Y2—直线"), 0);
  EXPECT_EQ(std::count(memo3.begin(), memo3.end(), "Y1—立方"), 1);
}

TEST_F(TableRunTest, ABatchTableIsComputedAndOfferedForPlotting) {
  RowBatchTable(Grid(), {"n:8", "x=kk", "y=x^2"});
  Answer({"yes", "yes", "2,3", "6,13", kScale, "9"});
  Run();
  EXPECT_EQ(Asked().front(), "计算吗？");
  EXPECT_EQ(Form().Memo3.Lines()[4], "Y1—y");
  EXPECT_EQ(Form().Memo3.Lines()[5], "系数a= 0.000");
  EXPECT_EQ(Form().Memo3.Lines()[7], "系数c= 1.000");
  EXPECT_EQ(Asked().back(), "请输入回归公式号（详见文本框）");  // no statistics after a batch

  // The default range covers the rows under the heading row.
  ui_.ClearLog();
  Answer({"yes", "yes"});
  Run();
  EXPECT_EQ(ui_.Log()[2].answer, "2,3");
  EXPECT_EQ(ui_.Log()[3].answer, "6,13");

  ui_.ClearLog();
  Answer({"no"});
  Run();
  EXPECT_EQ(Asked(), Texts{"计算吗？"});
}

TEST_F(TablePartsTest, WithoutAWindowTheRunStillComputes) {
  std::vector<Texts> records;
  for (int i = 1; i <= 6; ++i) records.push_back({std::to_string(i), std::to_string(i * i)});
  FillTable(grid, {"N4.0", "N4.0"}, {"x", "y"}, records);
  ui.QueueAnswer("no");
  Workbench bench = Bench();
  HandleTableCalculation(bench);
  EXPECT_EQ(grid.Cell(2, 8), "  91");
}

}  // namespace
}  // namespace zarnix

// The array-statistics category: the answer block, mode and single-precision lines, the Gini
// line, failures part-way, the plot table, and every line against the reference statistics.
#include "numeric/array_stats_category.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "numeric/stats.h"
#include "reference_file.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class ArrayStatsTest : public BenchTest {
 protected:
  void Run() {
    Workbench bench = Bench();
    HandleArrayStatistics(bench);
  }
  // Answer lines by their label (the text up to the first "= ").
  std::map<std::string, std::string> Values() const {
    std::map<std::string, std::string> values;
    for (const std::string& line : answer.Lines()) {
      const std::size_t at = line.find("= ");
      if (at != std::string::npos) values[line.substr(0, at)] = line.substr(at + 2);
    }
    return values;
  }
};

TEST_F(ArrayStatsTest, OneRowOfFourValues) {
  FillSheet({{"a1", "a2", "a3", "a4"}, {"1", "2", "3", "4"}, {}}, 4);
  Run();
  EXPECT_EQ(answer.Lines(), (std::vector<std::string>{"数组统计值：",
                                                      "元素数N= 4",
                                                      "算术平均值Xp= 2.500",
                                                      "几何平均值= 2.213",
                                                      "调和平均值= 1.920",
                                                      "最大值= 4.000",
                                                      "最小值= 1.000",
                                                      "总和= 10.000",
                                                      "总积= 24.000",
                                                      "倒数和= 2.083",
                                                      "平方和= 30.000",
                                                      "平方和的平方根= 5.477",
                                                      "",
                                                      "中值= 2.500",
                                                      "标准偏差C= 1.118",
                                                      "样本标准偏差C1= 1.291",
                                                      "残差(Xi-Xp)平方和S= 5.000",
                                                      "样本Cv=C1/Xp= 0.516",
                                                      "样本Cs= 0.000",
                                                      "样本方差=S/(N-1)= 1.667",
                                                      "偏度= 0.000",
                                                      "峰度= 1.640",
                                                      "真值= 2.500±0.645",
                                                      "平均误差= 1.030"}));
  // The table: row 2 (the empty row after the data) emptied, marker row 4, rows 5 ... 8.
  EXPECT_EQ(grid.DefaultColWidth(), 55);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.Cell(0, 4), "双击此格看图像");
  EXPECT_EQ(grid.Cell(1, 4), "T");
  EXPECT_EQ(grid.Cell(2, 4), "数组");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(grid.Cell(0, 4 + i), "");
    EXPECT_EQ(grid.Cell(1, 4 + i), IntToStr(i));
    EXPECT_EQ(grid.Cell(2, 4 + i), IntToStr(i) + ".000");
  }
  EXPECT_EQ(grid.Cell(0, 1), "1");  // the data stay

  // A second run reads the same four numbers: the table stands below the empty row.
  answer.Clear();
  Run();
  EXPECT_EQ(Values()["元素数N"], "4");
  EXPECT_EQ(grid.RowCount(), 9);
}

TEST_F(ArrayStatsTest, ModeLineOnlyWhenAValueRepeats) {
  FillSheet({{"h"}, {"2", "2", "3", "3", "5"}}, 5);
  Run();
  EXPECT_EQ(Values()["频值"], "2.000");  // equally frequent: the smallest
  answer.Clear();
  FillSheet({{"h"}, {"1", "2", "3", "4", "5"}}, 5);
  Run();
  EXPECT_EQ(Values().count("频值"), 0u);
}

TEST_F(ArrayStatsTest, EveryCellFilledIsRead) {
  FillSheet({{"h1", "h2", "h3"}, {"1", "2", "3"}, {"4", "5", "6"}}, 3);
  Run();
  EXPECT_EQ(Values()["元素数N"], "6");
  // s = 6 div 3 + 2 = 4: marker row 5, numbers in rows 6 ... 11.
  EXPECT_EQ(grid.RowCount(), 12);
  EXPECT_EQ(grid.Cell(0, 5), "双击此格看图像");
  EXPECT_EQ(grid.Cell(2, 11), "6.000");
}

TEST_F(ArrayStatsTest, SortedStatisticsCarrySinglePrecision) {
  SetDecimals(12);
  FillSheet({{"h"}, {"0.1", "0.1", "0.3"}, {}}, 3);
  Run();
  auto values = Values();
  EXPECT_EQ(values["最大值"], "0.300000011921");
  EXPECT_EQ(values["最小值"], "0.100000001490");
  EXPECT_EQ(values["中值"], "0.100000001490");
  EXPECT_EQ(values["频值"], "0.100000001490");
  EXPECT_EQ(values["总和"], "0.500000000000");
  EXPECT_EQ(values["算术平均值Xp"], "0.166666666667");
}

TEST_F(ArrayStatsTest, GiniLineWithThreeDecimalsAlways) {
  SetDecimals(8);
  FillSheet({{"组1", "组2", "计算基尼系数", "组4"}, {"10", "20", "30", "40"}}, 4);
  Run();
  ASSERT_GE(answer.Lines().size(), 3u);
  EXPECT_EQ(answer.Lines()[0], "基尼系数：0.250");
  EXPECT_EQ(answer.Lines()[1], "");
  EXPECT_EQ(answer.Lines()[2], "数组统计值：");
  EXPECT_EQ(Values()["总和"], "100.00000000");
}

TEST_F(ArrayStatsTest, FewerThanThreeValuesChangeNothing) {
  FillSheet({{"h"}, {"1", "2", ""}, {"5"}}, 3);
  const Worksheet before = grid;
  Run();
  EXPECT_TRUE(answer.Empty());
  EXPECT_EQ(grid.RowCount(), before.RowCount());
  EXPECT_EQ(grid.Cell(0, 2), "5");
}

TEST_F(ArrayStatsTest, FailuresStopTheBlockWhereTheyArise) {
  FillSheet({{"h"}, {"1", "x", "3"}}, 3);
  try {
    Run();
    ADD_FAILURE() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'x' is not a valid floating point value");
  }
  EXPECT_TRUE(answer.Empty());

  // A zero divides the reciprocal sum before any line.
  FillSheet({{"h"}, {"1", "0", "3"}}, 3);
  EXPECT_THROW(Run(), EZeroDivide);
  EXPECT_TRUE(answer.Empty());

  // A negative value stops at the geometric mean; no table is written.
  FillSheet({{"h"}, {"1", "-2", "3"}, {}}, 3);
  try {
    Run();
    ADD_FAILURE() << "no error for a negative value";
  } catch (const EStatsError& error) {
    EXPECT_EQ(error.Message(), "Array contains values <= 0!");
  }
  EXPECT_EQ(answer.Lines(),
            (std::vector<std::string>{"数组统计值：", "元素数N= 3", "算术平均值Xp= 0.667"}));
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(1, 1), "-2");

  // A value beyond the double range.
  answer.Clear();
  FillSheet({{"h"}, {"1", "1e400", "3"}}, 3);
  EXPECT_THROW(Run(), EOverflow);
}

TEST_F(ArrayStatsTest, EveryLineAgreesWithReferenceStatistics) {
  SetDecimals(12);
  const std::vector<std::pair<const char*, const char*>> labels = {
      {"算术平均值Xp", "mean"},
      {"几何平均值", "geometric"},
      {"调和平均值", "harmonic"},
      {"最大值", "max"},
      {"最小值", "min"},
      {"总和", "sum"},
      {"总积", "product"},
      {"倒数和", "reciprocals"},
      {"平方和", "squares"},
      {"平方和的平方根", "root"},
      {"中值", "median"},
      {"标准偏差C", "c"},
      {"样本标准偏差C1", "c1"},
      {"残差(Xi-Xp)平方和S", "s"},
      {"样本Cv=C1/Xp", "cv"},
      {"样本Cs", "cs"},
      {"样本方差=S/(N-1)", "variance"},
      {"偏度", "skewness"},
      {"峰度", "kurtosis"},
      {"平均误差", "mean_error"},
  };
  int sets = 0;
  for (const ReferenceBlock& block : ReadReference("stats_reference.txt")) {
    const int columns = static_cast<int>(block.Number("columns"));
    const std::vector<Extended>& data = block.Numbers("values");
    Rows rows(1, std::vector<std::string>(columns, "h"));
    if (block.Has("gini")) rows[0][2] = "计算基尼系数";
    for (std::size_t i = 0; i < data.size(); ++i) {
      if (i % columns == 0) rows.emplace_back();
      rows.back().push_back(GeneralFormat(data[i]));
    }
    rows.emplace_back();
    answer.Clear();
    FillSheet(rows, columns);
    Run();
    auto values = Values();
    EXPECT_EQ(values["元素数N"], IntToStr(static_cast<int>(data.size()))) << block.name;
    for (const auto& [label, key] : labels) {
      const Extended shown = StrToFloat(values[label]);
      // Twelve decimals, or 18 significant digits for large values.
      EXPECT_TRUE(Near(shown, block.Number(key), 1e-10L)) << block.name << ": " << key;
    }
    EXPECT_EQ(values.count("频值") == 1, block.Has("mode")) << block.name;
    if (block.Has("mode")) {
      EXPECT_TRUE(Near(StrToFloat(values["频值"]), block.Number("mode"), 1e-12L)) << block.name;
    }
    const std::string trueValue = values["真值"];
    const std::size_t plusMinus = trueValue.find("±");
    ASSERT_NE(plusMinus, std::string::npos) << block.name;
    EXPECT_TRUE(Near(StrToFloat(trueValue.substr(0, plusMinus)), block.Number("mean"), 1e-11L));
    EXPECT_TRUE(
        Near(StrToFloat(trueValue.substr(plusMinus + 2)), block.Number("standard_error"), 1e-11L))
        << block.name;
    if (block.Has("gini")) {
      EXPECT_EQ(answer.Lines()[0], "基尼系数：" + Format("%.3f", block.Number("gini")));
    }
    ++sets;
  }
  EXPECT_EQ(sets, 8);
}

}  // namespace
}  // namespace zarnix

// The array-statistics category: the answer block, mode and single-precision lines, the Gini
// line, failures part-way, the plot table, and every line against the reference statistics.
#include "numeric/array_stats_category.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  bool HasLine(const std::string& line) const {
    const auto& lines = answer.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  bool HasLinePrefix(const std::string& prefix) const {
    for (const std::string& line : answer.Lines())
      if (line.starts_with(prefix)) return true;
    return false;
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

  // A zero or a negative value leaves the means (and with a zero the reciprocal sum)
  // undefined; every other line and the table are still written.
  FillSheet({{"h"}, {"1", "0", "3"}, {}}, 3);
  Run();
  EXPECT_TRUE(HasLine("几何平均值= 无定义"));
  EXPECT_TRUE(HasLine("调和平均值= 无定义"));
  EXPECT_TRUE(HasLine("倒数和= 无定义"));
  EXPECT_TRUE(HasLine("总积= 0.000"));
  EXPECT_TRUE(HasLine("样本标准偏差C1= 1.528"));
  answer.Clear();
  FillSheet({{"h"}, {"1", "-2", "3"}, {}}, 3);
  Run();
  EXPECT_TRUE(HasLine("几何平均值= 无定义"));
  EXPECT_TRUE(HasLine("倒数和= 0.833"));
  EXPECT_TRUE(HasLine("总积= -6.000"));
  EXPECT_EQ(grid.Cell(0, 4), "双击此格看图像");
  EXPECT_EQ(grid.Cell(1, 1), "-2");

  // A value beyond the double range.
  answer.Clear();
  FillSheet({{"h"}, {"1", "1e400", "3"}}, 3);
  EXPECT_THROW(Run(), EOverflow);
}

TEST_F(ArrayStatsTest, ConstantDataShowEveryDefinedLineAndNoSpread) {
  FillSheet({{"h"}, {"0.1", "0.1", "0.1", "0.1"}, {}}, 4);
  Run();
  EXPECT_TRUE(HasLine("标准偏差C= 0.000"));
  EXPECT_TRUE(HasLine("残差(Xi-Xp)平方和S= 0.000"));
  EXPECT_TRUE(HasLine("样本Cv=C1/Xp= 0.000"));
  EXPECT_TRUE(HasLine("样本Cs= 无定义"));
  EXPECT_TRUE(HasLine("偏度= 无定义"));
  EXPECT_TRUE(HasLine("峰度= 无定义"));
  EXPECT_TRUE(HasLine("真值= 0.100±0.000"));
  EXPECT_TRUE(HasLine("频值= 0.100"));
}

TEST_F(ArrayStatsTest, TenThousandOrdinaryValuesNeitherOverflowNorSquareTheGrid) {
  // 0.5, 1.5, … 96.5 again and again: their product is far beyond the extended range.
  std::vector<std::string> row;
  for (int i = 0; i < 10000; ++i) row.push_back(std::to_string(i % 97) + ".5");
  FillSheet({{"h"}, row}, 10000);
  Run();
  ASSERT_FALSE(answer.Empty());
  EXPECT_TRUE(HasLine("算术平均值Xp= 48.460"));
  // From Σ log10 of the values (15531.1121), as mantissa and power of ten.
  EXPECT_TRUE(HasLine("总积= 1.294E+15531"));
  EXPECT_TRUE(HasLine("几何平均值= 35.736"));
  // One row of 10,000 columns: the table keeps the worksheet near four million cells.
  EXPECT_LE(static_cast<long long>(grid.RowCount()) * grid.ColCount(), 4'000'000);
  EXPECT_TRUE(HasLinePrefix("（数据列数太多，图表数据只列出前"));
  EXPECT_EQ(grid.Cell(2, 5), "0.500");
}

TEST_F(ArrayStatsTest, ManyEqualValuesAreSortedInLinearishTime) {
  // 32,767 equal values once took seconds in the sort; the mode is the value itself.
  std::vector<std::vector<std::string>> rows = {{"h"}};
  for (int i = 0; i < 32767; ++i) rows.push_back({"7"});
  FillSheet(rows, 1);
  Run();
  EXPECT_TRUE(HasLine("频值= 7.000"));
  EXPECT_TRUE(HasLine("中值= 7.000"));
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

// Array statistics: reading the data cells, the moments and the sorted single-precision copy,
// the Gini coefficient, the answer-pane block and the plot table under the data.
#include "numeric/array_stats_category.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "numeric/stats.h"
#include "sheet/answer_pane.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kColumnWidth = 55;
constexpr const char* kGiniHeader = "计算基尼系数";
// 2/π as the mean-error factor uses it.
constexpr Extended kTwoOverPi = 0.6366197723675814L;

// The data cells in reading order (row 1 on, each row from column 0), up to the first empty.
std::vector<std::string> ReadDataCells(const Worksheet& grid) {
  std::vector<std::string> cells;
  for (int row = 1; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& text = grid.Cell(col, row);
      if (text.empty()) return cells;
      cells.push_back(text);
    }
  }
  return cells;
}

// Everything computed before the first output line.
struct Moments {
  Extended sum = 0;              // Σx
  Extended mean = 0;             // M1
  Extended squares = 0;          // S2
  Extended skewness = 0;         // m3 / m2^(3/2)
  Extended kurtosis = 0;         // m4 / m2²
  Extended cubedDeviations = 0;  // T3 = Σ(x − M1)³
  Extended product = 1;          // P
  Extended reciprocals = 0;      // R
};

Moments ComputeMoments(const std::vector<double>& values) {
  Moments m;
  const Extended n = static_cast<Extended>(values.size());
  Extended cubes = 0, fourths = 0;
  for (const double value : values) {
    const Extended x = value;
    m.sum += x;
    m.squares += x * x;
    cubes += x * x * x;
    fourths += x * x * x * x;
  }
  m.mean = Checked(m.sum / n);
  const Extended m1 = m.mean;
  const Extended m2 = Checked(m.squares / n - m1 * m1);
  const Extended m3 = Checked(cubes / n - 3 * m1 * m.squares / n + 2 * m1 * m1 * m1);
  const Extended m4 = Checked(fourths / n - 4 * m1 * cubes / n + 6 * m1 * m1 * m.squares / n -
                              3 * m1 * m1 * m1 * m1);
  m.skewness = Checked(m3 * RealPower(m2, -1.5L));
  m.kurtosis = Checked(m4 / (m2 * m2));
  for (const double value : values) {
    m.cubedDeviations += RealPower(value - m1, 3);
    m.product *= value;
    m.reciprocals += 1 / static_cast<Extended>(value);
    CheckFpFaults();
  }
  return m;
}

// Values rounded to single precision, sorted ascending, widened again.
std::vector<Extended> SortedSingles(const std::vector<double>& values) {
  std::vector<float> singles(values.begin(), values.end());
  ShellSortReals(static_cast<int>(singles.size()), singles);
  return {singles.begin(), singles.end()};
}

// One minus twice the trapezoid area under the Lorenz curve, for percentage shares of equal
// groups in ascending order.
Extended GiniCoefficient(const std::vector<double>& values) {
  float running = 0;
  Extended total = 0;
  for (const double value : values) {
    running = static_cast<float>(running + value);
    total += running;
  }
  const Extended n = static_cast<Extended>(values.size());
  return Checked(1 - ((total - 50) * 100 / n) / 5000);
}

class StatsWriter {
 public:
  StatsWriter(AnswerPane& pane, const std::string& format) : pane_(pane), format_(format) {}
  void Line(const char* label, Extended value) {
    pane_.Add(label + Format(format_, Checked(value)));
  }
  void Text(const std::string& text) { pane_.Add(text); }
  std::string Number(Extended value) const { return Format(format_, Checked(value)); }

 private:
  AnswerPane& pane_;
  const std::string& format_;
};

void WriteBlock(Workbench& bench, const std::vector<double>& values, const Moments& m,
                const std::vector<Extended>& sorted, Extended mode) {
  StatsWriter out(bench.answer, bench.resultFormat);
  const std::vector<Extended> wide(values.begin(), values.end());
  const Extended n = static_cast<Extended>(values.size());

  out.Text("数组统计值：");
  out.Text("元素数N= " + IntToStr(static_cast<std::int64_t>(values.size())));
  out.Line("算术平均值Xp= ", m.sum / n);
  out.Line("几何平均值= ", GeometricMeanOfReals(wide));
  out.Line("调和平均值= ", HarmonicMeanOfReals(wide));
  out.Line("最大值= ", MaxOfReals(sorted));
  out.Line("最小值= ", MinOfReals(sorted));
  out.Line("总和= ", m.sum);
  out.Line("总积= ", m.product);
  out.Line("倒数和= ", m.reciprocals);
  out.Line("平方和= ", m.squares);
  out.Line("平方和的平方根= ", std::sqrt(m.squares));
  out.Text("");

  out.Line("中值= ", MedianOfSorted(sorted));
  if (mode > -1e42L) out.Line("频值= ", mode);
  const Extended s = Checked(m.squares - m.sum * m.sum / n);
  const Extended c1 = Checked(std::sqrt(s / (n - 1)));
  out.Line("标准偏差C= ", std::sqrt((n - 1) / n) * c1);
  out.Line("样本标准偏差C1= ", c1);
  out.Line("残差(Xi-Xp)平方和S= ", s);
  out.Line("样本Cv=C1/Xp= ", c1 / m.mean);
  out.Line("样本Cs= ", n * m.cubedDeviations / ((n - 1) * (n - 2) * c1 * c1 * c1));
  out.Line("样本方差=S/(N-1)= ", s / (n - 1));
  out.Line("偏度= ", m.skewness);
  out.Line("峰度= ", m.kurtosis);
  out.Text("真值= " + out.Number(m.mean) + "±" + out.Number(std::sqrt(s / (n * (n - 1)))));
  out.Line("平均误差= ", std::sqrt(kTwoOverPi) * c1);
}

void ClearRow(Worksheet& grid, int row) {
  for (int col = 0; col < grid.ColCount(); ++col) grid.SetCell(col, row, "");
}

// The numbers as a plot block below the data: marker row s + 1, then i, x_i.
void WriteTable(Workbench& bench, const std::vector<double>& values) {
  Worksheet& grid = bench.grid;
  const int n = static_cast<int>(values.size());
  const int s = n / grid.ColCount() + 2;
  grid.SetRowCount(s + n + 2);
  // The row holding the first empty cell is emptied when the data ended with the row before.
  if (grid.Cell(0, s - 1).empty()) ClearRow(grid, s - 1);
  for (int row = s; row < grid.RowCount(); ++row) ClearRow(grid, row);
  grid.SetCell(0, s + 1, "双击此格看图像");
  grid.SetCell(1, s + 1, "T");
  grid.SetCell(2, s + 1, "数组");
  for (int i = 1; i <= n; ++i) {
    grid.SetCell(1, s + 1 + i, IntToStr(i));
    grid.SetCell(2, s + 1 + i, Format(bench.resultFormat, static_cast<Extended>(values[i - 1])));
  }
}

}  // namespace

void HandleArrayStatistics(Workbench& bench) {
  Worksheet& grid = bench.grid;
  grid.SetDefaultColWidth(kColumnWidth);
  const std::vector<std::string> cells = ReadDataCells(grid);
  if (cells.size() < 3) return;
  std::vector<double> values;
  values.reserve(cells.size());
  for (const std::string& text : cells) {
    // Values are kept in double precision; one beyond its range is an overflow.
    const Extended value = StrToFloat(text);
    if (std::fabs(value) > std::numeric_limits<double>::max()) throw EOverflow();
    values.push_back(static_cast<double>(value));
  }

  const std::vector<Extended> sorted = SortedSingles(values);
  Extended mode = 0;
  (void)ModeOfSorted(sorted, mode);  // a tie still shows the smallest of the tied values
  const Moments moments = ComputeMoments(values);

  if (grid.Cell(2, 0) == kGiniHeader) {
    bench.answer.Add("基尼系数：" + Format("%.3f", GiniCoefficient(values)));
    bench.answer.Add("");
  }
  WriteBlock(bench, values, moments, sorted, mode);
  WriteTable(bench, values);
}

}  // namespace zarnix

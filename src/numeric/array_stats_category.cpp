// Array statistics: reading the data cells, the moments and the sorted single-precision copy,
// the Gini coefficient, the answer-pane block and the plot table under the data.
#include "numeric/array_stats_category.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
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
// Cells (rows × columns) the worksheet may reach with the plot table.
constexpr long long kMaxTableCells = 4'000'000;
constexpr const char* kGiniHeader = "计算基尼系数";
// 2/π as the mean-error factor uses it.
constexpr Extended kTwoOverPi = 0.6366197723675814L;

// The data cells in reading order (row 1 on, each row from column 0), up to the first empty.
std::vector<std::string> ReadDataCells(const Worksheet& grid) {
  std::vector<std::string> cells;
  for (int row = 1; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const std::string& text = grid.Cell(col, row);
      if (IsEmptyCell(text)) return cells;
      cells.push_back(text);
    }
  }
  return cells;
}

// Everything computed before the first output line. A statistic the data leave without a
// value (a mean of non-positive values, a ratio over zero spread) is empty and shows 无定义.
struct Moments {
  Extended sum = 0;                  // Σx
  Extended mean = 0;                 // M1
  Extended squares = 0;              // S2
  Extended spread = 0;               // S = S2 − (Σx)²/N, never below 0
  std::optional<Extended> skewness;  // m3 / m2^(3/2)
  std::optional<Extended> kurtosis;  // m4 / m2²
  Extended cubedDeviations = 0;      // T3 = Σ(x − M1)³
  Extended log10Magnitude = 0;       // Σ log10 |x|, for a product beyond the range
  bool negativeProduct = false;
  bool zero = false;                    // some value is exactly 0
  std::optional<Extended> product;      // P, when it fits an extended real
  std::optional<Extended> reciprocals;  // R
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
  // Equal values have no spread; rounding must not invent one.
  const bool constant =
      std::all_of(values.begin(), values.end(), [&](double v) { return v == values.front(); });
  const Extended m1 = m.mean;
  const Extended m2 = constant ? 0 : std::max<Extended>(Checked(m.squares / n - m1 * m1), 0);
  const Extended m3 = Checked(cubes / n - 3 * m1 * m.squares / n + 2 * m1 * m1 * m1);
  const Extended m4 = Checked(fourths / n - 4 * m1 * cubes / n + 6 * m1 * m1 * m.squares / n -
                              3 * m1 * m1 * m1 * m1);
  if (m2 > 0) {
    m.skewness = Checked(m3 * RealPower(m2, -1.5L));
    m.kurtosis = Checked(m4 / (m2 * m2));
  }
  m.spread = constant ? 0 : std::max<Extended>(Checked(m.squares - m.sum * m.sum / n), 0);
  Extended reciprocals = 0;
  for (const double value : values) {
    m.cubedDeviations += RealPower(value - m1, 3);
    m.zero = m.zero || value == 0;
    m.negativeProduct ^= value < 0;
    if (value != 0) {
      m.log10Magnitude += std::log10(std::fabs(static_cast<Extended>(value)));
      reciprocals += 1 / static_cast<Extended>(value);
    }
  }
  CheckFpFaults();
  if (!m.zero) m.reciprocals = reciprocals;
  // An overflowing product is shown from its logarithm instead.
  Extended product = 1;
  for (const double value : values) product *= value;
  if (std::isfinite(product)) m.product = product;
  ClearFpFaults();
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

constexpr const char* kUndefined = "无定义";

class StatsWriter {
 public:
  StatsWriter(AnswerPane& pane, const std::string& format) : pane_(pane), format_(format) {}
  void Line(const char* label, std::optional<Extended> value) {
    pane_.Add(label + (value ? Number(*value) : std::string(kUndefined)));
  }
  void Text(const std::string& text) { pane_.Add(text); }
  std::string Number(Extended value) const { return Format(format_, Checked(value)); }

 private:
  AnswerPane& pane_;
  const std::string& format_;
};

// The value is only computed where it is defined: a division by zero left out of the result
// would still raise the floating-point flags the next check reads.
template <class Compute>
std::optional<Extended> When(bool defined, Compute compute) {
  return defined ? std::optional<Extended>(compute()) : std::nullopt;
}

// Both means are defined for positive values only.
std::optional<Extended> OfPositives(Extended (*mean)(std::span<const Extended>),
                                    std::span<const Extended> values) {
  try {
    return mean(values);
  } catch (const EStatsError&) {
    return std::nullopt;
  }
}

// A product beyond the extended range as mantissa and power of ten, from Σ log10 |x|.
std::string LargeProductText(const Moments& m, const std::string& format) {
  Extended exponent = std::floor(m.log10Magnitude);
  std::string mantissa = Format(format, std::pow(10.0L, m.log10Magnitude - exponent));
  if (mantissa.starts_with("10")) {  // rounded up to ten
    exponent += 1;
    mantissa = Format(format, std::pow(10.0L, m.log10Magnitude - exponent));
  }
  return (m.negativeProduct ? "-" : "") + mantissa + "E+" + Format("%.0f", exponent);
}

void WriteBlock(Workbench& bench, const std::vector<double>& values, const Moments& m,
                const std::vector<Extended>& sorted, Extended mode) {
  StatsWriter out(bench.answer, bench.resultFormat);
  const Extended n = static_cast<Extended>(values.size());
  const std::vector<Extended> wide(values.begin(), values.end());

  out.Text("数组统计值：");
  out.Text("元素数N= " + IntToStr(static_cast<std::int64_t>(values.size())));
  out.Line("算术平均值Xp= ", m.sum / n);
  out.Line("几何平均值= ", OfPositives(GeometricMeanOfReals, wide));
  out.Line("调和平均值= ", OfPositives(HarmonicMeanOfReals, wide));
  out.Line("最大值= ", MaxOfReals(sorted));
  out.Line("最小值= ", MinOfReals(sorted));
  out.Line("总和= ", m.sum);
  if (m.product) {
    out.Line("总积= ", *m.product);
  } else {
    out.Text("总积= " + LargeProductText(m, bench.resultFormat));
  }
  out.Line("倒数和= ", m.reciprocals);
  out.Line("平方和= ", m.squares);
  out.Line("平方和的平方根= ", std::sqrt(m.squares));
  out.Text("");

  out.Line("中值= ", MedianOfSorted(sorted));
  if (mode > -1e42L) out.Line("频值= ", mode);
  const Extended s = m.spread;
  const Extended c1 = Checked(std::sqrt(s / (n - 1)));
  out.Line("标准偏差C= ", std::sqrt((n - 1) / n) * c1);
  out.Line("样本标准偏差C1= ", c1);
  out.Line("残差(Xi-Xp)平方和S= ", s);
  out.Line("样本Cv=C1/Xp= ", When(m.mean != 0, [&] { return c1 / m.mean; }));
  out.Line("样本Cs= ", When(c1 != 0, [&] {
    return n * m.cubedDeviations / ((n - 1) * (n - 2) * c1 * c1 * c1);
  }));
  out.Line("样本方差=S/(N-1)= ", s / (n - 1));
  out.Line("偏度= ", m.skewness);
  out.Line("峰度= ", m.kurtosis);
  out.Text("真值= " + out.Number(m.mean) + "±" + out.Number(std::sqrt(s / (n * (n - 1)))));
  out.Line("平均误差= ", std::sqrt(kTwoOverPi) * c1);
}

// The numbers as a plot block below the data: marker row s + 1, then i, x_i. Data typed
// across many columns would make every table row that wide, so the table stops where the
// worksheet would pass kMaxTableCells and the answer pane says how much it holds.
void WriteTable(Workbench& bench, const std::vector<double>& values) {
  Worksheet& grid = bench.grid;
  const int n = static_cast<int>(values.size());
  const int s = n / grid.ColCount() + 2;
  const long long room = kMaxTableCells / grid.ColCount() - (s + 2);
  const int listed = static_cast<int>(std::clamp<long long>(room, 0, n));
  if (listed < n)
    bench.answer.Add("（数据列数太多，图表数据只列出前" + IntToStr(listed) + "个数）");
  grid.SetRowCount(s + listed + 2);
  // The row holding the first empty cell is emptied when the data ended with the row before.
  if (IsEmptyCell(grid.Cell(0, s - 1))) grid.ClearRow(s - 1);
  for (int row = s; row < grid.RowCount(); ++row) grid.ClearRow(row);
  grid.SetCell(0, s + 1, "双击此格看图像");
  grid.SetCell(1, s + 1, "T");
  grid.SetCell(2, s + 1, "数组");
  for (int i = 1; i <= listed; ++i) {
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

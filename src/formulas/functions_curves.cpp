// Functions and curves: the extremum listing of rows 3 … 20 and the quadratic-equation blocks
// below the rows labelled 一般形式二次方程 (curves, rotated axes, centre, for each of them).
#include "formulas/functions_curves.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/random.h"
#include "expr/tree_eval.h"
#include "formulas/conic.h"
#include "formulas/function_extrema.h"
#include "sheet/answer_pane.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
constexpr int kFirstFunctionRow = 3;
constexpr int kLastFunctionRow = 20;
constexpr int kMaxListValues = 21;
constexpr int kBlockRows = 6;
constexpr const char* kQuadraticLabel = "一般形式二次方程";
// Added under the square root so that rounding cannot make a zero radicand negative.
constexpr Extended kRootGuard = 1e-20L;
constexpr const char* kUpperCurve = "y1=a*x+b+sqrt(c*x^2+d*x+e)";
constexpr const char* kLowerCurve = "y2=a*x+b-sqrt(c*x^2+d*x+e)";
constexpr const char* kAxisCurveX = "y3=a*(x-b)+c";
constexpr const char* kAxisCurveY = "y4=a*(x-b)+c";

std::vector<Extended> ListOf(const std::string& text) {
  if (Trim(text).empty()) return {};
  std::vector<Extended> values = SplitReals(text, ';');
  if (values.size() > kMaxListValues) values.resize(kMaxListValues);
  return values;
}

// --- extrema ---

class ExtremaListing {
 public:
  explicit ExtremaListing(Workbench& bench) : bench_(bench), g_(bench.grid) {}

  void Run() {
    bench_.answer.Add("函数在区间内的极值(只应用于直角坐标方程)");
    bench_.answer.Add("");
    const int last = std::min(kLastFunctionRow, g_.RowCount() - 1);
    for (int row = kFirstFunctionRow; row <= last && !g_.Cell(2, row).empty(); ++row) Function(row);
  }

 private:
  void Function(int row) {
    const std::vector<Extended> values = ListOf(g_.Cell(4, row));
    const std::vector<Extended> interval = ListOf(g_.Cell(5, row));
    const Extended s = interval.size() > 0 ? interval[0] : 0;
    const Extended t = interval.size() > 1 ? interval[1] : 0;
    const std::string& text = g_.Cell(2, row);
    g_.SetRow(row);
    // Parsed once: its messages are shown once, however many samples follow.
    bench_.random.Randomize(bench_.clock);
    const FormulaEvaluator f(text.size() > 2 ? text.substr(2) : "");
    f.ShowParseMessages(bench_.ui);
    LetterValues letters{};
    for (std::size_t i = 0; i < values.size() && i < 23; ++i) letters[i] = values[i];
    const SampledFunction sampled = [&](Extended x) -> std::optional<Extended> {
      letters['x' - 'a'] = x;
      try {
        return f.Evaluate(letters, bench_.random);
      } catch (const EZeroDivide&) {
      } catch (const EInvalidOp&) {
      } catch (const EOverflow&) {
      }
      return std::nullopt;  // an undefined sample is passed over
    };
    const std::string& name = g_.Cell(1, row);
    bench_.answer.Add(name + "的极大值点为：");
    List(Maxima(sampled, s, t));
    bench_.answer.Add(name + "的极小值点为：");
    List(Minima(sampled, s, t));
    bench_.answer.Add("");
  }

  void List(const std::vector<Extremum>& extrema) {
    const std::string& rf = bench_.resultFormat;
    for (const Extremum& e : extrema) bench_.answer.Add(Format(rf, e.x) + "," + Format(rf, e.y));
    if (extrema.size() == static_cast<std::size_t>(kMaxExtrema))
      bench_.answer.Add("（只列出前" + IntToStr(kMaxExtrema) + "个）");
  }

  Workbench& bench_;
  Worksheet& g_;
};

// --- the quadratic equation ---

class QuadraticBlock {
 public:
  QuadraticBlock(Workbench& bench, int row) : g_(bench.grid), rf_(bench.resultFormat), n_(row) {}

  void Run() {
    if (g_.RowCount() < n_ + kBlockRows + 1) g_.SetRowCount(n_ + kBlockRows + 1);
    for (int row = n_ + 1; row <= n_ + kBlockRows; ++row)
      for (int col = 1; col < g_.ColCount(); ++col) g_.SetCell(col, row, "");
    const std::vector<Extended> v = ListOf(g_.Cell(4, n_));
    const auto at = [&](std::size_t i) { return i < v.size() ? v[i] : 0; };
    q_ = {at(0), at(1), at(2), at(3), at(4), at(5)};
    kind_ = Classify(q_);
    if (q_.c != 0) {
      SquareRootForm();
    } else if (kind_ == ConicKind::kParallelLines || kind_ == ConicKind::kCoincidentLines ||
               (q_.b == 0 && q_.e == 0)) {
      VerticalLines();
    } else {
      QuotientForm();
    }
    Axes();
  }

 private:
  std::string Number(Extended value) const { return Format(rf_, Checked(value)); }
  std::string Joined(const std::vector<Extended>& values) const {
    std::string text;
    for (const Extended value : values) text += (text.empty() ? "" : ";") + Number(value);
    return text;
  }
  void Names() {
    const std::string name = ConicName(kind_);
    g_.SetCell(1, n_ + 1, name + "1");
    g_.SetCell(1, n_ + 2, name + "2");
  }

  // c ≠ 0: y = P0·x + P1 ± √(P2·x² + P3·x + P4), the two branches on rows N+1 and N+2.
  void SquareRootForm() {
    const Extended c2 = 2 * q_.c;
    const Extended p2 = (q_.b / c2) * (q_.b / c2) - q_.a / q_.c + kRootGuard;
    const Extended p3 = q_.b * q_.e / (2 * q_.c * q_.c) - q_.d / q_.c + kRootGuard;
    const Extended p4 = (q_.e / c2) * (q_.e / c2) - q_.f / q_.c;
    const std::string coefficients = Joined({-q_.b / c2, -q_.e / c2, p2, p3, p4});
    Names();
    g_.SetCell(4, n_ + 1, coefficients);
    g_.SetCell(4, n_ + 2, coefficients);
    if (kind_ == ConicKind::kNoLocus || kind_ == ConicKind::kPoint) {
      g_.SetCell(3, n_, kind_ == ConicKind::kPoint ? PointText() : "无轨迹");
      return;
    }
    g_.SetCell(2, n_ + 1, kUpperCurve);
    g_.SetCell(2, n_ + 2, kLowerCurve);
    DrawingRange(p2 - kRootGuard, p3 - kRootGuard, p4);
  }

  std::string PointText() const {
    const ConicTranslation moved = TranslateAxes(RotateAxes(q_));
    return "只有一点(" + Number(moved.x0) + "," + Number(moved.y0) + ")";
  }

  // Where the radicand P2·x² + P3·x + P4 is not negative, and a plotting range inside it.
  void DrawingRange(Extended p2, Extended p3, Extended p4) {
    const Extended scale = std::max({std::fabs(p2), std::fabs(p3), std::fabs(p4), 1e-300L});
    std::string region = "x=-∞~∞", range = "-10;10";
    if (IsLinePair(kind_)) {
      // the whole x axis
    } else if (std::fabs(p2) <= 1e-12L * scale && p3 != 0) {
      const Extended root = -p4 / p3;
      if (p3 > 0) {
        region = "x>" + Number(root);
        range = Number(root + 0.01L) + ";" + Number(root + 10.01L);
      } else {
        region = "x<" + Number(root);
        range = Number(root - 10.01L) + ";" + Number(root - 0.01L);
      }
    } else if (const Extended disc = p3 * p3 - 4 * p2 * p4; disc > 0 && p2 != 0) {
      Extended x = (-p3 - std::sqrt(disc)) / (2 * p2), y = (-p3 + std::sqrt(disc)) / (2 * p2);
      if (x > y) std::swap(x, y);
      if (p2 < 0) {
        region = "x=" + Number(x) + "~" + Number(y);
        range = Number(x + 0.01L) + ";" + Number(y - 0.01L);
      } else {
        region = "x<" + Number(x) + "; x>" + Number(y);
        range = Number(y + 0.01L) + ";" + Number(y + 10.01L);
      }
    }
    g_.SetCell(3, n_, "有图区间：" + region);
    g_.SetCell(5, n_ + 1, range);
  }

  // c = 0 and b ≠ 0 or e ≠ 0: y = −(a·x² + d·x + f)/(b·x + e), the coefficients as typed.
  void QuotientForm() {
    g_.SetCell(1, n_ + 1, ConicName(kind_));
    g_.SetCell(4, n_ + 1, g_.Cell(4, n_));
    if (q_.b == 0) {
      g_.SetCell(2, n_ + 1, "y1=-(a*x^2+d*x+f)/e");
      g_.SetCell(3, n_, "有图区间：x=-∞~∞");
      g_.SetCell(5, n_ + 1, "1;10");
      return;
    }
    if (q_.e == 0) {
      g_.SetCell(2, n_ + 1, "y1=-(a*x^2+d*x+f)/b/x");
      g_.SetCell(3, n_, "有图区间：x<>0");
      g_.SetCell(5, n_ + 1, "1;10");
      return;
    }
    // With both b and e the pole moves to x = −e/b.
    const Extended pole = -q_.e / q_.b;
    g_.SetCell(2, n_ + 1, "y1=-(a*x^2+d*x+f)/(b*x+e)");
    g_.SetCell(3, n_, "有图区间：x<>" + Number(pole));
    g_.SetCell(5, n_ + 1, Number(pole + 0.01L) + ";" + Number(pole + 10.01L));
  }

  // c = 0 and b = 0 and e = 0: a·x² + d·x + f = 0 holds on vertical lines only; a line pair
  // of that kind is also named and placed here.
  void VerticalLines() {
    Names();
    const std::vector<Extended> xs = VerticalLinePositions();
    if (xs.empty()) {
      g_.SetCell(3, n_, kind_ == ConicKind::kWholePlane ? "整个平面" : "无轨迹");
      return;
    }
    std::string where;
    for (const Extended x : xs) where += (where.empty() ? "x=" : "; x=") + Number(x);
    g_.SetCell(3, n_, "竖直线：" + where);
  }

  std::vector<Extended> VerticalLinePositions() const {
    if (q_.b != 0 || q_.c != 0 || q_.e != 0) return {};
    if (q_.a == 0) return q_.d == 0 ? std::vector<Extended>{} : std::vector<Extended>{-q_.f / q_.d};
    const Extended disc = q_.d * q_.d - 4 * q_.a * q_.f;
    if (disc < 0) return {};
    const Extended root = std::sqrt(disc);
    return {(-q_.d - root) / (2 * q_.a), (-q_.d + root) / (2 * q_.a)};
  }

  // The rotated axes through the centre or vertex, the rotated and the translated equation.
  void Axes() {
    const ConicRotation rotation = RotateAxes(q_);
    const ConicTranslation moved = TranslateAxes(rotation);
    const Extended angle = rotation.angle;
    g_.SetCell(1, n_ + 5, "旋转" + Number(angle * 180 / kPi) + "度");
    g_.SetCell(3, n_ + 5, EquationText(rotation.rotated));
    g_.SetCell(4, n_ + 5, Coefficients(rotation.rotated));
    if (!moved.moved) {
      g_.SetCell(1, n_ + 6, "无中心或顶点，不平移");
      return;
    }
    // The axis lines y = k·(x − x0) + y0 take k, x0 and y0 as a, b and c.
    const std::string origin = Number(moved.x0) + ";" + Number(moved.y0);
    g_.SetCell(1, n_ + 3, "新X轴");
    g_.SetCell(2, n_ + 3, kAxisCurveX);
    g_.SetCell(4, n_ + 3, Number(std::tan(angle)) + ";" + origin);
    g_.SetCell(1, n_ + 4, "新Y轴");
    if (angle == 0) {
      // A vertical line has no formula y = …; the curve list ends above it.
      g_.SetCell(3, n_ + 4, "x=" + Number(moved.x0));
    } else {
      g_.SetCell(2, n_ + 4, kAxisCurveY);
      g_.SetCell(4, n_ + 4, Number(-1 / std::tan(angle)) + ";" + origin);
    }
    g_.SetCell(1, n_ + 6, "坐标平移至(" + Number(moved.x0) + "," + Number(moved.y0) + ")");
    g_.SetCell(3, n_ + 6, EquationText(moved.translated));
    g_.SetCell(4, n_ + 6, Coefficients(moved.translated));
  }

  std::string Coefficients(const Conic& q) const { return Joined({q.a, q.b, q.c, q.d, q.e, q.f}); }

  // "a*x^2+b*x*y+c*y^2+d*x+e*y+f=0" with the numbers in place of the letters; zero terms
  // are left out.
  std::string EquationText(const Conic& q) const {
    static constexpr const char* kTerms[] = {"*x^2", "*x*y", "*y^2", "*x", "*y", ""};
    const Extended values[] = {q.a, q.b, q.c, q.d, q.e, q.f};
    std::string text;
    for (int i = 0; i < 6; ++i) {
      const std::string number = Number(values[i]);
      if (StrToFloat(number) == 0) continue;
      if (!text.empty() && number[0] != '-') text += "+";
      text += number + kTerms[i];
    }
    return (text.empty() ? "0" : text) + "=0";
  }

  Worksheet& g_;
  const std::string& rf_;
  int n_;
  Conic q_;
  ConicKind kind_ = ConicKind::kNoLocus;
};

// Every row labelled 一般形式二次方程, each with the block of rows below it; a row inside an
// earlier block (written there) is not a new equation.
std::vector<int> QuadraticRows(const Worksheet& g) {
  std::vector<int> rows;
  for (int row = 2; row < g.RowCount(); ++row) {
    if (g.Cell(1, row).find(kQuadraticLabel) == std::string::npos) continue;
    rows.push_back(row);
    row += kBlockRows;
  }
  return rows;
}

}  // namespace

void HandleFunctionsCurves(Workbench& bench) {
  Worksheet& g = bench.grid;
  g.SetDefaultColWidth(180);
  g.SetColWidth(0, 1);
  g.SetColWidth(1, 95);
  g.SetColWidth(5, 95);
  g.SetFixedCols(0);
  ExtremaListing(bench).Run();
  for (const int row : QuadraticRows(g)) QuadraticBlock(bench, row).Run();
}

}  // namespace zarnix

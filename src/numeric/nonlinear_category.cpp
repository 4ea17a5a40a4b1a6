// Nonlinear equations on the worksheet: the current item's kind, its lists, the solver for
// that kind and the answer-pane lines, then the reminder of how the category is used.
#include "numeric/nonlinear_category.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/gbk.h"
#include "expr/tree_eval.h"
#include "numeric/nonlinear.h"
#include "numeric/polynomial_roots.h"
#include "sheet/answer_pane.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kLabelCol = 1;
constexpr int kNameCol = 2;
constexpr int kEquationCol = 3;
constexpr int kListCol = 4;
constexpr int kValuesCol = 5;
constexpr int kMaxListValues = 26;
constexpr int kMaxRealCoefficients = 23;

enum class Kind { kNone, kTranscendental, kRealPolynomial, kComplexPolynomial, kSystem2, kSystem3 };

// Substring test that never matches from the second byte of a two-byte character.
bool Contains(std::string_view text, std::string_view word) {
  for (std::size_t pos = 0; pos + word.size() <= text.size(); pos += CharLengthAt(text, pos))
    if (text.compare(pos, word.size(), word) == 0) return true;
  return false;
}

// Later words override earlier ones.
Kind KindOf(std::string_view name) {
  Kind kind = Kind::kNone;
  if (Contains(name, "超越方程")) kind = Kind::kTranscendental;
  if (Contains(name, "一元"))
    kind = Contains(name, "复系数") ? Kind::kComplexPolynomial : Kind::kRealPolynomial;
  if (Contains(name, "二元方程组")) kind = Kind::kSystem2;
  if (Contains(name, "三元方程组")) kind = Kind::kSystem3;
  return kind;
}

// A ";" list: the number of parts and the first 26 of them as numbers (strict conversion).
struct NumberList {
  int count = 0;
  std::vector<Extended> values;

  Extended At(std::size_t i) const { return i < values.size() ? values[i] : 0; }
};

NumberList ReadList(const std::string& text) {
  NumberList list;
  if (IsEmptyCell(text)) return list;
  const std::vector<std::string> parts = SplitText(text, ';');
  list.count = static_cast<int>(parts.size());
  for (int i = 0; i < list.count && i < kMaxListValues; ++i)
    list.values.push_back(StrToFloat(parts[i]));
  return list;
}

// The equation text without its closing "=0".
std::string LeftSide(const std::string& equation) {
  return equation.size() >= 2 ? equation.substr(0, equation.size() - 2) : std::string();
}

class NonlinearRun {
 public:
  NonlinearRun(Workbench& bench, int row)
      : bench_(bench),
        g_(bench.grid),
        row_(row),
        rf_(bench.resultFormat),
        services_(EvalServices::Of(bench)) {}

  void Run(Kind kind) {
    if (kind == Kind::kSystem2 || kind == Kind::kSystem3)
      bench_.answer.Add(g_.Cell(kLabelCol, row_) + "的解：");
    if (kind != Kind::kComplexPolynomial) list_ = ReadList(g_.Cell(kListCol, row_));
    values_ = ReadList(g_.Cell(kValuesCol, row_));
    switch (kind) {
      case Kind::kTranscendental:
        Transcendental();
        break;
      case Kind::kSystem2:
        System(2);
        break;
      case Kind::kSystem3:
        System(3);
        break;
      case Kind::kComplexPolynomial:
        ComplexPolynomial();
        break;
      case Kind::kRealPolynomial:
        RealPolynomial();
        break;
      case Kind::kNone:
        break;
    }
  }

 private:
  void Transcendental() {
    bench_.answer.Add(g_.Cell(kNameCol, row_) + "的解：");
    const Extended tolerance = StrToFloat("1E-" + IntToStr(bench_.decimals));
    const std::vector<Extended> roots =
        IntervalRoots(services_, LeftSide(g_.Cell(kEquationCol, row_)), list_.values, tolerance,
                      values_.At(0), values_.At(1));
    for (const Extended root : roots) bench_.answer.Add(Format(rf_, root));
  }

  void System(int n) {
    EquationSystem system;
    for (int k = 0; k < n; ++k)
      system.equations.push_back(LeftSide(g_.Cell(kEquationCol, row_ + k)));
    system.coefficients = list_.values;
    system.tolerance = values_.At(n);
    std::vector<Extended> variables(n);
    for (int k = 0; k < n; ++k) variables[k] = values_.At(k);
    const bool solved = SystemGradientSolve(services_, system, variables) ||
                        SystemSecantSolve(services_, system, variables);
    if (!solved) {
      bench_.answer.Add("无解");
      return;
    }
    static constexpr const char* kNames[] = {"x=", "y=", "z="};
    for (int k = 0; k < n; ++k) bench_.answer.Add(kNames[k] + Format(rf_, variables[k]));
  }

  void ComplexPolynomial() {
    const std::string& coefficients = g_.Cell(kListCol, row_);
    bench_.answer.Add("一元复系数(" + coefficients + ")方程");
    bench_.answer.Add("    的解：");
    bench_.answer.Add(ComplexPolynomialRoots(coefficients, rf_, bench_.ui));
  }

  // The report, then the equation (from the pane's text) and the degree into the item.
  void RealPolynomial() {
    if (list_.count > kMaxRealCoefficients)
      throw Exception(Format("一元实系数方程最多%d个系数（%d次）", kMaxRealCoefficients,
                             kMaxRealCoefficients - 1));
    // Zero leading coefficients only lower the degree.
    std::span<const Extended> coefficients(list_.values.data(), list_.values.size());
    while (!coefficients.empty() && coefficients.front() == 0)
      coefficients = coefficients.subspan(1);
    if (list_.count > 0 && coefficients.empty()) throw Exception(kAllZeroCoefficients);
    const int m = static_cast<int>(coefficients.size());
    bench_.answer.Add(PolynomialRootsReport(rf_, coefficients));
    if (m == 0) return;
    const std::string text = bench_.answer.Text();
    const std::size_t blank = text.find(' ');
    const std::size_t equals = text.find('=');
    if (blank != std::string::npos && equals != std::string::npos && equals > blank)
      g_.SetCell(kEquationCol, row_, text.substr(blank + 1, equals - blank + 1));
    g_.SetCell(kNameCol, row_, "一元" + IntToStr(m - 1) + "次方程");
  }

  Workbench& bench_;
  Worksheet& g_;
  int row_;
  const std::string& rf_;
  EvalServices services_;
  NumberList list_;
  NumberList values_;
};

}  // namespace

void HandleNonlinearEquations(Workbench& bench) {
  Worksheet& g = bench.grid;
  bench.answer.Clear();
  g.SetDefaultColWidth(130);
  g.SetColWidth(0, 1);
  g.SetColWidth(1, 45);
  g.SetColWidth(2, 100);
  g.SetColWidth(3, 150);

  const int row = g.Row();
  const std::string& label = g.Cell(kLabelCol, row);
  const std::string& name = g.Cell(kNameCol, row);
  if (!IsEmptyCell(label) && !IsEmptyCell(name) && label != "***")
    NonlinearRun(bench, row).Run(KindOf(name));

  bench.answer.Add("");
  bench.answer.Add("双击一元方程式看f(x)图像");
  bench.answer.Add("");
  bench.answer.Add("每次计算一项");
  bench.answer.Add("选择某方程（多元方程选择第一个方程），单击非线性方程按钮解方程");
}

}  // namespace zarnix

// Systems of differential equations on the worksheet: equations, initial values, step and
// parameters in, the RK4 trajectory every fifth step out as a plot block.
#include "numeric/ode_category.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/gbk.h"
#include "expr/eval_wrappers.h"
#include "numeric/ode.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kColumnWidth = 60;
constexpr int kWideColumnWidth = 200;
constexpr int kParameterRow = 2;
constexpr int kFirstEquationRow = 4;
constexpr int kMaxParameters = 26;
// The table holds one row per five steps; a million steps keep it and the run bounded.
constexpr int kMaxSteps = 1000000;
constexpr const char* kPlotMarker = "双击此格看图像";

struct Equation {
  std::string rightSide;
  Extended initial = 0;
  bool tabulated = false;
};

struct Parameters {
  std::vector<std::string> names;
  std::vector<Extended> values;
};

bool IsIdentifierStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || IsLeadByte(c);
}

bool IsIdentifierChar(unsigned char c) {
  return IsIdentifierStart(c) || (c >= '0' && c <= '9');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// End of the number starting at pos: digits and points, then an exponent when one follows.
std::size_t NumberEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size() && (IsDigit(text[pos]) || text[pos] == '.')) ++pos;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    if (exp < text.size() && IsDigit(text[exp])) {
      while (exp < text.size() && IsDigit(text[exp])) ++exp;
      pos = exp;
    }
  }
  return pos;
}

std::vector<Equation> ReadEquations(const Worksheet& g) {
  std::vector<Equation> equations;
  for (int row = kFirstEquationRow; row < g.RowCount() && !IsEmptyCell(g.Cell(0, row)); ++row) {
    const std::string& text = g.Cell(0, row);
    const std::size_t eq = text.find('=');
    Equation e;
    e.rightSide = eq == std::string::npos ? text : text.substr(eq + 1);
    e.initial = StrToFloat(g.Cell(1, row));
    e.tabulated = g.Cell(2, row) == "1";
    equations.push_back(std::move(e));
  }
  return equations;
}

// Entries name=value separated by ";"; an entry without "=" is a value without a name.
Parameters ReadParameters(const std::string& text) {
  Parameters p;
  if (IsEmptyCell(text)) return p;
  const std::vector<std::string> entries = SplitText(text, ';');
  for (std::size_t k = 0; k < entries.size() && k < kMaxParameters; ++k) {
    const std::string& entry = entries[k];
    const std::size_t eq = entry.find('=');
    p.names.push_back(eq == std::string::npos ? "" : Trim(entry.substr(0, eq)));
    p.values.push_back(StrToFloat(eq == std::string::npos ? entry : entry.substr(eq + 1)));
  }
  return p;
}

// The right sides compiled once; f(y) as EvalFormulaYn gives it for each.
class RightSides {
 public:
  RightSides(EvalServices services, const std::vector<Equation>& equations,
             const Parameters& parameters)
      : parameters_(parameters.values), ys_(equations.size() + 1, 0) {
    for (const Equation& e : equations) {
      formulas_.emplace_back(services, ReplaceParameterNames(e.rightSide, parameters.names));
      if (!formulas_.back().Ok()) ok_ = false;
    }
  }

  bool Ok() const { return ok_; }

  void operator()(std::span<const Extended> y, std::span<Extended> dy) {
    for (std::size_t i = 0; i < y.size(); ++i) ys_[i + 1] = y[i];
    for (std::size_t i = 0; i < formulas_.size(); ++i)
      dy[i] = formulas_[i].EvaluateYn(parameters_, ys_);
  }

 private:
  std::vector<RealFormula> formulas_;
  std::vector<Extended> parameters_;
  std::vector<Extended> ys_;
  bool ok_ = true;
};

void WriteTable(Workbench& bench, const std::vector<Equation>& equations, Extended h, int steps,
                const std::vector<std::vector<Extended>>& trajectory) {
  Worksheet& g = bench.grid;
  const std::string& rf = bench.resultFormat;
  const int n = static_cast<int>(equations.size());
  const int m = steps / kOdeKeepEvery;
  const int markerRow = n + 5;
  g.SetRowCount(n + m + 7);
  g.SetCell(0, markerRow, kPlotMarker);
  g.SetCell(1, markerRow, "T");
  for (int k = 0; k <= m; ++k) g.SetCell(1, markerRow + 1 + k, Format(rf, kOdeKeepEvery * k * h));

  int flagged = 0;
  for (const Equation& e : equations) flagged += e.tabulated;
  g.SetColCount(g.ColCount() + flagged);
  if (g.ColCount() > 3) g.SetColCount(g.ColCount() - 1);
  for (int row = 0; row < g.RowCount(); ++row)
    for (int col = 3; col < g.ColCount(); ++col) g.SetCell(col, row, "");
  for (int row = markerRow + 1; row < g.RowCount(); ++row) g.SetCell(0, row, "");

  int col = 2;
  for (int i = 0; i < n; ++i) {
    if (!equations[i].tabulated) continue;
    g.SetCell(col, markerRow, "y" + IntToStr(i + 1));
    for (int k = 0; k <= m; ++k) g.SetCell(col, markerRow + 1 + k, Format(rf, trajectory[i][k]));
    ++col;
  }
}

}  // namespace

std::string ReplaceParameterNames(std::string_view text, const std::vector<std::string>& names) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (IsDigit(c) || (c == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1]))) {
      const std::size_t end = NumberEnd(text, pos);
      out.append(text.substr(pos, end - pos));
      pos = end;
    } else if (IsIdentifierStart(c)) {
      std::size_t end = pos;
      while (end < text.size() && IsIdentifierChar(static_cast<unsigned char>(text[end])))
        end += CharLengthAt(text, end);
      const std::string_view word = text.substr(pos, end - pos);
      std::size_t k = 0;
      while (k < names.size() && names[k] != word) ++k;
      if (k < names.size() && k < kMaxParameters)
        out += static_cast<char>('a' + k);
      else
        out.append(word);
      pos = end;
    } else {
      out += static_cast<char>(c);
      ++pos;
    }
  }
  return out;
}

void HandleOdeSystem(Workbench& bench) {
  Worksheet& g = bench.grid;
  g.SetDefaultColWidth(kColumnWidth);
  g.SetColWidth(0, kWideColumnWidth);
  g.SetColWidth(2, kWideColumnWidth);

  const std::vector<Equation> equations = ReadEquations(g);
  const Extended h = StrToFloat(g.Cell(0, kParameterRow));
  const int steps = StrToInt(g.Cell(1, kParameterRow));
  if (steps < 0 || steps > kMaxSteps) throw Exception("步数应在0到" + IntToStr(kMaxSteps) + "之间");
  const Parameters parameters = ReadParameters(g.Cell(2, kParameterRow));

  RightSides f(EvalServices::Of(bench), equations, parameters);
  if (!f.Ok()) return;  // the compiler's message has been shown
  std::vector<Extended> initial;
  for (const Equation& e : equations) initial.push_back(e.initial);
  const auto trajectory = RungeKutta4System(
      [&f](std::span<const Extended> y, std::span<Extended> dy) { f(y, dy); }, initial, h, steps);
  WriteTable(bench, equations, h, steps, trajectory);
}

}  // namespace zarnix

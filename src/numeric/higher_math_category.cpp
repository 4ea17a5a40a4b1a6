// The higher-mathematics category: its item table and one small function per item, run by the
// item-sheet loop. Items return the text of their result cell; 17 and 65 write the answer pane.
#include "numeric/higher_math_category.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "discrete/bignum/pi_digits.h"
#include "expr/eval_wrappers.h"
#include "numeric/higher_math_integrals.h"
#include "numeric/higher_math_probability.h"
#include "numeric/higher_math_functions.h"
#include "numeric/stats.h"
#include "sheet/ask_text.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"

namespace zarnix {

namespace {

constexpr int kFirstParamCol = 4;
constexpr int kCsCol = 6;
// Whole-number parameters beyond this cannot be counts.
constexpr Extended kMaxWhole = 4e18L;
constexpr int kDoubleIntegralSteps = 1000;
constexpr const char* kEllipticK = "ff(0,pi/2,x,1/sqrt(1-a*a*sin(x)*sin(x)))";
constexpr const char* kEllipticE = "ff(0,pi/2,x,sqrt(1-a*a*sin(x)*sin(x)))";

// A formula the compiler rejected: its message has been shown, the run ends without another.
struct FormulaRejected {};

EvalServices Services(ItemRow& row) {
  return EvalServices::Of(row.Bench());
}

// The formula's value with the row's parameters as a, b, c, …
Extended Evaluate(ItemRow& row, const std::string& formula) {
  RealFormula compiled(Services(row), formula);
  if (!compiled.Ok()) throw FormulaRejected{};
  return compiled.EvaluateXYZ(row.Params(), 0, 0, 0);
}

// y = f(x) with the row's parameters as a, b, c, …
CurveFunction CurveOf(ItemRow& row, RealFormula& compiled) {
  if (!compiled.Ok()) throw FormulaRejected{};
  return [&row, &compiled](Extended x) { return compiled.EvaluateXYZ(row.Params(), x, 0, 0); };
}

// P(i) rounded to the nearest whole number, halves to even.
std::int64_t Whole(const ItemRow& row, int i) {
  const Extended value = std::nearbyint(row.P(i));
  if (!(std::fabs(value) <= kMaxWhole)) throw EHigherMathError(HigherMathError::kTooLarge);
  return static_cast<std::int64_t>(value);
}

// --- probabilities ---

std::string NormalProbabilityItem(ItemRow& row) {
  return row.Real(NormalProbability(row.P(0), row.P(1), row.P(2), row.P(3)));
}

std::string BinomialItem(ItemRow& row) {
  return row.Real(BinomialProbability(Whole(row, 0), Whole(row, 1), row.P(2)));
}

std::string AtLeastItem(ItemRow& row) {
  return row.Real(AtLeastSuccessesProbability(Whole(row, 0), Whole(row, 1), row.P(2)));
}

std::string MeanMissItem(ItemRow& row) {
  const std::int64_t b = Whole(row, 0);
  const Extended share = std::trunc(static_cast<Extended>(b) * row.P(2));
  if (!(std::fabs(share) <= kMaxWhole)) throw EHigherMathError(HigherMathError::kTooLarge);
  return row.Real(MeanMissProbability(b, Whole(row, 1), static_cast<std::int64_t>(share)));
}

std::string HypergeometricItem(ItemRow& row) {
  return row.Real(HypergeometricTail(Whole(row, 0), Whole(row, 1), Whole(row, 2), Whole(row, 3)));
}

std::string OrderedDrawItem(ItemRow& row) {
  return row.Real(OrderedDrawProbability(Whole(row, 0), Whole(row, 1)));
}

// Cs, asked for again once when it is below 2 Cv; the answer replaces the cell.
Extended PearsonSkew(ItemRow& row) {
  const Extended cv = row.P(1);
  Extended cs = row.P(2);
  if (!PearsonSkewTooSmall(cv, cs)) return cs;
  std::string least = Format("%.2f", 2 * cv);
  // The default must itself be enough: the next hundredth up when "%.2f" rounded down.
  if (PearsonSkewTooSmall(cv, StrToFloatDef(least, 0)))
    least = Format("%.2f", std::ceil(200 * cv) / 100);
  const std::string answer =
      AskText(row.Bench().ui, "请重新输入Cs", "要求 Cs >= " + Format("%.2f", 2 * cv), least);
  row.SetCell(kCsCol, answer);
  return StrToFloatDef(answer, 0);
}

std::string PearsonItem(ItemRow& row) {
  row.Add(IntToStr(row.Number()) + ": 皮尔逊Ⅲ型累积频率曲线");
  row.Add("累积频率      X");
  try {
    const Extended cs = PearsonSkew(row);
    for (const PearsonPoint& point : PearsonIIICurve(row.P(0), row.P(1), cs))
      row.Add(row.Real(point.percent) + "      " + row.Real(point.x));
  } catch (const EHigherMathError& error) {
    row.Add(error.Message());
    row.Add("");
    throw;
  }
  row.Add("");
  return "";
}

std::string NormalDensityItem(ItemRow& row) {
  return row.Real(NormalDensity(row.P(0), row.P(1), row.P(2)));
}

std::string NoneOfItem(ItemRow& row) {
  return row.Real(1 - std::pow(row.P(1), static_cast<Extended>(Whole(row, 0))));
}

std::string AllDifferentItem(ItemRow& row) {
  return row.Real(
      AllDifferentProbability(row.StrictInt(kFirstParamCol), row.StrictInt(kFirstParamCol + 1)));
}

std::string BirthdayItem(ItemRow& row) {
  return row.Real(BirthdayProbability(row.StrictInt(kFirstParamCol)));
}

std::string CentralBinomialItem(ItemRow& row) {
  return row.Real(CentralBinomialRatio(row.StrictInt(kFirstParamCol)));
}

// --- integrals ---

std::string CurveLengthItem(ItemRow& row) {
  RealFormula curve(Services(row), row.Cell(3));
  return row.Real(CurveLength(CurveOf(row, curve), row.P(0), row.P(1)));
}

std::string CurveAreaItem(ItemRow& row) {
  RealFormula curve(Services(row), row.Cell(3));
  return row.Real(CurveArea(CurveOf(row, curve), row.P(0), row.P(1)));
}

std::string SplineIntegralItem(ItemRow& row) {
  const std::vector<Extended> x = SplitReals(row.Cell(kFirstParamCol), ';');
  const std::vector<Extended> y = SplitReals(row.Cell(kFirstParamCol + 1), ';');
  return row.Real(SplineIntegral(x, y));
}

// The nested ff integral with `steps` midpoints in each direction.
std::string DoubleIntegralText(ItemRow& row, int steps) {
  const auto cell = [&row](int i) { return row.Cell(kFirstParamCol + i); };
  const std::string n = "," + IntToStr(steps) + ",";
  return "ff(" + cell(0) + "," + cell(1) + ",x" + n + "ff(" + cell(2) + "," + cell(3) + ",y" + n +
         cell(4) + "))";
}

// The midpoint rule errs by c·h² + O(h⁴): two step widths, extrapolated, give the digits that
// 1000 steps alone would get wrong from the seventh decimal on.
std::string DoubleIntegralItem(ItemRow& row) {
  const Extended coarse = Evaluate(row, DoubleIntegralText(row, kDoubleIntegralSteps / 2));
  const Extended fine = Evaluate(row, DoubleIntegralText(row, kDoubleIntegralSteps));
  return row.Real(fine + (fine - coarse) / 3);
}

std::string EllipticItem(ItemRow& row) {
  if (!(std::fabs(row.P(0)) < 1)) throw EHigherMathError(HigherMathError::kEllipticModulus);
  const Extended k = Evaluate(row, kEllipticK);
  const Extended e = Evaluate(row, kEllipticE);
  return row.Real(k) + ";" + row.Real(e);
}

// --- special functions and constants ---

std::string BesselItem(ItemRow& row) {
  return row.Real(BesselJ(row.P(0), row.P(1)));
}

std::string GammaItem(ItemRow& row) {
  return row.Real(GammaFunction(row.P(0)));
}

std::string BetaItem(ItemRow& row) {
  return row.Real(BetaFunction(row.P(0), row.P(1)));
}

std::string ESeriesItem(ItemRow& row) {
  return row.Real(ExponentialSeries(Whole(row, 0)));
}

std::string PiItem(ItemRow& row) {
  const int decimals = row.ClampedCount(0, 0, kMaxPiDecimals);
  row.Add(IntToStr(row.Number()) + ".计算PI至小数点后" + row.Cell(kFirstParamCol) + "位");
  row.Add(PiDigits(decimals));
  row.Add("");
  return "";
}

std::string EulerItem(ItemRow& row) {
  return row.Real(EulerConstantApproximation(Whole(row, 0)));
}

std::string LegendreItem(ItemRow& row) {
  return row.Real(AssociatedLegendre(Whole(row, 0), Whole(row, 1), row.P(2)));
}

using HigherMathItem = ItemEntry<std::string (*)(ItemRow&)>;

constexpr HigherMathItem kItems[] = {
    {11, 11, NormalProbabilityItem},
    {12, 12, BinomialItem},
    {13, 13, AtLeastItem},
    {14, 14, MeanMissItem},
    {15, 15, HypergeometricItem},
    {16, 16, OrderedDrawItem},
    {17, 17, PearsonItem},
    {18, 18, NormalDensityItem},
    {19, 19, NoneOfItem},
    {20, 20, AllDifferentItem},
    {21, 21, BirthdayItem},
    {22, 22, CentralBinomialItem},
    {51, 51, CurveLengthItem},
    {52, 52, CurveAreaItem},
    {53, 53, SplineIntegralItem},
    {54, 54, DoubleIntegralItem},
    {56, 56, EllipticItem},
    {61, 61, BesselItem},
    {62, 62, GammaItem},
    {63, 63, BetaItem},
    {64, 64, ESeriesItem},
    {65, 65, PiItem},
    {66, 66, EulerItem},
    {67, 67, LegendreItem},
};

constexpr ColumnWidth kWidths[] = {{0, 1},   {1, 16},  {2, 100},
                                   {3, 125}, {4, 150}, {kLastColumn, 100}};

bool ComputeRow(ItemRow& row) {
  try {
    if (!ComputeItem<HigherMathItem>(kItems, row)) row.SetResult(row.Real(0));
  } catch (const EHigherMathError& error) {
    throw ItemError(error.Message());
  }
  return true;
}

}  // namespace

void HandleHigherMathematics(Workbench& bench) {
  ItemSheetOptions options;
  options.columns = {40, kWidths};
  options.errorsInResultCell = true;
  try {
    RunItemRows(bench, options, ComputeRow);
  } catch (const FormulaRejected&) {
    // The compiler has shown its message; the run ends here.
  }
}

}  // namespace zarnix

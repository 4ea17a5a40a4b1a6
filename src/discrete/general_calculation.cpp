// The general calculation category: its item table and one function per item, run by the
// item-sheet loop. Items write their row's result cell or the answer pane.
#include "discrete/general_calculation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/gbk.h"
#include "base/ui.h"
#include "discrete/bignum/big_decimal.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/general_operations.h"
#include "discrete/integer_text.h"
#include "expr/eval_wrappers.h"
#include "expr/tree_eval.h"
#include "sheet/answer_pane.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFormulaLetters = 23;  // a ... w; x is the 24th value
constexpr int kDefaultDigits = 20;
constexpr int kMinRootDegree = 2;
constexpr int kMaxRootDegree = 18;
// Terms a sequence item lists at most; its sum covers every term.
constexpr int kMaxListedTerms = 10000;

constexpr const char* kExponentError = "指数错误";
constexpr const char* kDegreeError = "开方数错误";
constexpr const char* kFractionSubtractError = "分数减法被减数小于减数";
constexpr const char* kFractionTermError = "分数的分子和分母应为非负整数";

EvalServices Services(ItemRow& row) {
  return EvalServices::Of(row.Bench());
}

// Every letter z of a GBK text replaced by x; the second byte of a Chinese character is kept.
std::string ReplaceZByX(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); i += CharLengthAt(out, i))
    if (out[i] == 'z') out[i] = 'x';
  return out;
}

// A decimal text as a real: a missing integer digit (".5") is fine.
Extended DecimalValue(const std::string& text) {
  return StrToFloat(text);
}

// --- formulas ---

// Items 1 and 3: a real formula with parameters and x written in base B.
void FormulaInBase(ItemRow& row) {
  const int base = StrToIntDef(row.Trimmed(7), 10);
  std::vector<Extended> values(26, 0);
  if (base == 10) {
    int count = 0;
    SplitReals(row.Cell(6), ';', std::span(values).first(kFormulaLetters), count);
    if (!row.Trimmed(5).empty()) values[kFormulaLetters] = row.P(1);
  } else {
    std::vector<std::string> texts = SplitText(row.Cell(6), ';');
    texts.push_back(row.Cell(5));
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const Extended value = DecimalValue(RealToBase(texts[i], base, 10));
      if (i < kFormulaLetters) values[i] = value;
      values[kFormulaLetters] = value;
    }
  }
  const Extended value = EvalFormulaVars(Services(row), row.Cell(4), values);
  CheckFpFaults();
  if (base == 10) {
    row.SetResult(row.Real(value));
    return;
  }
  std::string text = RealToBase(PlainDecimalText(value), 10, base);
  const std::size_t point = text.find('.');
  const std::size_t decimals = static_cast<std::size_t>(row.Bench().decimals);
  if (point != std::string::npos && text.size() > point + 1 + decimals)
    text.resize(point + 1 + decimals);
  row.SetResult(std::move(text));
}

// Item 2: a complex formula in x (or z) and a ... f.
void ComplexFormulaItem(ItemRow& row) {
  const std::string formula = ReplaceZByX(LowerCase(row.Cell(4)));
  std::string values = row.Cell(5) + ";" + row.Cell(6);
  std::replace(values.begin(), values.end(), ';', ',');
  Extended re = std::nanl("");
  Extended im = std::nanl("");
  EvalComplexFormula(Services(row), formula, values, re, im);
  if (std::isnan(re) || std::isnan(im)) return;  // the message has been shown
  CheckFpFaults();
  row.SetResult(FormatComplex(row.ResultFormat(), re, im));
}

// --- big numbers: the dotted header, one entry of lines, two empty lines ---

void BigEntry(ItemRow& row, std::initializer_list<std::string_view> lines) {
  std::string entry;
  for (std::string_view line : lines) {
    if (!entry.empty()) entry += "\r\n";
    entry += line;
  }
  row.Add(row.DottedHeader());
  row.Add(entry);
  row.Add("");
  row.Add("");
}

void BigArithmeticItem(ItemRow& row) {
  const std::string a = DecimalTextOf(row.Cell(4));
  const std::string op = row.Trimmed(5);
  const std::string b = DecimalTextOf(row.Cell(6));
  std::string result;
  if (op == "+") result = DecimalAdd(a, b);
  if (op == "-") result = DecimalSubtract(a, b);
  if (op == "*") result = DecimalMultiply(a, b);
  BigEntry(row, {a, op, b, "=", result});
}

void BigDivisionItem(ItemRow& row) {
  const std::string a = DecimalTextOf(row.Cell(4));
  const std::string b = DecimalTextOf(row.Cell(5));
  const std::int64_t digits = StrToInt64Def(row.Trimmed(6), kDefaultDigits);
  BigEntry(row, {a, "/", b, "=", DecimalDivide(a, b, digits)});
}

void BigWholePower(ItemRow& row) {
  const std::string a = DecimalTextOf(row.Cell(4));
  const std::int64_t k = StrToInt64Def(row.Trimmed(5), -1);
  const std::string result = k <= 0 ? kExponentError : DecimalPower(a, k);
  BigEntry(row, {"(" + a + ")^" + row.Trimmed(5), "=", result});
}

void BigRootItem(ItemRow& row) {
  const std::string a = DecimalTextOf(row.Cell(4));
  const std::int64_t n = StrToInt64Def(row.Trimmed(5), -1);
  const std::int64_t p = StrToInt64Def(row.Trimmed(6), kDefaultDigits);
  const bool degreeOk = n >= kMinRootDegree && n <= kMaxRootDegree;
  const std::string result = degreeOk ? DecimalRoot(a, n, p) : kDegreeError;
  BigEntry(row, {a, "开" + row.Trimmed(5) + "次方", "=", result});
}

// --- bases, continued fractions, fractions of decimals ---

void RealBaseItem(ItemRow& row) {
  row.SetResult(RealToBase(row.Cell(4), StrToInt(row.Trimmed(5)), StrToInt(row.Trimmed(6))));
}

void ContinuedFractionItem(ItemRow& row) {
  const std::vector<std::string> lines =
      ContinuedFractionLines(row.Trimmed(4), row.Bench().decimals);
  row.Add("12.小数化连分数");
  for (const std::string& line : lines) row.Add(line);
  row.Add("");
}

void RepeatingDecimalItem(ItemRow& row) {
  row.SetResult(DecimalToFraction(row.Cell(4), row.Cell(5)));
}

void ReduceFractionItem(ItemRow& row) {
  row.SetResult(ReduceFraction(row.Cell(4)));
}

// --- angles and complex forms ---

std::string DmsText(ItemRow& row, Extended degrees) {
  const Dms dms = DegreesToDMS(degrees);
  CheckFpFaults();
  return Format("%.0f", dms.degrees) + "度" + Format("%.0f", dms.minutes) + "分" +
         row.Real(dms.seconds) + "秒";
}

void DegreesToRadiansItem(ItemRow& row) {
  const Extended x = row.P(0);
  row.Add(row.ColonHeader());
  row.Add(row.Cell(4) + "度=");
  row.Add(row.Real(x * kPi / 180) + "弧度");
  row.Add(DmsText(row, x));
  row.Add("");
}

void RadiansToDegreesItem(ItemRow& row) {
  const Extended y = row.P(0) / kPi * 180;
  row.Add(row.ColonHeader());
  row.Add(row.Cell(4) + "弧度=");
  row.Add(row.Real(y) + "度");
  row.Add(DmsText(row, y));
  row.Add("");
}

void DmsItem(ItemRow& row) {
  const Extended y = row.P(0) + row.P(1) / 60 + row.P(2) / 3600;
  row.Add(row.ColonHeader());
  row.Add(row.Cell(4) + "度" + row.Cell(5) + "分" + row.Cell(6) + "秒=");
  row.Add(row.Real(y) + "度");
  row.Add(row.Real(y * kPi / 180) + "弧度");
  row.Add("");
}

void ComplexToPolarItem(ItemRow& row) {
  const Extended a = row.P(0);
  const Extended b = row.P(1);
  const Extended r = std::hypot(a, b);
  if (r == 0) throw EZeroDivide();  // the angle of 0 is not defined
  Extended angle = std::acos(a / r) * 180 / kPi;
  if (b < 0) angle = -angle;
  const std::string theta = row.Real(angle);
  row.SetResult(row.Real(r) + "*(cos(" + theta + "°)+sin(" + theta + "°)*i)");
}

// A part that shows as zero carries no sign.
std::string UnsignedZero(std::string text) {
  if (!text.empty() && text[0] == '-' && StrToFloat(text) == 0) text.erase(0, 1);
  return text;
}

void PolarToComplexItem(ItemRow& row) {
  const Extended theta = row.P(1) * kPi / 180;
  const std::string x = UnsignedZero(row.Real(row.P(0) * std::cos(theta)));
  const std::string y = UnsignedZero(row.Real(row.P(0) * std::sin(theta)));
  row.SetResult(x + (y[0] == '-' ? "" : "+") + y + "*i");
}

// --- fractions ---

struct Fraction {
  std::string numerator;
  std::string denominator;
};

std::string FractionTerm(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (!IsBaseDigits(trimmed, 10) && TryStrToInt64(trimmed)) throw Exception(kFractionTermError);
  return DigitTextOf(text);
}

// "n/d", or a whole number n as n/1.
Fraction ParseFraction(const std::string& text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return {FractionTerm(text), "1"};
  return {FractionTerm(text.substr(0, slash)), FractionTerm(text.substr(slash + 1))};
}

std::string FractionText(const std::string& cell) {
  return Trim(cell);
}

bool IsZero(const std::string& digits) {
  return StripLeadingZeros(digits) == "0";
}

std::string Product(const std::vector<std::string>& factors) {
  std::string product = "1";
  for (const std::string& factor : factors) product = BigMultiply(product, factor);
  return product;
}

void FractionItem(ItemRow& row) {
  const int kind = row.Number() - 21;  // 0 +, 1 -, 2 *, 3 /
  static constexpr const char* kNames[] = {": 分数加法", ": 分数减法", ": 分数乘法", ": 分数除法"};
  std::vector<std::string> texts;
  if (kind == 1) {
    texts = {row.Cell(4), row.Cell(5)};
  } else {
    for (int col = row.FirstParamCol(); col <= row.LastParamCol() && !row.Trimmed(col).empty();
         ++col)
      texts.push_back(row.Cell(col));
  }
  std::vector<Fraction> fractions;
  for (const std::string& text : texts) fractions.push_back(ParseFraction(text));
  for (const Fraction& f : fractions) {
    if (IsZero(f.denominator)) {
      row.Bench().ui.ShowMessage(kZeroDenominatorText);
      return;
    }
  }
  // Division multiplies by the reciprocals of every fraction but the first.
  if (kind == 3) {
    for (std::size_t i = 1; i < fractions.size(); ++i) {
      std::swap(fractions[i].numerator, fractions[i].denominator);
      if (IsZero(fractions[i].denominator)) {
        row.Bench().ui.ShowMessage(BigStatusMessage(BigStatus::kZeroDivisor));
        return;
      }
    }
  }

  std::string x;
  std::string y;
  if (kind == 0) {
    std::vector<std::string> denominators;
    for (const Fraction& f : fractions) denominators.push_back(f.denominator);
    y = Product(denominators);
    x = "0";
    for (const Fraction& f : fractions)
      x = BigAdd(x, BigMultiply(f.numerator, BigDivMod(y, f.denominator).quotient));
  } else if (kind == 1) {
    const std::string left = BigMultiply(fractions[0].numerator, fractions[1].denominator);
    const std::string right = BigMultiply(fractions[1].numerator, fractions[0].denominator);
    x = BigSubtract(left, right);
    if (x[0] == '-') {
      row.Bench().ui.ShowMessage(kFractionSubtractError);
      return;
    }
    y = BigMultiply(fractions[0].denominator, fractions[1].denominator);
  } else {
    std::vector<std::string> numerators, denominators;
    for (const Fraction& f : fractions) {
      numerators.push_back(f.numerator);
      denominators.push_back(f.denominator);
    }
    x = Product(numerators);
    y = Product(denominators);
  }

  static constexpr const char* kJoins[] = {"+", "-", "*", "/"};
  std::string w;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) w += kJoins[kind];
    const std::string f = FractionText(texts[i]);
    w += kind == 3 ? "(" + f + ")" : f;
  }
  const Extended value = EvalFormulaAZ(Services(row), w, std::vector<Extended>(26, 0));
  const BigDivision division = BigDivMod(x, y);
  row.Add(IntToStr(row.Number()) + kNames[kind]);
  row.Add(w);
  row.Add(division.quotient != "0" ? "=" + division.quotient + "+" + division.remainder + "/" + y
                                   : "=" + x + "/" + y);
  row.Add("=" + row.Real(value));
  row.Add("");
}

// --- sequences ---

// n rounded to a whole count of terms.
Extended TermCount(ItemRow& row) {
  return std::nearbyint(row.P(2));
}

void GeometricItem(ItemRow& row) {
  const Extended a = row.P(0);
  const Extended q = row.P(1);
  const Extended n = TermCount(row);
  row.SetResult(row.Real(GeometricSum(a, q, n)));
  std::string terms;
  Extended term = a;
  for (Extended j = 0; j < n && j < kMaxListedTerms; ++j) {
    terms += row.Real(term) + "  ";
    term *= q;
  }
  row.Add(IntToStr(row.Number()) + ": 等比数列");
  row.Add(terms + "……");
  // The series converges only for |q| < 1.
  if (std::fabs(q) < 1) row.Add("n→∞时的极限=" + row.Real(a / (1 - q)));
  row.Add("");
}

void ArithmeticItem(ItemRow& row) {
  const Extended a = row.P(0);
  const Extended e = row.P(1);
  const Extended n = TermCount(row);
  row.SetResult(row.Real(ArithmeticSum(a, e, n)));
  std::string terms;
  for (Extended j = 0; j < n && j < kMaxListedTerms; ++j) terms += row.Real(a + j * e) + "  ";
  row.Add(IntToStr(row.Number()) + ": 等差数列");
  row.Add(terms + "……");
  row.Add("");
}

void BernoulliItem(ItemRow& row) {
  const int count = row.ClampedCount(0, 1, kMaxBernoulliCount);
  std::string line;
  for (Extended b : BernoulliNumbers(count)) line += row.Real(b) + "  ";
  row.Add(IntToStr(row.Number()) + ": 伯努利数数列");
  row.Add(line + "……");
  row.Add("");
}

void EulerItem(ItemRow& row) {
  const int count = row.ClampedCount(0, 1, kMaxEulerCount);
  std::string line;
  for (Extended e : EulerNumbers(count)) {
    CheckFpFaults();
    line += Format("%.0f", e) + "  ";
  }
  row.Add(IntToStr(row.Number()) + ": 欧勒数数列");
  row.Add(line + "……");
  row.Add("");
}

// --- polynomials ---

void PolynomialItem(ItemRow& row) {
  const char op = "+-*/"[row.Number() - 31];
  const char separator = row.Cell(4).find(';') != std::string::npos ? ';' : ',';
  const std::vector<Extended> a = SplitReals(row.Cell(4), separator);
  const std::vector<Extended> b = SplitReals(row.Cell(5), separator);
  const PolynomialResult result = PolynomialCompute(op, a, b);
  // A division shows the longer list as the dividend, as it was computed.
  const std::vector<Extended>& first = result.swapped ? b : a;
  const std::vector<Extended>& second = result.swapped ? a : b;
  row.Add(row.ColonHeader());
  row.Add("(" + PolynomialText(first) + ")");
  row.Add(std::string(1, op));
  row.Add("(" + PolynomialText(second) + ")");
  row.Add("=");
  // The result as a coefficient list in the number format, as the operands were typed.
  row.Add(CoefficientListText(result.result, row.ResultFormat(), separator, true));
  if (op == '/') {
    const std::string remainder =
        CoefficientListText(result.remainder, row.ResultFormat(), separator, false);
    if (!remainder.empty()) row.Add("余" + remainder);
  }
  row.Add("");
}

// --- the item table ---

using GeneralItem = ItemEntry<void (*)(ItemRow&)>;

constexpr GeneralItem kItems[] = {
    {1, 1, FormulaInBase},
    {2, 2, ComplexFormulaItem},
    {3, 3, FormulaInBase},
    {6, 6, BigArithmeticItem},
    {7, 7, BigDivisionItem},
    {8, 8, BigWholePower},
    {9, 9, BigRootItem},
    {11, 11, RealBaseItem},
    {12, 12, ContinuedFractionItem},
    {13, 13, RepeatingDecimalItem},
    {14, 14, ReduceFractionItem},
    {15, 15, DegreesToRadiansItem},
    {16, 16, RadiansToDegreesItem},
    {17, 17, DmsItem},
    {18, 18, ComplexToPolarItem},
    {19, 19, PolarToComplexItem},
    {21, 24, FractionItem},
    {26, 26, GeometricItem},
    {27, 27, ArithmeticItem},
    {28, 28, BernoulliItem},
    {29, 29, EulerItem},
    {31, 34, PolynomialItem},
};

constexpr ColumnWidth kWidths[] = {{0, 1},   {1, 16},  {2, 100},
                                   {3, 125}, {4, 150}, {kLastColumn, 100}};

}  // namespace

void HandleGeneralCalculation(Workbench& bench) {
  ItemSheetOptions options;
  options.columns = {40, kWidths};
  // An item number without a calculation leaves its result cell empty.
  RunItemRows(bench, options, [](ItemRow& row) { return ComputeItem<GeneralItem>(kItems, row); });
}

}  // namespace zarnix

// The fun calculations category: its item table and one small function per item, which reads
// and limits the item's cells and writes the lines of the routines in fun_*.h. Only the item of
// the current row is computed.
#include "discrete/fun_calculations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/random.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/fun_digits.h"
#include "discrete/fun_equation.h"
#include "discrete/fun_factors.h"
#include "discrete/fun_fractions.h"
#include "discrete/fun_game24.h"
#include "discrete/fun_sequences.h"
#include "discrete/fun_triangles.h"
#include "discrete/integer_text.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"

namespace zarnix {

namespace {

// Limits of the searches, written back into their cells when exceeded.
constexpr std::int64_t kMaxAmicableStart = 1000000;
constexpr std::int64_t kMaxSmithStart = 100000000000000;
constexpr std::int64_t kMaxSmithSpan = 10000;
constexpr std::int64_t kMaxLongSmithSpan = 1000;  // for starts of more than 9 digits
constexpr std::int64_t kNineDigits = 999999999;
constexpr std::int64_t kMaxMatches = 1000000;
constexpr int kMaxHeronMedians = 3;
constexpr int kMaxRandomGameNumber = 20;
constexpr int kFirstRandomTarget = 24;

// "N." for the first ten items, whose lines begin with their own title; "N.name" beyond.
std::string Title(const ItemRow& row) {
  return IntToStr(row.Number()) + "." + (row.Number() > 10 ? row.Cell(2) : "");
}

// The lines, and the last of them as the item's result.
void AddWithSummary(ItemRow& row, const std::vector<std::string>& lines) {
  row.AddLines(lines);
  if (!lines.empty()) row.SetResult(lines.back());
}

// A value kept within [low, high]; one outside is replaced by the limit in its cell.
std::int64_t Within(ItemRow& row, int col, std::int64_t value, std::int64_t low,
                    std::int64_t high) {
  const std::int64_t kept = std::clamp(value, low, high);
  if (kept != value) row.SetCell(col, IntToStr(kept));
  return kept;
}

std::int64_t StrictInt64(const ItemRow& row, int col) {
  if (const auto value = TryStrToInt64(row.Trimmed(col))) return *value;
  throw EConvertError("'" + row.Cell(col) + "' is not a valid integer value");
}

// --- digits ---

void AutomorphicSquareItem(ItemRow& row) {
  const std::int64_t n = Within(row, 4, row.StrictInt(4), 1, kMaxSquareEndingDigits);
  row.AddLines(AutomorphicSquareLines(static_cast<int>(n)));
}

void AutomorphicPowerItem(ItemRow& row) {
  const std::int64_t n = Within(row, 4, row.StrictInt(4), 1, kMaxPowerEndingDigits);
  AddWithSummary(row, AutomorphicPowerLines(row.Number() == 12 ? 3 : 5, static_cast<int>(n)));
}

void NarcissisticItem(ItemRow& row) {
  const std::int64_t n = Within(row, 4, row.StrictInt(4), 1, kMaxNarcissisticDigits);
  row.AddLines(NarcissisticLines(static_cast<int>(n)));
}

void FactorionItem(ItemRow& row) {
  row.AddLines(FactorionLines());
}

void KaprekarCycleItem(ItemRow& row) {
  const std::int64_t first = Within(row, 4, row.StrictInt(4), 1, kMaxKaprekarDigits);
  const std::int64_t last = Within(row, 5, row.StrictInt(5), 1, kMaxKaprekarDigits);
  row.AddLines(KaprekarCycleLines(static_cast<int>(first), static_cast<int>(last)));
}

void KaprekarRoutineItem(ItemRow& row) {
  row.AddLines(KaprekarRoutineLines(DigitTextOf(row.Cell(4))));
}

// --- divisors and factors ---

void AmicableItem(ItemRow& row) {
  const std::int64_t a = Within(row, 4, row.StrictInt(4), 1, kMaxAmicableStart);
  const std::int64_t spanLimit = a > 400000   ? 10000
                                 : a > 200000 ? 20000
                                 : a > 100000 ? 40000
                                              : 80000;
  const std::int64_t span = Within(row, 5, row.StrictInt(5), 0, spanLimit);
  AddWithSummary(row, AmicableLines(a, span));
}

void MersenneItem(ItemRow& row) {
  const std::int64_t n = Within(row, 4, row.StrictInt(4), 1, kMersenneCount);
  row.AddLines(MersenneList(static_cast<int>(n),
                            row.Number() == 4 ? MersenneForm::kPerfect : MersenneForm::kMersenne));
}

// Texts longer than `digits` characters stand for the limit; the value is then kept within
// [low, high] like any other.
std::int64_t WithinDigits(ItemRow& row, int col, std::size_t digits, std::int64_t low,
                          std::int64_t high) {
  const bool tooLong = row.Trimmed(col).size() > digits;
  const std::int64_t value = tooLong ? high : row.IntP(col - row.FirstParamCol());
  if (tooLong) row.SetCell(col, IntToStr(high));
  return Within(row, col, value, low, high);
}

void SmithItem(ItemRow& row) {
  const std::int64_t a = WithinDigits(row, 4, 14, 1, kMaxSmithStart);
  const std::int64_t span =
      WithinDigits(row, 5, 4, 0, a > kNineDigits ? kMaxLongSmithSpan : kMaxSmithSpan);
  row.AddLines(SmithLines(a, span));
}

void RuthAaronItem(ItemRow& row) {
  const std::int64_t a = Within(row, 4, StrictInt64(row, 4), 1, kMaxSmithStart);
  const std::int64_t spanLimit = a > kNineDigits ? kMaxLongSmithSpan : kMaxSmithSpan;
  std::int64_t b = StrictInt64(row, 5);
  if (b > a + spanLimit) row.SetCell(5, IntToStr(b = a + spanLimit));
  AddWithSummary(row, RuthAaronLines(a, b));
}

// --- Egyptian fractions ---

void EgyptianSearchItem(ItemRow& row) {
  const std::vector<std::string> lines = EgyptianSearchLines(ParseFraction(row.Cell(4)));
  row.AddLines(lines);
  row.SetResult(lines[lines.size() - 2]);
}

void EgyptianGreedyItem(ItemRow& row) {
  row.Add("方法二：");
  for (int col = row.FirstParamCol(); col <= row.LastParamCol() && !row.Trimmed(col).empty(); ++col)
    row.Add(GreedyLine(ParseFraction(row.Cell(col))));
}

// --- sequences ---

void CollatzItem(ItemRow& row) {
  AddWithSummary(row, CollatzLines(row.Cell(4)));
}

// A whole number typed as digits, `fallback` for anything else; kept at least `low`.
std::string DigitsAtLeast(ItemRow& row, int col, const std::string& fallback, std::uint64_t low) {
  const std::string text = row.Trimmed(col);
  std::string digits = IsBaseDigits(text, 10) ? StripLeadingZeros(text) : fallback;
  if (digits.size() < 19 && StrToInt64(digits) < static_cast<std::int64_t>(low)) {
    digits = IntToStr(static_cast<std::int64_t>(low));
    row.SetCell(col, digits);
  }
  return digits;
}

void PolygonalItem(ItemRow& row) {
  const std::string k = DigitsAtLeast(row, 4, "3", 3);
  const std::string n = DigitsAtLeast(row, 5, "100", 1);
  row.AddLines(PolygonalLines(k, n));
}

void MarkovItem(ItemRow& row) {
  AddWithSummary(row, MarkovLines());
}

// --- the 24 game ---

// The numbers of columns 4 ... 4 + count - 1 and the target after them, read strictly.
std::vector<std::int64_t> GameNumbers(ItemRow& row, int count) {
  std::vector<std::int64_t> numbers;
  for (int col = 4; col < 4 + count; ++col)
    numbers.push_back(Within(row, col, row.StrictInt(col), -kMaxGameNumber, kMaxGameNumber));
  return numbers;
}

void DrawGame(ItemRow& row, int count) {
  LcgRandom& random = row.Bench().random;
  for (int col = 4; col < 4 + count; ++col)
    row.SetCell(col, IntToStr(1 + random.Next(kMaxRandomGameNumber)));
  row.SetCell(4 + count, IntToStr(kFirstRandomTarget + random.Next(kMaxRandomGameNumber)));
}

void GameItem(ItemRow& row) {
  const bool five = row.Number() >= 23;
  const int count = five ? 5 : 4;
  if (row.Number() == 22 || row.Number() == 24) DrawGame(row, count);
  const std::vector<std::int64_t> numbers = GameNumbers(row, count);
  AddWithSummary(row, GameLines(numbers, row.StrictInt(4 + count), !five));
}

void OperatorInsertionItem(ItemRow& row) {
  const std::string& list = row.Cell(4);
  const char separator = list.find(';') != std::string::npos ? ';' : ',';
  std::vector<std::int64_t> numbers = SplitInt64s(list, separator);
  std::string kept;
  bool clamped = false;
  for (std::int64_t& n : numbers) {
    const std::int64_t limited = std::clamp(n, -kMaxGameNumber, kMaxGameNumber);
    clamped = clamped || limited != n;
    n = limited;
    kept += (kept.empty() ? "" : std::string(1, separator)) + IntToStr(n);
  }
  if (clamped) row.SetCell(4, kept);
  AddWithSummary(row, OperatorInsertionLines(numbers, StrToInt64Def(row.Trimmed(5), 0)));
}

void RealGameItem(ItemRow& row) {
  const std::vector<Extended> numbers = SplitReals(row.Cell(4), ';');
  AddWithSummary(row, RealGameLines(numbers, StrToFloatDef(row.Cell(5), 0)));
}

void EquationItem(ItemRow& row) {
  AddWithSummary(row, EquationSolutionLines(row.Bench().ui, row.Cell(4)));
}

// --- puzzles ---

void MatchstickItem(ItemRow& row) {
  if (row.Number() == 33) {
    const std::int64_t n = 10 + row.Bench().random.Next(89);
    row.SetCell(4, IntToStr(n));
    row.SetCell(5, IntToStr(std::llround(0.8 * static_cast<double>(n))));
  }
  const std::int64_t n = Within(row, 4, row.StrictInt(4), 1, kMaxMatches);
  const std::int64_t m = Within(row, 5, row.StrictInt(5), 1, INT32_MAX);
  row.AddLines(MatchstickLines(n, m));
}

void OrchardItem(ItemRow& row) {
  AddWithSummary(row, OrchardLines(row.StrictInt(4)));
}

void HeronItem(ItemRow& row) {
  const std::int64_t from = Within(row, 4, row.StrictInt(4), 1, kMaxHeronSide);
  const std::int64_t to = Within(row, 5, row.StrictInt(5), 1, kMaxHeronSide);
  const std::int64_t medians = Within(row, 6, row.StrictInt(6), 0, kMaxHeronMedians);
  row.AddLines(HeronLines(from, to, static_cast<int>(medians)));
}

void TriangleFamilyItem(ItemRow& row) {
  AddWithSummary(row, TriangleFamilyLines());
}

using FunItem = ItemEntry<void (*)(ItemRow&)>;

constexpr FunItem kItems[] = {
    {1, 1, AutomorphicSquareItem}, {2, 2, NarcissisticItem},   {3, 3, AmicableItem},
    {4, 4, MersenneItem},          {5, 5, SmithItem},          {6, 6, FactorionItem},
    {7, 7, RuthAaronItem},         {8, 8, EgyptianSearchItem}, {9, 9, EgyptianGreedyItem},
    {10, 10, KaprekarCycleItem},   {11, 11, MersenneItem},     {12, 13, AutomorphicPowerItem},
    {14, 14, CollatzItem},         {15, 15, PolygonalItem},    {16, 16, MarkovItem},
    {17, 17, KaprekarRoutineItem}, {21, 24, GameItem},         {25, 25, OperatorInsertionItem},
    {26, 26, RealGameItem},        {27, 27, EquationItem},     {32, 33, MatchstickItem},
    {41, 41, OrchardItem},         {42, 42, HeronItem},        {43, 43, TriangleFamilyItem},
};

constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}, {2, 170}, {3, 100}};

constexpr const char* kReminder[] = {"每次计算一项", "选择某项目后，单击趣味计算按钮", ""};

}  // namespace

void HandleFunCalculations(Workbench& bench) {
  bench.random.Randomize(bench.clock);
  ItemSheetOptions options;
  options.columns = {36, kWidths, true};
  options.params = ParamKind::kInteger;
  options.needsFirstParam = false;
  options.currentItemOnly = true;
  options.headerLines = kReminder;
  RunItemRows(bench, options, [](ItemRow& row) {
    row.Add(Title(row));
    const bool known = ComputeItem<FunItem>(kItems, row);
    row.Add("");
    return known;
  });
}

}  // namespace zarnix

// The integer arithmetic category: its item table and one function per item, run by the
// item-sheet loop. Each item appends its lines to the answer pane and sets the summary cell.
#include "discrete/integer_arithmetic.h"

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
#include "base/random.h"
#include "base/ui.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"
#include "discrete/integer_primes.h"
#include "discrete/integer_sequences.h"
#include "discrete/integer_text.h"
#include "expr/tree_eval.h"
#include "sheet/answer_pane.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kLongNumberMark = "长整数";

// Limits of the items, written back into the parameter cells when exceeded.
constexpr std::int64_t kMaxRangeSpan = 100000;
constexpr std::int64_t kMaxPrimeCount = 10000;
constexpr std::int64_t kMaxFormulaTerms = 100000;
constexpr std::int64_t kMaxFormulaStart = 1000000000000000000;
constexpr std::int64_t kMaxTripleStart = 1000000000;
constexpr std::int64_t kMaxTripleSpan = 100000;
constexpr std::int64_t kMaxPerimeter = 65535;
constexpr std::int64_t kMaxConsecutiveTriples = 800;
constexpr std::int64_t kConsecutiveListLimit = 200;
constexpr std::int64_t kMaxFibonacciIndex = 100000;
constexpr std::int64_t kMaxBellCount = 1000;
constexpr std::int64_t kMaxPowerDigits = 65534;
constexpr int kLargestGapSearch = 1000;

constexpr const char* kPowerTooLarge = "运算数太大，超过65534位";
constexpr const char* kFactorizeRange = "请输入大于1的整数";
constexpr const char* kNegativeCombinatorics = "n和m不能为负数";
constexpr const char* kNegativeFactorial = "n不能为负数";
constexpr const char* kPellZeroK = "k不能为0";

std::string Length(const std::string& number) {
  return IntToStr(static_cast<std::int64_t>(number.size()));
}

// --- primes ---

void FactorizeItem(ItemRow& row) {
  const std::int64_t n = StrToInt64Def(row.Trimmed(4), 2);
  if (n < 2) {
    row.Add(kFactorizeRange);
    row.SetResult(kFactorizeRange);
  } else if (IsPrime64(n)) {
    row.Add(IntToStr(n) + "是质数");
    row.SetResult(IntToStr(n) + "是质数");
  } else {
    row.Add(IntToStr(n) + "=" + Factorize(n));
  }
}

// The start of a prime list: a text longer than 16 characters or a value beyond the largest
// start is replaced by it.
std::int64_t PrimeStart(ItemRow& row) {
  if (row.Trimmed(4).size() > 16 || row.IntP(0) > kMaxPrimeStart) row.SetIntP(0, kMaxPrimeStart);
  return row.IntP(0);
}

// "其中孪生质数：", the pairs and their count; returns the count.
int AddTwins(ItemRow& row, const std::vector<std::int64_t>& primes) {
  row.Add("其中孪生质数：");
  int twins = 0;
  for (std::size_t i = 1; i < primes.size(); ++i) {
    if (primes[i] - primes[i - 1] != 2) continue;
    row.Add(IntToStr(primes[i - 1]) + "," + IntToStr(primes[i]));
    ++twins;
  }
  row.Add("有" + IntToStr(twins) + "对");
  return twins;
}

void PrimesInRangeItem(ItemRow& row) {
  const std::size_t length = row.Trimmed(4).size();
  const std::int64_t a = PrimeStart(row);
  const std::int64_t spanLimit = length > 13 ? 1000 : length > 10 ? 10000 : kMaxRangeSpan;
  const std::int64_t span = row.IntAtMost(1, spanLimit);
  const std::vector<std::int64_t> primes = PrimesInRange(a, a + span);
  row.Add(IntToStr(a) + "~" + IntToStr(a + span) + " 范围内的质数：");
  row.Add(PrimeListText(primes));
  const std::string count = "共" + IntToStr(static_cast<std::int64_t>(primes.size())) + "个质数";
  row.Add(count);
  const int twins = AddTwins(row, primes);
  row.SetResult(count + " 其中孪生质数有" + IntToStr(twins) + "对");
}

void PrimesFromItem(ItemRow& row) {
  const std::size_t length = row.Trimmed(4).size();
  std::int64_t a = PrimeStart(row);
  const std::int64_t countLimit = length > 14 ? 10 : length > 10 ? 200 : kMaxPrimeCount;
  std::int64_t k = row.IntAtMost(1, countLimit);
  if (a + k < 4) {
    row.SetIntP(0, a = 1);
    row.SetIntP(1, k = 3);
  }
  const std::vector<std::int64_t> primes = PrimesFrom(a, k);
  row.Add("自" + IntToStr(a) + "起的" + IntToStr(k) + "个质数：");
  row.Add(PrimeListText(primes));
  const int twins = AddTwins(row, primes);
  row.SetResult(" 其中孪生质数有" + IntToStr(twins) + "对");
}

void GoldbachItem(ItemRow& row) {
  std::int64_t n = row.StrictInt(4);
  if (n % 2 != 0) row.SetIntP(0, ++n);
  const TPrimeArray pairs = n >= 4 ? GoldbachPairs(static_cast<std::uint32_t>(n)) : TPrimeArray{};
  row.Add(IntToStr(n) + "=");
  for (std::uint32_t p : pairs) row.Add(IntToStr(p) + "+" + IntToStr(n - p));
  row.SetResult("有" + IntToStr(static_cast<std::int64_t>(pairs.size())) +
                "对质数满足哥德巴赫猜想");
}

void LargestPrimeBelowItem(ItemRow& row) {
  const std::int64_t n = StrToInt64Def(row.Trimmed(4), 2);
  std::string answer;
  if (n < 3) {
    answer = "无质数";
  } else {
    for (int j = 1; j <= kLargestGapSearch && n - j >= 2; ++j) {
      if (!IsPrime64(n - j)) continue;
      answer = IntToStr(n - j) + "是质数";
      break;
    }
  }
  row.Add(answer);
  row.SetResult(answer);
}

// --- gcd and lcm of long numbers ---

// The numbers of a list (";" when it holds one, else ","), each checked, joined again.
std::string CheckedList(const std::string& list) {
  const char separator = list.find(';') != std::string::npos ? ';' : ',';
  std::string joined;
  for (const std::string& part : SplitText(list, separator)) {
    if (!joined.empty()) joined += separator;
    joined += DigitTextOf(part);
  }
  return joined;
}

void PairGcdLcmItem(ItemRow& row) {
  const std::string a = DigitTextOf(row.Cell(4));
  const std::string b = DigitTextOf(row.Cell(5));
  const bool lcm = row.Number() == 2;
  const std::string result = lcm ? BigLcm(a, b) : BigGcd(a, b);
  row.Add(row.Cell(4) + "与" + row.Cell(5) + (lcm ? "的最小公倍数是：" : "的最大公约数是："));
  row.Add(result);
  row.SetResult(Length(result) + "位");
}

void ListGcdLcmItem(ItemRow& row) {
  const std::string list = CheckedList(row.Cell(4));
  const bool lcm = row.Number() == 7;
  const std::string result = lcm ? BigLcmList(list) : BigGcdList(list);
  row.Add("数组" + row.Cell(4) + (lcm ? "的最小公倍数是：" : "的最大公约数是："));
  row.Add(result);
  row.SetResult("共" + Length(result) + "位");
}

// --- combinatorics ---

void PermutationItem(ItemRow& row) {
  const std::int64_t n = row.StrictInt(4);
  const std::int64_t m = row.StrictInt(5);
  if (n < 0 || m < 0) {
    row.Add(kNegativeCombinatorics);
    row.SetResult(kNegativeCombinatorics);
    return;
  }
  // More taken than there are: no arrangement and no selection exists.
  const bool none = m > n;
  const std::string range =
      none ? "" : "(即自" + IntToStr(n - m + 1) + "至" + IntToStr(n) + "连乘)";
  const std::string value = none ? "0" : BigPower(IntToStr(n - m + 1), m, 1);
  if (row.Number() == 11) {
    row.Add("在" + IntToStr(n) + "个元素中，每次取出" + IntToStr(m) + "个元素的排列数为 " + value +
            range);
    row.SetResult(Length(value) + "位" + range);
    return;
  }
  const std::string combinations = none ? "0" : BigDivMod(value, BigFactorial(m)).quotient;
  row.Add("在" + IntToStr(n) + "个元素中，每次取出" + IntToStr(m) + "个元素的组合数为 " +
          combinations);
  if (!none) row.Add("即杨辉三角形第" + IntToStr(n + 1) + "行，" + IntToStr(m + 1) + "列的值");
  row.SetResult(Length(combinations) + "位");
}

void FactorialItem(ItemRow& row) {
  const std::int64_t n = row.StrictInt(4);
  if (n < 0) {
    row.Add(kNegativeFactorial);
    row.SetResult(kNegativeFactorial);
    return;
  }
  const std::string value = BigFactorial(n);
  row.Add("阶乘 " + IntToStr(n) + "!=");
  row.Add(value);
  row.SetResult(Length(value) + "位");
}

// --- long products and sums of a formula ---

std::string Int128Text(__int128 value) {
  if (value == 0) return "0";
  const bool negative = value < 0;
  unsigned __int128 magnitude =
      negative ? -static_cast<unsigned __int128>(value) : static_cast<unsigned __int128>(value);
  std::string digits;
  while (magnitude > 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    magnitude /= 10;
  }
  return negative ? "-" + digits : digits;
}

// The formula's value rounded to a whole number; it must fit 64 bits.
std::int64_t WholeValue(Extended value, Extended x) {
  if (!(std::fabs(value) < 9.2e18L))
    throw Exception("x=" + FloatToStr(x) + "时公式的值超出整数范围");
  return std::llround(value);
}

// factors[from] * ... * factors[to - 1], halves multiplied first so the products stay balanced.
bignum::Natural Product(const std::vector<std::uint64_t>& factors, std::size_t from,
                        std::size_t to) {
  if (to - from <= 16) {
    bignum::Natural product = bignum::FromWord(1);
    for (std::size_t i = from; i < to; ++i) product = bignum::MultiplyWord(product, factors[i]);
    return product;
  }
  const std::size_t middle = from + (to - from) / 2;
  return bignum::Multiply(Product(factors, from, middle), Product(factors, middle, to));
}

void FormulaProductSumItem(ItemRow& row) {
  const bool product = row.Number() == 14;
  const std::string& cell = row.Cell(4);
  const std::string formula = cell.size() > 2 ? cell.substr(2) : "";
  // x stays well inside 64 bits however many terms follow it.
  const std::int64_t first = row.IntWithin(1, -kMaxFormulaStart, kMaxFormulaStart);
  const std::int64_t count = std::max<std::int64_t>(row.IntAtMost(2, kMaxFormulaTerms), 0);
  std::vector<Extended> xs;
  xs.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) xs.push_back(static_cast<Extended>(first + i));
  const std::vector<Extended> zero{0};
  const std::vector<Extended> values =
      count > 0 ? EvalFormulaGrid(EvalServices::Of(row.Bench()), formula,
                                  std::vector<Extended>(23, 0), xs, zero, zero)
                : std::vector<Extended>{};
  std::string result;
  if (product) {
    // The size first, from the logarithms; then one balanced product of the factors.
    std::vector<std::uint64_t> factors;
    Extended digits = 0;
    bool negative = false;
    bool zero = false;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::int64_t factor = WholeValue(values[i], xs[i]);
      zero = zero || factor == 0;
      negative ^= factor < 0;
      const std::uint64_t magnitude =
          factor < 0 ? 0 - static_cast<std::uint64_t>(factor) : static_cast<std::uint64_t>(factor);
      if (magnitude > 1) digits += std::log10(static_cast<Extended>(magnitude));
      factors.push_back(magnitude);
    }
    if (zero) {
      result = "0";
    } else {
      if (digits > kMaxBigDigits) throw Exception(BigTooLargeMessage());
      result = bignum::FormatDigits(Product(factors, 0, factors.size()));
      if (negative) result.insert(0, 1, '-');
    }
  } else {
    __int128 sum = 0;  // 100000 terms below 2^63 cannot overflow 127 bits
    for (std::size_t i = 0; i < values.size(); ++i) sum += WholeValue(values[i], xs[i]);
    result = Int128Text(sum);
  }
  row.Add("x=" + IntToStr(first) + "→" + IntToStr(first + count - 1));
  row.Add((product ? "连乘 " : "连加 ") + cell + "= " + result);
  row.SetResult(IntToStr(DigitLength(result) == 0 ? 1 : DigitLength(result)) + "位");
}

// --- long numbers in base B ---

int CheckedBase(int base) {
  if (base < 2 || base > 36) throw Exception(kBadBaseMessage);
  return base;
}

// The base of column 6: read strictly, or 10 for an empty cell where a default is allowed.
int BaseOf(ItemRow& row, int col, bool defaultTen) {
  if (defaultTen && row.Trimmed(col).empty()) return 10;
  return CheckedBase(row.StrictInt(col));
}

std::string ToDecimal(const std::string& digits, int base) {
  return base == 10 ? StripLeadingZeros(digits) : ConvertBase(digits, base, 10);
}

// A signed decimal result written in the base.
std::string FromDecimal(const std::string& decimal, int base) {
  if (base == 10) return decimal;
  if (!decimal.empty() && decimal[0] == '-') return "-" + ConvertBase(decimal.substr(1), 10, base);
  return ConvertBase(decimal, 10, base);
}

std::string BaseHeading(int base) {
  return "  " + IntToStr(base) + "进制";
}

void LongArithmeticItem(ItemRow& row) {
  const int base = BaseOf(row, 6, false);
  const std::string a = BaseDigitsOf(row.Cell(4), base);
  const std::string b = BaseDigitsOf(row.Cell(5), base);
  const std::string x = ToDecimal(a, base);
  const std::string y = ToDecimal(b, base);
  std::string decimal;
  const char* op = "+";
  switch (row.Number()) {
    case 21:
      decimal = BigAdd(x, y);
      break;
    case 22:
      op = "-";
      decimal = BigSubtract(x, y);  // a smaller first operand gives a negative result
      break;
    default:
      op = "*";
      decimal = x == "0" || y == "0" ? "0" : BigMultiply(x, y);
      break;
  }
  const std::string result = FromDecimal(decimal, base);
  row.AddLines({BaseHeading(base), a, op, b, "=", result});
  row.SetResult(IntToStr(DigitLength(result)) + "位");
}

void LongDivisionItem(ItemRow& row) {
  const int base = BaseOf(row, 6, true);
  const std::string a = BaseDigitsOf(row.Cell(4), base);
  const std::string b = BaseDigitsOf(row.Cell(5), base);
  row.AddLines({BaseHeading(base), a, "/", b, "="});
  const BigDivision division = BigDivMod(ToDecimal(a, base), ToDecimal(b, base));
  if (division.status != BigStatus::kOk) {
    row.Bench().ui.ShowMessage(BigStatusMessage(division.status));
    row.SetResult(BigStatusMessage(division.status));
    return;
  }
  const std::string q = FromDecimal(division.quotient, base);
  const std::string r = FromDecimal(division.remainder, base);
  row.Add(q + " 余" + r);
  row.SetResult("商" + IntToStr(DigitLength(q)) + "位，余数" + IntToStr(DigitLength(r)) + "位");
}

// log10 of a decimal digit text above 0, from its leading digits.
Extended Log10OfDigits(const std::string& digits) {
  const std::size_t used = std::min<std::size_t>(digits.size(), 18);
  return std::log10(StrToFloat(digits.substr(0, used))) +
         static_cast<Extended>(digits.size() - used);
}

void LongPowerItem(ItemRow& row) {
  const int base = BaseOf(row, 6, true);
  const std::string a = BaseDigitsOf(row.Cell(4), base);
  const std::string k = BaseDigitsOf(row.Cell(5), base);
  const std::string x = ToDecimal(a, base);
  const std::string exponent = ToDecimal(k, base);
  row.AddLines({BaseHeading(base), a + "^" + k});
  std::string decimal;
  if (exponent == "0") {
    decimal = "1";
  } else if (x == "0" || x == "1") {
    decimal = x;
  } else {
    // Digits of the result in the base: k log_B(a) + 1.
    const Extended logK = Log10OfDigits(exponent);
    const Extended estimate =
        logK > 6 ? kMaxPowerDigits + 1
                 : std::pow(10.0L, logK) * Log10OfDigits(x) / std::log10(Extended(base)) + 1;
    if (estimate > kMaxPowerDigits) {
      row.Add(std::string("=") + kPowerTooLarge);
      return;
    }
    decimal = BigPower(x, StrToInt64(exponent), 0);
  }
  const std::string result = FromDecimal(decimal, base);
  row.Add("=" + result);
  row.SetResult(IntToStr(DigitLength(result)) + "位");
}

void BaseConversionItem(ItemRow& row) {
  const int from = CheckedBase(row.StrictInt(5));
  const int to = CheckedBase(row.StrictInt(6));
  const std::string digits = BaseDigitsOf(row.Cell(4), from);
  const std::string result = ConvertBase(StripLeadingZeros(digits), from, to);
  row.AddLines({row.Cell(5) + "进制的 " + row.Cell(4), "转换为", row.Cell(6) + "进制的 " + result});
  row.SetResult(IntToStr(DigitLength(result)) + "位");
}

void RandomNumberItem(ItemRow& row) {
  // Read from the cells' texts: a name holding "长整数" leaves the integer parameters at 0.
  const auto limit = static_cast<std::int64_t>(kMaxBigDigits);
  std::int64_t n = std::max<std::int64_t>(StrToInt64Def(row.Trimmed(4), 0), 0);
  if (n > limit) {
    n = limit;
    row.SetIntP(0, n);
  }
  int base = StrToIntDef(row.Trimmed(5), 10);
  if (base < 2 || base > 36) {
    base = base < 2 ? 2 : 36;
    row.SetIntP(1, base);
  }
  LcgRandom& random = row.Bench().random;
  random.Randomize(row.Bench().clock);
  std::string number;
  number.reserve(static_cast<std::size_t>(n));
  for (std::int64_t i = 0; i < n; ++i)
    number += kDigitAlphabet[static_cast<std::size_t>(i == 0 ? 1 + random.Next(base - 1)
                                                             : random.Next(base))];
  row.AddLines({BaseHeading(base) + IntToStr(n) + "位", number});
}

void LongRootItem(ItemRow& row) {
  const int base = BaseOf(row, 6, false);
  const std::string a = BaseDigitsOf(row.Cell(4), base);
  const std::string nText = BaseDigitsOf(row.Cell(5), base);
  const auto n = TryStrToInt64(ToDecimal(nText, base));
  if (!n) throw Exception(kBadDegreeMessage);
  const BigRootResult root = BigRoot(ToDecimal(a, base), *n, 0);
  const std::string r = FromDecimal(StripLeadingZeros(root.root), base);
  const std::string rest = FromDecimal(root.remainder, base);
  row.AddLines(
      {row.Cell(6) + "进制:", a + "开" + nText + "次方", "=" + r + "(截断取整)", "余量：" + rest});
  row.SetResult("根" + IntToStr(DigitLength(r)) + "位，余量" + IntToStr(DigitLength(rest)) + "位");
}

// --- tables ---

void TriangleItem(ItemRow& row) {
  row.AddLines(BinomialTriangle(static_cast<int>(row.IntAtMost(0, kMaxTriangleRows))));
}

void PrimitiveTriplesItem(ItemRow& row) {
  const std::int64_t a = row.IntAtMost(0, kMaxTripleStart);
  const std::int64_t spanLimit = a > 100000000  ? 100
                                 : a > 10000000 ? 1000
                                 : a > 1000000  ? 10000
                                                : kMaxTripleSpan;
  const std::int64_t span = row.IntAtMost(1, spanLimit);
  row.AddLines(PrimitiveTriples(a, a + span));
}

void PerimeterTriplesItem(ItemRow& row) {
  row.AddLines(PerimeterTriples(row.IntAtMost(0, kMaxPerimeter)));
}

void ConsecutiveTriplesItem(ItemRow& row) {
  const std::int64_t n = row.IntAtMost(0, kMaxConsecutiveTriples);
  row.AddLines(ConsecutiveLegTriples(static_cast<int>(n), n > kConsecutiveListLimit));
}

void FibonacciItem(ItemRow& row) {
  row.AddLines(FibonacciLines(row.IntAtMost(0, kMaxFibonacciIndex)));
}

void BellItem(ItemRow& row) {
  row.AddLines(
      BellLines(static_cast<int>(std::max<std::int64_t>(row.IntAtMost(0, kMaxBellCount), 0))));
}

void PowerSumItem(ItemRow& row) {
  const std::string n = StripLeadingZeros(DigitTextOf(row.Cell(4)));
  const std::string next = BigAdd(n, "1");
  std::string sum;
  if (row.Number() == 43) {
    // n(n + 1)(2n + 1) / 6
    const std::string product = BigMultiply(BigMultiply(n, next), BigAdd(BigAdd(n, n), "1"));
    sum = BigDivMod(product, "6").quotient;
    row.Add("1  4  9  16  25  36  49  ……");
  } else {
    // n^2 (n + 1)^2 / 4
    const std::string product = BigMultiply(n, next);
    sum = BigDivMod(BigMultiply(product, product), "4").quotient;
    row.Add("1  8  27  64  125  216  ……");
  }
  row.Add("前" + n + "项和=" + sum);
  row.SetResult(Length(sum) + "位");
}

void FactorialSquareItem(ItemRow& row) {
  row.AddLines(FactorialSquareLines());
}

void AddSolutions(ItemRow& row, std::int64_t k, const std::vector<IntegerPair>& solutions) {
  row.Add("(k=" + IntToStr(k) + ")");
  for (const IntegerPair& s : solutions) row.Add("x=" + IntToStr(s.x) + ";y=" + IntToStr(s.y));
  row.SetResult(solutions.empty() ? "无解"
                                  : "有" + IntToStr(static_cast<std::int64_t>(solutions.size())) +
                                        "组非负整数解");
}

void MordellItem(ItemRow& row) {
  AddSolutions(row, row.IntP(0), MordellSolutions(row.IntP(0)));
}

void PellItem(ItemRow& row) {
  const std::int64_t k = row.IntP(0);
  if (k == 0) {
    row.Add("(k=0)");
    row.Add(kPellZeroK);
    row.SetResult(kPellZeroK);
    return;
  }
  AddSolutions(row, k, PellSolutions(k));
}

// --- the item table ---

using IntegerItem = ItemEntry<void (*)(ItemRow&)>;

constexpr IntegerItem kItems[] = {
    {1, 1, FactorizeItem},          {2, 3, PairGcdLcmItem},
    {4, 4, PrimesInRangeItem},      {5, 5, PrimesFromItem},
    {6, 6, GoldbachItem},           {7, 8, ListGcdLcmItem},
    {9, 9, LargestPrimeBelowItem},  {11, 12, PermutationItem},
    {13, 13, FactorialItem},        {14, 15, FormulaProductSumItem},
    {21, 23, LongArithmeticItem},   {24, 24, LongDivisionItem},
    {25, 25, LongPowerItem},        {26, 26, BaseConversionItem},
    {27, 27, RandomNumberItem},     {28, 28, LongRootItem},
    {31, 31, TriangleItem},         {32, 32, PrimitiveTriplesItem},
    {33, 33, PerimeterTriplesItem}, {34, 34, ConsecutiveTriplesItem},
    {41, 41, FibonacciItem},        {42, 42, BellItem},
    {43, 44, PowerSumItem},         {51, 51, FactorialSquareItem},
    {52, 52, MordellItem},          {53, 53, PellItem},
};

constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}, {2, 100}, {3, 100}, {kLastColumn, 200}};

}  // namespace

void HandleIntegerArithmetic(Workbench& bench) {
  ItemSheetOptions options;
  options.columns = {40, kWidths, true};
  options.params = ParamKind::kInteger;
  options.textParamsMark = kLongNumberMark;
  options.needsFirstParam = false;
  // An item number without a calculation shows its title and leaves its summary cell empty.
  options.titleLines = true;
  RunItemRows(bench, options, [](ItemRow& row) { return ComputeItem<IntegerItem>(kItems, row); });
}

}  // namespace zarnix

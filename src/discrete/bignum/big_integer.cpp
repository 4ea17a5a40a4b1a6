// The digit-text integer routines: parse into limbs, compute exactly, write the text back.
// Base conversion splits by squared powers of the base (divide and conquer) both ways.
#include "discrete/bignum/big_integer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

#include "base/errors.h"
#include "discrete/bignum/natural.h"
#include "sheet/text_utils.h"

namespace zarnix {

using bignum::Natural;

namespace {

constexpr long double kLn10 = std::numbers::ln10_v<long double>;

void RequireDigits(long double digits) {
  if (!(digits <= static_cast<long double>(kMaxBigDigits))) throw Exception(BigTooLargeMessage());
}

void RequireBase(int base) {
  if (base < 2 || base > 36) throw Exception(kBadBaseMessage);
}

// Parses an operand of a multiplying operation, refusing one beyond the limit.
Natural ParseOperand(std::string_view text) {
  Natural x = bignum::ParseDigits(text);
  RequireDigits(static_cast<long double>(bignum::DigitCount(x)));
  return x;
}

// log10(x) for x > 0 from its top limbs.
long double Log10(const Natural& x) {
  long double top = 0;
  const std::size_t used = std::min<std::size_t>(3, x.size());
  for (std::size_t i = 0; i < used; ++i) top = top * bignum::kLimbBase + x[x.size() - 1 - i];
  return std::log10(top) + bignum::kLimbDigits * static_cast<long double>(x.size() - used);
}

// Digits of lo * (lo+1) * ... * hi for 1 <= lo <= hi, from the log-gamma function.
long double RangeProductDigits(long double lo, long double hi) {
  return (std::lgamma(hi + 1) - std::lgamma(lo)) / kLn10 + 1;
}

std::string LeftPad(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::string FormatSigned(const Natural& magnitude, bool negative) {
  std::string text = bignum::FormatDigits(magnitude);
  if (negative && !magnitude.empty()) text.insert(0, 1, '-');
  return text;
}

// The separator of a number list: ";" when the text holds one, else ",".
std::vector<std::string> SplitNumberList(std::string_view list) {
  return SplitText(list, list.find(';') != std::string_view::npos ? ';' : ',');
}

// lcm(a, b) = b * (a / gcd(a, b)); against a machine word w that is a * (w / gcd(a, w)),
// the same number for one pass over a.
Natural LcmWithWord(Natural a, std::uint64_t w) {
  if (a.empty() || w == 0) return {};
  const std::uint64_t factor = w / std::gcd(w, bignum::ModWord(a, w));
  if (factor == 1) return a;
  RequireDigits(static_cast<long double>(bignum::DigitCount(a)) +
                std::log10(static_cast<long double>(factor)));
  return bignum::MultiplyWord(a, factor);
}

// Euclid's work grows with the square of the smaller operand; beyond kMaxGcdDigits digits it
// is refused.
Natural GcdOf(Natural a, Natural b) {
  const std::size_t smaller = std::min(bignum::DigitCount(a), bignum::DigitCount(b));
  if (smaller > kMaxGcdDigits) throw Exception(GcdTooLargeMessage());
  return bignum::Gcd(std::move(a), std::move(b));
}

Natural LcmOf(Natural a, const Natural& b) {
  if (bignum::FitsWord(b)) return LcmWithWord(std::move(a), bignum::ToWord(b));
  if (bignum::FitsWord(a)) return LcmWithWord(b, bignum::ToWord(a));
  const Natural g = GcdOf(a, b);
  Natural q, r;
  bignum::DivMod(a, g, q, r);
  RequireDigits(static_cast<long double>(bignum::DigitCount(q) + bignum::DigitCount(b) - 1));
  return bignum::Multiply(b, q);
}

// --- base conversion ---

// Characters per leaf: the most with base^chunk <= limit.
int ChunkLength(int base, std::uint64_t limit) {
  int chunk = 0;
  for (std::uint64_t v = 1; v <= limit / static_cast<std::uint64_t>(base); v *= base) ++chunk;
  return chunk;
}

std::uint64_t WordPower(int base, int k) {
  std::uint64_t v = 1;
  for (int i = 0; i < k; ++i) v *= static_cast<std::uint64_t>(base);
  return v;
}

class RadixWriter {
 public:
  RadixWriter(int base, const Natural& x) : base_(base) {
    const int chunk = ChunkLength(base, kLeafLimit);
    powers_.push_back(bignum::FromWord(WordPower(base, chunk)));
    widths_.push_back(static_cast<std::size_t>(chunk));
    while (2 * powers_.back().size() - 1 <= x.size()) {
      Natural next = bignum::Square(powers_.back());
      if (bignum::Compare(next, x) > 0) break;
      powers_.push_back(std::move(next));
      widths_.push_back(2 * widths_.back());
    }
    Emit(x, static_cast<int>(powers_.size()) - 1, 0);
  }
  std::string Text() && { return std::move(text_); }

 private:
  static constexpr std::uint64_t kLeafLimit = 1000000000000000000ULL;
  // Numbers this short are written by repeated short division.
  static constexpr std::size_t kShortLimbs = 8;

  // Writes x (below powers_[level]^2) in exactly `width` characters, or without leading
  // zeros when width is 0.
  void Emit(const Natural& x, int level, std::size_t width) {
    if (level < 0 || x.size() <= kShortLimbs) return EmitShort(x, width);
    if (width == 0 && bignum::Compare(x, powers_[level]) < 0) return Emit(x, level - 1, 0);
    Natural q, r;
    bignum::DivMod(x, powers_[level], q, r);
    const std::size_t low = widths_[level];
    Emit(q, level - 1, width == 0 ? 0 : width - low);
    Emit(r, level - 1, low);
  }

  void EmitShort(Natural x, std::size_t width) {
    const int chunk = ChunkLength(base_, bignum::kLimbBase - 1);
    const std::uint64_t divisor = WordPower(base_, chunk);
    std::string digits;  // least significant first
    while (!x.empty()) {
      std::uint64_t v = bignum::DivideWordInPlace(x, divisor);
      for (int i = 0; i < chunk; ++i) {
        digits.push_back(kDigitAlphabet[v % static_cast<std::uint64_t>(base_)]);
        v /= static_cast<std::uint64_t>(base_);
      }
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty() && width == 0) digits = "0";
    if (digits.size() < width) digits.append(width - digits.size(), '0');
    text_.append(digits.rbegin(), digits.rend());
  }

  int base_;
  std::vector<Natural> powers_;      // base^(chunk * 2^i)
  std::vector<std::size_t> widths_;  // chunk * 2^i
  std::string text_;
};

// The value of a character in FromBase: digits and the signs after them by code - 48,
// letters by code - 55; characters below "0" count as 0.
int CharacterValue(char c) {
  const int code = static_cast<unsigned char>(c);
  if (code >= 'a' && code <= 'z') return code - 'a' + 10;
  if (code < '0') return 0;
  return code <= 64 ? code - 48 : code - 55;
}

Natural ReadRadix(std::string_view t, int base) {
  // 200 * base^chunk stays below 2^64 however large the character values are.
  const int chunk = ChunkLength(base, 10000000000000000ULL);
  std::vector<Natural> values;
  values.reserve(t.size() / chunk + 1);
  for (std::size_t end = t.size(); end > 0;) {
    const std::size_t begin = end > static_cast<std::size_t>(chunk) ? end - chunk : 0;
    std::uint64_t v = 0;
    for (std::size_t i = begin; i < end; ++i)
      v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(CharacterValue(t[i]));
    values.push_back(bignum::FromWord(v));
    end = begin;
  }
  if (values.empty()) return {};
  // Pair neighbours bottom-up: low + high * base^(chunk * 2^level).
  Natural power = bignum::FromWord(WordPower(base, chunk));
  while (values.size() > 1) {
    std::vector<Natural> next;
    next.reserve(values.size() / 2 + 1);
    for (std::size_t i = 0; i < values.size(); i += 2) {
      if (i + 1 < values.size())
        next.push_back(bignum::Add(values[i], bignum::Multiply(values[i + 1], power)));
      else
        next.push_back(std::move(values[i]));
    }
    values = std::move(next);
    if (values.size() > 1) power = bignum::Square(power);
  }
  return std::move(values[0]);
}

}  // namespace

std::string BigTooLargeMessage() {
  return "运算数太大，超过" + std::to_string(kMaxBigDigits) + "位";
}

std::string GcdTooLargeMessage() {
  return "运算数太大，超过" + std::to_string(kMaxGcdDigits) + "位";
}

const char* BigStatusMessage(BigStatus status) {
  switch (status) {
    case BigStatus::kOk:
      return "";
    case BigStatus::kZeroDivisor:
      return kZeroDivisorMessage;
  }
  return "";
}

std::string StripLeadingZeros(std::string_view s) {
  const std::size_t first = s.find_first_not_of('0');
  if (first == std::string_view::npos) return "0";
  return std::string(s.substr(first));
}

std::string BigAdd(std::string_view a, std::string_view b) {
  return bignum::FormatDigits(bignum::Add(bignum::ParseDigits(a), bignum::ParseDigits(b)));
}

std::string BigSubtract(std::string_view a, std::string_view b) {
  const Natural x = bignum::ParseDigits(a);
  const Natural y = bignum::ParseDigits(b);
  if (bignum::Compare(x, y) >= 0) return bignum::FormatDigits(bignum::Subtract(x, y));
  return "-" + bignum::FormatDigits(bignum::Subtract(y, x));
}

std::string BigMultiply(std::string_view a, std::string_view b) {
  const Natural x = ParseOperand(a);
  const Natural y = ParseOperand(b);
  if (!x.empty() && !y.empty())
    RequireDigits(static_cast<long double>(bignum::DigitCount(x) + bignum::DigitCount(y) - 1));
  return bignum::FormatDigits(bignum::Multiply(x, y));
}

BigDivision BigDivMod(std::string_view a, std::string_view b) {
  const Natural x = ParseOperand(a);
  const Natural y = ParseOperand(b);
  if (y.empty()) return {"0", bignum::FormatDigits(x), BigStatus::kZeroDivisor};
  Natural q, r;
  bignum::DivMod(x, y, q, r);
  return {bignum::FormatDigits(q), bignum::FormatDigits(r), BigStatus::kOk};
}

std::string SmallPower(std::int64_t x, std::int64_t k, int flag) {
  if (k <= 0) return "1";
  const std::uint64_t count = static_cast<std::uint64_t>(k);
  if (flag == 0) {
    const std::uint64_t magnitude =
        x < 0 ? 0 - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
    if (magnitude > 1)
      RequireDigits(static_cast<long double>(count) *
                    std::log10(static_cast<long double>(magnitude)));
    return FormatSigned(bignum::Power(bignum::FromWord(magnitude), count), x < 0 && (k & 1));
  }
  // Factors x .. x+k-1; a product through zero is zero.
  const __int128 last = static_cast<__int128>(x) + k - 1;
  if (x <= 0 && last >= 0) return "0";
  const bool negative = x < 0;
  const std::uint64_t lo =
      negative ? static_cast<std::uint64_t>(-last) : static_cast<std::uint64_t>(x);
  const std::uint64_t hi =
      negative ? 0 - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(last);
  RequireDigits(RangeProductDigits(static_cast<long double>(lo), static_cast<long double>(hi)));
  return FormatSigned(bignum::RangeProduct(lo, hi), negative && (k & 1));
}

std::string BigPower(std::string_view s, std::int64_t k, int flag) {
  if (k <= 0) return "1";
  const Natural x = ParseOperand(s);
  const std::uint64_t count = static_cast<std::uint64_t>(k);
  if (x.empty()) return "0";
  const long double logX = Log10(x);
  if (flag == 0) {
    RequireDigits(static_cast<long double>(count) * logX + 1);
    return bignum::FormatDigits(bignum::Power(x, count));
  }
  const long double logCount = std::log10(static_cast<long double>(count));
  if (logX < 4000) {
    const long double lo = std::pow(10.0L, logX);
    RequireDigits(RangeProductDigits(lo, lo + static_cast<long double>(count) - 1));
  } else {
    RequireDigits(static_cast<long double>(count) * (std::max(logX, logCount) + 0.302L) + 1);
  }
  return bignum::FormatDigits(bignum::RisingProduct(x, count));
}

std::string BigFactorial(std::int64_t n) {
  if (n <= 1) return "1";
  RequireDigits(RangeProductDigits(1, static_cast<long double>(n)));
  return bignum::FormatDigits(bignum::RangeProduct(2, static_cast<std::uint64_t>(n)));
}

BigRootResult BigSqrtNewton(std::string_view s) {
  const Natural x = ParseOperand(s);
  Natural root;
  if (bignum::DigitCount(x) <= 4) {
    root = bignum::FromWord(static_cast<std::uint64_t>(
        std::llround(std::sqrt(static_cast<long double>(bignum::ToWord(x))))));
  } else {
    // Newton's integer iteration from above ends on floor(sqrt(x)), except that it stops
    // one higher when x + 1 is a square.
    root = bignum::Root(x, 2);
    const Natural next = bignum::AddWord(root, 1);
    if (bignum::Compare(bignum::Square(next), bignum::AddWord(x, 1)) == 0) root = next;
  }
  const Natural square = bignum::Square(root);
  const int order = bignum::Compare(x, square);
  std::string remainder = "0";
  if (order > 0) remainder = "+" + bignum::FormatDigits(bignum::Subtract(x, square));
  if (order < 0) remainder = "-" + bignum::FormatDigits(bignum::Subtract(square, x));
  return {bignum::FormatDigits(root), std::move(remainder)};
}

BigRootResult BigSqrtDigits(std::string_view s) {
  const Natural x = ParseOperand(s);
  Natural remainder;
  const Natural root = bignum::Root(x, 2, &remainder);
  const std::size_t pairs = std::max<std::size_t>(1, (s.size() + 1) / 2);
  return {LeftPad(bignum::FormatDigits(root), pairs), bignum::FormatDigits(remainder)};
}

BigRootResult BigRoot(std::string_view s, std::int64_t n, std::int64_t p) {
  if (n < 1) throw Exception(kBadDegreeMessage);
  if (p < 0) p = 0;
  const long double scaleDigits = static_cast<long double>(n) * static_cast<long double>(p);
  RequireDigits(static_cast<long double>(s.size()) + scaleDigits);
  const std::size_t scale = static_cast<std::size_t>(n) * static_cast<std::size_t>(p);
  const std::size_t width = s.size() + scale;
  // One root digit per group of n digits, counted after left-padding to whole groups.
  const std::size_t groups = std::max<std::size_t>(
      1, (width + static_cast<std::size_t>(n) - 1) / static_cast<std::size_t>(n));
  Natural remainder;
  const Natural root = bignum::Root(bignum::ShiftUp(bignum::ParseDigits(s), scale),
                                    static_cast<std::uint64_t>(n), &remainder);
  std::string rootText = LeftPad(bignum::FormatDigits(root), groups);
  std::string remainderText = bignum::FormatDigits(remainder);
  if (p > 0) {
    rootText.insert(rootText.size() - static_cast<std::size_t>(p), 1, '.');
    if (remainderText.size() <= scale)
      remainderText = "0." + LeftPad(std::move(remainderText), scale);
    else
      remainderText.insert(remainderText.size() - scale, 1, '.');
  }
  return {std::move(rootText), std::move(remainderText)};
}

std::string BigGcd(std::string_view a, std::string_view b) {
  return bignum::FormatDigits(GcdOf(ParseOperand(a), ParseOperand(b)));
}

std::string BigLcm(std::string_view a, std::string_view b) {
  return bignum::FormatDigits(LcmOf(ParseOperand(a), ParseOperand(b)));
}

std::string BigGcdList(std::string_view list) {
  const std::vector<std::string> parts = SplitNumberList(list);
  Natural result = ParseOperand(parts.front());
  for (std::size_t i = 1; i < parts.size(); ++i)
    result = GcdOf(std::move(result), ParseOperand(parts[i]));
  return bignum::FormatDigits(result);
}

std::string BigLcmList(std::string_view list) {
  const std::vector<std::string> parts = SplitNumberList(list);
  Natural result = ParseOperand(parts.front());
  for (std::size_t i = 1; i < parts.size(); ++i)
    result = LcmOf(std::move(result), ParseOperand(parts[i]));
  return bignum::FormatDigits(result);
}

std::string ToBase(std::string_view s, int base) {
  RequireBase(base);
  const Natural x = ParseOperand(s);
  if (base == 10) return bignum::FormatDigits(x);
  return RadixWriter(base, x).Text();
}

std::string FromBase(std::string_view t, int base) {
  RequireBase(base);
  RequireDigits(static_cast<long double>(t.size()));
  return bignum::FormatDigits(ReadRadix(t, base));
}

std::string ConvertBase(std::string_view t, int fromBase, int toBase) {
  if (fromBase == toBase) return std::string(t);
  if (fromBase == 10) return ToBase(t, toBase);
  if (toBase == 10) return FromBase(t, fromBase);
  RequireBase(toBase);
  return ToBase(FromBase(t, fromBase), toBase);
}

}  // namespace zarnix

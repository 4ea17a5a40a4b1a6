// The general calculation category's own operations. Exact parts (integer digits, fractions,
// continued-fraction terms) use the digit-text arithmetic; the rest is extended precision.
#include "discrete/general_operations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/integer_text.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

void RequireBase(int base) {
  if (base < 2 || base > 36) throw Exception(kBadBaseMessage);
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// base^count as a machine word; count is small enough for every base (base^c <= e^21).
std::uint64_t WordPower(int base, int count) {
  std::uint64_t value = 1;
  for (int i = 0; i < count; ++i) value *= static_cast<std::uint64_t>(base);
  return value;
}

// The fraction digits of base `from` as a value in [0, 1); nullopt when one is no digit.
bool FractionValue(std::string_view digits, int from, Extended& value) {
  value = 0;
  Extended scale = 1;
  for (char c : digits) {
    const int d = DigitValue(c);
    if (d < 0 || d >= from) return false;
    scale /= from;
    value += d * scale;
  }
  return true;
}

// value written with exactly `count` digits of the base (left-padded with zeros).
std::string FixedDigits(std::uint64_t value, int base, int count) {
  std::string text(static_cast<std::size_t>(count), '0');
  for (int i = count - 1; i >= 0 && value > 0; --i) {
    text[static_cast<std::size_t>(i)] = kDigitAlphabet[value % static_cast<std::uint64_t>(base)];
    value /= static_cast<std::uint64_t>(base);
  }
  return text;
}

// The sign of a number text, removed from it.
bool TakeSign(std::string& text) {
  if (text.empty() || (text[0] != '-' && text[0] != '+')) return false;
  const bool negative = text[0] == '-';
  text.erase(0, 1);
  return negative;
}

bool IsZeroDigits(std::string_view digits) {
  return digits.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

// --- reals in bases ---

std::string RealToBase(std::string_view text, int fromBase, int toBase) {
  RequireBase(fromBase);
  RequireBase(toBase);
  std::string t = Trim(text);
  const bool negative = TakeSign(t);
  if (t.find('.') == std::string::npos) t += ".0";
  const std::size_t point = t.find('.');
  std::string integer = UpperCase(t.substr(0, point));
  const std::string fraction = UpperCase(Trim(t.substr(point + 1)));
  if (!integer.empty() && !IsBaseDigits(integer, fromBase))
    throw EConvertError("'" + std::string(text) + "'不是" + IntToStr(fromBase) + "进制数");

  // Fraction: c digits of the target base, rounded; a full carry goes to the integer part.
  const int count = static_cast<int>(std::floor(21.0L / std::log(static_cast<Extended>(toBase))));
  const std::uint64_t unit = WordPower(toBase, count);
  Extended f = 0;
  std::uint64_t scaled = 0;
  if (FractionValue(fraction, fromBase, f))
    scaled = static_cast<std::uint64_t>(std::nearbyint(f * static_cast<Extended>(unit)));
  const bool carry = scaled >= unit;
  if (carry) scaled -= unit;

  std::string result;
  const bool zeroInteger = IsZeroDigits(integer);
  if (carry) {
    const std::string decimal = BigAdd(zeroInteger ? "0" : ConvertBase(integer, fromBase, 10), "1");
    result = ConvertBase(decimal, 10, toBase);
  } else if (!zeroInteger) {
    result = ConvertBase(StripLeadingZeros(integer), fromBase, toBase);
  }
  std::string digits = FixedDigits(scaled, toBase, count);
  digits.erase(digits.find_last_not_of('0') + 1);
  if (!digits.empty()) result += "." + digits;
  if (result.empty()) return "0";
  return negative ? "-" + result : result;
}

std::string PlainDecimalText(Extended value) {
  std::string text = GeneralFormat(value);
  const std::size_t e = text.find('E');
  if (e == std::string::npos) return text;
  const int exponent = std::atoi(text.c_str() + e + 1);
  text.erase(e);
  const bool negative = TakeSign(text);
  std::string digits = RemoveAll(text, ".");  // one digit before the point
  std::string plain;
  if (exponent >= 0) {
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < integerDigits) digits.append(integerDigits - digits.size(), '0');
    plain = digits.substr(0, integerDigits);
    if (digits.size() > integerDigits) plain += "." + digits.substr(integerDigits);
  } else {
    plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return negative ? "-" + plain : plain;
}

// --- fractions ---

std::string DecimalToFraction(std::string_view decimal, std::string_view repeating) {
  std::string x = Trim(decimal);
  const bool negative = TakeSign(x);
  const std::size_t point = x.find('.');
  std::string integer = point == std::string::npos ? x : x.substr(0, point);
  std::string decimals = point == std::string::npos ? "" : x.substr(point + 1);
  integer = integer.empty() ? "0" : StripLeadingZeros(DigitTextOf(integer));
  if (!decimals.empty()) DigitTextOf(decimals);
  std::string repeat = Trim(repeating);
  repeat = repeat.empty() ? "0" : DigitTextOf(repeat);

  // x = I + (F·N9 + R) / (T·N9) with T = 10^k and N9 the number of m nines.
  const std::string nines(repeat.size(), '9');
  const std::string power = "1" + std::string(decimals.size(), '0');
  const std::string numerator =
      BigAdd(BigMultiply(decimals.empty() ? "0" : decimals, nines), repeat);
  const std::string denominator = BigMultiply(power, nines);
  std::string result;
  if (numerator == "0") {
    result = integer;
  } else {
    const std::string divisor = BigGcd(numerator, denominator);
    const std::string fraction =
        BigDivMod(numerator, divisor).quotient + "/" + BigDivMod(denominator, divisor).quotient;
    result = integer == "0" ? fraction : integer + "又" + fraction;
  }
  return negative && result != "0" ? "-" + result : result;
}

std::string ReduceFraction(std::string_view fraction) {
  const std::size_t slash = fraction.find('/');
  const std::string_view top = fraction.substr(0, slash);
  const std::string_view bottom =
      slash == std::string_view::npos ? std::string_view() : fraction.substr(slash + 1);
  std::int64_t numerator = StrToInt(Trim(top));
  std::int64_t denominator = StrToInt(Trim(bottom));
  if (denominator == 0) return kZeroDenominatorText;
  std::int64_t a = std::llabs(numerator);
  std::int64_t b = std::llabs(denominator);
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  numerator /= a;
  denominator /= a;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  return IntToStr(numerator) + "/" + IntToStr(denominator);
}

// --- continued fractions ---

ContinuedFraction ExpandContinuedFraction(std::string_view decimal, int maxTerms) {
  std::string x = DecimalTextOf(decimal);
  ContinuedFraction cf;
  cf.negative = TakeSign(x);
  const std::size_t point = x.find('.');
  const std::string integer = point == std::string::npos ? x : x.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : x.substr(point + 1);
  cf.fractionDigits = static_cast<int>(fraction.size());
  cf.terms.push_back(integer.empty() ? "0" : StripLeadingZeros(integer));
  // x - a0 = F / 10^h; each step divides the last denominator into the one before.
  std::string t = "1" + std::string(fraction.size(), '0');
  std::string u = fraction;
  if (IsZeroDigits(u)) {
    cf.ended = true;
    return cf;
  }
  for (int i = 1; i <= maxTerms; ++i) {
    BigDivision division = BigDivMod(t, u);
    cf.terms.push_back(std::move(division.quotient));
    if (division.remainder == "0") {
      cf.ended = true;
      return cf;
    }
    t = std::move(u);
    u = std::move(division.remainder);
  }
  cf.remainder = StripLeadingZeros(u);
  return cf;
}

namespace {

// p / q for digit texts of any length, from their leading digits.
Extended RatioOf(const std::string& p, const std::string& q) {
  constexpr std::size_t kLead = 30;
  const std::size_t usedP = std::min(p.size(), kLead);
  const std::size_t usedQ = std::min(q.size(), kLead);
  const Extended leadP = StrToFloat(p.substr(0, usedP));
  const Extended leadQ = StrToFloat(q.substr(0, usedQ));
  const long shift = static_cast<long>(p.size() - usedP) - static_cast<long>(q.size() - usedQ);
  return leadP / leadQ * std::pow(10.0L, static_cast<Extended>(shift));
}

}  // namespace

std::vector<std::string> ContinuedFractionLines(std::string_view decimal, int maxTerms) {
  const ContinuedFraction cf = ExpandContinuedFraction(decimal, maxTerms);
  const std::string sign = cf.negative ? "-" : "";
  const auto signed_ = [&sign](const std::string& digits) {
    return digits == "0" ? digits : sign + digits;
  };
  std::vector<std::string> lines;
  lines.push_back(std::string(decimal) + "化为:");
  std::string list = "[";
  for (std::size_t i = 0; i < cf.terms.size(); ++i)
    list += (i > 0 ? "," : "") + signed_(cf.terms[i]);
  lines.push_back(list + "]");
  if (!cf.ended) {
    const std::string& u = cf.remainder;
    const std::string mantissa = u.size() == 1 ? u : u.substr(0, 1) + "." + u.substr(1);
    const int e = cf.fractionDigits - static_cast<int>(u.size()) + 1;
    lines.push_back("余数: " + mantissa + "E-" + IntToStr(e));
  }
  lines.push_back("各渐近分数为:");
  const Extended x = StrToFloat(DecimalTextOf(decimal));
  std::string p0 = "1", q0 = "0";  // p(-1), q(-1)
  std::string p1 = cf.terms[0], q1 = "1";
  for (std::size_t j = 0; j < cf.terms.size(); ++j) {
    if (j > 0) {
      std::string p = BigAdd(BigMultiply(cf.terms[j], p1), p0);
      std::string q = BigAdd(BigMultiply(cf.terms[j], q1), q0);
      p0 = std::exchange(p1, std::move(p));
      q0 = std::exchange(q1, std::move(q));
    }
    const Extended value = RatioOf(p1, q1);
    const Extended error = x - (cf.negative ? -value : value);
    CheckFpFaults();
    lines.push_back(signed_(p1) + "/" + q1 + " " + (error >= 0 ? "+" : "") +
                    Format("%1.4e", error));
  }
  return lines;
}

// --- sequences ---

Extended GeometricSum(Extended a, Extended q, Extended n) {
  if (q == 1) return n * a;
  return a * (1 - std::pow(q, n)) / (1 - q);
}

Extended ArithmeticSum(Extended a, Extended e, Extended n) {
  return n * a + n * (n - 1) * e / 2;
}

namespace {

constexpr int kZetaTerms = 100;

// Adding term to sum rounds back to sum: it is below half a unit in the sum's last place.
bool BelowHalfUlp(Extended term, Extended sum) {
  return sum != 0 && std::fabs(term) < std::fabs(sum) * 0x1p-65L;
}

// The terms of zeta(s) beyond the hundredth by Euler-Maclaurin: without them |B_2| would be
// 0.1657 instead of 1/6.
Extended ZetaTail(int s) {
  const Extended n = kZetaTerms;
  const Extended ns = std::pow(n, -s);
  return n * ns / (s - 1) - ns / 2 + s * ns / n / 12 -
         s * (s + 1.0L) * (s + 2) * ns / (n * n * n) / 720;
}

}  // namespace

std::vector<Extended> BernoulliNumbers(int count) {
  count = std::clamp(count, 0, kMaxBernoulliCount);
  std::vector<Extended> numbers;
  numbers.reserve(static_cast<std::size_t>(count));
  for (int j = 1; j <= count; ++j) {
    const int s = 2 * j;
    Extended zeta = 0;
    for (int k = 1; k <= kZetaTerms; ++k) {
      const Extended term = 1 / std::pow(static_cast<Extended>(k), s);
      if (BelowHalfUlp(term, zeta)) break;  // neither it nor any later term changes the sum
      zeta += term;
    }
    zeta += ZetaTail(s);
    numbers.push_back(zeta * Factorial(static_cast<std::uint32_t>(s)) / std::pow(kPi, s) /
                      std::ldexp(1.0L, s - 1));
  }
  return numbers;
}

std::vector<Extended> EulerNumbers(int count) {
  count = std::clamp(count, 0, kMaxEulerCount);
  std::vector<Extended> numbers;
  numbers.reserve(static_cast<std::size_t>(count));
  for (int j = 1; j <= count; ++j) {
    const int s = 2 * j;
    Extended beta = 0;
    for (int k = 1; k <= 1000; ++k) {
      const Extended term = 1 / std::pow(static_cast<Extended>(2 * k - 1), s + 1);
      if (BelowHalfUlp(term, beta)) break;
      beta += k % 2 == 1 ? term : -term;
    }
    numbers.push_back(beta / std::pow(kPi, s + 1) * Factorial(static_cast<std::uint32_t>(s)) *
                      std::ldexp(1.0L, s + 2));
  }
  return numbers;
}

// --- polynomials ---

std::string PolynomialText(std::span<const Extended> coefficients) {
  std::string text;
  const int count = static_cast<int>(coefficients.size());
  for (int i = 0; i < count; ++i) {
    const Extended c = coefficients[static_cast<std::size_t>(i)] + 0.0L;  // no "-0"
    const int power = count - 1 - i;
    if (i > 0 && !(c < 0)) text += "+";
    const std::string value = FloatToStr(c);
    if (power == 0) {
      text += value;
      continue;
    }
    if (value != "1") text += value + "*";
    text += "x";
    if (power != 1) text += "^" + IntToStr(power);
  }
  return text;
}

namespace {

// The two lists over the same length, the shorter one padded with zero high powers.
void AlignAtConstant(std::vector<Extended>& a, std::vector<Extended>& b) {
  const std::size_t n = std::max(a.size(), b.size());
  a.insert(a.begin(), n - a.size(), 0);
  b.insert(b.begin(), n - b.size(), 0);
}

}  // namespace

PolynomialResult PolynomialCompute(char op, std::span<const Extended> a,
                                   std::span<const Extended> b) {
  if (a.size() > kMaxPolynomialTerms || b.size() > kMaxPolynomialTerms)
    throw Exception(kTooManyTermsPolynomial);
  std::vector<Extended> x(a.begin(), a.end());
  std::vector<Extended> y(b.begin(), b.end());
  PolynomialResult out;
  if (op != '-' && y.size() > x.size()) {
    std::swap(x, y);
    out.swapped = op == '/';
  }
  switch (op) {
    case '+':
    case '-': {
      AlignAtConstant(x, y);
      out.result.resize(x.size());
      for (std::size_t i = 0; i < x.size(); ++i)
        out.result[i] = op == '+' ? x[i] + y[i] : x[i] - y[i];
      break;
    }
    case '*': {
      if (x.empty() || y.empty()) break;
      out.result.assign(x.size() + y.size() - 1, 0);
      for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t j = 0; j < y.size(); ++j) out.result[i + j] += x[i] * y[j];
      break;
    }
    case '/': {
      // A divisor's leading zeros carry no degree.
      const auto lead = std::find_if(y.begin(), y.end(), [](Extended c) { return c != 0; });
      y.erase(y.begin(), lead);
      if (y.empty()) throw Exception(kZeroDivisorPolynomial);
      if (x.size() < y.size()) {
        out.remainder = x;
        break;
      }
      const std::size_t steps = x.size() - y.size() + 1;
      out.result.resize(steps);
      for (std::size_t i = 0; i < steps; ++i) {
        const Extended q = x[i] / y[0];
        out.result[i] = q;
        for (std::size_t j = 0; j < y.size(); ++j) x[i + j] -= q * y[j];
      }
      out.remainder.assign(x.begin() + static_cast<std::ptrdiff_t>(steps), x.end());
      break;
    }
    default:
      throw Exception(std::string("未知运算符") + op);
  }
  CheckFpFaults();
  return out;
}

std::vector<Extended> ShownCoefficients(std::span<const Extended> values, std::string_view format,
                                        bool keepOne) {
  std::vector<Extended> shown;
  for (Extended value : values) {
    const Extended rounded = StrToFloat(Format(format, value)) + 0.0L;
    if (shown.empty() && rounded == 0) continue;
    shown.push_back(rounded);
  }
  if (shown.empty() && keepOne) shown.push_back(0);
  return shown;
}

std::string CoefficientListText(std::span<const Extended> values, std::string_view format,
                                char separator, bool keepOne) {
  std::string text;
  for (Extended c : ShownCoefficients(values, format, keepOne)) {
    if (!text.empty()) text += separator;
    text += Format(format, c);
  }
  return text;
}

std::string PolynomialArithmetic(char op, std::string_view format, std::string_view a,
                                 std::string_view b) {
  const char separator = a.find(';') != std::string_view::npos ? ';' : ',';
  const PolynomialResult result =
      PolynomialCompute(op, SplitReals(a, separator), SplitReals(b, separator));
  std::string text = CoefficientListText(result.result, format, separator, true);
  if (op == '/') text += "\r\n余" + CoefficientListText(result.remainder, format, separator, false);
  return text;
}

}  // namespace zarnix

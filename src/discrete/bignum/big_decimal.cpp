// Signed decimal texts as an integer of digits and a count of decimals: the sign rules pick
// the unsigned routine, which computes exactly on the digits and writes canonical text.
#include "discrete/bignum/big_decimal.h"

#include <algorithm>
#include <cmath>

#include "base/errors.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"

namespace zarnix {

using bignum::Natural;

namespace {

// digits / 10^decimals
struct Fixed {
  Natural digits;
  std::size_t decimals = 0;
};

void RequireDigits(long double digits) {
  if (!(digits <= static_cast<long double>(kMaxBigDigits))) throw Exception(BigTooLargeMessage());
}

Fixed ParseFixed(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return {bignum::ParseDigits(text), 0};
  std::string digits(text.substr(0, point));
  digits.append(text.substr(point + 1));
  return {bignum::ParseDigits(digits), text.size() - point - 1};
}

std::string FormatFixed(const Natural& digits, std::size_t decimals) {
  std::string text = bignum::FormatDigits(digits);
  if (decimals == 0 || digits.empty()) return text;
  if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
  text.insert(text.size() - decimals, 1, '.');
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// Both operands over the same power of ten.
void Align(Fixed& a, Fixed& b) {
  if (a.decimals < b.decimals) a = {bignum::ShiftUp(a.digits, b.decimals - a.decimals), b.decimals};
  if (b.decimals < a.decimals) b = {bignum::ShiftUp(b.digits, a.decimals - b.decimals), a.decimals};
}

bool IsNegative(std::string_view s) {
  return !s.empty() && s.front() == '-';
}
std::string_view Magnitude(std::string_view s) {
  return IsNegative(s) ? s.substr(1) : s;
}

// "-" before a magnitude text, except before zero.
std::string Negated(std::string text) {
  if (text == "0") return text;
  if (text.front() == '-') return text.substr(1);
  return "-" + text;
}

}  // namespace

std::string NormalizeDecimal(std::string_view s) {
  const Fixed x = ParseFixed(s);
  return FormatFixed(x.digits, x.decimals);
}

std::string MagnitudeAdd(std::string_view a, std::string_view b) {
  Fixed x = ParseFixed(a);
  Fixed y = ParseFixed(b);
  Align(x, y);
  return FormatFixed(bignum::Add(x.digits, y.digits), x.decimals);
}

std::string MagnitudeSubtract(std::string_view a, std::string_view b) {
  Fixed x = ParseFixed(a);
  Fixed y = ParseFixed(b);
  Align(x, y);
  if (bignum::Compare(y.digits, x.digits) > 0)
    return "-" + FormatFixed(bignum::Subtract(y.digits, x.digits), x.decimals);
  return FormatFixed(bignum::Subtract(x.digits, y.digits), x.decimals);
}

std::string MagnitudeMultiply(std::string_view a, std::string_view b) {
  const Fixed x = ParseFixed(a);
  const Fixed y = ParseFixed(b);
  if (x.digits.empty() || y.digits.empty()) return "0";
  RequireDigits(static_cast<long double>(bignum::DigitCount(x.digits)) +
                static_cast<long double>(bignum::DigitCount(y.digits)) - 1);
  return FormatFixed(bignum::Multiply(x.digits, y.digits), x.decimals + y.decimals);
}

std::string MagnitudeDivide(std::string_view a, std::string_view b, std::int64_t d) {
  const Fixed x = ParseFixed(a);
  const Fixed y = ParseFixed(b);
  if (y.digits.empty()) return kDecimalDivideError;
  if (x.digits.empty()) return "0";
  if (d < 0) d = 0;
  const std::int64_t la = static_cast<std::int64_t>(bignum::DigitCount(x.digits));
  const std::int64_t lb = static_cast<std::int64_t>(bignum::DigitCount(y.digits));
  RequireDigits(static_cast<long double>(std::max(la, lb)));
  RequireDigits(static_cast<long double>(d) + 1);
  // 10^lead <= x.digits / y.digits < 10^(lead+1)
  const Natural alignedX =
      bignum::ShiftUp(x.digits, static_cast<std::size_t>(std::max<std::int64_t>(0, lb - la)));
  const Natural alignedY =
      bignum::ShiftUp(y.digits, static_cast<std::size_t>(std::max<std::int64_t>(0, la - lb)));
  const std::int64_t lead = la - lb - (bignum::Compare(alignedX, alignedY) < 0 ? 1 : 0);
  // The d + 1 leading digits of the quotient, truncated.
  const std::int64_t shift = d - lead;
  const Natural dividend = shift >= 0
                               ? bignum::ShiftUp(x.digits, static_cast<std::size_t>(shift))
                               : bignum::ShiftDown(x.digits, static_cast<std::size_t>(-shift));
  Natural quotient, remainder;
  bignum::DivMod(dividend, y.digits, quotient, remainder);
  // value = quotient * 10^exponent
  std::int64_t exponent =
      -shift + static_cast<std::int64_t>(y.decimals) - static_cast<std::int64_t>(x.decimals);
  std::string text = bignum::FormatDigits(quotient);
  while (text.size() > 1 && text.back() == '0') {
    text.pop_back();
    ++exponent;
  }
  if (exponent >= 0) return text.append(static_cast<std::size_t>(exponent), '0');
  return FormatFixed(bignum::ParseDigits(text), static_cast<std::size_t>(-exponent));
}

std::string DecimalAdd(std::string_view a, std::string_view b) {
  const bool negA = IsNegative(a);
  const bool negB = IsNegative(b);
  if (!negA && !negB) return MagnitudeAdd(a, b);
  if (negA && negB) return Negated(MagnitudeAdd(Magnitude(a), Magnitude(b)));
  return negA ? MagnitudeSubtract(b, Magnitude(a)) : MagnitudeSubtract(a, Magnitude(b));
}

std::string DecimalSubtract(std::string_view a, std::string_view b) {
  const bool negA = IsNegative(a);
  const bool negB = IsNegative(b);
  if (!negA && !negB) return MagnitudeSubtract(a, b);
  if (negA && !negB) return Negated(MagnitudeAdd(Magnitude(a), b));
  if (!negA && negB) return MagnitudeAdd(a, Magnitude(b));
  return MagnitudeSubtract(Magnitude(b), Magnitude(a));
}

std::string DecimalMultiply(std::string_view a, std::string_view b) {
  std::string product = MagnitudeMultiply(Magnitude(a), Magnitude(b));
  return IsNegative(a) != IsNegative(b) ? Negated(std::move(product)) : product;
}

std::string DecimalDivide(std::string_view a, std::string_view b, std::int64_t d) {
  std::string quotient = MagnitudeDivide(Magnitude(a), Magnitude(b), d);
  if (quotient == kDecimalDivideError) return quotient;
  return IsNegative(a) != IsNegative(b) ? Negated(std::move(quotient)) : quotient;
}

std::string DecimalPower(std::string_view a, std::int64_t k) {
  if (k <= 0) return "1";
  const Fixed x = ParseFixed(Magnitude(a));
  if (x.digits.empty()) return "0";
  const long double count = static_cast<long double>(k);
  RequireDigits(count * static_cast<long double>(bignum::DigitCount(x.digits)));
  RequireDigits(count * static_cast<long double>(x.decimals));
  const std::uint64_t n = static_cast<std::uint64_t>(k);
  std::string power = FormatFixed(bignum::Power(x.digits, n), x.decimals * n);
  return IsNegative(a) && (k & 1) ? Negated(std::move(power)) : power;
}

std::string DecimalRoot(std::string_view a, std::int64_t n, std::int64_t p) {
  if (n < 1) throw Exception(kBadDegreeMessage);
  const bool negative = IsNegative(a);
  if (negative && n % 2 == 0) return kNegativeEvenRootText;
  if (p < 0) p = 0;
  const Fixed x = ParseFixed(Magnitude(a));
  RequireDigits(static_cast<long double>(n) * static_cast<long double>(p) +
                static_cast<long double>(bignum::DigitCount(x.digits)));
  // root(digits / 10^decimals) * 10^p = root(digits * 10^(n*p - decimals)), truncated.
  const std::int64_t shift = n * p - static_cast<std::int64_t>(x.decimals);
  const Natural scaled = shift >= 0 ? bignum::ShiftUp(x.digits, static_cast<std::size_t>(shift))
                                    : bignum::ShiftDown(x.digits, static_cast<std::size_t>(-shift));
  const Natural root = bignum::Root(scaled, static_cast<std::uint64_t>(n));
  std::string text = bignum::FormatDigits(root);
  const std::size_t decimals = static_cast<std::size_t>(p);
  if (decimals > 0) {
    if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
    text.insert(text.size() - decimals, 1, '.');
  }
  return negative && !root.empty() ? "-" + text : text;
}

}  // namespace zarnix

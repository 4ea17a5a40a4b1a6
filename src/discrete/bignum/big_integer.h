// Exact arithmetic on non-negative integers held as decimal digit texts: sums, products,
// quotients, powers, factorials, roots, gcd/lcm and conversion between bases 2 to 36.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zarnix {

// The digit of value v in bases 2 to 36 is the character at position v.
inline constexpr std::string_view kDigitAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Longest operand or result of the multiplying operations, in decimal digits. Beyond it a
// routine throws Exception(BigTooLargeMessage()) instead of working for minutes.
inline constexpr std::size_t kMaxBigDigits = 200000;
std::string BigTooLargeMessage();
// The gcd (and the lcm through it) of two long numbers costs the square of the smaller one;
// it is refused with GcdTooLargeMessage() beyond this many digits.
inline constexpr std::size_t kMaxGcdDigits = 65534;
std::string GcdTooLargeMessage();

inline constexpr const char* kZeroDivisorMessage = "除数不能为0，结果无效";
inline constexpr const char* kBadBaseMessage = "进制应在2到36之间";
inline constexpr const char* kBadDegreeMessage = "开方数错误";

enum class BigStatus { kOk, kZeroDivisor };
// The message the caller shows for a status ("" for kOk).
const char* BigStatusMessage(BigStatus status);

struct BigDivision {
  std::string quotient;
  std::string remainder;
  BigStatus status = BigStatus::kOk;
};

struct BigRootResult {
  std::string root;
  std::string remainder;
};

// Operands are digit texts; any other character counts as the digit 0. Results carry no
// leading zeros unless a routine says otherwise.

// s without leading "0" characters; "0" when nothing else is left.
[[nodiscard]] std::string StripLeadingZeros(std::string_view s);
[[nodiscard]] std::string BigAdd(std::string_view a, std::string_view b);
// a - b for a >= b; a smaller a gives "-" followed by b - a.
[[nodiscard]] std::string BigSubtract(std::string_view a, std::string_view b);
[[nodiscard]] std::string BigMultiply(std::string_view a, std::string_view b);
// Quotient and remainder. A zero divisor gives status kZeroDivisor with quotient "0" and the
// dividend as remainder; the caller shows BigStatusMessage.
[[nodiscard]] BigDivision BigDivMod(std::string_view a, std::string_view b);

// x^k, or the rising product x(x+1)...(x+k-1) when flag != 0; "1" for k <= 0. A negative
// product carries a leading "-".
[[nodiscard]] std::string SmallPower(std::int64_t x, std::int64_t k, int flag);
// s^k, or s(s+1)...(s+k-1) when flag != 0; "1" for k <= 0.
[[nodiscard]] std::string BigPower(std::string_view s, std::int64_t k, int flag);
// n!, "1" for n <= 1.
[[nodiscard]] std::string BigFactorial(std::int64_t n);

// The integer next to the square root that Newton's iteration settles on: the nearest one
// for up to four digits, else floor(sqrt(s)), or one more when s + 1 is a square. The
// remainder is "0", "+" and s - r^2, or "-" and r^2 - s.
[[nodiscard]] BigRootResult BigSqrtNewton(std::string_view s);
// floor(sqrt(s)) and s - root^2; the root has one digit per digit pair of s.
[[nodiscard]] BigRootResult BigSqrtDigits(std::string_view s);
// The n-th root of s * 10^(n*p) truncated, one digit per group of n digits, with a point
// before its last p digits when p > 0, and the remainder (scaled by 10^(-n*p) when p > 0,
// written with n*p decimals). n < 1 throws kBadDegreeMessage; p < 0 counts as 0.
[[nodiscard]] BigRootResult BigRoot(std::string_view s, std::int64_t n, std::int64_t p);

[[nodiscard]] std::string BigGcd(std::string_view a, std::string_view b);
[[nodiscard]] std::string BigLcm(std::string_view a, std::string_view b);
// Numbers separated by ";" when the text holds one, else by ",", folded left to right.
[[nodiscard]] std::string BigGcdList(std::string_view list);
[[nodiscard]] std::string BigLcmList(std::string_view list);

// Bases outside 2 to 36 throw kBadBaseMessage.
[[nodiscard]] std::string ToBase(std::string_view s, int base);
// Letters in either case; a character of value base or more is taken at its value, one
// below "0" counts as 0.
[[nodiscard]] std::string FromBase(std::string_view t, int base);
// t unchanged when the bases are equal; the decimal side skips its conversion.
[[nodiscard]] std::string ConvertBase(std::string_view t, int fromBase, int toBase);

}  // namespace zarnix

// Exact arithmetic on signed decimal texts ("-12.5"): the four operations, whole powers and
// n-th roots. Results are canonical: "0.25", never ".25"; "3", never "3.0"; zero is "0".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarnix {

inline constexpr const char* kDecimalDivideError = "Err";
inline constexpr const char* kNegativeEvenRootText = "负数不能开偶数次方！";

// Unsigned routines: the first "." is the point; every other character that is not a digit
// counts as the digit 0.

// The canonical text of s.
[[nodiscard]] std::string NormalizeDecimal(std::string_view s);
[[nodiscard]] std::string MagnitudeAdd(std::string_view a, std::string_view b);
// a - b, with a leading "-" when b is the larger.
[[nodiscard]] std::string MagnitudeSubtract(std::string_view a, std::string_view b);
[[nodiscard]] std::string MagnitudeMultiply(std::string_view a, std::string_view b);
// a / b truncated (never rounded) to d + 1 significant digits; "Err" for a zero divisor.
// d < 0 counts as 0.
[[nodiscard]] std::string MagnitudeDivide(std::string_view a, std::string_view b, std::int64_t d);

// Signed routines: an operand is negative when its first character is "-".
[[nodiscard]] std::string DecimalAdd(std::string_view a, std::string_view b);
[[nodiscard]] std::string DecimalSubtract(std::string_view a, std::string_view b);
[[nodiscard]] std::string DecimalMultiply(std::string_view a, std::string_view b);
[[nodiscard]] std::string DecimalDivide(std::string_view a, std::string_view b, std::int64_t d);
// a^k; "1" for k <= 0.
[[nodiscard]] std::string DecimalPower(std::string_view a, std::int64_t k);
// The n-th root truncated to p decimals (always written with p decimals), or the text
// kNegativeEvenRootText for a negative a and an even n. n < 1 throws; p < 0 counts as 0.
[[nodiscard]] std::string DecimalRoot(std::string_view a, std::int64_t n, std::int64_t p);

}  // namespace zarnix

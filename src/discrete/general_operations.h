// Operations of the general calculation category: reals between bases, decimals and fractions,
// continued fractions, polynomials as coefficient lists, angles and the two number sequences.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "numeric/stats.h"

namespace zarnix {

inline constexpr Extended kPi = 3.1415926535897932385L;

// --- reals in bases 2 to 36 ---

// A real written in base `fromBase` (optional sign, digits, optional point and fraction) in
// base `toBase`. The integer part is converted exactly; the fraction gets floor(21 / ln toBase)
// digits, rounded (a carry reaches the integer part), trailing zeros dropped. A zero integer
// part is left out (".1"); a result without any digit is "0". A fraction character that is no
// digit of the base drops the fraction. Throws Exception(kBadBaseMessage) for a base outside
// 2..36 and EConvertError for an integer part that is no whole number in `fromBase`.
std::string RealToBase(std::string_view text, int fromBase, int toBase);

// The value's shortest text (15 significant digits) written without an exponent:
// 1.5E-7 becomes 0.00000015, 1E20 becomes 100000000000000000000.
std::string PlainDecimalText(Extended value);

// --- fractions ---

// decimal (integer part I, decimals F) with the repeating digits (empty for none) as a
// reduced fraction: "n/d", or "I又n/d" when I is not 0, or just I when there is no fraction.
// A negative decimal carries its "-" in front. Throws EConvertError for parts that are not
// whole numbers.
std::string DecimalToFraction(std::string_view decimal, std::string_view repeating);

inline constexpr const char* kZeroDenominatorText = "分母不能为0";

// "a/b" (32-bit whole numbers) in lowest terms, the sign on the numerator; kZeroDenominatorText
// for b = 0. Throws EConvertError for a part that is not a whole number.
std::string ReduceFraction(std::string_view fraction);

// --- continued fractions ---

struct ContinuedFraction {
  bool negative = false;           // the terms and numerators below are of |x|
  std::vector<std::string> terms;  // a0, a1, ... as digit texts
  bool ended = false;              // the last remainder was 0
  std::string remainder;           // the last denominator u when not ended
  int fractionDigits = 0;          // h, the number of decimals of x
};

// The expansion of the decimal text x into at most 1 + maxTerms terms by exact division.
// Throws EConvertError for a text that is not a decimal number.
ContinuedFraction ExpandContinuedFraction(std::string_view decimal, int maxTerms);

// The answer lines: the text followed by "化为:", the terms in brackets, the remainder line
// when the expansion did not end, "各渐近分数为:" and one line per convergent with its error.
std::vector<std::string> ContinuedFractionLines(std::string_view decimal, int maxTerms);

// --- angles ---

// Whole degrees and minutes truncated toward zero and the seconds left over.
inline Dms DegreesToDMS(Extended x) {
  return DegreesToDms(x);
}

// --- sequences ---

// Sum of n terms a, aq, aq^2, ...; n·a when q = 1.
Extended GeometricSum(Extended a, Extended q, Extended n);
// Sum of n terms a, a + e, a + 2e, ...
Extended ArithmeticSum(Extended a, Extended e, Extended n);

inline constexpr int kMaxBernoulliCount = 875;
inline constexpr int kMaxEulerCount = 745;

// |B_2|, |B_4|, ... |B_2count| from ζ(s): 100 terms and the
// Euler-Maclaurin tail; count at most 875.
std::vector<Extended> BernoulliNumbers(int count);
// |E_2|, |E_4|, ... |E_2count| from β(s + 1) summed over 1000 terms; count at most 745.
std::vector<Extended> EulerNumbers(int count);

// --- polynomials (coefficients from the highest power down) ---

// "3*x^2-x+0.5": a "+" between terms unless the coefficient is negative, a coefficient "1" left
// out before x, "^e" unless e is 1; zero coefficients are written too.
std::string PolynomialText(std::span<const Extended> coefficients);

struct PolynomialResult {
  std::vector<Extended> result;     // sum, difference, product or quotient
  std::vector<Extended> remainder;  // of a division
  bool swapped = false;             // a division divided b by a (b was the longer)
};

inline constexpr const char* kZeroDivisorPolynomial = "除式不能为0";
// Coefficients a polynomial may have: a product or quotient of two such lists takes a fraction
// of a second; longer lists would take many seconds.
inline constexpr std::size_t kMaxPolynomialTerms = 5000;
inline constexpr const char* kTooManyTermsPolynomial = "多项式的系数最多5000个";

// op is '+', '-', '*' or '/'. The shorter list is aligned at the constant term; "+", "*" and
// "/" take the longer list as the first operand, "-" keeps the order. Leading zeros of a
// divisor are dropped; a zero divisor throws Exception(kZeroDivisorPolynomial), a list longer
// than kMaxPolynomialTerms Exception(kTooManyTermsPolynomial).
PolynomialResult PolynomialCompute(char op, std::span<const Extended> a,
                                   std::span<const Extended> b);

// The coefficients as `format` shows them, read back, with leading zeros dropped; an all-zero
// list keeps one zero when keepOne is set and becomes empty otherwise.
std::vector<Extended> ShownCoefficients(std::span<const Extended> values, std::string_view format,
                                        bool keepOne);
// The shown coefficients formatted with `format` and joined with the separator.
std::string CoefficientListText(std::span<const Extended> values, std::string_view format,
                                char separator, bool keepOne);

// The two lists (separated by ";" when the first holds one, else by ",") combined by op, the
// result written with `format` and the same separator; for "/" the quotient, a line break,
// "余" and the remainder.
std::string PolynomialArithmetic(char op, std::string_view format, std::string_view a,
                                 std::string_view b);

}  // namespace zarnix

// The digit-string arithmetic and the complex-number texts on fuzzed operands: the first byte
// picks the operation, the rest is split at its first "|" into two operands. Whole-number
// arguments (powers, digits, roots) stay in the ranges the categories pass.
#include <cstdint>
#include <string>

#include "discrete/bignum/big_decimal.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/integer_text.h"
#include "expr/complex_text.h"
#include "fuzz_support.h"

namespace zarnix::fuzz {
namespace {

// A small whole number from the operand's first bytes.
std::int64_t Small(std::string_view text, std::int64_t limit) {
  std::int64_t value = 0;
  for (std::size_t i = 0; i < text.size() && i < 4; ++i)
    value = value * 31 + static_cast<unsigned char>(text[i]);
  return value % limit;
}

void Operate(int op, std::string_view a, std::string_view b) {
  switch (op) {
    case 0:
      (void)BigAdd(a, b);
      break;
    case 1:
      (void)BigSubtract(a, b);
      break;
    case 2:
      (void)BigMultiply(a, b);
      break;
    case 3:
      (void)BigDivMod(a, b);
      break;
    case 4:
      (void)BigPower(a.substr(0, 40), Small(b, 300), Small(b, 2));
      break;
    case 5:
      (void)BigFactorial(Small(a, 3000));
      break;
    case 6:
      (void)BigRoot(a, 1 + Small(b, 18), Small(b, 30));
      break;
    case 7:
      (void)BigGcdList(a);
      break;
    case 8:
      (void)BigSqrtNewton(a);
      break;
    case 9:
      (void)DecimalAdd(a, b);
      break;
    case 10:
      (void)DecimalSubtract(a, b);
      break;
    case 11:
      (void)DecimalMultiply(a, b);
      break;
    case 12:
      (void)DecimalDivide(a, b, Small(b, 200));
      break;
    case 13:
      (void)DecimalPower(a.substr(0, 20), Small(b, 200));
      break;
    case 14:
      (void)DecimalRoot(a, 1 + Small(b, 18), Small(b, 40));
      break;
    case 15:
      (void)DigitTextOf(a);
      break;
    case 16: {
      Extended re = 0, im = 0;
      ParseComplexText(a, re, im);
      (void)FormatComplex("%.6f", re, im);
      break;
    }
    default: {
      if (const auto value = ParseComplexLiteral(a))
        (void)FormatComplex("%." + std::to_string(1 + Small(b, 12)) + "f", value->re, value->im);
      break;
    }
  }
}

}  // namespace
}  // namespace zarnix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarnix;
  if (size == 0) return 0;
  const std::string_view rest = fuzz::Text(data + 1, size - 1);
  const std::size_t bar = rest.find('|');
  const std::string_view a = rest.substr(0, bar);
  const std::string_view b = bar == std::string_view::npos ? "" : rest.substr(bar + 1);
  fuzz::Guarded([&] { fuzz::Operate(data[0] % 18, a, b); });
  return 0;
}

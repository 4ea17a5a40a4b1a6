// The Chudnovsky series 1/π = 12 Σ (−1)^k (6k)! (13591409 + 545140134k) /
// ((3k)! (k!)³ 640320^(3k + 3/2)), about 14 decimals a term, summed exactly by binary
// splitting so that only a few long products, one root and one division remain.
#include "discrete/bignum/pi_digits.h"

#include <cstdint>
#include <utility>

#include "discrete/bignum/natural.h"

namespace zarnix {

using bignum::Natural;

namespace {

constexpr std::uint64_t kA = 13591409;
constexpr std::uint64_t kB = 545140134;
constexpr std::uint64_t kC3Over24 = 10939058860032000;  // 640320³ / 24
constexpr long double kDigitsPerTerm = 14.18L;
// Digits computed beyond those shown, so that the cut-off digit is certain.
constexpr int kGuardDigits = 12;

// A sum that changes sign from term to term: magnitude and sign.
struct Signed {
  Natural magnitude;
  bool negative = false;
};

Signed Add(const Signed& a, const Signed& b) {
  if (a.negative == b.negative) return {bignum::Add(a.magnitude, b.magnitude), a.negative};
  if (bignum::Compare(a.magnitude, b.magnitude) >= 0)
    return {bignum::Subtract(a.magnitude, b.magnitude), a.negative};
  return {bignum::Subtract(b.magnitude, a.magnitude), b.negative};
}

Signed Times(const Natural& factor, const Signed& s) {
  return {bignum::Multiply(factor, s.magnitude), s.negative};
}

// P, Q and T of the terms a ... b−1: the sum of those terms is T / Q times the terms before.
struct Split {
  Natural p;
  Natural q;
  Signed t;
};

Split Leaf(std::uint64_t k) {
  if (k == 0) return {{1}, {1}, {bignum::FromWord(kA), false}};
  Natural p = bignum::MultiplyWord(bignum::FromWord((6 * k - 5) * (2 * k - 1)), 6 * k - 1);
  Natural q = bignum::MultiplyWord(bignum::FromWord(k * k * k), kC3Over24);
  Signed t{bignum::MultiplyWord(p, kA + kB * k), (k & 1) != 0};
  return {std::move(p), std::move(q), std::move(t)};
}

// `needP` is false for the whole range, whose P nothing uses.
Split Range(std::uint64_t a, std::uint64_t b, bool needP = true) {
  if (b - a == 1) return Leaf(a);
  const std::uint64_t m = a + (b - a) / 2;
  const Split left = Range(a, m);
  const Split right = Range(m, b, needP);
  Split whole;
  whole.t = Add(Times(right.q, left.t), Times(left.p, right.t));
  if (needP) whole.p = bignum::Multiply(left.p, right.p);
  whole.q = bignum::Multiply(left.q, right.q);
  return whole;
}

}  // namespace

std::string PiDigits(int decimals) {
  if (decimals <= 0) return "3";
  const std::size_t digits = static_cast<std::size_t>(decimals) + kGuardDigits;
  const auto terms =
      static_cast<std::uint64_t>(static_cast<long double>(digits) / kDigitsPerTerm) + 2;
  const Split sum = Range(0, terms, false);
  // Q / T is needed to `digits` places only: both lose their surplus low digits first, which
  // makes the one long division (the costliest step) much shorter.
  const std::size_t surplus = bignum::DigitCount(sum.t.magnitude) > digits + kGuardDigits
                                  ? bignum::DigitCount(sum.t.magnitude) - digits - kGuardDigits
                                  : 0;
  const Natural q = bignum::ShiftDown(sum.q, surplus);
  const Natural t = bignum::ShiftDown(sum.t.magnitude, surplus);
  // π = 426880 √10005 Q / T, with √10005 scaled by 10^digits.
  const Natural root = bignum::Root(bignum::ShiftUp(bignum::FromWord(10005), 2 * digits), 2);
  const Natural numerator = bignum::Multiply(bignum::MultiplyWord(root, 426880), q);
  Natural scaled, remainder;
  bignum::DivMod(numerator, t, scaled, remainder);
  const std::string text = bignum::FormatDigits(bignum::ShiftDown(scaled, kGuardDigits));
  return text.substr(0, 1) + "." + text.substr(1);
}

}  // namespace zarnix

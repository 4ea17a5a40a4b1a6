// Non-negative integers as little-endian limbs of nine decimal digits: the engine under the
// digit-string routines. Decimal limbs make text in and out linear; the rest is the usual kit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarnix::bignum {

using Limb = std::uint32_t;
inline constexpr Limb kLimbBase = 1000000000;
inline constexpr int kLimbDigits = 9;

// Least significant limb first, no zero limb on top; zero is the empty vector.
using Natural = std::vector<Limb>;

// --- text ---
// Every character that is not a decimal digit counts as the digit 0.
Natural ParseDigits(std::string_view text);
// Decimal text without leading zeros ("0" for zero).
std::string FormatDigits(const Natural& x);
// Number of decimal digits (1 for zero).
std::size_t DigitCount(const Natural& x);

// --- conversions and comparison ---
Natural FromWord(std::uint64_t value);
// The value when it fits in 64 bits (callers check with FitsWord).
std::uint64_t ToWord(const Natural& x);
bool FitsWord(const Natural& x);
int Compare(const Natural& a, const Natural& b);

// --- arithmetic ---
Natural Add(const Natural& a, const Natural& b);
// a - b; a must not be smaller than b.
Natural Subtract(const Natural& a, const Natural& b);
Natural AddWord(const Natural& a, std::uint64_t w);
Natural SubtractWord(const Natural& a, std::uint64_t w);  // a >= w
Natural MultiplyWord(const Natural& a, std::uint64_t w);
// Quotient in place; returns the remainder. d is not zero.
std::uint64_t DivideWordInPlace(Natural& a, std::uint64_t d);
std::uint64_t ModWord(const Natural& a, std::uint64_t d);
Natural Multiply(const Natural& a, const Natural& b);
Natural Square(const Natural& a);
// a = q * b + r with 0 <= r < b; b is not zero.
void DivMod(const Natural& a, const Natural& b, Natural& q, Natural& r);

// x * 10^digits and floor(x / 10^digits).
Natural ShiftUp(const Natural& x, std::size_t digits);
Natural ShiftDown(const Natural& x, std::size_t digits);
Natural PowerOfTen(std::size_t digits);

// --- higher operations ---
Natural Power(const Natural& x, std::uint64_t k);
// The product lo * (lo+1) * ... * hi of machine words, "1" when lo > hi.
Natural RangeProduct(std::uint64_t lo, std::uint64_t hi);
// The product x * (x+1) * ... * (x+k-1) of a long x.
Natural RisingProduct(const Natural& x, std::uint64_t k);
// floor(x^(1/n)) for n >= 1, with x - root^n in *remainder when asked for.
Natural Root(const Natural& x, std::uint64_t n, Natural* remainder = nullptr);
Natural Gcd(Natural a, Natural b);

}  // namespace zarnix::bignum

// Randomised checks of the digit-text integer routines against GMP as an independent exact
// reference: thousands of operands up to 500 digits, shaped around 9-digit limbs, 17-digit
// blocks, runs of zeros and nines (borrow chains) and leading zeros.
#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "discrete/bignum/big_integer.h"

namespace zarnix {
namespace {

// RAII wrapper over mpz_t, just enough for the checks.
class Mpz {
 public:
  Mpz() { mpz_init(v_); }
  explicit Mpz(const std::string& decimal) {
    mpz_init(v_);
    mpz_set_str(v_, decimal.c_str(), 10);
  }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(v_); }
  mpz_ptr get() { return v_; }
  mpz_srcptr get() const { return v_; }
  std::string Text(int base = 10) const {
    std::vector<char> buffer(mpz_sizeinbase(v_, base) + 2);
    mpz_get_str(buffer.data(), base, v_);
    std::string text(buffer.data());
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
      return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
  }

 private:
  mpz_t v_;
};

std::string Stripped(const std::string& s) {
  const std::size_t first = s.find_first_not_of('0');
  return first == std::string::npos ? "0" : s.substr(first);
}

class OperandSource {
 public:
  explicit OperandSource(std::uint64_t seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // A digit text of 1..maxLength digits in one of several shapes.
  std::string Next(int maxLength = 500) {
    static const int kBoundaries[] = {1,  8,  9,  10, 16, 17, 18, 19, 26,
                                      27, 33, 34, 35, 36, 51, 52, 53};
    int length = Below(3) == 0 ? kBoundaries[Below(std::size(kBoundaries))] : 1 + Below(maxLength);
    length = std::min(length, maxLength);
    std::string s;
    switch (Below(7)) {
      case 0:  // 10^k - 1: all nines
        s.assign(length, '9');
        break;
      case 1:  // 10^(k-1): a one and zeros
        s = "1" + std::string(length - 1, '0');
        break;
      case 2:  // long runs of zeros and nines
        for (int i = 0; i < length; ++i) s.push_back(Below(2) ? '0' : '9');
        if (s[0] == '0') s[0] = '1';
        break;
      case 3:  // leading zeros in front of a random number
        s = std::string(1 + Below(20), '0') + Random(length);
        break;
      default:
        s = Random(length);
        break;
    }
    return s;
  }

 private:
  std::string Random(int length) {
    std::string s;
    for (int i = 0; i < length; ++i) s.push_back(static_cast<char>('0' + Below(10)));
    if (length > 1 && s[0] == '0') s[0] = static_cast<char>('1' + Below(9));
    return s;
  }
  std::mt19937_64 rng_;
};

constexpr int kRounds = 3000;

TEST(BignumReferenceTest, SumsDifferencesAndProducts) {
  OperandSource source(1);
  for (int i = 0; i < kRounds; ++i) {
    const std::string a = source.Next();
    const std::string b = source.Next();
    Mpz x(a), y(b), r;
    mpz_add(r.get(), x.get(), y.get());
    ASSERT_EQ(BigAdd(a, b), r.Text()) << a << " + " << b;
    mpz_mul(r.get(), x.get(), y.get());
    ASSERT_EQ(BigMultiply(a, b), r.Text()) << a << " * " << b;
    const bool ordered = mpz_cmp(x.get(), y.get()) >= 0;
    const std::string& big = ordered ? a : b;
    const std::string& small = ordered ? b : a;
    mpz_sub(r.get(), ordered ? x.get() : y.get(), ordered ? y.get() : x.get());
    ASSERT_EQ(BigSubtract(big, small), r.Text()) << big << " - " << small;
  }
}

// Long operands reach the deeper Karatsuba levels, the unbalanced product and the recursive
// root.
TEST(BignumReferenceTest, LongOperands) {
  OperandSource source(8);
  for (int i = 0; i < 40; ++i) {
    const std::string a = source.Next(9000);
    const std::string b = source.Next(source.Below(2) ? 9000 : 2000);
    Mpz x(a), y(b), r, q;
    mpz_mul(r.get(), x.get(), y.get());
    ASSERT_EQ(BigMultiply(a, b), r.Text());
    mpz_mul(r.get(), x.get(), x.get());
    ASSERT_EQ(BigPower(a, 2, 0), r.Text());
    if (mpz_sgn(y.get()) != 0) {
      mpz_tdiv_qr(q.get(), r.get(), r.get(), y.get());
      const BigDivision d = BigDivMod(BigPower(a, 2, 0), b);
      ASSERT_EQ(d.quotient, q.Text());
      ASSERT_EQ(d.remainder, r.Text());
    }
    mpz_sqrt(r.get(), x.get());
    ASSERT_EQ(StripLeadingZeros(BigSqrtDigits(a).root), r.Text());
    mpz_root(r.get(), x.get(), 3);
    ASSERT_EQ(StripLeadingZeros(BigRoot(a, 3, 0).root), r.Text());
  }
}

TEST(BignumReferenceTest, QuotientsAndRemainders) {
  OperandSource source(2);
  for (int i = 0; i < kRounds; ++i) {
    const std::string a = source.Next();
    std::string b = source.Next(source.Below(4) == 0 ? 20 : 500);
    Mpz x(a), y(b);
    if (mpz_sgn(y.get()) == 0) continue;
    Mpz q, r;
    mpz_tdiv_qr(q.get(), r.get(), x.get(), y.get());
    const BigDivision d = BigDivMod(a, b);
    ASSERT_EQ(d.status, BigStatus::kOk);
    ASSERT_EQ(d.quotient, q.Text()) << a << " / " << b;
    ASSERT_EQ(d.remainder, r.Text()) << a << " % " << b;
  }
}

TEST(BignumReferenceTest, PowersFactorialsAndRisingProducts) {
  OperandSource source(3);
  for (int i = 0; i < 600; ++i) {
    const std::string s = source.Next(source.Below(2) ? 8 : 60);
    const int k = source.Below(40);
    Mpz x(s), r;
    mpz_pow_ui(r.get(), x.get(), static_cast<unsigned long>(k));
    ASSERT_EQ(BigPower(s, k, 0), r.Text()) << s << "^" << k;
    mpz_set_ui(r.get(), 1);
    Mpz factor(s);
    for (int j = 0; j < k; ++j) {
      mpz_mul(r.get(), r.get(), factor.get());
      mpz_add_ui(factor.get(), factor.get(), 1);
    }
    ASSERT_EQ(BigPower(s, k, 1), r.Text()) << s << " rising " << k;
  }
  for (int n : {0, 1, 2, 12, 13, 20, 21, 100, 255, 1000, 3001}) {
    Mpz r;
    mpz_fac_ui(r.get(), static_cast<unsigned long>(n));
    EXPECT_EQ(BigFactorial(n), r.Text()) << n;
  }
  for (std::int64_t x : {0LL, 1LL, 7LL, 99999999LL, 4294967295LL, 1000000000000LL}) {
    for (int k : {1, 2, 3, 9, 17}) {
      Mpz r;
      mpz_ui_pow_ui(r.get(), static_cast<unsigned long>(x), static_cast<unsigned long>(k));
      EXPECT_EQ(SmallPower(x, k, 0), r.Text()) << x << "^" << k;
      mpz_set_ui(r.get(), 1);
      for (int j = 0; j < k; ++j) mpz_mul_ui(r.get(), r.get(), static_cast<unsigned long>(x + j));
      EXPECT_EQ(SmallPower(x, k, 1), r.Text()) << x << " rising " << k;
    }
  }
}

TEST(BignumReferenceTest, Roots) {
  OperandSource source(4);
  for (int i = 0; i < kRounds; ++i) {
    const std::string s = source.Next();
    Mpz x(s), root, rem;
    mpz_sqrtrem(root.get(), rem.get(), x.get());
    const BigRootResult digits = BigSqrtDigits(s);
    ASSERT_EQ(Stripped(digits.root), root.Text()) << s;
    ASSERT_EQ(digits.root.size(), std::max<std::size_t>(1, (s.size() + 1) / 2)) << s;
    ASSERT_EQ(digits.remainder, rem.Text()) << s;

    const int n = 2 + source.Below(source.Below(4) == 0 ? 60 : 9);
    const int p = source.Below(3) == 0 ? source.Below(12) : 0;
    Mpz scaled;
    mpz_ui_pow_ui(scaled.get(), 10, static_cast<unsigned long>(n * p));
    mpz_mul(scaled.get(), scaled.get(), x.get());
    mpz_rootrem(root.get(), rem.get(), scaled.get(), static_cast<unsigned long>(n));
    const BigRootResult nth = BigRoot(s, n, p);
    std::string expectedRoot = root.Text();
    const std::size_t groups = (s.size() + n * p + n - 1) / n;
    expectedRoot.insert(0, groups - std::min(groups, expectedRoot.size()), '0');
    if (p > 0) expectedRoot.insert(expectedRoot.size() - p, 1, '.');
    ASSERT_EQ(nth.root, expectedRoot) << s << " root " << n << " p " << p;
    if (p == 0) {
      ASSERT_EQ(nth.remainder, rem.Text()) << s << " root " << n;
    }
  }
}

// Newton's iteration as the integer square root routine runs it, on GMP numbers, for
// comparison: from the first len/2 + 1 digits, at most 30 steps of (x^2 + s) / (2x).
struct NewtonTrace {
  std::string root;
  bool stoppedAboveRoot = false;  // stopped on a zero remainder before reaching the root
};

NewtonTrace TraceNewton(const std::string& s) {
  Mpz value(s), x(s.substr(0, s.size() / 2 + 1)), q, r, num, den, floorRoot;
  mpz_sqrt(floorRoot.get(), value.get());
  for (int i = 0; i < 30; ++i) {
    mpz_mul(num.get(), x.get(), x.get());
    mpz_add(num.get(), num.get(), value.get());
    mpz_mul_ui(den.get(), x.get(), 2);
    mpz_tdiv_qr(q.get(), r.get(), num.get(), den.get());
    const bool stop = mpz_sgn(r.get()) == 0 || mpz_cmp(q.get(), x.get()) == 0;
    if (stop) {
      Mpz limit;
      mpz_add_ui(limit.get(), floorRoot.get(), 1);
      return {q.Text(), mpz_cmp(q.get(), limit.get()) > 0};
    }
    mpz_set(x.get(), q.get());
  }
  return {q.Text(), false};
}

TEST(BignumReferenceTest, NewtonSquareRootFollowsTheIteration) {
  OperandSource source(5);
  int compared = 0;
  for (int i = 0; i < kRounds; ++i) {
    std::string s = Stripped(source.Next(source.Below(2) ? 12 : 300));
    if (s.size() <= 4) continue;
    // Squares, their neighbours and s = r^2 + 2r (where the iteration ends one higher).
    Mpz base(s);
    if (source.Below(2)) {
      mpz_sqrt(base.get(), base.get());
      mpz_mul(base.get(), base.get(), base.get());
      const int nudge = source.Below(3);
      if (nudge == 1) mpz_sub_ui(base.get(), base.get(), 1);
      if (nudge == 2) mpz_add_ui(base.get(), base.get(), 1);
      s = base.Text();
      if (s.size() <= 4) continue;
    }
    const NewtonTrace trace = TraceNewton(s);
    const BigRootResult result = BigSqrtNewton(s);
    if (trace.stoppedAboveRoot) continue;  // the early stop we deliberately do not copy
    ++compared;
    ASSERT_EQ(result.root, trace.root) << s;
    Mpz r(result.root), square, diff;
    mpz_mul(square.get(), r.get(), r.get());
    mpz_sub(diff.get(), Mpz(s).get(), square.get());
    const int sign = mpz_sgn(diff.get());
    mpz_abs(diff.get(), diff.get());
    ASSERT_EQ(result.remainder, sign == 0 ? "0" : (sign > 0 ? "+" : "-") + diff.Text()) << s;
  }
  EXPECT_GT(compared, kRounds / 2);
}

TEST(BignumReferenceTest, GcdAndLcm) {
  OperandSource source(6);
  for (int i = 0; i < kRounds; ++i) {
    std::string a = source.Next(300);
    std::string b = source.Next(300);
    if (source.Below(3) == 0) {  // a common factor makes the gcd interesting
      const std::string c = source.Next(40);
      a = BigMultiply(a, c);
      b = BigMultiply(b, c);
    }
    Mpz x(a), y(b), r;
    mpz_gcd(r.get(), x.get(), y.get());
    ASSERT_EQ(BigGcd(a, b), r.Text()) << a << " gcd " << b;
    mpz_lcm(r.get(), x.get(), y.get());
    ASSERT_EQ(BigLcm(a, b), r.Text()) << a << " lcm " << b;
  }
  Mpz all;
  mpz_set_ui(all.get(), 1);
  std::string list;
  for (unsigned i = 1; i <= 300; ++i) {
    mpz_lcm_ui(all.get(), all.get(), i);
    list += (i > 1 ? ";" : "") + std::to_string(i);
  }
  EXPECT_EQ(BigLcmList(list), all.Text());
  EXPECT_EQ(BigGcdList("1234567890123456789012345678901234567890,"
                       "98765432109876543210987654321098765432100,30"),
            "30");
}

TEST(BignumReferenceTest, BaseConversion) {
  OperandSource source(7);
  for (int i = 0; i < kRounds; ++i) {
    const std::string s = source.Next();
    const int base = 2 + source.Below(35);
    Mpz x(s);
    const std::string text = x.Text(base);
    ASSERT_EQ(ToBase(s, base), text) << s << " base " << base;
    ASSERT_EQ(FromBase(text, base), x.Text()) << text << " base " << base;
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    const int other = 2 + source.Below(35);
    ASSERT_EQ(ConvertBase(lower, base, other), other == base ? lower : x.Text(other));
  }
}

}  // namespace
}  // namespace zarnix

// Limb arithmetic for the digit-string routines: comba and Karatsuba products, long division,
// powers, product trees, integer roots by Newton's method and Euclid's gcd.
#include "discrete/bignum/natural.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zarnix::bignum {

namespace {

using Wide = unsigned __int128;

// Below this many limbs the quadratic products beat Karatsuba.
constexpr std::size_t kKaratsubaThreshold = 40;

constexpr std::uint64_t kPowersOfTen[] = {1,         10,         100,         1000,
                                          10000,     100000,     1000000,     10000000,
                                          100000000, 1000000000, 10000000000, 100000000000};

// Division by a divisor below 10^9 through a precomputed reciprocal: the estimate from the
// high half of n * (2^64 - 1) / d is at most one short (n < 2^62).
class ShortDivisor {
 public:
  explicit ShortDivisor(std::uint64_t d) : d_(d), reciprocal_(~0ULL / d) {}
  std::uint64_t Quotient(std::uint64_t n) const {
    std::uint64_t q = static_cast<std::uint64_t>((static_cast<Wide>(n) * reciprocal_) >> 64);
    if (n - q * d_ >= d_) ++q;
    return q;
  }

 private:
  std::uint64_t d_;
  std::uint64_t reciprocal_;
};

void Trim(Natural& x) {
  while (!x.empty() && x.back() == 0) x.pop_back();
}

// acc = quotient * 10^9 + remainder, without a 128-bit division: 2^64 = 18446744073 * 10^9
// + 709551616. Column sums stay far below the 2^93 this needs.
inline Limb SplitAccumulator(Wide acc, Wide& quotient) {
  const std::uint64_t hi = static_cast<std::uint64_t>(acc >> 64);
  const std::uint64_t lo = static_cast<std::uint64_t>(acc);
  const std::uint64_t t = hi * 709551616ULL + lo % kLimbBase;
  quotient = static_cast<Wide>(hi) * 18446744073ULL + lo / kLimbBase + t / kLimbBase;
  return static_cast<Limb>(t % kLimbBase);
}

// out[0 .. na+nb) = a * b, column by column (comba).
void MultiplyBasecase(const Limb* a, std::size_t na, const Limb* b, std::size_t nb, Limb* out) {
  if (na == 0 || nb == 0) {
    std::fill(out, out + na + nb, 0);
    return;
  }
  Wide carry = 0;
  for (std::size_t k = 0; k + 1 < na + nb; ++k) {
    Wide acc = carry;
    const std::size_t first = k >= nb ? k - nb + 1 : 0;
    const std::size_t last = std::min(k, na - 1);
    for (std::size_t i = first; i <= last; ++i) acc += static_cast<std::uint64_t>(a[i]) * b[k - i];
    out[k] = SplitAccumulator(acc, carry);
  }
  out[na + nb - 1] = static_cast<Limb>(carry);
}

// out[0 .. 2n) = a * a, each cross product counted once and doubled.
void SquareBasecase(const Limb* a, std::size_t n, Limb* out) {
  if (n == 0) return;
  Wide carry = 0;
  for (std::size_t k = 0; k + 1 < 2 * n; ++k) {
    Wide cross = 0;
    const std::size_t first = k >= n ? k - n + 1 : 0;
    std::size_t i = first;
    for (; 2 * i < k; ++i) cross += static_cast<std::uint64_t>(a[i]) * a[k - i];
    Wide acc = carry + 2 * cross;
    if (2 * i == k) acc += static_cast<std::uint64_t>(a[i]) * a[i];
    out[k] = SplitAccumulator(acc, carry);
  }
  out[2 * n - 1] = static_cast<Limb>(carry);
}

// r[0 .. nr) += a[0 .. na); the sum must fit in nr limbs.
void AddInto(Limb* r, std::size_t nr, const Limb* a, std::size_t na) {
  Limb carry = 0;
  std::size_t i = 0;
  for (; i < na; ++i) {
    Limb s = r[i] + a[i] + carry;
    carry = s >= kLimbBase;
    r[i] = carry ? s - kLimbBase : s;
  }
  for (; carry && i < nr; ++i) {
    Limb s = r[i] + 1;
    carry = s >= kLimbBase;
    r[i] = carry ? 0 : s;
  }
}

// r[0 .. nr) -= a[0 .. na); r must not be smaller.
void SubtractFrom(Limb* r, std::size_t nr, const Limb* a, std::size_t na) {
  Limb borrow = 0;
  std::size_t i = 0;
  for (; i < na; ++i) {
    const Limb sub = a[i] + borrow;
    borrow = r[i] < sub;
    r[i] = borrow ? r[i] + kLimbBase - sub : r[i] - sub;
  }
  for (; borrow && i < nr; ++i) {
    borrow = r[i] == 0;
    r[i] = borrow ? kLimbBase - 1 : r[i] - 1;
  }
}

// out[0 .. h+1) = low[0 .. m) + high[0 .. h), m <= h.
void AddHalves(const Limb* low, std::size_t m, const Limb* high, std::size_t h, Limb* out) {
  std::copy(high, high + h, out);
  out[h] = 0;
  AddInto(out, h + 1, low, m);
}

std::size_t KaratsubaScratch(std::size_t n) {
  if (n < kKaratsubaThreshold) return 0;
  const std::size_t h = n - n / 2;
  return 4 * (h + 1) + KaratsubaScratch(h + 1);
}

// out[0 .. 2n) = a * b for two n-limb operands (zero limbs on top allowed).
void KaratsubaMultiply(const Limb* a, const Limb* b, std::size_t n, Limb* out, Limb* scratch) {
  if (n < kKaratsubaThreshold) return MultiplyBasecase(a, n, b, n, out);
  const std::size_t m = n / 2;
  const std::size_t h = n - m;
  KaratsubaMultiply(a, b, m, out, scratch);
  KaratsubaMultiply(a + m, b + m, h, out + 2 * m, scratch);
  Limb* sumA = scratch;
  Limb* sumB = sumA + (h + 1);
  Limb* middle = sumB + (h + 1);
  AddHalves(a, m, a + m, h, sumA);
  AddHalves(b, m, b + m, h, sumB);
  KaratsubaMultiply(sumA, sumB, h + 1, middle, middle + 2 * (h + 1));
  // middle = a0*b1 + a1*b0, less than 2 * 10^(9n): add its significant limbs only.
  SubtractFrom(middle, 2 * (h + 1), out, 2 * m);
  SubtractFrom(middle, 2 * (h + 1), out + 2 * m, 2 * h);
  std::size_t len = 2 * (h + 1);
  while (len > 0 && middle[len - 1] == 0) --len;
  AddInto(out + m, 2 * n - m, middle, len);
}

void KaratsubaSquare(const Limb* a, std::size_t n, Limb* out, Limb* scratch) {
  if (n < kKaratsubaThreshold) return SquareBasecase(a, n, out);
  const std::size_t m = n / 2;
  const std::size_t h = n - m;
  KaratsubaSquare(a, m, out, scratch);
  KaratsubaSquare(a + m, h, out + 2 * m, scratch);
  Limb* sum = scratch;
  Limb* middle = sum + 2 * (h + 1);
  AddHalves(a, m, a + m, h, sum);
  KaratsubaSquare(sum, h + 1, middle, middle + 2 * (h + 1));
  SubtractFrom(middle, 2 * (h + 1), out, 2 * m);
  SubtractFrom(middle, 2 * (h + 1), out + 2 * m, 2 * h);
  std::size_t len = 2 * (h + 1);
  while (len > 0 && middle[len - 1] == 0) --len;
  AddInto(out + m, 2 * n - m, middle, len);
}

// Long division (Knuth's algorithm D) for a divisor of at least two limbs.
void DivModLong(const Natural& a, const Natural& b, Natural& q, Natural& r) {
  const std::size_t n = b.size();
  const std::size_t m = a.size() - n;
  // Scale so that the divisor's top limb is at least half the base.
  const std::uint64_t scale = kLimbBase / (static_cast<std::uint64_t>(b.back()) + 1);
  Natural u = MultiplyWord(a, scale);
  u.resize(a.size() + 1, 0);
  const Natural v = MultiplyWord(b, scale);
  const std::uint64_t top = v[n - 1];
  const std::uint64_t next = v[n - 2];
  q.assign(m + 1, 0);
  for (std::size_t j = m + 1; j-- > 0;) {
    const std::uint64_t num = static_cast<std::uint64_t>(u[j + n]) * kLimbBase + u[j + n - 1];
    std::uint64_t qhat = num / top;
    std::uint64_t rhat = num % top;
    if (qhat >= kLimbBase) {
      qhat = kLimbBase - 1;
      rhat = num - qhat * top;
    }
    while (rhat < kLimbBase && qhat * next > rhat * kLimbBase + u[j + n - 2]) {
      --qhat;
      rhat += top;
    }
    // u -= qhat * v. The products split into high and low limbs independently of each
    // other; only a small borrow (0, 1 or 2) runs from limb to limb.
    std::uint64_t carry = 0;  // high limb of the previous product
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t p = qhat * v[i];
      const std::uint64_t hi = p / kLimbBase;
      const std::uint64_t lo = p - hi * kLimbBase;
      // u - lo - carry - borrow, shifted up by two bases into [0, 3 * base).
      const std::uint64_t t = u[i + j] + 2ULL * kLimbBase - lo - carry - borrow;
      const std::uint64_t keep = (t >= kLimbBase) + (t >= 2ULL * kLimbBase);
      u[i + j] = static_cast<Limb>(t - keep * kLimbBase);
      borrow = 2 - keep;
      carry = hi;
    }
    const std::int64_t t = static_cast<std::int64_t>(u[j + n]) - static_cast<std::int64_t>(carry) -
                           static_cast<std::int64_t>(borrow);
    if (t < 0) {
      // qhat was one too large: add the divisor back; the top limb then cancels.
      --qhat;
      Limb c = 0;
      for (std::size_t i = 0; i < n; ++i) {
        Limb s = u[i + j] + v[i] + c;
        c = s >= kLimbBase;
        u[i + j] = c ? s - kLimbBase : s;
      }
      u[j + n] = 0;
    } else {
      u[j + n] = static_cast<Limb>(t);
    }
    q[j] = static_cast<Limb>(qhat);
  }
  Trim(q);
  u.resize(n);
  Trim(u);
  DivideWordInPlace(u, scale);
  r = std::move(u);
}

// Newton step towards floor(x^(1/n)) from y: ((n-1)*y + x / y^(n-1)) / n.
Natural NewtonRootStep(const Natural& x, std::uint64_t n, const Natural& y) {
  Natural q, r;
  DivMod(x, Power(y, n - 1), q, r);
  Natural sum = Add(MultiplyWord(y, n - 1), q);
  DivideWordInPlace(sum, n);
  return sum;
}

// Descends from start (not below the root) to floor(x^(1/n)). A start close to the root
// needs one step and one check; *power receives root^n.
Natural DescendToRoot(const Natural& x, std::uint64_t n, Natural y, Natural& power) {
  y = NewtonRootStep(x, n, y);
  while (true) {
    power = Power(y, n);
    if (Compare(power, x) <= 0) return y;
    y = NewtonRootStep(x, n, y);  // y is above the root, so this strictly decreases
  }
}

// A start above floor(x^(1/n)) from the logarithm of x (root below 10^18).
Natural RootStartFromFloat(const Natural& x, std::uint64_t n) {
  long double top = 0;
  const std::size_t used = std::min<std::size_t>(3, x.size());
  for (std::size_t i = 0; i < used; ++i) top = top * kLimbBase + x[x.size() - 1 - i];
  const long double log10x = std::log10(top) + 9.0L * static_cast<long double>(x.size() - used);
  const long double estimate = std::pow(10.0L, log10x / static_cast<long double>(n));
  const long double padded = estimate * (1.0L + 1e-12L) + 2.0L;
  if (padded >= 1.8e19L) return FromWord(~0ULL);
  return FromWord(static_cast<std::uint64_t>(padded));
}

Natural RootRecursive(const Natural& x, std::uint64_t n, Natural& power) {
  const std::size_t rootLimbs = (x.size() + n - 1) / n;
  if (rootLimbs <= 2) return DescendToRoot(x, n, RootStartFromFloat(x, n), power);
  // Root of the top part first: it carries about half of the root's limbs.
  const std::size_t h = (rootLimbs - 1) / 2;
  const Natural top(x.begin() + static_cast<std::ptrdiff_t>(n * h), x.end());
  Natural topPower;
  Natural start = AddWord(RootRecursive(top, n, topPower), 1);
  start.insert(start.begin(), h, 0);
  return DescendToRoot(x, n, std::move(start), power);
}

// Square root and remainder of x (an even number of limbs, top limb at least a quarter of
// the base) by the recursive "Karatsuba square root": the root of the top half, then one
// division of half that size for the next root limbs and a correction of at most one.
void SquareRootNormalised(const Natural& x, Natural& root, Natural& rem) {
  const std::size_t n = x.size();
  if (n <= 2) {
    const std::uint64_t v = ToWord(x);
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(v)));
    while (static_cast<Wide>(r) * r > v) --r;
    while (static_cast<Wide>(r + 1) * (r + 1) <= v) ++r;
    root = FromWord(r);
    rem = FromWord(v - r * r);
    return;
  }
  const std::size_t l = n / 4;
  const auto limbs = [&x](std::size_t from, std::size_t to) {
    Natural part(x.begin() + static_cast<std::ptrdiff_t>(from),
                 x.begin() + static_cast<std::ptrdiff_t>(to));
    Trim(part);
    return part;
  };
  Natural highRoot, highRem;
  SquareRootNormalised(limbs(2 * l, n), highRoot, highRem);
  Natural numerator = limbs(l, 2 * l);
  if (!highRem.empty()) {
    Natural shifted = highRem;
    shifted.insert(shifted.begin(), l, 0);
    numerator = Add(shifted, numerator);
  }
  Natural q, u;
  DivMod(numerator, MultiplyWord(highRoot, 2), q, u);
  root = highRoot;
  if (!root.empty()) root.insert(root.begin(), l, 0);
  root = Add(root, q);
  Natural a = u;
  if (!a.empty()) a.insert(a.begin(), l, 0);
  a = Add(a, limbs(0, l));
  const Natural q2 = Square(q);
  if (Compare(a, q2) >= 0) {
    rem = Subtract(a, q2);
  } else {
    root = SubtractWord(root, 1);
    rem = Subtract(Add(a, AddWord(MultiplyWord(root, 2), 1)), q2);
  }
}

// floor(sqrt(x)) with x - root^2: x times c^2 fills an even number of limbs with a top limb
// of at least a quarter of the base; the root of that, divided by c, is the root of x.
Natural SquareRoot(const Natural& x, Natural& power) {
  const std::size_t n = x.size() + (x.size() & 1);
  // v = x / base^(n-2) from the top three limbs of the even-length view
  long double v = 0;
  for (std::size_t i = n; i-- > 0 && i + 3 >= n;) v = v * kLimbBase + (i < x.size() ? x[i] : 0);
  if (n >= 3) v /= kLimbBase;
  const long double base2 = static_cast<long double>(kLimbBase) * kLimbBase;
  std::uint64_t c =
      std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::sqrt(0.9L * base2 / v)));
  Natural scaled;
  while (true) {
    scaled = MultiplyWord(x, c * c);
    if (scaled.size() > n) {
      --c;
    } else if (scaled.size() < n || scaled.back() < kLimbBase / 4) {
      ++c;
    } else {
      break;
    }
  }
  Natural root, rem;
  SquareRootNormalised(scaled, root, rem);
  DivideWordInPlace(root, c);
  power = Square(root);
  return root;
}

std::uint64_t WordGcd(std::uint64_t a, std::uint64_t b) {
  return std::gcd(a, b);
}

// |x * p - y * q| for machine-word cofactors.
Natural CombineMagnitude(const Natural& x, std::uint64_t p, const Natural& y, std::uint64_t q) {
  Natural left = MultiplyWord(x, p);
  Natural right = MultiplyWord(y, q);
  return Compare(left, right) >= 0 ? Subtract(left, right) : Subtract(right, left);
}

// Lehmer's step for a >= b (b of several limbs): runs Euclid on the leading 18 digits
// while both bounds give the same quotient, then applies the collected cofactors to the
// whole numbers at once. False when not even one quotient could be settled that way.
bool LehmerStep(Natural& a, Natural& b) {
  const std::size_t n = a.size();
  if (b.size() + 1 < n) return false;
  auto lead = [n](const Natural& x) {
    const std::uint64_t hi = x.size() >= n ? x[n - 1] : 0;
    return hi * kLimbBase + (x.size() >= n - 1 ? x[n - 2] : 0);
  };
  __int128 x = lead(a), y = lead(b);
  __int128 ca = 1, cb = 0, cc = 0, cd = 1;
  while (y + cc > 0 && y + cd > 0) {
    const __int128 q = (x + ca) / (y + cc);
    if (q != (x + cb) / (y + cd)) break;
    __int128 t = ca - q * cc;
    ca = cc;
    cc = t;
    t = cb - q * cd;
    cb = cd;
    cd = t;
    t = x - q * y;
    x = y;
    y = t;
  }
  if (cb == 0) return false;
  // Each cofactor pair has opposite signs: a' = +-(|ca| a - |cb| b), likewise b'.
  auto magnitude = [](__int128 v) { return static_cast<std::uint64_t>(v < 0 ? -v : v); };
  Natural nextA = CombineMagnitude(a, magnitude(ca), b, magnitude(cb));
  Natural nextB = CombineMagnitude(a, magnitude(cc), b, magnitude(cd));
  a = std::move(nextA);
  b = std::move(nextB);
  if (Compare(a, b) < 0) std::swap(a, b);
  return true;
}

}  // namespace

// --- text ---

Natural ParseDigits(std::string_view text) {
  Natural x((text.size() + kLimbDigits - 1) / kLimbDigits, 0);
  std::size_t end = text.size();
  for (Limb& limb : x) {
    const std::size_t begin = end >= kLimbDigits ? end - kLimbDigits : 0;
    Limb value = 0;
    for (std::size_t i = begin; i < end; ++i) {
      const char c = text[i];
      value = value * 10 + ((c >= '0' && c <= '9') ? static_cast<Limb>(c - '0') : 0);
    }
    limb = value;
    end = begin;
  }
  Trim(x);
  return x;
}

std::string FormatDigits(const Natural& x) {
  if (x.empty()) return "0";
  std::string text = std::to_string(x.back());
  const std::size_t head = text.size();
  text.resize(head + (x.size() - 1) * kLimbDigits);
  char* p = text.data() + head;
  for (std::size_t i = x.size() - 1; i-- > 0;) {
    Limb v = x[i];
    for (int d = kLimbDigits - 1; d >= 0; --d) {
      p[d] = static_cast<char>('0' + v % 10);
      v /= 10;
    }
    p += kLimbDigits;
  }
  return text;
}

std::size_t DigitCount(const Natural& x) {
  if (x.empty()) return 1;
  return std::to_string(x.back()).size() + (x.size() - 1) * kLimbDigits;
}

// --- conversions and comparison ---

Natural FromWord(std::uint64_t value) {
  Natural x;
  while (value != 0) {
    x.push_back(static_cast<Limb>(value % kLimbBase));
    value /= kLimbBase;
  }
  return x;
}

bool FitsWord(const Natural& x) {
  if (x.size() <= 2) return true;
  if (x.size() > 3) return false;
  // 2^64 - 1 = 18 446744073 709551615
  return Compare(x, Natural{709551615, 446744073, 18}) <= 0;
}

std::uint64_t ToWord(const Natural& x) {
  std::uint64_t value = 0;
  for (std::size_t i = x.size(); i-- > 0;) value = value * kLimbBase + x[i];
  return value;
}

int Compare(const Natural& a, const Natural& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

// --- arithmetic ---

Natural Add(const Natural& a, const Natural& b) {
  const Natural& longer = a.size() >= b.size() ? a : b;
  const Natural& shorter = a.size() >= b.size() ? b : a;
  Natural sum(longer.size() + 1, 0);
  std::copy(longer.begin(), longer.end(), sum.begin());
  AddInto(sum.data(), sum.size(), shorter.data(), shorter.size());
  Trim(sum);
  return sum;
}

Natural Subtract(const Natural& a, const Natural& b) {
  Natural difference = a;
  SubtractFrom(difference.data(), difference.size(), b.data(), b.size());
  Trim(difference);
  return difference;
}

Natural AddWord(const Natural& a, std::uint64_t w) {
  return Add(a, FromWord(w));
}

Natural SubtractWord(const Natural& a, std::uint64_t w) {
  return Subtract(a, FromWord(w));
}

Natural MultiplyWord(const Natural& a, std::uint64_t w) {
  if (w == 0 || a.empty()) return {};
  Natural product;
  product.reserve(a.size() + 3);
  if (w < (1ULL << 33)) {
    // limb * w + carry stays below 2^64.
    std::uint64_t carry = 0;
    for (Limb limb : a) {
      const std::uint64_t t = limb * w + carry;
      product.push_back(static_cast<Limb>(t % kLimbBase));
      carry = t / kLimbBase;
    }
    for (; carry != 0; carry /= kLimbBase) product.push_back(static_cast<Limb>(carry % kLimbBase));
    return product;
  }
  Wide carry = 0;
  for (Limb limb : a) {
    Wide quotient;
    product.push_back(SplitAccumulator(carry + static_cast<Wide>(limb) * w, quotient));
    carry = quotient;
  }
  while (carry != 0) {
    Wide quotient;
    product.push_back(SplitAccumulator(carry, quotient));
    carry = quotient;
  }
  return product;
}

std::uint64_t DivideWordInPlace(Natural& a, std::uint64_t d) {
  if (d < kLimbBase) {
    const ShortDivisor divisor(d);
    std::uint64_t rem = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
      const std::uint64_t cur = rem * kLimbBase + a[i];
      const std::uint64_t q = divisor.Quotient(cur);
      a[i] = static_cast<Limb>(q);
      rem = cur - q * d;
    }
    Trim(a);
    return rem;
  }
  Wide rem = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const Wide cur = rem * kLimbBase + a[i];
    a[i] = static_cast<Limb>(cur / d);
    rem = cur % d;
  }
  Trim(a);
  return static_cast<std::uint64_t>(rem);
}

std::uint64_t ModWord(const Natural& a, std::uint64_t d) {
  if (d < kLimbBase) {
    const ShortDivisor divisor(d);
    std::uint64_t rem = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
      const std::uint64_t cur = rem * kLimbBase + a[i];
      rem = cur - divisor.Quotient(cur) * d;
    }
    return rem;
  }
  Wide rem = 0;
  for (std::size_t i = a.size(); i-- > 0;) rem = (rem * kLimbBase + a[i]) % d;
  return static_cast<std::uint64_t>(rem);
}

Natural Multiply(const Natural& a, const Natural& b) {
  if (a.empty() || b.empty()) return {};
  const Natural& longer = a.size() >= b.size() ? a : b;
  const Natural& shorter = a.size() >= b.size() ? b : a;
  const std::size_t nl = longer.size();
  const std::size_t ns = shorter.size();
  Natural product(nl + ns, 0);
  if (ns < kKaratsubaThreshold) {
    MultiplyBasecase(longer.data(), nl, shorter.data(), ns, product.data());
  } else if (nl == ns) {
    std::vector<Limb> scratch(KaratsubaScratch(ns));
    KaratsubaMultiply(longer.data(), shorter.data(), ns, product.data(), scratch.data());
  } else {
    // Unbalanced: the longer operand in pieces as long as the shorter one.
    std::vector<Limb> scratch(KaratsubaScratch(ns));
    Natural piece(2 * ns);
    for (std::size_t offset = 0; offset < nl; offset += ns) {
      const std::size_t len = std::min(ns, nl - offset);
      Natural partial;
      if (len == ns) {
        KaratsubaMultiply(longer.data() + offset, shorter.data(), ns, piece.data(), scratch.data());
        AddInto(product.data() + offset, nl + ns - offset, piece.data(), 2 * ns);
      } else {
        Natural chunk(longer.begin() + static_cast<std::ptrdiff_t>(offset), longer.end());
        Trim(chunk);
        partial = Multiply(chunk, shorter);
        AddInto(product.data() + offset, nl + ns - offset, partial.data(), partial.size());
      }
    }
  }
  Trim(product);
  return product;
}

Natural Square(const Natural& a) {
  if (a.empty()) return {};
  Natural product(2 * a.size(), 0);
  std::vector<Limb> scratch(KaratsubaScratch(a.size()));
  KaratsubaSquare(a.data(), a.size(), product.data(), scratch.data());
  Trim(product);
  return product;
}

void DivMod(const Natural& a, const Natural& b, Natural& q, Natural& r) {
  if (b.empty()) {  // callers check; defined values all the same
    q.clear();
    r = a;
    return;
  }
  if (Compare(a, b) < 0) {
    q.clear();
    r = a;
    return;
  }
  if (b.size() == 1) {
    q = a;
    r = FromWord(DivideWordInPlace(q, b[0]));
    return;
  }
  DivModLong(a, b, q, r);
}

Natural ShiftUp(const Natural& x, std::size_t digits) {
  if (x.empty()) return {};
  Natural shifted = MultiplyWord(x, kPowersOfTen[digits % kLimbDigits]);
  shifted.insert(shifted.begin(), digits / kLimbDigits, 0);
  return shifted;
}

Natural ShiftDown(const Natural& x, std::size_t digits) {
  const std::size_t limbs = digits / kLimbDigits;
  if (limbs >= x.size()) return {};
  Natural shifted(x.begin() + static_cast<std::ptrdiff_t>(limbs), x.end());
  DivideWordInPlace(shifted, kPowersOfTen[digits % kLimbDigits]);
  return shifted;
}

Natural PowerOfTen(std::size_t digits) {
  return ShiftUp(Natural{1}, digits);
}

// --- higher operations ---

Natural Power(const Natural& x, std::uint64_t k) {
  if (k == 0) return {1};
  if (x.empty()) return {};
  int bit = 63;
  while (((k >> bit) & 1) == 0) --bit;
  Natural result = x;
  while (bit-- > 0) {
    result = Square(result);
    if ((k >> bit) & 1) result = Multiply(result, x);
  }
  return result;
}

Natural RangeProduct(std::uint64_t lo, std::uint64_t hi) {
  if (lo > hi) return {1};
  if (lo == 0) return {};
  if (hi - lo < 32) {
    Natural product{1};
    for (std::uint64_t i = lo;; ++i) {
      product = MultiplyWord(product, i);
      if (i == hi) break;
    }
    return product;
  }
  const std::uint64_t mid = lo + (hi - lo) / 2;
  return Multiply(RangeProduct(lo, mid), RangeProduct(mid + 1, hi));
}

Natural RisingProduct(const Natural& x, std::uint64_t k) {
  if (k == 0) return {1};
  if (FitsWord(x)) {
    const std::uint64_t lo = ToWord(x);
    if (lo <= ~0ULL - (k - 1)) return RangeProduct(lo, lo + (k - 1));
  }
  if (k == 1) return x;
  const std::uint64_t half = k / 2;
  return Multiply(RisingProduct(x, half), RisingProduct(AddWord(x, half), k - half));
}

Natural Root(const Natural& x, std::uint64_t n, Natural* remainder) {
  Natural root;
  Natural power;
  if (x.empty() || n == 1) {
    root = x;
    power = x;
  } else if (static_cast<long double>(n) > 3.33L * static_cast<long double>(DigitCount(x)) + 2.0L) {
    // 2^n exceeds x: the root is 1.
    root = {1};
    power = {1};
  } else if (n == 2) {
    root = SquareRoot(x, power);
  } else {
    root = RootRecursive(x, n, power);
  }
  if (remainder) *remainder = Subtract(x, power);
  return root;
}

Natural Gcd(Natural a, Natural b) {
  if (Compare(a, b) < 0) std::swap(a, b);
  while (!b.empty()) {
    if (FitsWord(b)) {
      const std::uint64_t small = ToWord(b);
      return FromWord(WordGcd(small, FitsWord(a) ? ToWord(a) % small : ModWord(a, small)));
    }
    if (!LehmerStep(a, b)) {
      Natural q, r;
      DivMod(a, b, q, r);
      a = std::move(b);
      b = std::move(r);
    }
  }
  return a;
}

}  // namespace zarnix::bignum

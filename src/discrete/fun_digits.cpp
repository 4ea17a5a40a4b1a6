// Digit problems of the fun category. Automorphic endings are lifted digit by digit instead of
// being searched; narcissistic numbers come from digit multisets; Kaprekar cycles from the
// digit multisets of a length, since the routine sees nothing but the multiset.
#include "discrete/fun_digits.h"

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <unordered_set>

#include "base/convert.h"
#include "base/errors.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"

namespace zarnix {

namespace {

using bignum::Natural;

constexpr std::array<bignum::Limb, 9> kPowersOfTen = {1,      10,      100,      1000,     10000,
                                                      100000, 1000000, 10000000, 100000000};

// x mod 10^digits.
Natural LowDigits(Natural x, std::size_t digits) {
  const std::size_t limbs = (digits + bignum::kLimbDigits - 1) / bignum::kLimbDigits;
  if (x.size() > limbs) x.resize(limbs);
  const std::size_t partial = digits % bignum::kLimbDigits;
  if (partial != 0 && x.size() == limbs) x.back() %= kPowersOfTen[partial];
  while (!x.empty() && x.back() == 0) x.pop_back();
  return x;
}

// The decimal digit of x at position k, counted from 0 at the right.
int DigitAt(const Natural& x, std::size_t k) {
  const std::size_t limb = k / bignum::kLimbDigits;
  if (limb >= x.size()) return 0;
  return static_cast<int>(x[limb] / kPowersOfTen[k % bignum::kLimbDigits] % 10);
}

// x^power mod 10^digits.
Natural PowerLowDigits(const Natural& x, int power, std::size_t digits) {
  Natural result = x;
  for (int i = 1; i < power; ++i) result = LowDigits(bignum::Multiply(result, x), digits);
  return result;
}

// The endings t = s + d*10^k (d = 0 ... 9) of k + 1 digits that extend the ending s of k digits.
// t^p - t = (s^p - s) + (p s^(p-1) - 1) d 10^k modulo 10^(k+1), so only the digit k of
// s^p - s and the last digit of s decide which d work.
void LiftEnding(const Natural& s, int power, std::size_t k, std::vector<Natural>& lifted) {
  Natural difference = PowerLowDigits(s, power, k + 1);
  if (bignum::Compare(difference, s) < 0)
    difference = bignum::Add(difference, bignum::PowerOfTen(k + 1));
  difference = bignum::Subtract(difference, s);
  const int carry = DigitAt(difference, k);
  int lastPower = 1;
  for (int i = 1; i < power; ++i) lastPower = lastPower * DigitAt(s, 0) % 10;
  const int slope = ((power * lastPower - 1) % 10 + 10) % 10;
  for (int d = 0; d <= 9; ++d)
    if ((carry + slope * d) % 10 == 0)
      lifted.push_back(bignum::Add(s, bignum::ShiftUp(bignum::FromWord(d), k)));
}

std::string Padded(std::uint64_t number, int digits) {
  std::string text = IntToStr(static_cast<std::int64_t>(number));
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

// --- narcissistic numbers ---

// Chooses how often each digit 9 ... 0 occurs among k digits; the power sum must have exactly
// these digits. Counts that would carry the sum beyond k digits are never tried, so the sum
// stays below 10^19 and fits 64 bits.
class NarcissisticSearch {
 public:
  NarcissisticSearch(int k, std::vector<std::uint64_t>& found) : k_(k), found_(found) {
    for (int d = 0; d <= 9; ++d) {
      powers_[d] = 1;
      for (int i = 0; i < k; ++i) powers_[d] *= static_cast<unsigned>(d);
    }
    upper_ = 1;
    for (int i = 0; i < k; ++i) upper_ *= 10;  // 10^19 still fits
    lower_ = upper_ / 10;
    Choose(9, k, 0);
  }

 private:
  void Choose(int digit, int slots, std::uint64_t sum) {
    if (digit == 0) {
      counts_[0] = slots;
      Check(sum);
      return;
    }
    const std::uint64_t power = powers_[digit];
    // The remaining digits add between 0 and slots * power.
    const unsigned __int128 most = sum + static_cast<unsigned __int128>(slots) * power;
    if (most < lower_) return;
    const std::uint64_t high = most < upper_ ? static_cast<std::uint64_t>(most) : upper_ - 1;
    if (!PrefixPossible(sum, high, digit, slots)) return;
    const std::uint64_t room = (upper_ - 1 - sum) / power;
    for (int c = static_cast<int>(std::min<std::uint64_t>(slots, room)); c >= 0; --c) {
      counts_[digit] = c;
      Choose(digit - 1, slots - c, sum + c * power);
    }
    counts_[digit] = 0;
  }

  // Every sum in [low, high] starts with the leading digits the two share; those digits must
  // fit the counts already fixed (digits above `digit`) and the slots still open.
  bool PrefixPossible(std::uint64_t low, std::uint64_t high, int digit, int slots) const {
    std::array<int, 20> lowDigits{};
    std::array<int, 20> highDigits{};
    for (int i = k_ - 1; i >= 0; --i, low /= 10, high /= 10) {
      lowDigits[i] = static_cast<int>(low % 10);
      highDigits[i] = static_cast<int>(high % 10);
    }
    std::array<int, 10> prefix{};
    for (int i = 0; i < k_ && lowDigits[i] == highDigits[i]; ++i) ++prefix[lowDigits[i]];
    int open = 0;
    for (int d = 0; d <= 9; ++d) {
      if (d > digit && prefix[d] > counts_[d]) return false;
      if (d <= digit) open += prefix[d];
    }
    return open <= slots;
  }

  void Check(std::uint64_t sum) {
    if (sum < lower_) return;
    std::array<int, 10> digits{};
    for (std::uint64_t rest = sum; rest > 0; rest /= 10) ++digits[rest % 10];
    if (digits == counts_) found_.push_back(sum);
  }

  int k_;
  std::vector<std::uint64_t>& found_;
  std::array<std::uint64_t, 10> powers_{};
  std::array<int, 10> counts_{};
  std::uint64_t upper_ = 0;
  std::uint64_t lower_ = 0;
};

// Lengths known to have no narcissistic number; skipping them saves most of the time at 19.
bool HasNoNarcissistic(int k) {
  return k == 2 || k == 12 || k == 13 || k == 15 || k == 18;
}

// --- Kaprekar ---

// Largest minus smallest arrangement of the k digits of x (leading zeros counted).
std::uint64_t KaprekarStep(std::uint64_t x, int k) {
  std::array<int, 10> counts{};
  for (int i = 0; i < k; ++i, x /= 10) ++counts[x % 10];
  std::uint64_t largest = 0;
  std::uint64_t smallest = 0;
  for (int d = 9; d >= 0; --d)
    for (int c = 0; c < counts[d]; ++c) largest = largest * 10 + static_cast<unsigned>(d);
  for (int d = 0; d <= 9; ++d)
    for (int c = 0; c < counts[d]; ++c) smallest = smallest * 10 + static_cast<unsigned>(d);
  return largest - smallest;
}

// Every multiset of k digits, as the smallest arrangement, except the repdigits.
void DigitMultisets(int k, int digit, std::uint64_t prefix, int left,
                    std::vector<std::uint64_t>& out) {
  if (left == 0) {
    out.push_back(prefix);
    return;
  }
  for (int d = digit; d <= 9; ++d)
    DigitMultisets(k, d, prefix * 10 + static_cast<unsigned>(d), left - 1, out);
}

bool IsRepdigit(std::uint64_t x, int k) {
  const std::uint64_t last = x % 10;
  for (int i = 0; i < k; ++i, x /= 10)
    if (x % 10 != last) return false;
  return true;
}

}  // namespace

// --- automorphic endings ---

std::vector<std::vector<std::string>> AutomorphicEndings(int power, int maxDigits) {
  std::vector<std::vector<std::string>> byLength;
  std::vector<Natural> endings;
  for (std::uint64_t s = 0; s <= 9; ++s) {
    std::uint64_t p = 1;
    for (int i = 0; i < power; ++i) p = p * s % 10;
    if (p == s) endings.push_back(bignum::FromWord(s));
  }
  for (int k = 1; k <= maxDigits; ++k) {
    std::sort(endings.begin(), endings.end(),
              [](const Natural& a, const Natural& b) { return bignum::Compare(a, b) < 0; });
    std::vector<std::string> members;
    for (const Natural& s : endings)
      if (bignum::DigitCount(s) == static_cast<std::size_t>(k) && bignum::Compare(s, {1}) > 0)
        members.push_back(bignum::FormatDigits(s));
    byLength.push_back(std::move(members));
    if (k == maxDigits) break;
    std::vector<Natural> lifted;
    for (const Natural& s : endings) LiftEnding(s, power, static_cast<std::size_t>(k), lifted);
    endings = std::move(lifted);
  }
  return byLength;
}

std::vector<std::string> AutomorphicSquareLines(int n) {
  std::vector<std::string> lines = {"自守数：", "  一个数的平方的后几位数等于该数"};
  if (n < 1) return lines;
  const std::vector<std::vector<std::string>> endings = AutomorphicEndings(2, n);
  for (int k = n <= 100 ? 1 : n; k <= n; ++k)
    for (const std::string& member : endings[static_cast<std::size_t>(k - 1)])
      lines.push_back(member);
  return lines;
}

std::vector<std::string> AutomorphicPowerLines(int power, int n) {
  std::vector<std::string> lines = {power == 3 ? "    一个数的立方的后几位数等于该数"
                                               : "    一个数的五次方的后几位数等于该数"};
  std::size_t count = 0;
  if (n >= 1) {
    for (const std::vector<std::string>& members : AutomorphicEndings(power, n))
      for (const std::string& member : members) {
        lines.push_back(member);
        ++count;
      }
  }
  lines.push_back("共" + IntToStr(static_cast<std::int64_t>(count)) + "个");
  return lines;
}

// --- narcissistic numbers and factorions ---

std::vector<std::uint64_t> NarcissisticNumbers(int maxDigits) {
  std::vector<std::uint64_t> found;
  for (int k = 1; k <= std::min(maxDigits, kMaxNarcissisticDigits); ++k)
    if (!HasNoNarcissistic(k)) NarcissisticSearch(k, found);
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<std::string> NarcissisticLines(int maxDigits) {
  std::vector<std::string> lines = {"幂回归数（n位数等于其各位数的n次幂之和）",
                                    "例：153=1^3+5^3+3^3，1634=1^4+6^4+3^4+4^4",
                                    "1～" + IntToStr(maxDigits) + "位的幂回归数："};
  for (std::uint64_t n : NarcissisticNumbers(maxDigits))
    lines.push_back(IntToStr(static_cast<std::int64_t>(n)));
  return lines;
}

std::vector<std::int64_t> Factorions() {
  constexpr std::array<std::int64_t, 10> kFactorials = {1,   1,   2,    6,     24,
                                                        120, 720, 5040, 40320, 362880};
  std::vector<std::int64_t> found;
  for (std::int64_t n = 1; n <= 99999; ++n) {
    std::int64_t sum = 0;
    for (std::int64_t rest = n; rest > 0; rest /= 10) sum += kFactorials[rest % 10];
    if (sum == n) found.push_back(n);
  }
  return found;
}

std::vector<std::string> FactorionLines() {
  std::vector<std::string> lines = {"求阶乘和数", "例：145=1!+4!+5!"};
  for (std::int64_t n : Factorions()) {
    const std::string text = IntToStr(n);
    lines.push_back(IntToStr(static_cast<std::int64_t>(text.size())) + "位阶乘和数: " + text);
  }
  return lines;
}

// --- Kaprekar ---

std::vector<std::string> KaprekarHeaderLines() {
  return {"卡普雷卡尔黑洞（重排求差）：",
          "  把一个数的各位数字重新排列，用所得的最大数减去最小数，",
          "  对差重复这一运算，最后总会落入一个数或一组数的循环，这就是黑洞数字",
          "  例：三位数最后都得到495，四位数最后都得到6174（各位数字全相同的数除外）"};
}

std::vector<std::vector<std::uint64_t>> KaprekarCycles(int digits) {
  std::set<std::vector<std::uint64_t>> cycles;
  if (digits < 1 || digits > kMaxKaprekarDigits) return {};
  std::vector<std::uint64_t> starts;
  DigitMultisets(digits, 0, 0, digits, starts);
  std::unordered_set<std::uint64_t> done;
  for (std::uint64_t start : starts) {
    if (IsRepdigit(start, digits)) continue;
    // Follow the routine until it meets a number seen before, in this walk or an earlier one.
    std::vector<std::uint64_t> path;
    std::uint64_t x = KaprekarStep(start, digits);
    while (!done.count(x) && std::find(path.begin(), path.end(), x) == path.end()) {
      path.push_back(x);
      x = KaprekarStep(x, digits);
    }
    const auto repeat = std::find(path.begin(), path.end(), x);
    if (repeat != path.end()) {
      std::vector<std::uint64_t> cycle(repeat, path.end());
      std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
      if (cycle != std::vector<std::uint64_t>{0}) cycles.insert(cycle);
    }
    done.insert(path.begin(), path.end());
  }
  return {cycles.begin(), cycles.end()};
}

std::vector<std::string> KaprekarCycleLines(int firstDigits, int lastDigits) {
  std::vector<std::string> lines = KaprekarHeaderLines();
  for (int k = firstDigits; k <= lastDigits; ++k) {
    lines.push_back(IntToStr(k) + "位数的黑洞数字：");
    const std::vector<std::vector<std::uint64_t>> cycles = KaprekarCycles(k);
    if (cycles.empty()) lines.push_back("无");
    for (const std::vector<std::uint64_t>& cycle : cycles) {
      std::string line;
      for (std::uint64_t x : cycle) line += (line.empty() ? "" : "→") + Padded(x, k);
      lines.push_back(line);
    }
  }
  return lines;
}

std::vector<std::string> KaprekarRoutineLines(const std::string& digits) {
  if (digits.size() > kMaxBigDigits) throw Exception(BigTooLargeMessage());
  std::vector<std::string> lines = KaprekarHeaderLines();
  std::string current = digits;
  for (int step = 0; step < kKaprekarSteps; ++step) {
    std::string largest = current;
    std::sort(largest.begin(), largest.end(), std::greater<>());
    std::string smallest = current;
    std::sort(smallest.begin(), smallest.end());
    std::string difference = BigSubtract(largest, smallest);
    if (difference.size() < current.size())
      difference.insert(0, current.size() - difference.size(), '0');
    lines.push_back(largest + "-" + smallest + "=" + difference);
    current = std::move(difference);
  }
  return lines;
}

}  // namespace zarnix

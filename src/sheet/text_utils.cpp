// Shared text splitting, searching, power and sorting routines.
#include "sheet/text_utils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/convert.h"
#include "base/gbk.h"

namespace zarnix {

namespace {

// Calls part(index, text) for each part of the split, stopping when it returns false.
template <class OnPart>
void ForEachPart(std::string_view text, char separator, OnPart part) {
  int index = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    const std::string_view piece =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!part(index++, piece, end == std::string_view::npos)) return;
    if (end == std::string_view::npos) return;
    start = end + 1;
  }
}

// The strict split into numbers shared by SplitReals and SplitInt64s.
template <class T, class Convert>
void SplitNumbers(std::string_view text, char separator, std::span<T> values, int& count,
                  Convert convert) {
  if (text.empty()) return;
  ForEachPart(text, separator, [&](int index, std::string_view piece, bool last) {
    if (index >= static_cast<int>(values.size())) return false;
    values[index] = convert(piece);
    if (last) count = index + 1;
    return true;
  });
}

template <class T, class Convert>
std::vector<T> SplitNumbers(std::string_view text, char separator, Convert convert) {
  std::vector<T> values;
  if (text.empty()) return values;
  ForEachPart(text, separator, [&](int, std::string_view piece, bool) {
    values.push_back(convert(piece));
    return true;
  });
  return values;
}

template <class T>
void ShellSort(int n, std::span<T> a) {
  n = std::min(n, static_cast<int>(a.size()));
  if (n <= 1) return;
  int gap = 1;
  while (gap * 2 <= n) gap *= 2;
  gap -= 1;
  // Positions 1..n map to a[0..n-1]. Equal neighbours stay where they are: swapping them
  // changes nothing but made many equal values cost the square of their count.
  for (; gap > 0; gap /= 2) {
    for (int i = 1; i <= n - gap; ++i) {
      for (int j = i; j > 0 && a[j - 1] > a[j + gap - 1]; j -= gap)
        std::swap(a[j - 1], a[j + gap - 1]);
    }
  }
}

}  // namespace

void SplitText(std::string_view text, char separator, std::span<std::string> parts, int& count) {
  const std::size_t room = std::min<std::size_t>(parts.size(), kMaxSplitParts);
  ForEachPart(text, separator, [&](int index, std::string_view piece, bool last) {
    if (static_cast<std::size_t>(index) >= room) return false;
    parts[index] = std::string(piece);
    if (last) count = index + 1;
    return true;
  });
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
  std::vector<std::string> parts;
  ForEachPart(text, separator, [&](int index, std::string_view piece, bool) {
    if (index >= kMaxSplitParts) return false;
    parts.emplace_back(piece);
    return true;
  });
  return parts;
}

void SplitReals(std::string_view text, char separator, std::span<Extended> values, int& count) {
  SplitNumbers(text, separator, values, count, [](std::string_view p) { return StrToFloat(p); });
}

std::vector<Extended> SplitReals(std::string_view text, char separator) {
  return SplitNumbers<Extended>(text, separator, [](std::string_view p) { return StrToFloat(p); });
}

void SplitInt64s(std::string_view text, char separator, std::span<std::int64_t> values,
                 int& count) {
  SplitNumbers(text, separator, values, count, [](std::string_view p) { return StrToInt64(p); });
}

std::vector<std::int64_t> SplitInt64s(std::string_view text, char separator) {
  return SplitNumbers<std::int64_t>(text, separator,
                                    [](std::string_view p) { return StrToInt64(p); });
}

void SplitSingles(std::string& text, std::span<float> values, int& count) {
  constexpr std::size_t kMaxSingles = 101;
  const std::size_t room = std::min(values.size(), kMaxSingles);
  std::size_t index = 0;
  while (true) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) break;
    if (index >= room) return;  // more parts than places: text keeps the rest
    values[index++] = static_cast<float>(StrToFloat(std::string_view(text).substr(0, comma)));
    text.erase(0, comma + 1);
  }
  if (index >= room) return;
  values[index] = static_cast<float>(StrToFloat(text));
  count = static_cast<int>(index) + 1;
}

bool IsEmptyCell(std::string_view text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

int CountOccurrences(std::string_view text, std::string_view sub) {
  if (sub.empty() || text.empty()) return 0;
  int count = 0;
  for (std::size_t pos = text.find(sub); pos != std::string_view::npos;
       pos = text.find(sub, pos + 1))
    ++count;
  return count;
}

int FindFrom(int start, std::string_view text, std::string_view sub) {
  if (sub.empty() || start < 1 || start > static_cast<int>(text.size())) return 0;
  const std::size_t pos = text.find(sub, static_cast<std::size_t>(start - 1));
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string RemoveAll(std::string_view text, std::string_view sub) {
  if (sub.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text.compare(pos, sub.size(), sub) == 0) {
      pos += sub.size();
      continue;
    }
    const std::size_t len = CharLengthAt(text, pos);
    out.append(text.substr(pos, len));
    pos += len;
  }
  return out;
}

Extended RealPower(Extended x, Extended y) {
  // |x|^y = 2^(y log2 |x|) = 2^f * 2^k with k the integer nearest to the exponent.
  const auto magnitudePower = [](Extended base, Extended exponent) {
    const Extended t = exponent * std::log2(base);
    const Extended k = std::nearbyint(t);
    const Extended f = t - k;
    // Beyond +-100000 the result has long overflowed or underflowed either way.
    const int scale =
        std::isnan(k) ? 0 : static_cast<int>(std::clamp<Extended>(k, -100000, 100000));
    return std::ldexp(std::expm1(f * std::numbers::ln2_v<Extended>) + 1, scale);
  };
  if (x < 0 && std::fmod(std::nearbyint(y), 2) != 0) return -magnitudePower(-x, y);
  if (x == 0) return 0;
  return magnitudePower(std::fabs(x), y);
}

void ShellSortReals(int n, std::span<float> values) {
  ShellSort(n, values);
}
void ShellSortIntegers(int n, std::span<std::int32_t> values) {
  ShellSort(n, values);
}
void ShellSortInt64s(int n, std::span<std::int64_t> values) {
  ShellSort(n, values);
}

MinMaxIndex MinMaxIndexOfSingles(std::span<const float> values, int n) {
  MinMaxIndex result;
  n = std::min(n, static_cast<int>(values.size()));
  for (int i = 1; i < n; ++i) {
    if (values[i] > values[result.largest]) result.largest = i;
    if (values[i] < values[result.smallest]) result.smallest = i;
  }
  return result;
}

}  // namespace zarnix

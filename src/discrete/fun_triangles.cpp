// Heronian triangles by Heron's formula in 64 bits, and the polynomial family on digit strings.
#include "discrete/fun_triangles.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "base/convert.h"
#include "base/format.h"
#include "discrete/bignum/big_integer.h"

namespace zarnix {

namespace {

// The root of n when n is a perfect square, else -1.
std::int64_t SquareRoot(std::int64_t n) {
  if (n < 0) return -1;
  auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r * r == n ? r : -1;
}

// A median to side x of the sides x, y, z is sqrt(2y^2 + 2z^2 - x^2)/2.
bool WholeMedian(std::int64_t x, std::int64_t y, std::int64_t z) {
  const std::int64_t twice = SquareRoot(2 * y * y + 2 * z * z - x * x);
  return twice >= 0 && twice % 2 == 0;
}

// Bit r is set when r is a square modulo 64: most non-squares fail this before the root.
constexpr std::uint64_t SquaresModulo64() {
  std::uint64_t mask = 0;
  for (std::uint64_t r = 0; r < 64; ++r) mask |= std::uint64_t{1} << (r * r % 64);
  return mask;
}
constexpr std::uint64_t kSquaresModulo64 = SquaresModulo64();

// The triangle a <= b <= c of even perimeter 2s when its area is whole and it is not
// right-angled: area^2 = s(s-a)(s-b)(s-c).
bool HeronOf(std::int64_t a, std::int64_t b, std::int64_t c, HeronTriangle& triangle) {
  const std::int64_t s = (a + b + c) / 2;
  const std::int64_t squared = s * (s - a) * (s - b) * (s - c);
  if (((kSquaresModulo64 >> (squared & 63)) & 1) == 0) return false;
  const std::int64_t area = SquareRoot(squared);
  if (area < 0 || a * a + b * b == c * c) return false;
  triangle = {a, b, c, area, 0, false};
  triangle.wholeMedians = WholeMedian(a, b, c) + WholeMedian(b, c, a) + WholeMedian(c, a, b);
  // Diameters: inscribed 2A/s, circumscribed abc/(2A).
  triangle.wholeDiameters = (2 * area) % s == 0 && (a * b * c) % (2 * area) == 0;
  return true;
}

}  // namespace

std::vector<HeronTriangle> HeronTriangles(std::int64_t from, std::int64_t to, int medians) {
  std::vector<HeronTriangle> found;
  to = std::min(to, kMaxHeronSide);
  for (std::int64_t c = std::max<std::int64_t>(from, 1); c <= to; ++c)
    for (std::int64_t a = 1; a <= c; ++a) {
      // A whole area needs an even perimeter: b runs over one parity only.
      std::int64_t b = std::max(a, c - a + 1);
      if ((a + b + c) % 2 != 0) ++b;
      for (; b <= c; b += 2) {
        HeronTriangle triangle;
        if (HeronOf(a, b, c, triangle) && std::gcd(std::gcd(a, b), c) == 1 &&
            triangle.wholeMedians >= medians)
          found.push_back(triangle);
      }
    }
  return found;
}

std::vector<std::string> HeronLines(std::int64_t from, std::int64_t to, int medians) {
  std::vector<std::string> lines = {
      "    海伦三角形（边长及面积均为整数的非直角三角形）",
      "在所搜索范围内有" + IntToStr(medians) + "条中线也为整数的海伦三角形：",
      Format("%6s%6s%6s%8s", "边长a", "边长b", "边长c", "面积s")};
  const std::vector<HeronTriangle> triangles = HeronTriangles(from, to, medians);
  std::int64_t starred = 0;
  for (const HeronTriangle& t : triangles) {
    lines.push_back(Format("%6.0d%6.0d%6.0d%8.0d", t.a, t.b, t.c, t.area) +
                    (t.wholeDiameters ? "*" : ""));
    starred += t.wholeDiameters;
  }
  lines.push_back(IntToStr(static_cast<std::int64_t>(triangles.size())) +
                  "个（已除去与它们相似的三角形）");
  lines.push_back("其中内、外接圆直径也为整数的海伦三角形：" + IntToStr(starred) +
                  "个（行末有*号）");
  return lines;
}

std::vector<std::vector<std::string>> TriangleFamily() {
  std::vector<std::vector<std::string>> family;
  for (int i = kFirstFamilyIndex; i <= kLastFamilyIndex; ++i) {
    const std::string n = IntToStr(i);
    const std::string n2 = BigMultiply(n, n);
    const std::string shortest = BigAdd(BigAdd(BigAdd(n2, n2), BigAdd(n, n)), "1");
    const std::string middle = BigAdd(BigAdd(BigMultiply(n2, n), n2), n);
    family.push_back({shortest, middle, BigAdd(middle, "1")});
  }
  return family;
}

std::vector<std::string> TriangleFamilyLines() {
  std::vector<std::string> lines;
  for (const std::vector<std::string>& sides : TriangleFamily())
    lines.push_back(sides[0] + "," + sides[1] + "," + sides[2]);
  lines.push_back("以上共" + IntToStr(static_cast<std::int64_t>(lines.size())) + "组三角形");
  return lines;
}

}  // namespace zarnix

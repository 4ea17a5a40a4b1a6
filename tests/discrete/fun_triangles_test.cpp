// Heronian triangles against a plain search by Heron's formula in the 16-area-squared form,
// and the polynomial family checked triangle by triangle in 128 bits.
#include "discrete/fun_triangles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace zarnix {
namespace {

__int128 Root128(__int128 n) {
  if (n < 0) return -1;
  auto r = static_cast<__int128>(std::sqrt(static_cast<long double>(n)));
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r * r == n ? r : -1;
}

std::vector<std::vector<std::int64_t>> Plain(std::int64_t to, int medians) {
  std::vector<std::vector<std::int64_t>> found;
  for (std::int64_t c = 1; c <= to; ++c)
    for (std::int64_t a = 1; a <= c; ++a)
      for (std::int64_t b = a; b <= c; ++b) {
        if (a + b <= c || std::gcd(std::gcd(a, b), c) != 1 || a * a + b * b == c * c) continue;
        const __int128 sixteen =
            static_cast<__int128>(a + b + c) * (b + c - a) * (a + c - b) * (a + b - c);
        const __int128 root = Root128(sixteen);
        if (root < 0 || root % 4 != 0) continue;
        int whole = 0;
        for (const auto& [x, y, z] :
             {std::tuple{a, b, c}, std::tuple{b, c, a}, std::tuple{c, a, b}}) {
          const __int128 twice = Root128(2 * y * y + 2 * z * z - x * x);
          whole += twice >= 0 && twice % 2 == 0;
        }
        if (whole >= medians) found.push_back({a, b, c, static_cast<std::int64_t>(root / 4)});
      }
  return found;
}

std::vector<std::vector<std::int64_t>> Searched(std::int64_t to, int medians) {
  std::vector<std::vector<std::int64_t>> found;
  for (const HeronTriangle& t : HeronTriangles(1, to, medians))
    found.push_back({t.a, t.b, t.c, t.area});
  return found;
}

TEST(FunTriangles, HeronTrianglesAgreeWithThePlainSearch) {
  for (int medians = 0; medians <= 3; ++medians)
    EXPECT_EQ(Searched(80, medians), Plain(80, medians)) << medians;
  const std::vector<std::vector<std::int64_t>> small = Searched(15, 0);
  for (const auto& known : std::vector<std::vector<std::int64_t>>{
           {5, 5, 6, 12}, {5, 5, 8, 12}, {10, 13, 13, 60}, {4, 13, 15, 24}, {13, 14, 15, 84}})
    EXPECT_NE(std::find(small.begin(), small.end(), known), small.end()) << known[2];
  // No triangle with three whole medians is known; none lies in the range.
  EXPECT_TRUE(Searched(kMaxHeronSide, 3).empty());
}

TEST(FunTriangles, HeronLinesMarkWholeDiameters) {
  const std::vector<std::string> lines = HeronLines(1, 20, 1);
  EXPECT_EQ(lines[2], " 边长a 边长b 边长c   面积s");
  EXPECT_EQ(lines[3], "     5     5     6      12");
  const std::vector<HeronTriangle> triangles = HeronTriangles(1, 200, 0);
  int starred = 0;
  for (const HeronTriangle& t : triangles) {
    // Inscribed diameter 4A/(a+b+c), circumscribed abc/(2A), whole for the starred ones.
    const bool whole =
        (4 * t.area) % (t.a + t.b + t.c) == 0 && (t.a * t.b * t.c) % (2 * t.area) == 0;
    EXPECT_EQ(t.wholeDiameters, whole) << t.a << "," << t.b << "," << t.c;
    starred += whole;
  }
  EXPECT_GT(starred, 0);
  const std::vector<std::string> all = HeronLines(1, 200, 0);
  EXPECT_EQ(all[all.size() - 2],
            std::to_string(triangles.size()) + "个（已除去与它们相似的三角形）");
  EXPECT_EQ(all.back(), "其中内、外接圆直径也为整数的海伦三角形：" + std::to_string(starred) +
                            "个（行末有*号）");
  EXPECT_TRUE(HeronTriangles(500, 100, 0).empty());
}

TEST(FunTriangles, TheFamilyIsHeronianAndNotRight) {
  const std::vector<std::vector<std::string>> family = TriangleFamily();
  ASSERT_EQ(family.size(), 200u);
  for (std::size_t i = 0; i < family.size(); ++i) {
    const __int128 n = kFirstFamilyIndex + static_cast<int>(i);
    const __int128 a = std::stoll(family[i][0]);
    const __int128 b = std::stoll(family[i][1]);
    const __int128 c = std::stoll(family[i][2]);
    ASSERT_TRUE(a <= b && b <= c && a + b > c);
    EXPECT_NE(a * a + b * b, c * c);
    const __int128 area = n * n * (n + 1) * (n * n + n + 1);
    EXPECT_EQ((a + b + c) * (b + c - a) * (a + c - b) * (a + b - c), 16 * area * area);
  }
  EXPECT_EQ(TriangleFamilyLines().front(), "61,155,156");
  EXPECT_EQ(TriangleFamilyLines().back(), "以上共200组三角形");
}

}  // namespace
}  // namespace zarnix

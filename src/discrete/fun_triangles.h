// Triangles with whole sides and area: a search for primitive Heronian triangles with whole
// medians, and a family of them given by polynomials.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

inline constexpr std::int64_t kMaxHeronSide = 1000;

struct HeronTriangle {
  std::int64_t a = 0;  // a <= b <= c
  std::int64_t b = 0;
  std::int64_t c = 0;
  std::int64_t area = 0;
  int wholeMedians = 0;
  bool wholeDiameters = false;  // of the inscribed and the circumscribed circle
};

// Non-right triangles with gcd(a, b, c) = 1, whole area, longest side c in [from, to] and at
// least `medians` whole medians; by c, then a, then b.
std::vector<HeronTriangle> HeronTriangles(std::int64_t from, std::int64_t to, int medians);
std::vector<std::string> HeronLines(std::int64_t from, std::int64_t to, int medians);

// For n = 5 ... 204 the sides (n^2+1)(n+1), 2n^2+2n+1 and n^3+n^2+n: two right triangles
// with legs (n^2-1)(n+1), 2n(n+1) and 2n+1, 2n(n+1) put together along the common leg, so the
// area n^2(n+1)(n^2+n+1) is whole. Sides ascending, as digit texts.
inline constexpr int kFirstFamilyIndex = 5;
inline constexpr int kLastFamilyIndex = 204;
std::vector<std::vector<std::string>> TriangleFamily();
std::vector<std::string> TriangleFamilyLines();

}  // namespace zarnix

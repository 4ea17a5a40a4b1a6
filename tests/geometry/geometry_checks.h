// Shared pieces of the geometry tests: a seeded source of random points and closeness checks
// relative to the size of the values compared.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "geometry/plane_geometry.h"
#include "geometry/space_geometry.h"

namespace zarnix {

inline constexpr int kRandomCases = 400;

class RandomGeometry {
 public:
  explicit RandomGeometry(unsigned seed) : engine_(seed) {}
  Extended Real(Extended low = -10, Extended high = 10) {
    return std::uniform_real_distribution<double>(static_cast<double>(low),
                                                  static_cast<double>(high))(engine_);
  }
  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
  Point2 Point() { return {Real(), Real()}; }
  Vec3 Point3() { return {Real(), Real(), Real()}; }

 private:
  std::mt19937 engine_;
};

// |a - b| within tol times the larger of 1 and |a|, |b|.
inline ::testing::AssertionResult Close(Extended a, Extended b, Extended tol = 1e-12L) {
  const Extended scale = std::max({Extended{1}, std::fabs(a), std::fabs(b)});
  if (std::fabs(a - b) <= tol * scale) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << static_cast<double>(a) << " vs " << static_cast<double>(b);
}

inline ::testing::AssertionResult Close(Point2 a, Point2 b, Extended tol = 1e-12L) {
  if (Close(a.x, b.x, tol) && Close(a.y, b.y, tol)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << static_cast<double>(a.x) << ", " << static_cast<double>(a.y) << ") vs ("
         << static_cast<double>(b.x) << ", " << static_cast<double>(b.y) << ")";
}

inline ::testing::AssertionResult Close(Vec3 a, Vec3 b, Extended tol = 1e-12L) {
  if (Close(a.x, b.x, tol) && Close(a.y, b.y, tol) && Close(a.z, b.z, tol))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << static_cast<double>(a.x) << ", " << static_cast<double>(a.y) << ", "
         << static_cast<double>(a.z) << ") vs (" << static_cast<double>(b.x) << ", "
         << static_cast<double>(b.y) << ", " << static_cast<double>(b.z) << ")";
}

// The smallest value of a unimodal function on [low, high], by golden-section search: the
// distances the routines compute by projection are checked against it.
inline Extended MinimumOf(const std::function<Extended(Extended)>& f, Extended low, Extended high) {
  const Extended g = (std::sqrt(5.0L) - 1) / 2;
  Extended a = low;
  Extended b = high;
  Extended c = b - g * (b - a);
  Extended d = a + g * (b - a);
  Extended fc = f(c);
  Extended fd = f(d);
  for (int k = 0; k < 120; ++k) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - g * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + g * (b - a);
      fd = f(d);
    }
  }
  return std::fmin(fc, fd);
}

}  // namespace zarnix

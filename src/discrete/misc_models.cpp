// Fitted models with their published coefficients; each is a direct evaluation.
#include "discrete/misc_models.h"

#include <cmath>

namespace zarnix {

namespace {

// Growth-curve coefficients, stored in single precision: height = h0 + h1 a + h2 a^2,
// weight = w0 + w1 a + w2 a^2 for an age a in months up to the band's last month.
struct GrowthBand {
  int lastMonth;
  float h0, h1, h2, w0, w1, w2;
};

constexpr GrowthBand kBoyBands[] = {
    {12, 51.07f, 3.588f, -0.1287f, 3.404f, 0.9211f, -0.02986f},
    {48, 63.69f, 1.162f, -0.0074f, 7.924f, 0.1882f, -0.000058f},
    {132, 75.0f, 0.65f, -0.0013f, 13.0f, 0.036f, 0.0009f},
};
constexpr GrowthBand kGirlBands[] = {
    {12, 50.2f, 3.256f, -0.1062f, 3.168f, 0.819f, -0.02417f},
    {48, 60.27f, 1.315f, -0.009772f, 6.857f, 0.2328f, -0.000736f},
    {132, 77.3f, 0.53f, -0.0004f, 16.7f, -0.086f, 0.0017f},
};

Extended Quadratic(float c0, float c1, float c2, Extended a) {
  return c0 + c1 * a + c2 * a * a;
}

}  // namespace

Extended ParallelCombination(std::span<const Extended> values) {
  Extended sum = 0;
  for (const Extended value : values) {
    if (std::nearbyint(value) == 0) break;
    sum += 1 / value;
  }
  return 1 / sum;
}

std::optional<Extended> PopulationModel(int year) {
  if (year >= 1949 && year <= 1959)
    return 20 / (2.642987249544626594L * std::exp(-0.032L * (year - 1949)) + 1);
  if (year >= 1960 && year <= 1979)
    return 14.5L / (1.1903323262839879155L * std::exp(-0.046455L * (year - 1960)) + 1);
  if (year >= 1980 && year <= 2000)
    return 15.5L / (0.57041540020263424517L * std::exp(-0.046944L * (year - 1980)) + 1);
  if (year >= 2001 && year <= 2100) {
    Extended population = 12.6743L;
    for (int k = 0; k <= year - 2000; ++k) population *= 1.0066L - 0.00012L * k;
    return population;
  }
  return std::nullopt;
}

HeightWeight ChildHeightWeight(int ageMonths, int sex) {
  const GrowthBand* bands = sex == 1 ? kBoyBands : kGirlBands;
  const GrowthBand* band = &bands[2];
  for (int i = 0; i < 3; ++i) {
    if (ageMonths <= bands[i].lastMonth) {
      band = &bands[i];
      break;
    }
  }
  const Extended a = ageMonths;
  return {Quadratic(band->h0, band->h1, band->h2, a), Quadratic(band->w0, band->w1, band->w2, a)};
}

Extended AdultHeightForecast(int year, Extended sexFlag, Extended father, Extended mother) {
  const Extended f = (year - 2000) / 4000.0L + 1;
  if (sexFlag <= 0.1L) return (0.9L * father + mother) * 0.51L * f;
  return (father + mother) * 0.52L * f;
}

Extended StandardWeight(Extended age, Extended height) {
  const Extended a = age;
  const Extended h = height;
  return 1 + 0.0483L * a - 0.952L - 0.0005277L * a * a +
         (0.01294L - 0.0006377L * a + 0.000006905L * a * a) * h +
         (0.001357L + 0.00003466L * a - 0.0000003521L * a * a) * h * h;
}

Extended GiniCoefficient(std::span<const Extended> shares) {
  const Extended width = 100.0L / static_cast<Extended>(shares.size());
  Extended cumulative = 0;
  Extended sum = 0;
  for (const Extended share : shares) {
    cumulative += share;
    sum += cumulative;
  }
  return 1 - (sum - 50) * width / 5000;
}

Extended GiniTwoGroups(Extended x, Extended y) {
  const Extended area = (100 - x) * (100 - y) / 2 + x * y / 2 + x * (100 - y);
  return (5000 - area) / 5000;
}

}  // namespace zarnix

// Formula items of the miscellaneous calculations: parallel resistances, the population
// model, children's height and weight, adult height forecast, standard weight and the Gini
// coefficient.
#pragma once

#include <optional>
#include <span>

#include "base/extended.h"

namespace zarnix {

// 1 / sum(1 / v) over the values up to the first one that rounds to 0.
Extended ParallelCombination(std::span<const Extended> values);

// China's population in hundreds of millions by a logistic model per period; nullopt
// outside 1949..2100.
inline constexpr int kPopulationFirstYear = 1949;
inline constexpr int kPopulationLastYear = 2100;
std::optional<Extended> PopulationModel(int year);

// Height (cm) and weight (kg) of a child of 0..132 months; sex 1 = boy, otherwise girl.
struct HeightWeight {
  Extended height = 0;
  Extended weight = 0;
};
HeightWeight ChildHeightWeight(int ageMonths, int sex);

// The lower end of the forecast adult height range (the range is d .. d + 3 cm) from the
// year, the sex flag (<= 0.1 a girl, above a boy) and the parents' heights.
Extended AdultHeightForecast(int year, Extended sexFlag, Extended father, Extended mother);

// Standard weight (kg) for an age of 11..80 and a height in cm.
Extended StandardWeight(Extended age, Extended height);

// Gini coefficient of k equal-sized groups from their income shares in percent, poorest
// group first.
Extended GiniCoefficient(std::span<const Extended> shares);
// Gini coefficient of two groups: the richer group's population share x and income share y,
// both in percent.
Extended GiniTwoGroups(Extended x, Extended y);

}  // namespace zarnix

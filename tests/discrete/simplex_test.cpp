// The simplex on textbook programs, on the cases a simplex that prices only the structural
// columns gets wrong, on degenerate and cycling programs, and on random programs solved by an
// independent solver (tests/discrete/data/simplex_reference.txt).
#include "discrete/simplex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric/reference_file.h"

namespace zarnix {
namespace {

constexpr Relation kLe = Relation::kAtMost;
constexpr Relation kGe = Relation::kAtLeast;
constexpr Relation kEq = Relation::kEqual;

struct Program {
  std::vector<LpRow> rows;  // constraints, then the objective to minimise

  Program& Row(std::vector<Extended> a, Relation relation, Extended rhs) {
    rows.insert(rows.end() - (rows.empty() ? 0 : 1), LpRow{std::move(a), relation, rhs});
    return *this;
  }
  SimplexResult Solve() const {
    const int n = static_cast<int>(rows.back().coefficients.size());
    return SimplexSolve(n, static_cast<int>(rows.size()) - 1, rows);
  }
};

Program Minimise(std::vector<Extended> c) {
  return Program{{LpRow{std::move(c), kLe, 0}}};
}
Program Maximise(std::vector<Extended> c) {
  for (Extended& v : c) v = -v;
  return Minimise(std::move(c));
}

void ExpectOptimal(const SimplexResult& result, Extended minimum, std::vector<Extended> x) {
  ASSERT_EQ(result.status, kLpOptimal);
  EXPECT_NEAR(static_cast<double>(result.values[0]), static_cast<double>(minimum), 1e-9);
  for (std::size_t j = 0; j < x.size(); ++j)
    EXPECT_NEAR(static_cast<double>(result.values[j + 1]), static_cast<double>(x[j]), 1e-9) << j;
}

TEST(Simplex, TextbookProgramsAndPhaseOne) {
  ExpectOptimal(
      Maximise({3, 5}).Row({1, 0}, kLe, 4).Row({0, 2}, kLe, 12).Row({3, 2}, kLe, 18).Solve(), -36,
      {2, 6});
  ExpectOptimal(Minimise({1, 1}).Row({1, 1}, kGe, 2).Solve(), 2, {});
  EXPECT_EQ(Minimise({1}).Row({1}, kGe, 5).Row({1}, kLe, 3).Solve().status, kLpInfeasible);
  EXPECT_EQ(Maximise({1}).Row({1}, kGe, 1).Solve().status, kLpUnbounded);
  // The result array has room for 3n + 3 values, slack values after the variables.
  const SimplexResult slack =
      Maximise({1, 1}).Row({1, 0}, kLe, 1).Row({0, 1}, kLe, 5).Row({1, 1}, kLe, 10).Solve();
  EXPECT_EQ(slack.values.size(), 9u);
  EXPECT_NEAR(static_cast<double>(slack.values[5]), 4, 1e-12);  // the third row's slack
}

TEST(Simplex, SlacksThatLeftCanReturnAndDegenerateRowsBlock) {
  // A slack that leaves must be able to come back: the optimum is 9 at (3, 0).
  ExpectOptimal(Maximise({3, 2}).Row({2, -2}, kLe, 6).Row({1, 2}, kLe, 3).Solve(), -9, {3, 0});
  // A row at zero with a positive entry blocks the step; skipping it runs into negative
  // values.
  ExpectOptimal(
      Maximise({1, 1}).Row({1, -1}, kLe, 0).Row({1, 1}, kLe, 4).Row({1, 0}, kLe, 3).Solve(), -4,
      {});
  ExpectOptimal(
      Minimise({1, 1}).Row({1, 1}, kGe, 4).Row({1, -1}, kLe, -6).Row({1, 0}, kGe, 1).Solve(), 8,
      {1, 7});
  EXPECT_EQ(Minimise({0, 0}).Row({1, 1}, kLe, 1).Row({1, 0}, kGe, 2).Solve().status, kLpInfeasible);
}

TEST(Simplex, EqualityRowsAndNegativeRightHandSides) {
  // As "≥" the first program would be unbounded.
  ExpectOptimal(Maximise({1}).Row({1}, kEq, 4).Solve(), -4, {4});
  ExpectOptimal(Maximise({1, 1}).Row({1, 2}, kEq, 4).Row({1, 0}, kLe, 2).Solve(), -3, {2, 1});
  EXPECT_EQ(Minimise({1, 1}).Row({1, 1}, kEq, 2).Row({1, 1}, kEq, 3).Solve().status, kLpInfeasible);
  // A repeated equality leaves an artificial at zero in the basis; it must stay at zero.
  ExpectOptimal(
      Maximise({1, 2}).Row({1, 1}, kEq, 3).Row({1, 1}, kEq, 3).Row({0, 1}, kLe, 2).Solve(), -5,
      {1, 2});
  // -x ≤ -2 is x ≥ 2; -x ≥ -3 is x ≤ 3; -x = -1 is x = 1.
  ExpectOptimal(Minimise({1}).Row({-1}, kLe, -2).Solve(), 2, {2});
  ExpectOptimal(Maximise({1}).Row({-1}, kGe, -3).Solve(), -3, {3});
  ExpectOptimal(Maximise({1, 1}).Row({-1, 0}, kEq, -1).Row({0, 1}, kLe, 2).Solve(), -3, {1, 2});
}

TEST(Simplex, NoConstraintsAndAllZeroObjective) {
  ExpectOptimal(Minimise({1, 2}).Solve(), 0, {0, 0});
  EXPECT_EQ(Minimise({1, -2}).Solve().status, kLpUnbounded);
  ExpectOptimal(Minimise({0, 0}).Row({1, 1}, kGe, 3).Solve(), 0, {});
}

TEST(Simplex, DegenerateProgramsEnd) {
  // Kuhn's program cycles under the most-negative rule with lowest-row ties; the run of
  // degenerate pivots hands over to the smallest-index rule. (Its optimum is not unique.)
  const SimplexResult kuhn = Minimise({-2, -3, 1, 12})
                                 .Row({-2, -9, 1, 9}, kLe, 0)
                                 .Row({1.0L / 3, 1, -1.0L / 3, -2}, kLe, 0)
                                 .Row({2, 3, -1, -12}, kLe, 2)
                                 .Solve();
  ASSERT_EQ(kuhn.status, kLpOptimal);
  EXPECT_NEAR(static_cast<double>(kuhn.values[0]), -2, 1e-9);
  ExpectOptimal(Minimise({-0.75L, 150, -0.02L, 6})
                    .Row({0.25L, -60, -0.04L, 9}, kLe, 0)
                    .Row({0.5L, -90, -0.02L, 3}, kLe, 0)
                    .Row({0, 0, 1, 0}, kLe, 1)
                    .Solve(),
                -0.05L, {0.04L, 0, 1, 0});
  ExpectOptimal(Maximise({10, -57, -9, -24})
                    .Row({0.5L, -5.5L, -2.5L, 9}, kLe, 0)
                    .Row({0.5L, -1.5L, -0.5L, 1}, kLe, 0)
                    .Row({1, 0, 0, 0}, kLe, 1)
                    .Solve(),
                -1, {1, 0, 1, 0});
}

Relation RelationOf(Extended code) {
  return code == 0 ? kLe : code == 1 ? kGe : kEq;
}

TEST(Simplex, AgreesWithAnIndependentSolverOnRandomPrograms) {
  const std::vector<ReferenceBlock> blocks = ReadReference("simplex_reference.txt");
  ASSERT_EQ(blocks.size(), 75u);
  int optimal = 0;
  for (const ReferenceBlock& block : blocks) {
    const int n = static_cast<int>(block.Number("n"));
    const int m = static_cast<int>(block.Number("m"));
    const bool maximise = block.Number("sense") == 1;
    std::vector<LpRow> rows;
    for (int i = 0; i < m; ++i) {
      const std::vector<Extended>& row = block.Numbers("row" + std::to_string(i));
      rows.push_back({{row.begin(), row.begin() + n}, RelationOf(row[n]), row[n + 1]});
    }
    std::vector<Extended> c = block.Numbers("c");
    if (maximise)
      for (Extended& v : c) v = -v;
    rows.push_back({c, kLe, 0});
    const SimplexResult result = SimplexSolve(n, m, rows);
    const char expected = static_cast<char>('0' + static_cast<int>(block.Number("status")));
    ASSERT_EQ(result.status, expected) << block.name;
    if (expected != kLpOptimal) continue;
    ++optimal;
    // Optima need not be unique: the value must agree and the point must be feasible.
    const Extended value = maximise ? -result.values[0] : result.values[0];
    EXPECT_TRUE(Near(value, block.Number("value"), 1e-9L)) << block.name;
    Extended objective = 0;
    for (int j = 0; j < n; ++j) {
      EXPECT_GE(result.values[j + 1], -1e-9L) << block.name;
      objective += c[j] * result.values[j + 1];
    }
    EXPECT_TRUE(Near(objective, result.values[0], 1e-9L)) << block.name;
    for (int i = 0; i < m; ++i) {
      Extended lhs = 0;
      for (int j = 0; j < n; ++j) lhs += rows[i].coefficients[j] * result.values[j + 1];
      const Extended rhs = rows[i].rhs;
      if (rows[i].relation != kGe) {
        EXPECT_LE(lhs, rhs + 1e-9L) << block.name << " row " << i;
      }
      if (rows[i].relation != kLe) {
        EXPECT_GE(lhs, rhs - 1e-9L) << block.name << " row " << i;
      }
    }
  }
  EXPECT_EQ(optimal, 45);
}

}  // namespace
}  // namespace zarnix

// Two-phase revised simplex. The basis inverse carries the objective row (and, while phase one
// runs, the phase-one row) as extra rows, so a reduced cost is one row of it times a column.
// Every non-basic column is priced, slacks included; artificial columns never return once
// they have left. A run of degenerate pivots switches to Bland's rule so nothing cycles.
#include "discrete/simplex.h"

#include <algorithm>
#include <cmath>

namespace zarnix {

namespace {

constexpr Extended kStartRatio = 1e31L;
// Degenerate pivots in a row before the smallest-index rule takes over.
constexpr int kDegenerateRun = 50;
// Bland's rule always ends; the limit only guards against rounding trouble. Programs take a
// few pivots per column and row.
constexpr int kIterationsPerColumn = 20;

LpRow Normalised(const LpRow& row, int n) {
  LpRow out = row;
  out.coefficients.resize(static_cast<std::size_t>(n), 0);
  if (out.rhs >= 0) return out;
  for (Extended& a : out.coefficients) a = -a;
  out.rhs = -out.rhs;
  if (out.relation == Relation::kAtMost) {
    out.relation = Relation::kAtLeast;
  } else if (out.relation == Relation::kAtLeast) {
    out.relation = Relation::kAtMost;
  }
  return out;
}

using Matrix = std::vector<std::vector<Extended>>;

Matrix Identity(int size) {
  Matrix m(static_cast<std::size_t>(size), std::vector<Extended>(static_cast<std::size_t>(size)));
  for (int i = 0; i < size; ++i) m[i][i] = 1;
  return m;
}

class Simplex {
 public:
  Simplex(int n, int m, std::span<const LpRow> rows);
  SimplexResult Solve();

 private:
  // Columns 0 … o_-1 are the tableau's (variables, then one surplus per ≥ row); column
  // o_ + i is the unit column of row i: its slack, or its artificial for ≥ and = rows.
  Extended Entry(int row, int col) const;
  bool IsArtificial(int col) const { return col >= o_ && artificial_[col - o_]; }
  bool Priced(int col) const { return !inBasis_[col] && !IsArtificial(col); }
  Extended ReducedCost(int col) const;
  void ComputeValues();
  void EndPhaseOne();
  int Entering() const;
  int MostNegative(int from, int to) const;
  std::vector<Extended> PivotColumn(int col) const;
  // The ratio of row i for the entering column, or a negative value when the row cannot block.
  Extended Ratio(int row, const std::vector<Extended>& alpha) const;
  int Leaving(const std::vector<Extended>& alpha) const;
  void Pivot(int row, int col, const std::vector<Extended>& alpha);
  SimplexResult Optimal() const;

  int n_;
  int m_;
  int o_ = 0;
  int rows_;  // constraint rows + objective row (+ phase-one row while phase one runs)
  bool phaseOne_ = false;
  bool bland_ = false;
  Matrix a_;
  std::vector<Extended> b_;
  std::vector<bool> artificial_;
  std::vector<bool> inBasis_;
  std::vector<int> basis_;
  Matrix inverse_;
  std::vector<Extended> h_;
};

Simplex::Simplex(int n, int m, std::span<const LpRow> rows) : n_(n), m_(m) {
  std::vector<LpRow> constraints;
  for (int i = 0; i < m; ++i) constraints.push_back(Normalised(rows[i], n));
  int surplus = 0;
  for (const LpRow& row : constraints) surplus += row.relation == Relation::kAtLeast;
  o_ = n + surplus;
  phaseOne_ = std::any_of(constraints.begin(), constraints.end(),
                          [](const LpRow& row) { return row.relation != Relation::kAtMost; });
  rows_ = m + (phaseOne_ ? 2 : 1);
  a_.assign(static_cast<std::size_t>(m + 2), std::vector<Extended>(static_cast<std::size_t>(o_)));
  b_.assign(static_cast<std::size_t>(m + 2), 0);
  artificial_.assign(static_cast<std::size_t>(m), false);
  int nextSurplus = n;
  for (int i = 0; i < m; ++i) {
    const LpRow& row = constraints[i];
    for (int j = 0; j < n; ++j) a_[i][j] = row.coefficients[j];
    if (row.relation == Relation::kAtLeast) a_[i][nextSurplus++] = -1;
    b_[i] = row.rhs;
    artificial_[i] = row.relation != Relation::kAtMost;
  }
  const LpRow& objective = rows[m];
  for (int j = 0; j < n && j < static_cast<int>(objective.coefficients.size()); ++j)
    a_[m][j] = objective.coefficients[j];
  // Phase one maximises minus the sum of the artificials, written in the other columns.
  for (int i = 0; i < m; ++i) {
    if (!artificial_[i]) continue;
    for (int j = 0; j < o_; ++j) a_[m + 1][j] -= a_[i][j];
    b_[m + 1] -= b_[i];
  }
  inBasis_.assign(static_cast<std::size_t>(o_ + m), false);
  for (int i = 0; i < m; ++i) {
    basis_.push_back(o_ + i);
    inBasis_[o_ + i] = true;
  }
  inverse_ = Identity(m + 2);
}

Extended Simplex::Entry(int row, int col) const {
  if (col < o_) return a_[row][col];
  return row == col - o_ ? 1 : 0;
}

Extended Simplex::ReducedCost(int col) const {
  const std::vector<Extended>& pricing = inverse_[rows_ - 1];
  if (col >= o_) return pricing[col - o_];
  Extended sum = 0;
  for (int k = 0; k < rows_; ++k) sum += pricing[k] * a_[k][col];
  return sum;
}

void Simplex::ComputeValues() {
  h_.assign(static_cast<std::size_t>(rows_), 0);
  for (int i = 0; i < rows_; ++i)
    for (int k = 0; k < rows_; ++k) h_[i] += inverse_[i][k] * b_[k];
}

// The phase-one row's column of the inverse is still its unit column, so dropping the last
// row and column leaves the inverse of the remaining basis.
void Simplex::EndPhaseOne() {
  phaseOne_ = false;
  rows_ = m_ + 1;
}

// The most negative reduced cost by more than ε, ties to the lower column. The tableau
// columns are priced first and slacks only when none of them qualifies, which keeps the
// classic pivot path wherever that path was right.
int Simplex::MostNegative(int from, int to) const {
  Extended least = 0;
  int chosen = -1;
  for (int col = from; col < to; ++col) {
    if (!Priced(col)) continue;
    const Extended d = ReducedCost(col);
    if (d < least - kSimplexEpsilon) {
      least = d;
      chosen = col;
    }
  }
  return chosen;
}

int Simplex::Entering() const {
  if (bland_) {
    for (int col = 0; col < o_ + m_; ++col)
      if (Priced(col) && ReducedCost(col) < -kSimplexEpsilon) return col;
    return -1;
  }
  const int chosen = MostNegative(0, o_);
  return chosen >= 0 ? chosen : MostNegative(o_, o_ + m_);
}

std::vector<Extended> Simplex::PivotColumn(int col) const {
  std::vector<Extended> alpha(static_cast<std::size_t>(rows_), 0);
  for (int i = 0; i < rows_; ++i)
    for (int k = 0; k < rows_; ++k) alpha[i] += inverse_[i][k] * Entry(k, col);
  return alpha;
}

// A row blocks when the entering column would lower its basic value; an artificial left at
// zero after phase one blocks in both directions, so it can never turn positive.
Extended Simplex::Ratio(int row, const std::vector<Extended>& alpha) const {
  if (alpha[row] > kSimplexEpsilon) return std::max<Extended>(h_[row], 0) / alpha[row];
  if (!phaseOne_ && IsArtificial(basis_[row]) && alpha[row] < -kSimplexEpsilon) return 0;
  return -1;
}

int Simplex::Leaving(const std::vector<Extended>& alpha) const {
  Extended least = kStartRatio;
  int chosen = -1;
  for (int i = 0; i < m_; ++i) {
    const Extended ratio = Ratio(i, alpha);
    if (ratio >= 0 && ratio < least) {
      least = ratio;
      chosen = i;
    }
  }
  if (!bland_ || chosen < 0) return chosen;
  // Bland: among the rows tied at the smallest ratio, the one whose basic column is lowest.
  const Extended tie = least + 1e-12L * (1 + least);
  for (int i = 0; i < m_; ++i) {
    const Extended ratio = Ratio(i, alpha);
    if (ratio >= 0 && ratio <= tie && basis_[i] < basis_[chosen]) chosen = i;
  }
  return chosen;
}

void Simplex::Pivot(int row, int col, const std::vector<Extended>& alpha) {
  std::vector<Extended>& pivotRow = inverse_[row];
  for (int k = 0; k < rows_; ++k) pivotRow[k] /= alpha[row];
  for (int i = 0; i < rows_; ++i) {
    if (i == row || alpha[i] == 0) continue;
    for (int k = 0; k < rows_; ++k) inverse_[i][k] -= alpha[i] * pivotRow[k];
  }
  inBasis_[basis_[row]] = false;
  inBasis_[col] = true;
  basis_[row] = col;
}

SimplexResult Simplex::Optimal() const {
  SimplexResult result;
  result.values.assign(static_cast<std::size_t>(std::max(3 * n_ + 3, o_ + m_ + 1)), 0);
  result.values[0] = -h_[m_];
  for (int i = 0; i < m_; ++i) result.values[basis_[i] + 1] = h_[i];
  return result;
}

SimplexResult Simplex::Solve() {
  const int limit = kIterationsPerColumn * (o_ + 2 * m_) + 1000;
  int degenerate = 0;
  for (int iteration = 0; iteration < limit; ++iteration) {
    ComputeValues();
    if (phaseOne_ && h_[rows_ - 1] >= -kSimplexEpsilon) EndPhaseOne();
    const int col = Entering();
    if (col < 0) return phaseOne_ ? SimplexResult{kLpInfeasible, {}} : Optimal();
    const std::vector<Extended> alpha = PivotColumn(col);
    const int row = Leaving(alpha);
    if (row < 0) return {kLpUnbounded, {}};
    degenerate = Ratio(row, alpha) <= kSimplexEpsilon ? degenerate + 1 : 0;
    bland_ = degenerate >= kDegenerateRun;
    Pivot(row, col, alpha);
  }
  return {kLpStalled, {}};
}

}  // namespace

SimplexResult SimplexSolve(int n, int m, std::span<const LpRow> rows) {
  Simplex simplex(n, m, rows.first(static_cast<std::size_t>(m + 1)));
  SimplexResult result = simplex.Solve();
  if (result.values.empty())
    result.values.assign(static_cast<std::size_t>(std::max(3 * n + 3, 1)), 0);
  return result;
}

}  // namespace zarnix

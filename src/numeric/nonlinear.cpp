// Grid search with bracket narrowing for one equation; steepest descent and recursive secant
// elimination for systems. Each formula is parsed once and evaluated as the per-call entries
// would evaluate it (the random generator re-seeded before every evaluation).
#include "numeric/nonlinear.h"

#include <cmath>
#include <memory>

#include "base/errors.h"
#include "base/fpu.h"
#include "base/random.h"

namespace zarnix {

namespace {

constexpr std::size_t kX = 'x' - 'a';

// One formula parsed once; Value() equals EvalFormulaXY and Grid() equals EvalFormulaGrid.
class ParsedFormula {
 public:
  ParsedFormula(EvalServices services, std::string_view formula,
                std::span<const Extended> coefficients)
      : services_(services), evaluator_(formula) {
    evaluator_.ShowParseMessages(services_.ui);
    for (std::size_t i = 0; i < kX && i < coefficients.size(); ++i) letters_[i] = coefficients[i];
  }

  Extended Value(Extended x, Extended y, Extended z) {
    services_.random.Randomize(services_.clock);
    letters_[kX] = x;
    letters_[kX + 1] = y;
    letters_[kX + 2] = z;
    return evaluator_.Evaluate(letters_, services_.random);
  }

  std::vector<Extended> Grid(std::span<const Extended> xs) {
    services_.random.Randomize(services_.clock);
    static constexpr Extended kZero[] = {0};
    return evaluator_.EvaluateGrid(letters_, xs, kZero, kZero, services_.random);
  }

 private:
  EvalServices services_;
  FormulaEvaluator evaluator_;
  LetterValues letters_{};
};

// ------------------------------------------------------------------------- interval roots

constexpr int kRootSearches = 10;
constexpr int kNarrowingRounds = 11;
constexpr int kGridIntervals = 1000;

bool SignChange(Extended left, Extended right) {
  return (left > 0 && right < 0) || (left < 0 && right > 0);
}

}  // namespace

std::vector<Extended> IntervalRoots(EvalServices services, std::string_view formula,
                                    std::span<const Extended> coefficients, Extended tolerance,
                                    Extended a, Extended b) {
  ParsedFormula f(services, formula, coefficients);
  std::vector<Extended> roots;
  std::vector<Extended> xs(kGridIntervals + 1);
  const Extended advance = Checked((b - a) / (kGridIntervals + 1));
  Extended start = a;
  for (int search = 0; search < kRootSearches; ++search) {
    Extended lo = start, hi = b;
    for (int round = 0; round < kNarrowingRounds; ++round) {
      for (int i = 0; i <= kGridIntervals; ++i) xs[i] = lo + (hi - lo) * i / kGridIntervals;
      const std::vector<Extended> values = f.Grid(xs);
      int i = 0;
      while (i < kGridIntervals && !SignChange(values[i], values[i + 1])) ++i;
      if (i == kGridIntervals) break;
      lo = xs[i];
      hi = xs[i + 1];
      if (std::fabs(values[i]) < tolerance) {
        roots.push_back(lo);
        break;
      }
    }
    start = Checked(lo + advance);
  }
  return roots;
}

// ------------------------------------------------------------------------- systems

namespace {

constexpr int kGradientSteps = 50;
constexpr Extended kRelativeStep = 1e-5L;
constexpr Extended kSecantStart = 0.01L;
constexpr Extended kSecantFlat = 1e-5L;
constexpr int kSecantIterations = 100;

// The residuals of a system at given variables.
class Residuals {
 public:
  Residuals(EvalServices services, const EquationSystem& system) {
    for (const std::string& equation : system.equations)
      formulas_.push_back(std::make_unique<ParsedFormula>(services, equation, system.coefficients));
  }

  int Count() const { return static_cast<int>(formulas_.size()); }

  Extended Value(int k, std::span<const Extended> v) {
    return formulas_[k]->Value(At(v, 0), At(v, 1), At(v, 2));
  }

  Extended SumOfSquares(std::span<const Extended> v) {
    Extended sum = 0;
    for (int k = 0; k < Count(); ++k) {
      const Extended f = Value(k, v);
      sum += f * f;
    }
    return Checked(sum);
  }

 private:
  static Extended At(std::span<const Extended> v, std::size_t i) { return i < v.size() ? v[i] : 0; }

  std::vector<std::unique_ptr<ParsedFormula>> formulas_;
};

// Variable k is found by secant steps on f_k, each trial value first solving the equations
// after k for the variables after k: the last variable is eliminated first.
class SecantElimination {
 public:
  SecantElimination(Residuals& residuals, std::span<Extended> v, Extended tolerance)
      : f_(residuals), v_(v), tolerance_(tolerance) {}

  void SolveLevel(int k) {
    Extended xPrev = v_[k];
    Extended fPrev = ResidualAfterInner(k);
    if (std::fabs(fPrev) < tolerance_) return;
    Extended xCur = xPrev + kSecantStart;
    v_[k] = xCur;
    Extended fCur = ResidualAfterInner(k);
    for (int iter = 0; iter < kSecantIterations; ++iter) {
      if (std::fabs(fCur) < tolerance_ || std::fabs(fCur - fPrev) < kSecantFlat) return;
      const Extended xNew = Checked(xCur - fCur * (xCur - xPrev) / (fCur - fPrev));
      xPrev = xCur;
      fPrev = fCur;
      xCur = xNew;
      v_[k] = xCur;
      fCur = ResidualAfterInner(k);
    }
  }

 private:
  Extended ResidualAfterInner(int k) {
    if (k + 1 < static_cast<int>(v_.size())) SolveLevel(k + 1);
    return f_.Value(k, v_);
  }

  Residuals& f_;
  std::span<Extended> v_;
  Extended tolerance_;
};

}  // namespace

bool SystemGradientSolve(EvalServices services, const EquationSystem& system,
                         std::span<Extended> variables) {
  Residuals f(services, system);
  std::vector<Extended> g(variables.size());
  for (int step = 0;; ++step) {
    const Extended sum = f.SumOfSquares(variables);
    if (sum < system.tolerance) return true;
    if (step > kGradientSteps) return false;
    Extended gradient = 0;
    for (std::size_t j = 0; j < variables.size(); ++j) {
      const Extended saved = variables[j];
      // The relative difference step has no size at 0; the descent gives up there and the
      // secant method takes over.
      if (saved == 0) return false;
      variables[j] = saved * (1 + kRelativeStep);
      const Extended shifted = f.SumOfSquares(variables);
      variables[j] = saved;
      g[j] = Checked((shifted - sum) / kRelativeStep / saved);
      gradient += g[j] * g[j];
    }
    if (gradient == 0) return false;
    const Extended factor = Checked(sum / gradient);
    for (std::size_t j = 0; j < variables.size(); ++j) variables[j] -= factor * g[j];
    CheckFpFaults();
  }
}

bool SystemSecantSolve(EvalServices services, const EquationSystem& system,
                       std::span<Extended> variables) {
  Residuals f(services, system);
  SecantElimination(f, variables, system.tolerance).SolveLevel(0);
  for (int k = 0; k < f.Count(); ++k)
    if (!(std::fabs(f.Value(k, variables)) < system.tolerance)) return false;
  return true;
}

}  // namespace zarnix

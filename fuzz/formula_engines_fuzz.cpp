// The formula engines on one fuzzed formula: the first byte picks the engine (the real and
// complex compilers, the tree and small evaluators, TCalcExpress), the rest is the formula.
// A formula that compiles is run with a few variable values.
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/calc_express.h"
#include "expr/small_eval.h"
#include "expr/tcompile.h"
#include "expr/tcompile_complex.h"
#include "expr/tree_eval.h"
#include "fuzz_support.h"

namespace zarnix::fuzz {
namespace {

void RealCompiler(std::string_view formula) {
  TCompile engine;
  engine.SeedRandom(1);
  if (!engine.SetFormula(formula)) return;
  for (const char* name : {"x", "y", "a"})
    if (Extended* slot = engine.ParameterAddress(name)) *slot = 1.5L;
  engine.CodeEntry();
}

void ComplexCompiler(std::string_view formula) {
  TCompileComplex engine;
  engine.SeedRandom(1);
  if (!engine.SetFormula(formula)) return;
  if (ComplexValue* x = engine.ParameterAddress("x")) *x = {0.5L, -2};
  engine.CodeEntry();
}

void TreeEvaluator(std::string_view formula, TreeDialect dialect) {
  const FormulaEvaluator evaluator(formula, dialect);
  LetterValues letters{};
  for (std::size_t i = 0; i < letters.size(); ++i) letters[i] = static_cast<Extended>(i) - 3;
  LcgRandom random(7);
  evaluator.Evaluate(letters, random);
}

void NamedVariables(std::string_view formula) {
  ScriptedUi ui;
  ManualClock clock{45000.5};
  LcgRandom random(7);
  TCalcExpress calc(EvalServices{ui, clock, random});
  calc.SetVariables({"x", "速度", "t1"});
  calc.SetFormula(formula);
  const std::vector<Extended> values = {2, -1, 0.25L};
  calc.Evaluate(values);
}

}  // namespace
}  // namespace zarnix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarnix;
  if (size == 0) return 0;
  const std::string_view formula = fuzz::Text(data + 1, size - 1);
  fuzz::Guarded([&] {
    switch (data[0] % 5) {
      case 0:
        return fuzz::RealCompiler(formula);
      case 1:
        return fuzz::ComplexCompiler(formula);
      case 2:
        return fuzz::TreeEvaluator(formula, TreeDialect::kFull);
      case 3:
        return fuzz::TreeEvaluator(formula, TreeDialect::kArithmetic);
      default:
        return fuzz::NamedVariables(formula);
    }
  });
  return 0;
}

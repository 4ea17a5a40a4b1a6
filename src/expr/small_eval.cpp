// The small evaluator over the tree evaluator's parser and walker with the arithmetic
// vocabulary; it has no random numbers, so the program's generator is never touched.
#include "expr/small_eval.h"

#include "base/random.h"

namespace zarnix {

Extended SmallEvaluator::Evaluate(std::span<const Extended> values) const {
  LetterValues letters{};
  for (std::size_t i = 0; i < letters.size() && i < values.size(); ++i) letters[i] = values[i];
  // The arithmetic vocabulary draws no random numbers; the walker just needs a generator.
  LcgRandom unused;
  return tree_.Evaluate(letters, unused);
}

Extended EvalSimpleFormula(Ui& ui, std::string_view formula, std::span<const Extended> values) {
  const SmallEvaluator evaluator(formula);
  evaluator.ShowParseMessages(ui);
  return evaluator.Evaluate(values);
}

}  // namespace zarnix

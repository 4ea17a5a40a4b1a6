// The evaluation wrappers through which categories evaluate formulas: real formulas over
// TCompile with letter bindings, complex formulas over TCompileComplex, and compile-once handles.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "base/extended.h"
#include "expr/complex_math.h"
#include "expr/complex_text.h"
#include "expr/tree_eval.h"

namespace zarnix {

// A real formula compiled once (lower-cased, comments stripped) and evaluated many times with
// the bindings of the wrappers below. A compile error is shown through the Ui; the handle is
// then not Ok and evaluates to 0. Letters a call does not bind keep the values of a fresh
// engine (0, and e for E), so every evaluation equals the per-call wrapper's. The random
// functions are seeded once, from the clock, when the formula is compiled.
class RealFormula {
 public:
  RealFormula(EvalServices services, std::string_view formula);
  ~RealFormula();
  RealFormula(RealFormula&&) noexcept;
  RealFormula& operator=(RealFormula&&) noexcept;

  bool Ok() const;
  int ErrorCode() const;

  // a, b, ... from values (the letter with code 97 + i for values[i]), then x, y, z.
  Extended EvaluateXYZ(std::span<const Extended> values, Extended x, Extended y, Extended z);
  // a, b, ... from values, then y1, y2, ... from ys[1], ys[2], ... (ys[0] is not used).
  Extended EvaluateYn(std::span<const Extended> values, std::span<const Extended> ys);
  // a ... z from values[0 .. 25]; fewer than 26 values throw an Exception.
  Extended EvaluateAZ(std::span<const Extended> values);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The variables of a complex formula: x, a ... f with the three-argument add (kValues, as
// EvalComplexFormula), or x, a ... h (kTable, as EvalComplexFormulaTable).
enum class ComplexVariables { kValues, kTable };

// A complex formula compiled once and evaluated many times; compile errors as RealFormula.
class ComplexFormula {
 public:
  ComplexFormula(EvalServices services, std::string_view formula, ComplexVariables variables);
  ~ComplexFormula();
  ComplexFormula(ComplexFormula&&) noexcept;
  ComplexFormula& operator=(ComplexFormula&&) noexcept;

  bool Ok() const;
  int ErrorCode() const;
  // 7 (x, a ... f) or 9 (x, a ... h).
  std::size_t VariableCount() const;

  // values: x, a, b, ... in that order; missing ones are 0, extra ones are ignored.
  ComplexValue Evaluate(std::span<const ComplexValue> values);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The value with the letters of `values` and the given x, y, z (which win over the letters).
// After a compile error the message is shown and result is left alone. Floating-point faults
// of the run propagate.
void EvalFormulaXYZ(EvalServices services, std::string_view formula,
                    std::span<const Extended> values, Extended x, Extended y, Extended z,
                    Extended& result);
// The value with the letters of `values` and y1, y2, ... from ys[1], ys[2], ...
void EvalFormulaYn(EvalServices services, std::string_view formula,
                   std::span<const Extended> values, std::span<const Extended> ys,
                   Extended& result);
// The value with a ... z from values[0 .. 25]; 0 after a compile error. Fewer than 26 values
// throw an Exception before anything is compiled.
Extended EvalFormulaAZ(EvalServices services, std::string_view formula,
                       std::span<const Extended> values);

// The complex value with x, a ... f read from the comma-separated complex literals of
// valuesText (a value written exactly "0" counts as 1e-19). A compile error or a bad
// literal shows its message and leaves re and im alone.
void EvalComplexFormula(EvalServices services, std::string_view formula,
                        std::string_view valuesText, Extended& re, Extended& im);
// re[k] + i im[k] := f(re[k] + i im[k]) for every k, with a ... h = c[0 .. 7] and x rounded to
// six decimals in both parts. Fewer than 8 coefficients, or im shorter than re, throw an
// Exception before anything is compiled. False when a compile error or a bad literal (its
// message shown) left values uncomputed.
bool EvalComplexFormulaTable(EvalServices services, std::string_view formula,
                             std::span<const Extended> c, std::span<Extended> re,
                             std::span<Extended> im);

}  // namespace zarnix

// TCompileComplex, the complex formula compiler: the real compiler's front end and generator
// over a machine whose every value is a complex number. Compiled once, run many times.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "expr/complex_math.h"

namespace zarnix {

class TCompileComplex {
 public:
  TCompileComplex();
  ~TCompileComplex();
  TCompileComplex(const TCompileComplex&) = delete;
  TCompileComplex& operator=(const TCompileComplex&) = delete;

  // Resets everything, enters the listed parameters (value 0, in list order) and stores the
  // formula ("" means "0.0"); compiles when asked. False on a malformed list (error stays 0),
  // a failed compilation or any exception.
  bool SetFormula(std::string_view formula,
                  std::optional<std::string_view> parameters = std::nullopt,
                  bool compileNow = true);
  // A textual macro on the stored formula: head NAME(P1, ..., Pn) replaces every call of NAME
  // with exactly n arguments by the body with the parameters replaced; a bare NAME replaces
  // the identifier. NAME inside the body keeps its own meaning. False when the head is
  // malformed (nothing changes).
  bool DefineFunction(std::string_view head, std::string_view body);
  // Front end and code generation; true when the error number is 0 at the end.
  bool Compile();
  // 0, or the error number of the real compiler plus 100.
  int ErrorCode() const;
  std::string ErrorText() const;
  static std::string ErrorText(int number);

  void StripComments(bool on);
  void FoldConstants(bool on);
  void RewriteDivision(bool on);
  void MergeLoads(bool on);

  // The operand reads the caller's storage (it is created when the formula does not use it);
  // ResolveAddresses makes compiled code read it. False for a bad name or null storage.
  bool BindParameter(std::string_view name, ComplexValue* storage);
  // Writes the current operand addresses into the compiled code.
  void ResolveAddresses();
  // Storage of a named operand (the caller's after BindParameter), null when there is none.
  ComplexValue* ParameterAddress(std::string_view name);
  int ParameterIndex(std::string_view name) const;

  // Runs the compiled program and stores its value (0 when nothing is compiled). Faults
  // raise EZeroDivide, EInvalidOp or EOverflow and leave `result` alone.
  void CodeEntry(ComplexValue& result);
  ComplexValue CodeEntry();
  // Seeds the random functions from the milliseconds since midnight (UTC), or with `seed`.
  void SeedRandom();
  void SeedRandom(std::uint32_t seed);

  // The stored formula (after DefineFunction), the generated instruction list and the token
  // text of the last compilation (for tests).
  std::string Formula() const;
  std::string Disassemble() const;
  std::string TokenText() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zarnix

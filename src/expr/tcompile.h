// TCompile, the real formula compiler: a formula over named parameters becomes a program for
// the x87 stack machine, compiled once and run many times with new parameter values.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"

namespace zarnix {

class TCompile {
 public:
  TCompile();
  ~TCompile();
  TCompile(const TCompile&) = delete;
  TCompile& operator=(const TCompile&) = delete;

  // Resets everything, enters the listed parameters (value 0, in list order) and stores the
  // formula ("" means "0.0"); compiles when asked. False on a malformed list (error stays 0),
  // a failed compilation or any exception.
  bool SetFormula(std::string_view formula,
                  std::optional<std::string_view> parameters = std::nullopt,
                  bool compileNow = true);
  // Front end and code generation; true when the error number is 0 at the end.
  bool Compile();
  int ErrorCode() const;
  static std::string ErrorText(int number);

  void StripComments(bool on);
  void FoldConstants(bool on);
  void RewriteDivision(bool on);
  void MergeLoads(bool on);

  // Storage of a named operand (upper-cased, "&" added when missing), valid until the next
  // SetFormula; null when the formula has no such operand.
  Extended* ParameterAddress(std::string_view name);
  int ParameterIndex(std::string_view name) const;
  // Names of the formula's variable operands (upper case, with "&"), in the order entered.
  std::vector<std::string> OperandNames() const;

  // Runs the compiled program (0 when nothing is compiled). Faults raise EZeroDivide,
  // EInvalidOp or EOverflow.
  Extended CodeEntry();
  // Seeds the random functions from the milliseconds since midnight (UTC), or with `seed`.
  void SeedRandom();
  void SeedRandom(std::uint32_t seed);

  // The generated instruction list and the token text of the last compilation (for tests).
  std::string Disassemble() const;
  std::string TokenText() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zarnix

// The complex formula machine: its instruction list, the program an interpreter runs over a
// small register file of complex values and the value stack, and the disassembler used by tests.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "expr/compiler_generator.h"
#include "expr/complex_math.h"

namespace zarnix {

enum class ComplexOp : std::uint8_t {
#define ZX_CX_STRUCT(Name, text) Name,
#define ZX_CX_UNARY(Name, text, Routine) Name,
#define ZX_CX_BINARY(Name, text, fetch, Routine) Name,
#include "expr/opcodes_complex.def"
};

struct ComplexOpInfo {
  const char* text;
  Fetch fetch;  // kNone for everything but the binary operations
};

const ComplexOpInfo& ComplexInfoOf(ComplexOp op);

// LOAD: a = operand index.
using ComplexInstruction = BasicInstruction<ComplexOp>;

// The routine of a pure operation over constants (constant folding). False for the
// operations that are not one (loads, the selection, random numbers) or the wrong arity.
bool ApplyComplexUnary(ComplexOp op, const ComplexValue& x, ComplexValue& out);
bool ApplyComplexBinary(ComplexOp op, const ComplexValue& left, const ComplexValue& right,
                        ComplexValue& out);

// Text of an instruction list, one instruction a line; `operandText` names operand indexes.
std::string DisassembleComplex(std::span<const ComplexInstruction> code,
                               const std::function<std::string(int)>& operandText);

// Pending values the value stack holds (a cell is one complex value).
inline constexpr int kComplexValueStackCells = 512;

// Everything a run writes besides the operand storage.
struct ComplexWorkspace {
  ComplexValue values[kComplexValueStackCells];
  std::uint64_t seed = 0;  // the upper 32 bits stay 0
};

// A program bound to operand storage by address.
class ComplexProgram {
 public:
  // Checks that the instructions keep the register discipline and binds the operands; false
  // (and empty) when they do not (a generator fault).
  bool Build(std::span<const ComplexInstruction> code, std::span<ComplexValue* const> operands);
  bool Empty() const { return steps_.empty(); }
  void Clear() { steps_.clear(); }

  // One run; floating-point faults are left in the status flags.
  ComplexValue RunUnchecked(ComplexWorkspace& work) const;
  // One run that throws EZeroDivide, EInvalidOp or EOverflow on a fault of its own.
  ComplexValue Run(ComplexWorkspace& work) const;

 private:
  struct Step {
    ComplexOp op;
    bool leftOnTop;     // binary operations: the left operand is in ST0
    ComplexValue* ptr;  // LOAD: the operand's storage; a binary operation fused with the load
                        // of its right operand: that operand's storage
  };
  std::vector<Step> steps_;
};

}  // namespace zarnix

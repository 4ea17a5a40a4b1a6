// The real formula machine: its instruction list, the threaded code an interpreter runs over the
// x87 register stack, the work area of a run and the disassembler used by tests.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/extended.h"
#include "expr/compiler_generator.h"

namespace zarnix {

enum class MachineOp : std::uint8_t {
#define ZX_STRUCT(Name, text, pops, pushes, regs) Name,
#define ZX_UNARY(Name, text, regs) Name,
#define ZX_BINARY(Name, text, fetch, regs) Name,
#include "expr/opcodes.def"
};

struct MachineOpInfo {
  const char* text;
  std::int8_t pops;    // pending values consumed
  std::int8_t pushes;  // pending values produced
  std::int8_t regs;    // x87 registers occupied at most, operands included
  Fetch fetch;         // kNone for everything but the binary operations
};

const MachineOpInfo& InfoOf(MachineOp op);

// One instruction. LOAD: a = operand index. FFHEAD: a = level, b = operand index of the
// integral variable. FFTAIL: a = level.
using Instruction = BasicInstruction<MachineOp>;

// Text of an instruction list, one instruction a line; `operandText` names operand indexes.
std::string Disassemble(std::span<const Instruction> code,
                        const std::function<std::string(int)>& operandText);

inline constexpr int kValueStackCells = 1024;
inline constexpr int kIntegralLevels = 128;
// Integrand evaluations one run may make before it is stopped.
inline constexpr std::uint64_t kIntegralBudget = std::uint64_t{1} << 30;

// Per-level cells of an integral.
struct IntegralBlock {
  Extended a = 0, b = 0, n = 0, h = 0, sum = 0;
  std::int64_t count = 0, i = 0;
};

// Everything a run writes besides the operand slots.
struct Workspace {
  alignas(16) Extended values[kValueStackCells + 8] = {};
  IntegralBlock levels[kIntegralLevels];
  std::uint16_t savedControl = 0;
  std::uint16_t roundingControl = 0;
  std::uint64_t seed = 0;  // the upper 32 bits stay 0
  std::uint64_t budget = 0;
  bool budgetExhausted = false;
};

// One threaded instruction: the handler's address and its operands.
struct ThreadedInstruction {
  const void* handler;
  Extended* ptr;        // operand slot, or the integral variable
  std::int32_t arg;     // integral level or constant exponent
  std::int32_t target;  // loop head of an integral tail
};

// Threaded code built from an instruction list, bound to operand storage by address.
class ThreadedProgram {
 public:
  ThreadedProgram();
  ~ThreadedProgram();
  ThreadedProgram(ThreadedProgram&&) noexcept;
  ThreadedProgram& operator=(ThreadedProgram&&) noexcept;

  // Translates the instructions; operands are bound by address, constant ones flagged. False
  // when the instructions break the register discipline (a generator fault).
  bool Build(std::span<const Instruction> code, std::span<Extended* const> operandSlots,
             std::span<const std::uint8_t> constantOperands);
  bool Empty() const { return code_.empty(); }
  void Clear() { code_.clear(); }

  // One run; floating-point faults are left in the status flags.
  Extended RunUnchecked(Workspace& work) const;
  // One run that throws EZeroDivide, EInvalidOp or EOverflow on a fault of its own.
  Extended Run(Workspace& work) const;

  // Number of threaded instructions (for tests of the lowering).
  std::size_t Size() const { return code_.size(); }

 private:
  std::vector<ThreadedInstruction> code_;
};

}  // namespace zarnix

// Interpreter of the complex formula machine. Live values sit in a four-cell register file
// (ST0 on top), pending ones in the value stack, exactly as the generator's spill rule places them.
#include "expr/tcompile_complex_machine.h"

#include <cfenv>
#include <utility>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr ComplexOpInfo kOpInfo[] = {
#define ZX_CX_STRUCT(Name, text) {text, Fetch::kNone},
#define ZX_CX_UNARY(Name, text, Routine) {text, Fetch::kNone},
#define ZX_CX_BINARY(Name, text, fetch, Routine) {text, Fetch::k##fetch},
#include "expr/opcodes_complex.def"
};

// Live values at most: the selection of IF holds three.
constexpr int kRegisters = 4;

// 2^-32 * (1 + 2^-32 + 2^-63): the factor that turns a 32-bit seed into [0, 1).
const Extended kRandomFactor = 0x1.000000010000000p-32L + 0x1p-95L;

Extended NextRandom(std::uint64_t& seed) {
  seed = (seed * 134775813u + 1u) & 0xFFFFFFFFu;
  return static_cast<Extended>(seed) * kRandomFactor;
}

bool IsBinary(ComplexOp op) {
  return kOpInfo[static_cast<int>(op)].fetch != Fetch::kNone;
}

// The binary operation at `j` that takes the load at `i` as its right operand in the merged
// form (after a SWAP when it wants the left operand on top).
bool FusedBinary(std::span<const ComplexInstruction> code, std::size_t i, std::size_t& j) {
  j = i + 1;
  const bool swapped = j < code.size() && code[j].op == ComplexOp::Swap;
  if (swapped) ++j;
  if (j >= code.size() || !IsBinary(code[j].op) || code[j].form != Form::kMerged) return false;
  return swapped == (kOpInfo[static_cast<int>(code[j].op)].fetch == Fetch::kSwapped);
}

}  // namespace

const ComplexOpInfo& ComplexInfoOf(ComplexOp op) {
  return kOpInfo[static_cast<int>(op)];
}

bool ApplyComplexUnary(ComplexOp op, const ComplexValue& x, ComplexValue& out) {
  switch (op) {
#define ZX_CX_UNARY(Name, text, Routine) \
  case ComplexOp::Name:                  \
    out = cx::Routine(x);                \
    return true;
#define ZX_CX_STRUCT(Name, text) case ComplexOp::Name:
#define ZX_CX_BINARY(Name, text, fetch, Routine) case ComplexOp::Name:
#include "expr/opcodes_complex.def"
    return false;
  }
  return false;
}

bool ApplyComplexBinary(ComplexOp op, const ComplexValue& left, const ComplexValue& right,
                        ComplexValue& out) {
  switch (op) {
#define ZX_CX_BINARY(Name, text, fetch, Routine) \
  case ComplexOp::Name:                          \
    out = cx::Routine(left, right);              \
    return true;
#define ZX_CX_STRUCT(Name, text) case ComplexOp::Name:
#define ZX_CX_UNARY(Name, text, Routine) case ComplexOp::Name:
#include "expr/opcodes_complex.def"
    return false;
  }
  return false;
}

std::string DisassembleComplex(std::span<const ComplexInstruction> code,
                               const std::function<std::string(int)>& operandText) {
  std::string out;
  for (const ComplexInstruction& in : code) {
    out += ComplexInfoOf(in.op).text;
    if (in.op == ComplexOp::Load) {
      out += " " + operandText(in.a);
    } else if (in.form == Form::kMerged) {
      out += " merged";
    }
    out += "\n";
  }
  return out;
}

bool ComplexProgram::Build(std::span<const ComplexInstruction> code,
                           std::span<ComplexValue* const> operands) {
  steps_.clear();
  int live = 0;
  int pending = 0;
  bool ok = !code.empty() && code.back().op == ComplexOp::Ret;
  for (std::size_t i = 0; i < code.size() && ok; ++i) {
    const ComplexInstruction& in = code[i];
    Step step{in.op, false, nullptr};
    // A load whose value is the right operand of the next operation (merged fetch) is read by
    // that operation directly.
    if (std::size_t j = 0; in.op == ComplexOp::Load && FusedBinary(code, i, j)) {
      ok = live >= 1 && in.a >= 0 && static_cast<std::size_t>(in.a) < operands.size() &&
           operands[in.a] != nullptr;
      if (ok) steps_.push_back({code[j].op, false, operands[in.a]});
      i = j;
      continue;
    }
    switch (in.op) {
      case ComplexOp::Enter:
        ok = live == 0 && pending == 0;
        break;
      case ComplexOp::Load:
        ok = live < kRegisters && in.a >= 0 && static_cast<std::size_t>(in.a) < operands.size() &&
             operands[in.a] != nullptr;
        if (ok) step.ptr = operands[in.a];
        ++live;
        break;
      case ComplexOp::Spill:
        ok = live >= 1 && pending < kComplexValueStackCells;
        --live;
        ++pending;
        break;
      case ComplexOp::Unspill:
        ok = pending >= 1 && live < kRegisters;
        --pending;
        ++live;
        break;
      case ComplexOp::Swap:
        ok = live >= 2;
        break;
      case ComplexOp::IfSelect:
        ok = live >= 3;
        live -= 2;
        break;
      case ComplexOp::Ret:
        ok = live == 1 && pending == 0;
        live = 0;
        break;
      case ComplexOp::Rnd:
#define ZX_CX_UNARY(Name, text, Routine) case ComplexOp::Name:
#include "expr/opcodes_complex.def"
        ok = live >= 1;
        break;
#define ZX_CX_BINARY(Name, text, fetch, Routine) case ComplexOp::Name:
#include "expr/opcodes_complex.def"
        ok = live >= 2 && in.form != Form::kNone;
        step.leftOnTop =
            ComplexInfoOf(in.op).fetch == Fetch::kSwapped || in.form == Form::kUnspilled;
        --live;
        break;
    }
    steps_.push_back(step);
  }
  if (!ok || live != 0) steps_.clear();
  return ok && live == 0;
}

ComplexValue ComplexProgram::RunUnchecked(ComplexWorkspace& work) const {
  ComplexValue reg[kRegisters];
  int live = 0;
  ComplexValue* sp = work.values;
  for (const Step& s : steps_) {
    switch (s.op) {
      case ComplexOp::Enter:
        sp = work.values;
        break;
      case ComplexOp::Load:
        reg[live++] = *s.ptr;
        break;
      case ComplexOp::Spill:
        *sp++ = reg[--live];
        break;
      case ComplexOp::Unspill:
        reg[live++] = *--sp;
        break;
      case ComplexOp::Swap:
        std::swap(reg[live - 1], reg[live - 2]);
        break;
      case ComplexOp::IfSelect:
        // ST0 = a, ST1 = b, ST2 = c.
        reg[live - 3] = cx::IsTrue(reg[live - 3]) ? reg[live - 1] : reg[live - 2];
        live -= 2;
        break;
      case ComplexOp::Rnd: {
        ComplexValue& z = reg[live - 1];
        z.re *= NextRandom(work.seed);
        z.im *= NextRandom(work.seed);
        break;
      }
      case ComplexOp::Ret:
        return reg[live - 1];
#define ZX_CX_UNARY(Name, text, Routine)        \
  case ComplexOp::Name:                         \
    reg[live - 1] = cx::Routine(reg[live - 1]); \
    break;
#define ZX_CX_BINARY(Name, text, fetch, Routine)                             \
  case ComplexOp::Name: {                                                    \
    if (s.ptr != nullptr) {                                                  \
      reg[live - 1] = cx::Routine(reg[live - 1], *s.ptr);                    \
      break;                                                                 \
    }                                                                        \
    const ComplexValue& top = reg[live - 1];                                 \
    ComplexValue& below = reg[live - 2];                                     \
    below = s.leftOnTop ? cx::Routine(top, below) : cx::Routine(below, top); \
    --live;                                                                  \
    break;                                                                   \
  }
#include "expr/opcodes_complex.def"
    }
  }
  return {};
}

ComplexValue ComplexProgram::Run(ComplexWorkspace& work) const {
  // Clearing the flags costs more than a short run, so only a run that finds flags raised by
  // earlier arithmetic is isolated from them.
  if (std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) != 0) {
    FpFaultScope scope;
    const ComplexValue value = RunUnchecked(work);
    CheckFpFaults();
    return value;
  }
  const ComplexValue value = RunUnchecked(work);
  CheckFpFaults();
  return value;
}

}  // namespace zarnix

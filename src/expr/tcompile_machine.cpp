// Threaded interpreter of the real formula machine. The live values stay in the x87 register
// stack between handlers (written in inline assembly), so a run never round-trips through memory.
#include "expr/tcompile_machine.h"

#include <cstring>

#include "base/errors.h"
#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr MachineOpInfo kOpInfo[] = {
#define ZX_STRUCT(Name, text, pops, pushes, regs) {text, pops, pushes, regs, Fetch::kNone},
#define ZX_UNARY(Name, text, regs) {text, 1, 1, regs, Fetch::kNone},
#define ZX_BINARY(Name, text, fetch, regs) {text, 2, 1, regs, Fetch::k##fetch},
#include "expr/opcodes.def"
};

// Threaded operations: the machine control, then one handler per one-argument operation and
// three per binary one (right operand from an operand slot, left operand from the value stack,
// left operand held in the register below).
#define ZX_EXEC_STRUCT(X) \
  X(Enter)                \
  X(Load)                 \
  X(Spill)                \
  X(SpillLoad)            \
  X(Unspill)              \
  X(Swap)                 \
  X(Swap2)                \
  X(One)                  \
  X(IfSelect)             \
  X(FfHead)               \
  X(FfLoop)               \
  X(FfTailReg)            \
  X(FfTailMem)            \
  X(IntPowerConst)        \
  X(Ret)

enum class XOp : std::uint16_t {
#define ZX_X(Name) k##Name,
  ZX_EXEC_STRUCT(ZX_X)
#undef ZX_X
#define ZX_UNARY(Name, text, regs) kU##Name,
#define ZX_BINARY(Name, text, fetch, regs) kM##Name, kS##Name, kR##Name,
#include "expr/opcodes.def"
      kCount
};

// Pending values kept in x87 registers below the live ones; the rest go to the value stack.
// The heaviest operation needs five registers, so three cached values always leave room.
constexpr int kRegisterCells = 3;
constexpr int kX87Registers = 8;

}  // namespace

const MachineOpInfo& InfoOf(MachineOp op) {
  return kOpInfo[static_cast<int>(op)];
}

std::string Disassemble(std::span<const Instruction> code,
                        const std::function<std::string(int)>& operandText) {
  std::string out;
  for (const Instruction& in : code) {
    out += InfoOf(in.op).text;
    switch (in.op) {
      case MachineOp::Load:
        out += " " + operandText(in.a);
        break;
      case MachineOp::FfHead:
        out += " " + std::to_string(in.a) + " " + operandText(in.b);
        break;
      case MachineOp::FfTail:
        out += " " + std::to_string(in.a);
        break;
      default:
        if (in.form == Form::kMerged) out += " merged";
        break;
    }
    out += "\n";
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// The interpreter.

namespace {

constexpr std::uint64_t kMantissa52 = (std::uint64_t{1} << 52) - 1;
constexpr std::uint16_t kFaultMask = 0x0D;  // invalid, division by zero, overflow
const float kHalf = 0.5f;
const double kTwo63 = 9223372036854775808.0;
const double kTenTo10 = 1e10;
const Extended kHalfPi = 1.5707963267948966193L;
const Extended kTanhLimit = 5678.2224944132199997L;
// 2^-32 * (1 + 2^-32 + 2^-63): the factor that turns a 32-bit seed into [0, 1).
const Extended kRandomFactor = 0x1.000000010000000p-32L + 0x1p-95L;

// Pushes an 80-bit value. Loading 80-bit memory is slow on current processors, so a value
// whose exponent fits a double is loaded as two doubles whose sum is exact.
__attribute__((always_inline)) inline void PushSlot(const Extended* p) {
  std::uint64_t m;
  std::uint16_t se;
  std::memcpy(&m, p, 8);
  std::memcpy(&se, reinterpret_cast<const char*>(p) + 8, 2);
  const int de = (se & 0x7FFF) - 16383 + 1023;
  if (de >= 64 && de <= 2046 && (m >> 63) != 0) {
    const std::uint64_t sign = static_cast<std::uint64_t>(se >> 15) << 63;
    std::uint64_t parts[2];
    parts[0] = sign | (static_cast<std::uint64_t>(de) << 52) | ((m >> 11) & kMantissa52);
    const std::uint64_t low = m & 0x7FF;
    if (low == 0) {
      asm volatile("fldl %0" ::"m"(parts[0]));
      return;
    }
    const int top = 63 - __builtin_clzll(low);
    parts[1] = sign | (static_cast<std::uint64_t>(de - 63 + top) << 52) |
               ((low << (52 - top)) & kMantissa52);
    asm volatile("fldl %0\n\tfaddl %1" ::"m"(parts[0]), "m"(parts[1]));
    return;
  }
  asm volatile("fldt %0" ::"m"(*p));
}

// ST0 := 2^ST0 (three registers).
#define ZX_EXP2            \
  "fld %%st(0)\n\t"        \
  "frndint\n\t"            \
  "fxch\n\t"               \
  "fsub %%st(1), %%st\n\t" \
  "f2xm1\n\t"              \
  "fld1\n\t"               \
  "faddp\n\t"              \
  "fscale\n\t"             \
  "fstp %%st(1)\n\t"
#define ZX_EXP "fldl2e\n\tfmulp\n\t" ZX_EXP2
#define ZX_LN "fldln2\n\tfxch\n\tfyl2x\n\t"
#define ZX_REV "fld1\n\tfdiv %%st(1), %%st\n\tfstp %%st(1)\n\t"
// Reduces ST0 by 2pi when it is beyond the range of the trigonometric instructions.
#define ZX_REDUCE_ANGLE                                                                    \
  {                                                                                        \
    bool big;                                                                              \
    asm volatile("fldl %1\n\tfld %%st(1)\n\tfabs\n\tfucomip %%st(1), %%st\n\tfstp %%st(0)" \
                 : "=@ccae"(big)                                                           \
                 : "m"(kTwo63));                                                           \
    if (big)                                                                               \
      asm volatile(                                                                        \
          "fldpi\n\tfadd %%st(0), %%st\n\tfxch\n"                                          \
          "1:\n\tfprem1\n\tfnstsw %%ax\n\ttestw $0x400, %%ax\n\tjnz 1b\n\t"                \
          "fstp %%st(1)" ::                                                                \
              : "eax", "cc");                                                              \
  }
// Rounds ST0 with the rounding field set to `mode`, restoring the control word after.
#define ZX_ROUND_WITH(mode)                                                       \
  asm volatile(                                                                   \
      "fnstcw %0\n\tmovzwl %0, %%eax\n\tandl $0xF3FF, %%eax\n\torl %2, %%eax\n\t" \
      "movw %%ax, %1\n\tfldcw %1\n\tfrndint\n\tfldcw %0"                          \
      : "=m"(work->savedControl), "=m"(work->roundingControl)                     \
      : "i"(mode)                                                                 \
      : "eax")

// Bodies of the binary operations: M = right operand on top, left below; U = the reverse.
#define ZX_M_Add "faddp"
#define ZX_U_Add "faddp"
#define ZX_M_Sub "fsubr %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_U_Sub "fsub %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_M_Mul "fmulp"
#define ZX_U_Mul "fmulp"
#define ZX_M_Div "fdivr %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_U_Div "fdiv %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_U_Mod "1:\n\tfprem\n\tfnstsw %%ax\n\ttestw $0x400, %%ax\n\tjnz 1b\n\tfstp %%st(1)"
#define ZX_M_Mod "fxch\n\t" ZX_U_Mod
#define ZX_M_Max "fucomi %%st(1), %%st\n\tfcmovb %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_U_Max ZX_M_Max
#define ZX_M_Min \
  "fucomi %%st(1), %%st\n\tfcmovnb %%st(1), %%st\n\tfcmovu %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_U_Min ZX_M_Min
#define ZX_M_SqrAdd "fmul %%st(0), %%st\n\tfxch\n\tfmul %%st(0), %%st\n\tfaddp"
#define ZX_U_SqrAdd ZX_M_SqrAdd
#define ZX_M_Hypot ZX_M_SqrAdd "\n\tfsqrt"
#define ZX_U_Hypot ZX_M_Hypot
#define ZX_M_ArcTan2 "fpatan"
#define ZX_U_ArcTan2 "fxch\n\tfpatan"
// Comparisons: the operands go, then 1 or 0 by the flags of the ordered compare.
#define ZX_COMPARE(move)                                                         \
  "fcomi %%st(1), %%st\n\tfstp %%st(0)\n\tfstp %%st(0)\n\tfldz\n\tfld1\n\t" move \
  " %%st(1), %%st\n\tfstp %%st(1)"
#define ZX_M_Eq ZX_COMPARE("fcmovne")
#define ZX_U_Eq ZX_M_Eq
#define ZX_M_Ne ZX_COMPARE("fcmove")
#define ZX_U_Ne ZX_M_Ne
#define ZX_U_Lt ZX_COMPARE("fcmovnb")
#define ZX_M_Lt "fxch\n\t" ZX_U_Lt
#define ZX_U_Gt ZX_COMPARE("fcmovbe")
#define ZX_M_Gt "fxch\n\t" ZX_U_Gt
#define ZX_U_Le ZX_COMPARE("fcmovnbe")
#define ZX_M_Le "fxch\n\t" ZX_U_Le
#define ZX_U_Ge ZX_COMPARE("fcmovb")
#define ZX_M_Ge "fxch\n\t" ZX_U_Ge

// Logical operators: 1/0 from the truth of ST0 and ST1 (not 0 is true).
#define ZX_LOGIC(expr)                                                                          \
  {                                                                                             \
    bool z0, z1;                                                                                \
    asm volatile("fldz\n\tfcomip %%st(1), %%st" : "=@ccz"(z0));                                 \
    asm volatile("fldz\n\tfcomip %%st(2), %%st\n\tfstp %%st(0)\n\tfstp %%st(0)" : "=@ccz"(z1)); \
    const bool a = !z0, b = !z1;                                                                \
    if (expr)                                                                                   \
      asm volatile("fld1");                                                                     \
    else                                                                                        \
      asm volatile("fldz");                                                                     \
  }

// x^n for the 32-bit n, ST0 = x: binary exponentiation, lowest bit first.
__attribute__((always_inline)) inline void IntPowerLoop(std::int64_t n) {
  if (n < 0) {
    asm volatile(ZX_REV ::);
    n = -n;
  }
  asm volatile("fld1");
  while (n != 0) {
    if (n & 1) asm volatile("fmul %%st(1), %%st" ::);
    n >>= 1;
    if (n != 0) asm volatile("fxch\n\tfmul %%st(0), %%st\n\tfxch" ::);
  }
  asm volatile("fstp %%st(1)" ::);
}

__attribute__((always_inline)) inline std::int32_t PopInt32() {
  std::int32_t n;
  asm volatile("fistpl %0" : "=m"(n));
  return n;
}

// The power rules with ST0 = x (left), ST1 = y (right).
__attribute__((always_inline)) inline void PowerBody() {
  bool xPositive;
  asm volatile("fldz\n\tfcomip %%st(1), %%st" : "=@ccb"(xPositive));
  if (xPositive) {
    asm volatile("fyl2x\n\t" ZX_EXP2 ::);
    return;
  }
  bool yZero, yPositive, xZero;
  asm volatile("fldz\n\tfcomip %%st(2), %%st" : "=@ccz"(yZero), "=@ccb"(yPositive));
  asm volatile("fldz\n\tfcomip %%st(1), %%st" : "=@ccz"(xZero));
  if (yZero) {
    asm volatile("fstp %%st(0)\n\tfstp %%st(0)\n\tfld1" ::);
    return;
  }
  if (xZero && yPositive) {
    asm volatile("fstp %%st(0)\n\tfstp %%st(0)\n\tfldz" ::);
    return;
  }
  bool integral;
  asm volatile("fld %%st(1)\n\tfrndint\n\tfcomip %%st(2), %%st" : "=@ccz"(integral));
  if (!integral) {
    asm volatile("fyl2x\n\t" ZX_EXP2 ::);  // the logarithm of a negative number faults
    return;
  }
  bool even;
  asm volatile(
      "fld1\n\tfadd %%st(0), %%st\n\tfld %%st(2)\n"
      "1:\n\tfprem\n\tfnstsw %%ax\n\ttestw $0x400, %%ax\n\tjnz 1b\n\t"
      "fldz\n\tfcomip %%st(1), %%st\n\tfstp %%st(0)\n\tfstp %%st(0)"
      : "=@ccz"(even)::"eax");
  asm volatile("fabs\n\tfyl2x\n\t" ZX_EXP2 ::);
  if (!even) asm volatile("fchs");
}

// tanh of ST0: saturated beyond the limit, else (e^2x - 1)/(e^2x + 1).
__attribute__((always_inline)) inline void TanhBody() {
  bool above, below;
  asm volatile("fldt %1\n\tfucomip %%st(1), %%st" : "=@ccb"(above) : "m"(kTanhLimit));
  asm volatile("fldt %1\n\tfchs\n\tfucomip %%st(1), %%st" : "=@cca"(below) : "m"(kTanhLimit));
  if (above) {
    asm volatile("fstp %%st(0)\n\tfld1" ::);
  } else if (below) {
    asm volatile("fstp %%st(0)\n\tfld1\n\tfchs" ::);
  } else {
    asm volatile("fadd %%st(0), %%st\n\t" ZX_EXP
                 "fld1\n\tfsubr %%st(1), %%st\n\tfxch\n\tfld1\n\tfaddp\n\t"
                 "fdivr %%st(1), %%st\n\tfstp %%st(1)" ::);
  }
}

// Sign of ST0 into flags: positive (0 < x), zero.
#define ZX_SIGN_FLAGS(positive, zero) \
  asm volatile("fldz\n\tfucomip %%st(1), %%st" : "=@ccb"(positive), "=@ccz"(zero))

// Runs code from its first instruction. With code == nullptr, hands out the handler table.
Extended Execute(const ThreadedInstruction* code, Workspace* work, const void* const** table) {
  static const void* const kHandlers[] = {
#define ZX_X(Name) &&L_##Name,
      ZX_EXEC_STRUCT(ZX_X)
#undef ZX_X
#define ZX_UNARY(Name, text, regs) &&U_##Name,
#define ZX_BINARY(Name, text, fetch, regs) &&M_##Name, &&S_##Name, &&R_##Name,
#include "expr/opcodes.def"
  };
  static_assert(sizeof(kHandlers) / sizeof(kHandlers[0]) == static_cast<int>(XOp::kCount));
  if (code == nullptr) {
    *table = kHandlers;
    return 0;
  }
  const ThreadedInstruction* ip = code;
  Extended* sp = work->values;
#define ZX_NEXT         \
  do {                  \
    ++ip;               \
    goto * ip->handler; \
  } while (0)

  goto * ip->handler;

L_Enter:
  sp = work->values;
  ZX_NEXT;
L_Load:
  PushSlot(ip->ptr);
  ZX_NEXT;
L_Spill:
  asm volatile("fstpt %0" : "=m"(*sp));
  ++sp;
  ZX_NEXT;
L_SpillLoad:
  asm volatile("fstpt %0" : "=m"(*sp));
  ++sp;
  PushSlot(ip->ptr);
  ZX_NEXT;
L_Unspill:
  --sp;
  asm volatile("fldt %0" ::"m"(*sp));
  ZX_NEXT;
L_Swap:
  asm volatile("fxch");
  ZX_NEXT;
L_Swap2:
  asm volatile("fxch %%st(2)" ::);
  ZX_NEXT;
L_One:
  asm volatile("fstp %%st(0)\n\tfld1" ::);
  ZX_NEXT;
L_IfSelect:
  asm volatile(
      "fxch %%st(2)\n\tfldz\n\tfucomip %%st(1), %%st\n\tfstp %%st(0)\n\t"
      "fcmovne %%st(1), %%st\n\tfstp %%st(1)" ::);
  ZX_NEXT;
L_FfHead : {
  IntegralBlock& block = work->levels[ip->arg];
  asm volatile("fstpt %0\n\tfstpt %1\n\tfrndint\n\tfld %%st(0)\n\tfistpll %3\n\tfstpt %2"
               : "=m"(block.a), "=m"(block.b), "=m"(block.n), "=m"(block.count));
  asm volatile(
      "fldt %[b]\n\tfldt %[a]\n\tfsubr %%st(1), %%st\n\tfstp %%st(1)\n\t"
      "fldt %[n]\n\tfdivr %%st(1), %%st\n\tfstp %%st(1)\n\tfld %%st(0)\n\tfstpt %[h]\n\t"
      "fmuls %[half]\n\tfldt %[a]\n\tfaddp\n\tfstpt %[x]"
      : [h] "=m"(block.h), [x] "=m"(*ip->ptr)
      : [a] "m"(block.a), [b] "m"(block.b), [n] "m"(block.n), [half] "m"(kHalf));
  std::memset(&block.sum, 0, sizeof(Extended));
  block.i = 0;
  ZX_NEXT;
}
L_FfLoop:
  asm volatile("fldz");
  ZX_NEXT;
L_FfTailReg:
  asm volatile("fstp %%st(1)" ::);
  goto FfTail;
L_FfTailMem:
  --sp;
  goto FfTail;
FfTail : {
  IntegralBlock& block = work->levels[ip->arg];
  asm volatile(
      "fldt %[sum]\n\tfaddp\n\tfstpt %[sum]\n\tfldt %[x]\n\tfldt %[h]\n\tfaddp\n\tfstpt %[x]"
      : [sum] "+m"(block.sum), [x] "+m"(*ip->ptr)
      : [h] "m"(block.h));
  if (++block.i < block.count) {
    if (work->budget > 0) {
      --work->budget;
      ip = code + ip->target;
      goto * ip->handler;
    }
    work->budgetExhausted = true;
  }
  asm volatile("fldt %0\n\tfldt %1\n\tfmulp" ::"m"(block.sum), "m"(block.h));
  ZX_NEXT;
}
L_IntPowerConst:
  IntPowerLoop(ip->arg);
  ZX_NEXT;
L_Ret : {
  Extended result;
  asm volatile("" : "=t"(result));
  return result;
}

  // One-argument operations.
U_Sqr:
  asm volatile("fmul %%st(0), %%st" ::);
  ZX_NEXT;
U_Sqr3:
  asm volatile("fld %%st(0)\n\tfmul %%st(0), %%st\n\tfmulp" ::);
  ZX_NEXT;
U_Sqr4:
  asm volatile("fmul %%st(0), %%st\n\tfmul %%st(0), %%st" ::);
  ZX_NEXT;
U_Sqrt:
  asm volatile("fsqrt");
  ZX_NEXT;
U_Rev:
  asm volatile(ZX_REV ::);
  ZX_NEXT;
U_Abs:
  asm volatile("fabs");
  ZX_NEXT;
U_Sgn : {
  bool positive, zero;
  ZX_SIGN_FLAGS(positive, zero);
  asm volatile("fstp %%st(0)" ::);
  if (zero)
    asm volatile("fldz");
  else if (positive)
    asm volatile("fld1");
  else
    asm volatile("fld1\n\tfchs");
  ZX_NEXT;
}
U_Floor:
  ZX_ROUND_WITH(0x400);
  ZX_NEXT;
U_Trunc:
  ZX_ROUND_WITH(0xC00);
  ZX_NEXT;
U_Ceil:
  ZX_ROUND_WITH(0x800);
  ZX_NEXT;
U_Round:
  asm volatile("frndint");
  ZX_NEXT;
U_Exp:
  asm volatile(ZX_EXP ::);
  ZX_NEXT;
U_Ln:
  asm volatile(ZX_LN ::);
  ZX_NEXT;
U_Log10:
  asm volatile("fldlg2\n\tfxch\n\tfyl2x" ::);
  ZX_NEXT;
U_Log2:
  asm volatile("fld1\n\tfxch\n\tfyl2x" ::);
  ZX_NEXT;
U_Sin:
  ZX_REDUCE_ANGLE;
  asm volatile("fsin");
  ZX_NEXT;
U_Cos:
  ZX_REDUCE_ANGLE;
  asm volatile("fcos");
  ZX_NEXT;
U_Tan:
  ZX_REDUCE_ANGLE;
  asm volatile("fptan\n\tfstp %%st(0)" ::);
  ZX_NEXT;
U_Ctg:
  ZX_REDUCE_ANGLE;
  asm volatile("fptan\n\tfdiv %%st(1), %%st\n\tfstp %%st(1)" ::);
  ZX_NEXT;
U_Sec:
  ZX_REDUCE_ANGLE;
  asm volatile("fcos\n\t" ZX_REV ::);
  ZX_NEXT;
U_Csc:
  ZX_REDUCE_ANGLE;
  asm volatile("fsin\n\t" ZX_REV ::);
  ZX_NEXT;
#define ZX_ARCSIN \
  "fld %%st(0)\n\tfmul %%st(0), %%st\n\tfld1\n\tfsub %%st(1), %%st\n\tfstp %%st(1)\n\tfsqrt\n\t"
U_ArcSin:
  asm volatile(ZX_ARCSIN "fpatan" ::);
  ZX_NEXT;
U_ArcCos:
  asm volatile(ZX_ARCSIN "fxch\n\tfpatan" ::);
  ZX_NEXT;
U_ArcTan:
  asm volatile("fld1\n\tfpatan" ::);
  ZX_NEXT;
U_ArcSec:
  asm volatile(ZX_REV ZX_ARCSIN "fxch\n\tfpatan" ::);
  ZX_NEXT;
U_ArcCsc:
  asm volatile(ZX_REV ZX_ARCSIN "fpatan" ::);
  ZX_NEXT;
U_ArcCtg : {
  bool positive, zero;
  ZX_SIGN_FLAGS(positive, zero);
  (void)positive;
  if (zero)
    asm volatile("fstp %%st(0)\n\tfldt %0" ::"m"(kHalfPi));
  else
    asm volatile(ZX_REV "fld1\n\tfpatan" ::);
  ZX_NEXT;
}
#define ZX_SINH "fld1\n\tfdiv %%st(1), %%st\n\tfsubr %%st(1), %%st\n\tfstp %%st(1)\n\tfmuls %0\n\t"
#define ZX_COSH "fld1\n\tfdiv %%st(1), %%st\n\tfadd %%st(1), %%st\n\tfstp %%st(1)\n\tfmuls %0\n\t"
U_SinH:
  asm volatile(ZX_EXP ZX_SINH ::"m"(kHalf));
  ZX_NEXT;
U_CosH:
  asm volatile(ZX_EXP ZX_COSH ::"m"(kHalf));
  ZX_NEXT;
U_CscH:
  asm volatile(ZX_EXP ZX_SINH ZX_REV ::"m"(kHalf));
  ZX_NEXT;
U_SecH:
  asm volatile(ZX_EXP ZX_COSH ZX_REV ::"m"(kHalf));
  ZX_NEXT;
U_TanH:
  TanhBody();
  ZX_NEXT;
U_CtgH:
  TanhBody();
  asm volatile(ZX_REV ::);
  ZX_NEXT;
U_ArcSinH : {
  bool positive, zero, big;
  ZX_SIGN_FLAGS(positive, zero);
  if (zero) {
    asm volatile("fstp %%st(0)\n\tfldz" ::);
    ZX_NEXT;
  }
  asm volatile("fabs\n\tfldl %1\n\tfucomip %%st(1), %%st" : "=@ccb"(big) : "m"(kTenTo10));
  if (big) {
    asm volatile("fadd %%st(0), %%st\n\t" ZX_LN ::);
  } else {
    asm volatile(
        "fld %%st(0)\n\tfmul %%st(0), %%st\n\tfld1\n\tfadd %%st(1), %%st\n\tfsqrt\n\t"
        "fld1\n\tfaddp\n\tfdivr %%st(1), %%st\n\tfstp %%st(1)\n\t"
        "fxch\n\tfld1\n\tfaddp\n\tfaddp\n\t" ZX_LN ::);
  }
  if (!positive) asm volatile("fchs");
  ZX_NEXT;
}
U_ArcCosH : {
  bool atMostOne, big;
  asm volatile("fld1\n\tfucomip %%st(1), %%st" : "=@ccae"(atMostOne));
  if (atMostOne) {
    asm volatile("fstp %%st(0)\n\tfldz" ::);
    ZX_NEXT;
  }
  asm volatile("fldl %1\n\tfucomip %%st(1), %%st" : "=@ccb"(big) : "m"(kTenTo10));
  if (big) {
    asm volatile("fadd %%st(0), %%st\n\t" ZX_LN ::);
  } else {
    asm volatile(
        "fld %%st(0)\n\tfmul %%st(0), %%st\n\tfld1\n\tfsubr %%st(1), %%st\n\tfstp %%st(1)\n\t"
        "fsqrt\n\tfaddp\n\t" ZX_LN ::);
  }
  ZX_NEXT;
}
U_ArcTanH : {
  bool positive, zero, saturated;
  ZX_SIGN_FLAGS(positive, zero);
  if (zero) {
    asm volatile("fstp %%st(0)\n\tfldz" ::);
    ZX_NEXT;
  }
  asm volatile("fabs\n\tfld1\n\tfucomip %%st(1), %%st" : "=@ccbe"(saturated));
  if (saturated) {
    asm volatile("fstp %%st(0)\n\tfldt %0" ::"m"(kTanhLimit));
  } else {
    asm volatile(
        "fld1\n\tfadd %%st(1), %%st\n\tfld1\n\tfsub %%st(2), %%st\n\t"
        "fdivr %%st(1), %%st\n\tfstp %%st(1)\n\tfstp %%st(1)\n\t" ZX_LN "fmuls %0" ::"m"(kHalf));
  }
  if (!positive) asm volatile("fchs");
  ZX_NEXT;
}
U_ArcCscH:
  asm volatile(ZX_REV
               "fld %%st(0)\n\tfmul %%st(0), %%st\n\tfld1\n\tfaddp\n\tfsqrt\n\tfaddp\n\t" ZX_LN ::);
  ZX_NEXT;
U_ArcSecH:
  asm volatile(
      "fld %%st(0)\n\tfmul %%st(0), %%st\n\tfld1\n\tfsub %%st(1), %%st\n\tfstp %%st(1)\n\t"
      "fsqrt\n\tfld1\n\tfaddp\n\tfdiv %%st(1), %%st\n\tfstp %%st(1)\n\t" ZX_LN ::);
  ZX_NEXT;
U_ArcCotH:
  asm volatile(
      "fld1\n\tfadd %%st(1), %%st\n\tfld1\n\tfsubr %%st(2), %%st\n\t"
      "fdivr %%st(1), %%st\n\tfstp %%st(1)\n\tfstp %%st(1)\n\t" ZX_LN "fmuls %0" ::"m"(kHalf));
  ZX_NEXT;
U_Rnd : {
  work->seed = (work->seed * 134775813u + 1u) & 0xFFFFFFFFu;
  asm volatile("fildll %0\n\tfldt %1\n\tfmulp\n\tfmulp" ::"m"(work->seed), "m"(kRandomFactor));
  ZX_NEXT;
}
U_Not:
  asm volatile(
      "fldz\n\tfcomip %%st(1), %%st\n\tfstp %%st(0)\n\tfldz\n\tfld1\n\t"
      "fcmovne %%st(1), %%st\n\tfstp %%st(1)" ::);
  ZX_NEXT;

  // Binary operations in their three fetch forms.
#define ZX_BINARY_ASM(Name)                           \
  M_##Name : PushSlot(ip->ptr);                       \
  asm volatile(ZX_M_##Name ::);                       \
  ZX_NEXT;                                            \
  S_##Name : --sp;                                    \
  asm volatile("fldt %0\n\t" ZX_U_##Name ::"m"(*sp)); \
  ZX_NEXT;                                            \
  R_##Name : asm volatile("fxch\n\t" ZX_U_##Name ::); \
  ZX_NEXT;
#define ZX_BINARY_ASM_EAX(Name)                                     \
  M_##Name : PushSlot(ip->ptr);                                     \
  asm volatile(ZX_M_##Name ::: "eax", "cc");                        \
  ZX_NEXT;                                                          \
  S_##Name : --sp;                                                  \
  asm volatile("fldt %0\n\t" ZX_U_##Name ::"m"(*sp) : "eax", "cc"); \
  ZX_NEXT;                                                          \
  R_##Name : asm volatile("fxch\n\t" ZX_U_##Name ::: "eax", "cc");  \
  ZX_NEXT;

  ZX_BINARY_ASM(Add)
  ZX_BINARY_ASM(Sub)
  ZX_BINARY_ASM(Mul)
  ZX_BINARY_ASM(Div)
  ZX_BINARY_ASM_EAX(Mod)
  ZX_BINARY_ASM(Max)
  ZX_BINARY_ASM(Min)
  ZX_BINARY_ASM(Hypot)
  ZX_BINARY_ASM(SqrAdd)
  ZX_BINARY_ASM(ArcTan2)
  ZX_BINARY_ASM(Eq)
  ZX_BINARY_ASM(Ne)
  ZX_BINARY_ASM(Lt)
  ZX_BINARY_ASM(Gt)
  ZX_BINARY_ASM(Le)
  ZX_BINARY_ASM(Ge)

M_DivE:
  PushSlot(ip->ptr);
  asm volatile(ZX_M_Div ::);
  ZX_ROUND_WITH(0xC00);
  ZX_NEXT;
S_DivE:
  --sp;
  asm volatile("fldt %0\n\t" ZX_U_Div ::"m"(*sp));
  ZX_ROUND_WITH(0xC00);
  ZX_NEXT;
R_DivE:
  asm volatile("fxch\n\t" ZX_U_Div ::);
  ZX_ROUND_WITH(0xC00);
  ZX_NEXT;

M_Power:
  PushSlot(ip->ptr);
  asm volatile("fxch");
  PowerBody();
  ZX_NEXT;
S_Power:
  --sp;
  asm volatile("fldt %0" ::"m"(*sp));
  PowerBody();
  ZX_NEXT;
R_Power:
  asm volatile("fxch");
  PowerBody();
  ZX_NEXT;

  // IntPower wants ST0 = exponent, ST1 = base; the exponent is rounded to a 32-bit integer.
M_IntPower:
  PushSlot(ip->ptr);
  IntPowerLoop(PopInt32());
  ZX_NEXT;
S_IntPower:
  --sp;
  asm volatile("fldt %0\n\tfxch" ::"m"(*sp));
  IntPowerLoop(PopInt32());
  ZX_NEXT;
R_IntPower:
  IntPowerLoop(PopInt32());
  ZX_NEXT;

#define ZX_BINARY_LOGIC(Name, expr)   \
  M_##Name : PushSlot(ip->ptr);       \
  ZX_LOGIC(expr);                     \
  ZX_NEXT;                            \
  S_##Name : --sp;                    \
  asm volatile("fldt %0" ::"m"(*sp)); \
  ZX_LOGIC(expr);                     \
  ZX_NEXT;                            \
  R_##Name : ZX_LOGIC(expr);          \
  ZX_NEXT;

  ZX_BINARY_LOGIC(And, a && b)
  ZX_BINARY_LOGIC(Or, a || b)
  ZX_BINARY_LOGIC(Xor, a != b)
#undef ZX_NEXT
}

const void* const* HandlerTable() {
  static const void* const* table = [] {
    const void* const* t = nullptr;
    Execute(nullptr, nullptr, &t);
    return t;
  }();
  return table;
}

std::uint16_t X87Status() {
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=a"(status));
  return status;
}

// ---------------------------------------------------------------------------------------------
// Lowering: the instruction list becomes threaded code. A simulation of the register stack
// decides where each pending value lives and fuses loads and fetches into the operations.

enum class Cell : std::uint8_t { kRegister, kMemory };

class Lowering {
 public:
  Lowering(std::span<const Instruction> code, std::span<Extended* const> slots,
           std::span<const std::uint8_t> constants, std::vector<ThreadedInstruction>& out)
      : code_(code), slots_(slots), constants_(constants), out_(out), handlers_(HandlerTable()) {}

  bool Run() {
    for (std::size_t i = 0; i < code_.size() && ok_; ++i) i = Step(i);
    return ok_ && live_ == 0 && pending_.empty() && loops_.empty();
  }

 private:
  void Need(bool condition) { ok_ = ok_ && condition; }
  void Room(int registers) { Need(registerPending_ + registers <= kX87Registers); }

  void Emit(XOp op, Extended* ptr = nullptr, std::int32_t arg = 0) {
    // Two exchanges in a row cancel.
    if (op == XOp::kSwap && !out_.empty() && out_.back().handler == Handler(XOp::kSwap) &&
        out_.size() > fenceAt_) {
      out_.pop_back();
      return;
    }
    out_.push_back({Handler(op), ptr, arg, 0});
  }
  const void* Handler(XOp op) const { return handlers_[static_cast<int>(op)]; }

  Extended* Slot(int index) {
    Need(index >= 0 && static_cast<std::size_t>(index) < slots_.size());
    return ok_ ? slots_[index] : nullptr;
  }

  static XOp BinaryOp(MachineOp op, int variant) {
    int first = static_cast<int>(XOp::kUSqr) + static_cast<int>(MachineOp::Add) -
                static_cast<int>(MachineOp::Sqr);
    return static_cast<XOp>(first + 3 * (static_cast<int>(op) - static_cast<int>(MachineOp::Add)) +
                            variant);
  }
  static XOp UnaryOp(MachineOp op) {
    return static_cast<XOp>(static_cast<int>(XOp::kUSqr) + static_cast<int>(op) -
                            static_cast<int>(MachineOp::Sqr));
  }
  static bool IsBinary(MachineOp op) { return InfoOf(op).fetch != Fetch::kNone; }

  // The binary operation that a fetch starting at `i` belongs to, with the index after it.
  bool FusedBinary(std::size_t i, Form form, std::size_t& opIndex) const {
    std::size_t j = i + 1;
    if (j < code_.size() && code_[j].op == MachineOp::Swap) ++j;
    if (j >= code_.size() || !IsBinary(code_[j].op) || code_[j].form != form) return false;
    const Fetch fetch = InfoOf(code_[j].op).fetch;
    const bool swapped = j == i + 2;
    const Fetch needsSwap = form == Form::kMerged ? Fetch::kSwapped : Fetch::kExponentFirst;
    if (swapped != (fetch == needsSwap)) return false;
    opIndex = j;
    return true;
  }

  // Takes the newest pending value back on top of the `live_` values above it.
  void Unspill() {
    Need(!pending_.empty());
    if (!ok_) return;
    const Cell cell = pending_.back();
    pending_.pop_back();
    if (cell == Cell::kMemory) {
      Room(live_ + 1);
      Emit(XOp::kUnspill);
    } else {
      --registerPending_;
      Need(live_ >= 1 && live_ <= 2);
      Emit(XOp::kSwap);
      if (live_ == 2) Emit(XOp::kSwap2);
    }
    ++live_;
  }

  std::size_t Step(std::size_t i) {
    const Instruction& in = code_[i];
    const MachineOpInfo& info = InfoOf(in.op);
    std::size_t opIndex = 0;
    switch (in.op) {
      case MachineOp::Enter:
        Emit(XOp::kEnter);
        return i;
      case MachineOp::Load: {
        Extended* slot = Slot(in.a);
        if (live_ == 1 && FusedBinary(i, Form::kMerged, opIndex)) {
          const MachineOp op = code_[opIndex].op;
          Room(InfoOf(op).regs);
          if (op == MachineOp::IntPower && IsConstant(in.a) && IntegralExponent(*slot)) {
            Emit(XOp::kIntPowerConst, nullptr, static_cast<std::int32_t>(*slot));
          } else {
            Emit(BinaryOp(op, 0), slot);
          }
          return opIndex;
        }
        Room(live_ + 1);
        Emit(XOp::kLoad, slot);
        ++live_;
        return i;
      }
      case MachineOp::Spill:
        Need(live_ == 1);
        if (registerPending_ < kRegisterCells) {
          pending_.push_back(Cell::kRegister);
          ++registerPending_;
          --live_;
          return i;
        }
        pending_.push_back(Cell::kMemory);
        --live_;
        if (i + 1 < code_.size() && code_[i + 1].op == MachineOp::Load &&
            !FusedBinary(i + 1, Form::kMerged, opIndex)) {
          Emit(XOp::kSpillLoad, Slot(code_[i + 1].a));
          ++live_;
          return i + 1;
        }
        Emit(XOp::kSpill);
        return i;
      case MachineOp::Unspill:
        if (live_ == 1 && FusedBinary(i, Form::kUnspilled, opIndex)) {
          const MachineOp op = code_[opIndex].op;
          Need(!pending_.empty());
          if (!ok_) return i;
          const Cell cell = pending_.back();
          pending_.pop_back();
          if (cell == Cell::kRegister) --registerPending_;
          Room(InfoOf(op).regs);
          Emit(BinaryOp(op, cell == Cell::kMemory ? 1 : 2));
          return opIndex;
        }
        Unspill();
        return i;
      case MachineOp::Swap:
        Need(live_ >= 2);
        Emit(XOp::kSwap);
        return i;
      case MachineOp::One:
        Need(live_ >= 1);
        Emit(XOp::kOne);
        return i;
      case MachineOp::IfSelect:
        Need(live_ == 3);
        Room(4);
        Emit(XOp::kIfSelect);
        live_ = 1;
        return i;
      case MachineOp::FfHead: {
        Need(live_ == 1 && in.a >= 0 && in.a < kIntegralLevels);
        Unspill();  // upper bound
        Unspill();  // lower bound
        Room(live_ + 2);
        Need(live_ == 3);
        Emit(XOp::kFfHead, Slot(in.b), in.a);
        live_ = 1;
        loops_.push_back(static_cast<std::int32_t>(out_.size()));
        Emit(XOp::kFfLoop, Slot(in.b), in.a);  // the tail finds the variable here
        fenceAt_ = out_.size();
        return i;
      }
      case MachineOp::FfTail: {
        Need(live_ == 1 && !pending_.empty() && !loops_.empty());
        if (!ok_) return i;
        const Cell cell = pending_.back();
        pending_.pop_back();
        if (cell == Cell::kRegister) --registerPending_;
        Emit(cell == Cell::kRegister ? XOp::kFfTailReg : XOp::kFfTailMem, nullptr, in.a);
        out_.back().target = loops_.back();
        out_.back().ptr = out_[loops_.back()].ptr;
        loops_.pop_back();
        fenceAt_ = out_.size();
        return i;
      }
      case MachineOp::Ret:
        Need(live_ == 1 && pending_.empty());
        Emit(XOp::kRet);
        live_ = 0;
        return i;
      default:
        break;
    }
    if (!IsBinary(in.op)) {
      Need(live_ >= 1);
      Room(live_ - 1 + info.regs);
      Emit(UnaryOp(in.op));
      return i;
    }
    // A binary operation without its fetch in front does not come from the generator.
    ok_ = false;
    return i;
  }

  static bool IntegralExponent(Extended c) {
    return c >= -2147483647.0L && c <= 2147483647.0L &&
           c == static_cast<Extended>(static_cast<std::int64_t>(c));
  }
  bool IsConstant(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < constants_.size() &&
           constants_[index] != 0;
  }

  std::span<const Instruction> code_;
  std::span<Extended* const> slots_;
  std::span<const std::uint8_t> constants_;
  std::vector<ThreadedInstruction>& out_;
  const void* const* handlers_;
  std::vector<Cell> pending_;
  std::vector<std::int32_t> loops_;
  int registerPending_ = 0;
  int live_ = 0;
  std::size_t fenceAt_ = 0;  // no exchange pair is folded across a loop head or tail
  bool ok_ = true;
};

}  // namespace

ThreadedProgram::ThreadedProgram() = default;
ThreadedProgram::~ThreadedProgram() = default;
ThreadedProgram::ThreadedProgram(ThreadedProgram&&) noexcept = default;
ThreadedProgram& ThreadedProgram::operator=(ThreadedProgram&&) noexcept = default;

bool ThreadedProgram::Build(std::span<const Instruction> code,
                            std::span<Extended* const> operandSlots,
                            std::span<const std::uint8_t> constantOperands) {
  code_.clear();
  Lowering lowering(code, operandSlots, constantOperands, code_);
  if (!lowering.Run()) {
    code_.clear();
    return false;
  }
  return true;
}

Extended ThreadedProgram::RunUnchecked(Workspace& work) const {
  work.budget = kIntegralBudget;
  work.budgetExhausted = false;
  return Execute(code_.data(), &work, nullptr);
}

Extended ThreadedProgram::Run(Workspace& work) const {
  const std::uint64_t seed = work.seed;
  Extended value = RunUnchecked(work);
  std::uint16_t status = X87Status();
  if ((status & kFaultMask) != 0 && !work.budgetExhausted) {
    // The flags may be left over from earlier arithmetic: run once more on clean flags.
    ClearFpFaults();
    work.seed = seed;
    value = RunUnchecked(work);
    status = X87Status();
  }
  if (work.budgetExhausted) {
    ClearFpFaults();
    throw EInvalidOp();
  }
  if ((status & kFaultMask) == 0) return value;
  ClearFpFaults();
  if (status & 0x04) throw EZeroDivide();
  if (status & 0x01) throw EInvalidOp();
  throw EOverflow();
}

}  // namespace zarnix

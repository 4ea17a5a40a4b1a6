// TCompile: the operand table, code generation with constant folding, and the entry points.
// The shared front end's parser calls the generator once per operand and per reduced operator.
#include "expr/tcompile.h"

#include <cfenv>
#include <cmath>
#include <ctime>
#include <limits>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "expr/compiler_frontend.h"
#include "expr/compiler_generator.h"
#include "expr/tcompile_functions.h"
#include "expr/tcompile_machine.h"

namespace zarnix {

namespace {

const Extended kInfinity = std::numeric_limits<Extended>::infinity();
const Extended kTwo63 = 9223372036854775808.0L;

struct RealMachineTraits {
  using Value = Extended;
  using Op = MachineOp;
  static constexpr int kMaxPending = kValueStackCells;
  static constexpr std::string_view kLiteralPrefix = "TCMSYS_CONST_";
  static Fetch FetchOf(Op op) { return InfoOf(op).fetch; }
  static Value FromReal(Extended x) { return x; }
};

struct OpenIntegral {
  int level;
  int stage;              // 1 after the lower and upper bound, 2 inside the integrand
  std::size_t headDepth;  // pending values after the head, the placeholder included
};

bool IntegralExponent(Extended c) {
  return std::fabs(c) < 2147483647.0L && c == std::trunc(c);
}

}  // namespace

struct TCompile::Impl final : CodeGenerator<RealMachineTraits> {
  bool stripComments = true;

  std::string formula = "0.0";
  std::string tokenText;
  std::vector<OpenIntegral> integrals;
  ThreadedProgram program;
  std::unique_ptr<Workspace> work = std::make_unique<Workspace>();

  void ResetAll() {
    ResetOperands();
    ResetGeneration();
  }

  void ResetGeneration() {
    ResetCode();
    integrals.clear();
    program.Clear();
    tokenText.clear();
  }

  // --- Generation hooks ---------------------------------------------------------------------

  void ReduceSpecial(const FunctionEntry& entry, int level) override {
    switch (entry.action) {
      case kActFf0:
        ReduceIntegralBounds(level);
        return;
      case kActFf1:
        ReduceIntegralHead(level);
        return;
      case kActFf2:
        ReduceIntegralTail(level);
        return;
      default:
        status.Fail(kErrExpression);
    }
  }

  void Finish() override {
    if (!status.Ok()) return;
    if (!integrals.empty()) {
      status.Fail(kErrExpression);
      return;
    }
    if (!FinishCode()) return;
    std::vector<std::uint8_t> constants;
    for (const Operand& operand : operands) constants.push_back(operand.constant ? 1 : 0);
    if (!program.Build(code, Addresses(), constants)) status.Fail(kErrFolding);
  }

  // The innermost integral whose integrand is being generated protects its placeholder.
  std::size_t ProtectedDepth() const override {
    for (auto it = integrals.rbegin(); it != integrals.rend(); ++it) {
      if (it->stage == 2) return it->headDepth - 1;
    }
    return 0;
  }

  bool Reciprocal(const Extended& c, Extended& r) override {
    FpFaultScope scope;
    r = c == 0 ? kInfinity : 1 / c;
    ClearFpFaults();
    return true;
  }

  bool ReduceConstantRight(MachineOp op) override {
    if ((op != MachineOp::Power && op != MachineOp::IntPower) || !IntegralExponent(Top().value))
      return false;
    ReduceConstantExponent(Top().value);
    return true;
  }

  void ReduceConstantExponent(Extended c) {
    if (c == 0) {
      // x^0 is 1 whatever x is: a plain load goes, computed code stays and its value is dropped.
      if (Second().plain) {
        ReplaceWithConstant(2, 1);
      } else if (RemoveLoads(1)) {
        code.push_back({MachineOp::One});
        Top() = Computed();
      }
      return;
    }
    if (c == 1) {
      if (ReplaceTopLoad(0)) Generate(MachineOp::Add);
      return;
    }
    if (c == 2) {
      if (RemoveLoads(1)) Generate(MachineOp::Sqr);
      return;
    }
    Generate(MachineOp::IntPower);
  }

  // --- Integrals ----------------------------------------------------------------------------

  void ReduceIntegralBounds(int level) {
    if (level < 0 || level >= kIntegralLevels) status.Fail(kErrExpression);
    if (!Need(2)) return;
    integrals.push_back({level, 1, 0});
    Top().constant = Second().constant = false;
  }

  void ReduceIntegralHead(int level) {
    if (!Need(3)) return;
    bool busy = integrals.empty() || integrals.back().level != level || integrals.back().stage != 1;
    for (const OpenIntegral& open : integrals)
      busy = busy || (open.level == level && open.stage == 2);
    if (busy) {
      status.Fail(kErrExpression);
      return;
    }
    const std::string variable = "TCMSYS_CONST_FF_X_" + std::to_string(level);
    AddIdentifier(variable);
    code.push_back({MachineOp::FfHead, Form::kNone, level, Find(variable)});
    track.resize(track.size() - 3);
    track.push_back(Computed());  // the placeholder
    integrals.back().stage = 2;
    integrals.back().headDepth = track.size();
  }

  void ReduceIntegralTail(int level) {
    if (!Need(2)) return;
    if (integrals.empty() || integrals.back().level != level || integrals.back().stage != 2 ||
        track.size() != integrals.back().headDepth + 1) {
      status.Fail(kErrExpression);
      return;
    }
    code.push_back({MachineOp::FfTail, Form::kNone, level});
    track.resize(track.size() - 2);
    track.push_back(Computed());
    integrals.pop_back();
  }

  // --- Folding ------------------------------------------------------------------------------

  // Runs one operation on the machine itself, so that folded values are the run-time values.
  bool Evaluate(MachineOp op, Extended left, Extended right, Extended& out) {
    OperandSlot<Extended> a{left}, b{right};
    std::vector<Instruction> mini{{MachineOp::Enter}, {MachineOp::Load, Form::kNone, 0}};
    const Fetch fetch = InfoOf(op).fetch;
    if (fetch != Fetch::kNone) {
      mini.push_back({MachineOp::Load, Form::kNone, 1});
      if (fetch == Fetch::kSwapped) mini.push_back({MachineOp::Swap});
      mini.push_back({op, Form::kMerged});
    } else {
      mini.push_back({op});
    }
    mini.push_back({MachineOp::Ret});
    Extended* addresses[2] = {&a.value, &b.value};
    const std::uint8_t constants[2] = {0, 0};
    ThreadedProgram runner;
    if (!runner.Build(mini, addresses, constants)) return false;
    FpFaultScope scope;
    out = runner.RunUnchecked(*work);
    const bool faulted = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) != 0;
    ClearFpFaults();
    return !faulted;
  }

  bool FoldFailed() {
    status.Fail(kErrFoldDomain);
    return false;
  }

  // Fits the 64-bit integer the folding converts through.
  static bool FitsInt64(Extended x) { return std::fabs(x) < kTwo63; }

  bool FoldUnary(MachineOp op, const Extended& x, Extended& r) override {
    switch (op) {
      case MachineOp::Rev:
        if (x == 0) {
          r = kInfinity;
          return true;
        }
        break;
      case MachineOp::Floor:
      case MachineOp::Trunc:
        if (!FitsInt64(x)) return FoldFailed();
        break;
      case MachineOp::Ceil:
        if (!Evaluate(op, x, 0, r) || !(r >= -2147483648.0L && r <= 2147483647.0L))
          return FoldFailed();
        return true;
      default:
        break;
    }
    return Evaluate(op, x, 0, r) || FoldFailed();
  }

  bool FoldBinary(MachineOp op, const Extended& left, const Extended& right, Extended& r) override {
    switch (op) {
      case MachineOp::Div:
      case MachineOp::DivE:
        if (right == 0) {
          r = left >= 0 ? kInfinity : -kInfinity;
          return true;
        }
        if (op == MachineOp::DivE) {
          Extended q;
          if (!Evaluate(MachineOp::Div, left, right, q) || !FitsInt64(q)) return FoldFailed();
        }
        break;
      case MachineOp::Mod: {
        Extended q;
        if (right == 0 || !Evaluate(MachineOp::Div, left, right, q) || !FitsInt64(q))
          return FoldFailed();
        break;
      }
      case MachineOp::Power:
        if (right == 0) {
          r = 1;
          return true;
        }
        if (left == 0 && right > 0) {
          r = 0;
          return true;
        }
        if (IntegralExponent(right) || std::fabs(right) == 2147483647.0L) {
          return Evaluate(MachineOp::IntPower, left, right, r) || FoldFailed();
        }
        break;
      default:
        break;
    }
    return Evaluate(op, left, right, r) || FoldFailed();
  }
};

// ---------------------------------------------------------------------------------------------

TCompile::TCompile() : impl_(std::make_unique<Impl>()) {}
TCompile::~TCompile() = default;

bool TCompile::SetFormula(std::string_view formula, std::optional<std::string_view> parameters,
                          bool compileNow) {
  try {
    impl_->ResetAll();
    if (parameters) {
      const auto list = ParseParameterList(*parameters);
      if (!list) return false;
      for (const std::string& name : *list) impl_->AddOperand(name, 0, false);
    }
    impl_->formula = formula.empty() ? std::string("0.0") : std::string(formula);
    return compileNow ? Compile() : true;
  } catch (...) {
    return false;
  }
}

bool TCompile::Compile() {
  Impl& c = *impl_;
  try {
    c.ResetGeneration();
    c.code.push_back({MachineOp::Enter});
    c.tokenText = RunFrontEnd(c.formula, RealDialect(), c.stripComments, c, c.status);
  } catch (...) {
    c.status.Fail(kErrUnknown);
  }
  if (!c.status.Ok()) c.program.Clear();
  return c.status.Ok();
}

int TCompile::ErrorCode() const {
  return impl_->status.error;
}

std::string TCompile::ErrorText(int number) {
  return CompileErrorText(number);
}

void TCompile::StripComments(bool on) {
  impl_->stripComments = on;
}
void TCompile::FoldConstants(bool on) {
  impl_->foldConstants = on;
}
void TCompile::RewriteDivision(bool on) {
  impl_->rewriteDivision = on;
}
void TCompile::MergeLoads(bool on) {
  impl_->mergeLoads = on;
}

Extended* TCompile::ParameterAddress(std::string_view name) {
  return impl_->Storage(name);
}

int TCompile::ParameterIndex(std::string_view name) const {
  return impl_->Find(name);
}

std::vector<std::string> TCompile::OperandNames() const {
  std::vector<std::string> names;
  for (const Impl::Operand& operand : impl_->operands)
    if (!operand.constant) names.push_back(operand.name);
  return names;
}

Extended TCompile::CodeEntry() {
  if (impl_->program.Empty()) return 0;
  return impl_->program.Run(*impl_->work);
}

void TCompile::SeedRandom() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t ms = (now.tv_sec % 86400) * 1000 + now.tv_nsec / 1000000;
  SeedRandom(static_cast<std::uint32_t>(ms));
}

void TCompile::SeedRandom(std::uint32_t seed) {
  impl_->work->seed = seed;
}

std::string TCompile::Disassemble() const {
  const Impl& c = *impl_;
  return zarnix::Disassemble(c.code, [&c](int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= c.operands.size()) return std::string("?");
    const Impl::Operand& operand = c.operands[index];
    return operand.constant ? operand.name + "=" + FloatToStr(*operand.storage) : operand.name;
  });
}

std::string TCompile::TokenText() const {
  return impl_->tokenText;
}

}  // namespace zarnix

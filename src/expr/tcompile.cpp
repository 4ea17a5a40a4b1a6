// TCompile: the operand table, code generation with constant folding, and the entry points.
// The shared front end's parser calls the generator once per operand and per reduced operator.
#include "expr/tcompile.h"

#include <cfenv>
#include <cmath>
#include <ctime>
#include <deque>
#include <limits>
#include <unordered_map>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "expr/compiler_frontend.h"
#include "expr/tcompile_functions.h"
#include "expr/tcompile_machine.h"

namespace zarnix {

namespace {

const Extended kPi = 0xC90FDAA22168C235p-62L;
const Extended kE = 0xADF85458A2BB4A9Bp-62L;
const Extended kInfinity = std::numeric_limits<Extended>::infinity();
const Extended kTwo63 = 9223372036854775808.0L;

struct Slot {
  alignas(16) Extended value = 0;
};

struct Operand {
  std::string name;  // upper case, with "&"
  bool constant;     // literals, PI, TRUE, FALSE
  bool external;     // storage of the caller (not used by this compiler)
  Slot* slot;
};

// What the generator knows about each pending value: a constant with its value, and whether
// its code is nothing but its own load (so folding may take it out again).
struct Track {
  bool constant = false;
  Extended value = 0;
  std::size_t start = 0;  // first instruction of the load (its SPILL, if any)
  bool plain = false;
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

struct TCompile::Impl final : FrontEndSink {
  bool stripComments = true;
  bool rewriteDivision = true;
  bool mergeLoads = true;
  bool foldConstants = true;

  std::string formula = "0.0";
  std::string tokenText;
  CompileStatus status;
  std::vector<Operand> operands;
  std::deque<Slot> slots;
  std::unordered_map<std::string, int> names;
  std::vector<Instruction> code;
  std::vector<Track> track;
  std::vector<OpenIntegral> integrals;
  ThreadedProgram program;
  std::unique_ptr<Workspace> work = std::make_unique<Workspace>();

  // --- Tables -------------------------------------------------------------------------------

  void ResetAll() {
    operands.clear();
    slots.clear();
    names.clear();
    ResetGeneration();
  }

  void ResetGeneration() {
    status = {};
    code.clear();
    track.clear();
    integrals.clear();
    program.Clear();
    tokenText.clear();
  }

  int Find(std::string_view name) const {
    std::string key = UpperCase(name);
    if (key.empty() || key[0] != '&') key.insert(0, "&");
    const auto it = names.find(key);
    return it == names.end() ? -1 : it->second;
  }

  int AddOperand(const std::string& name, Extended value, bool constant) {
    slots.push_back(Slot{value});
    operands.push_back({"&" + name, constant, false, &slots.back()});
    const int index = static_cast<int>(operands.size()) - 1;
    names["&" + name] = index;
    return index;
  }

  // --- FrontEndSink ---------------------------------------------------------------------------

  std::string AddLiteral(Extended value) override {
    const std::string name = "TCMSYS_CONST_" + std::to_string(operands.size());
    AddOperand(name, value, true);
    return name;
  }

  void AddIdentifier(const std::string& name) override {
    if (Find(name) >= 0) return;
    if (name == "PI") {
      AddOperand(name, kPi, true);
    } else if (name == "TRUE") {
      AddOperand(name, 1, true);
    } else if (name == "FALSE") {
      AddOperand(name, 0, true);
    } else {
      AddOperand(name, name == "E" ? kE : 0, false);
    }
  }

  void LoadOperand(const std::string& name) override {
    if (!status.Ok()) return;
    if (Find(name) < 0) AddIdentifier(name);
    EmitLoad(Find(name));
  }

  void ReduceOperator(const FunctionEntry& entry, int level) override {
    if (!status.Ok()) return;
    switch (entry.action) {
      case kActReserved:
        // Raw storage access is not offered to formulas.
        status.Fail(kErrExpression);
        return;
      case kActBracket:
        ReduceBracket(entry);
        return;
      case kActIf0:
        ReduceIf0();
        return;
      case kActIf1:
        ReduceIf1();
        return;
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
        ReduceOperation(entry, static_cast<MachineOp>(entry.action));
    }
  }

  void Finish() override {
    if (!status.Ok()) return;
    if (!integrals.empty() || track.size() != 1) {
      status.Fail(kErrExpression);
      return;
    }
    code.push_back({MachineOp::Ret});
    std::vector<Extended*> addresses;
    std::vector<std::uint8_t> constants;
    for (const Operand& operand : operands) {
      addresses.push_back(&operand.slot->value);
      constants.push_back(operand.constant ? 1 : 0);
    }
    if (!program.Build(code, addresses, constants)) status.Fail(kErrFolding);
  }

  // --- Loads and the register discipline ----------------------------------------------------

  Track& Top() { return track.back(); }
  Track& Second() { return track[track.size() - 2]; }
  static Track Computed() { return Track{}; }

  void EmitLoad(int index) {
    if (track.size() > static_cast<std::size_t>(kValueStackCells)) {
      status.Fail(kErrExpression);  // more pending values than the value stack holds
      return;
    }
    const std::size_t start = code.size();
    if (!track.empty()) code.push_back({MachineOp::Spill});
    code.push_back({MachineOp::Load, Form::kNone, index});
    const Operand& operand = operands[index];
    track.push_back({operand.constant, operand.slot->value, start, true});
  }

  void EmitLiteral(Extended value) { EmitLoad(Find(AddLiteral(value))); }

  // Takes out the code of the newest `n` pending values, which must be plain loads.
  bool RemoveLoads(std::size_t n) {
    const std::size_t first = track[track.size() - n].start;
    std::size_t length = 0;
    for (std::size_t k = track.size() - n; k < track.size(); ++k) {
      if (!track[k].plain) length = code.size() + 1;
      length += code[track[k].start].op == MachineOp::Spill ? 2 : 1;
    }
    if (first + length != code.size()) {
      status.Fail(kErrFolding);
      return false;
    }
    code.resize(first);
    track.resize(track.size() - n);
    return true;
  }

  void ReplaceWithConstant(std::size_t n, Extended value) {
    if (RemoveLoads(n)) EmitLiteral(value);
  }

  // The top value's load now reads a new literal.
  bool ReplaceTopLoad(Extended value) {
    if (!Top().plain || code.empty() || code.back().op != MachineOp::Load) {
      status.Fail(kErrFolding);
      return false;
    }
    code.back().a = Find(AddLiteral(value));
    Top().value = value;
    return true;
  }

  // Enough pending values for the operator, none of them below an open integral's placeholder.
  bool Need(std::size_t count) {
    if (track.size() < count) status.Fail(kErrExpression);
    for (auto it = integrals.rbegin(); it != integrals.rend() && status.Ok(); ++it) {
      if (it->stage != 2) continue;
      if (track.size() - count < it->headDepth - 1) status.Fail(kErrExpression);
      break;
    }
    return status.Ok();
  }

  bool LastIsSpilledLoad() const {
    return code.size() >= 2 && code.back().op == MachineOp::Load &&
           code[code.size() - 2].op == MachineOp::Spill;
  }

  // The operand fetch of a binary operation.
  Form FetchOperands(Fetch fetch) {
    if (mergeLoads && LastIsSpilledLoad()) {
      code.erase(code.end() - 2);
      if (fetch == Fetch::kSwapped) code.push_back({MachineOp::Swap});
      return Form::kMerged;
    }
    code.push_back({MachineOp::Unspill});
    if (fetch == Fetch::kExponentFirst) code.push_back({MachineOp::Swap});
    return Form::kUnspilled;
  }

  void Generate(MachineOp op) {
    const MachineOpInfo& info = InfoOf(op);
    if (info.fetch == Fetch::kNone) {
      code.push_back({op});
      Top() = Computed();
      return;
    }
    const Form form = FetchOperands(info.fetch);
    code.push_back({op, form});
    track.pop_back();
    Top() = Computed();
  }

  // --- Operators ----------------------------------------------------------------------------

  void ReduceBracket(const FunctionEntry& entry) {
    if (!Need(1)) return;
    // A folded bracket is its own value; an unfolded one hides the constant.
    if (!(foldConstants && entry.fold && Top().constant)) Top().constant = false;
  }

  void ReduceOperation(const FunctionEntry& entry, MachineOp op) {
    const bool binary = entry.kind == 2;
    if (!Need(binary ? 2 : 1)) return;
    // 1. Division by a constant becomes multiplication by its reciprocal.
    if (binary && rewriteDivision && op == MachineOp::Div && Top().constant && !Second().constant) {
      const Extended c = Top().value;
      Extended reciprocal;
      {
        FpFaultScope scope;
        reciprocal = c == 0 ? kInfinity : 1 / c;
        ClearFpFaults();
      }
      if (!ReplaceTopLoad(reciprocal)) return;
      op = MachineOp::Mul;
    }
    if (foldConstants && Top().constant) {
      // 3. Both operands constant.
      if (binary && entry.fold && Second().constant) {
        Extended r;
        if (FoldBinary(op, Second().value, Top().value, r)) ReplaceWithConstant(2, r);
        return;
      }
      // 4a. Constant integral exponent.
      if (binary && (op == MachineOp::Power || op == MachineOp::IntPower) &&
          IntegralExponent(Top().value)) {
        ReduceConstantExponent(Top().value);
        return;
      }
      // 4b. One-argument function of a constant.
      if (!binary && entry.fold) {
        Extended r;
        if (FoldUnary(op, Top().value, r)) ReplaceWithConstant(1, r);
        return;
      }
    }
    Generate(op);
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

  void ReduceIf0() {
    if (!Need(2)) return;
    Top().constant = Second().constant = false;
  }

  void ReduceIf1() {
    if (!Need(3)) return;
    Form form = Form::kUnspilled;
    if (mergeLoads && LastIsSpilledLoad()) {
      code.erase(code.end() - 2);
      code.push_back({MachineOp::Swap});
      form = Form::kMerged;
    } else {
      code.push_back({MachineOp::Unspill});
    }
    code.push_back({MachineOp::Unspill});
    code.push_back({MachineOp::IfSelect, form});
    track.resize(track.size() - 3);
    track.push_back(Computed());
  }

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
    Slot a{left}, b{right};
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

  bool FoldUnary(MachineOp op, Extended x, Extended& r) {
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

  bool FoldBinary(MachineOp op, Extended left, Extended right, Extended& r) {
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
  const int index = impl_->Find(name);
  return index < 0 ? nullptr : &impl_->operands[index].slot->value;
}

int TCompile::ParameterIndex(std::string_view name) const {
  return impl_->Find(name);
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
    const Operand& operand = c.operands[index];
    return operand.constant ? operand.name + "=" + FloatToStr(operand.slot->value) : operand.name;
  });
}

std::string TCompile::TokenText() const {
  return impl_->tokenText;
}

}  // namespace zarnix

// TCompileComplex: the shared generator over the complex machine, folding with the machine's own
// routines, caller-bound operands and the function macros applied to the stored formula.
#include "expr/tcompile_complex.h"

#include <cfenv>
#include <ctime>
#include <vector>

#include "base/convert.h"
#include "base/fpu.h"
#include "expr/compiler_frontend.h"
#include "expr/compiler_generator.h"
#include "expr/tcompile_complex_functions.h"
#include "expr/tcompile_complex_machine.h"
#include "expr/tcompile_complex_macro.h"

namespace zarnix {

namespace {

constexpr int kComplexErrorBase = 100;

struct ComplexMachineTraits {
  using Value = ComplexValue;
  using Op = ComplexOp;
  static constexpr int kMaxPending = kComplexValueStackCells;
  static constexpr std::string_view kLiteralPrefix = "TCMCXSYS_CONST_TCMCX_";
  static Fetch FetchOf(Op op) { return ComplexInfoOf(op).fetch; }
  static Value FromReal(Extended x) { return {x, 0}; }
};

bool Faulted() {
  return std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW) != 0;
}

}  // namespace

struct TCompileComplex::Impl final : CodeGenerator<ComplexMachineTraits> {
  bool stripComments = true;

  std::string formula = "0.0";
  std::string tokenText;
  ComplexProgram program;
  std::unique_ptr<ComplexWorkspace> work = std::make_unique<ComplexWorkspace>();

  void ResetAll() {
    ResetOperands();
    ResetGeneration();
  }

  void ResetGeneration() {
    ResetCode();
    program.Clear();
    tokenText.clear();
  }

  void Finish() override {
    if (!FinishCode()) return;
    if (!program.Build(code, Addresses())) status.Fail(kErrFolding);
  }

  // --- Folding with the run-time routines ---------------------------------------------------

  bool Folded(bool applied) {
    const bool ok = applied && !Faulted();
    ClearFpFaults();
    if (!ok) status.Fail(kErrFoldDomain);
    return ok;
  }

  bool FoldUnary(ComplexOp op, const ComplexValue& x, ComplexValue& r) override {
    FpFaultScope scope;
    return Folded(ApplyComplexUnary(op, x, r));
  }

  bool FoldBinary(ComplexOp op, const ComplexValue& left, const ComplexValue& right,
                  ComplexValue& r) override {
    FpFaultScope scope;
    return Folded(ApplyComplexBinary(op, left, right, r));
  }

  // A zero divisor stays a division, so that the run reports the division by zero.
  bool Reciprocal(const ComplexValue& c, ComplexValue& r) override {
    if (c.re == 0 && c.im == 0) return false;
    FpFaultScope scope;
    r = cx::Rev(c);
    const bool ok = !Faulted();
    ClearFpFaults();
    return ok;
  }
};

// ---------------------------------------------------------------------------------------------

TCompileComplex::TCompileComplex() : impl_(std::make_unique<Impl>()) {}
TCompileComplex::~TCompileComplex() = default;

bool TCompileComplex::SetFormula(std::string_view formula,
                                 std::optional<std::string_view> parameters, bool compileNow) {
  try {
    impl_->ResetAll();
    impl_->formula = "0.0";
    if (parameters) {
      const auto list = ParseParameterList(*parameters);
      if (!list) return false;
      for (const std::string& name : *list) impl_->AddOperand(name, {}, false);
    }
    impl_->formula = formula.empty() ? std::string("0.0") : std::string(formula);
    return compileNow ? Compile() : true;
  } catch (...) {
    return false;
  }
}

bool TCompileComplex::DefineFunction(std::string_view head, std::string_view body) {
  try {
    std::optional<std::string> expanded = ExpandFunctionMacro(impl_->formula, head, body);
    if (!expanded) return false;
    impl_->formula = std::move(*expanded);
    return true;
  } catch (...) {
    return false;
  }
}

bool TCompileComplex::Compile() {
  Impl& c = *impl_;
  try {
    c.ResetGeneration();
    c.code.push_back({ComplexOp::Enter});
    c.tokenText = RunFrontEnd(c.formula, ComplexDialect(), c.stripComments, c, c.status);
  } catch (...) {
    c.status.Fail(kErrUnknown);
  }
  if (!c.status.Ok()) c.program.Clear();
  return c.status.Ok();
}

int TCompileComplex::ErrorCode() const {
  const int error = impl_->status.error;
  return error == 0 ? 0 : error + kComplexErrorBase;
}

std::string TCompileComplex::ErrorText() const {
  return ErrorText(ErrorCode());
}

std::string TCompileComplex::ErrorText(int number) {
  if (number == 0) return "";
  const int base = number - kComplexErrorBase;
  // The integral error has no meaning here; it shares the text of unknown numbers.
  if (base < 1 || base > kErrIfForm || base == kErrIntegralForm)
    return CompileErrorText(kErrNoText);
  return CompileErrorText(base);
}

void TCompileComplex::StripComments(bool on) {
  impl_->stripComments = on;
}
void TCompileComplex::FoldConstants(bool on) {
  impl_->foldConstants = on;
}
void TCompileComplex::RewriteDivision(bool on) {
  impl_->rewriteDivision = on;
}
void TCompileComplex::MergeLoads(bool on) {
  impl_->mergeLoads = on;
}

bool TCompileComplex::BindParameter(std::string_view name, ComplexValue* storage) {
  try {
    return impl_->BindExternal(name, storage);
  } catch (...) {
    return false;
  }
}

void TCompileComplex::ResolveAddresses() {
  Impl& c = *impl_;
  if (c.program.Empty()) return;
  if (!c.program.Build(c.code, c.Addresses())) c.status.Fail(kErrFolding);
}

ComplexValue* TCompileComplex::ParameterAddress(std::string_view name) {
  return impl_->Storage(name);
}

int TCompileComplex::ParameterIndex(std::string_view name) const {
  return impl_->Find(name);
}

void TCompileComplex::CodeEntry(ComplexValue& result) {
  result = CodeEntry();
}

ComplexValue TCompileComplex::CodeEntry() {
  if (impl_->program.Empty()) return {};
  return impl_->program.Run(*impl_->work);
}

void TCompileComplex::SeedRandom() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t ms = (now.tv_sec % 86400) * 1000 + now.tv_nsec / 1000000;
  SeedRandom(static_cast<std::uint32_t>(ms));
}

void TCompileComplex::SeedRandom(std::uint32_t seed) {
  impl_->work->seed = seed;
}

std::string TCompileComplex::Formula() const {
  return impl_->formula;
}

std::string TCompileComplex::Disassemble() const {
  const Impl& c = *impl_;
  return DisassembleComplex(c.code, [&c](int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= c.operands.size()) return std::string("?");
    const Impl::Operand& operand = c.operands[index];
    if (!operand.constant) return operand.name;
    const ComplexValue v = *operand.storage;
    return operand.name + "=" + FloatToStr(v.re) + "," + FloatToStr(v.im);
  });
}

std::string TCompileComplex::TokenText() const {
  return impl_->tokenText;
}

}  // namespace zarnix

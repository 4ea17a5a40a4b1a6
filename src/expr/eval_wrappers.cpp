// The wrappers compile through the handles and evaluate once, so a handle and a per-call
// wrapper give the same values; every engine lives exactly as long as its call or handle.
#include "expr/eval_wrappers.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/ui.h"
#include "expr/tcompile.h"
#include "expr/tcompile_complex.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

constexpr int kLetters = 26;
constexpr int kX = 23;  // 'x' - 'a'
constexpr std::size_t kCoefficients = 8;

const char* const kBadComplexText = "复数书写格式错误！";
const char* const kTooFewLetterValues = "公式变量a-z需要26个数值";
const char* const kTooFewCoefficients = "复数公式的系数a-h需要8个数值";
const char* const kImaginaryShorter = "复数表的虚部个数少于实部个数";

std::uint32_t ClockSeed(const Clock& clock) {
  return static_cast<std::uint32_t>(clock.MillisecondsOfDay());
}

}  // namespace

// --- RealFormula ----------------------------------------------------------------------------

struct RealFormula::Impl {
  TCompile engine;
  bool ok = false;
  std::array<Extended*, kLetters> letters{};
  // (j, slot) of every "yj" the formula reads: a system of n equations binds only what each
  // right side uses, not all n values per evaluation.
  std::vector<std::pair<std::size_t, Extended*>> ys;
  // Slots written by the last evaluation with the values they held before, newest last.
  std::vector<std::pair<Extended*, Extended>> written;

  void Restore() {
    for (auto it = written.rbegin(); it != written.rend(); ++it) *it->first = it->second;
    written.clear();
  }

  void Write(Extended* slot, Extended value) {
    if (slot == nullptr) return;
    written.emplace_back(slot, *slot);
    *slot = value;
  }

  void WriteLetters(std::span<const Extended> values) {
    const std::size_t n = std::min<std::size_t>(values.size(), kLetters);
    for (std::size_t i = 0; i < n; ++i) Write(letters[i], values[i]);
  }

  void FindYs() {
    for (const std::string& name : engine.OperandNames()) {
      // "&Y" followed by digits only, without a leading zero ("y01" is another name).
      if (name.size() < 3 || name.compare(0, 2, "&Y") != 0 || name[2] == '0') continue;
      const auto digit = [](char c) { return c >= '0' && c <= '9'; };
      if (name.size() > 11 || !std::all_of(name.begin() + 2, name.end(), digit)) continue;
      ys.emplace_back(std::stoul(name.substr(2)), engine.ParameterAddress(name));
    }
  }

  Extended Run() { return ok ? engine.CodeEntry() : 0; }
};

RealFormula::RealFormula(EvalServices services, std::string_view formula)
    : impl_(std::make_unique<Impl>()) {
  TCompile& engine = impl_->engine;
  engine.StripComments(true);
  engine.SetFormula(LowerCase(formula));
  if (engine.ErrorCode() > 0) {
    services.ui.ShowMessage(TCompile::ErrorText(engine.ErrorCode()));
    return;
  }
  impl_->ok = true;
  engine.SeedRandom(ClockSeed(services.clock));
  for (int i = 0; i < kLetters; ++i)
    impl_->letters[i] = engine.ParameterAddress(std::string(1, static_cast<char>('a' + i)));
  impl_->FindYs();
}

RealFormula::~RealFormula() = default;
RealFormula::RealFormula(RealFormula&&) noexcept = default;
RealFormula& RealFormula::operator=(RealFormula&&) noexcept = default;

bool RealFormula::Ok() const {
  return impl_->ok;
}

int RealFormula::ErrorCode() const {
  return impl_->engine.ErrorCode();
}

Extended RealFormula::EvaluateXYZ(std::span<const Extended> values, Extended x, Extended y,
                                  Extended z) {
  Impl& f = *impl_;
  f.Restore();
  f.WriteLetters(values);
  f.Write(f.letters[kX], x);
  f.Write(f.letters[kX + 1], y);
  f.Write(f.letters[kX + 2], z);
  return f.Run();
}

Extended RealFormula::EvaluateYn(std::span<const Extended> values, std::span<const Extended> ys) {
  Impl& f = *impl_;
  f.Restore();
  f.WriteLetters(values);
  for (const auto& [j, slot] : f.ys)
    if (j >= 1 && j < ys.size()) f.Write(slot, ys[j]);
  return f.Run();
}

Extended RealFormula::EvaluateAZ(std::span<const Extended> values) {
  if (values.size() < static_cast<std::size_t>(kLetters)) throw Exception(kTooFewLetterValues);
  Impl& f = *impl_;
  f.Restore();
  f.WriteLetters(values.first(kLetters));
  return f.Run();
}

// --- ComplexFormula -------------------------------------------------------------------------

struct ComplexFormula::Impl {
  TCompileComplex engine;
  bool ok = false;
  std::size_t count = 0;
  std::array<ComplexValue, 9> variables{};
};

ComplexFormula::ComplexFormula(EvalServices services, std::string_view formula,
                               ComplexVariables variables)
    : impl_(std::make_unique<Impl>()) {
  static constexpr const char* kNames[] = {"x", "a", "b", "c", "d", "e", "f", "g", "h"};
  Impl& f = *impl_;
  TCompileComplex& engine = f.engine;
  const bool values = variables == ComplexVariables::kValues;
  f.count = values ? 7 : 9;
  engine.StripComments(true);
  engine.SetFormula(formula, values ? "x,a,b,c,d,e,f" : "x,a,b,c,d,e,f,g,h", false);
  // The two-argument add extended to three arguments.
  if (values) engine.DefineFunction("add(a,b,c)", "add(a+b,c)");
  engine.Compile();
  for (std::size_t k = 0; k < f.count; ++k) engine.BindParameter(kNames[k], &f.variables[k]);
  engine.ResolveAddresses();
  if (engine.ErrorCode() > 0) {
    services.ui.ShowMessage(engine.ErrorText());
    return;
  }
  f.ok = true;
  engine.SeedRandom(ClockSeed(services.clock));
}

ComplexFormula::~ComplexFormula() = default;
ComplexFormula::ComplexFormula(ComplexFormula&&) noexcept = default;
ComplexFormula& ComplexFormula::operator=(ComplexFormula&&) noexcept = default;

bool ComplexFormula::Ok() const {
  return impl_->ok;
}

int ComplexFormula::ErrorCode() const {
  return impl_->engine.ErrorCode();
}

std::size_t ComplexFormula::VariableCount() const {
  return impl_->count;
}

ComplexValue ComplexFormula::Evaluate(std::span<const ComplexValue> values) {
  Impl& f = *impl_;
  if (!f.ok) return {};
  for (std::size_t k = 0; k < f.count; ++k)
    f.variables[k] = k < values.size() ? values[k] : ComplexValue{};
  return f.engine.CodeEntry();
}

// --- Per-call wrappers ----------------------------------------------------------------------

void EvalFormulaXYZ(EvalServices services, std::string_view formula,
                    std::span<const Extended> values, Extended x, Extended y, Extended z,
                    Extended& result) {
  RealFormula f(services, formula);
  if (f.Ok()) result = f.EvaluateXYZ(values, x, y, z);
}

void EvalFormulaYn(EvalServices services, std::string_view formula,
                   std::span<const Extended> values, std::span<const Extended> ys,
                   Extended& result) {
  RealFormula f(services, formula);
  if (f.Ok()) result = f.EvaluateYn(values, ys);
}

Extended EvalFormulaAZ(EvalServices services, std::string_view formula,
                       std::span<const Extended> values) {
  if (values.size() < static_cast<std::size_t>(kLetters)) throw Exception(kTooFewLetterValues);
  RealFormula f(services, formula);
  return f.Ok() ? f.EvaluateAZ(values) : 0;
}

void EvalComplexFormula(EvalServices services, std::string_view formula,
                        std::string_view valuesText, Extended& re, Extended& im) {
  ComplexFormula f(services, formula, ComplexVariables::kValues);
  if (!f.Ok()) return;
  std::array<ComplexValue, 7> values{};
  const std::vector<std::string> texts = SplitText(valuesText, ',');
  for (std::size_t k = 0; k < values.size() && k < texts.size(); ++k) {
    // A plain zero would make ln, division and the like fail; it is taken as nearly zero.
    const std::string& text = texts[k] == "0" ? std::string("0.0000000000000000001") : texts[k];
    const std::optional<ComplexValue> value = ParseComplexLiteral(text);
    if (!value) {
      services.ui.ShowMessage(kBadComplexText);
      return;
    }
    values[k] = *value;
  }
  const ComplexValue result = f.Evaluate(values);
  re = result.re;
  im = result.im;
}

bool EvalComplexFormulaTable(EvalServices services, std::string_view formula,
                             std::span<const Extended> c, std::span<Extended> re,
                             std::span<Extended> im) {
  if (c.size() < kCoefficients) throw Exception(kTooFewCoefficients);
  if (im.size() < re.size()) throw Exception(kImaginaryShorter);
  ComplexFormula f(services, formula, ComplexVariables::kTable);
  if (!f.Ok()) return false;
  std::array<ComplexValue, 9> values{};
  for (std::size_t k = 0; k < kCoefficients; ++k) {
    const std::optional<ComplexValue> value = ParseComplexLiteral(FloatToStr(c[k]));
    if (!value) {
      services.ui.ShowMessage(kBadComplexText);
      return false;
    }
    values[k + 1] = *value;
  }
  for (std::size_t k = 0; k < re.size(); ++k) {
    const std::optional<ComplexValue> x = ParseComplexLiteral(FormatComplex("%.6f", re[k], im[k]));
    if (!x) {
      services.ui.ShowMessage(kBadComplexText);
      return false;
    }
    values[0] = *x;
    const ComplexValue result = f.Evaluate(values);
    re[k] = result.re;
    im[k] = result.im;
  }
  return true;
}

}  // namespace zarnix

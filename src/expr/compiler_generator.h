// Code generation shared by the formula compilers: the operand table, loads under the spill
// rule, operand fetches, and constant folding that replaces operand loads by one literal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/convert.h"
#include "base/extended.h"
#include "expr/compiler_frontend.h"

namespace zarnix {

// Operand fetch of a binary operation: which operand the operation wants on top.
enum class Fetch : std::uint8_t { kNone, kPlain, kSwapped, kExponentFirst };

// How a binary operation found its operands: the right operand loaded over the left one
// (merged) or the left one taken back from the value stack (unspilled).
enum class Form : std::uint8_t { kNone, kMerged, kUnspilled };

// One instruction of a formula machine. LOAD: a = operand index; other uses are the machine's.
template <class Op>
struct BasicInstruction {
  Op op;
  Form form = Form::kNone;
  std::int32_t a = 0;
  std::int32_t b = 0;
};

// Function-table actions the generator handles itself; machine operations are >= 0 and the
// engines give their own meanings to the other negative numbers.
enum GeneratorAction : int {
  kActBracket = -1,
  kActIf0 = -2,
  kActIf1 = -3,
  kActReserved = -7,  // the raw-storage entries, refused
};

// The named constants every formula knows (80-bit pi and e).
inline constexpr Extended kFormulaPi = 0xC90FDAA22168C235p-62L;
inline constexpr Extended kFormulaE = 0xADF85458A2BB4A9Bp-62L;

template <class Value>
struct OperandSlot {
  alignas(16) Value value{};
};

// The generator over one machine. Traits gives:
//   Value, Op (with Load, Spill, Unspill, Swap, IfSelect, Ret, Mul and Div),
//   kMaxPending (values the value stack holds), kLiteralPrefix (names of literals),
//   FetchOf(Op) and FromReal(Extended).
// An engine derives from it, supplies the folding routines and builds its program at Finish.
template <class Traits>
class CodeGenerator : public FrontEndSink {
 public:
  using Value = typename Traits::Value;
  using Op = typename Traits::Op;
  using Instruction = BasicInstruction<Op>;

  struct Operand {
    std::string name;  // upper case, with "&"
    bool constant;     // literals, PI, TRUE, FALSE
    bool external;     // reads the caller's storage
    Value* storage;
  };

  // What the generator knows about each pending value: a constant with its value, and whether
  // its code is nothing but its own load (so folding may take it out again).
  struct Track {
    bool constant = false;
    Value value{};
    std::size_t start = 0;  // first instruction of the load (its SPILL, if any)
    bool plain = false;
  };

  bool rewriteDivision = true;
  bool mergeLoads = true;
  bool foldConstants = true;

  CompileStatus status;
  std::vector<Operand> operands;
  std::deque<OperandSlot<Value>> slots;
  std::unordered_map<std::string, int> names;
  std::vector<Instruction> code;
  std::vector<Track> track;

  // --- Operand table ------------------------------------------------------------------------

  void ResetOperands() {
    operands.clear();
    slots.clear();
    names.clear();
  }

  void ResetCode() {
    status = {};
    code.clear();
    track.clear();
  }

  static std::string Key(std::string_view name) {
    std::string key = UpperCase(name);
    if (key.empty() || key[0] != '&') key.insert(0, "&");
    return key;
  }

  int Find(std::string_view name) const {
    const auto it = names.find(Key(name));
    return it == names.end() ? -1 : it->second;
  }

  // name: upper case, without "&".
  int AddOperand(const std::string& name, const Value& value, bool constant) {
    slots.push_back(OperandSlot<Value>{value});
    operands.push_back({"&" + name, constant, false, &slots.back().value});
    const int index = static_cast<int>(operands.size()) - 1;
    names["&" + name] = index;
    return index;
  }

  std::string AddLiteralValue(const Value& value) {
    const std::string name = std::string(Traits::kLiteralPrefix) + std::to_string(operands.size());
    AddOperand(name, value, true);
    return name;
  }

  // The operand reads `storage` from now on; it is created when missing. Code already
  // generated keeps its addresses until the engine binds them again.
  bool BindExternal(std::string_view name, Value* storage) {
    const std::string key = Key(name);
    if (storage == nullptr || key.size() < 2 || !IsIdentifierStart(key[1]) ||
        IdentifierEnd(key, 1) != key.size()) {
      return false;
    }
    AddIdentifier(key.substr(1));
    Operand& operand = operands[Find(key)];
    operand.constant = false;
    operand.external = true;
    operand.storage = storage;
    return true;
  }

  Value* Storage(std::string_view name) {
    const int index = Find(name);
    return index < 0 ? nullptr : operands[index].storage;
  }

  std::vector<Value*> Addresses() const {
    std::vector<Value*> addresses;
    addresses.reserve(operands.size());
    for (const Operand& operand : operands) addresses.push_back(operand.storage);
    return addresses;
  }

  // --- FrontEndSink ---------------------------------------------------------------------------

  std::string AddLiteral(Extended value) override {
    return AddLiteralValue(Traits::FromReal(value));
  }

  void AddIdentifier(const std::string& name) override {
    if (Find(name) >= 0) return;
    if (name == "PI") {
      AddOperand(name, Traits::FromReal(kFormulaPi), true);
    } else if (name == "TRUE") {
      AddOperand(name, Traits::FromReal(1), true);
    } else if (name == "FALSE") {
      AddOperand(name, Traits::FromReal(0), true);
    } else {
      AddOperand(name, Traits::FromReal(name == "E" ? kFormulaE : 0), false);
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
      default:
        if (entry.action >= 0) {
          ReduceOperation(entry, static_cast<Op>(entry.action));
        } else {
          ReduceSpecial(entry, level);
        }
    }
  }

 protected:
  // Folding of one operation over constants; false after setting the error.
  virtual bool FoldUnary(Op op, const Value& x, Value& r) = 0;
  virtual bool FoldBinary(Op op, const Value& left, const Value& right, Value& r) = 0;
  // The constant that replaces a constant divisor c (multiplication by it); false keeps the
  // division as it is.
  virtual bool Reciprocal(const Value& c, Value& r) = 0;
  // A binary operation whose right operand is constant and the left one not; true when the
  // engine generated it in its own way.
  virtual bool ReduceConstantRight(Op /*op*/) { return false; }
  // Table actions of the engine's own (negative, other than the GeneratorAction ones).
  virtual void ReduceSpecial(const FunctionEntry& /*entry*/, int /*level*/) {
    status.Fail(kErrExpression);
  }
  // Pending values at the bottom that no operator may reach (an integral's placeholder).
  virtual std::size_t ProtectedDepth() const { return 0; }

  // --- Loads and the register discipline ----------------------------------------------------

  Track& Top() { return track.back(); }
  Track& Second() { return track[track.size() - 2]; }
  static Track Computed() { return Track{}; }

  void EmitLoad(int index) {
    if (track.size() > static_cast<std::size_t>(Traits::kMaxPending)) {
      status.Fail(kErrExpression);  // more pending values than the value stack holds
      return;
    }
    const std::size_t start = code.size();
    if (!track.empty()) code.push_back({Op::Spill});
    code.push_back({Op::Load, Form::kNone, index});
    const Operand& operand = operands[index];
    track.push_back({operand.constant, *operand.storage, start, true});
  }

  void EmitLiteral(const Value& value) { EmitLoad(Find(AddLiteralValue(value))); }

  // Takes out the code of the newest `n` pending values, which must be plain loads.
  bool RemoveLoads(std::size_t n) {
    const std::size_t first = track[track.size() - n].start;
    std::size_t length = 0;
    for (std::size_t k = track.size() - n; k < track.size(); ++k) {
      if (!track[k].plain) length = code.size() + 1;
      length += code[track[k].start].op == Op::Spill ? 2 : 1;
    }
    if (first + length != code.size()) {
      status.Fail(kErrFolding);
      return false;
    }
    code.resize(first);
    track.resize(track.size() - n);
    return true;
  }

  void ReplaceWithConstant(std::size_t n, const Value& value) {
    if (RemoveLoads(n)) EmitLiteral(value);
  }

  // The top value's load now reads a new literal.
  bool ReplaceTopLoad(const Value& value) {
    if (!Top().plain || code.empty() || code.back().op != Op::Load) {
      status.Fail(kErrFolding);
      return false;
    }
    code.back().a = Find(AddLiteralValue(value));
    Top().value = value;
    return true;
  }

  // Enough pending values for the operator, none of them protected.
  bool Need(std::size_t count) {
    if (track.size() < count || track.size() - count < ProtectedDepth())
      status.Fail(kErrExpression);
    return status.Ok();
  }

  bool LastIsSpilledLoad() const {
    return code.size() >= 2 && code.back().op == Op::Load && code[code.size() - 2].op == Op::Spill;
  }

  // The operand fetch of a binary operation.
  Form FetchOperands(Fetch fetch) {
    if (mergeLoads && LastIsSpilledLoad()) {
      code.erase(code.end() - 2);
      if (fetch == Fetch::kSwapped) code.push_back({Op::Swap});
      return Form::kMerged;
    }
    code.push_back({Op::Unspill});
    if (fetch == Fetch::kExponentFirst) code.push_back({Op::Swap});
    return Form::kUnspilled;
  }

  void Generate(Op op) {
    const Fetch fetch = Traits::FetchOf(op);
    if (fetch == Fetch::kNone) {
      code.push_back({op});
      Top() = Computed();
      return;
    }
    const Form form = FetchOperands(fetch);
    code.push_back({op, form});
    track.pop_back();
    Top() = Computed();
  }

  // One value left and RET appended; false (with the error set) otherwise.
  bool FinishCode() {
    if (track.size() != 1) status.Fail(kErrExpression);
    if (!status.Ok()) return false;
    code.push_back({Op::Ret});
    return true;
  }

  // --- Operators ----------------------------------------------------------------------------

  void ReduceBracket(const FunctionEntry& entry) {
    if (!Need(1)) return;
    // A folded bracket is its own value; an unfolded one hides the constant.
    if (!(foldConstants && entry.fold && Top().constant)) Top().constant = false;
  }

  void ReduceOperation(const FunctionEntry& entry, Op op) {
    const bool binary = entry.kind == 2;
    if (!Need(binary ? 2 : 1)) return;
    // Division by a constant becomes multiplication by its reciprocal.
    if (binary && rewriteDivision && op == Op::Div && Top().constant && !Second().constant) {
      Value reciprocal;
      if (Reciprocal(Top().value, reciprocal)) {
        if (!ReplaceTopLoad(reciprocal)) return;
        op = Op::Mul;
      }
    }
    if (foldConstants && Top().constant) {
      // Both operands constant.
      if (binary && entry.fold && Second().constant) {
        Value r;
        if (FoldBinary(op, Second().value, Top().value, r)) ReplaceWithConstant(2, r);
        return;
      }
      if (binary && ReduceConstantRight(op)) return;
      // One-argument function of a constant.
      if (!binary && entry.fold) {
        Value r;
        if (FoldUnary(op, Top().value, r)) ReplaceWithConstant(1, r);
        return;
      }
    }
    Generate(op);
  }

  void ReduceIf0() {
    if (!Need(2)) return;
    Top().constant = Second().constant = false;
  }

  // a, b and c pending (c on top): the selection leaves a when c is true, else b.
  void ReduceIf1() {
    if (!Need(3)) return;
    Form form = Form::kUnspilled;
    if (mergeLoads && LastIsSpilledLoad()) {
      code.erase(code.end() - 2);
      code.push_back({Op::Swap});
      form = Form::kMerged;
    } else {
      code.push_back({Op::Unspill});
    }
    code.push_back({Op::Unspill});
    code.push_back({Op::IfSelect, form});
    track.resize(track.size() - 3);
    track.push_back(Computed());
  }
};

}  // namespace zarnix

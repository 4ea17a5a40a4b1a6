// The real compiler's function table. Aliases share a machine operation; whether an entry folds
// over constants belongs to the name (the short hyperbolic aliases never fold).
#include "expr/tcompile_functions.h"

#include <array>

#include "expr/tcompile_machine.h"

namespace zarnix {

namespace {

using P = PrecClass;
constexpr std::uint8_t kBin = kAdjBinary | kAdjStrictBinary;
constexpr std::uint8_t kBinTight = kBin | kAdjNotAfterOpener;
constexpr std::uint8_t kLogic = kAdjBinary | kAdjLogic | kAdjNotAfterOpener;

constexpr int Op(MachineOp op) {
  return static_cast<int>(op);
}

constexpr FunctionEntry Binary(std::string_view name, P prec, std::uint8_t adjacency, int action,
                               bool fold = true) {
  return {name, 2, prec, adjacency, action, fold};
}
constexpr FunctionEntry Unary(std::string_view name, int action, bool fold = true) {
  return {name, 1, P::kOpener, 0, action, fold};
}

using M = MachineOp;
constexpr std::array kTable = {
    // Binary operators.
    Binary("@ADD", P::kAdditive, kBin, Op(M::Add)),
    Binary("@SUB", P::kAdditive, kBin, Op(M::Sub)),
    Binary("@MUL", P::kMultiplicative, kBinTight, Op(M::Mul)),
    Binary("@DIV", P::kMultiplicative, kBinTight, Op(M::Div)),
    Binary("@DIVE", P::kMultiplicative, kBinTight, Op(M::DivE)),
    Binary("@MOD", P::kMultiplicative, kBinTight, Op(M::Mod)),
    Binary("@POWER", P::kPower, kBinTight, Op(M::Power)),
    Binary("@INTPOWER", P::kPower, kBinTight, Op(M::IntPower)),
    Binary("@MAX", P::kMultiplicative, kBinTight, Op(M::Max)),
    Binary("@MIN", P::kMultiplicative, kBinTight, Op(M::Min)),
    Binary("@HYPOT", P::kMultiplicative, kBinTight, Op(M::Hypot)),
    Binary("@SQRADD", P::kMultiplicative, kBinTight, Op(M::SqrAdd)),
    Binary("@ARCTAN2", P::kMultiplicative, kBinTight, Op(M::ArcTan2)),
    // Listed as a binary operator too, so that arctg2(y,x) is usable like arctan2(y,x).
    Binary("@ARCTG2", P::kMultiplicative, kBinTight, Op(M::ArcTan2)),
    Binary("@AND", P::kPower, kLogic, Op(M::And)),
    Binary("@OR", P::kPower, kLogic, Op(M::Or)),
    Binary("@XOR", P::kPower, kLogic, Op(M::Xor)),
    Binary("@TCMSYS_BOOLEANEQ", P::kRelation, kBin, Op(M::Eq)),
    Binary("@TCMSYS_BOOLEANNE", P::kRelation, kBin, Op(M::Ne)),
    Binary("@TCMSYS_BOOLEANLT", P::kRelation, kBin, Op(M::Lt)),
    Binary("@TCMSYS_BOOLEANGT", P::kRelation, kBin, Op(M::Gt)),
    Binary("@TCMSYS_BOOLEANLE", P::kRelation, kBin, Op(M::Le)),
    Binary("@TCMSYS_BOOLEANGE", P::kRelation, kBin, Op(M::Ge)),
    Binary("@TCMSYS_IF_0", P::kMultiplicative, kBinTight, kActIf0, false),
    Binary("@TCMSYS_IF_1", P::kMultiplicative, kBinTight, kActIf1, false),
    Binary("@TCMSYS_FF_0", P::kIntegral, kBin, kActFf0, false),
    Binary("@TCMSYS_FF_1", P::kIntegral, kBin, kActFf1, false),
    Binary("@TCMSYS_FF_2", P::kIntegral, kBin, kActFf2, false),
    Binary("@TCMSYS_FSTP_VALUE", P::kMultiplicative, kBinTight, kActReserved, false),
    // One-argument functions.
    Unary("@BRACKET", kActBracket),
    Unary("@SQR", Op(M::Sqr)),
    Unary("@SQR3", Op(M::Sqr3)),
    Unary("@SQR4", Op(M::Sqr4)),
    Unary("@SQRT", Op(M::Sqrt)),
    Unary("@REV", Op(M::Rev)),
    Unary("@ABS", Op(M::Abs)),
    Unary("@SGN", Op(M::Sgn)),
    Unary("@FLOOR", Op(M::Floor)),
    Unary("@INT", Op(M::Floor)),
    Unary("@TRUNC", Op(M::Trunc)),
    Unary("@CEIL", Op(M::Ceil)),
    Unary("@ROUND", Op(M::Round)),
    Unary("@EXP", Op(M::Exp)),
    Unary("@LN", Op(M::Ln)),
    Unary("@LOG", Op(M::Log10)),
    Unary("@LOG10", Op(M::Log10)),
    Unary("@LOG2", Op(M::Log2)),
    Unary("@SIN", Op(M::Sin)),
    Unary("@COS", Op(M::Cos)),
    Unary("@TAN", Op(M::Tan)),
    Unary("@TG", Op(M::Tan)),
    Unary("@CTG", Op(M::Ctg)),
    Unary("@COT", Op(M::Ctg)),
    Unary("@SEC", Op(M::Sec)),
    Unary("@CSC", Op(M::Csc)),
    Unary("@ARCSIN", Op(M::ArcSin)),
    Unary("@ARCCOS", Op(M::ArcCos)),
    Unary("@ARCTAN", Op(M::ArcTan)),
    Unary("@ARCTG", Op(M::ArcTan)),
    Unary("@ARCSEC", Op(M::ArcSec)),
    Unary("@ARCCSC", Op(M::ArcCsc)),
    Unary("@ARCCTG", Op(M::ArcCtg)),
    Unary("@ARCCOT", Op(M::ArcCtg)),
    Unary("@SINH", Op(M::SinH)),
    Unary("@COSH", Op(M::CosH)),
    Unary("@TANH", Op(M::TanH)),
    Unary("@TGH", Op(M::TanH)),
    Unary("@CSCH", Op(M::CscH)),
    Unary("@SECH", Op(M::SecH)),
    Unary("@CTGH", Op(M::CtgH)),
    Unary("@COTH", Op(M::CtgH)),
    Unary("@ARCSINH", Op(M::ArcSinH)),
    Unary("@ARCCOSH", Op(M::ArcCosH)),
    Unary("@ARCTANH", Op(M::ArcTanH)),
    Unary("@ARCTGH", Op(M::ArcTanH)),
    Unary("@ARCCSCH", Op(M::ArcCscH)),
    Unary("@ACSCH", Op(M::ArcCscH), false),
    Unary("@ARCSECH", Op(M::ArcSecH)),
    Unary("@ASECH", Op(M::ArcSecH), false),
    Unary("@ARCCOTH", Op(M::ArcCotH)),
    Unary("@ACOTH", Op(M::ArcCotH), false),
    Unary("@RND", Op(M::Rnd), false),
    Unary("@RAND", Op(M::Rnd), false),
    Unary("@RANDOM", Op(M::Rnd), false),
    Unary("@NOT", Op(M::Not)),
    Unary("@TCMSYS_FLD_VALUE", kActReserved, false),
};
static_assert(kTable.size() == 86);

constexpr FrontEndDialect kDialect{"TCMSYS_", kTable, true, ""};

}  // namespace

std::span<const FunctionEntry> RealFunctionTable() {
  return kTable;
}

const FrontEndDialect& RealDialect() {
  return kDialect;
}

}  // namespace zarnix

// The complex compiler's function table. Aliases share a machine operation; random numbers,
// the fourth power and the raw-storage entry never fold.
#include "expr/tcompile_complex_functions.h"

#include <array>

#include "expr/compiler_generator.h"
#include "expr/tcompile_complex_machine.h"

namespace zarnix {

namespace {

using P = PrecClass;
constexpr std::uint8_t kBin = kAdjBinary | kAdjStrictBinary;
constexpr std::uint8_t kBinTight = kBin | kAdjNotAfterOpener;
constexpr std::uint8_t kLogic = kAdjBinary | kAdjLogic | kAdjNotAfterOpener;

constexpr int Op(ComplexOp op) {
  return static_cast<int>(op);
}

constexpr FunctionEntry Binary(std::string_view name, P prec, std::uint8_t adjacency, int action,
                               bool fold = true) {
  return {name, 2, prec, adjacency, action, fold};
}
constexpr FunctionEntry Unary(std::string_view name, int action, bool fold = true) {
  return {name, 1, P::kOpener, 0, action, fold};
}

using C = ComplexOp;
constexpr std::array kTable = {
    // Binary operators.
    Binary("@ADD", P::kAdditive, kBin, Op(C::Add)),
    Binary("@SUB", P::kAdditive, kBin, Op(C::Sub)),
    Binary("@MUL", P::kMultiplicative, kBinTight, Op(C::Mul)),
    Binary("@DIV", P::kMultiplicative, kBinTight, Op(C::Div)),
    Binary("@DISTANCE", P::kMultiplicative, kBinTight, Op(C::Distance)),
    Binary("@POWER", P::kPower, kBinTight, Op(C::Power)),
    Binary("@POWERX", P::kPower, kBinTight, Op(C::PowerX)),
    Binary("@XPOWER", P::kPower, kBinTight, Op(C::XPower)),
    Binary("@SQRTN", P::kMultiplicative, kBinTight, Op(C::SqrtN)),
    Binary("@LOGN", P::kMultiplicative, kBinTight, Op(C::LogN)),
    Binary("@MAX", P::kMultiplicative, kBinTight, Op(C::Max)),
    Binary("@MIN", P::kMultiplicative, kBinTight, Op(C::Min)),
    Binary("@MAXX", P::kMultiplicative, kBinTight, Op(C::MaxX)),
    Binary("@MINX", P::kMultiplicative, kBinTight, Op(C::MinX)),
    Binary("@AND", P::kPower, kLogic, Op(C::And)),
    Binary("@OR", P::kPower, kLogic, Op(C::Or)),
    Binary("@XOR", P::kPower, kLogic, Op(C::Xor)),
    Binary("@TCMCXSYS_BOOLEANEQ", P::kRelation, kBin, Op(C::Eq)),
    Binary("@TCMCXSYS_BOOLEANNE", P::kRelation, kBin, Op(C::Ne)),
    Binary("@TCMCXSYS_BOOLEANLT", P::kRelation, kBin, Op(C::Lt)),
    Binary("@TCMCXSYS_BOOLEANGT", P::kRelation, kBin, Op(C::Gt)),
    Binary("@TCMCXSYS_BOOLEANLE", P::kRelation, kBin, Op(C::Le)),
    Binary("@TCMCXSYS_BOOLEANGE", P::kRelation, kBin, Op(C::Ge)),
    Binary("@TCMCXSYS_IF_0", P::kMultiplicative, kBinTight, kActIf0, false),
    Binary("@TCMCXSYS_IF_1", P::kMultiplicative, kBinTight, kActIf1, false),
    // One-argument functions.
    Unary("@TCMCXSYS_FUNCTION_I", Op(C::Flip)),
    Unary("@BRACKET", kActBracket),
    Unary("@REAL", Op(C::Real)),
    Unary("@IMAG", Op(C::Imag)),
    Unary("@CONJ", Op(C::Conj)),
    Unary("@FLIP", Op(C::Flip)),
    Unary("@UNITY", Op(C::Unity)),
    Unary("@ABS", Op(C::Abs)),
    Unary("@ABSSQR", Op(C::AbsSqr)),
    Unary("@ANGLE", Op(C::Arg)),
    Unary("@ARG", Op(C::Arg)),
    Unary("@TOPOLAR", Op(C::ToPolar)),
    Unary("@FROMPOLAR", Op(C::FromPolar)),
    Unary("@SQR", Op(C::Sqr)),
    Unary("@SQR3", Op(C::Sqr3)),
    Unary("@SQR4", Op(C::Sqr4), false),
    Unary("@SQR2Z", Op(C::Sqr2Z)),
    Unary("@SQRT", Op(C::Sqrt)),
    Unary("@REV", Op(C::Rev)),
    Unary("@LN", Op(C::Ln)),
    Unary("@LOG", Op(C::Log10)),
    Unary("@LOG10", Op(C::Log10)),
    Unary("@LOG2", Op(C::Log2)),
    Unary("@EXP", Op(C::Exp)),
    Unary("@FLOOR", Op(C::Floor)),
    Unary("@INT", Op(C::Floor)),
    Unary("@TRUNC", Op(C::Trunc)),
    Unary("@ROUND", Op(C::Round)),
    Unary("@CEIL", Op(C::Ceil)),
    Unary("@SGN", Op(C::Sgn)),
    Unary("@SIN", Op(C::Sin)),
    Unary("@COS", Op(C::Cos)),
    Unary("@TAN", Op(C::Tan)),
    Unary("@TG", Op(C::Tan)),
    Unary("@CTG", Op(C::Ctg)),
    Unary("@COT", Op(C::Ctg)),
    Unary("@CSC", Op(C::Csc)),
    Unary("@SEC", Op(C::Sec)),
    Unary("@SINH", Op(C::SinH)),
    Unary("@COSH", Op(C::CosH)),
    Unary("@TANH", Op(C::TanH)),
    Unary("@TGH", Op(C::TanH)),
    Unary("@CTGH", Op(C::CtgH)),
    Unary("@COTH", Op(C::CtgH)),
    Unary("@CSCH", Op(C::CscH)),
    Unary("@SECH", Op(C::SecH)),
    Unary("@ARCSIN", Op(C::ArcSin)),
    Unary("@ARCCOS", Op(C::ArcCos)),
    Unary("@ARCTAN", Op(C::ArcTan)),
    Unary("@ARCTG", Op(C::ArcTan)),
    Unary("@ARCCOT", Op(C::ArcCot)),
    Unary("@ARCCTG", Op(C::ArcCot)),
    Unary("@ARCCSC", Op(C::ArcCsc)),
    Unary("@ARCSEC", Op(C::ArcSec)),
    Unary("@ARCSINH", Op(C::ArcSinH)),
    Unary("@ARCCOSH", Op(C::ArcCosH)),
    Unary("@ARCTANH", Op(C::ArcTanH)),
    Unary("@ARCTGH", Op(C::ArcTanH)),
    Unary("@ARCCOTH", Op(C::ArcCotH)),
    Unary("@ARCCTGH", Op(C::ArcCotH)),
    Unary("@ARCCSCH", Op(C::ArcCscH)),
    Unary("@ARCSECH", Op(C::ArcSecH)),
    Unary("@RND", Op(C::Rnd), false),
    Unary("@RAND", Op(C::Rnd), false),
    Unary("@RANDOM", Op(C::Rnd), false),
    Unary("@NOT", Op(C::Not)),
    Unary("@TCMCXSYS_FLD_VALUE", kActReserved, false),
};
static_assert(kTable.size() == 92);

constexpr FrontEndDialect kDialect{"TCMCXSYS_", kTable, false, "TCMCXSYS_FUNCTION_I(1)"};

}  // namespace

std::span<const FunctionEntry> ComplexFunctionTable() {
  return kTable;
}

const FrontEndDialect& ComplexDialect() {
  return kDialect;
}

}  // namespace zarnix

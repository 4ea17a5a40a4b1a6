// The complex compiler's function table. Aliases share a machine operation; random numbers,
// the fourth power and the raw-storage entry never fold.
#include "expr/tcompile_complex_functions.h"

#include <array>

#include "expr/compiler_generator.h"
#include "expr/tcompile_complex_machine.h"

namespace zarnix {

namespace {

using P = PrecClass;

constexpr int Op(ComplexOp op) {
  return static_cast<int>(op);
}

using C = ComplexOp;
constexpr std::array kTable = {
    // Binary operators.
    BinaryEntry("@ADD", P::kAdditive, kAdjOperator, Op(C::Add)),
    BinaryEntry("@SUB", P::kAdditive, kAdjOperator, Op(C::Sub)),
    BinaryEntry("@MUL", P::kMultiplicative, kAdjTightOperator, Op(C::Mul)),
    BinaryEntry("@DIV", P::kMultiplicative, kAdjTightOperator, Op(C::Div)),
    BinaryEntry("@DISTANCE", P::kMultiplicative, kAdjTightOperator, Op(C::Distance)),
    BinaryEntry("@POWER", P::kPower, kAdjTightOperator, Op(C::Power)),
    BinaryEntry("@POWERX", P::kPower, kAdjTightOperator, Op(C::PowerX)),
    BinaryEntry("@XPOWER", P::kPower, kAdjTightOperator, Op(C::XPower)),
    BinaryEntry("@SQRTN", P::kMultiplicative, kAdjTightOperator, Op(C::SqrtN)),
    BinaryEntry("@LOGN", P::kMultiplicative, kAdjTightOperator, Op(C::LogN)),
    BinaryEntry("@MAX", P::kMultiplicative, kAdjTightOperator, Op(C::Max)),
    BinaryEntry("@MIN", P::kMultiplicative, kAdjTightOperator, Op(C::Min)),
    BinaryEntry("@MAXX", P::kMultiplicative, kAdjTightOperator, Op(C::MaxX)),
    BinaryEntry("@MINX", P::kMultiplicative, kAdjTightOperator, Op(C::MinX)),
    BinaryEntry("@AND", P::kPower, kAdjLogicOperator, Op(C::And)),
    BinaryEntry("@OR", P::kPower, kAdjLogicOperator, Op(C::Or)),
    BinaryEntry("@XOR", P::kPower, kAdjLogicOperator, Op(C::Xor)),
    BinaryEntry("@TCMCXSYS_BOOLEANEQ", P::kRelation, kAdjOperator, Op(C::Eq)),
    BinaryEntry("@TCMCXSYS_BOOLEANNE", P::kRelation, kAdjOperator, Op(C::Ne)),
    BinaryEntry("@TCMCXSYS_BOOLEANLT", P::kRelation, kAdjOperator, Op(C::Lt)),
    BinaryEntry("@TCMCXSYS_BOOLEANGT", P::kRelation, kAdjOperator, Op(C::Gt)),
    BinaryEntry("@TCMCXSYS_BOOLEANLE", P::kRelation, kAdjOperator, Op(C::Le)),
    BinaryEntry("@TCMCXSYS_BOOLEANGE", P::kRelation, kAdjOperator, Op(C::Ge)),
    BinaryEntry("@TCMCXSYS_IF_0", P::kMultiplicative, kAdjTightOperator, kActIf0, false),
    BinaryEntry("@TCMCXSYS_IF_1", P::kMultiplicative, kAdjTightOperator, kActIf1, false),
    // One-argument functions.
    UnaryEntry("@TCMCXSYS_FUNCTION_I", Op(C::Flip)),
    UnaryEntry("@BRACKET", kActBracket),
    UnaryEntry("@REAL", Op(C::Real)),
    UnaryEntry("@IMAG", Op(C::Imag)),
    UnaryEntry("@CONJ", Op(C::Conj)),
    UnaryEntry("@FLIP", Op(C::Flip)),
    UnaryEntry("@UNITY", Op(C::Unity)),
    UnaryEntry("@ABS", Op(C::Abs)),
    UnaryEntry("@ABSSQR", Op(C::AbsSqr)),
    UnaryEntry("@ANGLE", Op(C::Arg)),
    UnaryEntry("@ARG", Op(C::Arg)),
    UnaryEntry("@TOPOLAR", Op(C::ToPolar)),
    UnaryEntry("@FROMPOLAR", Op(C::FromPolar)),
    UnaryEntry("@SQR", Op(C::Sqr)),
    UnaryEntry("@SQR3", Op(C::Sqr3)),
    UnaryEntry("@SQR4", Op(C::Sqr4), false),
    UnaryEntry("@SQR2Z", Op(C::Sqr2Z)),
    UnaryEntry("@SQRT", Op(C::Sqrt)),
    UnaryEntry("@REV", Op(C::Rev)),
    UnaryEntry("@LN", Op(C::Ln)),
    UnaryEntry("@LOG", Op(C::Log10)),
    UnaryEntry("@LOG10", Op(C::Log10)),
    UnaryEntry("@LOG2", Op(C::Log2)),
    UnaryEntry("@EXP", Op(C::Exp)),
    UnaryEntry("@FLOOR", Op(C::Floor)),
    UnaryEntry("@INT", Op(C::Floor)),
    UnaryEntry("@TRUNC", Op(C::Trunc)),
    UnaryEntry("@ROUND", Op(C::Round)),
    UnaryEntry("@CEIL", Op(C::Ceil)),
    UnaryEntry("@SGN", Op(C::Sgn)),
    UnaryEntry("@SIN", Op(C::Sin)),
    UnaryEntry("@COS", Op(C::Cos)),
    UnaryEntry("@TAN", Op(C::Tan)),
    UnaryEntry("@TG", Op(C::Tan)),
    UnaryEntry("@CTG", Op(C::Ctg)),
    UnaryEntry("@COT", Op(C::Ctg)),
    UnaryEntry("@CSC", Op(C::Csc)),
    UnaryEntry("@SEC", Op(C::Sec)),
    UnaryEntry("@SINH", Op(C::SinH)),
    UnaryEntry("@COSH", Op(C::CosH)),
    UnaryEntry("@TANH", Op(C::TanH)),
    UnaryEntry("@TGH", Op(C::TanH)),
    UnaryEntry("@CTGH", Op(C::CtgH)),
    UnaryEntry("@COTH", Op(C::CtgH)),
    UnaryEntry("@CSCH", Op(C::CscH)),
    UnaryEntry("@SECH", Op(C::SecH)),
    UnaryEntry("@ARCSIN", Op(C::ArcSin)),
    UnaryEntry("@ARCCOS", Op(C::ArcCos)),
    UnaryEntry("@ARCTAN", Op(C::ArcTan)),
    UnaryEntry("@ARCTG", Op(C::ArcTan)),
    UnaryEntry("@ARCCOT", Op(C::ArcCot)),
    UnaryEntry("@ARCCTG", Op(C::ArcCot)),
    UnaryEntry("@ARCCSC", Op(C::ArcCsc)),
    UnaryEntry("@ARCSEC", Op(C::ArcSec)),
    UnaryEntry("@ARCSINH", Op(C::ArcSinH)),
    UnaryEntry("@ARCCOSH", Op(C::ArcCosH)),
    UnaryEntry("@ARCTANH", Op(C::ArcTanH)),
    UnaryEntry("@ARCTGH", Op(C::ArcTanH)),
    UnaryEntry("@ARCCOTH", Op(C::ArcCotH)),
    UnaryEntry("@ARCCTGH", Op(C::ArcCotH)),
    UnaryEntry("@ARCCSCH", Op(C::ArcCscH)),
    UnaryEntry("@ARCSECH", Op(C::ArcSecH)),
    UnaryEntry("@RND", Op(C::Rnd), false),
    UnaryEntry("@RAND", Op(C::Rnd), false),
    UnaryEntry("@RANDOM", Op(C::Rnd), false),
    UnaryEntry("@NOT", Op(C::Not)),
    UnaryEntry("@TCMCXSYS_FLD_VALUE", kActReserved, false),
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

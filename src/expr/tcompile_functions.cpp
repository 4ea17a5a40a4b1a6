// The real compiler's function table. Aliases share a machine operation; whether an entry folds
// over constants belongs to the name (the short hyperbolic aliases never fold).
#include "expr/tcompile_functions.h"

#include <array>

#include "expr/tcompile_machine.h"

namespace zarnix {

namespace {

using P = PrecClass;

constexpr int Op(MachineOp op) {
  return static_cast<int>(op);
}

using M = MachineOp;
constexpr std::array kTable = {
    // Binary operators.
    BinaryEntry("@ADD", P::kAdditive, kAdjOperator, Op(M::Add)),
    BinaryEntry("@SUB", P::kAdditive, kAdjOperator, Op(M::Sub)),
    BinaryEntry("@MUL", P::kMultiplicative, kAdjTightOperator, Op(M::Mul)),
    BinaryEntry("@DIV", P::kMultiplicative, kAdjTightOperator, Op(M::Div)),
    BinaryEntry("@DIVE", P::kMultiplicative, kAdjTightOperator, Op(M::DivE)),
    BinaryEntry("@MOD", P::kMultiplicative, kAdjTightOperator, Op(M::Mod)),
    BinaryEntry("@POWER", P::kPower, kAdjTightOperator, Op(M::Power)),
    BinaryEntry("@INTPOWER", P::kPower, kAdjTightOperator, Op(M::IntPower)),
    BinaryEntry("@MAX", P::kMultiplicative, kAdjTightOperator, Op(M::Max)),
    BinaryEntry("@MIN", P::kMultiplicative, kAdjTightOperator, Op(M::Min)),
    BinaryEntry("@HYPOT", P::kMultiplicative, kAdjTightOperator, Op(M::Hypot)),
    BinaryEntry("@SQRADD", P::kMultiplicative, kAdjTightOperator, Op(M::SqrAdd)),
    BinaryEntry("@ARCTAN2", P::kMultiplicative, kAdjTightOperator, Op(M::ArcTan2)),
    // Listed as a binary operator too, so that arctg2(y,x) is usable like arctan2(y,x).
    BinaryEntry("@ARCTG2", P::kMultiplicative, kAdjTightOperator, Op(M::ArcTan2)),
    BinaryEntry("@AND", P::kPower, kAdjLogicOperator, Op(M::And)),
    BinaryEntry("@OR", P::kPower, kAdjLogicOperator, Op(M::Or)),
    BinaryEntry("@XOR", P::kPower, kAdjLogicOperator, Op(M::Xor)),
    BinaryEntry("@TCMSYS_BOOLEANEQ", P::kRelation, kAdjOperator, Op(M::Eq)),
    BinaryEntry("@TCMSYS_BOOLEANNE", P::kRelation, kAdjOperator, Op(M::Ne)),
    BinaryEntry("@TCMSYS_BOOLEANLT", P::kRelation, kAdjOperator, Op(M::Lt)),
    BinaryEntry("@TCMSYS_BOOLEANGT", P::kRelation, kAdjOperator, Op(M::Gt)),
    BinaryEntry("@TCMSYS_BOOLEANLE", P::kRelation, kAdjOperator, Op(M::Le)),
    BinaryEntry("@TCMSYS_BOOLEANGE", P::kRelation, kAdjOperator, Op(M::Ge)),
    BinaryEntry("@TCMSYS_IF_0", P::kMultiplicative, kAdjTightOperator, kActIf0, false),
    BinaryEntry("@TCMSYS_IF_1", P::kMultiplicative, kAdjTightOperator, kActIf1, false),
    BinaryEntry("@TCMSYS_FF_0", P::kIntegral, kAdjOperator, kActFf0, false),
    BinaryEntry("@TCMSYS_FF_1", P::kIntegral, kAdjOperator, kActFf1, false),
    BinaryEntry("@TCMSYS_FF_2", P::kIntegral, kAdjOperator, kActFf2, false),
    BinaryEntry("@TCMSYS_FSTP_VALUE", P::kMultiplicative, kAdjTightOperator, kActReserved, false),
    // One-argument functions.
    UnaryEntry("@BRACKET", kActBracket),
    UnaryEntry("@SQR", Op(M::Sqr)),
    UnaryEntry("@SQR3", Op(M::Sqr3)),
    UnaryEntry("@SQR4", Op(M::Sqr4)),
    UnaryEntry("@SQRT", Op(M::Sqrt)),
    UnaryEntry("@REV", Op(M::Rev)),
    UnaryEntry("@ABS", Op(M::Abs)),
    UnaryEntry("@SGN", Op(M::Sgn)),
    UnaryEntry("@FLOOR", Op(M::Floor)),
    UnaryEntry("@INT", Op(M::Floor)),
    UnaryEntry("@TRUNC", Op(M::Trunc)),
    UnaryEntry("@CEIL", Op(M::Ceil)),
    UnaryEntry("@ROUND", Op(M::Round)),
    UnaryEntry("@EXP", Op(M::Exp)),
    UnaryEntry("@LN", Op(M::Ln)),
    UnaryEntry("@LOG", Op(M::Log10)),
    UnaryEntry("@LOG10", Op(M::Log10)),
    UnaryEntry("@LOG2", Op(M::Log2)),
    UnaryEntry("@SIN", Op(M::Sin)),
    UnaryEntry("@COS", Op(M::Cos)),
    UnaryEntry("@TAN", Op(M::Tan)),
    UnaryEntry("@TG", Op(M::Tan)),
    UnaryEntry("@CTG", Op(M::Ctg)),
    UnaryEntry("@COT", Op(M::Ctg)),
    UnaryEntry("@SEC", Op(M::Sec)),
    UnaryEntry("@CSC", Op(M::Csc)),
    UnaryEntry("@ARCSIN", Op(M::ArcSin)),
    UnaryEntry("@ARCCOS", Op(M::ArcCos)),
    UnaryEntry("@ARCTAN", Op(M::ArcTan)),
    UnaryEntry("@ARCTG", Op(M::ArcTan)),
    UnaryEntry("@ARCSEC", Op(M::ArcSec)),
    UnaryEntry("@ARCCSC", Op(M::ArcCsc)),
    UnaryEntry("@ARCCTG", Op(M::ArcCtg)),
    UnaryEntry("@ARCCOT", Op(M::ArcCtg)),
    UnaryEntry("@SINH", Op(M::SinH)),
    UnaryEntry("@COSH", Op(M::CosH)),
    UnaryEntry("@TANH", Op(M::TanH)),
    UnaryEntry("@TGH", Op(M::TanH)),
    UnaryEntry("@CSCH", Op(M::CscH)),
    UnaryEntry("@SECH", Op(M::SecH)),
    UnaryEntry("@CTGH", Op(M::CtgH)),
    UnaryEntry("@COTH", Op(M::CtgH)),
    UnaryEntry("@ARCSINH", Op(M::ArcSinH)),
    UnaryEntry("@ARCCOSH", Op(M::ArcCosH)),
    UnaryEntry("@ARCTANH", Op(M::ArcTanH)),
    UnaryEntry("@ARCTGH", Op(M::ArcTanH)),
    UnaryEntry("@ARCCSCH", Op(M::ArcCscH)),
    UnaryEntry("@ACSCH", Op(M::ArcCscH), false),
    UnaryEntry("@ARCSECH", Op(M::ArcSecH)),
    UnaryEntry("@ASECH", Op(M::ArcSecH), false),
    UnaryEntry("@ARCCOTH", Op(M::ArcCotH)),
    UnaryEntry("@ACOTH", Op(M::ArcCotH), false),
    UnaryEntry("@RND", Op(M::Rnd), false),
    UnaryEntry("@RAND", Op(M::Rnd), false),
    UnaryEntry("@RANDOM", Op(M::Rnd), false),
    UnaryEntry("@NOT", Op(M::Not)),
    UnaryEntry("@TCMSYS_FLD_VALUE", kActReserved, false),
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

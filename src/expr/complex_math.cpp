// The complex routines. Where the defining formula would cancel badly (the inverse functions
// for large arguments, square roots of negative reals) an equal expression is evaluated instead.
#include "expr/complex_math.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace zarnix::cx {

namespace {

const ComplexValue kOne{1, 0};
const ComplexValue kI{0, 1};

// Beyond this |im z| the tangent's parts are exp(-2|y|)-small and +-1 to every digit, and the
// textbook quotient would overflow.
constexpr Extended kTanSaturation = 45;

ComplexValue FromBool(bool b) {
  return {b ? 1.0L : 0.0L, 0};
}

Extended SquaredModulus(const ComplexValue& z) {
  return z.re * z.re + z.im * z.im;
}

// mag * (cos t + i sin t); an angle of 0 leaves an infinite modulus alone.
ComplexValue Polar(Extended mag, Extended t) {
  if (t == 0) return {mag, t};
  Extended s, c;
  sincosl(t, &s, &c);
  return {mag * c, mag * s};
}

// -i * z
ComplexValue TimesMinusI(const ComplexValue& z) {
  return {z.im, -z.re};
}

// i * z
ComplexValue TimesI(const ComplexValue& z) {
  return {-z.im, z.re};
}

// ln(u + s) for (u + s)(u - s) = k: when u and s nearly cancel, u + s is taken as k / (u - s),
// the same number without the cancellation.
ComplexValue LnOfSum(const ComplexValue& u, const ComplexValue& s, Extended k) {
  const ComplexValue sum = Add(u, s);
  const ComplexValue difference = Sub(u, s);
  if (SquaredModulus(sum) >= SquaredModulus(difference)) return Ln(sum);
  ComplexValue w = Div({k, 0}, difference);
  // On a branch cut the side is the one the direct sum lies on.
  if (w.im == 0) w.im = copysignl(0, sum.im);
  return Ln(w);
}

bool IsZero(const ComplexValue& z) {
  return z.re == 0 && z.im == 0;
}

}  // namespace

// --- Arithmetic ---------------------------------------------------------------------------------

// The result of a division by zero: the flag is what counts.
ComplexValue DivisionByZero() {
  std::feraiseexcept(FE_DIVBYZERO);
  const Extended inf = std::numeric_limits<Extended>::infinity();
  return {inf, inf};
}

ComplexValue Distance(const ComplexValue& l, const ComplexValue& r) {
  return {Modulus(Sub(l, r)), 0};
}

ComplexValue Power(const ComplexValue& l, const ComplexValue& r) {
  if (IsZero(l)) {
    if (IsZero(r)) return kOne;
    if (r.re > 0) return {0, 0};
  }
  return Exp(Mul(r, Ln(l)));
}

ComplexValue PowerX(const ComplexValue& l, const ComplexValue& r) {
  const Extended n = r.re;
  return Polar(powl(Modulus(l), n), n * Angle(l));
}

ComplexValue XPower(const ComplexValue& l, const ComplexValue& r) {
  return Power({l.re, 0}, r);
}

ComplexValue SqrtN(const ComplexValue& l, const ComplexValue& r) {
  const Extended n = r.re;
  return Polar(powl(Modulus(l), 1 / n), Angle(l) / n);
}

ComplexValue LogN(const ComplexValue& l, const ComplexValue& r) {
  return {logl(Modulus(r)) / logl(l.re), Angle(r)};
}

ComplexValue Max(const ComplexValue& l, const ComplexValue& r) {
  return SquaredModulus(r) > SquaredModulus(l) ? r : l;
}

ComplexValue Min(const ComplexValue& l, const ComplexValue& r) {
  return SquaredModulus(r) < SquaredModulus(l) ? r : l;
}

ComplexValue MaxX(const ComplexValue& l, const ComplexValue& r) {
  return r.re > l.re ? r : l;
}

ComplexValue MinX(const ComplexValue& l, const ComplexValue& r) {
  return r.re < l.re ? r : l;
}

bool IsTrue(const ComplexValue& z) {
  return z.re < 0 || z.re > 0;
}

ComplexValue And(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(IsTrue(l) && IsTrue(r));
}
ComplexValue Or(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(IsTrue(l) || IsTrue(r));
}
ComplexValue Xor(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(IsTrue(l) != IsTrue(r));
}
ComplexValue Eq(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re == r.re);
}
ComplexValue Ne(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re != r.re);
}
ComplexValue Lt(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re < r.re);
}
ComplexValue Gt(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re > r.re);
}
ComplexValue Le(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re <= r.re);
}
ComplexValue Ge(const ComplexValue& l, const ComplexValue& r) {
  return FromBool(l.re >= r.re);
}
ComplexValue Not(const ComplexValue& z) {
  return FromBool(!IsTrue(z));
}

// --- Parts and polar form -------------------------------------------------------------------

ComplexValue Real(const ComplexValue& z) {
  return {z.re, 0};
}
ComplexValue Imag(const ComplexValue& z) {
  return {z.im, 0};
}
ComplexValue Conj(const ComplexValue& z) {
  return {z.re, -z.im};
}
ComplexValue Flip(const ComplexValue& z) {
  return {z.im, z.re};
}

ComplexValue Unity(const ComplexValue& z) {
  const Extended m = Modulus(z);
  return {z.re / m, z.im / m};
}

Extended Modulus(const ComplexValue& z) {
  return hypotl(z.re, z.im);
}
Extended Angle(const ComplexValue& z) {
  return atan2l(z.im, z.re);
}

ComplexValue Abs(const ComplexValue& z) {
  return {Modulus(z), 0};
}
ComplexValue AbsSqr(const ComplexValue& z) {
  return {SquaredModulus(z), 0};
}
ComplexValue Arg(const ComplexValue& z) {
  return {Angle(z), 0};
}
ComplexValue ToPolar(const ComplexValue& z) {
  return {Modulus(z), Angle(z)};
}
ComplexValue FromPolar(const ComplexValue& z) {
  return Polar(z.re, z.im);
}

// --- Powers, roots, logarithms --------------------------------------------------------------

ComplexValue Sqr(const ComplexValue& z) {
  return {(z.re - z.im) * (z.re + z.im), 2 * z.re * z.im};
}
ComplexValue Sqr3(const ComplexValue& z) {
  return Mul(Sqr(z), z);
}
ComplexValue Sqr4(const ComplexValue& z) {
  return Sqr(Sqr(z));
}
ComplexValue Sqr2Z(const ComplexValue& z) {
  return Add(Sqr(z), z);
}

// sqrt|z| at half the angle of z, computed without the angle: a negative real gives an
// exactly imaginary root.
ComplexValue Sqrt(const ComplexValue& z) {
  if (IsZero(z)) return {0, z.im};
  const Extended m = Modulus(z);
  if (z.re >= 0) {
    const Extended t = sqrtl((m + z.re) / 2);
    return {t, z.im / (2 * t)};
  }
  const Extended t = sqrtl((m - z.re) / 2);
  return {fabsl(z.im) / (2 * t), copysignl(t, z.im)};
}

ComplexValue Rev(const ComplexValue& z) {
  const Extended n = SquaredModulus(z);
  if (n == 0) return DivisionByZero();
  return {z.re / n, -z.im / n};
}

ComplexValue Ln(const ComplexValue& z) {
  return {logl(Modulus(z)), Angle(z)};
}
ComplexValue Log10(const ComplexValue& z) {
  return {log10l(Modulus(z)), Angle(z)};
}
ComplexValue Log2(const ComplexValue& z) {
  return {log2l(Modulus(z)), Angle(z)};
}

ComplexValue Exp(const ComplexValue& z) {
  return Polar(expl(z.re), z.im);
}

// --- Rounding and sign ----------------------------------------------------------------------

ComplexValue Floor(const ComplexValue& z) {
  return {floorl(z.re), floorl(z.im)};
}
ComplexValue Trunc(const ComplexValue& z) {
  return {truncl(z.re), truncl(z.im)};
}
ComplexValue Round(const ComplexValue& z) {
  return {rintl(z.re), rintl(z.im)};
}
ComplexValue Ceil(const ComplexValue& z) {
  return {ceill(z.re), ceill(z.im)};
}

ComplexValue Sgn(const ComplexValue& z) {
  auto sign = [](Extended x) -> Extended { return x > 0 ? 1 : (x < 0 ? -1 : 0); };
  return {sign(z.re), sign(z.im)};
}

// --- Circular and hyperbolic functions ------------------------------------------------------

ComplexValue Sin(const ComplexValue& z) {
  Extended s, c;
  sincosl(z.re, &s, &c);
  return {s * coshl(z.im), c * sinhl(z.im)};
}

ComplexValue Cos(const ComplexValue& z) {
  Extended s, c;
  sincosl(z.re, &s, &c);
  return {c * coshl(z.im), -(s * sinhl(z.im))};
}

// (sin 2x + i sinh 2y) / (cos 2x + cosh 2y)
ComplexValue Tan(const ComplexValue& z) {
  const Extended x2 = 2 * z.re;
  const Extended y2 = 2 * z.im;
  if (fabsl(z.im) > kTanSaturation) {
    return {2 * sinl(x2) * expl(-fabsl(y2)), copysignl(1, z.im)};
  }
  const Extended d = cosl(x2) + coshl(y2);
  return {sinl(x2) / d, sinhl(y2) / d};
}

ComplexValue Ctg(const ComplexValue& z) {
  return Rev(Tan(z));
}
ComplexValue Csc(const ComplexValue& z) {
  return Rev(Sin(z));
}
ComplexValue Sec(const ComplexValue& z) {
  return Rev(Cos(z));
}

// sinh z = -i sin(iz), cosh z = cos(iz), tanh z = -i tan(iz).
ComplexValue SinH(const ComplexValue& z) {
  return TimesMinusI(Sin(TimesI(z)));
}
ComplexValue CosH(const ComplexValue& z) {
  return Cos(TimesI(z));
}
ComplexValue TanH(const ComplexValue& z) {
  return TimesMinusI(Tan(TimesI(z)));
}
ComplexValue CtgH(const ComplexValue& z) {
  return Rev(TanH(z));
}
ComplexValue CscH(const ComplexValue& z) {
  return Rev(SinH(z));
}
ComplexValue SecH(const ComplexValue& z) {
  return Rev(CosH(z));
}

// 1 - z^2 and z^2 - 1 are formed as products, which stay accurate near z = +-1.
ComplexValue ArcSin(const ComplexValue& z) {
  const ComplexValue s = Sqrt(Mul(Sub(kOne, z), Add(kOne, z)));
  return TimesMinusI(LnOfSum(TimesI(z), s, -1));
}

ComplexValue ArcCos(const ComplexValue& z) {
  const ComplexValue s = TimesI(Sqrt(Mul(Sub(kOne, z), Add(kOne, z))));
  return TimesMinusI(LnOfSum(z, s, 1));
}

ComplexValue ArcTan(const ComplexValue& z) {
  const ComplexValue w = Ln(Div(Add(kI, z), Sub(kI, z)));
  return {-w.im / 2, w.re / 2};
}

ComplexValue ArcCot(const ComplexValue& z) {
  return ArcTan(Rev(z));
}
ComplexValue ArcCsc(const ComplexValue& z) {
  return ArcSin(Rev(z));
}
ComplexValue ArcSec(const ComplexValue& z) {
  return ArcCos(Rev(z));
}

ComplexValue ArcSinH(const ComplexValue& z) {
  const ComplexValue s = Sqrt(Mul(Add(z, kI), Sub(z, kI)));
  return LnOfSum(z, s, -1);
}

ComplexValue ArcCosH(const ComplexValue& z) {
  const ComplexValue s = Sqrt(Mul(Sub(z, kOne), Add(z, kOne)));
  return LnOfSum(z, s, 1);
}

ComplexValue ArcTanH(const ComplexValue& z) {
  const ComplexValue w = Ln(Div(Add(kOne, z), Sub(kOne, z)));
  return {w.re / 2, w.im / 2};
}

ComplexValue ArcCotH(const ComplexValue& z) {
  return ArcTanH(Rev(z));
}
ComplexValue ArcCscH(const ComplexValue& z) {
  return ArcSinH(Rev(z));
}
ComplexValue ArcSecH(const ComplexValue& z) {
  return ArcCosH(Rev(z));
}

}  // namespace zarnix::cx

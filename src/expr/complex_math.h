// Complex numbers of the complex formula compiler: the value type and the routines that its
// machine runs and its constant folding calls, so that folded constants equal run-time values.
#pragma once

#include "base/extended.h"

namespace zarnix {

// Real part first; each part is an 80-bit value in a 16-byte cell.
struct ComplexValue {
  Extended re = 0;
  Extended im = 0;
};

// Faults surface as floating-point flags (division by zero, invalid operation, overflow), as
// they do in the real machine; the caller checks them after a run or a fold.
namespace cx {

// Arithmetic (inline: the interpreter's most frequent operations).
inline ComplexValue Add(const ComplexValue& l, const ComplexValue& r) {
  return {l.re + r.re, l.im + r.im};
}
inline ComplexValue Sub(const ComplexValue& l, const ComplexValue& r) {
  return {l.re - r.re, l.im - r.im};
}
inline ComplexValue Mul(const ComplexValue& l, const ComplexValue& r) {
  return {l.re * r.re - l.im * r.im, l.re * r.im + l.im * r.re};
}
// A zero divisor raises the division-by-zero flag.
ComplexValue DivisionByZero();
// l * conj(r) / |r|^2
inline ComplexValue Div(const ComplexValue& l, const ComplexValue& r) {
  const Extended n = r.re * r.re + r.im * r.im;
  if (n == 0) return DivisionByZero();
  return {(l.re * r.re + l.im * r.im) / n, (l.im * r.re - l.re * r.im) / n};
}
ComplexValue Distance(const ComplexValue& l, const ComplexValue& r);
// The power family. A zero base gives 1 for a zero exponent and 0 for an exponent with a
// positive real part.
ComplexValue Power(const ComplexValue& l, const ComplexValue& r);   // exp(r ln l)
ComplexValue PowerX(const ComplexValue& l, const ComplexValue& r);  // l ^ re r
ComplexValue XPower(const ComplexValue& l, const ComplexValue& r);  // (re l) ^ r
ComplexValue SqrtN(const ComplexValue& l, const ComplexValue& r);   // root of degree re r
ComplexValue LogN(const ComplexValue& l, const ComplexValue& r);    // log of r to base re l
// Selections: by |z|^2 (Max, Min) or by the real part (MaxX, MinX); ties keep the left one.
ComplexValue Max(const ComplexValue& l, const ComplexValue& r);
ComplexValue Min(const ComplexValue& l, const ComplexValue& r);
ComplexValue MaxX(const ComplexValue& l, const ComplexValue& r);
ComplexValue MinX(const ComplexValue& l, const ComplexValue& r);
// Logic and relations on the real parts; results 1 or 0.
ComplexValue And(const ComplexValue& l, const ComplexValue& r);
ComplexValue Or(const ComplexValue& l, const ComplexValue& r);
ComplexValue Xor(const ComplexValue& l, const ComplexValue& r);
ComplexValue Eq(const ComplexValue& l, const ComplexValue& r);
ComplexValue Ne(const ComplexValue& l, const ComplexValue& r);
ComplexValue Lt(const ComplexValue& l, const ComplexValue& r);
ComplexValue Gt(const ComplexValue& l, const ComplexValue& r);
ComplexValue Le(const ComplexValue& l, const ComplexValue& r);
ComplexValue Ge(const ComplexValue& l, const ComplexValue& r);
ComplexValue Not(const ComplexValue& z);
// True when the real part is neither 0 nor NaN.
bool IsTrue(const ComplexValue& z);

// Parts and polar form.
ComplexValue Real(const ComplexValue& z);
ComplexValue Imag(const ComplexValue& z);
ComplexValue Conj(const ComplexValue& z);
ComplexValue Flip(const ComplexValue& z);  // parts exchanged (the imaginary unit is Flip(1))
ComplexValue Unity(const ComplexValue& z);
ComplexValue Abs(const ComplexValue& z);
ComplexValue AbsSqr(const ComplexValue& z);
ComplexValue Arg(const ComplexValue& z);
ComplexValue ToPolar(const ComplexValue& z);
ComplexValue FromPolar(const ComplexValue& z);
Extended Modulus(const ComplexValue& z);
Extended Angle(const ComplexValue& z);

// Powers, roots, logarithms.
ComplexValue Sqr(const ComplexValue& z);
ComplexValue Sqr3(const ComplexValue& z);
ComplexValue Sqr4(const ComplexValue& z);
ComplexValue Sqr2Z(const ComplexValue& z);
ComplexValue Sqrt(const ComplexValue& z);
ComplexValue Rev(const ComplexValue& z);
ComplexValue Ln(const ComplexValue& z);
ComplexValue Log10(const ComplexValue& z);  // the imaginary part is arg z, not scaled
ComplexValue Log2(const ComplexValue& z);
ComplexValue Exp(const ComplexValue& z);

// Real rounding and sign applied to both parts.
ComplexValue Floor(const ComplexValue& z);
ComplexValue Trunc(const ComplexValue& z);
ComplexValue Round(const ComplexValue& z);
ComplexValue Ceil(const ComplexValue& z);
ComplexValue Sgn(const ComplexValue& z);

// Circular and hyperbolic functions and their inverses.
ComplexValue Sin(const ComplexValue& z);
ComplexValue Cos(const ComplexValue& z);
ComplexValue Tan(const ComplexValue& z);
ComplexValue Ctg(const ComplexValue& z);
ComplexValue Csc(const ComplexValue& z);
ComplexValue Sec(const ComplexValue& z);
ComplexValue SinH(const ComplexValue& z);
ComplexValue CosH(const ComplexValue& z);
ComplexValue TanH(const ComplexValue& z);
ComplexValue CtgH(const ComplexValue& z);
ComplexValue CscH(const ComplexValue& z);
ComplexValue SecH(const ComplexValue& z);
ComplexValue ArcSin(const ComplexValue& z);  // -i ln(iz + sqrt(1 - z^2))
ComplexValue ArcCos(const ComplexValue& z);  // -i ln(z + i sqrt(1 - z^2))
ComplexValue ArcTan(const ComplexValue& z);  // (i/2) ln((i + z)/(i - z))
ComplexValue ArcCot(const ComplexValue& z);
ComplexValue ArcCsc(const ComplexValue& z);
ComplexValue ArcSec(const ComplexValue& z);
ComplexValue ArcSinH(const ComplexValue& z);  // ln(z + sqrt(z^2 + 1))
ComplexValue ArcCosH(const ComplexValue& z);  // ln(z + sqrt(z^2 - 1))
ComplexValue ArcTanH(const ComplexValue& z);  // ln((1 + z)/(1 - z)) / 2
ComplexValue ArcCotH(const ComplexValue& z);
ComplexValue ArcCscH(const ComplexValue& z);
ComplexValue ArcSecH(const ComplexValue& z);

}  // namespace cx
}  // namespace zarnix

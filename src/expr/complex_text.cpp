// Complex literals are read by a small scanner over the pieces sign, number, I and "*"; the
// cell-text reading follows its own older rules step by step.
#include "expr/complex_text.h"

#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "expr/compiler_frontend.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

// --- Literal pieces -------------------------------------------------------------------------

struct Piece {
  enum Kind { kSign, kNumber, kI, kStar } kind;
  Extended value = 0;  // a number's value, or +1 / -1 for a sign
};

std::optional<std::vector<Piece>> Scan(std::string_view text) {
  const std::string t = UpperCase(text);
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i < t.size()) {
    const char c = t[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '+' || c == '-') {
      pieces.push_back({Piece::kSign, c == '-' ? -1.0L : 1.0L});
      ++i;
    } else if (c == '*') {
      pieces.push_back({Piece::kStar});
      ++i;
    } else if (c == 'I' && (i + 1 == t.size() || !IsIdentifierChar(t[i + 1]))) {
      pieces.push_back({Piece::kI});
      ++i;
    } else {
      const std::size_t end = NumberEnd(t, i);
      if (end == std::string_view::npos || end == i) return std::nullopt;
      const std::optional<Extended> value = TryStrToFloat(t.substr(i, end - i));
      if (!value) return std::nullopt;
      pieces.push_back({Piece::kNumber, *value});
      i = end;
    }
  }
  return pieces;
}

// One signed term at `pos`: a real number, I, b*I or I*b.
struct Term {
  bool imaginary;
  Extended value;
};

std::optional<Term> ReadTerm(const std::vector<Piece>& p, std::size_t& pos) {
  Extended sign = 1;
  if (pos < p.size() && p[pos].kind == Piece::kSign) sign = p[pos++].value;
  auto at = [&](std::size_t k, Piece::Kind kind) { return k < p.size() && p[k].kind == kind; };
  if (at(pos, Piece::kNumber)) {
    const Extended b = p[pos].value;
    if (at(pos + 1, Piece::kStar) && at(pos + 2, Piece::kI)) {
      pos += 3;
      return Term{true, sign * b};
    }
    pos += 1;
    return Term{false, sign * b};
  }
  if (at(pos, Piece::kI)) {
    if (at(pos + 1, Piece::kStar) && at(pos + 2, Piece::kNumber)) {
      const Extended b = p[pos + 2].value;
      pos += 3;
      return Term{true, sign * b};
    }
    pos += 1;
    return Term{true, sign};
  }
  return std::nullopt;
}

// --- Cell texts -----------------------------------------------------------------------------

std::string RemoveText(std::string text, std::string_view what) {
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p))
    text.erase(p, what.size());
  return text;
}

// Position of the sign between the real and the imaginary part: the last "+" or "-" that is
// not an exponent's sign. npos when there is none.
std::size_t PartSeparator(std::string_view t) {
  for (std::size_t p = t.size(); p-- > 0;) {
    if ((t[p] == '+' || t[p] == '-') && !(p > 0 && (t[p - 1] == 'e' || t[p - 1] == 'E'))) return p;
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<ComplexValue> ParseComplexLiteral(std::string_view text) {
  const std::optional<std::vector<Piece>> pieces = Scan(text);
  if (!pieces) return std::nullopt;
  ComplexValue value;
  if (pieces->empty()) return value;
  std::size_t pos = 0;
  const std::optional<Term> first = ReadTerm(*pieces, pos);
  if (!first) return std::nullopt;
  (first->imaginary ? value.im : value.re) = first->value;
  if (pos == pieces->size()) return value;
  // A second term needs its sign and must be of the other kind.
  if ((*pieces)[pos].kind != Piece::kSign) return std::nullopt;
  const std::optional<Term> second = ReadTerm(*pieces, pos);
  if (!second || second->imaginary == first->imaginary || pos != pieces->size())
    return std::nullopt;
  (second->imaginary ? value.im : value.re) = second->value;
  return value;
}

std::string FormatComplex(std::string_view format, Extended re, Extended im) {
  const std::string r = Format(format, re);
  const std::string i = Format(format, im);
  const Extended shownRe = TryStrToFloat(r).value_or(re);
  const Extended shownIm = TryStrToFloat(i).value_or(im);
  if (shownRe == 0 && shownIm == 0) return "0";
  if (shownRe == 0) return i + "*i";
  if (shownIm == 0) return r;
  return shownIm > 0 ? r + "+" + i + "*i" : r + i + "*i";
}

void ParseComplexText(std::string_view text, Extended& re, Extended& im) {
  std::string t = LowerCase(text);
  if (t.find('i') == std::string::npos) {
    re = StrToFloat(t);
    im = 0;
    return;
  }
  t = RemoveText(t, "*i");
  if (const auto n = TryStrToFloat(t)) {
    re = 0;
    im = *n;
    return;
  }
  t = RemoveText(t, "i/");
  if (const auto n = TryStrToFloat(t)) {
    if (*n == 0) throw EZeroDivide();
    re = 0;
    im = 1 / *n;
    return;
  }
  if (t == "i" || t == "-i") {
    re = 0;
    im = t == "i" ? 1 : -1;
    return;
  }
  if (t.find('i') != std::string::npos) {
    // "a-i" or "a+i".
    const std::size_t minusI = t.find("-i");
    const std::string realText = minusI != std::string::npos
                                     ? t.substr(0, minusI)
                                     : t.substr(0, t.size() - std::min<std::size_t>(2, t.size()));
    re = StrToFloat(realText);
    im = minusI != std::string::npos ? -1 : 1;
    return;
  }
  // "a+b" or "a-b", the imaginary part having lost its "*i"; a leading minus belongs to a.
  const bool negative = !t.empty() && t[0] == '-';
  const std::string rest = negative ? t.substr(1) : t;
  const std::size_t p = PartSeparator(rest);
  const std::string realText = p == std::string::npos ? std::string() : rest.substr(0, p);
  const std::string imagText = p == std::string::npos ? rest : rest.substr(p);
  const Extended a = StrToFloat(realText);
  im = StrToFloat(imagText);
  re = negative ? -a : a;
}

}  // namespace zarnix

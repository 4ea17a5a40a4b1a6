// The function table of the real formula compiler: 86 names with their kind, precedence,
// adjacency sets, the machine operation they generate and whether constants fold through them.
#pragma once

#include <span>

#include "expr/compiler_frontend.h"

namespace zarnix {

// Actions of table entries that are not a single machine operation.
enum RealAction : int {
  kActBracket = -1,
  kActIf0 = -2,
  kActIf1 = -3,
  kActFf0 = -4,
  kActFf1 = -5,
  kActFf2 = -6,
  kActReserved = -7,  // the raw-storage entries, refused
};

std::span<const FunctionEntry> RealFunctionTable();

// The dialect of the real compiler ("TCMSYS_" names, integrals, no imaginary unit).
const FrontEndDialect& RealDialect();

}  // namespace zarnix

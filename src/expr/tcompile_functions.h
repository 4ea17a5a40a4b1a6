// The function table of the real formula compiler: 86 names with their kind, precedence,
// adjacency sets, the machine operation they generate and whether constants fold through them.
#pragma once

#include <span>

#include "expr/compiler_frontend.h"
#include "expr/compiler_generator.h"

namespace zarnix {

// Actions of the integral entries (the generator's own actions are in compiler_generator.h).
enum RealAction : int {
  kActFf0 = -4,
  kActFf1 = -5,
  kActFf2 = -6,
};

std::span<const FunctionEntry> RealFunctionTable();

// The dialect of the real compiler ("TCMSYS_" names, integrals, no imaginary unit).
const FrontEndDialect& RealDialect();

}  // namespace zarnix

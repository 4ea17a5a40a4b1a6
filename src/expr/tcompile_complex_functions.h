// The function table of the complex formula compiler: 92 names with their kind, precedence,
// adjacency sets, the complex machine operation they generate and whether they fold.
#pragma once

#include <span>

#include "expr/compiler_frontend.h"

namespace zarnix {

std::span<const FunctionEntry> ComplexFunctionTable();

// The dialect of the complex compiler ("TCMCXSYS_" names, no integrals, I as the imaginary
// unit).
const FrontEndDialect& ComplexDialect();

}  // namespace zarnix

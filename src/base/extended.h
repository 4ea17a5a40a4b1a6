// The program's real number type: 80-bit x87 extended precision.
// All real arithmetic uses it unless a routine documents a narrower width.
#pragma once

namespace zarnix {

using Extended = long double;

}  // namespace zarnix

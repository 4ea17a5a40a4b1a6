// Function macros of the complex compiler: NAME(P1, ..., Pn) = body expanded textually in a
// formula before it is compiled, so that a formula may extend or rename the built-in functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zarnix {

// The formula with every call NAME(A1, ..., An) of exactly n top-level arguments replaced by
// "(" body ")" with each Pi replaced by "(" Ai ")" (a bare head NAME: every identifier NAME
// replaced by "(" body ")"). NAME inside the body is not expanded again; names compare without
// regard to case. Nothing when the head is malformed (parameters that are not identifiers,
// repeated or equal to NAME) or the expansion grows beyond a sane size.
std::optional<std::string> ExpandFunctionMacro(std::string_view formula, std::string_view head,
                                               std::string_view body);

}  // namespace zarnix

// The systems-of-differential-equations category: y_i' = f_i(y1 ... yn) from the worksheet,
// integrated by RK4, with the selected components tabulated for plotting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarnix {

struct Workbench;

// Step h in (0, 2), steps N in (1, 2), parameters name=value;... in (2, 2); equations from
// row 4 in column 0 with initial values in column 1 and output flags in column 2. The table
// goes below the equations.
void HandleOdeSystem(Workbench& bench);

// Every whole identifier of text equal to names[k] replaced by the letter with code 97 + k
// (the first matching name wins); numbers and the parts of longer names are left alone.
std::string ReplaceParameterNames(std::string_view text, const std::vector<std::string>& names);

}  // namespace zarnix

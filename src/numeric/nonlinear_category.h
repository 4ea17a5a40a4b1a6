// The nonlinear-equations category: the selected item of the worksheet is a real or complex
// polynomial equation, a transcendental equation on an interval, or a system of two or three
// equations.
#pragma once

namespace zarnix {

struct Workbench;

// Solves the item in the current row (its kind from words in its name) and writes the roots
// to the answer pane; a real polynomial's equation and name are rewritten in the worksheet.
void HandleNonlinearEquations(Workbench& bench);

}  // namespace zarnix

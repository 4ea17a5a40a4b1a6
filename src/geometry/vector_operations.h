// The vector-operations category: two or three vectors of equal dimension from the worksheet,
// and the fixed table of their lengths, angles, sum, difference and products below them.
#pragma once

namespace zarnix {

struct Workbench;

// Reads a, b and c from rows 1 … 3 and writes rows 4 … 16 of the worksheet.
void HandleVectorOperations(Workbench& bench);

}  // namespace zarnix

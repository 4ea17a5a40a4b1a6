// Transport on one closed loop of stations: trial flows on the loop's edges until neither
// direction carries goods over half the loop or more, worked in place on the worksheet.
#pragma once

#include <string>

namespace zarnix {

class Worksheet;

// The name of the block's title row; the block starts two rows below it.
inline constexpr const char* kLoopTransportName = "单闭环调运系统";

// Station rows and edge rows alternate from the block's first row: a station's amount in
// column 3 (shipped positive, received negative), the length of the edge after it in column 5
// of the next row; the first empty station amount ends the block. Flows go to column 4 of the
// edge rows, tonne-kilometres to column 6, the totals to rows 1 … 4 below the row that ends
// the block. `itemRow` is used when no row carries the block's title.
void LoopTransport(Worksheet& grid, const std::string& resultFormat, int itemRow);

}  // namespace zarnix

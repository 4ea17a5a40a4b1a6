// The higher-mathematics category: numbered formula items (probabilities, the Pearson type III
// curve, definite integrals, special functions, e, Euler's constant and π), every item row
// computed in one run.
#pragma once

namespace zarnix {

struct Workbench;

// π is written to at most this many decimals.
inline constexpr int kMaxPiDecimals = 8000;

// Computes every item row (column 1 the number, columns 4 … the parameters, the last column
// the result). Items 17 and 65 write their lines into the answer pane; an item that cannot be
// computed writes its reason into its result cell and the others are still computed.
void HandleHigherMathematics(Workbench& bench);

}  // namespace zarnix

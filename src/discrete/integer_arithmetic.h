// The integer arithmetic category: primes, factors, long numbers in any base, combinatorics,
// Pythagorean triples, number sequences and Diophantine searches, one item per row.
#pragma once

namespace zarnix {

struct Workbench;

void HandleIntegerArithmetic(Workbench& bench);

}  // namespace zarnix

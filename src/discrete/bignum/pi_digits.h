// π to many decimals on the limb arithmetic: the Chudnovsky series summed by binary splitting,
// one square root and one long division at the end.
#pragma once

#include <string>

namespace zarnix {

// "3." followed by the first `decimals` decimals of π, cut off (not rounded); "3" for 0 and
// below.
[[nodiscard]] std::string PiDigits(int decimals);

}  // namespace zarnix

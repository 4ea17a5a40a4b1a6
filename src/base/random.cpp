// Linear congruential generator with integer and real draws.
#include "base/random.h"

#include "base/clock.h"

namespace zarnix {

void LcgRandom::Randomize(const Clock& clock) {
  seed_ = static_cast<std::uint32_t>(clock.MillisecondsOfDay());
}

std::int32_t LcgRandom::Next(std::int32_t range) {
  Step();
  if (range <= 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed_) * range) >> 32);
}

Extended LcgRandom::NextReal() {
  Step();
  return static_cast<Extended>(seed_) / 4294967296.0L;
}

}  // namespace zarnix

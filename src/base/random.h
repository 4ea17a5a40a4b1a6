// The program's pseudo-random generator: a 32-bit linear congruential generator
// (seed * 134775813 + 1 mod 2^32), seeded from the clock or by the caller.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace zarnix {

class Clock;

class LcgRandom {
 public:
  explicit LcgRandom(std::uint32_t seed = 0) : seed_(seed) {}

  // Seeds from the clock's time of day, in milliseconds.
  void Randomize(const Clock& clock);

  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }

  // Uniform integer in 0 .. range - 1 (0 when range <= 0).
  std::int32_t Next(std::int32_t range);
  // Uniform real in [0, 1): the new seed / 2^32.
  Extended NextReal();

 private:
  void Step() { seed_ = seed_ * 134775813u + 1u; }
  std::uint32_t seed_;
};

}  // namespace zarnix

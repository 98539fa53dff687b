// Shared helpers: the random generator behind Random.
#include "engine/globals.h"

namespace {

uint64_t RandomState = 0x853c49e6748fea9bULL;
constexpr uint64_t RandomIncrement = 0xda3e39cb94b95bdbULL;
constexpr uint64_t RandomMultiplier = 6364136223846793005ULL;

uint32_t NextRandom32() {
  const uint64_t old = RandomState;
  RandomState = old * RandomMultiplier + RandomIncrement;
  const auto xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<uint32_t>(old >> 59u);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

}  // namespace

void RandomSeed(uint64_t seed) {
  RandomState = 0;
  NextRandom32();
  RandomState += seed;
  NextRandom32();
}

int32_t Random(int32_t n) {
  if (n < 1) return 0;
  // Rejection keeps every value equally likely.
  const auto range = static_cast<uint32_t>(n);
  const uint32_t limit = (0u - range) % range;
  uint32_t value = NextRandom32();
  while (value < limit) value = NextRandom32();
  return static_cast<int32_t>(value % range);
}

#include "console/random.h"

#include <chrono>

namespace console {

std::uint64_t SystemClock::Ticks() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

void Random::Seed(std::uint64_t seed) {
  state_ = seed;
}

// splitmix64: small, fast and the same on every compiler, so a fixed seed
// gives the same quizzes everywhere.
std::uint64_t Random::NextBits() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int Random::Next(int n) {
  if (n < 1) return 0;
  const std::uint64_t range = static_cast<std::uint64_t>(n);
  // Reject the top sliver so every value is equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  std::uint64_t bits;
  do {
    bits = NextBits();
  } while (bits >= limit);
  return static_cast<int>(bits % range);
}

}  // namespace console

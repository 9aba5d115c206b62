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
  // The high word of bits * n is a number from 0 to n - 1; the products
  // whose low word falls below 2^64 mod n are drawn again so that every
  // value is equally likely. The remainder is only worked out when the low
  // word is small enough to need it, which is rare: most draws cost one
  // multiplication and no division.
  const std::uint64_t range = static_cast<std::uint64_t>(n);
  unsigned __int128 product = static_cast<unsigned __int128>(NextBits()) * range;
  auto low = static_cast<std::uint64_t>(product);
  if (low < range) {
    const std::uint64_t threshold = (0 - range) % range;
    while (low < threshold) {
      product = static_cast<unsigned __int128>(NextBits()) * range;
      low = static_cast<std::uint64_t>(product);
    }
  }
  return static_cast<int>(product >> 64);
}

}  // namespace console

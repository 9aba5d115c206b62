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

}  // namespace console

// The one random generator of a program, and the clock that seeds it.
// Tests use a fixed clock, which makes every draw reproducible.
#pragma once

#include <cstdint>

namespace console {

class Clock {
 public:
  virtual ~Clock() = default;
  /// A value that changes with time (hundredths of a second are enough).
  virtual std::uint64_t Ticks() = 0;
};

class SystemClock : public Clock {
 public:
  std::uint64_t Ticks() override;
};

/// A clock whose readings are `start`, then start + step, and so on: for
/// tests, and for a run made again from a given seed (`packets --seed N`),
/// where each later seeding from the clock takes the next number.
class FixedClock : public Clock {
 public:
  explicit FixedClock(std::uint64_t start = 1, std::uint64_t step = 0) : now_(start), step_(step) {}
  std::uint64_t Ticks() override {
    std::uint64_t t = now_;
    now_ += step_;
    return t;
  }

 private:
  std::uint64_t now_;
  std::uint64_t step_;
};

class Random {
 public:
  explicit Random(Clock& clock) : clock_(clock) { Randomize(); }
  /// Seeds the generator from the clock.
  void Randomize() { Seed(clock_.Ticks()); }
  void Seed(std::uint64_t seed);
  /// A whole number from 0 to n - 1, each equally likely; 0 when n < 1.
  int Next(int n) {
    if (n < 1) return 0;
    // The high word of bits * n is a number from 0 to n - 1; the products
    // whose low word falls below 2^64 mod n are drawn again so that every
    // value is equally likely. The remainder is only worked out when the
    // low word is small enough to need it, which is rare: most draws cost
    // one multiplication and no division.
    const auto range = static_cast<std::uint64_t>(n);
    unsigned __int128 product = static_cast<unsigned __int128>(NextBits()) * range;
    if (static_cast<std::uint64_t>(product) < range) {
      const std::uint64_t threshold = (0 - range) % range;
      while (static_cast<std::uint64_t>(product) < threshold) {
        product = static_cast<unsigned __int128>(NextBits()) * range;
      }
    }
    return static_cast<int>(product >> 64);
  }
  int operator()(int n) { return Next(n); }

 private:
  // splitmix64: small, fast and the same on every compiler, so a fixed
  // seed gives the same quizzes everywhere.
  std::uint64_t NextBits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  Clock& clock_;
  std::uint64_t state_ = 0;
};

}  // namespace console

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
  int Next(int n);
  int operator()(int n) { return Next(n); }

 private:
  std::uint64_t NextBits();

  Clock& clock_;
  std::uint64_t state_ = 0;
};

}  // namespace console

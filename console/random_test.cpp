#include "console/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace console {
namespace {

TEST(Random, StaysInRangeAndReachesEveryValue) {
  FixedClock clock(42);
  Random rng(clock);
  std::vector<int> seen(7, 0);
  for (int i = 0; i < 7000; ++i) {
    int v = rng.Next(7);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 7);
    ++seen[v];
  }
  for (int n : seen) EXPECT_GT(n, 800);
  EXPECT_EQ(rng.Next(1), 0);
  EXPECT_EQ(rng.Next(0), 0);
  EXPECT_EQ(rng.Next(-3), 0);
}

TEST(Random, FixedClockGivesTheSameDrawsAndReseedingRepeatsThem) {
  FixedClock c1(7), c2(7);
  Random a(c1), b(c2);
  std::vector<int> first;
  for (int i = 0; i < 50; ++i) {
    first.push_back(a.Next(1000));
    EXPECT_EQ(first.back(), b.Next(1000));
  }
  a.Randomize();  // the fixed clock gives the same seed again
  for (int i = 0; i < 50; ++i) EXPECT_EQ(a.Next(1000), first[i]);
}

}  // namespace
}  // namespace console

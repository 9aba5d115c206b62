#include "packets/styles/pattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "packets/styles/pattern_test_support.h"
#include "packets/styles/styles.h"

namespace packets::styles {
namespace {

/// A style record that passes the run check, with the given pattern
/// settings.
StyleRecord Style(int spmin, int spmax, std::array<int, 8> kinds, int early, int late) {
  StyleRecord r;
  r.NAME4 = "T";
  r.QMAX = 30;
  r.SPMIN = spmin, r.SPMAX = spmax;
  r.FMIN = kinds[0], r.FMAX = kinds[1], r.RMIN = kinds[2], r.RMAX = kinds[3];
  r.OMIN = kinds[4], r.OMAX = kinds[5], r.SMIN = kinds[6], r.SMAX = kinds[7];
  r.SPEARLY = early, r.SPLATE = late;
  return r;
}

/// A random record within the limits the style check allows: kind maxima
/// up to 10, total maximum up to 20, every minimum up to its maximum, a
/// window from 1..10 to 30 at most that can hold the total.
StyleRecord RandomStyle(console::Random& rng) {
  for (;;) {
    const int early = 1 + rng(10);
    const int late = early + rng(31 - early);
    std::array<int, 8> k{};
    int maxes = 0, mins = 0;
    for (int i = 0; i < 4; ++i) {
      k[2 * i + 1] = rng(11);
      k[2 * i] = rng(k[2 * i + 1] + 1);
      maxes += k[2 * i + 1];
      mins += k[2 * i];
    }
    const int spmax = std::min({20, maxes, late - early + 1});
    if (mins > spmax) continue;
    const int total_max = mins + rng(spmax - mins + 1);
    const int total_min = mins + rng(total_max - mins + 1);
    return Style(total_min, total_max, k, early, late);
  }
}

TEST(SpecialtyPattern, EveryDrawKeepsTheStyleLimits) {
  // The boundary shapes first: a window exactly as long as the total
  // maximum; one-position windows; no specialties with every kind maximum
  // 10; the widest window with the largest total.
  std::vector<StyleRecord> styles = {
      Style(3, 6, {0, 3, 0, 3, 0, 0, 0, 0}, 5, 10),
      Style(1, 1, {0, 1, 0, 1, 0, 1, 0, 1}, 7, 7),
      Style(1, 1, {1, 1, 0, 0, 0, 0, 0, 0}, 10, 10),
      Style(0, 0, {0, 10, 0, 10, 0, 10, 0, 10}, 1, 30),
      Style(20, 20, {5, 5, 5, 5, 5, 5, 5, 5}, 1, 30),
      Style(0, 20, {0, 10, 0, 10, 0, 10, 0, 10}, 1, 30),
      Style(20, 20, {0, 10, 0, 10, 0, 10, 0, 10}, 11, 30),
      Style(2, 2, {2, 2, 0, 0, 0, 0, 0, 0}, 1, 20),
  };
  const std::size_t shapes = styles.size();
  console::FixedClock style_clock(20240601);
  console::Random gen(style_clock);
  while (styles.size() < 1000) styles.push_back(RandomStyle(gen));

  console::FixedClock draw_clock(17);
  console::Random rng(draw_clock);
  for (std::size_t i = 0; i < styles.size(); ++i) {
    const StyleRecord& r = styles[i];
    ASSERT_EQ(CheckStyleForRun(r), std::nullopt) << "style " << i;
    // A boundary shape is drawn until every window position has held a
    // specialty. Some are rare: with two FTV in positions 1 to 20, position 2
    // holds one about once in 2000 draws.
    const bool shape = i < shapes && r.SPMAX > 0;
    std::vector<int> used(31);
    int unused = shape ? r.SPLATE - r.SPEARLY + 1 : 0;
    int d = 0;
    for (; d < 10 || (unused > 0 && d < 40000); ++d) {
      const std::string p = SPECPAT(RecordSettings(r), rng);
      ASSERT_EQ(testing::PatternProblem(RecordSettings(r), p, &used), "")
          << p << " of style " << i << ", draw " << d;
      unused = 0;
      for (int x = r.SPEARLY; shape && x <= r.SPLATE; ++x)
        unused += used[static_cast<std::size_t>(x)] == 0;
    }
    EXPECT_EQ(unused, 0) << "style " << i << " after " << d << " draws";
  }
}

TEST(SpecialtyPattern, TrialsKeepSameKindsApart) {
  // Two FTV and two CV Ref in four positions: one arrangement in three has
  // no two alike side by side; keeping the best of 15 trials nearly always
  // finds one.
  console::FixedClock clock(3);
  console::Random rng(clock);
  const PatternSettings s = RecordSettings(Style(4, 4, {2, 2, 2, 2, 0, 0, 0, 0}, 1, 4));
  int apart = 0;
  for (int d = 0; d < 300; ++d) {
    const std::string p = SPECPAT(s, rng);
    apart += p[0] != p[1] && p[1] != p[2] && p[2] != p[3];
  }
  EXPECT_GT(apart, 270);
}

TEST(SpecialtyPattern, TidyKeepsCountedLettersInsideTheWindowOnly) {
  StyleRecord r = Style(3, 3, {2, 2, 0, 0, 1, 1, 0, 0}, 3, 8);
  const PatternSettings s = RecordSettings(r);
  struct Case {
    std::string typ, tidy;
  };
  const Case cases[] = {
      // A letter before and after the window; "A" and other characters.
      {"FFnFOSRFFOn", "nnnFOnnFnnn"},
      {"nnAAAAAAnn", "nnnnnnnnnn"},
      // A third F and a second O are over their maxima.
      {"nnFFFOOn", "nnFFnOnn"},
      // Short templates are filled with "n"; lower-case letters are not kinds.
      {"nnfr", "nnnn"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TidyTemplate(s, c.typ), c.tidy + std::string(30 - c.tidy.size(), 'n')) << c.typ;
  }
}

TEST(SpecialtyPattern, WorstRecordsDrawOneHundredFiftyQuizzesQuickly) {
  // The records that make the draws repeat longest: no specialties out of
  // kinds of up to ten (the split must draw four zeros), the largest total
  // that needs every kind at its maximum, and a wide window full of extra
  // picks.
  const StyleRecord worst[] = {
      Style(0, 0, {0, 10, 0, 10, 0, 10, 0, 10}, 1, 30),
      Style(0, 1, {0, 10, 0, 10, 0, 10, 0, 10}, 1, 30),
      Style(20, 20, {0, 10, 0, 10, 0, 0, 0, 0}, 1, 30),
      Style(20, 20, {5, 5, 5, 5, 5, 5, 5, 5}, 1, 20),
      Style(1, 1, {0, 1, 0, 0, 0, 0, 0, 0}, 1, 30),
  };
  console::FixedClock clock(99);
  console::Random rng(clock);
  for (const StyleRecord& r : worst) {
    ASSERT_EQ(CheckStyleForRun(r), std::nullopt);
    const auto start = std::chrono::steady_clock::now();
    for (int q = 1; q <= QQZ; ++q) SPECPAT(RecordSettings(r), rng);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(500)) << r.SPMIN << " to " << r.SPMAX;
  }
}

}  // namespace
}  // namespace packets::styles

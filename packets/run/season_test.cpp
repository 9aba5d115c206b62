#include "packets/run/season.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace packets::season {
namespace {

/// The available questions of sector 1 as a string of 0 and 1.
std::string Shown(const SectorTable<Flag, SCMAX>& flags, int total) {
  std::string s;
  for (int k = 1; k <= total; ++k) s += flags(1, k) ? '1' : '0';
  return s;
}

// A sector offers its fresh questions first (or, with none, those of the
// oldest run that used it), then at each restart those of the next oldest
// run (ranks that none of its questions holds are passed over), until
// nothing is held back and the restart makes the sector whole again.
TEST(Season, ASectorBringsBackItsQuestionsOldestRunFirst) {
  struct Case {
    std::vector<std::uint16_t> ages;
    std::vector<std::string> offered;  // at the start, then brought back by each restart
  };
  const Case cases[] = {
      {{0, 2, 0, 1, 4}, {"10100", "00010", "01000", "00001"}},
      {{3, 2, 3, 2}, {"0101", "1010"}},
      {{0, 0, 0}, {"111"}},
      {{5}, {"1"}},
  };
  for (const Case& c : cases) {
    SeasonKind kind;
    SectorTable<Flag, SCMAX> flags;
    const int total = static_cast<int>(c.ages.size());
    kind.AGE.Size(1, total, 0);
    for (int k = 1; k <= total; ++k) kind.AGE(1, k) = c.ages[static_cast<std::size_t>(k - 1)];
    flags.Size(1, total + 3, 1);  // the table is larger than the sector
    std::vector<std::string> offered;
    const int start = StartSector(kind, flags, 1, total);
    EXPECT_EQ(start, Available(flags, 1, total));
    offered.push_back(Shown(flags, total));
    while (!AllBack(kind, 1) && offered.size() < 10) {
      for (int k = 1; k <= total; ++k) flags(1, k) = 0;  // the run used all it was offered
      const int now = BringBack(kind, flags, 1, total);
      offered.push_back(Shown(flags, total));
      EXPECT_EQ(now, Available(flags, 1, total));
    }
    EXPECT_EQ(offered, c.offered);
  }
}

}  // namespace
}  // namespace packets::season

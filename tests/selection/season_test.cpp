// Whole runs with a season history: a history that records none of the
// material changes nothing of a run; a damaged one is refused by the run.
// (A season of runs is tested through the program, in tests/season.)
#include "tests/selection/run_fixture.h"

namespace packets::selection_runs {
namespace {

const char* const kSeasonLine =
    "Season history: 0 questions of earlier runs avoided, 0 had to come back";

/// The files of a run that a season history may not change.
struct Outputs {
  std::string packet, usage, notes;
};

// The same seeded run with and without a history that records nothing of
// the material: the packet is the same byte for byte, and the usage record
// differs only by the history's line at the end of the run notes.
TEST_F(SelectionRun, AHistoryWithoutTheMaterialsQuestionsChangesNoDraw) {
  UseSampleData();
  for (std::uint64_t seed : {5u, 6u, 7u}) {
    for (const char* sectoring : {"V", "Q"}) {
      SCOPED_TRACE(std::to_string(seed) + sectoring);
      Style s;
      s.lines[12] = "24";
      s.lines[13] = sectoring;
      s.Specialties("8 3 3 1 2 0 2 0 2 1");
      Outputs runs[2];
      for (int with : {0, 1}) {
        dir_.Put("Season.txt", "2026-01-01 10:00:00\tOTHER\t1\t1\tn\t 1: 1\tnot in the data\r\n");
        history_ = with ? "Season.txt" : "";
        Go(s, seed);
        runs[with] = {dir_.Get("TEAM.qui"), dir_.Get("TEAM.inf"), dir_.Get("temp.txt")};
      }
      EXPECT_TRUE(runs[0].packet == runs[1].packet);
      EXPECT_EQ(runs[1].notes, runs[0].notes + kSeasonLine + "\r\n");
      // The usage record ends with the run notes (an empty line when there are none).
      const std::size_t blocks =
          runs[0].usage.size() - (runs[0].notes.empty() ? 2 : runs[0].notes.size());
      EXPECT_TRUE(runs[1].usage == runs[0].usage.substr(0, blocks) + runs[1].notes);
    }
  }
}

// A damaged history is refused in words with its line number; it is kept
// as it was and no packet is made.
TEST_F(SelectionRun, ADamagedHistoryIsRefusedAndKept) {
  UseSampleData();
  const std::string damaged = "2026-01-01 10:00:00\tTEAM\t1\t1\tn\t 1: 1\tok\r\nnot a line\r\n";
  dir_.Put("Season.txt", damaged);
  history_ = "Season.txt";
  Style s;
  s.lines[12] = "3";
  s.Specialties("0 0 0 0 0 0 0 0 0 0");
  expect_refusal_ = true;
  Go(s);
  EXPECT_NE(last_con_->last_refusal.find("Season.txt, line 2: the line has 1 of its 6 fields"),
            std::string::npos)
      << last_con_->last_refusal;
  EXPECT_EQ(dir_.Get("Season.txt"), damaged);
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
}

}  // namespace
}  // namespace packets::selection_runs

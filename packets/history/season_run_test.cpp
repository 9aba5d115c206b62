#include "packets/history/season_run.h"

#include <gtest/gtest.h>

#include <memory>

#include "console/virtual_screen.h"
#include "tests/support/scratch_dir.h"

namespace packets::history {
namespace {

// Two sectors of regular questions after one line before the material: the
// first holds 1:1 to 1:3, the second 1:4 and 1:5. The history's first run
// used 1:2 and 1:4, its second 1:4 (again) and 1:5; one record (1:9) is no
// longer in the data and one (1:1 as a CV Ref) is of another kind.
class SeasonRun : public testing::Test {
 protected:
  void SetUp() override {
    dir_.PutLines("Mat.B", {" 0: 1\tbefore", " 1: 1\tone", " 1: 2\ttwo", " 1: 3\tthree",
                            " 1: 4\tfour", " 1: 5\tfive"});
    dir_.PutLines("Season.txt", {"2026-03-01 08:00:00\tMEET1\t1\t1\tn\t 1: 2\ttwo",
                                 "2026-03-01 08:00:00\tMEET1\t1\t2\tn\t 1: 4\tfour",
                                 "2026-03-01 08:00:00\tMEET1\t1\t3\tn\t 1: 9\tgone",
                                 "2026-03-01 08:00:00\tMEET1\t1\t4\tR\t 1: 1\tone",
                                 "2026-03-08 08:00:00\tMEET2\t1\t1\tn\t 1: 4\tfour",
                                 "2026-03-08 08:00:00\tMEET2\t1\t2\tn\t 1: 5\tfive"});
    st_.F3 = "Mat.B";
    st_.BEFORE = 1;
    st_.SECTORS = 2;
    st_.QPS[1] = st_.TQPS[1] = 3;
    st_.QPS[2] = st_.TQPS[2] = 2;
    st_.MINQZ = 2;
    st_.NAME4 = "MEET3";
    st_.season.FILE = "Season.txt";
    for (int s = 1; s <= SCMAX; ++s) st_.REGQUESTION.Size(s, REGXX, 1);
    ASSERT_FALSE(Read(work_, "Season.txt", h_));
  }

  std::string Flags(int s) {
    std::string f;
    for (int k = 1; k <= st_.TQPS[s]; ++k) f += st_.REGQUESTION(s, k) ? '1' : '0';
    return f;
  }

  testsupport::ScratchDir dir_;
  console::WorkDir work_{dir_.path()};
  std::unique_ptr<RunState> holder_ = std::make_unique<RunState>();
  RunState& st_ = *holder_;
  console::VirtualConsole con_;
  console::FixedClock clock_;
  console::Random rng_{clock_};
  packets::Run run_{st_, con_, rng_, work_};
  History h_;
};

TEST_F(SeasonRun, TheRunStartsOnTheFreshSupplyAndRecordsItsQuestionsAtTheEnd) {
  Start(run_, h_);
  EXPECT_EQ(st_.season.REG.AGE(1, 2), 1);
  EXPECT_EQ(st_.season.REG.AGE(2, 1), 2);  // the latest use counts
  EXPECT_EQ(st_.season.REG.RECORD(2, 2), " 1: 5\tfive");
  // Sector 1 offers its two fresh questions; sector 2 has none and starts
  // on those of the oldest run that used it, which is the second.
  EXPECT_EQ(Flags(1), "101");
  EXPECT_EQ(Flags(2), "11");
  EXPECT_EQ(st_.QPS[1], 2);
  EXPECT_EQ(st_.QPS[2], 2);
  EXPECT_EQ(st_.MINQZ, 2);

  // One quiz of two places: 1:3 (fresh) and 1:4 (used twice before).
  st_.Q2 = 1;
  st_.PAT[1] = "nn";
  st_.SECTOR[1] = 1, st_.NUMBER[1] = 3;
  st_.SECTOR[2] = 2, st_.NUMBER[2] = 1;
  NoteQuiz(st_);
  const Figures f = Count(st_);
  EXPECT_EQ(f.returned, 1);
  EXPECT_EQ(f.avoided, 2);  // 1:2 and 1:5; 1:9 is not in the data, 1:1 is a CV Ref
  const std::string before = dir_.Get("Season.txt");
  const auto below = Record(run_, h_, "2026-03-08 08:00:00");
  EXPECT_EQ(below,
            std::vector<std::string>{
                "  Season history: 2 questions of earlier runs avoided, 1 had to come back"});
  EXPECT_EQ(dir_.Get("Season.txt"), before +
                                        "2026-03-08 08:00:01\tMEET3\t1\t1\tn\t 1: 3\tthree\r\n"
                                        "2026-03-08 08:00:01\tMEET3\t1\t2\tn\t 1: 4\tfour\r\n");
  EXPECT_FALSE(st_.season.unwritten);
}

TEST_F(SeasonRun, MinqzCountsTheSmallestFreshSupply) {
  st_.QPS[2] = st_.TQPS[2] = 2;
  st_.MINQZ = 9;
  Match(run_, h_);
  LowerMinqz(st_);
  EXPECT_EQ(st_.MINQZ, 2);  // sector 1: 1:1 and 1:3; sector 2: the second run's two
  // A history that records none of the material leaves MINQZ alone.
  dir_.PutLines("Other.txt", {"2026-03-01 08:00:00\tX\t1\t1\tn\t 2: 1\telsewhere"});
  History other;
  ASSERT_FALSE(Read(work_, "Other.txt", other));
  st_.MINQZ = 9;
  Match(run_, other);
  LowerMinqz(st_);
  EXPECT_EQ(st_.MINQZ, 9);
}

// A history that cannot be written leaves its file as it was and says so.
TEST_F(SeasonRun, AHistoryThatCannotBeWrittenIsLeftAsItWas) {
  Start(run_, h_);
  st_.Q2 = 1;
  st_.PAT[1] = "nn";
  st_.SECTOR[1] = 1, st_.NUMBER[1] = 1;
  NoteQuiz(st_);
  const std::string before = dir_.Get("Season.txt");
  h_.file = "no-such-folder/Season.txt";
  st_.season.FILE = h_.file;
  const auto below = Record(run_, h_, "2026-03-09 08:00:00");
  ASSERT_EQ(below.size(), 3u);
  EXPECT_EQ(below[1], "  The season history no-such-folder/Season.txt was NOT updated:");
  EXPECT_TRUE(st_.season.unwritten);
  EXPECT_EQ(dir_.Get("Season.txt"), before);
}

}  // namespace
}  // namespace packets::history

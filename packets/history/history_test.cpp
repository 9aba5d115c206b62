#include "packets/history/history.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_dir.h"

namespace packets::history {
namespace {

const std::string kGood = "2026-03-14 19:05:00\tTEAM\t3\t12\tn\t 5: 3\ta Who are blessed?\tx";

TEST(HistoryLine, EachDamagedFieldIsNamedAndTheLineNumberGiven) {
  struct Case {
    std::string line;
    std::string words;
  };
  const Case cases[] = {
      {"2026-03-14 19:05:00\tTEAM\t3", "the line has 3 of its 6 fields"},
      {"2026-03-14 19:05\tTEAM\t3\t12\tn\t 5: 3\tq", "the time \"2026-03-14 19:05\" is not"},
      {"2026-13-14 19:05:00\tTEAM\t3\t12\tn\t 5: 3\tq", "the time"},
      {"2026-03-14 19:05:00\t\t3\t12\tn\t 5: 3\tq", "the output name \"\" is not 1 to 14"},
      {"2026-03-14 19:05:00\tTEAM\t151\t12\tn\t 5: 3\tq", "the quiz number \"151\""},
      {"2026-03-14 19:05:00\tTEAM\t3\t0\tn\t 5: 3\tq", "the place \"0\""},
      {"2026-03-14 19:05:00\tTEAM\t3\t12\tX\t 5: 3\tq", "the kind \"X\" is not one of n F R O S"},
      {"2026-03-14 19:05:00\tTEAM\t3\t12\tn\tWho?", "the question \"Who?\" does not begin"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    testsupport::ScratchDir dir(std::to_string(&c - cases));
    // A good line, an empty one, then the damaged one: line 3.
    dir.Put("Season.txt", kGood + "\r\n\r\n" + c.line + "\r\n");
    History h;
    const auto refused = Read(console::WorkDir(dir.path()), "Season.txt", h);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->rfind("Season.txt, line 3: " + c.words, 0), 0u) << *refused;
  }
}

// The record is everything after the fifth tab: its own tabs survive a
// rewrite, and the file comes back byte for byte.
TEST(History, RecordsKeepTheirTabsAndTheFileIsWrittenBackAsItWas) {
  testsupport::ScratchDir dir;
  const console::WorkDir work(dir.path());
  const std::string text = kGood + "\r\n" +
                           "2026-03-14 19:05:00\tTEAM\t3\t13\tF\t 5: 4\tFTV\tBlessed\t\r\n" +
                           "2026-03-21 10:00:00\tMEET2\t1\t1\tn\t 5: 3\ta Who are blessed?\tx\r\n";
  dir.Put("Season.txt", text);
  History h;
  ASSERT_FALSE(Read(work, "Season.txt", h));
  ASSERT_EQ(h.lines.size(), 3u);
  EXPECT_EQ(h.lines[1].record, " 5: 4\tFTV\tBlessed\t");
  ASSERT_EQ(h.runs.size(), 2u);
  EXPECT_EQ(h.runs[0].rank, 1);
  EXPECT_EQ(h.runs[1].rank, 2);
  // The latest use of the record both runs used is the second run.
  EXPECT_EQ(h.latest[0].at(" 5: 3\ta Who are blessed?\tx"), 2);
  EXPECT_EQ(h.latest[1].at(" 5: 4\tFTV\tBlessed\t"), 1);
  Write(work, h, {});
  EXPECT_EQ(dir.Get("Season.txt"), text);
}

TEST(History, RunsAreRankedByTimeAndANewRunIsAlwaysTheNewest) {
  testsupport::ScratchDir dir;
  const console::WorkDir work(dir.path());
  // Written out of order by hand: the later time is the newer run; two runs
  // of the same time count in the order of the file.
  dir.PutLines(
      "S.txt",
      {"2026-04-01 08:00:00\tB\t1\t1\tn\t 1: 1\tb", "2026-03-01 08:00:00\tA\t1\t1\tn\t 1: 1\ta",
       "2026-04-01 08:00:00\tC\t1\t1\tn\t 1: 1\tc", "2026-04-01 08:00:00\tB\t2\t1\tn\t 1: 1\tb2"});
  History h;
  ASSERT_FALSE(Read(work, "S.txt", h));
  ASSERT_EQ(h.runs.size(), 4u);
  EXPECT_EQ(h.runs[0].rank, 2);
  EXPECT_EQ(h.runs[1].rank, 1);
  EXPECT_EQ(h.runs[2].rank, 3);
  EXPECT_EQ(h.runs[3].rank, 4);
  EXPECT_EQ(NewRunTime(h, "2026-05-01 00:00:00"), "2026-05-01 00:00:00");
  EXPECT_EQ(NewRunTime(h, "2026-04-01 08:00:00"), "2026-04-01 08:00:01");
  EXPECT_EQ(NewRunTime(h, "2025-12-31 23:59:59"), "2026-04-01 08:00:01");
  History late;
  dir.PutLines("L.txt", {"2026-12-31 23:59:59\tX\t1\t1\tn\t 1: 1\tx"});
  ASSERT_FALSE(Read(work, "L.txt", late));
  EXPECT_EQ(NewRunTime(late, "2026-12-31 23:59:59"), "2027-01-01 00:00:00");
  History none;
  ASSERT_FALSE(Read(work, "missing.txt", none));
  EXPECT_TRUE(none.lines.empty());
  EXPECT_FALSE(dir.Has("missing.txt"));
}

}  // namespace
}  // namespace packets::history

// Whole runs with a season history: a history that records none of the
// material changes nothing of a run; a season of runs avoids the questions
// of earlier runs while fresh ones remain, and brings back the oldest first.
#include <set>
#include <tuple>

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

/// Every question a run used again: each question of its kind and sector
/// whose latest use is older (fresh ones count as the oldest) was used by the
/// run too. Returns the first question that breaks this.
std::string OldestFirst(const RunState& st) {
  const std::pair<char, const SeasonKind*> kinds[] = {{'n', &st.season.REG}, {'R', &st.season.REF}};
  for (const auto& [letter, kind] : kinds) {
    std::set<std::pair<int, int>> used;
    for (const SeasonPick& p : st.season.picks) {
      if (p.kind == letter) used.emplace(p.sector, p.number);
    }
    for (const auto& [s, k] : used) {
      const int age = kind->AGE(s, k);
      if (age == 0) continue;
      for (int other = 1; other <= kind->AGE.Count(s); ++other) {
        if (kind->AGE(s, other) < age && !used.count({s, other})) {
          return std::string(1, letter) + " sector " + std::to_string(s) + ": question " +
                 std::to_string(k) + " of run " + std::to_string(age) + " came back before " +
                 std::to_string(other) + " of run " + std::to_string(kind->AGE(s, other));
        }
      }
    }
  }
  return "";
}

// Five runs of one style with one history, over a material of 100 regular
// questions and 20 CV Refs in 5 sectors; each run takes 20 regular
// questions and 5 CV Refs.
TEST_F(SelectionRun, ASeasonUsesFreshQuestionsFirstAndTheOldestAfterThem) {
  Questions q;
  for (int v = 1; v <= 25; ++v) {
    q.Regular(1, v, 4);
    if (v % 5 != 0)
      q.cv.push_back(Ref(1, v) + "\tCV\tWhat is said in 1:" + std::to_string(v) + "?");
  }
  q.Put(dir_);
  Style s;
  s.lines[3] = "1 25";
  s.lines[7] = "5";
  s.lines[12] = "5";
  s.lines[26] = "1";
  s.lines[27] = "5";
  s.Specialties("1 1 0 0 1 1 0 0 0 0");
  history_ = "Season.txt";
  std::set<std::tuple<char, int, int>> seen;  // every question of the season so far
  for (int run = 1; run <= 5; ++run) {
    SCOPED_TRACE(run);
    Go(s, 100 + static_cast<std::uint64_t>(run));
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(OldestFirst(st_), "");
    EXPECT_EQ(st_.season.runs, run - 1);
    int again = 0;
    std::set<std::tuple<char, int, int>> here;
    for (const SeasonPick& p : st_.season.picks) {
      if (here.emplace(p.kind, p.sector, p.number).second &&
          seen.count({p.kind, p.sector, p.number})) {
        ++again;
      }
    }
    seen.insert(here.begin(), here.end());
    const std::string notes = Notes();
    EXPECT_NE(notes.find("had to come back"), std::string::npos);
    if (run == 1) {
      EXPECT_EQ(again, 0);
    }
    if (run == 5) {
      EXPECT_GT(again, 0);
      EXPECT_NE(notes.find("Regular Question Repeats begin quiz"), std::string::npos) << notes;
      EXPECT_NE(notes.find("CV Repeats begin quiz"), std::string::npos) << notes;
    }
    // Sector, number and kind go by the record: the history gains the run's 25 lines.
    int lines = 0;
    for (char c : dir_.Get("Season.txt")) lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, 25 * run);
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

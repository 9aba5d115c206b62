// `packets --history FILE` as a quiz master runs it: a season of seeded
// `--run` runs over one history, a damaged history refused before anything
// else happens, a run killed during its quizzes, --list and --forget.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/scratch_dir.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Ended {
  int status = -1;
  std::string out, err;
};

/// Starts `packets` with `args` in `dir`, its standard streams in files of
/// `streams`; returns its process id.
pid_t Start(const testsupport::ScratchDir& dir, const testsupport::ScratchDir& streams,
            const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, (streams.path() / "out").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, (streams.path() / "err").c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, dir.path().c_str());
  std::vector<std::string> all{PACKETS_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, PACKETS_PATH, &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

/// Waits for process `pid`: its exit status (128 + the signal when a signal ended it).
int Wait(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Ended Packets(const testsupport::ScratchDir& dir, const std::vector<std::string>& args) {
  testsupport::ScratchDir streams("streams");
  Ended e;
  e.status = Wait(Start(dir, streams, args));
  e.out = streams.Get("out");
  e.err = streams.Get("err");
  return e;
}

/// Every file of `dir` with its bytes.
std::map<std::string, std::string> Files(const testsupport::ScratchDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    files[entry.path().filename().string()] = dir.Get(entry.path().filename().string());
  }
  return files;
}

const std::string kHistory =
    "2026-03-01 08:00:00\tMEET1\t1\t1\tn\t 1: 1\tWho?\tAnswer\r\n"
    "2026-03-01 08:00:00\tMEET1\t1\t2\tR\t 1: 2\tCV\tWhat?\r\n"
    "2026-03-08 08:00:00\tMEET2\t1\t1\tn\t 1: 3\tWhen?\r\n";

TEST(SeasonProgram, ADamagedLineIsRefusedWithItsNumberBeforeTheTitleScreen) {
  testsupport::ScratchDir dir;
  dir.Put("Season.txt", kHistory + "2026-03-08 08:00:00\tMEET2\t1\t2\tQ\t 1: 4\tWhy?\r\n");
  dir.CopyData("VERSES.TXT");
  const auto before = Files(dir);
  const Ended e = Packets(dir, {"--history", "Season.txt"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(e.err, "packets: Season.txt, line 4: the kind \"Q\" is not one of n F R O S\n");
  EXPECT_EQ(Files(dir), before);
}

TEST(SeasonProgram, ListAndForgetChangeNothingButTheHistory) {
  testsupport::ScratchDir dir;
  dir.Put("Season.txt", kHistory);
  dir.Put("MEET1.qui", "packet");
  Ended e = Packets(dir, {"--history", "Season.txt", "--list"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.out,
            "2026-03-01 08:00:00  MEET1             1 quizzes      2 questions\n"
            "2026-03-08 08:00:00  MEET2             1 quizzes      1 questions\n");
  e = Packets(dir, {"--history", "Season.txt", "--forget", "MEET1"});
  EXPECT_EQ(e.status, 0);
  EXPECT_EQ(e.out, "Removed 2 lines of the runs named MEET1 from Season.txt.\n");
  EXPECT_EQ(Files(dir),
            (std::map<std::string, std::string>{
                {"MEET1.qui", "packet"},
                {"Season.txt", "2026-03-08 08:00:00\tMEET2\t1\t1\tn\t 1: 3\tWhen?\r\n"}}));
  // Options that do not go together are mistakes of the command line.
  // A damaged history is refused by both and left as it is.
  dir.Put("Season.txt", "damaged\r\n");
  for (const char* what : {"--list", "--forget"}) {
    std::vector<std::string> args{"--history", "Season.txt", what};
    if (std::string(what) == "--forget") args.push_back("MEET2");
    e = Packets(dir, args);
    EXPECT_EQ(e.status, 1) << what;
    EXPECT_EQ(e.err.rfind("packets: Season.txt, line 1: the line has 1 of its 6 fields", 0), 0u)
        << e.err;
  }
  EXPECT_EQ(dir.Get("Season.txt"), "damaged\r\n");
  EXPECT_EQ(Packets(dir, {"--history", ""}).status, 2);
  e = Packets(dir, {"--list"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.err.rfind("packets: '--list' and '--forget' need '--history FILE'\n", 0), 0u)
      << e.err;
}

/// Five verses of 20 regular questions and 4 CV Refs each; a style of 5
/// quizzes of 5 places over them, one CV Ref a quiz, sectored by question, so
/// that each verse is a sector of its own.
void PutSeasonData(const testsupport::ScratchDir& dir) {
  std::string regular, cv;
  for (int v = 1; v <= 5; ++v) {
    for (int i = 1; i <= 20; ++i) {
      regular += " 1: " + std::to_string(v) + "\tWho\tis asked about 1:" + std::to_string(v) +
                 " the " + std::to_string(i) + ". time?\r\n";
    }
    for (int i = 1; i <= 4; ++i) {
      cv += " 1: " + std::to_string(v) + "\tCV\tWhat is said in 1:" + std::to_string(v) +
            ", number " + std::to_string(i) + "?\r\n";
    }
  }
  dir.Put("Mat.B", regular);
  dir.Put("cv.b", cv);
  for (const char* name : {"FTV.00", "co.b", "SIT.TXT"}) dir.Put(name, "");
  dir.CopyData("VERSES.TXT");
  dir.CopyData("New.spe");
  dir.PutLines("Specs.lst", {"Team", "Enter New Specs"});
  dir.PutLines("Team.spe", {"F",
                            "1 1",
                            "1 5",
                            "TEAM",
                            "60",
                            "P",
                            "5",
                            "B",
                            "16",
                            "50",
                            "Y",
                            "5",
                            "Q",
                            "0",
                            "1",
                            "1",
                            "0",
                            "0",
                            "1",
                            "1",
                            "0",
                            "0",
                            "0",
                            "0",
                            "100",
                            "1",
                            "5",
                            "N",
                            std::string(30, 'n')});
}

/// A question of the season: its kind letter and its whole data line.
using Question = std::pair<char, std::string>;

/// The history's lines, run by run (consecutive lines of the same time).
std::vector<std::vector<Question>> RunsOf(const std::string& history) {
  std::vector<std::vector<Question>> runs;
  std::string last;
  std::istringstream in(history);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f;
    std::size_t at = 0;
    for (int i = 0; i < 5; ++i) {
      const std::size_t tab = line.find('\t', at);
      f.push_back(line.substr(at, tab - at));
      at = tab + 1;
    }
    if (runs.empty() || f[0] != last) runs.emplace_back();
    last = f[0];
    runs.back().emplace_back(f[4][0], line.substr(at));
  }
  return runs;
}

// Five seeded runs of one style with one history: a question comes back
// only when every question of its kind and sector whose last use is older
// (a fresh one counts as the oldest) was used by the run too; the fifth run
// must reuse, and its notes report the restarts.
TEST(SeasonProgram, FiveSeededRunsOfOneStyleWithOneHistory) {
  testsupport::ScratchDir dir;
  PutSeasonData(dir);
  // Every question of the material, by kind and sector (its verse).
  std::map<std::pair<char, char>, std::vector<std::string>> sectors;
  for (const auto& [kind, file] : {std::pair{'n', "Mat.B"}, std::pair{'R', "cv.b"}}) {
    std::istringstream in(dir.Get(file));
    for (std::string line; std::getline(in, line);) {
      line.pop_back();
      sectors[{kind, line[4]}].push_back(line);
    }
  }
  std::string fifth;
  for (int run = 1; run <= 5; ++run) {
    SCOPED_TRACE(run);
    const Ended e = Packets(
        dir, {"--run", "Team", "--seed", std::to_string(40 + run), "--history", "Season.txt"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("\nSeason.txt\n"), std::string::npos) << e.out;
    EXPECT_NE(e.out.find("Run note: Season history: "), std::string::npos) << e.out;
    if (run == 5) fifth = e.out;
  }
  const auto runs = RunsOf(dir.Get("Season.txt"));
  ASSERT_EQ(runs.size(), 5u);
  std::map<Question, int> latest;  // the run that last used a question
  int reused = 0;
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(runs[r].size(), 25u);
    const std::set<Question> used(runs[r].begin(), runs[r].end());
    for (const Question& q : used) {
      const auto age = [&](const Question& x) { return latest.count(x) ? latest[x] : 0; };
      if (age(q) == 0) continue;
      ++reused;
      for (const std::string& other : sectors[{q.first, q.second[4]}]) {
        const Question o{q.first, other};
        EXPECT_FALSE(age(o) < age(q) && !used.count(o))
            << "run " << r + 1 << " used again " << q.second << " (last used by run " << age(q)
            << ") before " << other << " (" << age(o) << ")";
      }
    }
    for (const Question& q : used) latest[q] = r + 1;
  }
  EXPECT_GT(reused, 0);
  EXPECT_NE(fifth.find("Run note: Regular Question Repeats begin quiz"), std::string::npos)
      << fifth;
  EXPECT_NE(fifth.find("Run note: CV Repeats begin quiz"), std::string::npos) << fifth;
}

// A run killed while it writes its quizzes leaves the history byte for byte
// as it was. The packet file is a pipe that the test stops reading, so the
// run is caught in the middle of its quizzes.
TEST(SeasonProgram, ARunKilledDuringItsQuizzesLeavesTheHistoryAsItWas) {
  testsupport::ScratchDir dir;
  PutSeasonData(dir);
  ASSERT_EQ(Packets(dir, {"--run", "Team", "--seed", "1", "--history", "Season.txt"}).status, 0);
  // 150 quizzes, far more than the pipe holds.
  std::string style = dir.Get("Team.spe");
  style.replace(style.find("\r\n5\r\nQ\r\n"), 8, "\r\n150\r\nQ\r\n");
  dir.Put("Team.spe", style);
  const std::string before = dir.Get("Season.txt");
  fs::remove(dir.path() / "TEAM.qui");
  ASSERT_EQ(mkfifo((dir.path() / "TEAM.qui").c_str(), 0644), 0);
  testsupport::ScratchDir streams("streams");
  const pid_t pid = Start(dir, streams, {"--run", "Team", "--history", "Season.txt"});
  // Opening the pipe for reading lets the run's writes in; the first bytes
  // of a quiz show the quizzes are being written.
  // Not waiting on the open or on reads, so that a run that never gets to
  // its quizzes fails the test instead of hanging it.
  const int fd = open((dir.path() / "TEAM.qui").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  std::string got;
  char buf[4096];
  // The run opens the packet file once to empty it before the quizzes (the
  // pipe then reads as ended until the quizzes open it again).
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (got.find("1.") == std::string::npos && std::chrono::steady_clock::now() < limit) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno != EAGAIN) break;
    if (n <= 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    got.append(buf, static_cast<std::size_t>(n));
  }
  EXPECT_NE(got.find("1."), std::string::npos) << "no quiz came through the pipe";
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the run fills the pipe and waits
  ASSERT_EQ(kill(pid, SIGKILL), 0);
  EXPECT_EQ(Wait(pid), 128 + SIGKILL);
  close(fd);
  EXPECT_TRUE(dir.Get("Season.txt") == before) << "the history changed";
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    EXPECT_EQ(entry.path().filename().string().find("Season.txt.tmp"), std::string::npos)
        << "a temporary history was left";
  }
}

// A history that cannot be written at the end: the packet and usage record
// stand, the run says the history was not updated, and ends with status 1.
TEST(SeasonProgram, AHistoryThatCannotBeWrittenEndsTheRunWithStatusOne) {
  testsupport::ScratchDir dir;
  PutSeasonData(dir);
  // A plain file where the history's folder should be: no user can write there.
  dir.Put("locked", "a file, not a folder");
  const std::string history = "locked/Season.txt";
  const Ended e = Packets(dir, {"--run", "Team", "--seed", "3", "--history", history});
  EXPECT_EQ(e.status, 1);
  EXPECT_NE(e.out.find("TEAM.qui\nTEAM.inf\n"), std::string::npos) << e.out;
  EXPECT_NE(e.out.find("The season history locked/Season.txt was NOT updated:"), std::string::npos)
      << e.out;
  EXPECT_NE(e.err.find("packets: the season history locked/Season.txt was not updated\n"),
            std::string::npos)
      << e.err;
  EXPECT_TRUE(dir.Has("TEAM.qui") && dir.Has("TEAM.inf"));
  EXPECT_EQ(dir.Get("locked"), "a file, not a folder");
}

}  // namespace

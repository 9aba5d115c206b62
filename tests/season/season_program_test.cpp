// `packets --history FILE` as a quiz master runs it: a damaged history is
// refused before anything else happens, --list and --forget report on the
// history and change nothing else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>
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
  e = Packets(dir, {"--list"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.err.rfind("packets: '--list' and '--forget' need '--history FILE'\n", 0), 0u)
      << e.err;
}

}  // namespace

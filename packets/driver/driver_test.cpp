#include "packets/driver/driver.h"

#include <gtest/gtest.h>

#include <map>

#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/run/run_notes.h"
#include "tests/support/scratch_dir.h"

namespace packets::driver {
namespace {

FileNames NamesFor(char lg, int primpct, char reglst, const std::string& name4 = "TEAM") {
  RunState st;
  st.LG = lg;
  st.PRIMPCT = primpct;
  st.REGLST = reglst;
  st.NAME4 = name4;
  return BuildFileNames(st);
}

TEST(FileNames, PoolAndCountFilesFollowThePrimaryPercentage) {
  FileNames f = NamesFor('F', 59, 'B');
  EXPECT_EQ(f.ftv, "FTV.59");
  EXPECT_EQ(f.count, "count.59B");
  EXPECT_EQ(f.regular, "Mat.B");
  EXPECT_EQ(f.cv, "cv.b");
  EXPECT_EQ(f.co, "co.b");
  EXPECT_EQ(f.sit, "SIT.TXT");
  EXPECT_EQ(f.packet, "TEAM.qui");
  EXPECT_EQ(f.usage, "TEAM.inf");

  f = NamesFor('F', 100, 'A');
  EXPECT_EQ(f.ftv, "FTV.00");
  EXPECT_EQ(f.count, "count.00A");
}

TEST(FileNames, LimitedChapterCopyAndSetC) {
  FileNames f = NamesFor('L', 59, 'B');
  EXPECT_EQ(f.ftv, "LLFTV.59");
  EXPECT_EQ(f.count, "LLcount.59B");
  EXPECT_EQ(f.regular, "LLMat.B");
  EXPECT_EQ(f.cv, "LLcv.b");
  EXPECT_EQ(f.co, "LLco.b");
  EXPECT_EQ(f.sit, "llsit.txt");

  for (char set : {'C', 'c'}) {
    f = NamesFor('F', 80, set);
    EXPECT_EQ(f.cv, "cv.c");
    EXPECT_EQ(f.co, "co.c");
  }
  EXPECT_EQ(NamesFor('F', 80, 'D').cv, "cv.b");
}

// The list splits at the system's separator: ':' here, ';' on Windows, where
// a directory name may hold a colon after its drive letter.
TEST(SearchPath, PathWinsOverPATHAndSplitsAtTheSystemsSeparator) {
  std::map<std::string, std::string> env{
      {"PATH", std::string("/usr/bin") + console::kPathListSeparator + "/bin"}};
  auto lookup = [&](const std::string& n) -> std::optional<std::string> {
    auto it = env.find(n);
    if (it == env.end()) return std::nullopt;
    return it->second;
  };
  EXPECT_EQ(SearchPath(lookup), (std::vector<std::string>{"/usr/bin", "/bin"}));
  env["Path"] = "/data/quiz";
  EXPECT_EQ(SearchPath(lookup), (std::vector<std::string>{"/data/quiz"}));
#ifdef _WIN32
  env["Path"] = "C:\\quiz;D:\\season 2";
  EXPECT_EQ(SearchPath(lookup), (std::vector<std::string>{"C:\\quiz", "D:\\season 2"}));
#endif
  env.clear();
  EXPECT_TRUE(SearchPath(lookup).empty());
}

// The run notes reach the end of the usage record line for line: an empty
// "temp.txt" adds one empty line, two notes exactly two lines.
TEST(RunNotes, CopiedToTheEndOfTheUsageRecord) {
  struct Case {
    std::vector<std::string> notes;
    std::string added;
  } cases[] = {
      {{}, "\r\n"},
      {{notes::CvRepeats(2), notes::SectorsRepeatQuest(5, 7)},
       "CV Repeats begin quiz 2\r\nSectors repeat Quest 5 Quiz 7\r\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    testsupport::ScratchDir dir(std::to_string(++n));
    dir.Put("TEAM.inf", "block\r\n");
    dir.Put("temp.txt", "");
    RunState st;
    st.F10 = "TEAM.inf";
    console::VirtualConsole con;
    console::FixedClock clock;
    console::Random rng(clock);
    console::WorkDir work(dir.path());
    packets::Run run{st, con, rng, work};
    for (const std::string& note : c.notes) notes::AppendNote(run, note);
    CopyRunNotes(run);
    EXPECT_EQ(dir.Get("TEAM.inf"), "block\r\n" + c.added) << n;
  }
}

}  // namespace
}  // namespace packets::driver

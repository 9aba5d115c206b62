// `packets --seed N`: two whole runs from the same seed, on the same data and
// the same keys, make the same draws and leave the same files byte for byte.
// The run below goes from the style menu to the closing screen; every file it
// writes (patterns, packet, usage record, run notes) is compared, so the
// test grows with the phases that draw.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "console/virtual_screen.h"
#include "packets/driver/driver.h"
#include "packets/driver/start.h"
#include "tests/support/config_keys.h"
#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

/// What a run leaves behind: every file of its directory, every screen it
/// waited on, and the next draws of its generator.
struct Result {
  std::map<std::string, std::string> files;
  std::vector<std::string> screens;
  std::vector<int> draws;
};

class ScreenRecorder : public console::VirtualConsole {
 public:
  char ReadKey() override {
    screens.push_back(Text());
    return VirtualConsole::ReadKey();
  }
  std::vector<std::string> screens;
};

/// One regular question on every verse of 1:1 to 2:10; a style of five
/// quizzes of ten questions.
void PutData(const testsupport::ScratchDir& dir) {
  std::string regular;
  for (int c = 1; c <= 2; ++c) {
    for (int v = 1; v <= (c == 1 ? 25 : 10); ++v) {
      char ref[16];  // room for any two ints, as the compiler checks
      std::snprintf(ref, sizeof ref, "%2d:%2d", c, v);
      regular += std::string(ref) + "\ta Who is asked about verse " + std::to_string(v) + "?\r\n";
    }
  }
  dir.Put("Mat.A", regular);
  for (const char* name : {"FTV.00", "cv.b", "co.b", "SIT.TXT"}) dir.Put(name, "");
  dir.CopyData("VERSES.TXT");
  dir.CopyData("New.spe");
  dir.PutLines("Specs.lst", {"Team", "Enter New Specs"});
  dir.PutLines("Team.spe", {"F",
                            "1 1",
                            "2 10",
                            "TEAM",
                            "60",
                            "P",
                            "5",
                            "A",
                            "16",
                            "50",
                            "Y",
                            "10",
                            "V",
                            "0",
                            "0",
                            "0",
                            "0",
                            "0",
                            "0",
                            "0",
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

Result SeededRun(std::uint64_t seed, const std::string& suffix) {
  testsupport::ScratchDir dir(suffix);
  PutData(dir);
  ScreenRecorder con;
  con.Keys("\r");                       // style menu: Team
  con.Keys(testsupport::kAcceptStyle);  // configuration screen: as it stands
  con.Keys("\r");                       // the drawn patterns accepted
  con.Keys("\r");                       // sector table accepted
  con.Keys("n\r");                      // repeat warning: no resectoring
  con.Keys("\r");                       // approval menu: run automatically
  con.Keys("\r");                       // "Quizzes Complete" after the repeat messages
  con.Keys("\r");                       // closing screen
  con.Keys(console::kKeyUp + "\r");     // style menu again: Exit
  auto clock = driver::RunClock(seed);
  console::Random rng(*clock);
  console::WorkDir work(dir.path());
  auto st = std::make_unique<RunState>();
  Run run{*st, con, rng, work};
  driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
  EXPECT_EQ(con.Pending(), 0u);

  Result r;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    r.files[entry.path().filename().string()] = dir.Get(entry.path().filename().string());
  }
  r.screens = con.screens;
  for (int i = 0; i < 64; ++i) r.draws.push_back(rng.Next(1000));
  return r;
}

TEST(SeededRun, TheSameSeedMakesTheSameRunAndAnotherSeedOtherDraws) {
  const Result a = SeededRun(20240607, "a");
  const Result b = SeededRun(20240607, "b");
  ASSERT_TRUE(a.files.count("TEAM.qui")) << "the run made no packet";
  EXPECT_TRUE(a.files == b.files);  // byte for byte, without printing them whole
  for (const auto& [name, bytes] : a.files) {
    EXPECT_TRUE(b.files.count(name) && b.files.at(name) == bytes) << name << " differs";
  }
  EXPECT_EQ(a.screens, b.screens);
  EXPECT_EQ(a.draws, b.draws);
  EXPECT_NE(SeededRun(20240608, "c").draws, a.draws);
}

}  // namespace
}  // namespace packets

// The Windows programs under Wine, in the same 80x25 pane as the Linux ones:
// databuild on the sample, then a run of packets from the style menu to the
// closing screen with the title's and the menus' colours checked; the same
// keys and seed given to the Linux programs leave the same files byte for
// byte. The Windows programs' refusals of bad input read as the Linux
// programs' do. Runs when MATQUIZ_WINDOWS_BIN names the folder of the
// Windows programs (scripts/windows sets it, and WINEPREFIX); skipped
// otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kWine = "/usr/lib/wine/wine64";
constexpr int kLightGrey = 7, kBlack = 0;

/// A style of 4 quizzes of 12 questions over Matthew 1:1 to 4:25 with
/// output name `out`, specialties in places 3 to 10.
std::string TeamStyle(const std::string& out = "Team", char layout = 'P', char sector_by = 'V') {
  return "F\r\n1 1\r\n4 25\r\n" + out + "\r\n60\r\n" + std::string(1, layout) +
         "\r\n12\r\nA\r\n16\r\n50\r\nY\r\n4\r\n" + std::string(1, sector_by) +
         "\r\n10\r\n4\r\n2\r\n2\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n100\r\n3\r\n10\r\nN\r\n"
         "nnAAAAAAAAnnnnnnnnnnnnnnnnnnnn\r\n";
}

std::string WindowsBin() {
  const char* bin = std::getenv("MATQUIZ_WINDOWS_BIN");
  return bin ? bin : "";
}

std::vector<std::string> WindowsProgram(const std::string& name) {
  return {kWine, (fs::path(WindowsBin()) / (name + ".exe")).string()};
}

std::vector<std::string> LinuxProgram(const std::string& name) {
  return {(fs::path(PACKETS_PATH).parent_path() / name).string()};
}

/// Runs `argv` in `dir` from a shell; `redirect` is added to the command
/// line.
termtest::CommandResult RunIn(const fs::path& dir, const std::vector<std::string>& argv,
                              const std::string& redirect = "") {
  std::string line = "cd " + termtest::ShellQuote(dir.string()) + " &&";
  for (const std::string& word : argv) line += " " + termtest::ShellQuote(word);
  return termtest::RunCommand({"/bin/sh", "-c", line + redirect});
}

bool CanRunWindowsPrograms() {
  return !WindowsBin().empty() && fs::exists(kWine) && std::getenv("WINEPREFIX") != nullptr;
}

/// Every file of a directory by name, with its bytes.
std::map<std::string, std::string> Files(const testsupport::ScratchDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    files[name] = dir.Get(name);
  }
  return files;
}

/// Output of a command with carriage returns taken out: the Windows
/// programs end the lines they print with CR LF, as programs there do.
termtest::CommandResult WithoutCr(termtest::CommandResult result) {
  std::erase(result.output, '\r');
  return result;
}

class WineScenario : public Scenario {
 protected:
  void SetUp() override {
    if (!CanRunWindowsPrograms())
      GTEST_SKIP() << "MATQUIZ_WINDOWS_BIN and WINEPREFIX are not set (scripts/windows sets "
                      "them) or Wine is missing: the Windows programs are not tried";
    environment_ = {std::string("WINEPREFIX=") + std::getenv("WINEPREFIX"), "WINEDEBUG=-all"};
    Scenario::SetUp();
  }

  /// A fresh working directory: databuild on the sample, then style Team
  /// with seed 7 from the style menu to the closing screen and "Exit".
  /// Every file the programs leave.
  std::map<std::string, std::string> WholeRun() {
    for (const auto& entry : fs::directory_iterator(Work())) fs::remove_all(entry.path());
    const termtest::CommandResult setup =
        termtest::RunCommand({PACKETS_PATH, "--setup", Work().string()});
    EXPECT_EQ(setup.status, 0) << setup.output;
    fs::copy_file(testsupport::SourceDir() / "data" / "sample" / "Mat.dsk", Work() / "Mat.dsk");

    const std::string built = BuildData();
    EXPECT_NE(built.find("Installation"), std::string::npos) << built;
    EXPECT_NE(built.find("Successful"), std::string::npos) << built;
    Dir().Put("Team.spe", TeamStyle());
    Dir().PutLines("Specs.lst", {"Team", "Enter New Specs"});

    StartPackets(7);
    // The title: the program's name in red and black on light grey; the
    // menu: the chosen entry white on red, the others yellow on blue.
    EXPECT_TRUE(AwaitColours(3, 1, kRed, kLightGrey));
    EXPECT_TRUE(AwaitColours(4, 1, kBlack, kLightGrey));
    EXPECT_TRUE(Await("Team"));
    EXPECT_TRUE(AwaitColours(33, 6, kWhite, kRed));
    EXPECT_TRUE(AwaitColours(33, 7, kYellow, kBlue));
    if (!ChooseStyle(1) || !AcceptStyle()) return {};
    if (!Await("Sc From    To    --Total Questions--")) return {};
    Press({"Enter"});
    if (!Await("Approve specialty combinations for each quiz")) return {};
    EXPECT_TRUE(AwaitColours(16, 3, kWhite, kRed));
    EXPECT_TRUE(AwaitColours(16, 4, kYellow, kBlue));
    Press({"Enter"});
    if (!FinishRunAndExit("Team.inf")) return {};
    return Files(Dir());
  }
};

TEST_F(WineScenario, DatabuildAndARunLeaveTheFilesOfTheLinuxPrograms) {
  const std::map<std::string, std::string> linux_files = WholeRun();
  ASSERT_TRUE(linux_files.count("Team.qui")) << "the Linux run did not finish";
  databuild_ = WindowsProgram("databuild");
  packets_ = WindowsProgram("packets");
  const std::map<std::string, std::string> windows_files = WholeRun();
  ASSERT_TRUE(windows_files.count("Team.qui")) << "the run under Wine did not finish";
  // The 50 data files, the run's files and the shipped ones.
  EXPECT_GT(linux_files.size(), 55u);
  for (const auto& [name, bytes] : linux_files) {
    const auto it = windows_files.find(name);
    if (it == windows_files.end()) {
      ADD_FAILURE() << name << " was not written under Wine";
    } else {
      EXPECT_TRUE(it->second == bytes) << name << " differs between the builds";
    }
  }
  EXPECT_EQ(windows_files.size(), linux_files.size());
}

/// In a fresh working directory: `databuild --yes` on the sample, then
/// `packets --run` with seed 2026 for the style in every layout and every
/// sectoring, each run's standard output and error kept in files of their
/// own. Every file left, with the carriage returns of those two taken out
/// (the Windows programs print CR LF, as programs there do).
std::map<std::string, std::string> SeededRuns(bool windows) {
  testsupport::ScratchDir dir(windows ? "windows" : "linux");
  const termtest::CommandResult setup =
      termtest::RunCommand({PACKETS_PATH, "--setup", dir.path().string()});
  EXPECT_EQ(setup.status, 0) << setup.output;
  fs::copy_file(testsupport::SourceDir() / "data" / "sample" / "Mat.dsk", dir.path() / "Mat.dsk");
  auto run = [&](const std::string& program, const std::vector<std::string>& args,
                 const std::string& log) {
    std::vector<std::string> argv = windows ? WindowsProgram(program) : LinuxProgram(program);
    argv.insert(argv.end(), args.begin(), args.end());
    RunIn(dir.path(), argv, " >" + log + ".out 2>" + log + ".err; echo $? >" + log + ".status");
  };
  run("databuild", {"--yes"}, "databuild");
  for (char sector_by : {'V', 'Q', 'C'}) {
    for (char layout : {'P', 'C', 'T'}) {
      const std::string name = std::string("T") + layout + sector_by;
      dir.Put(name + ".spe", TeamStyle(name, layout, sector_by));
      run("packets", {"--run", name, "--seed", "2026"}, name);
    }
  }
  std::map<std::string, std::string> files = Files(dir);
  for (auto& [name, bytes] : files) {
    const std::string kind = fs::path(name).extension().string();
    if (kind == ".out" || kind == ".err") std::erase(bytes, '\r');
  }
  return files;
}

// The same seeded runs without a terminal on both builds: the question data
// files, patterns, packets, usage records, run notes (and whatever else a
// run writes) and what the programs print are the same.
TEST(WineRun, SeededRunsLeaveTheFilesOfTheLinuxPrograms) {
  if (!CanRunWindowsPrograms())
    GTEST_SKIP() << "MATQUIZ_WINDOWS_BIN and WINEPREFIX are not set, or Wine is missing";
  const std::map<std::string, std::string> linux_files = SeededRuns(false);
  const std::map<std::string, std::string> windows_files = SeededRuns(true);
  ASSERT_TRUE(linux_files.count("TPV.qui")) << linux_files.at("TPV.err");
  for (const auto& [name, bytes] : linux_files) {
    const auto it = windows_files.find(name);
    if (it == windows_files.end()) {
      ADD_FAILURE() << name << " was not written under Wine";
    } else if (it->second != bytes) {
      ADD_FAILURE() << name << " differs between the builds"
                    << (bytes.size() < 2000 ? ":\n" + bytes + "\n---\n" + it->second : "");
    }
  }
  EXPECT_EQ(windows_files.size(), linux_files.size());
}

// Ctrl-C ends the program with the status of an interrupted program, as on
// a Unix terminal; it was reported as success (0) before.
TEST_F(WineScenario, CtrlCEndsThePrograms) {
  packets_ = WindowsProgram("packets");
  StartPackets(3);
  ASSERT_TRUE(Await("Enter New Specs"));
  Press({"C-c"});
  EXPECT_EQ(Ended(), 130);
}

// What the Linux programs refuse in words, the Windows programs refuse in
// the same words and with the same status.
TEST_F(WineScenario, BadInputIsRefusedInTheSameWords) {
  Dir().PutLines("Bad.dsk", {"this is no question database"});
  fs::remove(Work() / "Mat.dsk");
  const std::vector<std::vector<std::string>> cases = {
      {"packets", "--seed", "ten"},
      {"packets", "--frob"},
      {"packets", "--setup"},
      {"packets", "--run", "Nothing"},
      {"packets", "--run", "Team", "--seed", "-1"},
      {"databuild", "--check", "Bad.dsk"},
      {"databuild", "--check", "Missing.dsk"},
      {"databuild", "--yes"},  // no Mat.dsk here
      {"databuild", "extra"},
      {"packets"},  // output to a pipe: no terminal to draw on
      {"databuild"},
  };
  for (const std::vector<std::string>& c : cases) {
    std::vector<std::string> native = LinuxProgram(c[0]);
    std::vector<std::string> windows = WindowsProgram(c[0]);
    native.insert(native.end(), c.begin() + 1, c.end());
    windows.insert(windows.end(), c.begin() + 1, c.end());
    const termtest::CommandResult want = RunIn(Work(), native);
    const termtest::CommandResult got = WithoutCr(RunIn(Work(), windows));
    EXPECT_EQ(got.status, want.status) << ::testing::PrintToString(c);
    EXPECT_EQ(got.output, want.output) << ::testing::PrintToString(c);
  }
}

}  // namespace
}  // namespace e2e

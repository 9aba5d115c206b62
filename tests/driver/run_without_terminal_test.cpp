// `packets --run STYLE` against the interactive run: for many seeded styles
// over the sample data, in the three layouts and the three sectorings, the
// run without a terminal leaves the same files, byte for byte, as the
// interactive run in which the user chose the style and then only pressed
// Enter; a style that one of them refuses, the other refuses too.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <sstream>

#include "console/headless.h"
#include "databuild/builder.h"
#include "packets/driver/driver.h"
#include "packets/driver/start.h"
#include "packets/styles/style_file.h"
#include "packets/styles/styles.h"
#include "tests/support/answering_console.h"
#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

namespace fs = std::filesystem;

const driver::Environment kNoEnvironment = [](const std::string&) { return std::nullopt; };

/// Every file of a directory that a run writes, by name. The style files,
/// the style list and the style hand-over belong to the style menu, which
/// only the interactive run shows.
std::map<std::string, std::string> RunFiles(const testsupport::ScratchDir& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".spe" || name == "Specs.lst" || name == "temp2.txt") continue;
    files[name] = dir.Get(name);
  }
  return files;
}

/// A working directory with the sample database installed, the verse table
/// and the style `style` as the only entry of the style list.
void PutWorkDir(const testsupport::ScratchDir& dir, const fs::path& installed,
                const StyleRecord& style) {
  for (const auto& entry : fs::directory_iterator(installed)) {
    fs::copy_file(entry.path(), dir.path() / entry.path().filename());
  }
  dir.CopyData("VERSES.TXT");
  dir.CopyData("New.spe");
  dir.PutLines("Specs.lst", {"Run", "Enter New Specs"});
  styles::WriteStyleFile(console::WorkDir(dir.path()), "Run.spe", style);
}

struct Outcome {
  bool complete = false;
  std::map<std::string, std::string> files;
  std::string says;  // what the run without a terminal said on standard error
};

/// Calls `body` with a run context on `con` in `dir`, its draws from `seed`.
template <class Body>
void WithRun(console::Console& con, const testsupport::ScratchDir& dir, std::uint64_t seed,
             Body body) {
  auto clock = driver::RunClock(seed);
  console::Random rng(*clock);
  console::WorkDir work(dir.path());
  auto st = std::make_unique<RunState>();
  Run run{*st, con, rng, work};
  body(run);
}

Outcome Interactive(const testsupport::ScratchDir& dir, std::uint64_t seed) {
  testsupport::AnsweringConsole con;
  WithRun(con, dir, seed, [](Run& run) { driver::RunPackets(run, kNoEnvironment); });
  Outcome o;
  o.files = RunFiles(dir);
  o.complete = con.last_refusal.empty() && dir.Has("RUN.qui");
  return o;
}

Outcome WithoutTerminal(const testsupport::ScratchDir& dir, std::uint64_t seed) {
  console::HeadlessConsole con;
  std::ostringstream out, err;
  int status = -1;
  WithRun(con, dir, seed,
          [&](Run& run) { status = driver::RunStyle(run, "Run", kNoEnvironment, out, err); });
  Outcome o;
  o.complete = status == 0;
  o.files = RunFiles(dir);
  o.says = err.str();
  if (o.complete) {
    // The summary names the packet and the usage record first, then the
    // PDF copy.
    EXPECT_EQ(out.str().substr(0, 26), "RUN.qui\nRUN.inf\nRUN.pdf\npa") << out.str();
  } else {
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(status, 1) << err.str();
  }
  return o;
}

/// A style drawn from `g`, in layout `out` and sectoring `sec`.
StyleRecord DrawStyle(std::mt19937& g, char out, char sec) {
  const auto pick = [&g](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(g); };
  StyleRecord r =
      styles::ReadStyleFile(console::WorkDir(testsupport::SourceDir() / "data"), "Demo.spe");
  r.NAME4 = "RUN";
  r.OUT = out;
  r.SEC1 = sec;
  r.LPP = pick(40, 66);
  r.QNUM = pick(3, 40);
  r.QMAX = pick(10, 20);
  r.ECHAP = pick(3, 28);
  r.EVER = 5;
  r.IPC = pick(0, 2) == 0 ? pick(20, 45) : 50;
  r.REPEATPCT = pick(0, 30);
  r.REGLST = "ABC"[pick(0, 2)];
  r.SPMAX = pick(0, 5);
  r.SPMIN = pick(0, r.SPMAX);
  r.FMAX = pick(0, 2);
  r.FMIN = 0;
  r.RMAX = pick(0, 1);
  r.RMIN = 0;
  r.OMAX = pick(0, 1);
  r.OMIN = 0;
  r.SMAX = pick(0, 1);
  r.SMIN = 0;
  r.SPEARLY = pick(1, 3);
  r.SPLATE = r.QMAX - pick(0, 2);
  r.AB = pick(r.QMAX / 2, r.QMAX + 3);
  r.TYP = styles::WindowTemplate(r.SPEARLY, r.SPLATE);
  return r;
}

TEST(RunWithoutTerminal, MakesTheFilesOfTheInteractiveRunThatOnlyPressesEnter) {
  testsupport::ScratchDir installed("installed");
  installed.Put("Mat.dsk", testsupport::SourceText("data/sample/Mat.dsk"));
  {
    console::HeadlessConsole con;
    ASSERT_EQ(databuild::BuildDataFiles(con, console::WorkDir(installed.path())),
              databuild::Outcome::kInstalled);
  }
  fs::remove(installed.path() / "Mat.dsk");

  std::mt19937 g(20261209);
  int complete = 0, refused = 0, case_number = 0;
  for (int round = 0; round < 4; ++round) {
    for (char out : {'P', 'C', 'T'}) {
      for (char sec : {'V', 'Q', 'C'}) {
        const StyleRecord style = DrawStyle(g, out, sec);
        const std::uint64_t seed = g();
        const std::string label = std::to_string(++case_number);
        testsupport::ScratchDir a("i" + label), b("r" + label);
        PutWorkDir(b, installed.path(), style);
        const Outcome scripted = WithoutTerminal(b, seed);
        const std::string what = std::string("case ") + label + ": layout " + out + ", sectoring " +
                                 sec + ", " + std::to_string(style.QNUM) + " quizzes of " +
                                 std::to_string(style.QMAX) + "; " + scripted.says;
        if (auto failed = styles::CheckStyleRecord(style)) {
          // The configuration screen keeps such a style until it is mended;
          // the run without a terminal refuses it, writing nothing.
          EXPECT_FALSE(scripted.complete) << what;
          EXPECT_NE(scripted.says.find(failed->words), std::string::npos) << what;
          EXPECT_FALSE(b.Has("RUN.qui") || b.Has("RUN.inf")) << what;
          ++refused;
          continue;
        }
        PutWorkDir(a, installed.path(), style);
        const Outcome interactive = Interactive(a, seed);
        ASSERT_EQ(scripted.complete, interactive.complete) << what;
        (scripted.complete ? complete : refused) += 1;
        ASSERT_EQ(scripted.files.size(), interactive.files.size()) << what;
        for (const auto& [name, bytes] : interactive.files) {
          ASSERT_TRUE(scripted.files.count(name)) << what << ": no " << name;
          EXPECT_TRUE(scripted.files.at(name) == bytes) << what << ": " << name << " differs";
        }
      }
    }
  }
  // The drawn styles reach real packets, and the test sees refusals too.
  EXPECT_GE(complete, 18);
  RecordProperty("refused", refused);
}

}  // namespace
}  // namespace packets

#include "packets/run/append_files.h"

#include <gtest/gtest.h>

#include "console/runtime_error.h"
#include "console/virtual_screen.h"
#include "packets/run/run.h"
#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

struct Scene {
  explicit Scene(const std::filesystem::path& root)
      : dir(root), rng(clock), run{st, con, rng, dir} {}
  console::WorkDir dir;
  console::FixedClock clock;
  console::Random rng;
  console::VirtualConsole con;
  RunState st;
  Run run;
};

// Appends reach each file in order, through the open files while they are
// bound to the run and straight to the file after; a run left by an error
// still finds its bytes on disk and no longer points at the files.
TEST(AppendFiles, BytesArriveInOrderWhetherClosedOrLeft) {
  testsupport::ScratchDir scratch;
  scratch.Put("TEAM.qui", "old\r\n");
  Scene sc(scratch.path());
  {
    AppendFiles files(sc.run);
    EXPECT_EQ(sc.run.files, &files);
    AppendToFile(sc.run, "team.QUI", "quiz 1\r\n");  // found under any case
    AppendToFile(sc.run, "temp.txt", "note\r\n");
    AppendToFile(sc.run, "team.QUI", "quiz 2\r\n");
    files.Close();
    EXPECT_EQ(sc.run.files, nullptr);
  }
  AppendToFile(sc.run, "TEAM.qui", "after\r\n");
  EXPECT_EQ(scratch.Get("TEAM.qui"), "old\r\nquiz 1\r\nquiz 2\r\nafter\r\n");
  EXPECT_EQ(scratch.Get("temp.txt"), "note\r\n");

  try {
    AppendFiles files(sc.run);
    AppendToFile(sc.run, "TEAM.qui", "quiz 3\r\n");
    throw console::RuntimeError(2, "a run ended by an error");
  } catch (const console::RuntimeError&) {
  }
  EXPECT_EQ(sc.run.files, nullptr);
  EXPECT_EQ(scratch.Get("TEAM.qui"), "old\r\nquiz 1\r\nquiz 2\r\nafter\r\nquiz 3\r\n");
}

// A full disk is runtime error 101 when the files are closed, never a run
// reported as written.
TEST(AppendFiles, AFailedWriteIsReportedOnClose) {
  Scene sc("/dev");
  AppendFiles files(sc.run);
  AppendToFile(sc.run, "full", std::string(100, 'x'));
  try {
    files.Close();
    FAIL() << "no error";
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), console::kErrDiskWrite);
  }
}

}  // namespace
}  // namespace packets

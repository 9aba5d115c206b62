#include "packets/driver/start.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/scratch_dir.h"

namespace packets::driver {
namespace {

namespace fs = std::filesystem;

TEST(ParseSeed, TakesOnlyAWholeNumberThatFits) {
  EXPECT_EQ(ParseSeed("0"), 0u);
  EXPECT_EQ(ParseSeed("42"), 42u);
  EXPECT_EQ(ParseSeed("18446744073709551615"), 18446744073709551615u);
  for (const char* bad : {"", "-1", "+1", "1.5", "12a", " 1", "18446744073709551616", "0x10"}) {
    EXPECT_FALSE(ParseSeed(bad)) << bad;
  }
}

// Every reseeding from the clock during a seeded run is repeatable too.
TEST(RunClock, ASeedGivesTheSameDrawsThroughReseedingAndTheClockOtherwise) {
  auto c1 = RunClock(7), c2 = RunClock(7);
  console::Random a(*c1), b(*c2);
  std::vector<int> first;
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 20; ++i) {
      first.push_back(a.Next(1000));
      EXPECT_EQ(first.back(), b.Next(1000));
    }
    a.Randomize();
    b.Randomize();
  }
  // A reseeding starts a new sequence, not the first one again.
  std::vector<int> after;
  for (int i = 0; i < 20; ++i) after.push_back(a.Next(1000));
  EXPECT_NE(after, std::vector<int>(first.begin(), first.begin() + 20));
  EXPECT_NE(dynamic_cast<console::SystemClock*>(RunClock(std::nullopt).get()), nullptr);
}

TEST(SetUpWorkDir, MakesTheDirectoryCopiesWhatIsMissingAndKeepsWhatIsThere) {
  testsupport::ScratchDir data("data"), work("work");
  data.Put("VERSES.TXT", "28 verses\r\n");
  data.Put("New.spe", "template\r\n");
  data.Put("Specs.lst", "Enter New Specs\r\n");
  data.Put("Demo.spe", "ready style\r\n");
  fs::permissions(data.path() / "Specs.lst", fs::perms::owner_read, fs::perm_options::replace);

  const fs::path target = work.path() / "season" / "quizzes";
  std::ostringstream out, err;
  ASSERT_EQ(SetUpWorkDir(data.path(), target, out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  for (std::string_view name : kStarterFiles) {
    EXPECT_EQ(work.Get("season/quizzes/" + std::string(name)), data.Get(std::string(name)));
  }
  // The style list is rewritten by packets: the copy is writable.
  EXPECT_NE(fs::status(target / "Specs.lst").permissions() & fs::perms::owner_write,
            fs::perms::none);
  EXPECT_EQ(out.str(), "Made the directory " + target.string() +
                           "\n  VERSES.TXT: copied\n  New.spe: copied\n  Specs.lst: copied\n"
                           "  Demo.spe: copied\n"
                           "Ready: put the question database Mat.dsk in " +
                           target.string() + ", then run databuild and packets there.\n");

  // Run again over the user's own files: nothing of theirs is replaced.
  fs::remove(target / "VERSES.TXT");
  fs::remove(target / "Specs.lst");
  work.Put("season/quizzes/SPECS.LST", "Team\r\nEnter New Specs\r\n");
  std::ostringstream again;
  ASSERT_EQ(SetUpWorkDir(data.path(), target, again, err), 0);
  EXPECT_EQ(work.Get("season/quizzes/SPECS.LST"), "Team\r\nEnter New Specs\r\n");
  // No second style list beside it (where spellings are told apart).
  EXPECT_FALSE(fs::exists(target / "Specs.lst") &&
               !fs::equivalent(target / "Specs.lst", target / "SPECS.LST"));
  EXPECT_NE(again.str().find("  VERSES.TXT: copied\n"), std::string::npos);
  EXPECT_NE(again.str().find("  New.spe: kept as it is (New.spe is already there)\n"),
            std::string::npos);
  EXPECT_NE(again.str().find("  Specs.lst: kept as it is (SPECS.LST is already there)\n"),
            std::string::npos);
}

TEST(SetUpWorkDir, FailsInWordsWhenTheDataIsMissingOrTheDirectoryCannotBeMade) {
  testsupport::ScratchDir data("data"), work("work");
  std::ostringstream out, err;
  EXPECT_EQ(SetUpWorkDir(data.path(), work.path() / "w", out, err), 1);
  EXPECT_NE(err.str().find("the shipped file VERSES.TXT is missing"), std::string::npos);
  EXPECT_FALSE(fs::exists(work.path() / "w"));

  for (std::string_view name : kStarterFiles) data.Put(std::string(name), "x\r\n");
  work.Put("plain", "a file, not a directory\r\n");
  std::ostringstream err2;
  EXPECT_EQ(SetUpWorkDir(data.path(), work.path() / "plain" / "w", out, err2), 1);
  EXPECT_NE(err2.str().find("packets: cannot make the directory "), std::string::npos);
}

}  // namespace
}  // namespace packets::driver

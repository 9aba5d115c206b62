// Whole runs of `packets` on the virtual console, from the title screen
// through the style menu, the phases, the approval menu and the closing
// screen, back to the title and "Exit".
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/driver/driver.h"
#include "tests/support/config_keys.h"
#include "tests/support/run_checker.h"
#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

using console::kKeyDown;
using console::kKeyUp;
using testsupport::kAcceptStyle;
using testsupport::kLeaveStyle;

/// A virtual console that keeps a copy of the screen each time a key is
/// read, so a test can look at every screen the run waited on.
class RecordingConsole : public console::VirtualConsole {
 public:
  char ReadKey() override {
    if (on_read) on_read();
    screens.push_back(Text());
    return VirtualConsole::ReadKey();
  }
  /// The first screen that shows `text`, or "" when none does.
  std::string ScreenWith(const std::string& text) const {
    for (const auto& s : screens) {
      if (s.find(text) != std::string::npos) return s;
    }
    return "";
  }
  std::vector<std::string> screens;
  std::function<void()> on_read;  // called before each key is read
};

/// Picks the style Team on the style menu, accepts it on the configuration
/// screen as it stands and accepts its patterns (one page of the review
/// screen).
const std::string kPickTeam = "\r" + kAcceptStyle + "\r";

std::string Row(const std::string& screen, int y) {
  return screen.substr((y - 1) * 81, 80);
}

struct StyleLines {
  std::map<int, std::string> lines{{1, "F"},
                                   {2, "1 1"},
                                   {3, "2 10"},
                                   {4, "TEAM"},
                                   {5, "60"},
                                   {6, "P"},
                                   {7, "5"},
                                   {8, "A"},
                                   {9, "16"},
                                   {10, "50"},
                                   {11, "Y"},
                                   {12, "10"},
                                   {13, "V"},
                                   {14, "0"},
                                   {15, "0"},
                                   {16, "0"},
                                   {17, "0"},
                                   {18, "0"},
                                   {19, "0"},
                                   {20, "0"},
                                   {21, "0"},
                                   {22, "0"},
                                   {23, "0"},
                                   {24, "0"},
                                   {25, "100"},
                                   {26, "1"},
                                   {27, "5"},
                                   {28, "N"},
                                   {29, std::string(30, 'n')}};
  std::string Text() const {
    std::string t;
    for (const auto& [n, l] : lines) t += l + "\r\n";
    return t;
  }
};

class WholeRun : public testing::Test {
 protected:
  void SetUp() override {
    // The question files: one regular question on every verse of 1:1 to
    // 2:10, no specialty questions.
    std::string regular;
    for (int c = 1; c <= 2; ++c) {
      for (int v = 1; v <= (c == 1 ? 25 : 10); ++v) {
        char ref[16];  // room for any two ints, as the compiler checks
        std::snprintf(ref, sizeof ref, "%2d:%2d", c, v);
        regular += std::string(ref) + "\tWho is asked about verse " + std::to_string(v) + "?\r\n";
      }
    }
    dir_.Put("Mat.A", regular);
    for (const char* name : {"FTV.00", "cv.b", "co.b", "SIT.TXT"}) dir_.Put(name, "");
    dir_.CopyData("VERSES.TXT");
    dir_.CopyData("New.spe");
    dir_.PutLines("Specs.lst", {"Team", "Enter New Specs"});
    dir_.Put("Team.spe", style_.Text());
  }
  void Go() {
    console::FixedClock clock(5);
    console::Random rng(clock);
    console::WorkDir dir(dir_.path());
    packets::Run run{st_, con_, rng, dir};
    driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
  }
  testsupport::ScratchDir dir_;
  StyleLines style_;
  RunState st_;
  RecordingConsole con_;
};

TEST_F(WholeRun, FromTheTitleThroughTheQuizzesBackToExit) {
  con_.Keys(kPickTeam);  // style menu: Team; the patterns as drawn
  con_.Keys("\r");       // sector table: accepted
  con_.Keys("n\r");      // repeat warning: no resectoring, Enter
  con_.on_read = [this] {
    // Nothing of the run's output exists while the approval menu waits.
    if (con_.Text().find("Approve specialty combinations") != std::string::npos) {
      EXPECT_EQ(dir_.Get("temp2.txt"), "Team\r\n");  // the chosen style, handed over
      EXPECT_FALSE(dir_.Has("TEAM.qui"));
      EXPECT_FALSE(dir_.Has("TEAM.inf"));
      EXPECT_FALSE(dir_.Has("temp.txt"));
    }
  };
  con_.Keys(kKeyDown + "\r");  // approval menu: approve each quiz
  con_.Keys("yyyyyyyyyy");     // each quiz's combination (all regular)
  con_.Keys("\r");             // "Quizzes Complete" after the repeat messages
  con_.Keys("\r");             // closing screen
  con_.Keys(kKeyUp + "\r");    // style menu again: Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);

  // The title screen's rows stay while the menu is shown.
  const std::string menu = con_.screens.front();
  EXPECT_NE(Row(menu, 1).find("Matthew"), std::string::npos);

  const std::string warning = con_.ScreenWith("Do you wish to resector?");
  // MINQZ1 keeps the value sectoring gave MINQZ; the quizzes move MINQZ on.
  ASSERT_FALSE(warning.empty());
  EXPECT_EQ(Row(warning, 3).substr(2, 48),
            "Regular question repeats will begin after quiz " + std::to_string(st_.MINQZ1));
  EXPECT_LT(st_.MINQZ1, 10);
  EXPECT_EQ(Row(warning, 4).substr(2, 25), "Do you wish to resector? ");

  const std::string approval = con_.ScreenWith("Approve specialty combinations for each quiz");
  ASSERT_FALSE(approval.empty());
  EXPECT_EQ(Row(approval, 3).substr(15, 44), "Run specialty combinations automatically    ");
  EXPECT_EQ(Row(approval, 4).substr(15, 44), "Approve specialty combinations for each quiz");
  EXPECT_EQ(st_.V, 1);

  const std::string closing = con_.ScreenWith("Thank you for using");
  EXPECT_NE(closing.find("TEAM.inf"), std::string::npos);
  EXPECT_NE(closing.find("TEAM.qui"), std::string::npos);
  EXPECT_NE(closing.find("TEAM.pdf"), std::string::npos);
  EXPECT_TRUE(dir_.Has("TEAM.pdf"));

  // The files of the run.
  EXPECT_EQ(dir_.Get("temp2.txt"), "Exit\r\n");
  // Saving the style set the template: "A" in the specialty window 1 to 5.
  EXPECT_NE(dir_.Get("Team.spe").find("AAAAA" + std::string(25, 'n') + "\r\n"), std::string::npos);
  // No specialties: every quiz's pattern is thirty "n".
  std::string patterns;
  for (int q = 1; q <= 10; ++q) patterns += std::string(30, 'n') + "\r\n";
  EXPECT_EQ(dir_.Get("pat.txt"), patterns);
  // The packet: every quiz in the page layout under the run's style name,
  // each ended by one form feed.
  const std::string packet = dir_.Get("TEAM.qui");
  EXPECT_EQ(std::count(packet.begin(), packet.end(), '\f'), 10);
  EXPECT_TRUE(packet.starts_with("M 1:1 to M 2:10   "));
  for (int q = 1; q <= 10; ++q) {
    EXPECT_NE(packet.find("Team Style Quizzing" + std::string(q < 10 ? 17 : 16, ' ') +
                          "Quiz Number " + std::to_string(q) + "\r\n"),
              std::string::npos)
        << q;
  }
  // The index was built and kept in the count file.
  EXPECT_EQ(st_.TQUEST, 35);
  EXPECT_EQ(dir_.Get("count.00A").substr(0, 30), "1 1 1 0 0 0 0\r\n1 2 1 0 0 0 0\r\n");
  // The quiz blocks and the regular pool's restarts in the run notes.
  testsupport::CheckOptions check;
  check.minqz1 = st_.MINQZ1;
  EXPECT_EQ(testsupport::CheckRun(dir_.path(), "Team", check), "");
  EXPECT_EQ(dir_.Get("temp.txt"),
            "Regular Question Repeats begin quiz " + std::to_string(st_.MINQZ1 + 1) + "\r\n");
  EXPECT_EQ(st_.F11, "count.00A");
  // "Exit" leaves a cleared white-on-black screen.
  EXPECT_EQ(con_.At(1, 1).bg, console::kBlack);
  EXPECT_EQ(con_.Row(1), std::string(80, ' '));
}

TEST_F(WholeRun, ByChapterTheChapterScreenCutsTheMaterial) {
  style_.lines[13] = "C";
  dir_.Put("Team.spe", style_.Text());
  con_.Keys(kPickTeam);      // Team; its patterns
  con_.Keys("\r");           // chapter list as given out: 3 and 2
  con_.Keys("\r");           // result accepted
  con_.Keys("n\r");          // repeat warning
  con_.Keys("\r\r\r");       // approval menu, "Quizzes Complete", closing screen
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_FALSE(con_.ScreenWith("Choose questions per chapter.").empty());
  EXPECT_FALSE(con_.ScreenWith("Your smallest sector has 5 regular questions.").empty());
  EXPECT_EQ(st_.SECTORS, 5);
  EXPECT_EQ(st_.MINQZ1, 5);
  EXPECT_FALSE(st_.RES);
  EXPECT_EQ(st_.BC[4], 2);
  EXPECT_EQ(st_.BV[4], 1);
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(WholeRun, EscOnTheApprovalMenuLeavesAnEarlierPacketAlone) {
  dir_.Put("TEAM.qui", "earlier packet\r\n");
  dir_.Put("TEAM.inf", "earlier record\r\n");
  con_.Keys(kPickTeam + "\r");
  con_.Keys("n\r");
  con_.Keys("\x1b");         // approval menu: back to the title
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_EQ(dir_.Get("TEAM.qui"), "earlier packet\r\n");
  EXPECT_EQ(dir_.Get("TEAM.inf"), "earlier record\r\n");
}

TEST_F(WholeRun, EscOnTheSectorTableGoesBackToTheTitle) {
  con_.Keys(kPickTeam);
  con_.Keys("\x1b");
  con_.Keys(kKeyUp + "\r");
  Go();
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(WholeRun, AnySectorLetterButCAndQSectorsByVerseWithItsKeyWait) {
  style_.lines[13] = "v";  // neither C nor Q: by verse, and the table waits for a key
  dir_.Put("Team.spe", style_.Text());
  con_.Keys(kPickTeam);      // Team; its patterns
  con_.Keys("\xbf\x1b");     // at the table a key of code 191 is passed over; Esc leaves
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);
  EXPECT_FALSE(con_.ScreenWith("Sc From").empty());
  EXPECT_TRUE(con_.ScreenWith("Do you wish to resector?").empty());
  EXPECT_TRUE(con_.ScreenWith("Approve specialty combinations").empty());
  EXPECT_FALSE(st_.RES);
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
}

TEST_F(WholeRun, ResectoringFromTheRepeatWarning) {
  con_.Keys(kPickTeam);      // Team; its patterns
  con_.Keys("\r");           // sector table (by verse)
  con_.Keys("y");            // repeat warning: resector
  con_.Keys("\r");           // "sectored by individual questions"
  con_.Keys("88P");          // the new table stays until a key other than "8"
  con_.Keys("\r\r\r");       // approval menu (its first line), "Quizzes Complete", closing screen
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);
  const std::string warning = con_.ScreenWith("The material will be sectored by individual");
  ASSERT_FALSE(warning.empty());
  EXPECT_EQ(Row(warning, 4).substr(2, 26), "Do you wish to resector? y");  // the key echoed
  EXPECT_EQ(st_.V, 2);  // the key that left the table was not the approval menu's
  EXPECT_EQ(st_.RESEC, 1);
  EXPECT_EQ(st_.MINQZ1, 7);  // 35 regular questions in 5 sectors of 7
  EXPECT_TRUE(dir_.Has("TEAM.qui"));
}

TEST_F(WholeRun, SpecialtyMissingFromTheMaterialWarnsWithTwoEnters) {
  style_.lines[15] = "1";  // SPMAX
  style_.lines[17] = "1";  // FMAX: FTV asked for, none in the material
  dir_.Put("Team.spe", style_.Text());
  dir_.Put("TEAM.qui", "earlier packet\r\n");
  con_.Keys(kPickTeam + "\rn\r");
  con_.Keys("\r\r");         // the warning wants Enter twice
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_FALSE(con_.ScreenWith("One specialty has zero questions.").empty());
  EXPECT_EQ(dir_.Get("TEAM.qui"), "earlier packet\r\n");
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(WholeRun, HandEditedStyleThatCannotRunIsRefusedOnTheConfigurationScreen) {
  style_.lines[7] = "45";  // questions per quiz beyond the 30 sectors
  const std::string team = style_.Text();
  dir_.Put("Team.spe", team);
  con_.Keys("\r");           // Team
  con_.Keys("\x1b");         // the check: refused
  con_.Keys("\r");           // the message; the cursor goes to Questions per pack
  con_.Keys("5\r");          // mended
  con_.Keys(kLeaveStyle);    // back to the menu, nothing saved
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);
  EXPECT_FALSE(con_.ScreenWith("Incompatible Specs -- Press Return to go to Error").empty());
  EXPECT_TRUE(con_.ScreenWith("cannot be run").empty());
  EXPECT_EQ(dir_.Get("Team.spe"), team);
  EXPECT_FALSE(dir_.Has("pat.txt"));
}

// A hand-edited verse table that gives a chapter fewer verses than the style's
// material reaches: the sectorings would cut the material from a verse the
// table does not have, so the run is refused in words before anything is
// drawn or written.
TEST_F(WholeRun, MaterialBeyondTheVerseTableIsRefusedInWords) {
  std::string verses = dir_.Get("VERSES.TXT");
  const std::size_t second = verses.find('\n') + 1;
  verses.replace(second, verses.find('\r', second) - second, "8");  // chapter 2: 8 verses
  dir_.Put("VERSES.TXT", verses);
  con_.Keys("\r" + kAcceptStyle);  // Team, accepted on the configuration screen
  con_.Keys("\r");                 // the refusal
  con_.Keys(kKeyUp + "\r");        // Exit
  Go();
  const std::string refusal = con_.ScreenWith("cannot be run");
  ASSERT_FALSE(refusal.empty());
  EXPECT_EQ(Row(refusal, 3).substr(0, 36), "  The quiz style Team cannot be run:");
  EXPECT_EQ(Row(refusal, 5).substr(0, 74),
            "  End verse 2:10 lies beyond the last verse of chapter 2 in VERSES.TXT (8)");
  EXPECT_FALSE(dir_.Has("pat.txt"));
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(WholeRun, TooFewRegularQuestionsWarnsAndGoesBackToTheTitle) {
  style_.lines[2] = "2 9";  // 2:9 to 2:10 holds two regular questions, fewer than 5 sectors
  dir_.Put("Team.spe", style_.Text());
  con_.Keys(kPickTeam);      // Team; its patterns
  con_.Keys("\r");           // the warning
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  const std::string warning = con_.ScreenWith("There are not enough regular questions");
  ASSERT_FALSE(warning.empty());
  EXPECT_EQ(Row(warning, 3).substr(0, 58),
            "  There are not enough regular questions in this material.");
  EXPECT_EQ(Row(warning, 5).substr(0, 44), "  Reduce the number of questions per packet.");
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(WholeRun, BySectorQuestionTheKeyLeavingTheTableIsTheApprovalMenusFirst) {
  style_.lines[13] = "Q";
  dir_.Put("Team.spe", style_.Text());
  con_.Keys(kPickTeam);      // Team; its patterns
  con_.Keys("\r");           // "sectored by individual questions"
  con_.Keys("\r");           // leaves the table, then accepts the approval menu's first line
  con_.Keys("\r\r");         // "Quizzes Complete", closing screen
  con_.Keys(kKeyUp + "\r");  // Exit
  Go();
  EXPECT_EQ(st_.V, 2);
  EXPECT_TRUE(st_.RES);
  EXPECT_EQ(con_.Pending(), 0u);
  EXPECT_TRUE(dir_.Has("TEAM.qui"));
}

TEST_F(WholeRun, ReusedCountFileSkipsTheScanAndIsFoundOnThePath) {
  style_.lines[11] = "N";
  dir_.Put("Team.spe", style_.Text());
  // A count file kept elsewhere, counting two regular questions on every
  // verse where the question file holds one: with re-indexing off the
  // question files are not read for counting; the stale count is refused
  // in words when the questions are read.
  testsupport::ScratchDir elsewhere("elsewhere");
  std::string counts;
  for (int c = 1; c <= 28; ++c) {
    for (int v = 1; v <= 80; ++v) {
      const int q = (c == 1 && v <= 25) || (c == 2 && v <= 10) ? 2 : 0;
      counts +=
          std::to_string(c) + " " + std::to_string(v) + " " + std::to_string(q) + " 0 0 0 0\r\n";
    }
  }
  elsewhere.Put("count.00A", counts);
  con_.Keys(kPickTeam + "\r\r");  // Team, patterns, table, approval menu: no repeat warning
  con_.Keys("\r");                // the refusal
  con_.Keys(kKeyUp + "\r");
  console::FixedClock clock(5);
  console::Random rng(clock);
  console::WorkDir dir(dir_.path());
  packets::Run run{st_, con_, rng, dir};
  const std::string path = elsewhere.path().string();
  driver::RunPackets(run, [&](const std::string& name) -> std::optional<std::string> {
    if (name == "PATH") return "/nonexistent" + std::string(1, console::kPathListSeparator) + path;
    return std::nullopt;
  });
  EXPECT_EQ(st_.TQUEST, 70);  // the totals of the count file found on the path
  EXPECT_EQ(st_.F11DIR, path);
  EXPECT_TRUE(con_.ScreenWith("Creating index of questions").empty());
  EXPECT_FALSE(dir_.Has("count.00A"));
  const std::string refusal = con_.ScreenWith("The question files cannot be used:");
  EXPECT_NE(refusal.find("Mat.A, line 36: the file ends here, but the index counts 70 regular"),
            std::string::npos);
  EXPECT_FALSE(dir_.Has("TEAM.qui"));
  EXPECT_EQ(con_.Pending(), 0u);
}

class DriverStep : public testing::Test {
 protected:
  DriverStep() : clock_(1), rng_(clock_), dir_(scratch_.path()), run_{st_, con_, rng_, dir_} {}
  testsupport::ScratchDir scratch_;
  console::FixedClock clock_;
  console::Random rng_;
  console::WorkDir dir_;
  RunState st_;
  RecordingConsole con_;
  packets::Run run_;
};

TEST_F(DriverStep, RepeatWarningOnlyWhenRepeatsComeEarly) {
  struct Case {
    int quizzes, minqz;
    bool warned;
  };
  for (Case c : {Case{10, 10, false}, Case{10, 9, true}, Case{20, 12, false}, Case{20, 11, true}}) {
    con_.ClrScr();
    st_.QNUM = c.quizzes;
    st_.MINQZ = c.minqz;
    st_.RES = true;  // after sectoring by question nothing is asked
    driver::RepeatWarning(run_);
    EXPECT_EQ(con_.Text(3, 3, 47) == "Regular question repeats will begin after quiz ", c.warned)
        << c.quizzes << "/" << c.minqz;
  }
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(DriverStep, QuizzesCompleteOnlyAfterRunMessages) {
  st_.RSET = 4;  // no message was written
  driver::ClosingMessages(run_);
  EXPECT_EQ(con_.Row(3), std::string(80, ' '));

  st_.RSET = 23;  // the message area is full: the next message starts it again
  st_.ABAND3 = true;
  st_.OLDIPC = 30;
  st_.ABAND = 7;
  con_.Keys("\r\r");
  driver::ClosingMessages(run_);
  EXPECT_EQ(con_.Text(5, 5, 46), "30 Percent interrogatives abandoned on quiz 7 ");
  EXPECT_EQ(con_.At(5, 5).bg, console::kRed);
  EXPECT_EQ(con_.At(5, 5).fg, console::kWhite);
  EXPECT_EQ(con_.Text(20, 3, 46), " Quizzes Complete -- Press Return to Continue ");
  EXPECT_EQ(con_.Pending(), 0u);
}

TEST_F(DriverStep, ApprovalMenuWrapsAndTakesAWaitingKeyFirst) {
  con_.TextColor(console::kYellow);
  con_.TextBackground(console::kBlue);
  con_.Keys(kKeyUp + "\r");  // Up from the first line wraps to the second
  ASSERT_TRUE(driver::ApprovalMenu(run_));
  EXPECT_EQ(st_.V, 1);
  EXPECT_EQ(con_.At(16, 4).bg, console::kRed);
  EXPECT_EQ(con_.At(16, 4).fg, console::kWhite);
  EXPECT_EQ(con_.At(16, 3).bg, console::kBlue);

  con_.Keys(kKeyDown + kKeyDown + "x\r");  // Down twice wraps back to the first
  ASSERT_TRUE(driver::ApprovalMenu(run_));
  EXPECT_EQ(st_.V, 2);

  con_.Keys("\x1b");
  EXPECT_FALSE(driver::ApprovalMenu(run_));
}

}  // namespace
}  // namespace packets

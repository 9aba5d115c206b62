// Both programs end to end in a real 80x25 terminal, as a quiz master uses
// them: databuild on the sample database, then packets with a fixed seed
// through the style menu, the configuration screen, the patterns, the sector
// table and the approval menu, to the packet file and the usage record.
#include "tests/e2e/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "tests/support/run_checker.h"

namespace e2e {
namespace {

/// The style the first scenario makes on the configuration screen: 12
/// quizzes of 12 questions over Matthew 1:1 to 4:25, specialties in places
/// 3 to 10, everything else as the shipped template has it.
std::string TeamStyle(char layout, int quizzes, char sector_by = 'V') {
  // The 29 lines of a style file, one per setting, in their order.
  return "F\r\n1 1\r\n4 25\r\nTeam\r\n60\r\n" + std::string(1, layout) +
         "\r\n12\r\nA\r\n16\r\n50\r\nY\r\n" + std::to_string(quizzes) + "\r\n" +
         std::string(1, sector_by) +
         "\r\n10\r\n4\r\n2\r\n2\r\n1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n100\r\n3\r\n10\r\nN\r\n"
         "nnAAAAAAAAnnnnnnnnnnnnnnnnnnnn\r\n";
}

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

/// The listing lines ("   3.   7  12  M  1: 5  CV    What...") of a screen,
/// without their trailing blanks.
std::vector<std::string> ListingLines(const std::string& screen) {
  std::vector<std::string> lines;
  std::istringstream in(screen);
  for (std::string line; std::getline(in, line);) {
    if (line.size() > 17 && line[4] == '.' && line.compare(13, 4, "  M ") == 0 &&
        std::isdigit(static_cast<unsigned char>(line[3]))) {
      lines.push_back(TrimRight(line));
    }
  }
  return lines;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

/// What marks each layout in the packet file.
struct Layout {
  char out;
  const char* per_quiz;  // printed once for every quiz
  bool tabs, form_feeds;
  int card_lines;  // every quiz a whole number of cards of this many lines; 0: not cards
};
constexpr Layout kLayouts[] = {
    {'P', "Quiz Number ", false, true, 0},
    {'C', " Style Quizzing", false, false, 18},
    {'T', "\r\n<pb>\r\n", true, false, 0},
};

/// Checks the packet file and the usage record of a finished run of style
/// `style` in layout `out`: the run checker's verdict on them, the marks of
/// the layout, and CR LF line ends.
void ExpectRunFiles(const testsupport::ScratchDir& dir, const std::string& style, char out,
                    int quizzes) {
  EXPECT_EQ(testsupport::CheckRun(dir.path(), style), "");
  const testsupport::StyleSettings settings =
      testsupport::ReadStyleSettings(dir.path() / (style + ".spe"));
  const std::string base = settings.name4;
  EXPECT_EQ(settings.quizzes, quizzes);
  const Layout& layout = *std::find_if(std::begin(kLayouts), std::end(kLayouts),
                                       [&](const Layout& l) { return l.out == out; });
  std::vector<std::string> problems;
  std::string packet = dir.Get(base + ".qui");
  ASSERT_FALSE(packet.empty()) << base << ".qui";
  EXPECT_EQ(Occurrences(packet, layout.per_quiz), static_cast<std::size_t>(quizzes)) << out;
  EXPECT_EQ(packet.find('\t') != std::string::npos, layout.tabs) << out;
  EXPECT_EQ(packet.find('\f') != std::string::npos, layout.form_feeds) << out;
  // The page layout ends every quiz with a form feed and no line end.
  if (layout.form_feeds && packet.back() == '\f') packet.pop_back();
  const std::vector<std::string> lines = CrLfLines(packet, base + ".qui", problems);
  if (layout.card_lines > 0) {
    EXPECT_EQ(lines.size() % layout.card_lines, 0u) << lines.size();
  }
  CrLfLines(dir.Get(base + ".inf"), base + ".inf", problems);
  EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

/// Puts style Team in layout `out` (and `quizzes` quizzes) into the working
/// directory as the only listed style.
void PutTeam(const testsupport::ScratchDir& dir, char out, int quizzes, char sector_by = 'V') {
  dir.Put("Team.spe", TeamStyle(out, quizzes, sector_by));
  dir.PutLines("Specs.lst", {"Team", "Enter New Specs"});
}

// databuild writes every question data file, counting each on the screen;
// every count shown is the number of lines of its file.
TEST_F(Scenario, DatabuildOnTheSampleCountsEveryFileItWrites) {
  const std::string screen = BuildData();
  ASSERT_NE(screen.find("Oristan 13.0 -- Matthew -- Creating Data Files..."), std::string::npos)
      << screen;
  for (const char* text : {"Installation", "Successful", "Press Return", "To Continue"}) {
    EXPECT_NE(screen.find(text), std::string::npos) << text;
  }
  int shown = 0;
  std::istringstream words(screen);
  std::string name, word;
  while (words >> word) {
    // A counter is a file name (with its dot) followed by a number.
    const bool number =
        std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || name.find('.') == std::string::npos ||
        !std::isalpha(static_cast<unsigned char>(name[0]))) {
      name = word;
      continue;
    }
    ++shown;
    const std::size_t count = std::stoul(word);
    std::vector<std::string> problems;
    const std::size_t lines = CrLfLines(Dir().Get(name), name, problems).size();
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
    // A line of the database may add two variant records to one FTV pool
    // file; they count as one question. Every other file holds one line
    // per question counted.
    if (name.rfind("Ftv.", 0) == 0) {
      EXPECT_LE(count, lines) << name;
      EXPECT_GE(2 * count, lines) << name;
    } else {
      EXPECT_EQ(count, lines) << name;
    }
    name = word;
  }
  // 25 files and their limited-chapter copies.
  EXPECT_EQ(shown, 50) << screen;
}

// A new style from "Enter New Specs": values typed into the fields, the
// whole-record check refusing a window beyond the last question, the error
// mended, and a run in card layout from the patterns to the closing screen.
TEST_F(Scenario, NewStyleWithAMendedErrorRunsAutomaticallyInCards) {
  BuildData();
  StartPackets(11);
  ASSERT_TRUE(Await("Enter New Specs"));
  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(Await("Name of Quiz Style  : New "));
  // The cursor starts on Begin Chapter; Down goes to End Chapter, where a
  // first digit of 3 or more is the whole chapter and sets its last verse.
  Press({"Down", "4"});
  ASSERT_TRUE(Await("End:      M  Chapter:  4 Ver: 25"));
  Press({"Enter"});  // to the style name
  Type("team");
  Press({"Enter"});  // to the output name
  ASSERT_TRUE(Await("Name of Quiz Style  : Team "));
  Type("team");
  Press({"Enter"});  // to the layout
  ASSERT_TRUE(Await("Name of Output File : Team "));
  Press({"c"});
  ASSERT_TRUE(Await("Output (p/c/t):  C"));
  Press({"Enter", "1", "2"});  // questions per quiz
  ASSERT_TRUE(Await("Number of Questions per pack: 12"));
  // Past A and B, the window's end and Reindex, to the number of quizzes.
  Press({"Enter", "Enter", "Enter", "Enter", "1", "2", "Enter"});
  ASSERT_TRUE(Await("Number of Quizzes in this Run: 12"));

  // The window still ends at 18, beyond the 12th question: refused, and
  // Enter sends the cursor to the window's end.
  Press({"Escape"});
  ASSERT_TRUE(Await("Incompatible Specs -- Press Return to go to Error"));
  EXPECT_TRUE(AwaitColours(15, 3, kWhite, kRed));
  Press({"Enter"});
  ASSERT_TRUE(Await("Quiz Configuration -- Press Return Here When Ready"));
  EXPECT_TRUE(AwaitColours(15, 3, kYellow, kBlue));
  Press({"1", "0"});
  ASSERT_TRUE(Await("Specialties may appear  3 to  10"));
  ASSERT_TRUE(AcceptStyle());
  EXPECT_EQ(Dir().Get("Team.spe"), TeamStyle('C', 12));
  EXPECT_EQ(Dir().Get("Specs.lst"), "Team\r\nEnter New Specs\r\n");
  EXPECT_EQ(Dir().Get("New.spe"), testsupport::SourceText("data/New.spe"));

  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Enter"});
  // Twelve quizzes outrun the smallest sector: the repeats are announced
  // and a resectoring offered, here declined.
  const std::string announced = "Regular question repeats will begin after quiz ";
  ASSERT_TRUE(Await("Do you wish to resector?"));
  const std::string warning = Screen();
  ASSERT_NE(warning.find(announced), std::string::npos) << warning;
  const int minqz = std::atoi(warning.c_str() + warning.find(announced) + announced.size());
  EXPECT_LT(minqz, 12);
  Press({"n", "Enter"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  // The first choice, running automatically, is marked.
  EXPECT_TRUE(AwaitColours(16, 3, kWhite, kRed));
  Press({"Enter"});
  // The regular questions restart after the announced quiz, as the message
  // area says; then the quizzes are complete.
  ASSERT_TRUE(Await("Quizzes Complete -- Press Return to Continue"));
  EXPECT_TRUE(Await("**Out of Regular Questions...Using Repeats beginning quiz " +
                    std::to_string(minqz + 1) + "**"));
  Press({"Enter"});
  ASSERT_TRUE(Await("saved as Team.inf"));
  EXPECT_TRUE(Await("ASCII text file Team.qui"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Press Return to Choose a Quiz Style"));
  EXPECT_TRUE(Await("Team"));
  Press({"Up", "Enter"});  // from the first entry up to "Exit"
  EXPECT_EQ(Ended(), 0);
  ExpectRunFiles(Dir(), "Team", 'C', 12);
}

// The same style approving each quiz's specialty combination, in pages:
// the first combination rejected and drawn again, then every one accepted.
TEST_F(Scenario, ApprovedCombinationsOneRejectedRunInPages) {
  BuildData();
  PutTeam(Dir(), 'P', 3);
  StartPackets(12);
  ASSERT_TRUE(Await("Team"));
  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(AcceptStyle());
  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  Press({"Down"});
  ASSERT_TRUE(AwaitColours(16, 4, kWhite, kRed));
  Press({"Enter"});
  const std::string question = "Do you wish to accept this combination (y/n)?";
  ASSERT_TRUE(Await(question));
  std::string shown = SettledScreen();
  Press({"n"});
  // The pass is drawn again: other specialty questions for quiz 1.
  ASSERT_TRUE(AwaitChange(shown, question));
  std::vector<std::vector<std::string>> accepted;  // each quiz's specialty lines as approved
  for (int quiz = 1; quiz <= 3; ++quiz) {
    shown = SettledScreen();
    accepted.push_back(ListingLines(shown));
    Press({"y"});
    if (quiz < 3) {
      ASSERT_TRUE(AwaitChange(shown, question)) << "quiz " << quiz + 1;
    }
  }
  ASSERT_TRUE(FinishRunAndExit("Team.inf"));
  ExpectRunFiles(Dir(), "Team", 'P', 3);
  // Each quiz's usage block lists the specialty questions as approved.
  std::vector<std::string> problems;
  const std::vector<std::string> usage = CrLfLines(Dir().Get("Team.inf"), "Team.inf", problems);
  ASSERT_GE(usage.size(), 3u * 33u);
  for (int quiz = 1; quiz <= 3; ++quiz) {
    const auto block = usage.begin() + 33 * (quiz - 1);
    ASSERT_FALSE(accepted[quiz - 1].empty()) << "quiz " << quiz;
    for (const std::string& line : accepted[quiz - 1]) {
      EXPECT_NE(std::find_if(block, block + 33,
                             [&](const std::string& l) { return TrimRight(l) == line; }),
                block + 33)
          << "quiz " << quiz << ": " << line;
    }
  }
}

// Esc goes back without a trace from the configuration screen's title line
// (edits dropped), from the sector table and from the approval menu; then
// a whole run in the tab layout.
TEST_F(Scenario, EscapesLeadBackToTheTitleThenARunInTabs) {
  BuildData();
  PutTeam(Dir(), 'T', 2);
  StartPackets(13);
  ASSERT_TRUE(Await("Team"));
  ASSERT_TRUE(ChooseStyle(1));
  Press({"2", "Enter"});
  ASSERT_TRUE(Await("Begin:    M  Chapter:  2 Ver:  1"));
  Press({"Escape"});
  ASSERT_TRUE(AwaitColours(15, 3, kWhite, kGreen));
  Press({"Escape"});
  ASSERT_TRUE(Await("Press Return to Choose a Quiz Style"));
  EXPECT_EQ(Dir().Get("Team.spe"), TeamStyle('T', 2));
  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(Await("Begin:    M  Chapter:  1 Ver:  1"));

  ASSERT_TRUE(AcceptStyle());
  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Escape"});
  ASSERT_TRUE(Await("Press Return to Choose a Quiz Style"));

  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(AcceptStyle());
  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  Press({"Escape"});
  ASSERT_TRUE(Await("Press Return to Choose a Quiz Style"));
  // No quiz was begun, so no packet or usage record was made.
  EXPECT_FALSE(Dir().Has("Team.qui"));
  EXPECT_FALSE(Dir().Has("Team.inf"));

  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(AcceptStyle());
  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  Press({"Enter"});
  ASSERT_TRUE(FinishRunAndExit("Team.inf"));
  ExpectRunFiles(Dir(), "Team", 'T', 2);
}

// Sectored by question, the sector table takes no key of its own: the key
// that dismisses it is the approval menu's first key.
TEST_F(Scenario, SectoredByQuestionTheTablesKeyMovesTheApprovalChoice) {
  BuildData();
  PutTeam(Dir(), 'C', 2, 'Q');
  StartPackets(15);
  ASSERT_TRUE(Await("Team"));
  ASSERT_TRUE(ChooseStyle(1));
  ASSERT_TRUE(AcceptStyle());
  ASSERT_TRUE(Await("The material will be sectored by individual questions."));
  Press({"Enter"});
  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Down"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  EXPECT_TRUE(AwaitColours(16, 4, kWhite, kRed));
  Press({"Up"});
  EXPECT_TRUE(AwaitColours(16, 3, kWhite, kRed));
  Press({"Enter"});
  ASSERT_TRUE(FinishRunAndExit("Team.inf"));
  ExpectRunFiles(Dir(), "Team", 'C', 2);
}

// Shift-D takes the marked style off the menu and the list (its file
// stays); "Exit" ends the program with status 0 and hands over "Exit".
TEST_F(Scenario, ShiftDDeletesAStyleAndExitEndsTheProgram) {
  PutTeam(Dir(), 'P', 2);
  Dir().Put("Spare.spe", TeamStyle('C', 3));
  Dir().PutLines("Specs.lst", {"Team", "Spare", "Enter New Specs"});
  StartPackets(14);
  ASSERT_TRUE(Await("Spare"));
  Press({"Down"});
  ASSERT_TRUE(AwaitColours(33, 7, kWhite, kRed));  // Spare, the second entry
  const std::string before = Screen();
  Press({"D"});
  ASSERT_TRUE(AwaitChange(before, "Enter New Specs"));
  const std::string after = SettledScreen();
  EXPECT_EQ(after.find("Spare"), std::string::npos) << after;
  EXPECT_EQ(Dir().Get("Specs.lst"), "Team\r\nEnter New Specs\r\n");
  EXPECT_TRUE(Dir().Has("Spare.spe"));
  // The mark is back on the first entry; Up goes round to "Exit".
  Press({"Up"});
  ASSERT_TRUE(AwaitColours(33, 8, kWhite, kRed));
  Press({"Enter"});
  EXPECT_EQ(Ended(), 0);
  EXPECT_EQ(Dir().Get("temp2.txt"), "Exit\r\n");
}

}  // namespace
}  // namespace e2e

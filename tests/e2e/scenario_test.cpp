// Both programs end to end in a real 80x25 terminal, as a quiz master uses
// them: databuild on the sample database, then packets with a fixed seed
// through the style menu, the configuration screen, the patterns, the sector
// table and the approval menu, to the packet file and the usage record.
#include "tests/e2e/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

namespace e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kWhite = 15, kRed = 4, kYellow = 14, kBlue = 1;

/// The style the first scenario makes on the configuration screen: 4
/// quizzes of 12 questions over Matthew 1:1 to 4:25, specialties in places
/// 3 to 10, everything else as the shipped template has it.
std::string TeamStyle(char layout, int quizzes) {
  std::string text;
  for (const std::string& line : {std::string("F"),
                                  std::string("1 1"),
                                  std::string("4 25"),
                                  std::string("Team"),
                                  std::string("60"),
                                  std::string(1, layout),
                                  std::string("12"),
                                  std::string("A"),
                                  std::string("16"),
                                  std::string("50"),
                                  std::string("Y"),
                                  std::to_string(quizzes),
                                  std::string("V"),
                                  std::string("10"),
                                  std::string("4"),
                                  std::string("2"),
                                  std::string("2"),
                                  std::string("1"),
                                  std::string("1"),
                                  std::string("0"),
                                  std::string("1"),
                                  std::string("0"),
                                  std::string("1"),
                                  std::string("0"),
                                  std::string("100"),
                                  std::string("3"),
                                  std::string("10"),
                                  std::string("N"),
                                  std::string("nnAAAAAAAAnnnnnnnnnnnnnnnnnnnn")}) {
    text += line + "\r\n";
  }
  return text;
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

/// Checks the packet file and the usage record of a finished run of
/// `quizzes` quizzes of `places` questions in layout `out`.
void ExpectRunFiles(const testsupport::ScratchDir& dir, const std::string& base, char out,
                    int quizzes, int places) {
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
  const std::vector<std::string> packet_lines = CrLfLines(packet, base + ".qui", problems);
  if (layout.card_lines > 0) {
    EXPECT_EQ(packet_lines.size() % layout.card_lines, 0u) << packet_lines.size();
  }

  const std::vector<std::string> usage = CrLfLines(dir.Get(base + ".inf"), base + ".inf", problems);
  ASSERT_GE(usage.size(), static_cast<std::size_t>(33 * quizzes)) << base << ".inf";
  for (int q = 1; q <= quizzes; ++q) {
    const std::size_t first = 33 * (q - 1);
    const std::string& heading = usage[first];
    EXPECT_EQ(heading.substr(0, 38), "  Que Sec Num    Verse  Type  Question");
    EXPECT_EQ(heading.substr(heading.rfind(' ') + 1), std::to_string(q)) << heading;
    for (int p = 1; p <= places; ++p) {
      EXPECT_EQ(std::atoi(usage[first + 1 + p].c_str()), p) << usage[first + 1 + p];
    }
    for (int e = 2 + places; e < 33; ++e) EXPECT_EQ(usage[first + e], "") << "quiz " << q;
  }
  EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
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
  const std::regex counter(R"(([A-Za-z]+\.[A-Za-z0-9]+) +([0-9]+))");
  int shown = 0;
  for (std::sregex_iterator it(screen.begin(), screen.end(), counter), end; it != end; ++it) {
    ++shown;
    const std::string name = (*it)[1];
    const std::size_t count = std::stoul((*it)[2]);
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
  Press({"Enter", "Enter", "Enter", "Enter", "4", "Enter"});
  ASSERT_TRUE(Await("Number of Quizzes in this Run:  4"));

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
  EXPECT_EQ(Dir().Get("Team.spe"), TeamStyle('C', 4));
  EXPECT_EQ(Dir().Get("Specs.lst"), "Team\r\nEnter New Specs\r\n");
  EXPECT_EQ(Dir().Get("New.spe"), testsupport::SourceText("data/New.spe"));

  ASSERT_TRUE(Await("Sc From    To    --Total Questions--"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Approve specialty combinations for each quiz"));
  // The first choice, running automatically, is marked.
  EXPECT_TRUE(AwaitColours(16, 3, kWhite, kRed));
  Press({"Enter"});
  if (AwaitAny({"Quizzes Complete -- Press Return to Continue", "Thank you for using"}) == 0) {
    Press({"Enter"});
  }
  ASSERT_TRUE(Await("saved as Team.inf"));
  EXPECT_TRUE(Await("ASCII text file Team.qui"));
  Press({"Enter"});
  ASSERT_TRUE(Await("Press Return to Choose a Quiz Style"));
  EXPECT_TRUE(Await("Team"));
  Press({"Up", "Enter"});  // from the first entry up to "Exit"
  EXPECT_EQ(Ended(), 0);
  ExpectRunFiles(Dir(), "Team", 'C', 4, 12);
}

}  // namespace
}  // namespace e2e

#include <gtest/gtest.h>

#include <algorithm>

#include "packets/output/golden_bytes.h"
#include "packets/output/layouts.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

TEST(PageLayout, WorkedExampleEndsInAFormFeed) {
  Quiz quiz{3,
            {MakePlace('R', kCvRecord),
             MakePlace('n',
                       " 5: 3\tWho are blessed according to Jesus in his sermon on the "
                       "mountainside? The poor in spirit, for theirs is the kingdom of heaven."),
             MakePlace('F', kFtvRecord)}};
  EXPECT_EQ(PacketBytes(Standard('P'), quiz), Bytes(R"(
M 1:1 to M 28:20           Standard Style Quizzing               Quiz Number 3|
______________________________________________________________________________|
|
Type      Question                                                       Verse|
______________________________________________________________________________|
|
CV     1. According to Matt chapter 5 verse 12,                        M  5:12|
               What must you do first? Be reconciled to your brother. |
|
       2. Who are blessed according to Jesus in his sermon on the      M  5: 3|
               mountainside? The poor in spirit, for theirs is the |
               kingdom of heaven.                                     |
|
FTV    3. Blessed...are...the...poor...in...                           M  5: 3|
               spirit, for theirs is the kingdom of heaven.           |
␌)"));
}

TEST(PageLayout, FirstLinesOfCoQuotationAndSit) {
  Quiz quiz{3, {}};
  for (int x = 1; x <= 3; ++x) quiz.places.push_back(MakePlace('n', " 1: 1\tWho wept?"));
  quiz.places.push_back(MakePlace('O', kCoRecord));
  quiz.places.push_back(MakePlace('F', kQuoRecord));
  quiz.places.push_back(MakePlace('S', kSitRecord));
  const std::string out = PacketBytes(Standard('P'), quiz);
  EXPECT_NE(out.find(Bytes(R"(
CO     4. According to Matt chapter 5,                                 M  5:12|
               What must you do first?                                |
|
QUO    5. Quote Matt Chapter 6 verse 9                                 M  6: 9|
               This, then, is how you should pray.                    |
|
SIT    6. The tempter came to him and said,                            M  4: 3|
               "If you are the Son of God, tell these stones to |
               become bread."                                         |
␌)")),
            std::string::npos)
      << out;
}

// 78 characters whatever the length of the style name, odd or even, and the
// quiz number below 1000.
TEST(PageLayout, HeadingLineIs78Characters) {
  for (const std::string name : {"", "A", "Seventh", "Standard", "FourteenLetter"}) {
    for (int quiz : {1, 10, 100}) {
      Settings s = Standard('P');
      s.NAME = name;
      const std::string line = PageHeadingLine(s, quiz);
      EXPECT_EQ(line.size(), 78u) << '"' << name << "\" " << quiz;
      EXPECT_TRUE(line.starts_with("M 1:1 to M 28:20  ")) << line;
      EXPECT_TRUE(line.ends_with("Quiz Number " + std::to_string(quiz))) << line;
      EXPECT_NE(line.find(name + " Style Quizzing "), std::string::npos);
    }
  }
  Settings s = Standard('P');
  s.BCHAP = 12;
  s.BVER = 30;
  s.ECHAP = 9;
  EXPECT_EQ(PageHeadingLine(s, 3).substr(0, 20), "M 12:30 to M 9:20   ");
}

// Page breaks with LPP 40: after the question that brings the page above 34
// lines, or above 30 when an FTV or SIT question follows; never after the
// last question. Every question here takes two lines, so the page holds 7
// lines before question 1 and 7 + 2x after question x.
TEST(PageLayout, BreaksPagesByLinesPerPageAndLooksAheadToFtvAndSit) {
  struct Case {
    int sectors;
    std::string kinds;        // kind of each place, "n" where not given
    std::vector<int> breaks;  // places followed by a page break
  } cases[] = {
      {30, "", {14}},  // 35 > 34; then 4 + 32 = 36 at the last: no break
      {30, std::string(12, 'n') + "F", {12, 28}},  // 31 > 30 before an FTV question
      {30, std::string(12, 'n') + "S", {12, 27}},  // ... or a SIT one (which takes 3 lines)
      {30, std::string(11, 'n') + "F", {14}},      // 29 is not above 30
      {14, "", {}},                                // the page is full at the last question
      {30, std::string(29, 'n') + "S", {14, 29}},  // 4 + 30 > 30 before the last
  };
  for (const Case& c : cases) {
    Quiz quiz{7, {}};
    for (int x = 1; x <= c.sectors; ++x) {
      char kind = x <= static_cast<int>(c.kinds.size()) ? c.kinds[x - 1] : 'n';
      const std::string ref = (x < 10 ? " 1: " : " 1:") + std::to_string(x);
      std::string text = kind == 'F'   ? "\tFTV \tJesus wept."
                         : kind == 'S' ? "\tHe said 'Go.'"
                                       : "\tWho wept?";
      quiz.places.push_back(MakePlace(kind, ref + text));
    }
    const std::string out = PacketBytes(Standard('P', 30, 40), quiz);
    std::vector<int> breaks;
    int last_place = 0;
    for (const std::string& line : Lines(out)) {
      if (line.size() == 78 && line.substr(71, 5) == "M  1:") {
        last_place = std::stoi(line.substr(76));
      }
      if (line.starts_with("\fPage ")) {
        breaks.push_back(last_place);
        EXPECT_EQ(line, "\fPage " + std::to_string(breaks.size() + 1) + " " + std::string(65, ' ') +
                            "Quiz 7");
      }
    }
    EXPECT_EQ(breaks, c.breaks) << c.sectors << " " << c.kinds;
    EXPECT_TRUE(out.ends_with("\r\n\f")) << "one form feed ends the quiz";
    EXPECT_EQ(std::count(out.begin(), out.end(), '\f'), static_cast<long>(c.breaks.size()) + 1);
  }
}

}  // namespace
}  // namespace packets::output

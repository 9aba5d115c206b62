#include <gtest/gtest.h>

#include "packets/output/golden_bytes.h"
#include "packets/output/layouts.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

const std::string kHeadingCard = R"(
|
|
    Standard Style Quizzing|
|
    M 1:1 to M 28:20|
|
    Quiz Number 3|
|
|
|
|
|
|
|
|
|
|
|
)";

TEST(CardLayout, WorkedExampleCvRefAndRegularCardsAfterTheHeadingCard) {
  Quiz quiz{3,
            {MakePlace('R', kCvRecord),
             MakePlace('n',
                       " 5: 3\tWho are blessed according to Jesus? The poor in spirit, for "
                       "theirs is the kingdom of heaven.")}};
  EXPECT_EQ(PacketBytes(Standard('C'), quiz), Bytes(kHeadingCard + R"(
|
|
    M  5:12   CV                      Quiz 3|
|
|
      1. Accd. to Matt chapter 5 verse 12, |
|
        What must you do first? Be |
        reconciled to your brother.          |
|
|
|
|
|
|
|
|
|
|
|
    M  5: 3                             Quiz 3|
|
|
     2. Who are blessed according to Jesus?|
|
        The poor in spirit, for theirs is |
        the kingdom of heaven.               |
|
|
|
|
|
|
|
|
|
)"));
}

// The question-mark rule stops the scan at the quotation mark after "am?",
// where the window holds no blank: the line breaks after the last position
// scanned and the text goes on, whole, on the next lines.
TEST(CardLayout, QuestionMarkBeforeAQuotationMarkLosesNoText) {
  Quiz quiz{1,
            {MakePlace('n',
                       " 1: 1\tJesus asked, \"Who do you say I am?\" Peter answered, \"You are "
                       "the Christ.\"")}};
  const std::string out = PacketBytes(Standard('C'), quiz);
  EXPECT_EQ(out.substr(AfterLines(out, 18)), Bytes(R"(
|
|
    M  1: 1                             Quiz 1|
|
|
     1. Jesus asked, "Who do you say I|
|
        am?"|
|
        Peter answered, "You are the |
        Christ."                             |
|
|
|
|
|
|
|
)"));
}

TEST(CardLayout, CardHeadingAndQuestionLinesByKind) {
  Quiz quiz{12,
            {MakePlace('O', kCoRecord), MakePlace('S', kSitRecord), MakePlace('F', kFtvRecord),
             MakePlace('F', kQuoRecord)}};
  const std::string out = PacketBytes(Standard('C'), quiz);
  const std::string co = Bytes(R"(
    M  5:12   CO                      Quiz 12|
|
|
     1. According to Matt chapter 5|
|
        What must you do first?              |
)");
  const std::string sit = Bytes(R"(
|
|
|
    M  4: 3  SIT                        Quiz 12|
|
|
     2. The tempter came to him and said|
|
        "If you are the Son of God, tell |
        these stones to become bread."       |
)");
  const std::string ftv = Bytes(R"(
|
|
    M  5: 3   FTV                     Quiz 12|
|
|
     3. Blessed are the poor in spirit,|
        for theirs is the kingdom of heaven. |
)");
  const std::string quo = Bytes(R"(
|
|
    M  6: 9   QUO                     Quiz 12|
|
|
     4. Quote Matt Chapter 6 verse 9  |
|
        This, then, is how you should pray.  |
)");
  for (const std::string& card : {co, sit, ftv, quo}) {
    EXPECT_NE(out.find(card), std::string::npos) << card << "\nin\n" << out;
  }
}

// Cards are filled to 18 lines, or to 36 when their content takes 18 lines
// or more, and beyond 35 lines to the next multiple of 18.
TEST(CardLayout, FillsCardsTo18Or36Lines) {
  // An FTV card takes 6 lines and one per continuation line: a first word of
  // 34 letters, then words of 36 letters, one per line.
  auto ftv = [](int continuation_lines) {
    std::string text = std::string(34, 'a');
    for (int i = 0; i < continuation_lines; ++i) text += " " + std::string(36, 'b');
    return MakePlace('F', " 1: 1\tFTV \t" + text);
  };
  // A regular card whose every line ends in "?" takes 7 lines and two per
  // continuation line, at most 15 of them.
  auto regular = [](int words) {
    std::string text = "A?";
    for (int i = 0; i < words; ++i) text += " B?";
    return MakePlace('n', " 1: 1\t" + text);
  };
  struct Case {
    Place place;
    int content;
    int filled;
  } cases[] = {{ftv(11), 17, 18}, {ftv(12), 18, 36}, {regular(14), 35, 36}, {regular(16), 37, 54}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = Lines(PacketBytes(Standard('C'), Quiz{1, {c.place}}));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(18 + c.filled + 1)) << c.content;
    // (A regular card whose last line ends in "?" ends in its empty line.)
    if (c.place.kind != 'n') {
      EXPECT_NE(lines[18 + c.content - 1], "") << c.content;
    }
    for (int i = 18 + c.content; i < 18 + c.filled; ++i) EXPECT_EQ(lines[i], "") << c.content;
  }
}

}  // namespace
}  // namespace packets::output

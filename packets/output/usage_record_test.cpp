#include <gtest/gtest.h>

#include "packets/output/golden_bytes.h"
#include "packets/output/output.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

// Every block is 33 lines whatever the quiz's length: heading, empty line,
// one line per place, then 31 - SECTORS empty lines.
TEST(UsageBlock, FillsEveryQuizTo33Lines) {
  for (int sectors : {1, 20, 30}) {
    Quiz quiz{sectors, {}};
    for (int x = 1; x <= sectors; ++x) quiz.places.push_back(MakePlace('n', " 1: 1\tWho?\tA"));
    std::vector<std::string> lines = Lines(UsageBlock(quiz));
    ASSERT_EQ(lines.size(), 34u) << sectors;  // 33 lines and nothing after the last line end
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[0], UsageHeading(sectors));
    EXPECT_EQ(lines[1], "");
    for (int x = 1; x <= sectors; ++x) EXPECT_EQ(lines[x + 1], ListingLine(x, quiz.places[0]));
    int empty = 0;
    for (int i = sectors + 2; i < 33; ++i) empty += lines[i].empty() ? 1 : 0;
    EXPECT_EQ(empty, 31 - sectors) << sectors;  // 11 after 20 questions, 1 after 30
  }
}

TEST(UsageHeading, Is73CharactersForQuizNumbersBelow1000) {
  for (int quiz : {1, 9, 10, 99, 100, 150}) {
    std::string line = UsageHeading(quiz);
    EXPECT_EQ(line.size(), 73u) << quiz;
    EXPECT_TRUE(line.starts_with("  Que Sec Num    Verse  Type  Question  "));
    EXPECT_TRUE(line.ends_with(" Quiz " + std::to_string(quiz))) << line;
  }
}

// The verse, type and question columns (from column 18) of each kind.
TEST(ListingLine, ColumnsByKind) {
  struct Case {
    char kind;
    std::string record;
    std::string from18;
  } cases[] = {
      // A TAB ends the question column; no "..." before the limit.
      {'O', " 5:12\tCO\tWho spoke?\tThe Lord.", " 5:12  CO    Who spoke?"},
      // Short and without a TAB: the record's blanks fill the column to its
      // limit, then "...".
      {'R', " 5:12\tCV\tShort.", " 5:12  CV    Short." + std::string(34, ' ') + "..."},
      {'n', " 5: 3\tWho are blessed?\tThe poor",
       " 5: 3        Who are blessed?" + std::string(27, ' ')},
      {'n', " 5: 3\t" + std::string(50, 'x'), " 5: 3        " + std::string(40, 'x') + "..."},
      // "^" and bytes above 127 are written unchanged.
      {'n', "12:30\tA^b\xe9?\tc", "12:30        A^b\xe9?" + std::string(38, ' ')},
      // SIT: introduction, a blank, the quotation up to its TAB.
      {'S', " 4: 3\tJesus said\t\"Follow me.\"\tanswer", " 4: 3  SIT   Jesus said \"Follow me.\""},
      {'S', " 4:19\tJesus said\t\"Come, follow me, and I will make you fishers of men.\"",
       " 4:19  SIT   Jesus said \"Come, follow me, and I will ..."},
      // An introduction that reaches position 46 ends the line.
      {'S', " 4: 3\tThe tempter came to him and said to him quietly\t\"If\"",
       " 4: 3  SIT   The tempter came to him and said to him ..."},
      {'S', " 4: 3 Jesus said", " 4: 3  SIT   Jesus said" + std::string(30, ' ') + "..."},
      {'F', kFtvRecord, " 5: 3  FTV   Blessed are the poor in spirit, for thei..."},
      {'F', " 6: 9\tQUO \tThis, then,\tx", " 6: 9  QUO   This, then,"},
      // A hand-edited FTV line without a TAB after its code: four letters.
      {'F', " 6: 9\tFTVRThis", " 6: 9  FTVR  his" + std::string(37, ' ') + "..."},
  };
  for (const Case& c : cases) {
    std::string line = ListingLine(2, MakePlace(c.kind, c.record, 4, 17));
    EXPECT_EQ(line.substr(0, 17), "   2.   4  17  M ");
    EXPECT_EQ(line.substr(17), c.from18) << c.record;
  }
}

}  // namespace
}  // namespace packets::output

#include <gtest/gtest.h>

#include "packets/output/golden_bytes.h"
#include "packets/output/layouts.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

TEST(TabLayout, WorkedExampleWithAB6) {
  Quiz quiz{3,
            {MakePlace('n', " 1: 1\tWho wept?\tJesus."), MakePlace('S', kSitRecord),
             MakePlace('O', kCoRecord), MakePlace('R', kCvRecord), MakePlace('F', kFtvRecord),
             MakePlace('F', " 6: 9\tQUO \tThis, then, is how you should pray."),
             MakePlace('n', " 5: 3\tWho are blessed? The poor in spirit.")}};
  EXPECT_EQ(PacketBytes(Standard('t', 6), quiz), Bytes(R"(
Quiz 3→→Standard Style Quizzing→M 1:1 to M 28:20|
|
Number→Type→Question→Answer→Verse|
 1→→Who wept?→Jesus.→(M  1: 1)|
 2→SIT→The tempter came to him and said "If you are the Son of God, tell these stones to become bread."→(M  4: 3)|
 3→CO→According to Matt Chapter  5,  What must you do first?→(M  5:12)|
 4→CV→According to Matt chapter 5 verse 12, What must you do first? Be reconciled to your brother.→(M  5:12)|
 5→FTV →Blessed...are...the...poor...in...→spirit, for theirs is the kingdom of heaven.→(M  5: 3)|
 6→QUO →Quote Matt chapter 6 verse 9.→This, then, is how you should pray.→(M  6: 9)|
→→Who are blessed? The poor in spirit.→(M  5: 3)|
<pb>|
)"));
}

// The SIT "*" split, TABs in a SIT text, three blanks ending a text, "^"
// written unchanged, and a short FTV text.
TEST(TabLayout, TextColumnsBySplitRules) {
  struct Case {
    char kind;
    std::string record;
    std::string line;
  } cases[] = {
      {'S', " 4: 3\tHe said\t'Go.' *Jesus", " 1→SIT→He said  'Go.' →*Jesus→(M  4: 3)"},
      {'S', " 4: 3\tA *b *c", " 1→SIT→A →*b *c→(M  4: 3)"},
      {'n', " 1: 1\tWho^?   Hidden", " 1→→Who^?→(M  1: 1)"},
      {'F', " 1: 1\tFTV \tJesus wept.", " 1→FTV →Jesus...wept.→(M  1: 1)"},
      {'F', " 1: 1\tFTV \tA  b c d e f", " 1→FTV →A......b...c...d...→e f→(M  1: 1)"},
      {'O', "12: 1\tCO\tWho?", " 1→CO→According to Matt Chapter 12,  Who?→(M 12: 1)"},
  };
  for (const Case& c : cases) {
    const std::string out = PacketBytes(Standard('T'), Quiz{1, {MakePlace(c.kind, c.record)}});
    EXPECT_EQ(Lines(out).at(3), Bytes(c.line)) << c.record;
  }
}

}  // namespace
}  // namespace packets::output

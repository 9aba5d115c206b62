// OPUT and the usage-record block as the quiz loop calls them: the quiz in
// hand gathered from the run state and appended to its file.
#include <gtest/gtest.h>

#include "console/virtual_screen.h"
#include "packets/output/golden_bytes.h"
#include "packets/output/test_quiz.h"
#include "tests/support/scratch_dir.h"

namespace packets::output {
namespace {

using namespace testing;

class QuizInHand : public ::testing::Test {
 protected:
  void SetUp() override {
    st_.F8 = "TEAM.qui";
    st_.F10 = "TEAM.inf";
    st_.STYLENAME = "Standard";
    st_.NAME4 = "TEAM";
    st_.BCHAP = 1;
    st_.BVER = 1;
    st_.ECHAP = 28;
    st_.EVER = 20;
    st_.AB = 20;
    st_.LPP = 60;
    st_.SECTORS = 3;
    st_.RLBK.Fill('M');
    dir_.Put("TEAM.qui", "");
    dir_.Put("TEAM.inf", "");
  }
  // Quiz q of the run: the worked example's places, sector 4 serving two of
  // them.
  void Fill(int q) {
    st_.Q2 = q;
    st_.PAT[q] = "RnF" + std::string(27, 'n');
    const char* records[] = {kCvRecord.c_str(), " 5: 3\tWho are blessed?\tThe poor in spirit.",
                             kFtvRecord.c_str()};
    const int sectors[] = {12, 4, 4}, numbers[] = {3, 17, 2};
    for (int x = 1; x <= 3; ++x) {
      st_.ALL[x] = records[x - 1];
      st_.ALL2[x] = x == 3 ? "" : " ";
      st_.SECTOR[x] = sectors[x - 1];
      st_.NUMBER[x] = numbers[x - 1];
    }
  }
  packets::Run MakeRun() { return packets::Run{st_, con_, rng_, work_}; }

  testsupport::ScratchDir dir_;
  RunState st_;
  console::VirtualConsole con_;
  console::FixedClock clock_;
  console::Random rng_{clock_};
  console::WorkDir work_{dir_.path()};
};

// The worked example's block, gathered from the run state (sector 4 serves
// places 2 and 3 with their own numbers) and appended whole, 33 lines.
TEST_F(QuizInHand, UsageBlockIsAppendedWhole) {
  packets::Run run = MakeRun();
  Fill(3);
  WriteUsageBlock(run);
  std::string expected = Bytes(R"(
  Que Sec Num    Verse  Type  Question                             Quiz 3|
|
   1.  12   3  M  5:12  CV    What must you do first? Be reconciled to...|
   2.   4  17  M  5: 3        Who are blessed?                           |
   3.   4   2  M  5: 3  FTV   Blessed are the poor in spirit, for thei...|
)");
  for (int i = 0; i < 28; ++i) expected += "\r\n";
  EXPECT_EQ(dir_.Get("TEAM.inf"), expected);
  WriteUsageBlock(run);
  EXPECT_EQ(dir_.Get("TEAM.inf"), expected + expected);
}

// Two quizzes appended one after the other, in each layout: the page
// layout's next heading follows the form feed on its line, the card layout's
// next heading card follows the last card, the tab layout's next quiz
// follows "<pb>".
TEST_F(QuizInHand, TwoConsecutiveQuizzesInEachLayout) {
  struct Case {
    char out;
    std::string seam;
  } cases[] = {
      {'P', Bytes(R"(
               spirit, for theirs is the kingdom of heaven.           |
␌M 1:1 to M 28:20           Standard Style Quizzing               Quiz Number 2|
)")},
      {'C', Bytes(R"(
        for theirs is the kingdom of heaven. |
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
|
|
    Standard Style Quizzing|
)")},
      {'T', Bytes(R"(
 3→FTV →Blessed...are...the...poor...in...→spirit, for theirs is the kingdom of heaven.→(M  5: 3)|
<pb>|
Quiz 2→→Standard Style Quizzing→M 1:1 to M 28:20|
)")},
  };
  for (const Case& c : cases) {
    dir_.Put("TEAM.qui", "");
    st_.OUT = c.out;
    packets::Run run = MakeRun();
    Fill(1);
    OPUT(run);
    const std::string first = dir_.Get("TEAM.qui");
    Fill(2);
    OPUT(run);
    const std::string both = dir_.Get("TEAM.qui");
    EXPECT_EQ(both, first + PacketBytes(GatherSettings(st_), GatherQuiz(st_))) << c.out;
    EXPECT_NE(both.find(c.seam), std::string::npos) << c.out << "\n" << both;
  }
}

}  // namespace
}  // namespace packets::output

// Whole runs on the shipped sample data: both modes, every layout.
#include <fstream>

#include "tests/selection/run_fixture.h"

namespace packets::selection_runs {
namespace {

/// 40 quizzes of 20 questions over the whole book, 3 to 8 specialties of
/// every kind.
Style SampleStyle() {
  Style s;
  s.lines[12] = "40";
  s.Specialties("8 3 3 1 2 0 2 0 2 1");
  return s;
}

TEST_F(SelectionRun, SampleAutomaticIsSoundAndReproducible) {
  UseSampleData();
  Go(SampleStyle());
  EXPECT_EQ(Check(), "");
  EXPECT_EQ(st_.V, 2);
  const std::string packet = dir_.Get("TEAM.qui");
  const std::string usage = dir_.Get("TEAM.inf");
  // The same seed, the same run.
  Go(SampleStyle());
  EXPECT_TRUE(dir_.Get("TEAM.qui") == packet);
  EXPECT_TRUE(dir_.Get("TEAM.inf") == usage);
  Go(SampleStyle(), 6);
  EXPECT_FALSE(dir_.Get("TEAM.inf") == usage);
}

TEST_F(SelectionRun, SampleApprovingEachQuizWithSomeRejections) {
  UseSampleData();
  con_->approve_each_quiz = true;
  con_->approval = [](int asked) { return std::string(asked % 3 == 0 ? "n" : "y"); };
  Go(SampleStyle());
  EXPECT_EQ(Check(), "");
  EXPECT_EQ(st_.V, 1);
  const int asked = last_con_->approvals_asked;
  EXPECT_EQ(asked - asked / 3, 40);  // every third answer rejects
}

TEST_F(SelectionRun, SampleInEachLayout) {
  UseSampleData();
  for (const char* out : {"P", "C", "T"}) {
    SCOPED_TRACE(out);
    Style s = SampleStyle();
    s.lines[6] = out;
    s.lines[12] = "12";
    Go(s);
    EXPECT_EQ(Check(), "");
  }
}

// The ready style shipped with the program, as the demo runs it.
TEST_F(SelectionRun, ReadyStyleOnTheSample) {
  UseSampleData();
  Style ready;
  std::ifstream in(testsupport::SourceDir() / "data" / "Demo.spe");
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ready.lines[++n] = line;
  }
  ASSERT_EQ(n, 29);
  Go(ready);
  EXPECT_EQ(Check(), "");
}

}  // namespace
}  // namespace packets::selection_runs

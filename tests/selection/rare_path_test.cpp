// Whole runs on small materials that force the rare paths of question
// selection, and on the sample data at its limits.
#include "tests/selection/run_fixture.h"

namespace packets::selection_runs {
namespace {

/// The material 1:1 to 1:25 with one regular question on every verse, in
/// 5 places; 10 quizzes; no specialties.
Style SmallStyle() {
  Style s;
  s.lines[3] = "1 25";
  s.lines[7] = "5";
  s.lines[12] = "10";
  s.lines[26] = "1";
  s.lines[27] = "5";
  s.Specialties("0 0 0 0 0 0 0 0 0 0");
  return s;
}

Questions OnePerVerse() {
  Questions q;
  for (int v = 1; v <= 25; ++v) q.Regular(1, v, 1);
  return q;
}

// CV Ref questions on one verse only: every quiz's second CV Ref place
// restarts the pool, then repeats the sector.
TEST_F(SelectionRun, KindInOneSectorRepeatsTheSectorInEveryQuiz) {
  for (bool approving : {false, true}) {
    SCOPED_TRACE(approving);
    Questions q = OnePerVerse();
    q.cv = {Ref(1, 3) + "\tCV\tWhat came first? The word.",
            Ref(1, 3) + "\tCV\tWhat came next? A deed."};
    q.Put(dir_);
    Style s = SmallStyle();
    s.Specialties("2 2 0 0 2 2 0 0 0 0");
    con_->approve_each_quiz = approving;
    con_->approval = [](int asked) { return std::string(asked % 2 ? "n" : "y"); };
    Go(s);
    EXPECT_EQ(Check(), "");
    const std::string notes = Notes();
    for (int quiz = 1; quiz <= 10; ++quiz) {
      EXPECT_NE(notes.find("Sectors or Questions repeated in quiz " + std::to_string(quiz) + "\n"),
                std::string::npos)
          << quiz;
    }
  }
}

// Interrogatives wanted in every place, but the last sector (1:20 to 1:25)
// holds none.
TEST_F(SelectionRun, InterrogativeShareThatCannotBeMetIsAbandoned) {
  Questions q;
  for (int v = 1; v <= 25; ++v) q.Regular(1, v, 1, v < 20 ? "Who" : "Tell");
  q.Put(dir_);
  Style s = SmallStyle();
  s.lines[10] = "100";
  s.lines[12] = "3";
  std::string area, closing;
  con_->on_read = [&] {
    const std::string screen = con_->Text();
    if (screen.find("**Abandoning") != std::string::npos) area = screen;
    if (screen.find("abandoned on quiz") != std::string::npos) closing = screen;
  };
  Go(s);
  EXPECT_EQ(Check(), "");
  EXPECT_NE(area.find("    **Some Sectors are out of Interrogative questions**"),
            std::string::npos);
  EXPECT_NE(area.find("    **Abandoning 100 Percent interrogatives on quiz 1**"),
            std::string::npos);
  EXPECT_NE(closing.find("100 Percent interrogatives abandoned on quiz 1"), std::string::npos);
  EXPECT_EQ(Notes(), "Abandoning 100 Percent interrogatives on quiz 1\n");
  EXPECT_EQ(st_.ABAND, 1);
  EXPECT_EQ(st_.OLDIPC, 100);
  EXPECT_EQ(st_.IPC, 50);
}

// Sectors of one question each: the regular pool restarts in every quiz
// from the second on.
TEST_F(SelectionRun, SmallestSectorOfOneRestartsThePoolEveryQuiz) {
  Questions q;
  for (int v = 1; v <= 5; ++v) q.Regular(1, v, 1);
  q.Put(dir_);
  Style s = SmallStyle();
  s.lines[3] = "1 5";
  s.lines[12] = "6";
  s.lines[13] = "Q";
  Go(s);
  EXPECT_EQ(st_.MINQZ1, 1);
  EXPECT_EQ(Check(), "");
  std::string expected;
  for (int quiz = 2; quiz <= 6; ++quiz) {
    expected += "Regular Question Repeats begin quiz " + std::to_string(quiz) + "\n";
  }
  EXPECT_EQ(Notes(), expected);
}

// One place per quiz: its sector is the whole material, 600 questions.
TEST_F(SelectionRun, OneSectorOfSixHundredQuestions) {
  Questions q;
  for (int v = 1; v <= 25; ++v) q.Regular(1, v, 24, v % 2 ? "Who" : "Tell");
  q.Put(dir_);
  Style s = SmallStyle();
  s.lines[7] = "1";
  s.lines[10] = "30";  // none of one place: only statements
  s.lines[12] = "150";
  s.lines[27] = "1";
  Go(s);
  EXPECT_EQ(st_.TQPS[1], 600);
  EXPECT_EQ(Check(), "");
  EXPECT_EQ(Notes(), "");
  std::vector<std::string> problems;
  const auto usage = testsupport::ReadUsageRecord(dir_.path() / "TEAM.inf", problems);
  for (const auto& quiz : usage.quizzes)
    EXPECT_TRUE(quiz[0].text.starts_with("Tell")) << quiz[0].text;
}

// Thirty places, twenty of them specialties, each approved: the question
// stays on the screen's row 24, the title and the last row stay.
TEST_F(SelectionRun, TwentySpecialtiesOfThirtyApproved) {
  UseSampleData();
  Style s;
  s.lines[7] = "30";
  s.lines[12] = "5";
  s.lines[26] = "1";
  s.lines[27] = "30";
  s.Specialties("20 20 5 5 5 5 5 5 5 5");
  con_->approve_each_quiz = true;
  int checked = 0;
  con_->on_read = [&] {
    if (con_->Row(24).find("Do you wish to accept this combination") == std::string::npos) return;
    ++checked;
    EXPECT_EQ(con_->WhereY(), 24);
    EXPECT_NE(con_->Row(1).find("Matthew"), std::string::npos);
    EXPECT_NE(con_->Row(25).find("Lampstand"), std::string::npos);
    EXPECT_EQ(con_->Row(4)[4], '.');  // the first listing line, right under the heading
  };
  Go(s);
  EXPECT_EQ(checked, 5);
  EXPECT_EQ(Check(), "");
}

// Esc at the third quiz's approval: two quizzes written, the notes copied,
// the closing screen, back to the title.
TEST_F(SelectionRun, EscAtTheApprovalQuestionEndsTheRunAfterTheCompleteQuizzes) {
  UseSampleData();
  Style s;
  s.lines[12] = "5";
  con_->approve_each_quiz = true;
  con_->approval = [](int asked) { return std::string(asked == 3 ? "\x1b" : "y"); };
  Go(s);
  EXPECT_EQ(Check(2), "");
  const std::string packet = dir_.Get("TEAM.qui");
  std::size_t headings = 0;
  for (std::size_t at = packet.find("Quiz Number"); at != std::string::npos;
       at = packet.find("Quiz Number", at + 1)) {
    ++headings;
  }
  EXPECT_EQ(headings, 2u);
  EXPECT_TRUE(dir_.Get("TEAM.inf").ends_with("\r\n\r\n"));  // the (empty) run notes
  EXPECT_EQ(last_con_->style_menus, 2);                     // back to the title, then "Exit"
}

}  // namespace
}  // namespace packets::selection_runs

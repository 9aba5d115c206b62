#include <gtest/gtest.h>

#include <algorithm>

#include "packets/run/run_notes.h"
#include "packets/selection/choosers.h"
#include "packets/selection/selection.h"
#include "packets/selection/test_scene.h"

namespace packets::selection {
namespace {

using testing_support::RowOf;
using testing_support::Scene;

/// The remaining counts and availability flags of one kind.
struct Pool {
  std::vector<int> remaining;
  std::vector<std::vector<int>> flags;
  bool operator==(const Pool&) const = default;
};
Pool PoolOf(const RunState& st, const SpecialtyKind& kind) {
  Pool p;
  for (int s = 1; s <= SCMAX; ++s) {
    p.remaining.push_back((st.*kind.remaining)[s]);
    std::vector<int> row;
    for (int k = 1; k <= (st.*kind.flags).Count(s); ++k) row.push_back((st.*kind.flags)(s, k));
    p.flags.push_back(row);
  }
  return p;
}

// A rejected pass whose CV Ref pool restarted twice and whose sectors were
// repeated: the pick made before the restarts is not given back again, the
// one after is; the FTV picks are given back whole.
TEST(Approval, RejectedPassGivesBackExactlyItsOwnPicks) {
  Scene sc(6);
  sc.Give('n', std::vector<int>(6, 3));
  sc.Give('R', {0, 0, 2, 0, 0, 0});
  sc.Give('F', std::vector<int>(6, 2),
          [](int s, int k) { return std::string((s + k) % 2 ? "FTV " : "QUO "); });
  sc.Pattern("RFRnnF");
  sc.st.FPS[2] = 1;  // one used in an earlier quiz
  sc.st.FINISH(2, 1) = 0;
  const Pool ftv_before = PoolOf(sc.st, kFtv);
  sc.NewQuiz();
  FindPlaces(sc.run, kCvRef);
  FindPlaces(sc.run, kFtv);
  ASSERT_EQ(sc.st.SECTOR[1], 3);
  ASSERT_EQ(sc.st.SECTOR[3], 3);
  UndoSpecialtyPicks(sc.st);
  // The CV Ref pool as the restart left it: full.
  Scene full(6);
  full.Give('R', {0, 0, 2, 0, 0, 0});
  EXPECT_EQ(PoolOf(sc.st, kCvRef), PoolOf(full.st, kCvRef));
  EXPECT_EQ(PoolOf(sc.st, kFtv), ftv_before);
  for (int s = 1; s <= 6; ++s) EXPECT_EQ(sc.st.FLAG[s], 1);
  // The restart stays, with its note.
  EXPECT_EQ(sc.Notes(), (std::vector<std::string>{notes::CvRepeats(1), notes::SectorsRepeated(1)}));
}

TEST(Approval, ScreenListsTheSpecialtiesAndKeepsTheQuestionOnScreen) {
  struct Case {
    int specialties;
    int first_line;  // row of the first listing line
  };
  for (Case c : {Case{3, 5}, Case{18, 5}, Case{20, 4}}) {
    SCOPED_TRACE(c.specialties);
    Scene sc(30);
    sc.Give('n', std::vector<int>(30, 2));
    sc.Give('S', std::vector<int>(30, 2));
    sc.Pattern(std::string(static_cast<std::size_t>(c.specialties), 'S'));
    sc.st.V = 1;
    sc.con.GotoXY(1, 1);
    sc.con.Write("title row");
    sc.con.GotoXY(1, 25);
    sc.con.Write("last row");
    sc.con.Keys("xny");  // a key that is passed over, a rejection, an approval
    CHOOSESPEC(sc.run);
    ASSERT_EQ(sc.con.screens.size(), 3u);
    const std::string& screen = sc.con.screens[0];
    const int question = c.first_line + c.specialties + (c.first_line == 5 ? 1 : 0);
    EXPECT_EQ(RowOf(screen, 1).substr(0, 9), "title row");
    EXPECT_EQ(RowOf(screen, 25).substr(0, 8), "last row");
    EXPECT_EQ(RowOf(screen, 3).substr(0, 40), "  Que Sec Num    Verse  Type  Question  ");
    EXPECT_EQ(RowOf(screen, c.first_line).substr(0, 5), "   1.");
    EXPECT_EQ(RowOf(screen, c.first_line + c.specialties - 1).substr(0, 5),
              (c.specialties < 10 ? "   " : "  ") + std::to_string(c.specialties) + ".");
    EXPECT_EQ(RowOf(screen, question).substr(0, 50),
              "  Do you wish to accept this combination (y/n)?   ");
    EXPECT_EQ(sc.con.rows[0], question);
    EXPECT_LE(question, 24);
    EXPECT_FALSE(sc.st.EN);
    // After "y": the regular places and the quiz's block of the usage record.
    EXPECT_EQ(sc.con.Text(1, 3, 40), "  Choosing Regular Questions for Quiz 1 ");
    const std::string usage = sc.Get("TEAM.inf");
    EXPECT_EQ(usage.find("Quiz 1\r\n\r\n   1."), 67u);
    EXPECT_EQ(std::count(usage.begin(), usage.end(), '\n'), 33);
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(sc.st.RLBK[i], 'M');
  }
}

TEST(Approval, EscLeavesTheQuizUnwritten) {
  Scene sc(4);
  sc.Give('n', std::vector<int>(4, 2));
  sc.Give('O', std::vector<int>(4, 2));
  sc.Pattern("nOnn");
  sc.st.V = 1;
  sc.con.Keys("\x1b");
  CHOOSESPEC(sc.run);
  EXPECT_TRUE(sc.st.EN);
  EXPECT_EQ(sc.Get("TEAM.inf"), "");
}

}  // namespace
}  // namespace packets::selection

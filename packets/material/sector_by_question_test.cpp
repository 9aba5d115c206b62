#include "packets/material/sector_by_question.h"

#include <gtest/gtest.h>

#include <numeric>

#include "packets/material/material.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::Counts;
using testing_support::ExpectEveryQuestionInItsSector;
using testing_support::RegularOn;
using testing_support::Scene;
using testing_support::SectorBounds;
using testing_support::SectorCounts;
using testing_support::SetMaterial;
using Bounds = std::vector<std::string>;

std::vector<int> Sizes(int t, int n) {
  auto size = QuestionSectorSizes(t, n);
  return std::vector<int>(size.begin() + 1, size.begin() + 1 + n);
}

TEST(QuestionSectorSizes, FractionRules) {
  EXPECT_EQ(Sizes(40, 4), (std::vector<int>{10, 10, 10, 10}));
  EXPECT_EQ(Sizes(43, 4), (std::vector<int>{11, 11, 11, 10}));  // f = 0.75
  EXPECT_EQ(Sizes(45, 4), (std::vector<int>{11, 11, 11, 12}));  // f = 0.25
  EXPECT_EQ(Sizes(10, 4), (std::vector<int>{3, 2, 2, 3}));      // f = 0.5
  // f = 0.375 (every 3rd up to (N - 1) div 3 * 3) and f = 0.125 (every 8th).
  EXPECT_EQ(Sizes(19, 8), (std::vector<int>{3, 2, 2, 3, 2, 2, 2, 3}));
  EXPECT_EQ(Sizes(17, 8), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 3}));
  // f = 0.875 (every 7th loses again up to (N - 1) div 8 * 8).
  EXPECT_EQ(Sizes(15, 8), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 1}));
  EXPECT_EQ(Sizes(80, 9), (std::vector<int>{8, 9, 9, 9, 9, 9, 9, 8, 10}));
  // f exactly one third falls under the 0.333 rule.
  EXPECT_EQ(Sizes(21, 9), (std::vector<int>{3, 2, 2, 3, 2, 2, 2, 2, 3}));
}

TEST(QuestionSectorSizes, ThreeHundredTwentyNineInThirty) {
  std::vector<int> want(30, 11);
  for (int s : {1, 8, 15, 22}) want[static_cast<std::size_t>(s - 1)] = 10;
  want[29] = 14;
  EXPECT_EQ(Sizes(329, 30), want);
}

TEST(QuestionSectorSizes, AlwaysAddUpToTheTotal) {
  for (int n = 1; n <= SCMAX; ++n) {
    for (int t = n; t <= 40 * n; t += 7) {
      auto s = Sizes(t, n);
      EXPECT_EQ(std::accumulate(s.begin(), s.end(), 0), t) << t << " in " << n;
      EXPECT_GT(*std::min_element(s.begin(), s.end()), 0) << t << " in " << n;
    }
  }
}

struct ByQuestion : ::testing::Test {
  Scene sc;
  void Resector() {
    sc.con.Line("");
    RESECTOR(sc.run);
  }
};

TEST_F(ByQuestion, NoticeWaitsForEnterAndIsCleared) {
  RegularOn(sc.st, 1, 1, 8);
  SetMaterial(sc.st, 1, 1, 1, 8, 2);
  sc.con.GotoXY(1, 3);
  sc.con.Write("Sectoring material...");
  EXPECT_THROW(RESECTOR(sc.run), console::InputExhausted);
  EXPECT_EQ(sc.con.Text(1, 6, 56), "  The material will be sectored by individual questions.");
  Resector();
  EXPECT_EQ(sc.con.Row(6), std::string(80, ' '));
  EXPECT_EQ(sc.con.WhereX(), 1);
  EXPECT_EQ(sc.con.WhereY(), 5);
  EXPECT_EQ(sc.st.RESEC, 1);
}

TEST_F(ByQuestion, FortyVersesLastSectorBeginsWhereItsQuestionsDo) {
  RegularOn(sc.st, 5, 1, 40);
  SetMaterial(sc.st, 5, 1, 5, 40, 4);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"5:1-5:10", "5:11-5:20", "5:21-5:30", "5:31-5:40"}));
  EXPECT_EQ(SectorCounts(sc.st)[3].q, 10);
  EXPECT_EQ(sc.st.MINQZ, 10);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

TEST_F(ByQuestion, OneVerseIsSplitOverEverySector) {
  sc.st.QCOUNT(3, 4) = 10;
  sc.st.FCOUNT(3, 4) = 2;
  SetMaterial(sc.st, 3, 4, 3, 4, 4);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"3:4-3:4", "3:4-3:4", "3:4-3:4", "3:4-3:4"}));
  // The split verse's specialty questions belong to the first sector.
  EXPECT_EQ(
      SectorCounts(sc.st),
      (std::vector<Counts>{{3, 2, 0, 0, 0}, {2, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 0, 0, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, false);
}

TEST_F(ByQuestion, SplitVerseKeepsItsSpecialtyQuestionsInTheFirstSector) {
  RegularOn(sc.st, 2, 1, 3, 3);  // 9 questions, sizes 4 and 5: 2:2 is split
  for (int v = 1; v <= 3; ++v) sc.st.OCOUNT(2, v) = 1;
  SetMaterial(sc.st, 2, 1, 2, 3, 2);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"2:1-2:2", "2:2-2:3"}));
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{4, 0, 0, 2, 0}, {5, 0, 0, 1, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, false);
}

// Guards against the walk passing over verses that hold only specialty
// questions without counting them.
TEST_F(ByQuestion, VersesWithOnlySpecialtyQuestionsAreCounted) {
  for (int v = 1; v <= 10; v += 2) sc.st.QCOUNT(1, v) = 1;
  for (int v = 1; v <= 12; ++v) sc.st.FCOUNT(1, v) = 1;
  sc.st.SCOUNT(1, 4) = 2;
  SetMaterial(sc.st, 1, 1, 1, 10, 2);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:3", "1:5-1:10"}));
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{2, 4, 0, 0, 2}, {3, 6, 0, 0, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, false);
}

// Guards against the walk counting questions that are not there when the
// material's first verse holds no regular question.
TEST_F(ByQuestion, EmptyFirstVerseStaysInSectorOne) {
  RegularOn(sc.st, 1, 3, 10);
  sc.st.RCOUNT(1, 1) = 1;
  SetMaterial(sc.st, 1, 1, 1, 10, 2);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:6", "1:7-1:10"}));
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{4, 0, 1, 0, 0}, {4, 0, 0, 0, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, false);
}

TEST_F(ByQuestion, SectorsOfSixHundredQuestions) {
  RegularOn(sc.st, 1, 1, 5, 240);
  SetMaterial(sc.st, 1, 1, 1, 5, 2);
  Resector();
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:3", "1:3-1:5"}));
  EXPECT_EQ(SectorCounts(sc.st)[0].q, 600);
  EXPECT_EQ(SectorCounts(sc.st)[1].q, 600);
}

TEST_F(ByQuestion, ClearsWhatAnEarlierSectoringLeftAboveTheSectors) {
  RegularOn(sc.st, 1, 1, 40);
  SetMaterial(sc.st, 1, 1, 1, 40, 8);
  ASSERT_TRUE(SectorByVerse(sc.run));
  sc.st.SECTORS = 3;
  Resector();
  EXPECT_EQ(SectorCounts(sc.st)[2].q, 14);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

}  // namespace
}  // namespace packets::material

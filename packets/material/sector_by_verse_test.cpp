#include <gtest/gtest.h>

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

std::vector<int> Regular(const RunState& st) {
  std::vector<int> out;
  for (const Counts& c : SectorCounts(st)) out.push_back(c.q);
  return out;
}

TEST(SectorByVerse, FortyVersesInFourSectorsLowerTheBaseTarget) {
  Scene sc;
  RegularOn(sc.st, 1, 1, 40);
  SetMaterial(sc.st, 1, 1, 1, 40, 4);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(Regular(sc.st), (std::vector<int>{10, 10, 9, 11}));
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:10", "1:11-1:20", "1:21-1:29", "1:30-1:40"}));
  EXPECT_EQ(sc.st.MINQZ, 9);
  EXPECT_EQ(sc.st.RESEC, 0);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

TEST(SectorByVerse, TwoChaptersInEightSectors) {
  Scene sc;
  RegularOn(sc.st, 1, 1, 40);
  RegularOn(sc.st, 2, 1, 40);
  SetMaterial(sc.st, 1, 1, 2, 40, 8);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(Regular(sc.st), (std::vector<int>{10, 10, 10, 10, 10, 10, 9, 11}));
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:10", "1:11-1:20", "1:21-1:30", "1:31-1:40",
                                         "2:1-2:10", "2:11-2:20", "2:21-2:29", "2:30-2:40"}));
  EXPECT_EQ(sc.st.MINQZ, 9);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

TEST(SectorByVerse, AfterFourEmptyVersesTheSectorGoesOnInTheNextChapter) {
  Scene sc;
  // Chapter 1 has no questions after verse 10: a sector still short of its
  // target there continues at 2:1.
  RegularOn(sc.st, 1, 1, 10);
  RegularOn(sc.st, 2, 1, 10);
  SetMaterial(sc.st, 1, 1, 2, 10, 2);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:9", "1:10-2:10"}));
  EXPECT_EQ(Regular(sc.st), (std::vector<int>{9, 11}));
  EXPECT_EQ(sc.st.MINQZ, 9);
}

// Guards against the walk's jump to the next chapter losing the questions
// that follow a run of six verses without regular questions.
TEST(SectorByVerse, QuestionsAfterSixEmptyVersesStayInTheirSector) {
  Scene sc;
  RegularOn(sc.st, 1, 1, 10);
  RegularOn(sc.st, 1, 17, 20);  // after 1:11 to 1:16 without regular questions
  RegularOn(sc.st, 2, 1, 20);
  sc.st.FCOUNT(1, 18) = 2;
  sc.st.SCOUNT(1, 19) = 1;
  SetMaterial(sc.st, 1, 1, 2, 20, 2);
  ASSERT_EQ(sc.st.TQUEST, 34);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-2:4", "2:5-2:20"}));
  EXPECT_EQ(sc.st.MINQZ, 14);
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{18, 2, 0, 0, 1}, {16, 0, 0, 0, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, true);
}

// Guards against the last sector taking specialty questions of verses past
// the material's last verse while it absorbs verses without regular ones.
TEST(SectorByVerse, LastSectorStopsAtTheEndOfTheMaterial) {
  Scene sc;
  RegularOn(sc.st, 1, 1, 10);
  for (int v = 1; v <= 20; ++v) sc.st.FCOUNT(1, v) = 1;
  SetMaterial(sc.st, 1, 1, 1, 12, 2);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(SectorBounds(sc.st), (Bounds{"1:1-1:4", "1:5-1:10"}));
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{4, 4, 0, 0, 0}, {6, 8, 0, 0, 0}}));
  EXPECT_EQ(sc.st.MINQZ, 4);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

TEST(SectorByVerse, FailsWhenNoCutFitsAndLeavesNoCounts) {
  Scene sc;
  sc.st.QCOUNT(3, 7) = 10;
  sc.st.FCOUNT(3, 7) = 2;
  SetMaterial(sc.st, 3, 7, 3, 7, 4);
  EXPECT_FALSE(SectorByVerse(sc.run));
  EXPECT_EQ(sc.st.MINQZ, -1);
  for (int s = 1; s <= SCMAX; ++s) EXPECT_EQ(sc.st.QPS[s] + sc.st.FPS[s] + sc.st.TQPS[s], 0);
}

TEST(SectorByVerse, LimitedChapterCopyJumpsOverChaptersSevenNineAndFourteen) {
  // Targets drop to zero, so every sector after the first closes on the
  // empty verse 1 of a chapter and the next one begins in the chapter after
  // it: in the limited-chapter copy never in chapter 7, 9 or 14.
  for (char lg : {'L', ' '}) {
    Scene sc;
    sc.st.LG = lg;
    sc.st.QCOUNT(5, 1) = 1;
    sc.st.QCOUNT(26, 1) = 1;
    sc.st.QCOUNT(26, 2) = 1;
    SetMaterial(sc.st, 5, 1, 26, 2, 6);
    ASSERT_TRUE(SectorByVerse(sc.run));
    EXPECT_EQ(sc.st.MINQZ, 0);
    EXPECT_EQ(SectorBounds(sc.st),
              lg == 'L'
                  ? (Bounds{"5:1-5:1", "6:1-6:1", "8:1-8:1", "12:1-12:1", "13:1-13:1", "17:1-26:2"})
                  : (Bounds{"5:1-5:1", "6:1-6:1", "7:1-7:1", "8:1-8:1", "9:1-9:1", "10:1-26:2"}));
    EXPECT_EQ(Regular(sc.st), (std::vector<int>{1, 0, 0, 0, 0, 2}));
    ExpectEveryQuestionInItsSector(sc.st, true);
  }
}

TEST(SectorByVerse, SectorsOfSixHundredQuestions) {
  Scene sc;
  RegularOn(sc.st, 1, 1, 8, 150);
  sc.st.QCOUNT(1, 9) = 1;
  SetMaterial(sc.st, 1, 1, 1, 9, 2);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(Regular(sc.st), (std::vector<int>{600, 601}));
  EXPECT_EQ(sc.st.MINQZ, 600);
  ExpectEveryQuestionInItsSector(sc.st, true);
}

TEST(SectorByVerse, OneSectorTakesTheWholeMaterial) {
  Scene sc;
  RegularOn(sc.st, 4, 3, 9, 2);
  sc.st.RCOUNT(4, 1) = 1;  // before the material
  sc.st.RCOUNT(4, 12) = 3;
  SetMaterial(sc.st, 4, 2, 4, 12, 1);
  ASSERT_TRUE(SectorByVerse(sc.run));
  EXPECT_EQ(SectorCounts(sc.st), (std::vector<Counts>{{14, 0, 3, 0, 0}}));
  ExpectEveryQuestionInItsSector(sc.st, true);
}

}  // namespace
}  // namespace packets::material

#include "packets/material/chapter_cut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace packets::material {
namespace {

// Last verses of the 28 chapters, as the verse table ships them.
constexpr int kBook[CHMAX + 1] = {0,  25, 23, 17, 25, 48, 34, 29, 34, 38, 42, 30, 50, 58, 36,
                                  39, 28, 27, 35, 30, 34, 46, 45, 39, 51, 46, 75, 66, 20};

ChapterMaterial Material(int bchap, int bver, int echap, int ever, bool limited = false) {
  ChapterMaterial m;
  m.BCHAP = bchap;
  m.BVER = bver;
  m.ECHAP = echap;
  m.EVER = ever;
  m.limited = limited;
  for (int c = 1; c <= CHMAX; ++c) m.EVS[c] = static_cast<std::uint8_t>(kBook[c]);
  return m;
}

ChapterCounts Counts(std::initializer_list<std::pair<int, int>> counts) {
  ChapterCounts cs{"CS"};
  for (auto [c, k] : counts) cs[c] = static_cast<std::uint8_t>(k);
  return cs;
}

/// Sectors as "c:v-c:v" joined by blanks.
std::string Text(const std::vector<SectorSpan>& sectors) {
  std::string out;
  for (const SectorSpan& s : sectors) {
    if (!out.empty()) out += ' ';
    out += std::to_string(s.first.chapter) + ':' + std::to_string(s.first.verse) + '-' +
           std::to_string(s.last.chapter) + ':' + std::to_string(s.last.verse);
  }
  return out;
}

TEST(ChapterCut, FirstVisitGivesSectorsOutInTurn) {
  ChapterCounts cs{"CS"};
  DistributeSectors(Material(1, 1, 3, 17), 5, cs);
  EXPECT_EQ(cs[1], 2);
  EXPECT_EQ(cs[2], 2);
  EXPECT_EQ(cs[3], 1);
  EXPECT_EQ(cs[4], 0);

  // The limited-chapter copy passes from chapter 5 to 26.
  ChapterCounts lim{"CS"};
  DistributeSectors(Material(4, 1, 27, 66, true), 6, lim);
  EXPECT_EQ(lim[4], 2);
  EXPECT_EQ(lim[5], 2);
  EXPECT_EQ(lim[6], 0);
  EXPECT_EQ(lim[25], 0);
  EXPECT_EQ(lim[26], 1);
  EXPECT_EQ(lim[27], 1);
  EXPECT_EQ(TotalCount(Material(4, 1, 27, 66, true), lim), 6);
  EXPECT_EQ(Material(4, 1, 27, 66, true).Chapters(), (std::vector<int>{4, 5, 26, 27}));
}

// The cases the chapter screen tests do not reach: a first chapter begun
// after verse 1, a group sector across a chapter end, and a group both begun
// after verse 1 and ending the material.
TEST(ChapterCut, CutsAtTheEdgesOfChaptersAndMaterial) {
  EXPECT_EQ(Text(CutByChapter(Material(1, 10, 2, 10), Counts({{1, 3}, {2, 2}}))),
            "1:10-1:14 1:15-1:19 1:20-1:25 2:1-2:5 2:6-2:10");
  EXPECT_EQ(Text(CutByChapter(Material(1, 1, 3, 17), Counts({{1, 0}, {2, 0}, {3, 4}}))),
            "1:1-1:16 1:17-2:7 2:8-2:23 3:1-3:17");
  EXPECT_EQ(Text(CutByChapter(Material(1, 21, 2, 5), Counts({{1, 0}, {2, 3}}))),
            "1:21-1:23 1:24-2:1 2:2-2:5");
  // The first one in book order is named when counts are above the verses.
  auto first = FindOverfull(Material(1, 24, 2, 1), Counts({{1, 3}, {2, 2}}));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->chapter, 1);
  EXPECT_EQ(first->verses, 2);
}

/// Checks that the sectors run back to back over the whole material.
void ExpectBackToBack(const ChapterMaterial& m, const ChapterCounts& cs, int total,
                      const std::string& what) {
  const std::vector<SectorSpan> sectors = CutByChapter(m, cs);
  ASSERT_EQ(static_cast<int>(sectors.size()), total) << what;
  VersePlace expected{m.BCHAP, m.BVER};
  for (const SectorSpan& s : sectors) {
    ASSERT_EQ(s.first, expected) << what << ": " << Text(sectors);
    ASSERT_LE(s.first, s.last) << what << ": " << Text(sectors);
    ASSERT_TRUE(m.TakesPart(s.last.chapter)) << what << ": " << Text(sectors);
    ASSERT_LE(s.last.verse, m.EVS[s.last.chapter]) << what << ": " << Text(sectors);
    expected = s.last.verse < m.EVS[s.last.chapter] ? VersePlace{s.last.chapter, s.last.verse + 1}
                                                    : VersePlace{m.NextChapter(s.last.chapter), 1};
  }
  EXPECT_EQ(sectors.back().last, (VersePlace{m.ECHAP, m.EVER})) << what << ": " << Text(sectors);
}

/// Every material over `chapters` (small ones) and every set of counts of 0
/// to 4 that the check lets through.
void SweepMaterials(const std::vector<int>& chapters, bool limited) {
  int checked = 0;
  for (std::size_t b = 0; b < chapters.size(); ++b) {
    for (std::size_t e = b; e < chapters.size(); ++e) {
      const int bchap = chapters[b], echap = chapters[e];
      ChapterMaterial base = Material(bchap, 1, echap, 1, limited);
      for (int c : chapters) base.EVS[c] = static_cast<std::uint8_t>(2 + c % 4);
      for (int bver = 1; bver <= base.EVS[bchap]; ++bver) {
        for (int ever = bchap == echap ? bver : 1; ever <= base.EVS[echap]; ++ever) {
          ChapterMaterial m = base;
          m.BVER = bver;
          m.EVER = ever;
          const std::vector<int> in = m.Chapters();
          int combos = 1;
          for (std::size_t i = 0; i < in.size(); ++i) combos *= 5;
          for (int code = 0; code < combos; ++code) {
            ChapterCounts cs{"CS"};
            int total = 0;
            for (int i = 0, rest = code; i < static_cast<int>(in.size()); ++i, rest /= 5) {
              cs[in[static_cast<std::size_t>(i)]] = static_cast<std::uint8_t>(rest % 5);
              total += rest % 5;
            }
            if (cs[in.back()] == 0 || FindOverfull(m, cs)) continue;
            std::string what = std::to_string(bchap) + ":" + std::to_string(bver) + " to " +
                               std::to_string(echap) + ":" + std::to_string(ever) + " counts";
            for (int c : in) what += " " + std::to_string(cs[c]);
            ExpectBackToBack(m, cs, total, what);
            if (::testing::Test::HasFatalFailure()) return;
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(ChapterCut, EveryCutThatIsLetThroughRunsBackToBack) {
  SweepMaterials({1, 2, 3, 4}, false);
  SweepMaterials({4, 5, 26, 27}, true);
}

}  // namespace
}  // namespace packets::material

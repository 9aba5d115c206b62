#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "packets/material/chapter_cut.h"
#include "packets/material/material.h"
#include "packets/material/sector_by_chapter.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::ExpectEveryQuestionInItsSector;
using testing_support::QuestionLines;
using testing_support::Scene;

/// A run over generated question files for the whole book, with verse
/// counts from the shipped verse table: irregular numbers of regular
/// questions, runs of verses without any, specialty questions here and
/// there (some on verses without regular questions).
struct BookScene : Scene {
  explicit BookScene(unsigned seed) {
    const char* source = std::getenv("MATQUIZ_SOURCE_DIR");  // set by CTest
    std::ifstream verses(std::string(source ? source : ".") + "/data/VERSES.TXT");
    std::string text((std::istreambuf_iterator<char>(verses)), std::istreambuf_iterator<char>());
    Put("VERSES.TXT", text);
    EXPECT_EQ(ReadVerseTable(run), std::nullopt);
    st.F2 = "Book.spe";
    st.F3 = "Mat.C";
    st.F4 = "FTV.60";
    st.F5 = "cv.c";
    st.F6 = "co.c";
    st.F7 = "SIT.TXT";
    st.F11 = "count.60C";
    std::vector<std::pair<std::pair<int, int>, int>> q, f, r, o, s;
    unsigned x = seed;
    auto next = [&x](unsigned n) {
      x = x * 1103515245u + 12345u;
      return (x >> 16) % n;
    };
    for (int c = 1; c <= CHMAX; ++c) {
      for (int v = 1; v <= st.EVS[c]; ++v) {
        // Every fifth chapter has a gap of seven verses without regular ones.
        const bool gap = c % 5 == 0 && v >= 10 && v < 17;
        if (!gap) q.push_back({{c, v}, static_cast<int>(next(7))});
        if (next(3) == 0) f.push_back({{c, v}, static_cast<int>(next(3)) + 1});
        if (next(5) == 0) r.push_back({{c, v}, 1});
        if (next(6) == 0) o.push_back({{c, v}, 1});
        if (next(9) == 0) s.push_back({{c, v}, 2});
      }
    }
    Put("Mat.c", QuestionLines(q, "Who is it?"));
    Put("Ftv.60", QuestionLines(f));
    Put("Cv.c", QuestionLines(r));
    Put("Co.c", QuestionLines(o));
    Put("Sit.txt", QuestionLines(s));
    EXPECT_EQ(BuildIndex(run), std::nullopt);
  }

  void Material(int bc, int bv, int ec, int ev, int sectors) {
    st.BCHAP = bc, st.BVER = bv, st.ECHAP = ec, st.EVER = ev;
    st.SECTORS = st.SECTORS2 = st.QMAX = sectors;
    ASSERT_EQ(ReadIndex(run), std::nullopt);
  }
};

// For materials of every size and any number of sectors, both sectorings
// put every question of the material in exactly one sector, the one that
// covers its verse, and the interrogative index finds all of them.
TEST(MaterialScenario, EverySectoringPartsTheMaterial) {
  BookScene sc(7);
  struct Bounds {
    int bc, bv, ec, ev;
  };
  const Bounds materials[] = {{1, 1, 28, 20}, {5, 3, 5, 30}, {4, 20, 10, 12}, {26, 1, 28, 20}};
  for (const Bounds& m : materials) {
    for (int n : {1, 2, 7, 12, 30}) {
      SCOPED_TRACE(std::to_string(m.bc) + ":" + std::to_string(m.bv) + " in " + std::to_string(n));
      sc.Material(m.bc, m.bv, m.ec, m.ev, n);
      if (sc.st.TQUEST < n) continue;
      if (SectorByVerse(sc.run)) {
        ExpectEveryQuestionInItsSector(sc.st, true);
        for (int s = 1; s <= n; ++s) EXPECT_GE(sc.st.QPS[s], sc.st.MINQZ);
      }
      sc.con.Line("");
      RESECTOR(sc.run);
      ExpectEveryQuestionInItsSector(sc.st, false);
      EXPECT_EQ(sc.st.MINQZ, sc.st.TQUEST / n);
      ASSERT_EQ(COUNTINT(sc.run), std::nullopt);
      for (int s = 1; s <= n; ++s) {
        ASSERT_EQ(sc.st.INT.Count(s), sc.st.QPS[s]);
        if (sc.st.QPS[s] > 0) {
          EXPECT_EQ(sc.st.INT(s, sc.st.QPS[s]), 1);
        }
      }
    }
  }
}

// Sectoring by chapter over the same book: whatever counts the chapter list
// lets through (spread in turn, one group over everything, groups here and
// there, materials that begin and end inside a chapter), the sectors counted
// from the count file hold every question of the material once, in the
// sector that covers its verse, and the table shows the material's totals.
TEST(MaterialScenario, SectoringByChapterPartsTheMaterial) {
  BookScene sc(5);
  int checked = 0;
  struct Bounds {
    int bc, bv, ec, ev;
  };
  const Bounds materials[] = {{1, 1, 28, 20}, {5, 3, 5, 30}, {4, 20, 10, 12}, {2, 7, 3, 1}};
  for (const Bounds& m : materials) {
    sc.Material(m.bc, m.bv, m.ec, m.ev, 1);
    const int totals[] = {sc.st.TQUEST, sc.st.FQUEST, sc.st.RQUEST, sc.st.OQUEST, sc.st.SQUEST};
    const ChapterMaterial cm = ChapterMaterial::Of(sc.st);
    const int chapters = static_cast<int>(cm.Chapters().size());
    std::vector<ChapterCounts> tries;
    for (int n : {chapters, chapters + 3, 30}) {
      if (n > SCMAX) continue;
      ChapterCounts spread{"CS"};
      DistributeSectors(cm, n, spread);
      tries.push_back(spread);
    }
    ChapterCounts one_group{"CS"};
    one_group[m.ec] = static_cast<std::uint8_t>(std::min(SCMAX, cm.TotalVerses()));
    tries.push_back(one_group);
    ChapterCounts every_third{"CS"};  // groups of three chapters, two sectors each
    for (int c = m.bc; c <= m.ec; ++c) {
      if ((c - m.bc) % 3 == 2 || c == m.ec) every_third[c] = 2;
    }
    tries.push_back(every_third);
    for (const ChapterCounts& cs : tries) {
      if (FindOverfull(cm, cs)) continue;
      sc.st.SECTORS = TotalCount(cm, cs);
      SCOPED_TRACE(std::to_string(m.bc) + ":" + std::to_string(m.bv) + " in " +
                   std::to_string(sc.st.SECTORS));
      ASSERT_EQ(CountChapterSectors(sc.run, CutByChapter(cm, cs)), std::nullopt);
      ExpectEveryQuestionInItsSector(sc.st, true);
      DISPLAY(sc.run);
      const int shown[] = {sc.st.TQUEST, sc.st.FQUEST, sc.st.RQUEST, sc.st.OQUEST, sc.st.SQUEST};
      EXPECT_TRUE(std::equal(std::begin(totals), std::end(totals), std::begin(shown)));
      ++checked;
    }
  }
  EXPECT_GE(checked, 15);
}

TEST(MaterialScenario, WholeBookSectorsQuickly) {
  BookScene sc(11);
  for (int n : {1, 30}) {
    sc.Material(1, 1, 28, 20, n);
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(SectorByVerse(sc.run));
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(2)) << n << " sectors";
  }
}

// Sectoring by question as the run shows it: the summary lines of the run
// driver on rows 3 and 4, then the notice, then the table from row 5 on.
TEST(MaterialScenario, SectorTableOnTheScreen) {
  Scene sc;
  sc.st.F2 = "Demo.spe";
  sc.st.F3 = "Mat.A";
  sc.st.F4 = "FTV.00";
  sc.st.F5 = "cv.b";
  sc.st.F6 = "co.b";
  sc.st.F7 = "SIT.TXT";
  sc.st.F11 = "count.00A";
  std::vector<std::pair<std::pair<int, int>, int>> regular;
  for (int v = 1; v <= 40; ++v) regular.push_back({{5, v}, 1});
  sc.Put("Mat.a", QuestionLines(regular));
  sc.Put("FTV.00", QuestionLines({{{5, 12}, 1}, {{5, 41}, 1}}));
  sc.Put("cv.b", "");
  sc.Put("co.b", QuestionLines({{{4, 1}, 1}}));
  sc.Put("SIT.TXT", QuestionLines({{{5, 40}, 2}}));
  sc.st.BCHAP = 5, sc.st.BVER = 1, sc.st.ECHAP = 5, sc.st.EVER = 40;
  sc.st.SECTORS = 4;
  ASSERT_EQ(BuildIndex(sc.run), std::nullopt);
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  sc.con.GotoXY(1, 3);
  sc.con.WriteLn("  A quiz will contain one question from each sector.");
  sc.con.WriteLn("  Regular Questions: 40   FTV: 1   CV Refs: 0   CO Refs: 0   SIT: 2");
  sc.con.Line("");
  RESECTOR(sc.run);
  DISPLAY(sc.run);
  const std::string want[] = {
      "",
      "",
      "  A quiz will contain one question from each sector.",
      "  Regular Questions: 40   FTV: 1   CV Refs: 0   CO Refs: 0   SIT: 2",
      "",
      "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--",
      "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit",
      "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---",
      "   1 M  5: 1  5:10  10   0   0   0   0    3 M  5:21  5:30  10   0   0   0   0",
      "   2 M  5:11  5:20  10   1   0   0   0    4 M  5:31  5:40  10   0   0   0   2",
      "",
  };
  for (int y = 1; y <= 11; ++y) {
    std::string row = want[y - 1];
    row.resize(80, ' ');
    EXPECT_EQ(sc.con.Row(y), row) << "row " << y;
  }
  EXPECT_EQ(sc.con.WhereY(), 12);
  EXPECT_EQ(sc.st.FQUEST, 1);
  EXPECT_EQ(sc.st.SQUEST, 2);
  EXPECT_EQ(sc.st.OQUEST, 0);
}

}  // namespace
}  // namespace packets::material

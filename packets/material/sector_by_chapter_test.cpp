#include "packets/material/sector_by_chapter.h"

#include <gtest/gtest.h>

#include <string>

#include "packets/material/chapter_screen.h"
#include "packets/material/count_file.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using console::kKeyDown;
using console::kKeyUp;

constexpr int kBook[CHMAX + 1] = {0,  25, 23, 17, 25, 48, 34, 29, 34, 38, 42, 30, 50, 58, 36,
                                  39, 28, 27, 35, 30, 34, 46, 45, 39, 51, 46, 75, 66, 20};
const std::string kEnter = "\r";
const std::string kEsc = "\x1b";

/// A run sectored by chapter over bchap:bver to echap:ever with `qmax`
/// questions per quiz, the verse table of the book and an empty count file.
struct ChapterScene : testing_support::Scene {
  ChapterScene(int bchap, int bver, int echap, int ever, int qmax, char lg = ' ') {
    st.LG = lg;
    st.BCHAP = bchap;
    st.BVER = bver;
    st.ECHAP = echap;
    st.EVER = ever;
    st.QMAX = st.SECTORS = st.SECTORS2 = qmax;
    for (int c = 1; c <= CHMAX; ++c) st.EVS[c] = static_cast<std::uint8_t>(kBook[c]);
    st.F11 = "count.00A";
    WriteCounts();
  }
  void WriteCounts() { WriteCountFile(st, dir, st.F11); }

  /// Runs CHAPSEC until the scripted keys run out (a screen in mid-run).
  void RunUntilKeysEnd() { EXPECT_THROW(CHAPSEC(run), console::InputExhausted); }

  std::string Row(int y) const { return con.Row(y); }
  std::string At(int x, int y, int len) const { return con.Text(x, y, len); }
  std::string Sectors() const {
    std::string out;
    for (int s = 1; s <= st.SECTORS; ++s) {
      if (!out.empty()) out += ' ';
      out += std::to_string(st.BC[s]) + ':' + std::to_string(st.BV[s]) + '-' +
             std::to_string(st.EC[s]) + ':' + std::to_string(st.EV[s]);
    }
    return out;
  }
};

std::string Padded(std::string text, std::size_t width = 80) {
  text.resize(width, ' ');
  return text;
}

TEST(ChapterScreen, ListOfTheFirstVisit) {
  // 1:1 to 3:last in 5 sectors: 2, 2 and 1.
  ChapterScene sc(1, 1, 3, 17, 5);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.Row(3), Padded("  Choose questions per chapter. Use zeros to group chapters."));
  EXPECT_EQ(sc.Row(4), Padded(""));
  EXPECT_EQ(sc.Row(5), Padded("  Matt  1:   2"));
  EXPECT_EQ(sc.Row(6), Padded("  Matt  2:   2"));
  EXPECT_EQ(sc.Row(7), Padded("  Matt  3:   1"));
  EXPECT_EQ(sc.Row(8), Padded(""));
  EXPECT_EQ(sc.con.WhereX(), 13);
  EXPECT_EQ(sc.con.WhereY(), 5);
}

TEST(ChapterScreen, LongListContinuesInTheRightColumn) {
  ChapterScene sc(1, 1, 28, 20, 30);
  sc.con.Keys(kKeyUp);  // wraps to the last chapter
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.At(3, 21, 12), "Matt 17:   1");
  EXPECT_EQ(sc.At(1, 5, 80), Padded("  Matt  1:   2                         Matt 18:   1"));
  EXPECT_EQ(sc.At(40, 15, 41), Padded("Matt 28:   1", 41));
  EXPECT_EQ(sc.con.WhereX(), 50);
  EXPECT_EQ(sc.con.WhereY(), 15);
}

TEST(ChapterScreen, MoreChaptersThanSectorsRaisesTheSectors) {
  ChapterScene sc(1, 1, 4, 25, 3);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.Row(3), Padded("  We must reset the questions per packet to sector 4 chapters."));
  EXPECT_EQ(sc.Row(5), Padded(""));

  ChapterScene go(1, 1, 4, 25, 3);
  go.con.Keys(kEnter + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(go.run));
  EXPECT_EQ(go.st.QMAX, 4);
  EXPECT_EQ(go.st.SECTORS, 4);
  EXPECT_EQ(go.st.SECTORS2, 4);
  EXPECT_EQ(go.Sectors(), "1:1-1:25 2:1-2:23 3:1-3:17 4:1-4:25");
}

TEST(ChapterScreen, TypingCounts) {
  ChapterScene sc(1, 1, 4, 25, 12);
  // 1, 2 gives 12 (Enter between the digits is ignored); 3 then Down gives 3
  // and moves down; on the last chapter 0 is taken as 1, and 0 then 5 is 15.
  sc.con.Keys("1" + kEnter + "2" + kKeyDown + "3" + kKeyDown + kKeyDown + "05" + kKeyUp + "0" +
              kKeyUp);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.st.CS[1], 12);
  EXPECT_EQ(sc.st.CS[2], 3);
  EXPECT_EQ(sc.st.CS[3], 0);
  EXPECT_EQ(sc.st.CS[4], 15);
  EXPECT_EQ(sc.Row(5), Padded("  Matt  1:  12"));
  EXPECT_EQ(sc.Row(6), Padded("  Matt  2:   3"));
  EXPECT_EQ(sc.Row(7), Padded("  Matt  3:   0"));
  EXPECT_EQ(sc.Row(8), Padded("  Matt  4:  15"));
  EXPECT_EQ(sc.con.WhereY(), 6);  // Up from chapter 3 after the 0

  // While the second digit is awaited the field is blanked and the first
  // digit shown.
  ChapterScene last(1, 1, 4, 25, 12);
  last.con.Keys(kKeyUp + "0");
  last.RunUntilKeysEnd();
  EXPECT_EQ(last.Row(8), Padded("  Matt  4:  1"));
  // 0 then Down on the last chapter: 1, and Down wraps to the first.
  ChapterScene again(1, 1, 4, 25, 12);
  again.con.Keys(kKeyUp + "0" + kKeyDown);
  again.RunUntilKeysEnd();
  EXPECT_EQ(again.st.CS[4], 1);
  EXPECT_EQ(again.Row(8), Padded("  Matt  4:   1"));
  EXPECT_EQ(again.con.WhereY(), 5);
}

TEST(ChapterScreen, TotalMustEqualTheSectors) {
  ChapterScene sc(1, 1, 3, 17, 5);
  sc.con.Keys("3" + kKeyDown + kEnter);
  sc.RunUntilKeysEnd();
  // The total line runs past the end of row 20 with blanks.
  EXPECT_EQ(sc.At(40, 20, 41), Padded("Your total is 6 questions", 41));
  EXPECT_EQ(sc.At(40, 21, 41), Padded("Total questions must equal 5", 41));
  EXPECT_EQ(sc.con.WhereY(), 6);  // editing goes on where it was

  ChapterScene fixed(1, 1, 3, 17, 5);
  fixed.con.Keys("3" + kKeyDown + kEnter + kKeyUp + "2" + kKeyDown + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(fixed.run));
  EXPECT_EQ(fixed.Sectors(), "1:1-1:12 1:13-1:25 2:1-2:11 2:12-2:23 3:1-3:17");
}

TEST(ChapterScreen, GroupAndChapterCuts) {
  // Chapter 2 at 0 and chapter 3 at 2, 20 verses each: 2:1-2:20 and
  // 3:1-3:20; the 25 verses of chapter 4 in 3: 1-8, 9-16, 17-25.
  ChapterScene sc(1, 1, 5, 48, 7);
  sc.st.EVS[2] = 20;
  sc.st.EVS[3] = 20;
  sc.con.Keys("1" + kKeyDown + "0" + kKeyDown + "2" + kKeyDown + "3" + kKeyDown + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(sc.run));
  EXPECT_EQ(sc.Sectors(), "1:1-1:25 2:1-2:20 3:1-3:20 4:1-4:8 4:9-4:16 4:17-4:25 5:1-5:48");
}

// Mended: a chapter given more sectors than it has verses was cut into
// sectors that end before they begin.
TEST(ChapterScreen, ChapterWithFewerVersesThanItsCountIsRefused) {
  ChapterScene sc(1, 24, 2, 23, 6);  // chapter 1 holds only verses 24 and 25
  sc.con.Keys("4" + kKeyDown + kEnter + kKeyUp + "3" + kKeyDown + kEnter);
  sc.RunUntilKeysEnd();
  // The refusal covers what is left of the total message before it.
  EXPECT_EQ(sc.At(40, 20, 41), Padded("Matt  1 has only 2 verses", 41));
  EXPECT_EQ(sc.At(40, 21, 41), Padded("Lower its count", 41));

  ChapterScene go(1, 24, 2, 23, 6);
  go.con.Keys(kEnter + "2" + kKeyDown + "4" + kKeyUp + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(go.run));
  EXPECT_EQ(go.Sectors(), "1:24-1:24 1:25-1:25 2:1-2:5 2:6-2:11 2:12-2:17 2:18-2:23");
}

TEST(ChapterScreen, GroupWithFewerVersesThanItsCountIsRefused) {
  // The group 2 to 3 of the material 2:20 to 4:25 holds 4 + 17 verses.
  ChapterScene sc(2, 20, 4, 25, 23);
  sc.con.Keys("0" + kKeyDown + "22" + kKeyDown + "1" + kKeyDown + kEnter);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.At(40, 20, 41), Padded("Matt  3 has only 21 verses", 41));
  EXPECT_EQ(sc.At(40, 21, 41), Padded("Lower its count", 41));

  ChapterScene go(2, 20, 4, 25, 23);
  go.con.Keys("0" + kKeyDown + "21" + kKeyDown + "2" + kKeyDown + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(go.run));
  // One verse per sector in the group, from 2:20.
  std::string expected;
  for (int v = 20; v <= 23; ++v)
    expected += "2:" + std::to_string(v) + "-2:" + std::to_string(v) + " ";
  for (int v = 1; v <= 17; ++v)
    expected += "3:" + std::to_string(v) + "-3:" + std::to_string(v) + " ";
  EXPECT_EQ(go.Sectors(), expected + "4:1-4:12 4:13-4:25");
}

// Mended: a material shorter than the questions per quiz left the list
// with no way out.
TEST(ChapterScreen, MaterialWithFewerVersesThanSectorsGoesBackToTheTitle) {
  ChapterScene sc(5, 30, 5, 40, 12);
  sc.con.Keys(kEnter);
  EXPECT_FALSE(CHAPSEC(sc.run));
  EXPECT_EQ(sc.Row(3), Padded("  The material has fewer verses than questions per quiz."));
  EXPECT_EQ(sc.con.Pending(), 0u);

  ChapterScene fits(5, 30, 5, 40, 2);
  fits.con.Keys(kEnter + "x");
  EXPECT_TRUE(CHAPSEC(fits.run));
  EXPECT_EQ(fits.Sectors(), "5:30-5:34 5:35-5:40");
}

TEST(ChapterScreen, LimitedChapterCopy) {
  // Eight chapters take part, so 8 sectors need no raise.
  ChapterScene sc(1, 1, 28, 20, 8, 'L');
  // Down from 5 goes to 26; 0 there becomes 1; Up from 26 goes to 5.
  sc.con.Keys(kKeyDown + kKeyDown + kKeyDown + kKeyDown + kKeyDown + "0" + kKeyUp);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.Row(3), Padded("  Choose questions per chapter."));
  EXPECT_EQ(sc.Row(9), Padded("  Matt  5:   1"));
  EXPECT_EQ(sc.Row(10), Padded(""));
  EXPECT_EQ(sc.Row(21), Padded(""));
  EXPECT_EQ(sc.At(40, 12, 41), Padded("", 41));
  EXPECT_EQ(sc.At(40, 13, 12), "Matt 26:   1");
  EXPECT_EQ(sc.At(40, 15, 12), "Matt 28:   1");
  EXPECT_EQ(sc.st.CS[26], 1);
  EXPECT_EQ(sc.con.WhereX(), 13);
  EXPECT_EQ(sc.con.WhereY(), 9);

  // Mended: the raise counts the chapters that take part (8), not 28.
  ChapterScene raise(1, 1, 28, 20, 3, 'L');
  raise.RunUntilKeysEnd();
  EXPECT_EQ(raise.Row(3), Padded("  We must reset the questions per packet to sector 8 chapters."));

  // The sectors of chapters 5 and 26 follow one another.
  ChapterScene cut(5, 40, 26, 5, 2, 'L');
  cut.st.QCOUNT(5, 48) = 2;
  cut.st.QCOUNT(26, 1) = 3;
  cut.WriteCounts();
  cut.con.Keys(kEnter + "x");
  EXPECT_TRUE(CHAPSEC(cut.run));
  EXPECT_EQ(cut.Sectors(), "5:40-5:48 26:1-26:5");
  EXPECT_EQ(cut.st.QPS[1], 2);
  EXPECT_EQ(cut.st.QPS[2], 3);
}

TEST(ChapterScreen, CountsAndSmallestSector) {
  ChapterScene sc(1, 1, 3, 17, 5);
  for (int c = 1; c <= 3; ++c) {
    for (int v = 1; v <= kBook[c]; ++v) sc.st.QCOUNT(c, v) = 1;
  }
  sc.st.FCOUNT(1, 12) = 1;
  sc.st.FCOUNT(1, 13) = 2;
  sc.st.RCOUNT(2, 23) = 3;
  sc.st.OCOUNT(3, 1) = 4;
  sc.st.SCOUNT(3, 17) = 5;
  sc.st.SCOUNT(4, 1) = 7;  // after the material
  sc.WriteCounts();
  sc.st.QPS[7] = sc.st.TQPS[7] = 99;  // left from an earlier sectoring
  sc.st.RES = true;
  sc.con.Keys(kEnter + console::kKeyLeft);
  EXPECT_TRUE(CHAPSEC(sc.run));
  EXPECT_EQ(sc.con.Pending(), 0u);  // the arrow is taken whole
  EXPECT_EQ(sc.Row(3), Padded("  Your smallest sector has 11 regular questions. "));
  // The sector table below it: headings from row 5, sectors from row 8.
  EXPECT_EQ(sc.At(1, 5, 15), "  Sc From    To");
  EXPECT_EQ(
      sc.Row(8),
      Padded("   1 M  1: 1  1:12  12   1   0   0   0    4 M  2:12  2:23  12   0   3   0   0"));
  EXPECT_EQ(sc.Row(10), Padded("   3 M  2: 1  2:11  11   0   0   0   0"));
  EXPECT_EQ(sc.st.MINQZ, 11);
  EXPECT_FALSE(sc.st.RES);
  const int q[] = {12, 13, 11, 12, 17}, f[] = {1, 2, 0, 0, 0}, r[] = {0, 0, 0, 3, 0},
            o[] = {0, 0, 0, 0, 4}, s[] = {0, 0, 0, 0, 5};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(sc.st.QPS[i], q[i - 1]) << i;
    EXPECT_EQ(sc.st.FPS[i], f[i - 1]) << i;
    EXPECT_EQ(sc.st.RPS[i], r[i - 1]) << i;
    EXPECT_EQ(sc.st.OPS[i], o[i - 1]) << i;
    EXPECT_EQ(sc.st.SPS[i], s[i - 1]) << i;
    EXPECT_EQ(sc.st.TQPS[i], q[i - 1]) << i;
    EXPECT_EQ(sc.st.TSPS[i], s[i - 1]) << i;
  }
  EXPECT_EQ(sc.st.QPS[7], 0);
  EXPECT_EQ(sc.st.TQPS[7], 0);
  EXPECT_EQ(sc.st.SPS[6], 0);

  ChapterScene one(1, 1, 1, 25, 2);
  one.st.QCOUNT(1, 1) = 1;
  one.st.QCOUNT(1, 20) = 4;
  one.WriteCounts();
  one.con.Keys(kEnter + "x");
  EXPECT_TRUE(CHAPSEC(one.run));
  EXPECT_EQ(one.At(3, 3, 40), Padded("Your smallest sector has 1 question. ", 40));
}

// Mended: a group ending the material was cut to the end of its last
// chapter, and one starting it counted verses before the material.
TEST(ChapterScreen, GroupsAreCutInsideTheMaterial) {
  ChapterScene sc(1, 1, 2, 5, 3);
  for (int v = 1; v <= 25; ++v) sc.st.QCOUNT(1, v) = 1;
  for (int v = 1; v <= 23; ++v) sc.st.QCOUNT(2, v) = 1;
  sc.WriteCounts();
  sc.con.Keys("0" + kKeyDown + "3" + kKeyDown + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(sc.run));
  EXPECT_EQ(sc.Sectors(), "1:1-1:10 1:11-1:20 1:21-2:5");
  EXPECT_EQ(sc.st.QPS[1], 10);
  EXPECT_EQ(sc.st.QPS[2], 10);
  EXPECT_EQ(sc.st.QPS[3], 10);

  ChapterScene late(1, 21, 2, 23, 4);
  late.con.Keys("0" + kKeyDown + "4" + kKeyDown + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(late.run));
  EXPECT_EQ(late.Sectors(), "1:21-2:2 2:3-2:9 2:10-2:16 2:17-2:23");
}

TEST(ChapterScreen, EscFromTheResultGoesBackToTheListWithTheCounts) {
  ChapterScene sc(1, 1, 3, 17, 5);
  sc.con.Keys("1" + kKeyDown + "3" + kKeyDown + kEnter + kEsc);
  sc.RunUntilKeysEnd();
  EXPECT_EQ(sc.Row(3), Padded("  Choose questions per chapter. Use zeros to group chapters."));
  EXPECT_EQ(sc.Row(5), Padded("  Matt  1:   1"));
  EXPECT_EQ(sc.Row(6), Padded("  Matt  2:   3"));
  EXPECT_EQ(sc.Row(7), Padded("  Matt  3:   1"));
  EXPECT_EQ(sc.con.WhereY(), 5);  // back on the first chapter

  ChapterScene go(1, 1, 3, 17, 5);
  go.con.Keys("1" + kKeyDown + "3" + kKeyDown + kEnter + kEsc + kEnter + "x");
  EXPECT_TRUE(CHAPSEC(go.run));
  EXPECT_EQ(go.Sectors(), "1:1-1:25 2:1-2:7 2:8-2:15 2:16-2:23 3:1-3:17");

  // A new call is a new run: the counts are given out afresh.
  go.con.Keys(kEnter + "x");
  EXPECT_TRUE(CHAPSEC(go.run));
  EXPECT_EQ(go.Sectors(), "1:1-1:12 1:13-1:25 2:1-2:11 2:12-2:23 3:1-3:17");
}

TEST(ChapterScreen, UnsoundCountFileGoesBackToTheTitle) {
  ChapterScene sc(1, 1, 3, 17, 5);
  sc.Put("count.00A", "1 1 0 0 0 0 0\r\n");
  sc.con.Keys(kEnter + kEnter);
  EXPECT_FALSE(CHAPSEC(sc.run));
  EXPECT_EQ(sc.Row(3),
            Padded("  count.00A, line 2: the file ends here; a count file holds 2240 lines"));

  // Mended: questions on a verse that no sector takes were left out, and
  // every later sector's questions were then looked for one place too early.
  ChapterScene beyond(1, 1, 2, 23, 2);
  beyond.st.QCOUNT(1, 30) = 1;
  beyond.WriteCounts();
  beyond.con.Keys(kEnter + kEnter);
  EXPECT_FALSE(CHAPSEC(beyond.run));
  EXPECT_EQ(beyond.Row(3) + beyond.Row(4),
            Padded("  count.00A, line 30: chapter 1 verse 30 has questions, but the verse table "
                   "ends chapter 1 at verse 25",
                   160));

  ChapterScene limited(1, 1, 28, 20, 8, 'L');
  limited.st.SCOUNT(7, 3) = 2;
  limited.WriteCounts();
  limited.con.Keys(kEnter + kEnter);
  EXPECT_FALSE(CHAPSEC(limited.run));
  EXPECT_EQ(limited.Row(3) + limited.Row(4),
            Padded("  count.00A, line 483: chapter 7 verse 3 has questions, but the "
                   "limited-chapter copy leaves chapter 7 out",
                   160));
}

}  // namespace
}  // namespace packets::material

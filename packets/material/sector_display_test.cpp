#include "packets/material/sector_display.h"

#include <gtest/gtest.h>

#include "packets/material/material.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::Scene;

void SetSector(RunState& st, int s, int bc, int bv, int ec, int ev, int q, int f, int r, int o,
               int sit) {
  st.BC[s] = static_cast<std::uint8_t>(bc);
  st.BV[s] = static_cast<std::uint8_t>(bv);
  st.EC[s] = static_cast<std::uint8_t>(ec);
  st.EV[s] = static_cast<std::uint8_t>(ev);
  st.QPS[s] = q;
  st.FPS[s] = f;
  st.RPS[s] = r;
  st.OPS[s] = o;
  st.SPS[s] = sit;
}

TEST(Display, WorkedExampleOfThreeSectors) {
  Scene sc;
  sc.st.SECTORS = 3;
  sc.st.ECHAP = 3, sc.st.EVER = 6;
  SetSector(sc.st, 1, 1, 1, 1, 17, 25, 3, 2, 1, 0);
  SetSector(sc.st, 2, 1, 18, 2, 12, 22, 4, 1, 0, 1);
  SetSector(sc.st, 3, 2, 13, 3, 2, 24, 2, 2, 1, 0);  // closed at 3:6 by DISPLAY
  sc.con.GotoXY(1, 4);
  DISPLAY(sc.run);
  const std::string want[] = {
      "",
      "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--",
      "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit",
      "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---",
      "   1 M  1: 1  1:17  25   3   2   1   0    3 M  2:13  3: 6  24   2   2   1   0",
      "   2 M  1:18  2:12  22   4   1   0   1",
      "",
  };
  for (int i = 0; i < 7; ++i) {
    std::string row = want[i];
    row.resize(80, ' ');
    EXPECT_EQ(sc.con.Row(4 + i), row) << "row " << 4 + i;
  }
  EXPECT_EQ(sc.con.WhereY(), 11);
  EXPECT_EQ(sc.con.WhereX(), 1);
  EXPECT_EQ(sc.st.EV[3], 6);
  EXPECT_EQ(sc.st.FQUEST, 9);
  EXPECT_EQ(sc.st.RQUEST, 5);
  EXPECT_EQ(sc.st.OQUEST, 2);
  EXPECT_EQ(sc.st.SQUEST, 1);
}

TEST(Display, HeadingsAndHalvesHaveTheirWidths) {
  for (const char* h : kSectorHeadings) EXPECT_EQ(std::string(h).size(), 77u);
  Scene sc;
  sc.st.SECTORS = 2;
  SetSector(sc.st, 1, 5, 3, 5, 9, 1, 2, 3, 4, 5);
  SetSector(sc.st, 2, 5, 10, 12, 40, 6, 7, 8, 9, 10);
  EXPECT_EQ(SectorLine(sc.st, 1),
            "   1 M  5: 3  5: 9   1   2   3   4   5    2 M  5:10 12:40   6   7   8   9  10");
}

TEST(Display, OneSectorRunsToTheEndOfTheMaterial) {
  Scene sc;
  sc.st.SECTORS = 1;
  sc.st.ECHAP = 28, sc.st.EVER = 20;
  SetSector(sc.st, 1, 1, 1, 4, 4, 500, 0, 0, 0, 0);
  DISPLAY(sc.run);
  EXPECT_EQ(SectorLine(sc.st, 1), "   1 M  1: 1 28:20 500   0   0   0   0");
}

TEST(Display, ThirtySectorsPairOneWithSixteen) {
  Scene sc;
  sc.st.SECTORS = 30;
  for (int s = 1; s <= 30; ++s)
    SetSector(sc.st, s, s <= 28 ? s : 28, 1, s <= 28 ? s : 28, 1, s, 0, 0, 0, 0);
  sc.con.GotoXY(1, 4);
  DISPLAY(sc.run);
  EXPECT_EQ(sc.con.Text(1, 8, 38), SectorLine(sc.st, 1).substr(0, 38));
  EXPECT_EQ(sc.con.Text(39, 8, 5), "   16");
  EXPECT_EQ(sc.con.Text(1, 22, 5), "  15 ");
  EXPECT_EQ(sc.con.Text(39, 22, 5), "   30");
  EXPECT_EQ(sc.con.Row(23), std::string(80, ' '));
}

TEST(Display, OddCountLeavesTheLastRightHalfEmpty) {
  Scene sc;
  sc.st.SECTORS = 5;
  EXPECT_EQ(SectorLine(sc.st, 3).size(), 38u);
  EXPECT_EQ(SectorLine(sc.st, 2).size(), 77u);
  EXPECT_EQ(SectorLine(sc.st, 2).substr(38, 5), "    5");
}

TEST(Display, LargeCountsWidenTheirFieldAndAreNotCut) {
  Scene sc;
  sc.st.SECTORS = 2;
  SetSector(sc.st, 1, 1, 1, 9, 30, 1234, 56, 0, 0, 0);
  SetSector(sc.st, 2, 9, 31, 28, 20, 10000, 0, 0, 0, 7);
  EXPECT_EQ(SectorLine(sc.st, 1),
            "   1 M  1: 1  9:301234  56   0   0   0    2 M  9:31 28:2010000   0   0   0   7");
}

TEST(Display, TotalsCoverAllThirtySlots) {
  Scene sc;
  sc.st.SECTORS = 2;
  sc.st.FPS[30] = 4;  // what a sectoring must never leave behind
  sc.st.FPS[1] = 1;
  DISPLAY(sc.run);
  EXPECT_EQ(sc.st.FQUEST, 5);
}

TEST(RepeatSector, MessageRowAndRunNote) {
  Scene sc;
  sc.st.F9 = "temp.txt";
  sc.Put("temp.txt", "Regular Question Repeats begin quiz 4\r\n");
  sc.st.Q2 = 7;
  sc.st.RSET = 6;
  REPEATSECTOR(sc.run);
  EXPECT_EQ(sc.con.Text(1, 6, 51), "    Sectors or questions will be repeated in quiz 7");
  EXPECT_EQ(sc.st.RSET, 6);
  sc.con.GotoXY(1, 2);
  sc.con.Write("old");
  sc.st.RSET = 24;
  sc.st.Q2 = 12;
  REPEATSECTOR(sc.run);
  EXPECT_EQ(sc.st.RSET, 5);
  EXPECT_EQ(sc.con.Text(1, 2, 3), "   ");  // the area was cleared first
  EXPECT_EQ(sc.con.Text(3, 5, 50), "  Sectors or questions will be repeated in quiz 12");
  EXPECT_EQ(sc.Get("temp.txt"),
            "Regular Question Repeats begin quiz 4\r\n"
            "Sectors or Questions repeated in quiz 7\r\n"
            "Sectors or Questions repeated in quiz 12\r\n");
}

}  // namespace
}  // namespace packets::material

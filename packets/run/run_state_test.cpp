#include "packets/run/run_state.h"

#include <gtest/gtest.h>

#include "console/virtual_screen.h"
#include "packets/run/run.h"

namespace packets {
namespace {

TEST(Tables, IndexOutsideATableIsAnErrorInWords) {
  RunState st;
  st.QCOUNT(28, 80) = 3;
  EXPECT_EQ(st.QCOUNT(28, 80), 3);
  EXPECT_THROW(st.QCOUNT(29, 1), TableIndexError);
  EXPECT_THROW(st.QCOUNT(1, 0), TableIndexError);
  EXPECT_THROW(st.QPS[31], TableIndexError);
  EXPECT_THROW(st.PAT[0], TableIndexError);
  try {
    st.EVS[29];
    FAIL();
  } catch (const TableIndexError& e) {
    EXPECT_STREQ(e.what(), "internal error: index 29 outside EVS[1..28]");
  }
}

TEST(Tables, SectorRowsHoldAsManyQuestionsAsTheSectorHas) {
  RunState st;
  st.REGQUESTION.Size(3, 4000, true);
  EXPECT_TRUE(st.REGQUESTION(3, 4000));
  st.REGQUESTION(3, 4000) = false;
  EXPECT_THROW(st.REGQUESTION(3, 4001), TableIndexError);
  EXPECT_THROW(st.REGQUESTION(2, 1), TableIndexError);  // sector 2 holds none
  EXPECT_THROW(st.REGQUESTION(31, 1), TableIndexError);
  st.REGQUESTION.Fill(true);
  EXPECT_TRUE(st.REGQUESTION(3, 4000));
  EXPECT_EQ(st.REGQUESTION.Count(3), 4000);
}

TEST(MessageArea, StartsOnRowFiveAndRestartsWhenFull) {
  RunState st;
  console::VirtualConsole con;
  console::FixedClock clock;
  console::Random rng(clock);
  console::WorkDir dir;
  packets::Run run{st, con, rng, dir};
  con.GotoXY(1, 1);
  con.Write("title");
  st.RSET = 4;
  Message(run, "first");
  EXPECT_EQ(con.Text(3, 5, 5), "first");
  for (int i = 0; i < 18; ++i) Message(run, "more");
  EXPECT_EQ(st.RSET, 23);
  Message(run, "wrapped");
  EXPECT_EQ(st.RSET, 5);
  EXPECT_EQ(con.Text(3, 5, 7), "wrapped");
  EXPECT_EQ(con.Text(3, 6, 4), "    ");  // the rest of the area was cleared
  EXPECT_EQ(con.Text(1, 1, 5), "title");
}

}  // namespace
}  // namespace packets

#include "databuild/build_screen.h"

#include <gtest/gtest.h>

#include "console/virtual_screen.h"

namespace databuild {
namespace {

using std::chrono::milliseconds;

struct ManualClock {
  Pace::Clock::time_point now{};
  Pace Make(int* presented) {
    Pace pace;
    pace.now = [this] { return now; };
    pace.interval = milliseconds(50);
    pace.present = [presented] { ++*presented; };
    return pace;
  }
};

TEST(CounterBoard, RedrawsAtMostOncePerIntervalAndAlwaysOnFlush) {
  console::VirtualConsole con;
  ManualClock clock;
  int presented = 0;
  CounterBoard board(con, clock.Make(&presented));
  board.Set({13, 6}, 7);
  board.Tick();
  EXPECT_EQ(con.Text(13, 6, 4), "    ");  // not due yet
  clock.now += milliseconds(50);
  board.Set({13, 6}, 8);
  board.Tick();
  EXPECT_EQ(con.Text(13, 6, 4), "   8");
  EXPECT_EQ(presented, 1);
  clock.now += milliseconds(10);
  board.Set({13, 6}, 9);
  board.Set({40, 11}, 0);
  board.Tick();
  EXPECT_EQ(con.Text(13, 6, 4), "   8");
  board.Flush();  // the final values are always shown
  EXPECT_EQ(con.Text(13, 6, 4), "   9");
  EXPECT_EQ(con.Text(40, 11, 4), "   0");
  EXPECT_EQ(presented, 2);
  board.Flush();  // nothing new: nothing drawn
  EXPECT_EQ(presented, 2);
}

TEST(CounterBoard, CountersAreRightAlignedInFourColumnsAfterFourBlanks) {
  console::VirtualConsole con;
  CounterBoard board(con, Pace{});
  con.GotoXY(13, 6);
  con.Write("xxxxxx");
  board.Set({13, 6}, 12);
  board.Set({13, 7}, 12345);
  board.Flush();
  EXPECT_EQ(con.Text(13, 6, 6), "  12xx");
  EXPECT_EQ(con.Text(13, 7, 5), "12345");
}

}  // namespace
}  // namespace databuild

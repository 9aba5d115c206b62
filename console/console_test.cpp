#include "console/console.h"

#include <gtest/gtest.h>

#include "console/program.h"
#include "console/runtime_error.h"
#include "console/virtual_screen.h"

namespace console {
namespace {

TEST(VirtualConsole, ClrEolUsesCurrentBackgroundAndKeepsCursor) {
  VirtualConsole con;
  con.TextBackground(kBlue);
  con.TextColor(kYellow);
  con.ClrScr();
  con.GotoXY(10, 4);
  con.TextBackground(kRed);
  con.ClrEol();
  EXPECT_EQ(con.WhereX(), 10);
  EXPECT_EQ(con.WhereY(), 4);
  EXPECT_EQ(con.At(9, 4).bg, kBlue);
  EXPECT_EQ(con.At(10, 4).bg, kRed);
  EXPECT_EQ(con.At(80, 4).bg, kRed);
  EXPECT_EQ(con.At(10, 5).bg, kBlue);
}

TEST(VirtualConsole, WritesInCurrentColoursAndWrapsAtColumn80) {
  VirtualConsole con;
  con.GotoXY(78, 2);
  con.TextColor(kWhite);
  con.TextBackground(kRed + 8);  // only 0..7 are backgrounds
  con.Write("abcde");
  EXPECT_EQ(con.Text(78, 2, 3), "abc");
  EXPECT_EQ(con.Text(1, 3, 2), "de");
  EXPECT_EQ(con.At(1, 3).fg, kWhite);
  EXPECT_EQ(con.At(1, 3).bg, kRed);
  EXPECT_EQ(con.WhereX(), 3);
  EXPECT_EQ(con.WhereY(), 3);
}

TEST(VirtualConsole, WritesCharactersAsCharactersAndNumbersInDecimal) {
  VirtualConsole con;
  con.Write('Y');
  con.Write(42);
  con.Write(-7L);
  EXPECT_EQ(con.Text(1, 1, 6), "Y42-7 ");
}

TEST(VirtualConsole, WriteLnScrollsOnlyFromTheLastRow) {
  VirtualConsole con;
  con.GotoXY(1, 1);
  con.Write("top");
  con.GotoXY(1, 25);
  con.Write("bottom");
  con.GotoXY(75, 25);
  con.Write("xxxxxx");  // fills the last cell of row 25: no scroll
  EXPECT_EQ(con.Text(1, 1, 3), "top");
  EXPECT_EQ(con.Text(75, 25, 6), "xxxxxx");
  EXPECT_EQ(con.WhereY(), 25);
  con.WriteLn("");  // now the screen moves up one row
  EXPECT_EQ(con.Text(1, 24, 6), "bottom");
  EXPECT_EQ(con.Text(1, 25, 6), "      ");
  EXPECT_EQ(con.WhereX(), 1);
  EXPECT_EQ(con.WhereY(), 25);
}

TEST(VirtualConsole, KeyPressedDoesNotTakeTheKey) {
  VirtualConsole con;
  con.Keys("a" + kKeyUp);
  EXPECT_TRUE(con.KeyPressed());
  EXPECT_EQ(con.ReadKey(), 'a');
  EXPECT_EQ(con.ReadKey(), kExtended);
  EXPECT_EQ(con.ReadKey(), kScanUp);
}

TEST(VirtualConsole, ExhaustedScriptFailsInsteadOfWaiting) {
  VirtualConsole con;
  EXPECT_THROW(con.ReadKey(), InputExhausted);
  EXPECT_THROW(con.KeyPressed(), InputExhausted);
  EXPECT_THROW(con.ReadLine(), InputExhausted);
  con.Keys("12");  // a line without its Enter
  EXPECT_THROW(con.ReadLine(), InputExhausted);
}

TEST(VirtualConsole, ReadLineEchoesAndEditsWithBackspace) {
  VirtualConsole con;
  con.GotoXY(5, 7);
  con.Keys("12x\b3" + kKeyLeft + "\r");
  EXPECT_EQ(con.ReadLine(), "123");
  EXPECT_EQ(con.Text(5, 7, 4), "123 ");
  EXPECT_EQ(con.WhereX(), 1);
  EXPECT_EQ(con.WhereY(), 8);
}

TEST(VirtualConsole, ClrLeavesRowsOneAndTwentyFiveAlone) {
  VirtualConsole con;
  for (int y = 1; y <= 25; ++y) {
    con.GotoXY(1, y);
    con.Write("row");
  }
  con.TextBackground(kBlue);
  CLR(con);
  EXPECT_EQ(con.Text(1, 1, 3), "row");
  EXPECT_EQ(con.Text(1, 25, 3), "row");
  for (int y = 2; y <= 24; ++y) {
    EXPECT_EQ(con.Text(1, y, 3), "   ");
    EXPECT_EQ(con.At(40, y).bg, kBlue);
  }
  EXPECT_EQ(con.WhereX(), 1);
  EXPECT_EQ(con.WhereY(), 3);
}

TEST(RunProgram, RuntimeErrorRestoresFirstThenReportsWithItsCode) {
  auto body = [] { throw RuntimeError(kErrFileNotFound, "opening Specs.lst for reading"); };
  EXPECT_EXIT(std::exit(RunProgram(body, [] { std::fputs("restored\n", stderr); })),
              testing::ExitedWithCode(2),
              "restored\nRuntime error 2 at opening Specs.lst for reading");
  EXPECT_EXIT(std::exit(RunProgram([] { throw RuntimeError(106, "reading a number"); }, [] {})),
              testing::ExitedWithCode(106), "Runtime error 106 at reading a number");
  EXPECT_EXIT(std::exit(RunProgram([] {}, [] {})), testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace console

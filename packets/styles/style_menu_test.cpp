#include "packets/styles/style_menu.h"

#include <gtest/gtest.h>

#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

using console::kKeyDown;
using console::kKeyUp;
using testing::Harness;
using testing::Lines;

constexpr char kEnter[] = "\r";

/// Expects menu entry `k` to read `text` (padded to 15) and to be marked or not.
void ExpectEntry(const Harness& h, int k, const std::string& text, bool marked) {
  std::string padded = text;
  padded.resize(15, ' ');
  const int row = k + 5;
  EXPECT_EQ(h.con.Text(33, row, 15), padded) << "entry " << k;
  for (int x = 33; x < 48; ++x) {
    EXPECT_EQ(h.con.At(x, row).fg, marked ? console::kWhite : console::kYellow) << "entry " << k;
    EXPECT_EQ(h.con.At(x, row).bg, marked ? console::kRed : console::kBlue) << "entry " << k;
  }
}

class StyleMenuTest : public ::testing::Test {
 protected:
  void SetUp() override { h.tmp.Put("Specs.lst", Lines({"Alpha", "Beta", "Enter New Specs"})); }
  MenuChoice Run(const std::string& keys) {
    h.con.Keys(keys);
    MenuChoice c = StyleMenu(h.run);
    EXPECT_EQ(h.con.Pending(), 0u);
    return c;
  }
  Harness h;
};

TEST_F(StyleMenuTest, DrawsTheHeadingAndTheEntriesWithTheFirstMarked) {
  MenuChoice c = Run(kEnter);
  EXPECT_FALSE(c.exit);
  EXPECT_EQ(c.entry, "Alpha");
  EXPECT_EQ(h.con.Row(3), "            Press Return to Choose a Quiz Style or Shift-D to Delete" +
                              std::string(12, ' '));
  EXPECT_EQ(h.con.Row(4), "     " + std::string(69, '_') + "      ");
  ExpectEntry(h, 1, "Alpha", true);
  ExpectEntry(h, 2, "Beta", false);
  ExpectEntry(h, 3, "Enter New Specs", false);
  ExpectEntry(h, 4, "Exit", false);
  EXPECT_EQ(h.con.Row(10), std::string(80, ' '));
  EXPECT_EQ(h.st.I, '\r');
}

TEST_F(StyleMenuTest, UpFromTheFirstEntryMarksExitAndDownFromExitTheFirst) {
  EXPECT_TRUE(Run(kKeyUp + kEnter).exit);
  ExpectEntry(h, 1, "Alpha", false);
  ExpectEntry(h, 4, "Exit", true);

  EXPECT_EQ(Run(kKeyUp + kKeyDown + kEnter).entry, "Alpha");
  ExpectEntry(h, 1, "Alpha", true);
  ExpectEntry(h, 4, "Exit", false);
}

TEST_F(StyleMenuTest, DigitsAndLettersOfTheArrowCodesMoveToo) {
  EXPECT_EQ(Run("2" + kKeyDown + kEnter).entry, "Enter New Specs");
  EXPECT_EQ(Run("228" + std::string(kEnter)).entry, "Beta");
  EXPECT_EQ(Run("PH" + std::string(kEnter)).entry, "Alpha");
}

TEST_F(StyleMenuTest, ShiftDDeletesTheMarkedStyleFromTheListOnly) {
  h.tmp.Put("Alpha.spe", "kept");
  MenuChoice c = Run("d" + kKeyDown + "x" + kEnter);  // lower-case d deletes nothing
  EXPECT_EQ(c.entry, "Beta");
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Beta", "Enter New Specs"}));

  c = Run("D" + std::string(kEnter));
  EXPECT_EQ(c.entry, "Beta");  // the menu starts again on its first entry
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Beta", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("Alpha.spe"), "kept");
  ExpectEntry(h, 1, "Beta", true);
  ExpectEntry(h, 3, "Exit", false);
  EXPECT_EQ(h.con.Row(9), std::string(80, ' '));
}

TEST_F(StyleMenuTest, ShiftDOnEnterNewSpecsOrExitDoesNothing) {
  EXPECT_EQ(Run(kKeyUp + kKeyUp + "D" + kEnter).entry, "Enter New Specs");
  EXPECT_TRUE(Run(kKeyUp + "D" + kEnter).exit);
  // A function key whose scan code is the letter D is not Shift-D.
  EXPECT_EQ(Run(std::string("\0D", 2) + kEnter).entry, "Alpha");
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Beta", "Enter New Specs"}));
}

TEST_F(StyleMenuTest, AListOfOnlyEnterNewSpecs) {
  h.tmp.Put("Specs.lst", Lines({"Enter New Specs"}));
  EXPECT_TRUE(Run("D" + kKeyDown + "D" + kEnter).exit);
  ExpectEntry(h, 1, "Enter New Specs", false);
  ExpectEntry(h, 2, "Exit", true);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Enter New Specs"}));
}

TEST_F(StyleMenuTest, ATwentyLineListShowsItsLastSeventeenAndDeletingKeepsTheRest) {
  std::string lines;
  for (int i = 1; i <= 19; ++i) lines += "S" + std::to_string(i) + "\r\n";
  lines += "Enter New Specs\r\n";
  h.tmp.Put("Specs.lst", lines);

  EXPECT_TRUE(Run(kKeyUp + kEnter).exit);
  ExpectEntry(h, 1, "S4", false);
  ExpectEntry(h, 16, "S19", false);
  ExpectEntry(h, 17, "Enter New Specs", false);
  ExpectEntry(h, 18, "Exit", true);  // row 23

  EXPECT_EQ(Run("D" + std::string(kEnter)).entry, "S3");  // S4 deleted, S3 comes into view
  ExpectEntry(h, 1, "S3", true);
  std::string kept;
  for (int i = 1; i <= 19; ++i)
    if (i != 4) kept += "S" + std::to_string(i) + "\r\n";
  EXPECT_EQ(h.tmp.Get("Specs.lst"), kept + "Enter New Specs\r\n");
}

TEST(CHECKNEW, EnterNewSpecsBecomesTheTemplateStyle) {
  RunState st;
  CHECKNEW(st, "Enter New Specs");
  EXPECT_EQ(st.NAME1, "New");
  CHECKNEW(st, "Alpha");
  EXPECT_EQ(st.NAME1, "Alpha");
  CHECKNEW(st, "ABCDEFGHIJKLMNOP");  // a style name holds 14 characters
  EXPECT_EQ(st.NAME1, "ABCDEFGHIJKLMN");
}

}  // namespace
}  // namespace packets::styles

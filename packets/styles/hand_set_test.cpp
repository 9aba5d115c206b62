#include "packets/styles/hand_set.h"

#include <gtest/gtest.h>

#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

using testing::Harness;

const std::string L = console::kKeyLeft;
const std::string R = console::kKeyRight;
const std::string kAllRegular(30, 'n');

/// The slots row as the screen should show `typ` over positions first to last.
std::string SlotsRow(const std::string& typ, int first, int last) {
  std::string row;
  for (int x = first; x <= last; ++x) {
    const char c = typ[static_cast<std::size_t>(x - 1)];
    row += std::string(" ") + (c == 'n' ? ' ' : c);
  }
  return row;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(HandSetScreen, RulersAndMarginFollowTheWindow) {
  struct Case {
    int first, last, margin;
    std::string tens, units;
  };
  const Case cases[] = {
      {1, 30, 10, std::string(18, ' ') + Repeat(" 1", 10) + Repeat(" 2", 10) + " 3",
       Repeat(" 1 2 3 4 5 6 7 8 9 0", 3)},
      {3, 8, 34, "            ", " 3 4 5 6 7 8"},
  };
  for (const Case& c : cases) {
    Harness h;
    StyleRecord& rec = h.st.STYLE;
    rec.FMAX = 2, rec.OMAX = 1, rec.SPMAX = 0;
    rec.SPEARLY = c.first, rec.SPLATE = c.last;
    rec.TYP = kAllRegular;
    h.con.Keys("\r");
    SETSPEC(h.run);
    const std::string margin(static_cast<std::size_t>(c.margin), ' ');
    const int width = 2 * (c.last - c.first + 1);
    EXPECT_EQ(HandSetMargin(c.first, c.last), c.margin);
    EXPECT_EQ(h.con.Row(3).substr(0, 51), kHandSetTitle);
    EXPECT_EQ(h.con.Row(4), "    " + std::string(70, '_') + std::string(6, ' '));
    EXPECT_EQ(h.con.Text(1, 6, 69),
              "    Choose:  2 FTV (F)   0 CV Ref (R)   1 CO Ref (O)   and 0 SIT (S).");
    EXPECT_EQ(h.con.Text(1, 8, 29), kHandSetDone);
    EXPECT_EQ(h.con.Text(1, 10, c.margin + width),
              margin + c.tens + std::string(width - c.tens.size(), ' '));
    EXPECT_EQ(h.con.Text(1, 11, c.margin + width), margin + c.units);
    // The slots white on red, the margin before them and the row after them blue.
    EXPECT_EQ(h.con.At(c.margin, 12).bg, console::kBlue);
    for (int x = c.margin + 1; x <= c.margin + width; ++x) {
      EXPECT_EQ(h.con.At(x, 12).bg, console::kRed) << x;
      EXPECT_EQ(h.con.At(x, 12).fg, console::kWhite) << x;
    }
    EXPECT_EQ(h.con.At(c.margin + width + 1, 12).bg, console::kBlue);
    EXPECT_EQ(h.con.WhereX(), c.margin + 2);  // the cursor on the first slot
    EXPECT_EQ(h.con.WhereY(), 12);
    EXPECT_EQ(h.con.Foreground(), console::kYellow);  // colours restored on leaving
    EXPECT_EQ(h.con.Background(), console::kBlue);
  }
}

TEST(HandSetScreen, TidyKeepsOnlyCountedLettersInsideTheWindow) {
  Harness h;
  StyleRecord& rec = h.st.STYLE;
  rec.FMAX = rec.FMIN = 2, rec.OMAX = rec.OMIN = 1, rec.SMAX = rec.SMIN = 1;
  rec.SPMAX = rec.SPMIN = 4;
  rec.SPEARLY = 3, rec.SPLATE = 8;
  // F before the window, a third F inside it, S and A after it.
  rec.TYP = "FFFnSFOFSA" + std::string(20, 'A');
  const std::string tidy = "nnFnSFOn" + std::string(22, 'n');
  h.con.Keys("\r");  // four placed: Enter ends at once
  SETSPEC(h.run);
  EXPECT_EQ(rec.TYP, tidy);
  EXPECT_EQ(h.con.Text(35, 12, 12), SlotsRow(tidy, 3, 8));
  EXPECT_EQ(h.con.Pending(), 0u);
}

TEST(HandSetScreen, KeysPlaceMoveAndEmpty) {
  struct Case {
    const char* what;
    int spmax;
    int late;  // window 1 to late
    std::string keys;
    std::string typ;  // positions 1 to 5
  };
  const Case cases[] = {
      {"a third F is refused", 2, 5, "F" + R + "f" + R + "F\r", "FFnnn"},
      {"Space then F moves it", 2, 5, "F" + R + "F" + R + "F" + L + L + " " + R + R + "F\r",
       "nFFnn"},
      {"Enter waits for SPMAX", 2, 5, "\rF\r" + R + "r\r", "FRnnn"},
      {"a letter replaces another kind", 3, 5, "FR" + R + "F" + R + "F\r", "RFFnn"},
      {"S on a slot it cannot fill empties it", 1, 5, "S" + R + "S" + L + "S" + R + R + "s\r",
       "nnSnn"},
      {"Left and Right wrap; Space on an empty slot", 2, 5, L + "F" + R + "R" + R + " \r", "RnnnF"},
      {"O is not asked for; other keys are ignored", 1, 5, "Oxn" + std::string("HP") + "F\r",
       "Fnnnn"},
      // A window that cannot hold SPMAX (no check refused it) still ends
      // once it is full.
      {"a window too small for SPMAX", 3, 2, "F" + R + "R\r", "FRnnn"},
  };
  for (const Case& c : cases) {
    Harness h;
    StyleRecord& rec = h.st.STYLE;
    rec.FMAX = 2, rec.RMAX = 1, rec.SMAX = 1, rec.OMAX = 0;
    rec.SPMAX = c.spmax;
    rec.SPEARLY = 1, rec.SPLATE = c.late;
    rec.TYP = kAllRegular;
    h.con.Keys(c.keys);
    try {
      SETSPEC(h.run);
    } catch (const console::InputExhausted&) {
      ADD_FAILURE() << c.what << ": the screen did not end";
      continue;
    }
    const std::string typ = c.typ + std::string(25, 'n');
    EXPECT_EQ(rec.TYP, typ) << c.what;
    EXPECT_EQ(h.con.Pending(), 0u) << c.what << ": ended early";
    const int margin = HandSetMargin(1, c.late);
    EXPECT_EQ(h.con.Text(margin + 1, 12, 2 * c.late), SlotsRow(typ, 1, c.late)) << c.what;
  }
}

}  // namespace
}  // namespace packets::styles

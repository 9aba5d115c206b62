#include "packets/styles/pattern_review.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "packets/styles/pattern.h"
#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

using console::kKeyDown;
using console::kKeyLeft;
using console::kKeyRight;
using console::kKeyUp;

/// A virtual console that lets a test look at the screen before each key.
class WatchedConsole : public console::VirtualConsole {
 public:
  char ReadKey() override {
    if (on_read) on_read();
    ++reads;
    return VirtualConsole::ReadKey();
  }
  std::function<void()> on_read;
  int reads = 0;
};

class ReviewScreen : public ::testing::Test {
 protected:
  /// `quizzes` quizzes of a style with 5 to 10 specialties anywhere.
  void Quizzes(int quizzes) {
    st.QNUM = quizzes;
    st.SPMIN = 5, st.SPMAX = 10;
    st.FMAX = st.RMAX = st.OMAX = st.SMAX = 4;
    st.SPEARLY = 1, st.SPLATE = 30;
    st.SETSPC = 'N';
    for (int q = 1; q <= quizzes; ++q) st.PAT[q] = SPECPAT(DriverSettings(st), rng);
    con.TextColor(console::kYellow);
    con.TextBackground(console::kBlue);
  }
  /// The slot drawn white on red among the first `slots`; 0 for none, -1
  /// for more than one.
  int Marked(int slots) const {
    int marked = 0;
    for (int s = 1; s <= slots; ++s) {
      const SlotPlace at = SlotAt(s);
      if (con.At(at.x, at.y).bg != console::kRed) continue;
      marked = marked == 0 ? s : -1;
    }
    return marked;
  }
  /// The text of slot s as drawn.
  std::string SlotText(int s) const { return con.Text(SlotAt(s).x, SlotAt(s).y, 35); }

  testing::TempDir tmp;
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  RunState& st = *state;
  WatchedConsole con;
  console::FixedClock clock{11};
  console::Random rng{clock};
  console::WorkDir dir{tmp.Path()};
  packets::Run run{st, con, rng, dir};
};

TEST_F(ReviewScreen, ThirtyOneQuizzesTakeTwoPages) {
  Quizzes(31);
  con.Keys("\r" + kKeyUp + "\r");
  con.on_read = [&] {
    EXPECT_EQ(con.Text(2, 3, 75), kReshuffleLine);
    EXPECT_EQ(con.Row(5).substr(0, 76), std::string(kRuler) + kSecondRuler);
    EXPECT_EQ(con.At(13, 5).fg, console::kLightRed);
    EXPECT_EQ(con.Text(4, 22, 35), kAcceptLine);
    EXPECT_EQ(Marked(30), 1);
    if (con.reads == 0) {
      EXPECT_EQ(SlotText(1), "  1. " + st.PAT[1]);
      EXPECT_EQ(SlotAt(15).x, 4);
      EXPECT_EQ(SlotAt(15).y, 20);
      EXPECT_EQ(SlotText(15), " 15. " + st.PAT[15]);
      EXPECT_EQ(SlotAt(16).x, 42);
      EXPECT_EQ(SlotAt(16).y, 6);
      EXPECT_EQ(SlotText(16), " 16. " + st.PAT[16]);
      EXPECT_EQ(SlotText(30), " 30. " + st.PAT[30]);
      // Normal look: yellow, every fifth position white; the mark all white on red.
      EXPECT_EQ(con.At(4, 20).fg, console::kYellow);
      EXPECT_EQ(con.At(12, 20).fg, console::kYellow);
      EXPECT_EQ(con.At(13, 20).fg, console::kWhite);
      EXPECT_EQ(con.At(38, 20).fg, console::kWhite);
      EXPECT_EQ(con.At(13, 20).bg, console::kBlue);
      for (int x = 4; x <= 38; ++x) EXPECT_EQ(con.At(x, 6).fg, console::kWhite) << x;
    } else {
      // The second page: quiz 31 alone, marked, and Up stays on it.
      EXPECT_EQ(SlotText(1), " 31. " + st.PAT[31]);
      EXPECT_EQ(con.Row(7), std::string(80, ' '));
      EXPECT_EQ(con.Text(42, 6, 35), std::string(35, ' '));
    }
  };
  WRITESPECS(run);
  EXPECT_EQ(con.reads, 4);  // Enter, Up (two keys), Enter
  EXPECT_EQ(con.Pending(), 0u);
}

TEST_F(ReviewScreen, MovesOnAPartlyFilledSecondColumn) {
  Quizzes(50);  // the second page holds quizzes 31 to 50: slots 1 to 20
  struct Step {
    std::string key;
    int mark;  // marked slot after the key
  };
  const Step steps[] = {
      {kKeyRight, 16}, {kKeyRight, 16}, {kKeyLeft, 1}, {kKeyLeft, 1}, {kKeyUp, 20},  {kKeyLeft, 5},
      {kKeyRight, 20}, {kKeyDown, 1},   {kKeyDown, 2}, {kKeyDown, 3}, {kKeyDown, 4}, {kKeyDown, 5},
      {kKeyDown, 6},   {kKeyRight, 6},  {"x", 6},      {kKeyUp, 5},   {"P", 6},      {"\x1b", 0},
  };
  con.Keys("\r");  // the first page
  for (const Step& s : steps) con.Keys(s.key);
  std::vector<int> marks;
  con.on_read = [&] { marks.push_back(Marked(20)); };
  WRITESPECS(run);
  // The mark seen at each key read. An arrow arrives as two keys: the mark
  // has not moved yet when its second is read.
  std::vector<int> want = {1, 1};  // the first page; the second, before its first key
  int prev = 1;
  for (const Step& s : steps) {
    if (s.key.size() == 2) want.push_back(prev);
    if (s.mark == 0) break;  // Esc accepts the page: nothing is read after it
    want.push_back(s.mark);
    prev = s.mark;
  }
  EXPECT_EQ(marks, want);
  EXPECT_EQ(con.Pending(), 0u);
}

TEST_F(ReviewScreen, SpaceDrawsAgainOnlyTheMarkedQuiz) {
  Quizzes(40);
  Table<std::string, QQZ> before = st.PAT;
  con.Keys(kKeyDown + kKeyDown + " \r\r");
  std::string shown;
  con.on_read = [&] {
    if (con.reads == 5) shown = SlotText(3);  // after Space, before the first Enter
  };
  WRITESPECS(run);
  EXPECT_NE(st.PAT[3], before[3]);
  EXPECT_EQ(shown, "  3. " + st.PAT[3]);
  for (int q = 1; q <= 40; ++q) {
    if (q == 3) continue;
    EXPECT_EQ(st.PAT[q], before[q]) << q;
  }
}

TEST_F(ReviewScreen, PatternFileHoldsOneLinePerQuiz) {
  struct Case {
    char setspc;
    int spmin, spmax, fmin, fmax;
    std::string line;
  };
  const std::string hand = "nnnFnnF" + std::string(23, 'n');
  const Case cases[] = {
      {'N', 0, 0, 0, 0, std::string(30, 'n')},  // no specialties
      {'Y', 2, 2, 2, 2, hand},                  // every quiz takes the template
  };
  for (const Case& c : cases) {
    st.QNUM = 35;
    st.SPMIN = c.spmin, st.SPMAX = c.spmax;
    st.FMIN = c.fmin, st.FMAX = c.fmax;
    st.SPEARLY = 2, st.SPLATE = 9;
    st.SETSPC = c.setspc;
    st.TYP = hand;
    con.Keys("\r\r");
    SPEC2(run);
    std::string file;
    for (int q = 1; q <= 35; ++q) file += c.line + "\r\n";
    EXPECT_EQ(tmp.Get("pat.txt"), file) << c.setspc;
    EXPECT_EQ(st.PAT[35], c.line);
  }
  EXPECT_EQ(con.Pending(), 0u);
}

}  // namespace
}  // namespace packets::styles

// Whole runs of `packets` on the virtual console through the pattern
// screens: the review screen with its pages and reshuffles, and the
// hand-setting screen while a style is saved. The pattern file the run
// driver reads is checked line by line against the style.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "console/virtual_screen.h"
#include "packets/driver/driver.h"
#include "packets/styles/pattern.h"
#include "packets/styles/pattern_review.h"
#include "packets/styles/pattern_test_support.h"
#include "tests/support/config_keys.h"
#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

using console::kKeyDown;
using console::kKeyRight;
using console::kKeyUp;

/// A virtual console that keeps a copy of the screen each time a key is read.
class RecordingConsole : public console::VirtualConsole {
 public:
  char ReadKey() override {
    screens.push_back(Text());
    return VirtualConsole::ReadKey();
  }
  std::vector<std::string> screens;
};

std::string Row(const std::string& screen, int y) {
  return screen.substr(static_cast<std::size_t>(y - 1) * 81, 80);
}

/// The pattern slot s of a review page shows, without its quiz number.
std::string ShownPattern(const std::string& screen, int s) {
  const styles::SlotPlace at = styles::SlotAt(s);
  return Row(screen, at.y).substr(static_cast<std::size_t>(at.x - 1) + 5, 30);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Ref(int c, int v) {
  char ref[8];
  std::snprintf(ref, sizeof ref, "%2d:%2d", c, v);
  return ref;
}

class PatternRun : public testing::Test {
 protected:
  void SetUp() override {
    // One regular question on every verse of 1:1 to 2:10, and a question of
    // every specialty kind here and there.
    std::string regular;
    for (int c = 1; c <= 2; ++c) {
      for (int v = 1; v <= (c == 1 ? 25 : 10); ++v) regular += Ref(c, v) + "\tWho is asked?\r\n";
    }
    dir_.Put("Mat.A", regular);
    const std::string specialty = Ref(1, 3) + "\tSay it.\r\n" + Ref(2, 4) + "\tSay it.\r\n";
    for (const char* name : {"FTV.00", "cv.b", "co.b", "SIT.TXT"}) dir_.Put(name, specialty);
    dir_.CopyData("VERSES.TXT");
    dir_.CopyData("New.spe");
    dir_.PutLines("Specs.lst", {"Team", "Enter New Specs"});
  }
  /// The style Team: 1:1 to 2:10, 5 questions per quiz; `quizzes` quizzes,
  /// the totals' and kinds' maxima and minima (lines 15 to 24 of its file),
  /// the specialty window, SETSPC and the template.
  void Style(int quizzes, const std::string& counts, int early, int late, char setspc,
             const std::string& typ) {
    std::string text = "F\r\n1 1\r\n2 10\r\nTEAM\r\n60\r\nP\r\n5\r\nA\r\n16\r\n50\r\nY\r\n" +
                       std::to_string(quizzes) + "\r\nV\r\n0\r\n";
    std::istringstream in(counts);
    for (std::string n; in >> n;) text += n + "\r\n";
    text += "100\r\n" + std::to_string(early) + "\r\n" + std::to_string(late) + "\r\n" + setspc +
            "\r\n" + typ + "\r\n";
    dir_.Put("Team.spe", text);
  }
  void Go() {
    console::FixedClock clock(5);
    console::Random rng(clock);
    console::WorkDir dir(dir_.path());
    packets::Run run{st_, con_, rng, dir};
    try {
      driver::RunPackets(run, [](const std::string&) { return std::nullopt; });
    } catch (const console::InputExhausted&) {
      ADD_FAILURE() << "the run wanted more keys; its last screen:\n" << con_.Text();
    }
  }
  /// The screens at which the review screen waited for a key.
  std::vector<std::string> ReviewScreens() const {
    std::vector<std::string> out;
    for (const auto& s : con_.screens) {
      if (s.find(styles::kReshuffleLine) != std::string::npos) out.push_back(s);
    }
    return out;
  }
  testsupport::ScratchDir dir_;
  RunState st_;
  RecordingConsole con_;
};

TEST_F(PatternRun, DrawnPatternsAreReviewedReshuffledAndHandedOver) {
  // 1 to 4 specialties in positions 2 to 5: one or two FTV, at most two CV
  // Ref, one CO Ref, one Situation.
  Style(31, "4 1 2 1 2 0 1 0 1 0", 2, 5, 'N', std::string(30, 'n'));
  con_.Keys("\r" + testsupport::kAcceptStyle);  // style menu: Team, as it stands
  con_.Keys(kKeyDown + " " + "\r");             // first page: quiz 2 drawn again, accepted
  con_.Keys(" \r");                             // second page: quiz 31 drawn again, accepted
  con_.Keys("\rn\r");                           // sector table, repeat warning
  con_.Keys("\r\r");                            // approval menu, closing screen
  con_.Keys(kKeyUp + "\r");                     // Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);

  const std::vector<std::string> lines = Lines(dir_.Get("pat.txt"));
  ASSERT_EQ(lines.size(), 31u);
  const std::vector<std::string> review = ReviewScreens();
  ASSERT_EQ(review.size(), 6u);  // first page: Down (two keys), Space, Enter; second: Space, Enter
  for (int q = 1; q <= 31; ++q) {
    const std::string& line = lines[static_cast<std::size_t>(q - 1)];
    SCOPED_TRACE("quiz " + std::to_string(q) + ": " + line);
    EXPECT_EQ(line, st_.PAT[q]);  // what the run goes on with
    // What the review screen showed when its page was accepted.
    EXPECT_EQ(line, ShownPattern(review[q <= 30 ? 3 : 5], q <= 30 ? q : 1));
    EXPECT_EQ(styles::testing::PatternProblem(styles::DriverSettings(st_), line), "");
  }
  // Space drew quizzes 2 and 31 again; the screen showed the new patterns.
  EXPECT_NE(ShownPattern(review[0], 2), lines[1]);
  EXPECT_NE(ShownPattern(review[4], 1), lines[30]);
  EXPECT_EQ(ShownPattern(review[0], 1), lines[0]);
}

TEST_F(PatternRun, TemplateSetByHandIsEveryQuizsPattern) {
  // One FTV and one CV Ref, set by hand in positions 2 to 5; the template
  // saved earlier holds "A" in the window, which the hand-setting screen
  // clears.
  Style(12, "2 2 1 1 1 1 0 0 0 0", 2, 5, 'Y', "nAAAA" + std::string(25, 'n'));
  con_.Keys("\r" + testsupport::kAcceptStyle);            // style menu: Team, as it stands
  con_.Keys("\rf" + kKeyRight + kKeyRight + "R" + "\r");  // Enter waits; F on 2, R on 4; done
  con_.Keys("\r");                                        // the patterns
  con_.Keys("\rn\r\r\r");                                 // table, warning, approval, closing
  con_.Keys(kKeyUp + "\r");                               // Exit
  Go();
  EXPECT_EQ(con_.Pending(), 0u);
  const std::string template_line = "nFnRn" + std::string(25, 'n');
  const std::vector<std::string> style = Lines(dir_.Get("Team.spe"));
  ASSERT_EQ(style.size(), 29u);
  EXPECT_EQ(style[28], template_line);
  const std::vector<std::string> lines = Lines(dir_.Get("pat.txt"));
  ASSERT_EQ(lines.size(), 12u);
  for (int q = 1; q <= 12; ++q) {
    EXPECT_EQ(lines[static_cast<std::size_t>(q - 1)], template_line) << q;
    EXPECT_EQ(st_.PAT[q], template_line) << q;
  }
  const std::vector<std::string> review = ReviewScreens();
  ASSERT_EQ(review.size(), 1u);
  EXPECT_EQ(ShownPattern(review[0], 12), template_line);
}

}  // namespace
}  // namespace packets

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "packets/run/run_notes.h"
#include "packets/selection/choosers.h"
#include "packets/selection/test_scene.h"

namespace packets::selection {
namespace {

using testing_support::Scene;

/// Chooses every regular place of the pattern, then corrects the share.
void RegularPass(Scene& sc) {
  sc.st.ITOT = 0;
  for (int C1 = 1; C1 <= sc.st.SECTORS; ++C1) {
    if (PlaceKind(sc.st, C1) == 'n') CHOOSEQUE(sc.run, C1);
  }
  CorrectInterrogatives(sc.run);
}

TEST(RegularChoice, FirstAndLastOfThirtyPlacesAvoidTheEdgeSectors) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    Scene sc(30, seed);
    sc.Give('n', std::vector<int>(30, 3));
    // Beyond places 1 and 30 the neighbour counts as sector 0.
    sc.NewQuiz();
    CHOOSEQUE(sc.run, 30);
    CHOOSEQUE(sc.run, 1);
    EXPECT_GT(sc.st.SECTOR[1], 5) << seed;
    EXPECT_GT(sc.st.SECTOR[30], 5) << seed;
    // A whole quiz takes every sector once.
    sc.NewQuiz();
    RegularPass(sc);
    std::vector<int> seen(31, 0);
    for (int i = 1; i <= 30; ++i) ++seen[static_cast<std::size_t>(sc.st.SECTOR[i])];
    for (int s = 1; s <= 30; ++s) EXPECT_EQ(seen[static_cast<std::size_t>(s)], 1);
  }
}

TEST(RegularChoice, RepeatPercentDecidesWhetherAQuestionStaysAvailable) {
  for (int pct : {0, 100}) {
    Scene sc(4);
    sc.Give('n', {5, 5, 5, 5});
    sc.st.REPEATPCT = pct;
    sc.NewQuiz();
    RegularPass(sc);
    for (int i = 1; i <= 4; ++i) {
      const int s = sc.st.RSECTOR[i], k = sc.st.RNUMBER[i];
      EXPECT_EQ(sc.st.REGQUESTION(s, k), pct == 100 ? 1 : 0);
      EXPECT_EQ(sc.st.QPS[s], 4);  // counted as used either way
      EXPECT_EQ(sc.st.SECTOR[i], s);
      EXPECT_EQ(sc.st.NUMBER[i], k);
    }
  }
}

// No free sector left: the sector is used twice, always reported.
TEST(RegularChoice, NoFreeSectorReportsTheRepeatWithADifferentQuestion) {
  Scene sc(3);
  sc.Give('n', {2, 2, 2});
  sc.st.SPMIN = 0;  // reported whatever the style's minimum of specialties
  sc.NewQuiz();
  RegularPass(sc);
  sc.st.FLAG.Fill(0);
  CHOOSEQUE(sc.run, 2);  // place 2 again, every sector taken
  EXPECT_EQ(sc.Notes(), std::vector<std::string>{notes::SectorsRepeatQuest(2, 1)});
  EXPECT_EQ(sc.con.Text(3, 5, 49), "  << Sectors repeat Quiz 1 **Check this quiz** >>");
  const int s = sc.st.SECTOR[2];
  for (int i : {1, 3}) {
    if (sc.st.SECTOR[i] == s) {
      EXPECT_NE(sc.st.NUMBER[i], sc.st.NUMBER[2]);
    }
  }
  // The question taken from a taken sector stays available.
  EXPECT_EQ(sc.st.REGQUESTION(s, sc.st.NUMBER[2]), 1);
}

TEST(RegularChoice, SectorWithNothingDrawableStartsAgainWithItsAnnouncement) {
  Scene sc(1);
  sc.Give('n', {2});
  sc.st.REGQUESTION.Fill(0);
  sc.st.QPS[1] = 0;
  sc.NewQuiz();
  RegularPass(sc);
  EXPECT_EQ(sc.Notes(), std::vector<std::string>{notes::SectorsRepeated(1)});
  EXPECT_EQ(sc.con.Text(3, 5, 49), "  Sectors or questions will be repeated in quiz 1");
  EXPECT_EQ(sc.st.QPS[1], 1);
}

TEST(RegularChoice, InterrogativeShareIsMetOrAbandoned) {
  // Every sector holds two interrogatives and two other questions, except
  // that sector 12 may hold only one sort.
  enum Last { kMixed, kNoInterrogatives, kOnlyInterrogatives };
  struct Case {
    int ipc;
    Last last;
    const char* abandoned;  // the first message, or nullptr
  };
  const Case cases[] = {
      {30, kMixed, nullptr},  // 12 places, 3 wanted
      {100, kMixed, nullptr},
      {0, kMixed, nullptr},
      {30, kNoInterrogatives, nullptr},
      {100, kNoInterrogatives, "  **Some Sectors are out of Interrogative questions**"},
      {0, kOnlyInterrogatives, "  **Some Sectors are out of Noninterrogative questions**"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.ipc) + " " + std::to_string(c.last));
    Scene sc(12);
    sc.Give('n', std::vector<int>(12, 4));
    for (int s = 1; s <= 12; ++s) {
      for (int k = 1; k <= 4; ++k) {
        const bool mixed = s < 12 || c.last == kMixed;
        sc.st.INT(s, k) = mixed ? k <= 2 : c.last == kOnlyInterrogatives;
      }
    }
    sc.st.IPC = c.ipc;
    sc.st.INTIDX = true;
    sc.st.REPEATPCT = 100;
    sc.NewQuiz();
    sc.st.INUM = 12 * c.ipc / 100;
    RegularPass(sc);
    int chosen = 0;
    for (int i = 1; i <= 12; ++i) chosen += sc.st.INT(sc.st.RSECTOR[i], sc.st.RNUMBER[i]);
    EXPECT_EQ(sc.st.ITOT, sc.st.INUM);
    EXPECT_EQ(sc.st.ABAND3, c.abandoned != nullptr);
    if (!c.abandoned) {
      EXPECT_EQ(chosen, sc.st.INUM);
      EXPECT_TRUE(sc.Notes().empty());
      continue;
    }
    EXPECT_EQ(sc.con.Text(3, 5, static_cast<int>(std::string(c.abandoned).size())), c.abandoned);
    const std::string abandoning =
        "  **Abandoning " + std::to_string(c.ipc) + " Percent interrogatives on quiz 1**";
    EXPECT_EQ(sc.con.Text(3, 6, static_cast<int>(abandoning.size())), abandoning);
    EXPECT_EQ(sc.Notes(), std::vector<std::string>{notes::Abandoning(c.ipc, 1)});
    EXPECT_EQ(sc.st.IPC, 50);
    EXPECT_EQ(sc.st.OLDIPC, c.ipc);
    EXPECT_EQ(sc.st.ABAND, 1);
  }
}

// The question drawn is the pick-th of the sector's available questions
// in number order, one draw among them, leaving out numbers that serve
// other places of the kind while the sector holds another question: the
// same as the plain reading of that rule, on random sectors and quizzes.
TEST(RegularChoice, DrawQuestionAgreesWithThePlainRule) {
  console::FixedClock clock;
  console::Random layout(clock);
  layout.Seed(99);
  for (int round = 0; round < 2000; ++round) {
    Scene sc(6, static_cast<std::uint64_t>(round));
    const int total = layout(40) + 1;  // short sectors and ones read eight flags at a time
    std::vector<int> counts(6, total);
    sc.Give('n', counts);
    sc.Pattern(round % 2 ? "nnnnnn" : "nRnRnn");
    sc.NewQuiz();
    for (int k = 1; k <= total; ++k) sc.st.REGQUESTION(3, k) = layout(3) ? 1 : 0;
    for (int i = 1; i <= 6; ++i) {
      sc.st.SECTOR[i] = layout(2) ? 3 : layout(6) + 1;
      sc.st.NUMBER[i] = layout(total + 2);  // 0 (none) up to one past the sector
    }
    const int place = layout(6) + 1;
    const char letter = round % 3 ? 'n' : 'R';

    std::vector<int> serving;
    for (int i = 1; i <= 6; ++i) {
      if (i != place && sc.st.SECTOR[i] == 3 && sc.st.NUMBER[i] > 0 &&
          PlaceKind(sc.st, i) == letter) {
        serving.push_back(sc.st.NUMBER[i]);
      }
    }
    auto serves = [&](int k) { return std::count(serving.begin(), serving.end(), k) > 0; };
    int serving_here = 0;
    for (int k = 1; k <= total; ++k) serving_here += serves(k);
    std::vector<int> candidates;
    for (int k = 1; k <= total; ++k) {
      if (sc.st.REGQUESTION(3, k) == 1 && !(serving_here < total && serves(k))) {
        candidates.push_back(k);
      }
    }
    console::Random twin(clock);
    twin.Seed(static_cast<std::uint64_t>(round));
    const int expected =
        candidates.empty()
            ? 0
            : candidates[static_cast<std::size_t>(twin(static_cast<int>(candidates.size())))];
    EXPECT_EQ(DrawQuestion(sc.run, sc.st.REGQUESTION, total, letter, 3, place), expected)
        << "round " << round;
  }
}

// The sector of a regular place: drawn as sectors drawn one at a time until
// a free one comes, 20 times for each distance from 5 down to 1 until one
// lies further than that from both neighbours, else once more as it comes.
// The chooser draws among the free sectors directly and skips a distance no
// free sector keeps; its choices must follow the same frequencies.
TEST(RegularChoice, SectorSpreadFollowsTheDrawingRule) {
  struct Case {
    std::vector<int> free;
    int place;  // its neighbours hold sectors 8 and 12 (none beyond 1 and 30)
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 10},
      {{9, 10, 11, 13, 14}, 10},  // 14 is more than 1 from both: spread reached at the last step
      {{10, 11}, 10},             // nothing is spread: one more draw as it comes
      {{2, 29}, 1},
  };
  constexpr int kDraws = 20000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.free.size());
    // The rule as written, with a generator of its own.
    console::FixedClock clock;
    console::Random rng(clock);
    rng.Seed(5);
    auto neighbour = [&](int i) { return i < 1 ? 0 : i == c.place - 1 ? 8 : 12; };
    auto is_free = [&](int s) { return std::count(c.free.begin(), c.free.end(), s) > 0; };
    auto draw = [&] {
      int s;
      do s = rng(30) + 1;
      while (!is_free(s));
      return s;
    };
    std::vector<double> expected(31, 0);
    for (int n = 0; n < kDraws; ++n) {
      int s = 0;
      bool spread = false;
      for (int threshold : {5, 4, 3, 2, 1}) {
        for (int d = 0; d < 20 && !spread; ++d) {
          s = draw();
          spread = std::abs(neighbour(c.place - 1) - s) > threshold &&
                   std::abs(neighbour(c.place + 1) - s) > threshold;
        }
        if (spread) break;
      }
      if (!spread) s = draw();
      expected[static_cast<std::size_t>(s)] += 1.0 / kDraws;
    }

    Scene sc(30, 11);
    sc.Give('n', std::vector<int>(30, 1));
    std::vector<double> seen(31, 0);
    for (int n = 0; n < kDraws; ++n) {
      sc.NewQuiz();
      for (int s = 1; s <= 30; ++s) sc.st.FLAG[s] = is_free(s) ? 1 : 0;
      if (c.place > 1) sc.st.SECTOR[c.place - 1] = 8;
      sc.st.SECTOR[c.place + 1] = 12;
      sc.st.REGQUESTION.Fill(1);
      CHOOSEQUE(sc.run, c.place);
      seen[static_cast<std::size_t>(sc.st.SECTOR[c.place])] += 1.0 / kDraws;
    }
    for (int s = 1; s <= 30; ++s) {
      EXPECT_NEAR(seen[static_cast<std::size_t>(s)], expected[static_cast<std::size_t>(s)], 0.02)
          << "sector " << s;
    }
  }
}

}  // namespace
}  // namespace packets::selection

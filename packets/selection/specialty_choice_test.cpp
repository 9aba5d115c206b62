#include <gtest/gtest.h>

#include "packets/run/run_notes.h"
#include "packets/selection/choosers.h"
#include "packets/selection/test_scene.h"

namespace packets::selection {
namespace {

using testing_support::Scene;

TEST(PriorityOrder, ScarcestKindsFirstThenSitFtvCvCo) {
  struct Case {
    int holding[4];  // sectors holding F, S, R, O
    int places[4];   // places asking for F, S, R, O
    const char* order;
  };
  const Case cases[] = {
      {{10, 10, 10, 10}, {0, 0, 0, 0}, "FSRO"},  // all equal: F, then S, then the rest
      {{2, 10, 5, 10}, {1, 1, 1, 0}, "FRSO"},    // slack 1, 9, 4, 10
      {{10, 10, 3, 3}, {0, 0, 1, 1}, "ROSF"},    // R and O tie lowest: R first, then O
      {{1, 10, 5, 5}, {0, 1, 1, 1}, "FOSR"},     // R and O tie second: O before R
      {{10, 10, 10, 1}, {1, 1, 1, 1}, "OFSR"},   // O scarcest; then F and S tie: F
      {{10, 2, 10, 10}, {1, 1, 0, 0}, "SFRO"},
  };
  for (const Case& c : cases) {
    Scene sc(10);
    std::string pat;
    const char letters[4] = {'F', 'S', 'R', 'O'};
    for (int j = 0; j < 4; ++j) {
      std::vector<int> counts(10, 0);
      for (int s = 0; s < c.holding[j]; ++s) counts[static_cast<std::size_t>(s)] = 1;
      sc.Give(letters[j], counts);
      pat += std::string(static_cast<std::size_t>(c.places[j]), letters[j]);
    }
    sc.Pattern(pat);
    const SpecialtyOrder order = PriorityOrder(sc.st);
    std::string got;
    for (const SpecialtyKind* k : order.kinds) got += k->letter;
    EXPECT_EQ(got, c.order) << c.holding[0] << c.holding[1] << c.holding[2] << c.holding[3];
  }
}

// A kind held by one sector only: the second place of the kind finds it
// taken, restarts the pool, fails again and frees the quiz's sectors.
TEST(SpecialtyChoice, KindInOneSectorRestartsThenRepeatsTheSector) {
  for (const SpecialtyKind* kind : {&kCvRef, &kCoRef, &kSit, &kFtv}) {
    for (int questions : {1, 3}) {
      SCOPED_TRACE(std::string(1, kind->letter) + " with " + std::to_string(questions));
      Scene sc(6);
      std::vector<int> counts(6, 0);
      counts[2] = questions;
      sc.Give(kind->letter, counts,
              [](int, int k) { return std::string(k % 2 ? "FTV " : "QUO "); });
      sc.Pattern(std::string(1, kind->letter) + "n" + std::string(1, kind->letter));
      sc.st.*kind->repeat_period = 7;
      sc.NewQuiz();
      FindPlaces(sc.run, *kind);
      EXPECT_EQ(sc.st.SECTOR[1], 3);
      EXPECT_EQ(sc.st.SECTOR[3], 3);
      // A second question of the sector when it has one.
      EXPECT_EQ(sc.st.NUMBER[1] == sc.st.NUMBER[3], questions == 1);
      EXPECT_EQ(sc.Held(3), std::string(1, kind->letter) + " 3." + std::to_string(sc.st.NUMBER[3]));
      EXPECT_EQ(sc.Notes(), (std::vector<std::string>{kind->note(1), notes::SectorsRepeated(1)}));
      EXPECT_EQ(sc.con.Text(3, 5, 75).substr(0, std::string(kind->message).size() + 1),
                kind->message + std::string("1"));
      EXPECT_EQ(sc.con.Text(3, 6, 49), "  Sectors or questions will be repeated in quiz 1");
      EXPECT_EQ(sc.con.Text(3, 3, 15), "Choosing Quiz 1");
      EXPECT_EQ(sc.st.RSET, 6);
      EXPECT_EQ(sc.st.*kind->repeat_quiz, 8);
      // Both exhaustions restarted the pool: the first pick is available
      // again, the second is not; the remaining count is the total less
      // that one.
      EXPECT_EQ((sc.st.*kind->remaining)[3], questions - 1);
      EXPECT_EQ((sc.st.*kind->flags)(3, sc.st.NUMBER[3]), 0);
      if (questions > 1) {
        EXPECT_EQ((sc.st.*kind->flags)(3, sc.st.NUMBER[1]), 1);
      }
      EXPECT_EQ(sc.st.FLAG[3], 0);
      EXPECT_EQ(sc.st.SECOND, 0);  // FINDSET
    }
  }
}

TEST(SpecialtyChoice, SecondPlacePrefersAWellStockedSectorExceptForFtv) {
  for (const SpecialtyKind* kind : {&kCvRef, &kCoRef, &kSit, &kFtv}) {
    int preferred = 0;
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
      Scene sc(5, seed);
      // Sector 4 holds 6 of the 10: more than a third of what remains
      // after any first pick.
      sc.Give(kind->letter, {1, 1, 1, 6, 1},
              [](int s, int k) { return std::string((s + k) % 2 ? "FTV " : "QUO "); });
      sc.Pattern(std::string(2, kind->letter));
      sc.NewQuiz();
      FindPlaces(sc.run, *kind);
      if (sc.st.SECTOR[1] != 4 && sc.st.SECTOR[2] == 4) ++preferred;
      if (kind->preferred) {
        EXPECT_TRUE(sc.st.SECTOR[1] == 4 || sc.st.SECTOR[2] == 4) << seed;
      }
    }
    if (kind->preferred) {
      EXPECT_GT(preferred, 12) << kind->letter;
    } else {
      EXPECT_LT(preferred, 15);
    }
  }
}

TEST(SpecialtyChoice, ScheduledFtvRestartAtTheFirstFtvPlace) {
  Scene sc(4);
  sc.Give('F', {5, 5, 5, 5});
  sc.Pattern("nFnF");
  sc.st.Q2 = 5;
  sc.st.FQUIZ = 4;
  sc.st.FQUIZ1 = 2;
  sc.st.FPS[1] = 0;  // some used: the restart fills them again
  sc.NewQuiz();
  FindPlaces(sc.run, kFtv);
  EXPECT_EQ(sc.Notes(), std::vector<std::string>{notes::FtvRepeats(5)});
  EXPECT_EQ(sc.con.Text(3, 5, 59), "  Due to sectoring restrictions FTV repeats begin in quiz 5");
  EXPECT_EQ(sc.st.FQUIZ, 7);
  int remaining = 0;
  for (int s = 1; s <= 4; ++s) remaining += sc.st.FPS[s];
  EXPECT_EQ(remaining, 18);

  // Not before quiz 4.
  Scene early(4);
  early.Give('F', {5, 5, 5, 5});
  early.Pattern("nF");
  early.st.Q2 = 3;
  early.st.FQUIZ = 1;
  early.NewQuiz();
  FindPlaces(early.run, kFtv);
  EXPECT_TRUE(early.Notes().empty());
}

TEST(SpecialtyChoice, FtvTypesVaryFromOneFtvToTheNext) {
  Scene sc(6);
  sc.Give('F', std::vector<int>(6, 12), [](int s, int k) {
    static const char* const codes[] = {"FTV ", "FTVR", "QUO "};
    return std::string(codes[(s + k) % 3]);
  });
  sc.Pattern("nnFnnF");
  sc.st.REPEATPCT = 100;  // the pool never runs dry
  std::string types;
  for (sc.st.Q2 = 1; sc.st.Q2 <= 40; ++sc.st.Q2) {
    sc.NewQuiz();
    FindPlaces(sc.run, kFtv);
    for (int i : {3, 6}) types += static_cast<char>(sc.st.FTYPE(sc.st.SECTOR[i], sc.st.NUMBER[i]));
  }
  for (std::size_t i = 1; i < types.size(); ++i) EXPECT_NE(types[i], types[i - 1]) << types;
  EXPECT_EQ(sc.st.FTC2, types.back());
  EXPECT_EQ(sc.st.FTC3, types[types.size() - 2]);

  // With one type only, the candidate is taken after the rejections.
  Scene one(3);
  one.Give('F', {4, 4, 4});
  one.Pattern("FFF");
  one.NewQuiz();
  FindPlaces(one.run, kFtv);
  EXPECT_EQ(one.st.FTC2, 'V');
  EXPECT_EQ(one.st.FTC3, 'V');
  int remaining = 0;
  for (int s = 1; s <= 3; ++s) remaining += one.st.FPS[s];
  EXPECT_EQ(remaining, 9);  // rejected candidates were put back
}

}  // namespace
}  // namespace packets::selection

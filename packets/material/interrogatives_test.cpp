#include "packets/material/interrogatives.h"

#include <gtest/gtest.h>

#include "packets/material/material.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::Scene;

TEST(IsInterrogative, OpeningsAndExceptions) {
  struct Case {
    const char* text;
    bool interrogative;
  };
  const Case cases[] = {
      {"Who, according to Matthew 1:1, is ...", true},
      {"Who is the son of David?", true},
      {"Whoever does the will ...", false},
      {"When he saw the crowds ...", false},
      {"When did Joseph take Mary?", true},
      {"When God spoke ...", false},
      {"When Godly men ...", false},
      {"In which city ...", true},
      {"In whose house ...", true},
      {"In the beginning ...", false},
      {"How true is it ...", false},
      {"How many ...", true},
      {"Through whom ...", true},
      {"Do you know ...", true},
      {"what is", false},  // raised to "What" only by the reader of the file
      {"Is", false},       // shorter than "Is "
      {"", false},
      {" Who is", false},
      {"Finish this verse: ...", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsInterrogative(c.text), c.interrogative) << c.text;
}

struct CountInt : Scene {
  /// The regular file: `before` lines before the material, then `texts`.
  void File(int before, const std::vector<std::string>& texts) {
    std::string out;
    for (int i = 0; i < before; ++i) out += " 1: 1\tBefore the material\r\n";
    for (const std::string& t : texts) out += " 2: 1\t" + t + "\r\n";
    st.F3 = "Mat.A";
    st.BEFORE = before;
    Put("Mat.a", out);
  }
};

TEST(CountInt, MarksEveryQuestionOfEverySectorInFileOrder) {
  CountInt sc;
  sc.File(2, {"what is this?", "who came?", "is it so?", "Whoever ...", "When he ...", "Why?",
              "Was it?"});
  sc.st.SECTORS = 2;
  sc.st.QPS[1] = 4;
  sc.st.QPS[2] = 3;
  ASSERT_EQ(COUNTINT(sc.run), std::nullopt);
  EXPECT_EQ(sc.con.Text(3, 3, 35), "Creating index of interrogatives...");
  ASSERT_EQ(sc.st.INT.Count(1), 4);
  ASSERT_EQ(sc.st.INT.Count(2), 3);
  EXPECT_EQ(sc.st.INT(1, 1), 1);  // lower-case "w" raised
  EXPECT_EQ(sc.st.INT(1, 2), 1);
  EXPECT_EQ(sc.st.INT(1, 3), 0);  // only "w" is raised
  EXPECT_EQ(sc.st.INT(1, 4), 0);
  EXPECT_EQ(sc.st.INT(2, 1), 0);
  EXPECT_EQ(sc.st.INT(2, 2), 0);  // "Why?" lacks the blank
  EXPECT_EQ(sc.st.INT(2, 3), 1);
}

// Guards against folding question numbers above 170 onto earlier ones.
TEST(CountInt, SectorOfSixHundredQuestionsHasSixHundredEntries) {
  CountInt sc;
  std::vector<std::string> texts;
  for (int k = 1; k <= 700; ++k) texts.push_back(k % 3 == 0 ? "Who is it?" : "Tell of it.");
  sc.File(0, texts);
  sc.st.SECTORS = 2;
  sc.st.QPS[1] = 600;
  sc.st.QPS[2] = 100;
  ASSERT_EQ(COUNTINT(sc.run), std::nullopt);
  ASSERT_EQ(sc.st.INT.Count(1), 600);
  int marked = 0;
  for (int k = 1; k <= 600; ++k) marked += sc.st.INT(1, k);
  EXPECT_EQ(marked, 200);
  EXPECT_EQ(sc.st.INT(1, 600), 1);
  EXPECT_EQ(sc.st.INT(1, 171), 1);
  EXPECT_EQ(sc.st.INT(2, 2), 0);  // question 602 of the file
  EXPECT_EQ(sc.st.INT(2, 3), 1);
}

// Guards against a stale count file (reused with INDX "N") that promises
// more regular questions than the file holds.
TEST(CountInt, ShorterFileIsRefused) {
  CountInt sc;
  sc.File(3, {"Who?", "What is it?"});
  sc.st.SECTORS = 1;
  sc.st.QPS[1] = 3;
  EXPECT_EQ(COUNTINT(sc.run),
            "Mat.A, line 6: the file ends here, but the index counts 6 regular questions up to "
            "the end of the material (rebuild the index)");
  sc.st.BEFORE = 9;
  EXPECT_EQ(COUNTINT(sc.run),
            "Mat.A, line 6: the file ends here, but the index counts 12 regular questions up to "
            "the end of the material (rebuild the index)");
}

}  // namespace
}  // namespace packets::material

#include "packets/material/question_index.h"

#include <gtest/gtest.h>

#include "packets/material/material.h"
#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::QuestionLines;
using testing_support::Ref;
using testing_support::Scene;

TEST(ReadReference, OutOfRangeIsRefusedInWords) {
  auto refusal = [](std::string_view text) {
    return std::get<std::string>(ReadReference(text, "Mat.A", 7));
  };
  EXPECT_EQ(refusal("29: 1\tx"), "Mat.A, line 7: the chapter \"29\" is not one of 1 to 28");
  EXPECT_EQ(refusal(" 0: 1\tx"), "Mat.A, line 7: the chapter \" 0\" is not one of 1 to 28");
  EXPECT_EQ(refusal("1A: 1\tx"), "Mat.A, line 7: the chapter \"1A\" is not one of 1 to 28");
  EXPECT_EQ(refusal(" 3:81\tx"), "Mat.A, line 7: the verse 81 of chapter 3 is not one of 1 to 80");
  EXPECT_EQ(refusal(" 3: 0\tx"), "Mat.A, line 7: the verse 0 of chapter 3 is not one of 1 to 80");
  EXPECT_EQ(refusal(" 3:"), "Mat.A, line 7: the verse 0 of chapter 3 is not one of 1 to 80");
  EXPECT_THROW(ReadReference(" 3: 1x\tWho?", "Mat.A", 7), console::RuntimeError);
}

/// A run whose five question files are written from `regular` etc.
struct IndexScene : Scene {
  IndexScene(const std::string& regular, const std::string& ftv = "", const std::string& cv = "",
             const std::string& co = "", const std::string& sit = "") {
    st.SECTORS = 1;
    st.F2 = "Test.spe";
    st.F3 = "Mat.B";
    st.F4 = "FTV.59";
    st.F5 = "cv.b";
    st.F6 = "co.b";
    st.F7 = "SIT.TXT";
    st.F11 = "count.59B";
    Put("Mat.b", regular);  // found without regard to letter case
    Put("Ftv.59", ftv);
    Put("Cv.b", cv);
    Put("Co.b", co);
    Put("Sit.txt", sit);
  }
};

TEST(BuildIndex, CountsEveryFileIntoItsTableAndWritesTheCountFile) {
  IndexScene sc(QuestionLines({{{1, 1}, 3}, {{9, 12}, 1}, {{12, 3}, 2}}),
                QuestionLines({{{1, 1}, 1}}), QuestionLines({{{5, 2}, 2}}),
                QuestionLines({{{28, 80}, 1}}), QuestionLines({{{12, 3}, 4}}) + "\r\n\r\n");
  sc.st.F11DIR = "/a/directory/of/the/path";  // an older count file found there
  ASSERT_EQ(BuildIndex(sc.run), std::nullopt);
  EXPECT_EQ(sc.st.F11DIR, "");
  EXPECT_EQ(sc.st.QCOUNT(1, 1), 3);
  EXPECT_EQ(sc.st.QCOUNT(9, 12), 1);
  EXPECT_EQ(sc.st.QCOUNT(12, 3), 2);
  EXPECT_EQ(sc.st.FCOUNT(1, 1), 1);
  EXPECT_EQ(sc.st.RCOUNT(5, 2), 2);
  EXPECT_EQ(sc.st.OCOUNT(28, 80), 1);
  EXPECT_EQ(sc.st.SCOUNT(12, 3), 4);  // the trailing empty lines count nothing
  std::string count = sc.Get("count.59B");
  EXPECT_EQ(count.substr(0, 15), "1 1 3 1 0 0 0\r\n");
  EXPECT_NE(count.find("\r\n12 3 2 0 0 0 4\r\n"), std::string::npos);
  EXPECT_NE(count.find("\r\n5 2 0 0 2 0 0\r\n"), std::string::npos);
}

TEST(BuildIndex, EmptyFilesCountNoQuestion) {
  IndexScene sc("");
  ASSERT_EQ(BuildIndex(sc.run), std::nullopt);
  sc.st.BCHAP = 1, sc.st.BVER = 1, sc.st.ECHAP = 28, sc.st.EVER = 80;
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  EXPECT_EQ(sc.st.TQUEST + sc.st.FQUEST + sc.st.RQUEST + sc.st.OQUEST + sc.st.SQUEST, 0);
}

TEST(BuildIndex, RefusesOutOfRangeInputAndWritesNoCountFile) {
  struct Case {
    std::string regular, sit, refusal;
  };
  std::string full_verse = QuestionLines({{{4, 4}, 255}});
  const Case cases[] = {
      {QuestionLines({{{1, 1}, 2}}) + "29: 1\tx\r\n", "",
       "Mat.B, line 3: the chapter \"29\" is not one of 1 to 28"},
      {"", QuestionLines({{{3, 3}, 1}}) + Ref(3, 4).substr(0, 3) + "81\tx\r\n",
       "SIT.TXT, line 2: the verse 81 of chapter 3 is not one of 1 to 80"},
      {full_verse + QuestionLines({{{4, 4}, 1}}), "",
       "Mat.B, line 256: more than 255 regular questions on chapter 4 verse 4"},
      {QuestionLines({{{1, 1}, 1}}) + "\r\n" + QuestionLines({{{1, 2}, 1}}), "",
       "Mat.B, line 2: an empty line among the questions"},
      // Read by place in the file, a question out of order counted for
      // another sector than its own.
      {QuestionLines({{{16, 9}, 2}, {{1, 1}, 1}}), "",
       "Mat.B, line 3: chapter 1 verse 1 comes after chapter 16 verse 9; the questions must be "
       "in verse order"},
      {"", QuestionLines({{{3, 12}, 1}, {{3, 9}, 1}}),
       "SIT.TXT, line 2: chapter 3 verse 9 comes after chapter 3 verse 12; the questions must be "
       "in verse order"},
  };
  for (const Case& c : cases) {
    IndexScene sc(c.regular, "", "", "", c.sit);
    EXPECT_EQ(BuildIndex(sc.run), c.refusal);
    EXPECT_FALSE(sc.dir.Exists("count.59B"));
  }
  IndexScene ok(full_verse);
  EXPECT_EQ(BuildIndex(ok.run), std::nullopt);
  EXPECT_EQ(ok.st.QCOUNT(4, 4), 255);
}

TEST(BuildIndex, UnreadableVerseAndMissingFileAreRuntimeErrors) {
  IndexScene bad(" 1: x\tWho?\r\n");
  try {
    (void)BuildIndex(bad.run);
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 106);
  }
  IndexScene missing("");
  missing.st.F7 = "llsit.txt";
  try {
    (void)BuildIndex(missing.run);
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 2);
  }
}

TEST(ReadIndex, TotalsBeforeAndOverTheMaterial) {
  IndexScene sc(
      QuestionLines({{{4, 80}, 1}, {{5, 9}, 2}, {{5, 10}, 3}, {{5, 20}, 4}, {{5, 21}, 5}}),
      QuestionLines({{{1, 1}, 1}, {{5, 15}, 1}}), "", "",
      QuestionLines({{{2, 2}, 3}, {{5, 10}, 1}}));
  ASSERT_EQ(BuildIndex(sc.run), std::nullopt);
  sc.st.BCHAP = 5, sc.st.BVER = 10, sc.st.ECHAP = 5, sc.st.EVER = 20;
  sc.st.TEMPS = -1;
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  EXPECT_EQ(sc.st.BEFORE, 3);
  EXPECT_EQ(sc.st.FBEFORE, 1);
  EXPECT_EQ(sc.st.SBEFORE, 3);
  EXPECT_EQ(sc.st.TEMPS, 3);
  EXPECT_EQ(sc.st.TQUEST, 7);
  EXPECT_EQ(sc.st.FQUEST, 1);
  EXPECT_EQ(sc.st.SQUEST, 1);
  // Across chapters: 4:80 to 5:9.
  sc.st.BCHAP = 4, sc.st.BVER = 80, sc.st.ECHAP = 5, sc.st.EVER = 9;
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  EXPECT_EQ(sc.st.BEFORE, 0);
  EXPECT_EQ(sc.st.TQUEST, 3);
}

TEST(ReadIndex, ReusedCountFileGivesTheSameTotalsAsARebuild) {
  const std::string regular = QuestionLines({{{2, 3}, 4}, {{3, 1}, 2}, {{7, 7}, 1}});
  IndexScene sc(regular, QuestionLines({{{3, 1}, 1}}), QuestionLines({{{2, 9}, 2}}));
  sc.st.BCHAP = 2, sc.st.BVER = 5, sc.st.ECHAP = 7, sc.st.EVER = 7;
  ASSERT_EQ(BuildIndex(sc.run), std::nullopt);
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  const int totals[] = {sc.st.BEFORE, sc.st.TQUEST, sc.st.FQUEST, sc.st.RQUEST, sc.st.SQUEST};
  // A later run with INDX "N": the question files are gone, the count file
  // alone gives the index.
  for (const char* name : {"Mat.b", "Ftv.59", "Cv.b", "Co.b", "Sit.txt"}) sc.dir.Remove(name);
  ClearVerseTables(sc.st);
  ASSERT_EQ(ReadIndex(sc.run), std::nullopt);
  const int again[] = {sc.st.BEFORE, sc.st.TQUEST, sc.st.FQUEST, sc.st.RQUEST, sc.st.SQUEST};
  EXPECT_TRUE(std::equal(std::begin(totals), std::end(totals), std::begin(again)));
  EXPECT_EQ(sc.st.BEFORE, 4);
  EXPECT_EQ(sc.st.TQUEST, 3);
  EXPECT_EQ(sc.st.RQUEST, 2);
}

TEST(ReadIndex, RefusesAMalformedCountFileAndBoundsOutsideTheBook) {
  IndexScene sc("");
  sc.Put("count.59B", "1 1 0 0 0 0 0\r\n");
  EXPECT_EQ(ReadIndex(sc.run),
            "count.59B, line 2: the file ends here; a count file holds 2240 lines");
  sc.st.BCHAP = 29;
  EXPECT_EQ(ReadIndex(sc.run),
            "Test.spe: the material 29:1 to 1:1 lies outside chapters 1 to 28, verses 1 to 80");
  sc.st.BCHAP = 2;
  EXPECT_EQ(ReadIndex(sc.run), "Test.spe: the material begins at 2:1, after its end 1:1");
  sc.st.SECTORS = 0;
  EXPECT_EQ(ReadIndex(sc.run), "Test.spe: 0 questions per quiz is not one of 1 to 30");
}

TEST(ReadVerseTable, ReadsTheLastVerseOfEveryChapter) {
  Scene sc;
  std::string text;
  for (int c = 1; c <= 28; ++c) text += std::to_string(20 + c) + " verses\r\n";
  sc.Put("VERSES.TXT", text);
  ASSERT_EQ(ReadVerseTable(sc.run), std::nullopt);
  EXPECT_EQ(sc.st.EVS[1], 21);
  EXPECT_EQ(sc.st.EVS[28], 48);
  sc.Put("VERSES.TXT", "25\r\n81\r\n");
  EXPECT_EQ(ReadVerseTable(sc.run),
            "VERSES.TXT, line 2: the last verse of chapter 2 is 81, not one of 1 to 80");
  sc.Put("VERSES.TXT", "25\r\n");
  EXPECT_EQ(ReadVerseTable(sc.run),
            "VERSES.TXT, line 2: the last verse of chapter 2 is 0, not one of 1 to 80");
}

}  // namespace
}  // namespace packets::material

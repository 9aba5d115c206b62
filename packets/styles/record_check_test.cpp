#include "packets/styles/record_check.h"

#include <gtest/gtest.h>

#include <functional>

#include "packets/styles/style_file.h"
#include "packets/styles/style_phase.h"
#include "packets/styles/styles.h"

namespace packets::styles {
namespace {

/// A style that passes every check: Matthew 1:1 to 5:48, 20 questions,
/// 2 to 4 specialties in questions 3 to 18.
StyleRecord Good() {
  StyleRecord r;
  r.BCHAP = 1, r.BVER = 1, r.ECHAP = 5, r.EVER = 48;
  r.NAME4 = "QUIZ";
  r.QMAX = 20, r.QNUM = 10;
  r.SPMAX = 4, r.SPMIN = 2, r.FMAX = 2, r.FMIN = 1, r.RMAX = 1, r.RMIN = 0;
  r.OMAX = 1, r.OMIN = 0, r.SMAX = 1, r.SMIN = 0;
  r.PRIMPCT = 100, r.SPEARLY = 3, r.SPLATE = 18, r.SETSPC = 'N';
  r.TYP = std::string(30, 'n');
  return r;
}

struct Case {
  const char* what;
  std::function<void(StyleRecord&)> change;
  int rule;
  Field field;
};

TEST(ERRMESS, AGoodStylePasses) {
  EXPECT_FALSE(ERRMESS(Good()));
  EXPECT_FALSE(CheckStyleForRun(Good()));
  StyleRecord fixed = Good();  // positions set by hand: every minimum equals its maximum
  fixed.SETSPC = 'Y';
  fixed.SPMIN = fixed.SPMAX = 5;
  fixed.FMIN = fixed.FMAX = 2;
  fixed.RMIN = fixed.RMAX = fixed.OMIN = fixed.OMAX = fixed.SMIN = fixed.SMAX = 1;
  fixed.TYP = "nnFRFOS" + std::string(23, 'n');
  EXPECT_FALSE(CheckStyleForRun(fixed));
}

TEST(ERRMESS, EachRuleSendsToItsField) {
  const Case cases[] = {
      {"minimums above total min", [](StyleRecord& r) { r.FMIN = 2, r.RMIN = 1; }, 1,
       Field::kTotalMin},
      {"maximums below total max", [](StyleRecord& r) { r.SPMAX = 6; }, 2, Field::kTotalMax},
      {"window beyond the quiz", [](StyleRecord& r) { r.QMAX = 17; }, 3, Field::kSpecialtiesTo},
      {"window too small", [](StyleRecord& r) { r.SPEARLY = 16; }, 4, Field::kSpecialtiesTo},
      {"set by hand, FTV", [](StyleRecord& r) { r.SETSPC = 'Y'; }, 5, Field::kFtvMin},
      {"set by hand, CV Ref", [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2; }, 6, Field::kCvMin},
      {"set by hand, CO Ref",
       [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.SPMIN = 3; }, 7,
       Field::kCoMin},
      {"set by hand, Situation",
       [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.OMIN = 1, r.SPMIN = 4; }, 8,
       Field::kSitMin},
      {"begin chapter after end", [](StyleRecord& r) { r.BCHAP = 6; }, 9, Field::kBeginChapter},
      {"begin verse after end", [](StyleRecord& r) { r.BCHAP = 5, r.BVER = 10, r.EVER = 9; }, 9,
       Field::kBeginChapter},
  };
  for (const Case& c : cases) {
    StyleRecord r = Good();
    c.change(r);
    auto f = ERRMESS(r);
    ASSERT_TRUE(f) << c.what;
    EXPECT_EQ(f->rule, c.rule) << c.what;
    EXPECT_EQ(f->field, c.field) << c.what;
    // The run check refuses the same record for the same rule.
    auto g = CheckStyleForRun(r);
    ASSERT_TRUE(g) << c.what;
    EXPECT_EQ(g->rule, c.rule) << c.what;
  }
}

TEST(ERRMESS, RulesAreTestedInOrderAndWordTheValues) {
  StyleRecord r = Good();
  r.FMIN = 2, r.RMIN = 1;  // rule 1
  r.BCHAP = 6;             // rule 9
  auto f = ERRMESS(r);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->rule, 1);
  EXPECT_EQ(f->words,
            "FTV, CV Ref, CO Ref and Situation minimums add up to 3, more than the Total minimum "
            "of 2");
  r = Good();
  r.BCHAP = 5, r.BVER = 10, r.EVER = 9;
  EXPECT_EQ(ERRMESS(r)->words, "The begin verse 5:10 comes after the end verse 5:9");
  r = Good();
  r.SPEARLY = 1, r.SPLATE = 2;  // a window of exactly the largest count holds it
  r.SPMAX = 2, r.FMAX = 2;
  EXPECT_FALSE(ERRMESS(r));
  // Drawn patterns need no kind's minimum to equal its maximum.
  r = Good();
  r.SETSPC = 'y';
  EXPECT_FALSE(ERRMESS(r));
}

TEST(CheckStyleForRun, RefusesWhatWouldIndexOutsideATableOrNeverEnd) {
  const Case cases[] = {
      {"no questions", [](StyleRecord& r) { r.QMAX = 0; }, 0, Field::kQuestions},
      {"too many questions", [](StyleRecord& r) { r.QMAX = 31; }, 0, Field::kQuestions},
      {"no quizzes", [](StyleRecord& r) { r.QNUM = 0; }, 0, Field::kQuizzes},
      {"too many quizzes", [](StyleRecord& r) { r.QNUM = 151; }, 0, Field::kQuizzes},
      {"begin chapter 0", [](StyleRecord& r) { r.BCHAP = 0; }, 0, Field::kBeginChapter},
      {"end chapter 29", [](StyleRecord& r) { r.ECHAP = 29; }, 0, Field::kEndChapter},
      {"begin verse 0", [](StyleRecord& r) { r.BVER = 0; }, 0, Field::kBeginVer},
      {"end verse 81", [](StyleRecord& r) { r.EVER = 81; }, 0, Field::kEndVer},
      {"begin verse past its chapter", [](StyleRecord& r) { r.BCHAP = 3, r.BVER = 40; }, 0,
       Field::kBeginVer},
      {"end verse past its chapter", [](StyleRecord& r) { r.EVER = 49; }, 0, Field::kEndVer},
      {"no pool file", [](StyleRecord& r) { r.PRIMPCT = 51; }, 0, Field::kPrimaryFtv},
      {"pool 101", [](StyleRecord& r) { r.PRIMPCT = 101; }, 0, Field::kPrimaryFtv},
      {"window from 0", [](StyleRecord& r) { r.SPEARLY = 0; }, 0, Field::kSpecialtiesFrom},
      {"window to 31", [](StyleRecord& r) { r.SPLATE = 31, r.QMAX = 30; }, 0,
       Field::kSpecialtiesTo},
      {"negative total min", [](StyleRecord& r) { r.SPMIN = -1; }, 0, Field::kTotalMin},
      {"negative FTV max", [](StyleRecord& r) { r.FMAX = -1, r.FMIN = -1; }, 0, Field::kFtvMax},
      {"negative CV min", [](StyleRecord& r) { r.RMIN = -2; }, 0, Field::kCvMin},
      {"negative CO max", [](StyleRecord& r) { r.OMAX = -1; }, 0, Field::kCoMax},
      {"negative SIT min", [](StyleRecord& r) { r.SMIN = -1; }, 0, Field::kSitMin},
      {"total min above max", [](StyleRecord& r) { r.SPMIN = 5; }, 0, Field::kTotalMin},
      {"SIT min above max", [](StyleRecord& r) { r.SMIN = 2; }, 0, Field::kSitMin},
      {"empty output name", [](StyleRecord& r) { r.NAME4.clear(); }, 0, Field::kOutputName},
      {"output name with /", [](StyleRecord& r) { r.NAME4 = "../x"; }, 0, Field::kOutputName},
      {"output name with \\", [](StyleRecord& r) { r.NAME4 = "a\\b"; }, 0, Field::kOutputName},
      // What the pattern draw and question selection rely on.
      {"interrogatives 250", [](StyleRecord& r) { r.IPC = 250; }, 0, Field::kPctInt},
      {"interrogatives -1", [](StyleRecord& r) { r.IPC = -1; }, 0, Field::kPctInt},
      {"repeats 101", [](StyleRecord& r) { r.REPEATPCT = 101; }, 0, Field::kRepeats},
      {"repeats -5", [](StyleRecord& r) { r.REPEATPCT = -5; }, 0, Field::kRepeats},
      {"total max 21", [](StyleRecord& r) { r.SPMAX = 21; }, 0, Field::kTotalMax},
      {"FTV max 11", [](StyleRecord& r) { r.FMAX = 11; }, 0, Field::kFtvMax},
      {"SIT max 1000", [](StyleRecord& r) { r.SMAX = 1000; }, 0, Field::kSitMax},
      {"window from 31", [](StyleRecord& r) { r.SPEARLY = 31; }, 0, Field::kSpecialtiesFrom},
      {"window backwards, no specialties",
       [](StyleRecord& r) {
         r.SPEARLY = 9, r.SPLATE = 8, r.SPMAX = r.SPMIN = 0, r.FMAX = r.FMIN = 0;
         r.RMAX = r.OMAX = r.SMAX = 0;
       },
       0, Field::kSpecialtiesFrom},
      {"set by hand y", [](StyleRecord& r) { r.SETSPC = 'y'; }, 0, Field::kSetSpecialty},
      {"set by hand empty", [](StyleRecord& r) { r.SETSPC = '\r'; }, 0, Field::kSetSpecialty},
      {"short template set by hand",
       [](StyleRecord& r) {
         r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.OMIN = 1, r.SMIN = 1, r.SPMIN = 5;
         r.SPMAX = 5, r.TYP = "nnFF";
       },
       0, Field::kSetSpecialty},
      {"template set by hand holding A",
       [](StyleRecord& r) {
         r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.OMIN = 1, r.SMIN = 1, r.SPMIN = 5;
         r.SPMAX = 5, r.TYP = "nnFRFOSA" + std::string(22, 'n');
       },
       0, Field::kSetSpecialty},
  };
  for (const Case& c : cases) {
    StyleRecord r = Good();
    c.change(r);
    auto f = CheckStyleForRun(r);
    ASSERT_TRUE(f) << c.what;
    EXPECT_EQ(f->rule, c.rule) << c.what;
    EXPECT_EQ(f->field, c.field) << c.what << ": " << f->words;
  }
}

TEST(CheckStyleForRun, NamesTheFieldInWords) {
  StyleRecord r = Good();
  r.QMAX = 45;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "Questions per quiz must be 1 to 30 (the style file says 45)");
  r = Good();
  r.FMIN = 3;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "FTV minimum must not be above the FTV maximum (the style file says 3 and 2)");
  r = Good();
  r.NAME4.clear();
  EXPECT_EQ(CheckStyleForRun(r)->words, "Output file name must not be empty");
  r = Good();
  r.BCHAP = 3, r.BVER = 40;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "Begin verse 3:40 lies beyond the last verse of chapter 3 (17)");
}

TEST(CheckStyleForRun, NamesTheNewRefusalsInWords) {
  StyleRecord r = Good();
  r.IPC = 250;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "Percentage of interrogative questions must be 0 to 100 (the style file says 250)");
  r = Good();
  r.SMAX = 1000;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "Situation maximum must be 10 or less (the style file says 1000)");
  r = Good();
  r.SPEARLY = 31, r.SPLATE = 30, r.QMAX = 30;
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "First question for specialties must not come after the last (the style file says 31 "
            "and 30)");
  r = Good();
  r.SETSPC = '\r';
  EXPECT_EQ(CheckStyleForRun(r)->words,
            "Set specialty positions by hand must be Y or N (the style file says nothing)");
}

// The screen's check leaves the template alone, since saving sets it afresh
// (a style switched to positions set by hand still holds the drawn window).
TEST(CheckStyleRecord, IsTheRunCheckWithoutTheTemplate) {
  StyleRecord r = Good();
  r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.OMIN = 1, r.SMIN = 1, r.SPMIN = r.SPMAX = 5;
  r.TYP = WindowTemplate(3, 18);
  EXPECT_FALSE(CheckStyleRecord(r));
  ASSERT_TRUE(CheckStyleForRun(r));
  r.IPC = 101;
  EXPECT_EQ(CheckStyleRecord(r)->field, Field::kPctInt);
  r = Good();
  r.FMIN = 2, r.RMIN = 1;
  EXPECT_EQ(CheckStyleRecord(r)->rule, 1);
}

// Against the verse table the run reads: the book's own counts pass; a
// table giving chapter 1 or 5 fewer verses than the material reaches
// refuses the begin or the end verse, naming the table.
TEST(CheckMaterialVerses, NamesTheVerseTheTableDoesNotHave) {
  Table<std::uint8_t, CHMAX> evs;
  for (int c = 1; c <= CHMAX; ++c) evs[c] = static_cast<std::uint8_t>(kVerseCounts[c - 1]);
  StyleRecord r = Good();
  r.BVER = 25;
  EXPECT_FALSE(CheckMaterialVerses(r, evs));
  evs[1] = 24;
  ASSERT_TRUE(CheckMaterialVerses(r, evs));
  EXPECT_EQ(CheckMaterialVerses(r, evs)->field, Field::kBeginVer);
  EXPECT_EQ(CheckMaterialVerses(r, evs)->words,
            "Begin verse 1:25 lies beyond the last verse of chapter 1 in VERSES.TXT (24)");
  evs[1] = 25;
  evs[5] = 47;
  EXPECT_EQ(CheckMaterialVerses(r, evs)->field, Field::kEndVer);
}

TEST(CheckStyleName, RefusesTheMenusExitOnly) {
  ASSERT_TRUE(CheckStyleName("Exit"));
  EXPECT_EQ(CheckStyleName("Exit")->field, Field::kStyleName);
  for (const char* name : {"Exits", "EXIT", "New", "Alpha"}) EXPECT_FALSE(CheckStyleName(name));
}

TEST(CheckStyleForRun, RangesComeBeforeTheWholeRecordRules) {
  StyleRecord r = Good();
  r.QMAX = 45;   // out of range
  r.SPMAX = 30;  // also breaks rules 2 and 4
  auto f = CheckStyleForRun(r);
  EXPECT_EQ(f->rule, 0);
  EXPECT_EQ(f->field, Field::kQuestions);
}

TEST(CheckStyleForRun, OtherHandEditedValuesAreUsedUnchanged) {
  StyleRecord r = Good();
  r.LPP = 3, r.AB = 0, r.OUT = 'x', r.SEC1 = 'z', r.LG = '?';
  r.TYP = "junk";  // not used when patterns are drawn
  EXPECT_FALSE(CheckStyleForRun(r));
}

TEST(HasFtvPool, SeventeenPercentagesHaveAPool) {
  int count = 0;
  for (int p = -5; p <= 120; ++p) count += HasFtvPool(p);
  EXPECT_EQ(count, 17);
  EXPECT_TRUE(HasFtvPool(57) && HasFtvPool(70) && HasFtvPool(88) && HasFtvPool(100));
  EXPECT_FALSE(HasFtvPool(56) || HasFtvPool(61) || HasFtvPool(87) || HasFtvPool(96));
}

}  // namespace
}  // namespace packets::styles

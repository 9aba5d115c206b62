#include "databuild/question_line.h"

#include <gtest/gtest.h>

namespace databuild {
namespace {

TEST(Reference, OnlyTheBlankPaddedFormWithChapterAndVerseInRange) {
  for (const char* good : {" 1: 1", " 5: 3", "12:30", "28:80", " 9:80", "10:10"}) {
    EXPECT_TRUE(IsCanonicalReference(good)) << good;
  }
  for (const char* bad : {"01: 5", " 1:1 ", " 1:01", " 0: 1", "29: 1", " 1:81", " 1: 0", " 1;10",
                          "1 : 1", "  : 1", " 1:  ", "1: 1", " 1: 1 "}) {
    EXPECT_FALSE(IsCanonicalReference(bad)) << bad;
  }
}

TEST(ReferenceOrder, ComparesReferencesAsText) {
  ReferenceOrder order;
  EXPECT_TRUE(order.Accept(" 1:30"));
  EXPECT_TRUE(order.Accept(" 1:30"));  // several questions on one verse
  EXPECT_TRUE(order.Accept(" 2: 1"));
  EXPECT_TRUE(order.Accept(" 2:10"));
  EXPECT_FALSE(order.Accept(" 2: 9"));
}

TEST(ParseFtv, TheFirstReadingChecksOnlyTheTabs) {
  const char* odd = "  27: 4\tXTV \tz*w*The rest of it.";
  auto first = ParseFtv(odd, FtvReading::kFirst);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->code, "XTV ");
  EXPECT_EQ(first->cls, 'z');
  EXPECT_EQ(first->rank, 'w');
  EXPECT_EQ(first->text, "The rest of it.");
  EXPECT_FALSE(ParseFtv(odd, FtvReading::kSecond));
  EXPECT_FALSE(ParseFtv("  27: 4\tFTV  p q text", FtvReading::kFirst));
  // Column 5 and the form of the reference are left to the second reading.
  EXPECT_TRUE(ParseFtv("  27;4 \tFTV \tp q text", FtvReading::kFirst));
  EXPECT_FALSE(ParseFtv("  27;4 \tFTV \tp q text", FtvReading::kSecond));
  EXPECT_FALSE(ParseFtv("  27: 4\tFTV \tp q", FtvReading::kFirst));
}

TEST(ParseFtv, TheSecondReadingChecksClassRankAndCode) {
  for (char cls : std::string("pn")) {
    for (char rank : std::string("xq6789")) {
      for (const char* code : {"FTV ", "FTVR", "QUO ", "FTS "}) {
        std::string line = "   3: 2\t" + std::string(code) + "\t" + cls + " " + rank + " text";
        auto q = ParseFtv(line, FtvReading::kSecond);
        ASSERT_TRUE(q) << line;
        EXPECT_EQ(q->IsQuotation(), code[0] == 'Q');
        EXPECT_EQ(q->IsVerseFinishing(), code[2] == 'V');
      }
    }
  }
  EXPECT_FALSE(ParseFtv("   3: 2\tFTV \tp 5 text", FtvReading::kSecond));
  EXPECT_FALSE(ParseFtv("   3: 2\tGTV \tp 9 text", FtvReading::kSecond));
  EXPECT_FALSE(ParseFtv("   3: 2\tFTV \tP 9 text", FtvReading::kSecond));
}

// Column 1 is "=" only on a separator line: where a section starts, such a
// line is read as a question line and rejected, however good its fields.
TEST(ParseLines, ALineBeginningWithEqualsIsNeverAQuestion) {
  EXPECT_TRUE(ParseRegular("   1: 1 a Who? Him."));
  EXPECT_FALSE(ParseRegular("=  1: 1 a Who? Him."));
  EXPECT_TRUE(ParseReference("   1: 1\t V   \tb Who? Him."));
  EXPECT_FALSE(ParseReference("=  1: 1\t V   \tb Who? Him."));
  for (FtvReading reading : {FtvReading::kFirst, FtvReading::kSecond}) {
    EXPECT_TRUE(ParseFtv("   1: 1\tFTV \tp 9 Words", reading));
    EXPECT_FALSE(ParseFtv("=  1: 1\tFTV \tp 9 Words", reading));
  }
  EXPECT_TRUE(ParseSituation("   1: 1 Someone: \"Words, *more.\""));
  EXPECT_FALSE(ParseSituation("=  1: 1 Someone: \"Words, *more.\""));
}

}  // namespace
}  // namespace databuild

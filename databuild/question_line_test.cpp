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

TEST(ParseRegular, TakesTheFieldsByColumn) {
  auto q = ParseRegular("xx 5: 3\tb Who went up?\tThe crowd.");
  ASSERT_TRUE(q);
  EXPECT_EQ(q->ref, " 5: 3");
  EXPECT_EQ(q->separator, '\t');
  EXPECT_EQ(q->set, 'b');
  EXPECT_EQ(q->text, "Who went up?\tThe crowd.");
}

TEST(ParseRegular, RejectsBadSetSeparatorReferenceAndShortLines) {
  EXPECT_TRUE(ParseRegular("   5: 3 a "));  // the fixed fields, no text
  EXPECT_FALSE(ParseRegular("   5: 3 a"));  // column 10 missing
  EXPECT_FALSE(ParseRegular("   5: 3 d text"));
  EXPECT_FALSE(ParseRegular("   5: 3 A text"));
  EXPECT_FALSE(ParseRegular("   5: 3xa text"));  // the index reads the verse up to column 8
  EXPECT_FALSE(ParseRegular("   5; 3 a text"));
  EXPECT_FALSE(ParseRegular("  05: 3 a text"));
  EXPECT_FALSE(ParseRegular(""));
  EXPECT_FALSE(ParseRegular(std::string_view("   5: 3\0a text", 14)));
}

TEST(ParseRegular, CutsTheTextAfter510Characters) {
  std::string line = "   1: 1 c " + std::string(590, 'w');  // a line of 600 characters
  auto q = ParseRegular(line);
  ASSERT_TRUE(q);
  EXPECT_EQ(q->text.size(), 510u);
}

TEST(ParseReference, NeedsTabsASetOfBOrCAndAMark) {
  auto both = ParseReference("   7:12\t V  O\tb What did he say?");
  ASSERT_TRUE(both);
  EXPECT_TRUE(both->IsCv());
  EXPECT_TRUE(both->IsCo());
  EXPECT_EQ(both->set, 'b');
  EXPECT_EQ(both->text, "What did he say?");
  auto co = ParseReference("   7:12\t    O\tc text");
  ASSERT_TRUE(co);
  EXPECT_FALSE(co->IsCv());
  EXPECT_TRUE(co->IsCo());
  EXPECT_FALSE(ParseReference("   7:12\t     \tc text"));  // no mark
  EXPECT_FALSE(ParseReference("   7:12\tV    \tc text"));  // "V" in the wrong column
  EXPECT_FALSE(ParseReference("   7:12\t V  O\ta text"));  // no set "a" here
  EXPECT_FALSE(ParseReference("   7:12  V  O\tb text"));   // column 8 not a tab
  EXPECT_FALSE(ParseReference("   7:12\t V  O b text"));   // column 14 not a tab
  EXPECT_FALSE(ParseReference("   7:1 \t V  O\tb text"));  // malformed reference
  EXPECT_FALSE(ParseReference("   7:12\t V  O\tb"));       // too short
}

TEST(ParseFtv, TheFirstReadingChecksOnlyTabsAndTheReference) {
  const char* odd = "  27: 4\tXTV \tz*w*The rest of it.";
  auto first = ParseFtv(odd, FtvReading::kFirst);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->code, "XTV ");
  EXPECT_EQ(first->cls, 'z');
  EXPECT_EQ(first->rank, 'w');
  EXPECT_EQ(first->text, "The rest of it.");
  EXPECT_FALSE(ParseFtv(odd, FtvReading::kSecond));
  EXPECT_FALSE(ParseFtv("  27: 4\tFTV  p q text", FtvReading::kFirst));
  EXPECT_FALSE(ParseFtv("  27:4 \tFTV \tp q text", FtvReading::kFirst));
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

TEST(ParseSituation, NeedsATabOrBlankInColumn8) {
  auto q = ParseSituation("  28:20 Jesus to the eleven: \"Go *and teach.\"");
  ASSERT_TRUE(q);
  EXPECT_EQ(q->ref, "28:20");
  EXPECT_EQ(q->separator, ' ');
  EXPECT_EQ(q->text, "Jesus to the eleven: \"Go *and teach.\"");
  EXPECT_TRUE(ParseSituation("  28:20\t"));
  EXPECT_FALSE(ParseSituation("  28:20"));
  EXPECT_FALSE(ParseSituation("  28:20-text"));
  EXPECT_FALSE(ParseSituation("  28:2  text"));
}

}  // namespace
}  // namespace databuild

#include "databuild/database.h"

#include <gtest/gtest.h>

namespace databuild {
namespace {

using Step = SectionWalker::Step;

TEST(Database, EveryKindOfLineEndEndsALine) {
  Database db = Database::FromText(std::string("a\r\nb\nc\rd", 8));
  ASSERT_EQ(db.LineCount(), 4);
  EXPECT_EQ(db.Line(1), "a");
  EXPECT_EQ(db.Line(2), "b");
  EXPECT_EQ(db.Line(3), "c");
  EXPECT_EQ(db.Line(4), "d");  // the last line needs no line end
}

TEST(Database, KeepsNulAndHighBytesAndEmptyLines) {
  const std::string text("x\0\xe9y\r\n\r\nz\r\n", 11);
  Database db = Database::FromText(text);
  ASSERT_EQ(db.LineCount(), 3);
  EXPECT_EQ(db.Line(1), std::string_view("x\0\xe9y", 4));
  EXPECT_EQ(db.Line(2), "");
  EXPECT_EQ(db.Line(3), "z");
}

TEST(SectionWalker, FirstLineOfASectionIsAlwaysAQuestion) {
  Database db = Database::FromText("=first\n=\nq\n==\n");
  SectionWalker w(db);
  EXPECT_EQ(w.Next(), Step::kQuestion);
  EXPECT_EQ(w.Line(), "=first");
  EXPECT_EQ(w.Next(), Step::kSeparator);  // a bare "=" is a whole separator line
  EXPECT_EQ(w.Next(), Step::kQuestion);
  EXPECT_EQ(w.Line(), "q");
  EXPECT_EQ(w.LineNumber(), 3);
  EXPECT_EQ(w.Next(), Step::kSeparator);
  EXPECT_EQ(w.Next(), Step::kEnd);
  EXPECT_EQ(w.Next(), Step::kEnd);
}

TEST(SectionWalker, RestartReadsASectionAgainWithTheSameLineNumbers) {
  Database db = Database::FromText("r\n=\nf1\nf2\n=\ns\n=\n");
  SectionWalker w(db);
  w.Next();
  w.Next();
  const SectionWalker::Mark start = w.Here();
  for (int reading = 0; reading < 2; ++reading) {
    w.Restart(start);
    ASSERT_EQ(w.Next(), Step::kQuestion);
    EXPECT_EQ(w.LineNumber(), 3);
    ASSERT_EQ(w.Next(), Step::kQuestion);
    EXPECT_EQ(w.Line(), "f2");
    EXPECT_EQ(w.Next(), Step::kSeparator);
  }
  EXPECT_EQ(w.Next(), Step::kQuestion);
  EXPECT_EQ(w.Line(), "s");
}

}  // namespace
}  // namespace databuild

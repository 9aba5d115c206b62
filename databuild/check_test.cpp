#include "databuild/check.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/scratch_dir.h"

namespace databuild {
namespace {

std::string Listing(const std::string& text) {
  std::string out;
  for (const Problem& p : CheckDatabase(Database::FromText(text))) {
    out += ProblemLine("Mat.dsk", p) + "\n";
  }
  return out;
}

// Faults in every section, several on one line, an order fault that must not
// drag the lines after it along, and an empty last section.
TEST(CheckDatabase, ListsEveryFaultWithItsLineInWords) {
  const std::string db =
      "   1: 1 a Who?\r\n"            // 1
      "   1: 3 d Who?\r\n"            // 2 set letter
      "   1: 2 a Who?\r\n"            // 3 order
      "   1:3  a Who?\r\n"            // 4 reference form, not order-checked
      "   1: 4 a Who?\r\n"            // 5 good: compared with 1: 2 of line 3
      "=\r\n"                         // 6
      "   2: 1\t V   \tb Who?\r\n"    // 7
      "   2: 2\t     \tb Who?\r\n"    // 8 no mark
      "   2: 3  V   \tb Who?\r\n"     // 9 column 8
      "   2: 4\tb\r\n"                // 10 too short
      "==\r\n"                        // 11
      "   3: 1\tFTV \tz q Words\r\n"  // 12 class
      "   3: 2\tXTV \tp 5 Words\r\n"  // 13 rank and code
      "   3: 1\tFTV \tp 9 Words\r\n"  // 14 order
      "=\r\n"                         // 15
      "=\r\n"                         // 16 empty situation section
      "anything after the fourth separator\r\n";
  EXPECT_EQ(Listing(db),
            "Mat.dsk:2: the question set letter in column 9 must be a, b or c, not \"d\"\n"
            "Mat.dsk:3: verse \" 1: 2\" comes before verse \" 1: 3\" of line 2; the questions "
            "of a section must follow in verse order\n"
            "Mat.dsk:4: the reference in columns 3-7 must be the chapter (1-28) and the verse "
            "(1-80), each right-aligned in two columns, with \":\" between them, as \" 5: 3\"; "
            "found \" 1:3 \"\n"
            "Mat.dsk:8: the reference marks in columns 9-13 need \"V\" in column 10 (CV Ref) or "
            "\"O\" in column 13 (CO Ref); found \"     \"\n"
            "Mat.dsk:9: column 8 must be a tab, not a blank\n"
            "Mat.dsk:10: line too short for a reference question: it needs the reference in "
            "columns 3-7, tabs in columns 8 and 14, the marks in columns 9-13, the set letter in "
            "column 15 and a separator in column 16, 16 characters at least\n"
            "Mat.dsk:12: the FTV class letter in column 14 must be p or n, not \"z\"\n"
            "Mat.dsk:13: the FTV rank in column 16 must be x, q, 6, 7, 8 or 9, not \"5\"\n"
            "Mat.dsk:13: the FTV type code in columns 9-12 must begin with F or Q; found "
            "\"XTV \"\n"
            "Mat.dsk:14: verse \" 3: 1\" comes before verse \" 3: 2\" of line 13; the questions "
            "of a section must follow in verse order\n"
            "Mat.dsk:16: a line beginning with \"=\" where the first question of the situation "
            "section belongs: every section needs at least one question line\n");
}

TEST(CheckDatabase, AFileEndingEarlyIsReportedAtItsLastLine) {
  EXPECT_EQ(Listing("   1: 1 a Who?\r\n=\r\n   1: 1\t V   \tb Who?\r\n"),
            "Mat.dsk:3: the file ends before the separator line of the reference section; the "
            "database needs four sections, each ended by a line beginning with \"=\"\n");
  EXPECT_EQ(Listing("").substr(0, 10), "Mat.dsk:1:");
}

TEST(CheckCommand, ReadsTheNamedFileOrMatDskAndPrintsASummary) {
  testsupport::ScratchDir dir;
  dir.Put("MAT.DSK",
          "   1: 1 a Who? Him.\r\n=\r\n   1: 1\t V   \tb Who?\r\n=\r\n"
          "   1: 1\tFTV \tp 9 Words\r\n=\r\n   1: 1 Someone: \"Words\"\r\n=\r\n");
  dir.Put("bad.dsk", "   1: 1 a Who?\r\n");
  dir.CopyData("VERSES.TXT");
  const CommandSettings settings{dir.path(), "", false};
  std::ostringstream clean, faulty, none, err;
  const std::string name = (dir.path() / "mat.dsk").string();  // matched without regard to case
  EXPECT_EQ(CheckCommand(name, clean, err, settings), 0);
  EXPECT_EQ(clean.str(), "0 problems, 0 warnings\n");
  const std::string bad = (dir.path() / "bad.dsk").string();
  EXPECT_EQ(CheckCommand(bad, faulty, err, settings), 1);
  EXPECT_EQ(faulty.str().substr(0, bad.size() + 3), bad + ":1:");
  EXPECT_NE(faulty.str().find("\n1 problem, 1 warning\n"), std::string::npos);
  EXPECT_EQ(err.str(), "");
  // A missing database is told in words, not as a runtime error.
  EXPECT_EQ(CheckCommand((dir.path() / "none.dsk").string(), none, err, settings), 1);
  EXPECT_EQ(none.str(), "");
  EXPECT_EQ(err.str(), "databuild: there is no file " + (dir.path() / "none.dsk").string() +
                           "; nothing was read\n");
}

}  // namespace
}  // namespace databuild

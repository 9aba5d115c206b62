// Whole runs that stop: the line reported, the screen, and data files
// left exactly as they were.
#include <gtest/gtest.h>

#include "console/runtime_error.h"
#include "databuild/check.h"
#include "run_fixture.h"

namespace databuild {
namespace {

Sections Good() {
  Sections s;
  s.regular = {"   1: 1 a Who? Him.", "   1:10 b What? That.", "   2: 1\tc Where? There."};
  s.reference = {"   1: 2\t V  O\tb Who? Them.", "   3: 4\t    O\tc What? This."};
  s.ftv = {"   1: 1\tFTV \tp q Words of the verse", "   5: 3\tFTVR\tn 9 More words",
           "   6: 1\tQUO \tn 8 Other words"};
  s.situation = {"   4: 4 Someone to someone: \"Words, *answer.\""};
  return s;
}
// Line numbers of Good(): regular 1-3, separator 4, reference 5-6,
// separator 7, FTV 8-10, separator 11, situation 12, separator 13.

/// The lines `databuild --check` lists for `db`, each once.
std::vector<int> CheckedLines(const std::string& db) {
  std::vector<int> lines;
  for (const Problem& p : CheckDatabase(Database::FromText(db))) {
    if (lines.empty() || lines.back() != p.line) lines.push_back(p.line);
  }
  return lines;
}

class BuildErrors : public BuildRun {
 protected:
  /// Runs on `db`; expects a formatting error and returns its line.
  int ErrorLine(const std::string& db) {
    Outcome outcome = Run(db, "\r\r");
    EXPECT_EQ(outcome, Outcome::kFormattingError);
    const std::string row = Con().Row(2);
    const std::string head = "  Formatting error in line ";
    EXPECT_EQ(row.substr(0, head.size()), head) << row;
    EXPECT_NE(row.find(" of file Mat.dsk"), std::string::npos) << row;
    return std::atoi(row.c_str() + head.size());
  }
};

TEST_F(BuildErrors, FormattingErrorScreenWaitsForEnterTwice) {
  Sections s = Good();
  s.regular[1] = "   1:10 d What? That.";
  EXPECT_THROW(Run(s.Text(), "\r"), console::InputExhausted);
  EXPECT_EQ(Con().Row(1), std::string(80, ' '));
  EXPECT_EQ(Con().Text(1, 2, 44), "  Formatting error in line 2 of file Mat.dsk");
  EXPECT_EQ(Con().Text(45, 2, 36), std::string(36, ' '));
  EXPECT_EQ(Con().WhereY(), 3);
}

TEST_F(BuildErrors, EachSectionChecksItsFields) {
  struct Case {
    const char* what;
    int section;
    int index;
    std::string line;
    int expected;
  };
  const Case cases[] = {
      {"set letter", 0, 1, "   1:10 d What? That.", 2},
      {"column 5", 0, 1, "   1;10 b What? That.", 2},
      {"order: 1:9 after 1:10", 0, 2, "   1: 9\tc Where? There.", 3},
      {"field separator", 0, 0, "   1: 1-a Who? Him.", 1},
      {"short regular line", 0, 0, "   1: 1 a", 1},
      {"padded with a zero", 0, 0, "  01: 1 a Who? Him.", 1},
      {"verse out of range", 0, 2, "   2:81\tc Where? There.", 3},
      {"first line of the reference section", 1, 0, "   1: 2 V  O\tb Who? Them.", 5},
      {"reference set a", 1, 1, "   3: 4\t    O\ta What? This.", 6},
      {"no reference mark", 1, 1, "   3: 4\t   O \tc What? This.", 6},
      {"short reference line", 1, 1, "   3: 4\t    O\tc", 6},
      {"FTV tab", 2, 1, "   5: 3 FTVR\tn 9 More words", 9},
      {"short FTV line", 2, 2, "   6: 1\tQUO \tn 8", 10},
      {"FTV class", 2, 1, "   5: 3\tFTVR\tz 9 More words", 9},
      {"FTV rank", 2, 1, "   5: 3\tFTVR\tn 5 More words", 9},
      {"FTV code", 2, 1, "   5: 3\tXTVR\tn 9 More words", 9},
      {"FTV reference", 2, 0, "   1:1 \tFTV \tp q Words of the verse", 8},
      {"situation column 5", 3, 0, "   4- 4 Someone: \"Words, *answer.\"", 12},
      {"situation separator", 3, 0, "   4: 4=Someone: \"Words, *answer.\"", 12},
      {"short situation line", 3, 0, "   4: 4", 12},
  };
  for (const Case& c : cases) {
    Sections s = Good();
    std::vector<std::string>* parts[] = {&s.regular, &s.reference, &s.ftv, &s.situation};
    (*parts[c.section])[c.index] = c.line;
    EXPECT_EQ(ErrorLine(s.Text()), c.expected) << c.what;
    // No field is read across a line end: LF and lone CR files stop at the same line.
    EXPECT_EQ(ErrorLine(s.Text("\n")), c.expected) << c.what << " (LF)";
    EXPECT_EQ(ErrorLine(s.Text("\r")), c.expected) << c.what << " (CR)";
    // The check finds this one fault, at the line the run stops on.
    EXPECT_EQ(CheckedLines(s.Text()), std::vector<int>{c.expected}) << c.what;
  }
}

TEST_F(BuildErrors, SeparatorWhereASectionShouldStartIsAnError) {
  Sections s = Good();
  s.reference.clear();  // two separator lines in a row
  EXPECT_EQ(ErrorLine(s.Text()), 5);
  // The check reads the empty section as ended there and finds nothing more.
  EXPECT_EQ(CheckedLines(s.Text()), std::vector<int>{5});
  EXPECT_EQ(ErrorLine("=\r\n" + Good().Text()), 1);
  // A separator line at the top of a section stays malformed when its other
  // columns look like a question's.
  s = Good();
  s.regular[0] = "=  1: 1 a Who? Him.";
  EXPECT_EQ(ErrorLine(s.Text()), 1);
  s = Good();
  s.ftv[0] = "=  1: 1\tFTV \tp q Words of the verse";
  EXPECT_EQ(ErrorLine(s.Text()), 8);
  s = Good();
  s.situation[0] = "=  4: 4 Someone to someone: \"Words, *answer.\"";
  EXPECT_EQ(ErrorLine(s.Text()), 12);
}

// A malformed reference is reported at its own line, not at the next line
// whose order check it would upset.
TEST_F(BuildErrors, MalformedFtvReferenceIsReportedAtItsLine) {
  Sections s = Good();
  s.ftv[1] = "  05: 3\tFTVR\tn 9 More words";
  EXPECT_EQ(ErrorLine(s.Text()), 9);
}

// The first reading of the FTV section checks only the tabs and the order
// of the references; a bad class or reference on an early line is found
// only by the second reading, after a tab fault further down was found by
// the first.
TEST_F(BuildErrors, FaultsOfTheSecondFtvReadingComeAfterThoseOfTheFirst) {
  Sections s = Good();
  s.ftv[0] = "   1: 1\tFTV \tz q Words of the verse";
  EXPECT_EQ(ErrorLine(s.Text()), 8);
  s.ftv[2] = "   6: 1\tQUO  n 8 Other words";
  EXPECT_EQ(ErrorLine(s.Text()), 10);
  // Column 5 and the form of the reference are second-reading checks too.
  s = Good();
  s.ftv[0] = "   1; 1\tFTV \tp q Words of the verse";
  EXPECT_EQ(ErrorLine(s.Text()), 8);
  s.ftv[2] = "   6: 1\tQUO  n 8 Other words";
  EXPECT_EQ(ErrorLine(s.Text()), 10);
  s = Good();
  s.ftv[0] = "  01: 1\tFTV \tp q Words of the verse";
  s.ftv[2] = "   6: 1\tQUO  n 8 Other words";
  EXPECT_EQ(ErrorLine(s.Text()), 10);
}

TEST_F(BuildErrors, DataFilesStayExactlyAsTheyWere) {
  for (const std::string& name : AllDataFiles()) Put(name, "installed " + name + "\r\n");
  Put("MAT.B", "installed under another case\r\n");
  Sections s = Good();
  // A verse-finishing FTV line of class "z": the first reading writes its
  // variant records for "Ftv.60" before the second reading rejects it.
  s.ftv.push_back("  28: 1\tFTV \tz q Words");
  Put("Mat.dsk", s.Text());
  const auto before = Snapshot();
  EXPECT_EQ(Build("\r\r"), Outcome::kFormattingError);
  EXPECT_EQ(Snapshot(), before);  // every file as it was, no temporary file left
  // The same for a fault in the last section.
  s = Good();
  s.situation.push_back("   1: 1 Before the line above");
  Put("Mat.dsk", s.Text());
  const auto before2 = Snapshot();
  EXPECT_EQ(Build("\r\r"), Outcome::kFormattingError);
  EXPECT_EQ(Snapshot(), before2);
}

TEST_F(BuildErrors, DatabaseEndingBeforeItsFourthSeparatorIsReportedAndInstallsNothing) {
  for (const std::string& name : AllDataFiles()) Put(name, "installed\r\n");
  struct Case {
    std::string db;
    int last_line;
  };
  Sections no_fourth = Good();
  std::string three = no_fourth.Text();
  three.resize(three.size() - 3);  // drop the fourth separator "=\r\n"
  Sections in_ftv = Good();
  in_ftv.separators[2] = "   9: 9\tFTV \tp x Not a separator";
  const Case cases[] = {
      {three, 12},
      {Good().Text().substr(0, Good().Text().find("=====")), 10},
      {in_ftv.Text().substr(0, in_ftv.Text().find("   4: 4")), 11},
      {"", 0},
      {"   1: 1 a Who? Him.", 1},
  };
  for (const Case& c : cases) {
    Put("Mat.dsk", c.db);
    const auto before = Snapshot();
    EXPECT_EQ(Build("\r\r"), Outcome::kEndedEarly) << c.db;
    EXPECT_EQ(TrimmedRow(2), "  File Mat.dsk ends after line " + std::to_string(c.last_line) +
                                 ", before its fourth separator line");
    EXPECT_EQ(Con().Text().find("Installation"), std::string::npos);
    EXPECT_EQ(Con().Pending(), 0u);
    EXPECT_EQ(Snapshot(), before);
    // The check's last problem is the missing separator, at the last line.
    const std::vector<int> checked = CheckedLines(c.db);
    ASSERT_FALSE(checked.empty());
    EXPECT_EQ(checked.back(), std::max(c.last_line, 1));
  }
}

TEST_F(BuildErrors, MissingDatabaseIsRuntimeError2) {
  try {
    BuildDataFiles(Con(), console::WorkDir(root_));
    FAIL() << "no runtime error";
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), console::kErrFileNotFound);
  }
  EXPECT_TRUE(Snapshot().empty());
}

}  // namespace
}  // namespace databuild

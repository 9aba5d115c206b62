#include "databuild/stats.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/scratch_dir.h"

namespace databuild {
namespace {

std::vector<std::string> Rows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string row; std::getline(in, row);) rows.push_back(row);
  return rows;
}

// Every kind on chapter 1, a line marked both CV and CO counting for each,
// set c alone on chapter 2, nothing on the rest; a faulty line not counted.
TEST(Stats, CountsEachKindByChapterAndListsWhatIsMissing) {
  testsupport::ScratchDir dir;
  dir.Put("Mat.dsk",
          "   1: 1 a Who? Him.\r\n   1: 2 b Who? Him.\r\n   1: 3 b Who? Him.\r\n"
          "   1: 4 c Who? Him.\r\n   2: 1 c Who? Him.\r\n   2: 2 d Who? Him.\r\n=\r\n"
          "   1: 1\t V  O\tb Who?\r\n=\r\n"
          "   1: 1\tFTV \tp 9 Words\r\n   1: 1\tQUO \tn x Words\r\n=\r\n"
          "   1: 1 Someone: \"Words\"\r\n=\r\n");
  dir.CopyData("VERSES.TXT");
  std::ostringstream out, err;
  EXPECT_EQ(StatsCommand(std::nullopt, out, err, {dir.path(), "", false}), 1);
  EXPECT_EQ(err.str(), "");
  const std::vector<std::string> rows = Rows(out.str());
  ASSERT_EQ(rows.size(), 4u + 28u + 1u + 2u + 1u + 2u + 1u) << out.str();
  EXPECT_EQ(rows[0], "Questions of Mat.dsk by chapter and kind");
  EXPECT_EQ(rows[3], "Chapter     a      b      c    FTV     CV     CO    SIT  Verses  Per verse");
  EXPECT_EQ(rows[4], "      1     1      2      1      2      1      1      1      25        0.4");
  EXPECT_EQ(rows[5], "      2     0*     0*     1      0*     0*     0*     0*     23        0.0");
  EXPECT_EQ(rows[32], "    All     1      2      2      2      1      1      1    1070        0.0");
  EXPECT_EQ(rows[35], "* no questions there (set a, b, c: regular questions of that set):");
  EXPECT_EQ(rows[36], "  chapter 2: no set a, set b, FTV, CV Ref, CO Ref or SIT questions");
  EXPECT_EQ(rows[37], "  chapters 3 to 28: no questions of any kind");
  EXPECT_EQ(rows.back(), "1 formatting fault: its line is not counted; databuild --check lists it");
  for (const std::string& row : rows) EXPECT_LE(row.size(), 80u) << row;
}

}  // namespace
}  // namespace databuild

#include "databuild/findings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "databuild/stats.h"
#include "tests/support/scratch_dir.h"

namespace databuild {
namespace {

// One database with every warning, each beside lines that look alike but
// must not be warned of; and a formatting fault, listed before them all.
const std::string kDatabase =
    "   1: 1 a Who came? John.\r\n"    // 1
    "   1: 1 c WHO  came?\tjohn!\r\n"  // 2 same as 1
    "   1: 2 b Who came? John.\r\n"    // 3 another verse
    "   1: 3 b Who came\r\n"           // 4 no "?"
    "   1: 4 b Who came?  \r\n"        // 5 no answer
    "   0: 5 a Who came? John.\r\n"    // 6 chapter 0: a fault
    "   1:26 a Why? " +
    std::string(600, 'x') +
    "\r\n"  // 7 past 1:25, cut
    "   2: 1 a Why? " +
    std::string(243, 'y') +
    "\r\n"  // 8 248: all read
    "   2: 2 a Why? " +
    std::string(244, 'y') +
    "\r\n"                                                     // 9 249: one lost
    "=\r\n"                                                    // 10
    "   2: 1\t V   \tb Who went? Peter.\r\n"                   // 11
    "   2: 1\t    O\tb who went? peter\r\n"                    // 12 CO, not CV
    "   2: 1\t V  O\tc Who went? Peter.\r\n"                   // 13 same as 11 and 12
    "==\r\n"                                                   // 14
    "   3: 1\tFTV \tp 9 Then Jesus went up, to the hill.\r\n"  // 15 every pool
    "   3: 1\tFTV \tn 8 then jesus went up, to the hill\r\n"   // 16 same as 15
    "   3: 1\tQUO \tp 9 Then Jesus went up, to the hill.\r\n"  // 17 another code
    "   3: 2\tFTS \tn 6 Then jesus went up to Galilee.\r\n"    // 18 Ftv.57-60 as 15
    "   3: 3\tFTS \tn x Then Jesus went up to rest.\r\n"       // 19 in no pool
    "   3: 4\tQUO \tp 9 Then Jesus went up to pray.\r\n"       // 20 shows no opening
    "   3: 5\tFTV \tn x Then Jesus went up to sit.\r\n"        // 21 Ftv.60's variants
    "   3:18\tFTV \tp 9 " +
    std::string(510, 'z') +
    "\r\n"                                             // 22 497 read of 510
    "=\r\n"                                            // 23
    "   4: 1 Jesus said to them: \"Follow me.*\"\r\n"  // 24
    "   4: 2 Jesus said to them, follow me\r\n"        // 25 no quotation
    "   4: 3 Peter's brother said: 'Here.*'\r\n"       // 26 apostrophe in a word
    "=\r\n";                                           // 27

TEST(FindWarnings, ListsEachAfterTheFaultsInLineOrder) {
  testsupport::ScratchDir dir;
  dir.Put("Mat.dsk", kDatabase);
  dir.CopyData("VERSES.TXT");
  std::ostringstream out, err;
  EXPECT_EQ(CheckCommand(std::nullopt, out, err, {dir.path(), "", false}), 1);
  const std::string same =
      " and the same text, apart from letter case, blanks and the "
      "punctuation at its end)\n";
  const std::string past = " verses in the verse table VERSES.TXT of the working directory\n";
  const std::string meant = "; a quiz master reading it cannot tell which verse is meant\n";
  EXPECT_EQ(
      out.str(),
      "Mat.dsk:6: the reference in columns 3-7 must be the chapter (1-28) and the verse "
      "(1-80), each right-aligned in two columns, with \":\" between them, as \" 5: 3\"; "
      "found \" 0: 5\"; there is no chapter 0\n"
      "Mat.dsk:2: the same question as line 1 (the same verse 1:1" +
          same +
          "Mat.dsk:4: the regular question has no \"?\": a quiz prints a question up to its "
          "\"?\" and the answer after it\n"
          "Mat.dsk:5: nothing follows the \"?\" of the regular question: it has no answer\n"
          "Mat.dsk:7: verse 1:26 is past the end of chapter 1, which has 25" +
          past +
          "Mat.dsk:7: the text is 605 characters long: the data files keep only its first 510, "
          "so the last 95 characters are lost, and a quiz reads only its first 248 (357 "
          "characters lost in all)\n"
          "Mat.dsk:9: the text is 249 characters long: a quiz reads only its first 248 (1 "
          "character lost)\n"
          "Mat.dsk:13: the same question as line 11 (the same verse 2:1" +
          same + "Mat.dsk:16: the same question as line 15 (the same verse 3:1" + same +
          "Mat.dsk:18: the FTV opening \"Then...jesus...went...up...to...\" of verse 3:2 is "
          "also the opening of verse 3:1 (line 15), in the pools Ftv.57, Ftv.58, Ftv.59, "
          "Ftv.60" +
          meant +
          "Mat.dsk:21: the FTV opening \"Then...Jesus...went...up...to...\" of verse 3:5 is "
          "also the opening of verse 3:1 (line 15), in the pool Ftv.60" +
          meant + "Mat.dsk:22: verse 3:18 is past the end of chapter 3, which has 17" + past +
          "Mat.dsk:22: the text is 510 characters long: a quiz reads only its first 497 (13 "
          "characters lost)\n"
          "Mat.dsk:25: the situation text has no quotation beginning with a double quote or an "
          "apostrophe: a quiz cannot tell its introduction from its quotation\n"
          "Mat.dsk:26: the first apostrophe of the situation text is inside the word "
          "\"Peter's\": a quiz takes the quotation to begin there\n"
          "1 problem, 14 warnings\n");
  EXPECT_EQ(err.str(), "");
}

// Warnings alone pass unless --strict; the verse table is the working
// directory's, else the shipped one, and one that cannot be read is a
// warning on its own line.
TEST(FindWarnings, CountAsProblemsOnlyWhenStrict) {
  testsupport::ScratchDir dir, shipped("shipped");
  dir.Put("Mat.dsk",
          "   1:30 a Who? Him.\r\n=\r\n   1: 1\t V   \tb Who?\r\n=\r\n"
          "   1: 1\tFTV \tp 9 Words\r\n=\r\n   1: 1 Someone: \"Words\"\r\n=\r\n");
  shipped.CopyData("VERSES.TXT");
  struct Case {
    std::string table;  // the working directory's VERSES.TXT; none when empty
    bool strict;
    int code;
    std::string out;
  };
  const std::string past =
      "Mat.dsk:1: verse 1:30 is past the end of chapter 1, which has 25 verses in ";
  const Case cases[] = {
      {"", false, 0,
       past + "the shipped verse table " + (shipped.path() / "VERSES.TXT").string() +
           " (there is none in the working directory)\n0 problems, 1 warning\n"},
      {"", true, 1, ""},
      {testsupport::SourceText("data/VERSES.TXT"), false, 0,
       past + "the verse table VERSES.TXT of the working directory\n0 problems, 1 warning\n"},
      {"25\r\n23\r\nseventeen\r\n", false, 0,
       "VERSES.TXT:3: the last verse of chapter 3 must be a number from 1 to 80 at the start of "
       "the line; verses were not checked against their chapters\n0 problems, 1 warning\n"},
  };
  for (const Case& c : cases) {
    if (c.table.empty()) {
      std::filesystem::remove(dir.path() / "VERSES.TXT");
    } else {
      dir.Put("VERSES.TXT", c.table);
    }
    std::ostringstream out, err;
    EXPECT_EQ(CheckCommand(std::nullopt, out, err, {dir.path(), shipped.path(), c.strict}), c.code)
        << c.table << c.strict;
    if (!c.out.empty()) {
      EXPECT_EQ(out.str(), c.out);
    }
  }
}

}  // namespace
}  // namespace databuild

namespace databuild {
namespace {

// What is not text, or has a line of 10 MB, gets faults and warnings on
// lines of the file, never a crash, from --check and --stats alike.
TEST(FindWarnings, EveryFindingOfOddInputNamesALine) {
  const std::string ends =
      "\r\n=\r\n   1: 1\t V   \tb Who?\r\n=\r\n   1: 1\tFTV \tp 9 A\r\n=\r\n"
      "   1: 1 A: 'B'\r\n=\r\n";
  struct Case {
    std::string text;
    int code;
    std::string last;
  };
  const Case cases[] = {
      {std::string("\0\1\2\3\4\5\6\7\x08", 9), 1, "2 problems, 0 warnings"},  // short, no end
      {std::string(10'000'000, 'x') + ends, 1, "3 problems, 0 warnings"},     // columns 3-9
      {"   1: 1 a Why? " + std::string(10'000'000, 'y') + ends, 0, "0 problems, 1 warning"},
  };
  testsupport::ScratchDir dir;
  for (const Case& c : cases) {
    dir.Put("Mat.dsk", c.text);
    std::ostringstream out, stats, err;
    EXPECT_EQ(CheckCommand(std::nullopt, out, err, {dir.path(), "", false}), c.code);
    EXPECT_EQ(StatsCommand(std::nullopt, stats, err, {dir.path(), "", false}), c.code);
    std::istringstream rows(out.str());
    std::string row, last;
    while (std::getline(rows, row)) {
      last = row;
      if (row.starts_with("databuild: there is no verse table")) continue;
      if (!row.starts_with("Mat.dsk:")) break;
      EXPECT_GE(std::atoi(row.c_str() + 8), 1) << row.substr(0, 80);
      EXPECT_LE(std::atoi(row.c_str() + 8), 8) << row.substr(0, 80);
    }
    EXPECT_EQ(last, c.last);
  }
}

}  // namespace
}  // namespace databuild

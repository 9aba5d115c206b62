// Whole runs that install: what each data file holds and the screen.
#include <gtest/gtest.h>

#include "run_fixture.h"

namespace databuild {
namespace {

// A small database touching every routing rule. Line numbers in the file:
// regular 1-5, separator 6, reference 7-9, separator 10, FTV 11-15,
// separator 16, situation 17-18, separator 19.
Sections Small() {
  Sections s;
  s.regular = {
      "   1: 1\ta Who was the son of David?\tThe Christ.",
      "   1: 1 b What would they call him? Emmanuel.",
      "   6: 9 c How should you pray? Like this.",
      "  27: 5\tb Where did he go? Away.",
      "  27:66 a Who guarded the tomb? The soldiers.",
  };
  s.reference = {
      "   2: 3\t V   \tb Who was troubled? The king.",
      "   6: 2\t    O\tc When you give, what not? Sound a trumpet.",
      "   7: 1\t V  O\tb Who took counsel? The elders.",
  };
  s.ftv = {
      "   3: 1\tFTV \tp q In those days came a voice crying",
      "   5: 3\tFTVR\tn x Happy are the lowly in heart",
      "   6: 9\tQUO \tn 9 Our help in every hour",
      "  26: 1\tFTS \tp 6 When these sayings were ended",
      "  28:20\tFTV \tn 7 teaching them to keep all things",
  };
  s.situation = {
      "   4:19\tThe teacher to two fishermen: \"Come along, *and learn a new trade.\"",
      "  16:23 The teacher to a friend: 'Stand aside, *for you think as men do.'",
  };
  s.after = "notes after the end are ignored\r\n";
  return s;
}

TEST_F(BuildRun, RegularFilesNestTheSets) {
  ASSERT_EQ(Run(Small().Text(), "\r"), Outcome::kInstalled);
  EXPECT_EQ(Get("Mat.a"), Lines({" 1: 1\tWho was the son of David?\tThe Christ.",
                                 "27:66 Who guarded the tomb? The soldiers."}));
  EXPECT_EQ(Get("Mat.b"),
            Lines({" 1: 1\tWho was the son of David?\tThe Christ.",
                   " 1: 1 What would they call him? Emmanuel.", "27: 5\tWhere did he go? Away.",
                   "27:66 Who guarded the tomb? The soldiers."}));
  EXPECT_EQ(
      Get("Mat.c"),
      Lines({" 1: 1\tWho was the son of David?\tThe Christ.",
             " 1: 1 What would they call him? Emmanuel.", " 6: 9 How should you pray? Like this.",
             "27: 5\tWhere did he go? Away.", "27:66 Who guarded the tomb? The soldiers."}));
  // Chapter 6 stays out of the limited-chapter copy, chapter 27 goes in.
  EXPECT_EQ(Get("LLMat.c"),
            Lines({" 1: 1\tWho was the son of David?\tThe Christ.",
                   " 1: 1 What would they call him? Emmanuel.", "27: 5\tWhere did he go? Away.",
                   "27:66 Who guarded the tomb? The soldiers."}));
  EXPECT_EQ(Get("LLMat.a"), Get("Mat.a"));
}

TEST_F(BuildRun, ReferenceLinesGoByMarkAndSet) {
  ASSERT_EQ(Run(Small().Text(), "\r"), Outcome::kInstalled);
  EXPECT_EQ(Get("Cv.b"), Lines({" 2: 3\tCV\tWho was troubled? The king.",
                                " 7: 1\tCV\tWho took counsel? The elders."}));
  EXPECT_EQ(Get("Cv.c"), Get("Cv.b"));
  EXPECT_EQ(Get("Co.b"), Lines({" 7: 1\tCO\tWho took counsel? The elders."}));
  EXPECT_EQ(Get("Co.c"), Lines({" 6: 2\tCO\tWhen you give, what not? Sound a trumpet.",
                                " 7: 1\tCO\tWho took counsel? The elders."}));
  EXPECT_EQ(Get("LLCo.c"), "");
  EXPECT_EQ(Get("LLCv.c"), Lines({" 2: 3\tCV\tWho was troubled? The king."}));
}

TEST_F(BuildRun, FtvPoolsTakeOwnAndVariantRecordsInDatabaseOrder) {
  ASSERT_EQ(Run(Small().Text(), "\r"), Outcome::kInstalled);
  const std::string p_q = " 3: 1\tFTV \tIn those days came a voice crying";
  const std::string p_q_quo = " 3: 1\tQUO \tIn those days came a voice crying";
  const std::string p_q_ftvr = " 3: 1\tFTVR\tIn those days came a voice crying";
  const std::string n_x_quo = " 5: 3\tQUO \tHappy are the lowly in heart";
  const std::string n_x_ftvr = " 5: 3\tFTVR\tHappy are the lowly in heart";
  const std::string n_9 = " 6: 9\tQUO \tOur help in every hour";
  const std::string p_6 = "26: 1\tFTS \tWhen these sayings were ended";
  const std::string n_7 = "28:20\tFTV \tteaching them to keep all things";
  const std::string n_7_quo = "28:20\tQUO \tteaching them to keep all things";
  const std::string n_7_ftvr = "28:20\tFTVR\tteaching them to keep all things";
  // Rank "q" of a "p" line: its own record is left out of 58, its variants are there.
  EXPECT_EQ(Get("Ftv.58"), Lines({p_q_quo, p_q_ftvr, n_9, p_6, n_7}));
  EXPECT_EQ(Get("Ftv.59"), Lines({p_q, p_q_quo, p_q_ftvr, n_9, p_6, n_7}));
  // An "n" line of rank "x" is in 60 only, and only as its two variants.
  EXPECT_EQ(Get("Ftv.60"),
            Lines({p_q, p_q_quo, p_q_ftvr, n_x_quo, n_x_ftvr, n_9, p_6, n_7, n_7_quo, n_7_ftvr}));
  EXPECT_EQ(Get("Ftv.57"), Lines({p_q, p_6, n_7}));
  EXPECT_EQ(Get("Ftv.70"), Lines({p_q, p_q_quo, p_q_ftvr, n_9, p_6, n_7, n_7_quo, n_7_ftvr}));
  EXPECT_EQ(Get("Ftv.78"), Lines({p_q_quo, p_q_ftvr, n_9, p_6}));
  EXPECT_EQ(Get("Ftv.90"), Lines({p_q, p_q_quo, p_q_ftvr, n_9, p_6}));
  EXPECT_EQ(Get("Ftv.97"), Lines({p_q, p_6}));
  EXPECT_EQ(Get("Ftv.98"), Lines({p_q_quo, p_q_ftvr, p_6}));
  EXPECT_EQ(Get("Ftv.00"), Lines({p_q, p_q_quo, p_q_ftvr, p_6}));
  EXPECT_EQ(Get("LLFtv.60"),
            Lines({p_q, p_q_quo, p_q_ftvr, n_x_quo, n_x_ftvr, p_6, n_7, n_7_quo, n_7_ftvr}));
}

TEST_F(BuildRun, SituationFileKeepsTheFieldSeparator) {
  ASSERT_EQ(Run(Small().Text(), "\r"), Outcome::kInstalled);
  EXPECT_EQ(Get("Sit.txt"),
            Lines({" 4:19\tThe teacher to two fishermen: \"Come along, *and learn a new trade.\"",
                   "16:23 The teacher to a friend: 'Stand aside, *for you think as men do.'"}));
  EXPECT_EQ(
      Get("LLSit.txt"),
      Lines({" 4:19\tThe teacher to two fishermen: \"Come along, *and learn a new trade.\""}));
}

// Every counter at its place after a successful run; the copies with no
// line on the limited chapters keep a blank counter.
TEST_F(BuildRun, ScreenAfterASuccessfulRun) {
  ASSERT_EQ(Run(Small().Text(), "x\r"), Outcome::kInstalled);
  ASSERT_TRUE(Con().first_wait);
  const std::vector<std::string> expected = {
      "",
      "  Oristan 13.0 -- Matthew -- Creating Data Files...",
      "",
      "  File    Questions          File    Questions         File    Questions",
      "",
      "  Mat.a        2             Ftv.90       4            LLFtv.70     7",
      "  Mat.b        4             Ftv.97       2            LLFtv.78     3",
      "  Mat.c        5             Ftv.98       2            LLFtv.79     4",
      "  Co.b         1             Ftv.99       3            LLFtv.80     4",
      "  Co.c         2             Ftv.00       3            LLFtv.88     3",
      "  Cv.b         2             Sit.txt      2            LLFtv.89     4",
      "  Cv.c         2             LLMat.a      2            LLFtv.90     4",
      "  Ftv.57       3             LLMat.b      4            LLFtv.98     3",
      "  Ftv.58       4             LLMat.c      4            LLFtv.99     4",
      "  Ftv.59       5             LLCo.b                    LLFtv.00     4",
      "  Ftv.60       7             LLCo.c                    LLSit.txt    1",
      "  Ftv.68       4             LLCv.b       1            LLFtv.97     2",
      "  Ftv.69       5             LLCv.c       1",
      "  Ftv.70       6             LLFtv.57     3            Installation",
      "  Ftv.78       3             LLFtv.58     4            Successful",
      "  Ftv.79       4             LLFtv.59     5",
      "  Ftv.80       4             LLFtv.60     9            Press Return",
      "  Ftv.88       3             LLFtv.68     4            To Continue",
      "  Ftv.89       4             LLFtv.69     5",
      "",
  };
  std::vector<std::string> rows;
  std::string screen = *Con().first_wait;
  for (std::size_t start = 0; start <= screen.size(); start += 81) {
    std::string row = screen.substr(start, 80);
    row.erase(row.find_last_not_of(' ') + 1);
    rows.push_back(row);
  }
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], expected[i]) << "row " << i + 1;
  // The texts of the counting screen are written in the console's own colours.
  EXPECT_EQ(Con().At(3, 2).fg, console::kLightGrey);
  EXPECT_EQ(Con().At(3, 2).bg, console::kBlack);
  // Enter (other keys pass) clears the screen and ends the run.
  EXPECT_EQ(Con().Pending(), 0u);
  for (int y = 1; y <= 25; ++y) EXPECT_EQ(Con().Row(y), std::string(80, ' ')) << "row " << y;
}

TEST_F(BuildRun, OnlySetCLinesGiveEmptyAAndBFilesAndZeroCounters) {
  Sections s = Small();
  s.regular = {"   1: 1 c One?", "   2: 1 c Two?"};
  ASSERT_EQ(Run(s.Text(), "\r"), Outcome::kInstalled);
  EXPECT_EQ(Get("Mat.a"), "");
  EXPECT_EQ(Get("Mat.b"), "");
  ASSERT_TRUE(Con().first_wait);
  EXPECT_EQ(Con().first_wait->substr(5 * 81, 16), "  Mat.a        0");
  EXPECT_EQ(Con().first_wait->substr(6 * 81, 16), "  Mat.b        0");
  EXPECT_EQ(Con().first_wait->substr(7 * 81, 16), "  Mat.c        2");
}

TEST_F(BuildRun, LineEndsOfAnyKindGiveTheSameFiles) {
  ASSERT_EQ(Run(Small().Text("\r\n"), "\r"), Outcome::kInstalled);
  const auto crlf = Snapshot();
  for (const char* eol : {"\n", "\r"}) {
    ASSERT_EQ(Run(Small().Text(eol), "\r"), Outcome::kInstalled) << int(eol[0]);
    auto files = Snapshot();
    files["Mat.dsk"] = crlf.at("Mat.dsk");
    EXPECT_EQ(files, crlf) << int(eol[0]);
  }
  // The last line needs no line end.
  Sections s = Small();
  s.after.clear();
  std::string text = s.Text();
  text.resize(text.size() - 2);
  ASSERT_EQ(Run(text, "\r"), Outcome::kInstalled);
  auto files = Snapshot();
  files["Mat.dsk"] = crlf.at("Mat.dsk");
  EXPECT_EQ(files, crlf);
}

// Lines of 600 and of 100,000 characters: the text ends after its 510th
// character; bytes above 127 and NUL bytes pass through unchanged.
TEST_F(BuildRun, LongLinesAreCutAndOddBytesKept) {
  const std::string odd("\xe9\x00\xff", 3);
  Sections s = Small();
  s.regular.push_back("  28: 1 c " + odd + std::string(587, 'r'));  // 600 characters
  s.reference.push_back("  28: 1\t V   \tc " + std::string(100000, 'v'));
  s.ftv.push_back("  28:20\tFTS \tp x " + std::string(100000, 'f'));
  s.situation.push_back("  28:20 " + std::string(100000, 's'));
  ASSERT_EQ(Run(s.Text(), "\r"), Outcome::kInstalled);
  std::string mat = Get("Mat.c");
  EXPECT_EQ(mat.substr(mat.size() - 518), "28: 1 " + odd + std::string(507, 'r') + "\r\n");
  EXPECT_EQ(Get("Cv.c").substr(Get("Cv.c").size() - 521),
            "28: 1\tCV\t" + std::string(510, 'v') + "\r\n");
  EXPECT_EQ(Get("Ftv.00").substr(Get("Ftv.00").size() - 523),
            "28:20\tFTS \t" + std::string(510, 'f') + "\r\n");
  EXPECT_EQ(Get("LLSit.txt").substr(Get("LLSit.txt").size() - 518),
            "28:20 " + std::string(510, 's') + "\r\n");
}

TEST_F(BuildRun, BareSeparatorLinesEndTheirSections) {
  Sections s = Small();
  s.separators = {"=", "=", "=", "="};
  ASSERT_EQ(Run(s.Text("\n"), "\r"), Outcome::kInstalled);
  EXPECT_EQ(Get("Sit.txt").substr(0, 5), " 4:19");
}

TEST_F(BuildRun, ReplacesFilesInstalledUnderOtherLetterCases) {
  Put("MAT.A", "old\r\n");
  Put("llsit.txt", "old\r\n");
  ASSERT_EQ(Run(Small().Text(), "\r"), Outcome::kInstalled);
  auto files = Snapshot();
  EXPECT_EQ(files.count("Mat.a"), 0u);
  EXPECT_EQ(files.at("MAT.A").substr(0, 5), " 1: 1");
  EXPECT_EQ(files.at("llsit.txt").substr(0, 5), " 4:19");
  EXPECT_EQ(files.size(), AllDataFiles().size() + 1);  // and "Mat.dsk", no temporary file
}

}  // namespace
}  // namespace databuild

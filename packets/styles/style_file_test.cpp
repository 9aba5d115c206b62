#include "packets/styles/style_file.h"

#include <gtest/gtest.h>

#include "console/runtime_error.h"
#include "packets/styles/styles.h"
#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

using testing::Lines;
using testing::TempDir;

StyleRecord Sample() {
  StyleRecord r;
  r.LG = 'L';
  r.BCHAP = 1, r.BVER = 1, r.ECHAP = 5, r.EVER = 48;
  r.NAME4 = "TEAM";
  r.LPP = 55, r.OUT = 'C', r.QMAX = 20, r.REGLST = 'B', r.AB = 16, r.IPC = 40, r.INDX = 'N';
  r.QNUM = 12, r.SEC1 = 'Q', r.REPEATPCT = 10;
  r.SPMAX = 4, r.SPMIN = 2, r.FMAX = 2, r.FMIN = 1, r.RMAX = 1, r.RMIN = 0;
  r.OMAX = 1, r.OMIN = 0, r.SMAX = 1, r.SMIN = 0;
  r.PRIMPCT = 89, r.SPEARLY = 3, r.SPLATE = 18, r.SETSPC = 'N';
  r.TYP = WindowTemplate(3, 18);
  return r;
}

void ExpectSame(const StyleRecord& a, const StyleRecord& b) {
  EXPECT_EQ(a.LG, b.LG);
  EXPECT_EQ(a.BCHAP, b.BCHAP);
  EXPECT_EQ(a.BVER, b.BVER);
  EXPECT_EQ(a.ECHAP, b.ECHAP);
  EXPECT_EQ(a.EVER, b.EVER);
  EXPECT_EQ(a.NAME4, b.NAME4);
  EXPECT_EQ(a.LPP, b.LPP);
  EXPECT_EQ(a.OUT, b.OUT);
  EXPECT_EQ(a.QMAX, b.QMAX);
  EXPECT_EQ(a.REGLST, b.REGLST);
  EXPECT_EQ(a.AB, b.AB);
  EXPECT_EQ(a.IPC, b.IPC);
  EXPECT_EQ(a.INDX, b.INDX);
  EXPECT_EQ(a.QNUM, b.QNUM);
  EXPECT_EQ(a.SEC1, b.SEC1);
  EXPECT_EQ(a.REPEATPCT, b.REPEATPCT);
  EXPECT_EQ(a.SPMAX, b.SPMAX);
  EXPECT_EQ(a.SPMIN, b.SPMIN);
  EXPECT_EQ(a.FMAX, b.FMAX);
  EXPECT_EQ(a.FMIN, b.FMIN);
  EXPECT_EQ(a.RMAX, b.RMAX);
  EXPECT_EQ(a.RMIN, b.RMIN);
  EXPECT_EQ(a.OMAX, b.OMAX);
  EXPECT_EQ(a.OMIN, b.OMIN);
  EXPECT_EQ(a.SMAX, b.SMAX);
  EXPECT_EQ(a.SMIN, b.SMIN);
  EXPECT_EQ(a.PRIMPCT, b.PRIMPCT);
  EXPECT_EQ(a.SPEARLY, b.SPEARLY);
  EXPECT_EQ(a.SPLATE, b.SPLATE);
  EXPECT_EQ(a.SETSPC, b.SETSPC);
  EXPECT_EQ(a.TYP, b.TYP);
}

TEST(StyleFile, WritesTwentyNineLinesAndReadsThemBack) {
  TempDir tmp;
  console::WorkDir dir(tmp.Path());
  WriteStyleFile(dir, "Team.spe", Sample());
  EXPECT_EQ(tmp.Get("Team.spe"), Lines({"L",
                                        "1 1",
                                        "5 48",
                                        "TEAM",
                                        "55",
                                        "C",
                                        "20",
                                        "B",
                                        "16",
                                        "40",
                                        "N",
                                        "12",
                                        "Q",
                                        "10",
                                        "4",
                                        "2",
                                        "2",
                                        "1",
                                        "1",
                                        "0",
                                        "1",
                                        "0",
                                        "1",
                                        "0",
                                        "89",
                                        "3",
                                        "18",
                                        "N",
                                        "nnAAAAAAAAAAAAAAAAnnnnnnnnnnnn"}));
  ExpectSame(ReadStyleFile(dir, "Team.spe"), Sample());
  // Names are matched without regard to letter case.
  ExpectSame(ReadStyleFile(dir, "TEAM.SPE"), Sample());
}

TEST(StyleFile, ReadsTheShippedTemplate) {
  TempDir tmp;
  tmp.PutShipped("New.spe");
  StyleRecord r = ReadStyleFile(console::WorkDir(tmp.Path()), "New.spe");
  EXPECT_EQ(r.ECHAP, 5);
  EXPECT_EQ(r.EVER, 48);
  EXPECT_EQ(r.NAME4, "QUIZ");
  EXPECT_EQ(r.SETSPC, 'N');
  EXPECT_EQ(r.TYP, WindowTemplate(r.SPEARLY, r.SPLATE));
}

TEST(StyleFile, LineEndsOfAnyKindAndAMissingLastOneReadTheSame) {
  TempDir tmp;
  console::WorkDir dir(tmp.Path());
  WriteStyleFile(dir, "a.spe", Sample());
  std::string crlf = tmp.Get("a.spe");
  std::string lf;
  for (char c : crlf)
    if (c != '\r') lf += c;
  tmp.Put("b.spe", crlf.substr(0, crlf.size() - 2));  // no line end after the template
  tmp.Put("c.spe", lf);
  ExpectSame(ReadStyleFile(dir, "b.spe"), Sample());
  ExpectSame(ReadStyleFile(dir, "c.spe"), Sample());
}

// Guards against a one-character line that is empty swallowing the next
// line in a file with bare line feeds.
TEST(StyleFile, AnEmptyCharacterLineKeepsTheLinesAfterIt) {
  TempDir tmp;
  console::WorkDir dir(tmp.Path());
  WriteStyleFile(dir, "a.spe", Sample());
  std::string text = tmp.Get("a.spe");
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  tmp.Put("b.spe", "\n" + lf.substr(2));  // line 1 (LG) empty
  StyleRecord r = ReadStyleFile(dir, "b.spe");
  EXPECT_EQ(r.LG, '\r');
  EXPECT_EQ(r.BCHAP, 1);
  EXPECT_EQ(r.NAME4, "TEAM");
  EXPECT_EQ(r.TYP, Sample().TYP);
  // Written back, the empty character becomes a blank and the file keeps its lines.
  WriteStyleFile(dir, "b.spe", r);
  EXPECT_EQ(ReadStyleFile(dir, "b.spe").LG, ' ');
  EXPECT_EQ(ReadStyleFile(dir, "b.spe").TYP, Sample().TYP);
}

TEST(StyleFile, NamesAndTemplateAreCutToTheirCapacities) {
  TempDir tmp;
  console::WorkDir dir(tmp.Path());
  StyleRecord s = Sample();
  s.NAME4 = "ABCDEFGHIJKLMNOPQ";
  s.TYP = std::string(40, 'F');
  WriteStyleFile(dir, "a.spe", s);
  StyleRecord r = ReadStyleFile(dir, "a.spe");
  EXPECT_EQ(r.NAME4, "ABCDEFGHIJKLMN");
  EXPECT_EQ(r.TYP, std::string(30, 'F'));
  EXPECT_EQ(r.SETSPC, 'N');  // the lines after the long ones kept their places

  s.TYP = "FFR";  // a short template is written as 30 characters
  WriteStyleFile(dir, "a.spe", s);
  EXPECT_EQ(ReadStyleFile(dir, "a.spe").TYP, "FFR" + std::string(27, 'n'));
}

TEST(StyleFile, MissingFileAndBadNumberAreRuntimeErrors) {
  TempDir tmp;
  console::WorkDir dir(tmp.Path());
  try {
    ReadStyleFile(dir, "Gone.spe");
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 2);
  }
  tmp.Put("Bad.spe", Lines({"F", "1 1", "5 48", "QUIZ", "sixty"}));
  try {
    ReadStyleFile(dir, "Bad.spe");
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 106);
  }
}

TEST(StyleFile, WindowTemplate) {
  EXPECT_EQ(WindowTemplate(3, 8), "nnAAAAAA" + std::string(22, 'n'));
  EXPECT_EQ(WindowTemplate(1, 30), std::string(30, 'A'));
  // A window reaching outside positions 1 to 30 marks only what lies inside.
  EXPECT_EQ(WindowTemplate(0, 2), "AA" + std::string(28, 'n'));
  EXPECT_EQ(WindowTemplate(29, 40), std::string(28, 'n') + "AA");
  EXPECT_EQ(WindowTemplate(9, 8), std::string(30, 'n'));
}

TEST(HandOver, HoldsOneLine) {
  TempDir tmp;
  WriteHandOver(console::WorkDir(tmp.Path()), "Exit");
  EXPECT_EQ(tmp.Get("temp2.txt"), "Exit\r\n");
}

}  // namespace
}  // namespace packets::styles

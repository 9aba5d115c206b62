#include "packets/styles/style_file.h"

#include <gtest/gtest.h>

#include "console/runtime_error.h"
#include "packets/styles/styles.h"
#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

using testing::Lines;
using testing::TempDir;

const std::string kSampleText = Lines({"L",
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
                                       "nnAAAAAAAAAAAAAAAAnnnnnnnnnnnn"});

class StyleFileTest : public ::testing::Test {
 protected:
  /// The style file text `rec` is written as.
  std::string Written(const StyleRecord& rec) {
    WriteStyleFile(dir, "out.spe", rec);
    return tmp.Get("out.spe");
  }
  StyleRecord Read(const std::string& text) {
    tmp.Put("in.spe", text);
    return ReadStyleFile(dir, "in.spe");
  }
  TempDir tmp;
  console::WorkDir dir{tmp.Path()};
};

TEST_F(StyleFileTest, ReadsAndWritesTheTwentyNineLines) {
  StyleRecord r = Read(kSampleText);
  EXPECT_EQ(r.LG, 'L');
  EXPECT_EQ(r.ECHAP, 5);
  EXPECT_EQ(r.EVER, 48);
  EXPECT_EQ(r.NAME4, "TEAM");
  EXPECT_EQ(r.SMIN, 0);
  EXPECT_EQ(r.PRIMPCT, 89);
  EXPECT_EQ(r.SETSPC, 'N');
  EXPECT_EQ(Written(r), kSampleText);
  EXPECT_EQ(ReadStyleFile(dir, "IN.SPE").NAME4, "TEAM");  // letter case of names ignored
}

TEST_F(StyleFileTest, LineEndsOfAnyKindAndAMissingLastOneReadTheSame) {
  std::string lf;
  for (char c : kSampleText)
    if (c != '\r') lf += c;
  EXPECT_EQ(Written(Read(lf)), kSampleText);
  EXPECT_EQ(Written(Read(kSampleText.substr(0, kSampleText.size() - 2))), kSampleText);
  // An empty one-character line does not swallow the next line, and is
  // written back as a blank so that the file keeps its 29 lines.
  StyleRecord r = Read("\n" + lf.substr(2));
  EXPECT_EQ(r.LG, '\r');
  EXPECT_EQ(Written(r), " " + kSampleText.substr(1));
}

TEST_F(StyleFileTest, NamesAndTemplateAreCutToTheirCapacities) {
  StyleRecord r = Read(kSampleText);
  r.NAME4 = "ABCDEFGHIJKLMNOPQ";
  r.TYP = std::string(40, 'F');
  StyleRecord back = Read(Written(r));
  EXPECT_EQ(back.NAME4, "ABCDEFGHIJKLMN");
  EXPECT_EQ(back.TYP, std::string(30, 'F'));
  r.TYP = "FFR";  // a short template is written as 30 characters
  EXPECT_EQ(Read(Written(r)).TYP, "FFR" + std::string(27, 'n'));
  std::string short_line = kSampleText;
  short_line.replace(short_line.find("nnAAA"), 30, "FRnS");
  EXPECT_EQ(Read(short_line).TYP, "FRnS" + std::string(26, 'n'));  // padded when loaded
  EXPECT_EQ(Read(kSampleText.substr(0, kSampleText.find("nnAAA"))).TYP, std::string(30, 'n'));
  // A file holding longer lines keeps the lines after them in place.
  std::string text = kSampleText;
  text.replace(text.find("TEAM"), 4, "ABCDEFGHIJKLMNOPQRS");
  EXPECT_EQ(Read(text).LPP, 55);
}

TEST_F(StyleFileTest, MissingFileAndBadNumberAreRuntimeErrors) {
  try {
    ReadStyleFile(dir, "Gone.spe");
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 2);
  }
  try {
    Read(Lines({"F", "1 1", "5 48", "QUIZ", "sixty"}));
    FAIL();
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 106);
  }
}

TEST(WindowTemplate, MarksTheSpecialtyWindowWithinThirtyPositions) {
  EXPECT_EQ(WindowTemplate(3, 8), "nnAAAAAA" + std::string(22, 'n'));
  EXPECT_EQ(WindowTemplate(1, 30), std::string(30, 'A'));
  EXPECT_EQ(WindowTemplate(0, 2), "AA" + std::string(28, 'n'));
  EXPECT_EQ(WindowTemplate(29, 40), std::string(28, 'n') + "AA");
}

}  // namespace
}  // namespace packets::styles

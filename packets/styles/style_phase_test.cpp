#include "packets/styles/style_phase.h"

#include <gtest/gtest.h>

#include "packets/styles/style_file.h"
#include "packets/styles/style_menu.h"
#include "packets/styles/styles.h"
#include "packets/styles/test_support.h"
#include "tests/support/config_keys.h"

namespace packets::styles {
namespace {

using console::kKeyDown;
using console::kKeyUp;
using testing::Harness;
using testing::Lines;
using testsupport::kAcceptStyle;

class StylePhaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h.tmp.Put("Specs.lst", Lines({"Alpha", "Enter New Specs"}));
    h.tmp.PutShipped("New.spe");
    h.tmp.PutShipped("Demo.spe");
    std::filesystem::copy_file(h.tmp.Path() / "Demo.spe", h.tmp.Path() / "Alpha.spe");
  }
  /// The names of the files in the working directory, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(h.tmp.Path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  Harness h;
};

TEST_F(StylePhaseTest, ExitHandsOverExit) {
  h.con.Keys(kKeyUp + "\r");
  SPECS2(h.run);
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Exit\r\n");
  EXPECT_EQ(h.st.NAME1, "Exit");
  EXPECT_EQ(h.st.EVS[1], 25);  // the verse table of the configuration screen
  EXPECT_EQ(h.st.EVS[22], 45);
  EXPECT_EQ(h.st.EVS[28], 20);
}

TEST_F(StylePhaseTest, EnterNewSpecsLoadsAndSavesTheTemplateWithoutListingIt) {
  const std::string shipped = h.tmp.Get("New.spe");
  h.con.Keys(kKeyDown + "\r" + kAcceptStyle);
  SPECS2(h.run);
  EXPECT_EQ(h.st.NAME1, "New");
  EXPECT_EQ(h.tmp.Get("New.spe"), shipped);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "New\r\n");
  EXPECT_EQ(h.st.NAME4, "QUIZ");  // shared with the run driver
  EXPECT_EQ(Files(), (std::vector<std::string>{"Alpha.spe", "Demo.spe", "New.spe", "Specs.lst",
                                               "temp2.txt"}));  // no temporary files left
}

TEST_F(StylePhaseTest, AListedStyleIsSavedOverItself) {
  h.tmp.Put("Alpha.spe", Lines({"F",
                                "1 1",
                                "28 20",
                                "ALPHA",
                                "60",
                                "P",
                                "20",
                                "C",
                                "16",
                                "50",
                                "Y",
                                "20",
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
                                "59",
                                "3",
                                "8",
                                "N",
                                std::string(30, 'F')}));
  h.con.Keys("\r" + kAcceptStyle);
  SPECS2(h.run);
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Alpha\r\n");
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Enter New Specs"}));
  StyleRecord saved = ReadStyleFile(h.dir, "Alpha.spe");
  EXPECT_EQ(saved.NAME4, "ALPHA");
  // Drawn patterns: the template marks the specialty window.
  EXPECT_EQ(saved.TYP, "nnAAAAAA" + std::string(22, 'n'));
  EXPECT_EQ(h.st.REGLST, 'C');
  EXPECT_EQ(h.st.SEC1, 'Q');
  EXPECT_EQ(h.st.PRIMPCT, 59);
  EXPECT_EQ(h.st.SETSPC, 'N');
}

TEST_F(StylePhaseTest, ATemplateSetByHandIsKept) {
  StyleRecord r = ReadStyleFile(h.dir, "Alpha.spe");
  r.SETSPC = 'Y';  // each kind's minimum equals its maximum
  r.SPMIN = r.SPMAX = 4;
  r.FMIN = r.FMAX = r.RMIN = r.RMAX = r.OMIN = r.OMAX = r.SMIN = r.SMAX = 1;
  r.TYP = "nnFRnnOS" + std::string(22, 'n');
  WriteStyleFile(h.dir, "Alpha.spe", r);
  h.con.Keys("\r" + kAcceptStyle);  // Alpha, as it stands
  h.con.Keys("\r");                 // the hand-setting screen: its four specialties are placed
  SPECS2(h.run);
  EXPECT_EQ(ReadStyleFile(h.dir, "Alpha.spe").TYP, r.TYP);
}

TEST_F(StylePhaseTest, ANewNameIsListedBeforeEnterNewSpecsAndTheOldStyleStays) {
  const std::string alpha = h.tmp.Get("Alpha.spe");
  h.st.NAME1 = "Alpha";
  ASSERT_TRUE(READIN(h.run));
  h.st.NAME1 = "Gamma";  // renamed on the configuration screen
  OUTFILE(h.run);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Gamma", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("Alpha.spe"), alpha);
  EXPECT_EQ(h.tmp.Get("Gamma.spe"), alpha);
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Gamma\r\n");
}

TEST_F(StylePhaseTest, RenamingToAListedNameSavesOverThatStyleAndKeepsTheList) {
  h.st.NAME1 = "New";
  ASSERT_TRUE(READIN(h.run));
  h.st.NAME1 = "Alpha";  // renamed on the configuration screen to a listed style
  OUTFILE(h.run);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("Alpha.spe"), h.tmp.Get("New.spe"));
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Alpha\r\n");
}

TEST_F(StylePhaseTest, AddingToALongListKeepsTheLinesTheMenuDoesNotShow) {
  std::string lines;
  for (int i = 1; i <= 19; ++i) lines += "S" + std::to_string(i) + "\r\n";
  h.tmp.Put("Specs.lst", lines + "Enter New Specs\r\n");
  h.st.NAME1 = "Alpha";
  ASSERT_TRUE(READIN(h.run));
  OUTFILE(h.run);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), lines + "Alpha\r\nEnter New Specs\r\n");
}

TEST_F(StylePhaseTest, AMissingStyleFileIsReportedAndTheMenuComesBack) {
  h.tmp.Put("Specs.lst", Lines({"Gone", "Enter New Specs"}));
  h.con.Keys("\r");  // choose Gone; the script ends while the report waits
  EXPECT_THROW(SPECS2(h.run), console::InputExhausted);
  EXPECT_EQ(h.con.Text(3, 3, 58), "The style file Gone.spe of the quiz style Gone is missing.");
  EXPECT_EQ(h.con.Text(1, 5, 53), "  Press return to go back to the list of quiz styles.");

  Harness again;
  again.tmp.Put("Specs.lst", Lines({"Gone", "Enter New Specs"}));
  again.con.Keys("\r\r" + kKeyUp + "\r");  // choose Gone, Enter on the report, Exit
  SPECS2(again.run);
  EXPECT_EQ(again.tmp.Get("temp2.txt"), "Exit\r\n");
  EXPECT_EQ(again.tmp.Get("Specs.lst"), Lines({"Gone", "Enter New Specs"}));
}

}  // namespace
}  // namespace packets::styles

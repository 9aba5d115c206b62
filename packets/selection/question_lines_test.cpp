#include <gtest/gtest.h>

#include "packets/selection/selection.h"
#include "packets/selection/test_scene.h"

namespace packets::selection {
namespace {

using testing_support::Scene;

/// Two sectors: regular 2 + 1 after 1 line before the material; FTV 1 + 2
/// after 2 before; no CV Ref, CO Ref or SIT in the material.
struct Files : Scene {
  Files() : Scene(2) {
    Give('n', {2, 1});
    Give('F', {1, 2});
    st.BEFORE = 1;
    st.TEMPF = 2;
    st.FBEFORE = 0;  // FTV lines before the material are counted from TEMPF
    st.F3 = "Mat.A";
    st.F4 = "FTV.00";
    st.F5 = "cv.b";  // never opened: the material holds no CV Ref
    st.QZ = 2;
    Pattern("Fn");
  }
  void PutFiles(const std::string& ftv_last) {
    auto reg = dir.OpenWrite("Mat.A");
    for (const char* l : {" 1: 1 before", " 1: 2 first", " 1: 2 second", " 1: 3 third"}) {
      reg.WriteLn(l);
    }
    reg.Close();
    auto ftv = dir.OpenWrite("FTV.00");
    ftv.WriteLn(" 1: 1\tFTV \tbefore");
    ftv.WriteLn(" 1: 1\tFTV \tbefore");
    ftv.WriteLn(" 1: 2\tQUO \t" + std::string(600, 'x'));
    ftv.WriteLn(" 1: 3\tFTVR\tr");
    if (!ftv_last.empty()) ftv.WriteLn(ftv_last);
    ftv.Close();
  }
};

TEST(QuestionLines, MaterialLinesPerSectorAndTheFtvTypes) {
  Files f;
  f.PutFiles(" 1: 3\tF");  // too short for a 9th character
  ASSERT_EQ(PrepareSelection(f.run), std::nullopt);
  EXPECT_EQ(f.st.REGLINE.Count(1), 2);
  EXPECT_EQ(f.st.REGLINE(1, 2), " 1: 2 second");
  EXPECT_EQ(f.st.REGLINE(2, 1), " 1: 3 third");
  EXPECT_EQ(f.st.FINLINE(1, 1).size(), 508u);  // two pieces of 254 kept, no more
  EXPECT_EQ(f.st.REFLINE.Count(1), 0);
  FINTYPES(f.run);
  EXPECT_EQ(f.st.FTYPE(1, 1), 'O');
  EXPECT_EQ(f.st.FTYPE(2, 1), 'R');
  EXPECT_EQ(f.st.FTYPE(2, 2), ' ');
  EXPECT_FALSE(f.st.INTIDX);  // IPC 50: no interrogative index
}

TEST(QuestionLines, RefusesWhatTheChoosersCouldNotTrust) {
  {
    Files f;  // a stale count: the FTV file ends one line early
    f.PutFiles("");
    EXPECT_EQ(PrepareSelection(f.run),
              "FTV.00, line 5: the file ends here, but the index counts 5 FTV questions up to "
              "the end of the material (rebuild the index)");
  }
  {
    Files f;
    f.PutFiles(" 1: 3\tFTV \tv");
    f.st.PAT[2] = "nR";
    EXPECT_EQ(PrepareSelection(f.run),
              "pat.txt, line 2: place 2 of quiz 2 asks for a CV Ref question, but the material "
              "holds none");
    f.st.PAT[2] = "n";
    EXPECT_EQ(PrepareSelection(f.run),
              "pat.txt, line 2: place 2 of quiz 2 holds \" \", not one of n F R O S");
  }
}

}  // namespace
}  // namespace packets::selection

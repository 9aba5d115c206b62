#include "packets/driver/driver.h"

#include <gtest/gtest.h>

#include <map>

namespace packets::driver {
namespace {

FileNames NamesFor(char lg, int primpct, char reglst, const std::string& name4 = "TEAM") {
  RunState st;
  st.LG = lg;
  st.PRIMPCT = primpct;
  st.REGLST = reglst;
  st.NAME4 = name4;
  return BuildFileNames(st);
}

TEST(FileNames, PoolAndCountFilesFollowThePrimaryPercentage) {
  FileNames f = NamesFor('F', 59, 'B');
  EXPECT_EQ(f.ftv, "FTV.59");
  EXPECT_EQ(f.count, "count.59B");
  EXPECT_EQ(f.regular, "Mat.B");
  EXPECT_EQ(f.cv, "cv.b");
  EXPECT_EQ(f.co, "co.b");
  EXPECT_EQ(f.sit, "SIT.TXT");
  EXPECT_EQ(f.packet, "TEAM.qui");
  EXPECT_EQ(f.usage, "TEAM.inf");

  f = NamesFor('F', 100, 'A');
  EXPECT_EQ(f.ftv, "FTV.00");
  EXPECT_EQ(f.count, "count.00A");
}

TEST(FileNames, LimitedChapterCopyAndSetC) {
  FileNames f = NamesFor('L', 59, 'B');
  EXPECT_EQ(f.ftv, "LLFTV.59");
  EXPECT_EQ(f.count, "LLcount.59B");
  EXPECT_EQ(f.regular, "LLMat.B");
  EXPECT_EQ(f.cv, "LLcv.b");
  EXPECT_EQ(f.co, "LLco.b");
  EXPECT_EQ(f.sit, "llsit.txt");

  for (char set : {'C', 'c'}) {
    f = NamesFor('F', 80, set);
    EXPECT_EQ(f.cv, "cv.c");
    EXPECT_EQ(f.co, "co.c");
  }
  EXPECT_EQ(NamesFor('F', 80, 'D').cv, "cv.b");
}

TEST(SearchPath, PathWinsOverPATHAndSplitsAtColons) {
  std::map<std::string, std::string> env{{"PATH", "/usr/bin:/bin"}};
  auto lookup = [&](const std::string& n) -> std::optional<std::string> {
    auto it = env.find(n);
    if (it == env.end()) return std::nullopt;
    return it->second;
  };
  EXPECT_EQ(SearchPath(lookup), (std::vector<std::string>{"/usr/bin", "/bin"}));
  env["Path"] = "/data/quiz";
  EXPECT_EQ(SearchPath(lookup), (std::vector<std::string>{"/data/quiz"}));
  env.clear();
  EXPECT_TRUE(SearchPath(lookup).empty());
}

}  // namespace
}  // namespace packets::driver

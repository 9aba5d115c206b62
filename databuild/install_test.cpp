#include "databuild/install.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <vector>

#include "console/runtime_error.h"
#include "tests/support/scratch_dir.h"

namespace databuild {
namespace {

namespace fs = std::filesystem;

class StagingTest : public testing::Test {
 protected:
  void SetUp() override {
    scratch_ = std::make_unique<testsupport::ScratchDir>();
    root_ = scratch_->path();
  }
  void TearDown() override { scratch_.reset(); }

  void Put(const std::string& name, const std::string& text) {
    std::ofstream(root_ / name, std::ios::binary) << text;
  }
  std::string Get(const std::string& name) {
    std::ifstream in(root_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::set<std::string> Names() {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(root_)) names.insert(e.path().filename().string());
    return names;
  }

  std::unique_ptr<testsupport::ScratchDir> scratch_;
  fs::path root_;
};

TEST_F(StagingTest, NothingChangesUntilCommitThenEveryFileAtOnce) {
  Put("MAT.A", "old a\r\n");
  Put("Mat.b", "old b\r\n");
  console::WorkDir dir(root_);
  Staging staging(dir);
  staging.Create("Mat.a").WriteLn("new a");
  staging.Create("Mat.b").WriteLn("new b");
  staging.Create("Mat.c").WriteLn("new c");
  EXPECT_EQ(Get("MAT.A"), "old a\r\n");
  EXPECT_EQ(Get("Mat.b"), "old b\r\n");
  EXPECT_FALSE(fs::exists(root_ / "Mat.c"));
  staging.Commit();
  // The file that stood under another letter case is replaced, not doubled.
  EXPECT_EQ(Names(), (std::set<std::string>{"MAT.A", "Mat.b", "Mat.c"}));
  EXPECT_EQ(Get("MAT.A"), "new a\r\n");
  EXPECT_EQ(Get("Mat.b"), "new b\r\n");
  EXPECT_EQ(Get("Mat.c"), "new c\r\n");
}

TEST_F(StagingTest, LinesOfAnyLengthArriveWholeAndInOrderAcrossPieces) {
  // Lengths around the piece size, and a run of lines that fills several
  // pieces, so that every way a line can meet a piece's end is taken.
  std::vector<std::size_t> lengths{0,
                                   1,
                                   StagedFile::kPiece - 2,
                                   StagedFile::kPiece - 1,
                                   StagedFile::kPiece,
                                   StagedFile::kPiece + 7,
                                   3};
  for (std::size_t i = 0; i < 400; ++i) lengths.push_back(i * 37 % 521);
  std::string expected;
  console::WorkDir dir(root_);
  Staging staging(dir);
  StagedFile& file = staging.Create("Ftv.60");
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    const std::string line(lengths[i], static_cast<char>('a' + i % 26));
    file.WriteLn(line);
    expected += line + "\r\n";
  }
  staging.Commit();
  EXPECT_TRUE(Get("Ftv.60") == expected) << "the file differs from its lines";
}

TEST_F(StagingTest, DiscardedOrDroppedStagingLeavesTheDirectoryAsItWas) {
  Put("Mat.a", "old a\r\n");
  console::WorkDir dir(root_);
  {
    Staging staging(dir);
    staging.Create("Mat.a").WriteLn("new a");
    staging.Create("Sit.txt").WriteLn("new");
    staging.Discard();
    EXPECT_EQ(Names(), std::set<std::string>{"Mat.a"});
  }
  {
    Staging staging(dir);
    staging.Create("Mat.a").WriteLn("new a");
  }
  EXPECT_EQ(Names(), std::set<std::string>{"Mat.a"});
  EXPECT_EQ(Get("Mat.a"), "old a\r\n");
}

TEST_F(StagingTest, FileThatCannotBeCreatedIsARuntimeErrorAndLeavesNoTemporaries) {
  fs::create_directories(root_ / "Co.b.new");  // stands where the temporary file must go
  console::WorkDir dir(root_);
  try {
    Staging staging(dir);
    staging.Create("Mat.a").WriteLn("x");
    staging.Create("Co.b");
    FAIL() << "no runtime error";
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), console::kErrAccessDenied);
  }
  EXPECT_EQ(Names(), std::set<std::string>{"Co.b.new"});
}

}  // namespace
}  // namespace databuild

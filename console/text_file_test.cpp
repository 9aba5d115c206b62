#include "console/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_dir.h"

namespace console {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

class TextFileTest : public testing::Test {
 protected:
  void SetUp() override {
    scratch_ = std::make_unique<testsupport::ScratchDir>();
    root_ = scratch_->path();
  }
  void TearDown() override { scratch_.reset(); }
  std::unique_ptr<testsupport::ScratchDir> scratch_;
  fs::path root_;
};

TEST(TextReader, NumberThenWordLeavesTheWord) {
  auto r = TextReader::FromString("12 apples\r\n-7\r\n");
  EXPECT_EQ(r.ReadInt(), 12);
  EXPECT_EQ(r.ReadStr(20), " apples");
  r.ReadLn();
  EXPECT_EQ(r.ReadInt(), -7);
  EXPECT_EQ(r.ReadInt(), 0);  // end of file reads as 0
  EXPECT_TRUE(r.Eof());
}

TEST(TextReader, StringCapacityLeavesTheRestOfTheLine) {
  auto r = TextReader::FromString("123\r\n\r\nlast");
  EXPECT_EQ(r.ReadStr(2), "12");
  EXPECT_EQ(r.ReadStr(5), "3");
  r.ReadLn();
  EXPECT_EQ(r.ReadLineStr(10), "");  // a line holding only its line end
  EXPECT_EQ(r.ReadLineStr(10), "last");
  EXPECT_TRUE(r.Eof());
}

TEST(TextReader, AllLineEndsReadAsLines) {
  auto r = TextReader::FromString("a\r\nb\nc\rd");
  EXPECT_EQ(r.ReadLine(), "a");
  EXPECT_EQ(r.LineNumber(), 2);
  EXPECT_EQ(r.ReadLine(), "b");
  EXPECT_EQ(r.ReadLine(), "c");
  EXPECT_EQ(r.LineNumber(), 4);
  EXPECT_EQ(r.ReadLine(), "d");
  EXPECT_TRUE(r.Eof());
}

TEST(TextReader, CharactersIncludeLineEnds) {
  auto r = TextReader::FromString("x\r\n");
  EXPECT_EQ(r.ReadChar(), 'x');
  EXPECT_EQ(r.ReadChar(), '\r');
  EXPECT_EQ(r.ReadChar(), '\n');
  EXPECT_EQ(r.ReadChar(), 26);
}

TEST(TextReader, BadNumbersAreRuntimeError106) {
  // The long runs of digits once overflowed the conversion itself.
  for (const char* text : {"12x", "abc", "32768", "-32769", "+", "1-2",
                           "17666666666666666666666666", "-99999999999999999999"}) {
    auto r = TextReader::FromString(text, "style.spe");
    try {
      r.ReadInt();
      ADD_FAILURE() << "no error for " << text;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code(), 106);
      EXPECT_NE(std::string(e.what()).find("Runtime error 106 at reading a number from style.spe"),
                std::string::npos);
    }
  }
  EXPECT_EQ(TextReader::FromString("\t +32767").ReadInt(), 32767);
  EXPECT_EQ(TextReader::FromString("-32768").ReadInt(), -32768);
}

TEST_F(TextFileTest, WritesCrLfAndWidths) {
  WorkDir dir(root_);
  auto w = dir.OpenWrite("out.txt");
  w.WriteLn("line");
  w.Write(42, 5);
  w.WriteLn(7);
  w.Close();
  EXPECT_EQ(Slurp(root_ / "out.txt"), "line\r\n   427\r\n");
  auto a = dir.OpenAppend("out.txt");
  a.WriteLn("more");
  a.Close();
  EXPECT_EQ(Slurp(root_ / "out.txt"), "line\r\n   427\r\nmore\r\n");
}

TEST_F(TextFileTest, NamesMatchWithoutRegardToCase) {
  WorkDir dir(root_);
  Put(root_ / "SIT.TXT", "upper\r\n");
  EXPECT_TRUE(dir.Exists("sit.txt"));
  EXPECT_EQ(dir.OpenRead("Sit.Txt").ReadLine(), "upper");
  // Writing replaces the file under its existing case; no second file appears.
  auto w = dir.OpenWrite("sit.txt");
  w.WriteLn("new");
  w.Close();
  EXPECT_EQ(Slurp(root_ / "SIT.TXT"), "new\r\n");
  EXPECT_FALSE(fs::exists(root_ / "sit.txt") &&
               !fs::equivalent(root_ / "sit.txt", root_ / "SIT.TXT"));
  // An exact-case match wins over another case, where the file system keeps
  // the two spellings apart (Windows holds one file under any spelling).
  Put(root_ / "sit.txt", "lower\r\n");
  if (Slurp(root_ / "SIT.TXT") == "lower\r\n") return;
  EXPECT_EQ(dir.OpenRead("sit.txt").ReadLine(), "lower");
  EXPECT_EQ(dir.OpenRead("SIT.TXT").ReadLine(), "new");
}

TEST_F(TextFileTest, ResolvingManyNamesAtOnceMatchesResolvingEach) {
  WorkDir dir(root_);
  for (const char* name : {"MAT.A", "mat.b", "Mat.b", "CO.C", "Co.C", "ll.x", "LL.X"}) {
    Put(root_ / name, "x\r\n");
  }
  const std::vector<std::string> names{"Mat.a", "Mat.b", "co.c",  "ll.x",
                                       "LL.X",  "new",   "sub/x", "MAT.A"};
  const std::vector<fs::path> all = dir.ResolveAll(names);
  ASSERT_EQ(all.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(all[i], dir.Resolve(names[i])) << names[i];
  EXPECT_EQ(all[2], root_ / "CO.C");  // the smallest of several other spellings
  EXPECT_EQ(all[5], root_ / "new");   // a name not there stands for itself
}

TEST_F(TextFileTest, MissingFileIsRuntimeError2) {
  WorkDir dir(root_);
  try {
    dir.OpenRead("VERSES.TXT");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), 2);
    EXPECT_STREQ(e.what(), "Runtime error 2 at opening VERSES.TXT for reading");
  }
}

TEST_F(TextFileTest, ReplacementTakesPlaceOnlyOnClose) {
  WorkDir dir(root_);
  Put(root_ / "Specs.lst", "Old\r\nEnter New Specs\r\n");
  {
    auto w = dir.Replace("specs.LST");
    w.WriteLn("Half");
    // dropped without Close: as if the program failed midway
  }
  EXPECT_EQ(Slurp(root_ / "Specs.lst"), "Old\r\nEnter New Specs\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
  auto w = dir.Replace("specs.LST");
  w.WriteLn("New");
  w.Close();
  EXPECT_EQ(Slurp(root_ / "Specs.lst"), "New\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, FailedWriteReportsAndKeepsTheOldFile) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // A writer whose data cannot reach the disk fails on Close with error 101.
  TextWriter w("/dev/full", "full", TextWriter::Mode::kCreate);
  w.Write(std::string(1 << 16, 'x'));
  try {
    w.Close();
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code(), 101);
  }
}

}  // namespace
}  // namespace console

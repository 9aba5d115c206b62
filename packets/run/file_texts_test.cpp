#include "packets/run/file_texts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scratch_dir.h"

namespace packets {
namespace {

// A question file is read from disk once a run: asked for again, it is the
// same text from its first line, whatever became of the file meanwhile;
// the next run reads it afresh.
TEST(FileTexts, ReadOncePerRun) {
  testsupport::ScratchDir scratch;
  scratch.Put("Mat.b", " 1: 1\tfirst\r\n 1: 2\tsecond\r\n");
  const console::WorkDir dir(scratch.path());
  FileTexts texts;
  console::TextReader& first = texts.Open(dir, "Mat.b");
  EXPECT_EQ(first.ReadLine(), " 1: 1\tfirst");
  std::filesystem::remove(scratch.path() / "Mat.b");
  console::TextReader& again = texts.Open(dir, "Mat.b");
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.ReadLine(), " 1: 1\tfirst");
  EXPECT_EQ(again.LineNumber(), 2);
  texts.Clear();
  try {
    texts.Open(dir, "Mat.b");
    FAIL() << "a missing file was read";
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 2);
  }
}

}  // namespace
}  // namespace packets

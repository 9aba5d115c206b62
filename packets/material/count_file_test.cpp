#include "packets/material/count_file.h"

#include <gtest/gtest.h>

#include "packets/material/test_support.h"

namespace packets::material {
namespace {

using testing_support::Scene;

/// A well-formed count file, with `q` regular questions on every verse
/// slot and the line of (edit_c, edit_v) replaced by `edit` when given.
std::string CountText(int q = 0, int edit_line = 0, const std::string& edit = "") {
  std::string out;
  for (int n = 1; n <= kCountLines; ++n) {
    int c = (n - 1) / VMAX + 1, v = (n - 1) % VMAX + 1;
    std::string line =
        std::to_string(c) + " " + std::to_string(v) + " " + std::to_string(q) + " 0 0 0 0";
    out += (n == edit_line ? edit : line) + "\r\n";
  }
  return out;
}

TEST(CountFile, WrittenLinesHaveTheExactFormat) {
  Scene sc;
  sc.st.QCOUNT(1, 1) = 3;
  sc.st.FCOUNT(1, 1) = 1;
  sc.st.SCOUNT(28, 80) = 255;
  sc.st.OCOUNT(9, 12) = 7;
  WriteCountFile(sc.st, sc.dir, "count.59B");
  std::string text = sc.Get("count.59B");
  EXPECT_EQ(text.substr(0, 30), "1 1 3 1 0 0 0\r\n1 2 0 0 0 0 0\r\n");
  EXPECT_NE(text.find("\r\n9 12 0 0 0 7 0\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 21), "\r\n28 80 0 0 0 0 255\r\n");
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, kCountLines);
}

TEST(CountFile, CursorReadsBackByPositionAndMovesBothWays) {
  Scene sc;
  sc.st.QCOUNT(2, 5) = 4;
  sc.st.RCOUNT(2, 5) = 2;
  sc.st.F11 = "count.59B";
  WriteCountFile(sc.st, sc.dir, sc.st.F11);
  CountCursor cur;
  ASSERT_EQ(cur.Open(sc.run), std::nullopt);
  EXPECT_EQ(cur.Line(), 1);
  cur.SeekVerse(2, 5);
  EXPECT_EQ(cur.Line(), 85);
  CountLine l = cur.Read();
  EXPECT_EQ(l.chapter, 2);
  EXPECT_EQ(l.verse, 5);
  EXPECT_EQ(l.q, 4);
  EXPECT_EQ(l.r, 2);
  cur.Seek(1);
  cur.Skip(84);
  EXPECT_EQ(cur.Read().q, 4);
  cur.Seek(kCountLines);
  EXPECT_EQ(cur.Read().verse, 80);
  EXPECT_EQ(cur.Line(), kCountLines + 1);
  // Nothing is read beyond the last line, and no move leaves the file.
  EXPECT_THROW(cur.Read(), TableIndexError);
  EXPECT_THROW(cur.Skip(1), TableIndexError);
  EXPECT_THROW(cur.Seek(0), TableIndexError);
}

TEST(CountFile, Read11AddsTheFiveCountsToSectorS) {
  Scene sc;
  sc.Put("count.00A", CountText(0, 3, "1 3 5 4 3 2 1"));
  sc.st.F11 = "count.00A";
  CountCursor cur;
  ASSERT_EQ(cur.Open(sc.run), std::nullopt);
  sc.st.S = 7;
  sc.st.QPS[7] = 10;
  cur.Seek(3);
  CountLine l = READ11(sc.st, cur);
  EXPECT_EQ(l.verse, 3);
  EXPECT_EQ(sc.st.CH, 1);
  EXPECT_EQ(sc.st.QPS[7], 15);
  EXPECT_EQ(sc.st.FPS[7], 4);
  EXPECT_EQ(sc.st.RPS[7], 3);
  EXPECT_EQ(sc.st.OPS[7], 2);
  EXPECT_EQ(sc.st.SPS[7], 1);
  EXPECT_EQ(sc.st.QPS[6], 0);
}

TEST(CountFile, MalformedFilesAreRefusedNamingFileAndLine) {
  struct Case {
    std::string text;
    std::string refusal;
  };
  std::string short_file = CountText();
  short_file.resize(short_file.size() - std::string("28 80 0 0 0 0 0\r\n").size());
  const Case cases[] = {
      {short_file, "count.59B, line 2240: the file ends here; a count file holds 2240 lines"},
      {"", "count.59B, line 1: the file ends here; a count file holds 2240 lines"},
      {CountText(0, 17, "1 18 0 0 0 0 0"),
       "count.59B, line 17: names chapter 1 verse 18 where chapter 1 verse 17 belongs"},
      {CountText(0, 81, "29 1 0 0 0 0 0"),
       "count.59B, line 81: names chapter 29 verse 1 where chapter 2 verse 1 belongs"},
      {CountText(0, 5, "1 5 256 0 0 0 0"), "count.59B, line 5: a count of 256 is outside 0 to 255"},
      {CountText(0, 5, "1 5 0 0 0 -1 0"), "count.59B, line 5: a count of -1 is outside 0 to 255"},
      {CountText(0, 9, "1 9 0 0"), "count.59B, line 9: seven numbers expected, 4 found"},
      {CountText() + "1 1 0 0 0 0 0\r\n",
       "count.59B, line 2241: a count file ends after line 2240"},
  };
  for (const Case& c : cases) {
    CountCursor cur;
    auto got = cur.Open(console::TextReader(c.text, "count.59B"));
    EXPECT_EQ(got, c.refusal);
    EXPECT_FALSE(cur.IsOpen());
    EXPECT_THROW(cur.Read(), TableIndexError);
  }
}

TEST(CountFile, TrailingTextAndBlankLinesAreAccepted) {
  CountCursor cur;
  // A line end missing after the last line, words after the seven numbers
  // and empty lines after line 2240 do not spoil the file.
  std::string text = CountText(0, 2, "1 2 1 0 0 0 0 extra");
  text += "\r\n  \r\n";
  EXPECT_EQ(cur.Open(console::TextReader(text, "c")), std::nullopt);
  EXPECT_EQ(cur.At(2).q, 1);
  std::string no_end = CountText();
  no_end.resize(no_end.size() - 2);
  EXPECT_EQ(cur.Open(console::TextReader(no_end, "c")), std::nullopt);
}

TEST(CountFile, UnreadableNumberIsRuntimeError106) {
  CountCursor cur;
  try {
    (void)cur.Open(console::TextReader(CountText(0, 4, "1 4 x 0 0 0 0"), "count.59B"));
    FAIL() << "no runtime error";
  } catch (const console::RuntimeError& e) {
    EXPECT_EQ(e.code(), 106);
    EXPECT_NE(e.where().find("count.59B, line 4"), std::string::npos);
  }
}

}  // namespace
}  // namespace packets::material

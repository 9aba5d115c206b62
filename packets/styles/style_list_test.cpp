#include "packets/styles/style_list.h"

#include <gtest/gtest.h>

#include "packets/styles/test_support.h"

namespace packets::styles {
namespace {

StyleList Numbered(int named) {
  StyleList list;
  for (int i = 1; i <= named; ++i) list.lines.push_back("S" + std::to_string(i));
  list.lines.emplace_back(kNewEntry);
  return list;
}

TEST(StyleList, ALongListShowsItsLastSeventeenLinesAndKeepsTheOthers) {
  StyleList list = Numbered(19);  // 20 lines
  EXPECT_EQ(HiddenLines(list), 3);
  std::vector<std::string> entries = MenuEntries(list);
  ASSERT_EQ(entries.size(), 18u);
  EXPECT_EQ(entries.front(), "S4");
  EXPECT_EQ(entries[16], "Enter New Specs");

  DeleteShownEntry(list, 1);  // S4
  ASSERT_EQ(list.lines.size(), 19u);
  EXPECT_EQ(list.lines[2], "S3");
  EXPECT_EQ(list.lines[3], "S5");
  EXPECT_EQ(MenuEntries(list).front(), "S3");  // a hidden line comes into view

  AddStyle(list, "Added");
  ASSERT_EQ(list.lines.size(), 20u);
  EXPECT_EQ(list.lines[0], "S1");
  EXPECT_EQ(list.lines[18], "Added");
  EXPECT_EQ(list.lines[19], "Enter New Specs");
}

TEST(StyleList, LongLinesAreCutOnlyOnTheMenu) {
  StyleList list{{"A-very-long-style-name", "B", std::string(kNewEntry)}};
  EXPECT_EQ(MenuEntries(list)[0], "A-very-long-styl");
  DeleteShownEntry(list, 2);
  EXPECT_EQ(list.lines[0], "A-very-long-style-name");
}

TEST(StyleList, AddingWithoutTheClosingLineWritesIt) {
  StyleList list{{"A"}};
  AddStyle(list, "B");
  EXPECT_EQ(list.lines, (std::vector<std::string>{"A", "B", "Enter New Specs"}));
  EXPECT_TRUE(IsListed(list, "B"));
  EXPECT_FALSE(IsListed(list, "b"));  // letter case counts
}

TEST(StyleList, IsReadAndReplacedWhole) {
  testing::TempDir tmp;
  console::WorkDir dir(tmp.Path());
  tmp.Put("Specs.lst", "One\r\nTwo\nEnter New Specs");  // mixed line ends, no last one
  StyleList list = ReadStyleList(dir);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"One", "Two", "Enter New Specs"}));
  WriteStyleList(dir, list);
  EXPECT_EQ(tmp.Get("Specs.lst"), "One\r\nTwo\r\nEnter New Specs\r\n");
  EXPECT_THROW(ReadStyleList(console::WorkDir(tmp.Path() / "none")), console::RuntimeError);
}

}  // namespace
}  // namespace packets::styles

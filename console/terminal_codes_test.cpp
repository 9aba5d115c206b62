#include "console/terminal_codes.h"

#include <gtest/gtest.h>

#include <set>

#include "console/console.h"

namespace console {
namespace {

std::string Extended(int scan) { return std::string{'\0', static_cast<char>(scan)}; }

TEST(TerminalKeys, KeysWithoutCharacterGiveZeroAndScanCode) {
  struct Case {
    int code;
    int scan;
  };
  const Case cases[] = {
      {curses_key::kUp, 72},        {curses_key::kDown, 80},     {curses_key::kLeft, 75},
      {curses_key::kRight, 77},     {curses_key::kHome, 71},     {curses_key::kEnd, 79},
      {curses_key::kPageUp, 73},    {curses_key::kPageDown, 81}, {curses_key::kInsert, 82},
      {curses_key::kDelete, 83},    {curses_key::kF0 + 1, 59},   {curses_key::kF0 + 10, 68},
      {curses_key::kKeypadUpperLeft, 71}, {curses_key::kKeypadLowerRight, 81},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateKey(c.code), Extended(c.scan)) << c.code;
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(TranslateKey(curses_key::kF0 + n), Extended(58 + n));
  EXPECT_EQ(TranslateKey(curses_key::kUp), kKeyUp);
  EXPECT_EQ(TranslateKey(curses_key::kDown), kKeyDown);
}

TEST(TerminalKeys, EnterBackspaceAndEscAreSingleCharacters) {
  for (int code : {int{'\r'}, int{'\n'}, curses_key::kEnter}) EXPECT_EQ(TranslateKey(code), "\r");
  for (int code : {int{'\b'}, 127, curses_key::kBackspace}) EXPECT_EQ(TranslateKey(code), "\b");
  EXPECT_EQ(TranslateKey(27), "\x1b");
  EXPECT_EQ(TranslateKey('a'), "a");
  EXPECT_EQ(TranslateKey(0xE9), "\xE9");  // a typed byte above 127 is kept
}

TEST(TerminalKeys, UnknownKeysAndNulAreDropped) {
  EXPECT_EQ(TranslateKey(curses_key::kF0 + 40), "");
  EXPECT_EQ(TranslateKey(0777), "");
  // A lone 0 would make the next key read as a scan code.
  EXPECT_EQ(TranslateKey(0), "");
}

// Guards against a row that can never apply because an earlier row has the
// same code, and against a malformed two-character result.
TEST(TerminalKeys, TableRowsAreUniqueAndWellFormed) {
  std::set<int> codes;
  for (const KeyRow& row : KeyTable()) {
    EXPECT_TRUE(codes.insert(row.code).second) << "code " << row.code << " appears twice";
    EXPECT_LE(row.keys.size(), 2u);
    if (row.keys.size() == 2) {
      EXPECT_EQ(row.keys[0], '\0') << row.code;
    }
    if (row.keys.size() == 1) {
      EXPECT_NE(row.keys[0], '\0') << row.code;
    }
  }
}

// The terminal numbers red 1 and blue 4, brown 3 and cyan 6: the reverse of
// the palette's order for those pairs.
TEST(TerminalColours, PaletteMapsToTerminalNumbers) {
  EXPECT_EQ(ForegroundColour(kBlue, true), (TerminalColour{curses_colour::kBlue, false}));
  EXPECT_EQ(ForegroundColour(kRed, true), (TerminalColour{curses_colour::kRed, false}));
  EXPECT_EQ(ForegroundColour(kBrown, true), (TerminalColour{curses_colour::kYellow, false}));
  EXPECT_EQ(ForegroundColour(kCyan, true), (TerminalColour{curses_colour::kCyan, false}));
  EXPECT_EQ(ForegroundColour(kLightGrey, true), (TerminalColour{curses_colour::kWhite, false}));
  EXPECT_EQ(BackgroundColour(kBlue), curses_colour::kBlue);
  EXPECT_EQ(BackgroundColour(kRed), curses_colour::kRed);
  EXPECT_EQ(BackgroundColour(kBrown), curses_colour::kYellow);
  EXPECT_EQ(BackgroundColour(kYellow), curses_colour::kYellow);  // only 0 to 7 are backgrounds
}

TEST(TerminalColours, BrightForegroundsAreColoursOrBold) {
  EXPECT_EQ(ForegroundColour(kYellow, true), (TerminalColour{curses_colour::kYellow + 8, false}));
  EXPECT_EQ(ForegroundColour(kLightRed, true), (TerminalColour{curses_colour::kRed + 8, false}));
  EXPECT_EQ(ForegroundColour(kWhite, true), (TerminalColour{curses_colour::kWhite + 8, false}));
  EXPECT_EQ(ForegroundColour(kYellow, false), (TerminalColour{curses_colour::kYellow, true}));
  EXPECT_EQ(ForegroundColour(kDarkGrey, false), (TerminalColour{curses_colour::kBlack, true}));
  EXPECT_EQ(ForegroundColour(kBlue, false), (TerminalColour{curses_colour::kBlue, false}));
}

TEST(TerminalText, CellBytesNeverReachTheTerminalRaw) {
  EXPECT_EQ(DisplayChar('A'), 'A');
  EXPECT_EQ(DisplayChar(' '), ' ');
  EXPECT_EQ(DisplayChar('~'), '~');
  EXPECT_EQ(DisplayChar('\t'), ' ');
  EXPECT_EQ(DisplayChar(27), ' ');
  EXPECT_EQ(DisplayChar(0), ' ');
  EXPECT_EQ(DisplayChar(127), '?');
  EXPECT_EQ(DisplayChar(0x81), '?');
  EXPECT_EQ(DisplayChar(0xE9), '?');
  EXPECT_EQ(DisplayChar(0xFF), '?');
}

TEST(TerminalText, TooSmallMessageWrapsIntoTheWidth) {
  auto join = [](const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) all += (all.empty() ? "" : " ") + line;
    return all;
  };
  const std::string whole =
      "Please make the terminal at least 80 columns by 25 rows. It is now 60 columns by 20 rows.";
  auto wide = TooSmallMessage(200, 20);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], "Please make the terminal at least 80 columns by 25 rows.");
  auto narrow = TooSmallMessage(60, 20);
  EXPECT_EQ(join(narrow), whole);
  for (const auto& line : narrow) EXPECT_LE(line.size(), 60u);
  for (const auto& line : TooSmallMessage(6, 3)) EXPECT_LE(line.size(), 6u) << line;
  EXPECT_FALSE(TooSmallMessage(0, 0).empty());
}

}  // namespace
}  // namespace console

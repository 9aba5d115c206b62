#include "packets/styles/config_screen.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "packets/styles/config_rules.h"
#include "packets/styles/record_check.h"
#include "packets/styles/style_file.h"
#include "packets/styles/style_phase.h"
#include "packets/styles/styles.h"
#include "packets/styles/test_support.h"
#include "tests/support/config_keys.h"
#include "tests/support/golden_screen.h"

namespace packets::styles {
namespace {

using testing::Harness;
using testing::Lines;

const std::string kUp = console::kKeyUp;
const std::string kDown = console::kKeyDown;
const std::string kLeft = console::kKeyLeft;
const std::string kRight = console::kKeyRight;
const std::string kEnter = "\r";
const std::string kEsc = "\x1b";
const std::string kTitle = "Quiz Configuration -- Press Return Here When Ready";
const std::string kMessage = "Incompatible Specs -- Press Return to go to Error ";

using Place = std::pair<int, int>;

/// Where the cursor stands while each field is edited, by field name.
// clang-format off
const std::map<std::string, Place> kCursorAt = {
    {"Begin book", {14, 6}}, {"Begin Chapter", {27, 6}}, {"Begin Ver", {35, 6}},
    {"End book", {14, 8}}, {"End Chapter", {27, 8}}, {"End Ver", {35, 8}},
    {"Name of Quiz Style", {27, 10}}, {"Name of Output File", {27, 12}},
    {"Lines/Pg", {15, 14}}, {"Output", {36, 14}}, {"Questions per pack", {35, 16}},
    {"A and B", {35, 18}}, {"Specialties from", {28, 20}}, {"Specialties to", {35, 20}},
    {"Pct Int", {15, 22}}, {"Reindex", {36, 22}}, {"Number of Quizzes", {72, 6}},
    {"Sector by", {74, 8}}, {"Percent Repeats", {72, 10}},
    {"Total Min", {64, 14}}, {"Total Max", {73, 14}}, {"FTV Min", {64, 15}}, {"FTV Max", {73, 15}},
    {"CV Ref Min", {64, 16}}, {"CV Ref Max", {73, 16}}, {"CO Ref Min", {64, 17}},
    {"CO Ref Max", {73, 17}}, {"Situation Min", {64, 18}}, {"Situation Max", {73, 18}},
    {"Pct Prim FTV", {56, 20}}, {"Reg", {74, 20}}, {"Set Specialty nos", {74, 22}},
};
// clang-format on

/// Where each key moves the cursor from each field, written out by hand
/// (not taken from the screen's own table): a field, "check" (the whole
/// style is checked), "stay", "-" (ignored) or "(letter K)" (a name starts).
struct PartRow {
  const char* field;
  const char* up;
  const char* down;
  const char* left;
  const char* right;
  const char* enter;
};

// clang-format off
const PartRow kPartTable[] = {
    {"Begin book", "check", "End book", "-", "Begin Chapter", "End book"},
    {"Begin Chapter", "check", "End Chapter", "Begin book", "Begin Ver", "End Chapter"},
    {"Begin Ver", "check", "End Ver", "Begin Chapter", "Number of Quizzes", "End Ver"},
    {"End book", "Begin book", "Name of Quiz Style", "-", "End Chapter", "Name of Quiz Style"},
    {"End Chapter", "Begin Chapter", "Name of Quiz Style", "End book", "End Ver", "Name of Quiz Style"},
    {"End Ver", "Begin Ver", "Name of Quiz Style", "End Chapter", "Sector by", "Name of Quiz Style"},
    {"Name of Quiz Style", "End Chapter", "Name of Output File", "(letter K)", "Percent Repeats", "Name of Output File"},
    {"Name of Output File", "Name of Quiz Style", "Output", "(letter K)", "Total Min", "Output"},
    {"Lines/Pg", "Name of Output File", "Questions per pack", "stay", "Output", "Output"},
    {"Output", "Name of Output File", "Questions per pack", "Lines/Pg", "Total Min", "Questions per pack"},
    {"Questions per pack", "Output", "A and B", "-", "CV Ref Min", "A and B"},
    {"A and B", "Questions per pack", "Specialties to", "-", "Situation Min", "Specialties to"},
    {"Specialties from", "A and B", "Pct Int", "A and B", "Specialties to", "Pct Int"},
    {"Specialties to", "A and B", "Reindex", "Specialties from", "Pct Prim FTV", "Reindex"},
    {"Pct Int", "Specialties from", "Number of Quizzes", "stay", "Reindex", "Reindex"},
    {"Reindex", "Specialties to", "Number of Quizzes", "Pct Int", "Set Specialty nos", "Number of Quizzes"},
    {"Number of Quizzes", "check", "Sector by", "Begin Ver", "-", "Sector by"},
    {"Sector by", "Number of Quizzes", "Percent Repeats", "End Ver", "-", "Percent Repeats"},
    {"Percent Repeats", "Sector by", "Total Max", "Name of Quiz Style", "-", "FTV Max"},
    {"Total Min", "Percent Repeats", "FTV Min", "Output", "Total Max", "FTV Min"},
    {"Total Max", "Percent Repeats", "FTV Max", "Total Min", "-", "FTV Max"},
    {"FTV Min", "Total Min", "CV Ref Min", "Output", "FTV Max", "CV Ref Min"},
    {"FTV Max", "Total Max", "CV Ref Max", "FTV Min", "-", "CV Ref Max"},
    {"CV Ref Min", "FTV Min", "CO Ref Min", "Questions per pack", "CV Ref Max", "CO Ref Min"},
    {"CV Ref Max", "FTV Max", "CO Ref Max", "CV Ref Min", "-", "CO Ref Max"},
    {"CO Ref Min", "CV Ref Min", "Situation Min", "Questions per pack", "CO Ref Max", "Situation Min"},
    {"CO Ref Max", "CV Ref Max", "Situation Max", "CO Ref Min", "-", "Situation Max"},
    {"Situation Min", "CO Ref Min", "Pct Prim FTV", "A and B", "Situation Max", "Pct Prim FTV"},
    {"Situation Max", "CO Ref Max", "Reg", "Situation Min", "-", "Reg"},
    {"Pct Prim FTV", "Situation Min", "Set Specialty nos", "Specialties to", "Reg", "Set Specialty nos"},
    {"Reg", "Situation Max", "Set Specialty nos", "Pct Prim FTV", "-", "Set Specialty nos"},
    {"Set Specialty nos", "Reg", "Begin Chapter", "Reindex", "-", "Begin Chapter"},
};
// clang-format on

/// The keys that take the cursor from Begin Chapter, where it starts, to
/// each field: the shortest walk over the moves of the table above.
std::map<std::string, std::string> Paths() {
  std::map<std::string, std::string> path{{"Begin Chapter", ""}};
  std::deque<std::string> queue{"Begin Chapter"};
  while (!queue.empty()) {
    const std::string from = queue.front();
    queue.pop_front();
    for (const PartRow& row : kPartTable) {
      if (row.field != from) continue;
      const std::pair<const char*, std::string> moves[] = {{row.up, kUp},
                                                           {row.down, kDown},
                                                           {row.left, kLeft},
                                                           {row.right, kRight},
                                                           {row.enter, kEnter}};
      for (const auto& [to, key] : moves) {
        if (kCursorAt.count(to) && !path.count(to)) {
          path[to] = path[from] + key;
          queue.push_back(to);
        }
      }
    }
  }
  return path;
}

const std::map<std::string, std::string>& PathTo() {
  static const std::map<std::string, std::string> paths = Paths();
  return paths;
}

std::string To(const std::string& field) {
  return PathTo().at(field);
}

/// The configuration screen over the template style New.spe (Matthew 1:1
/// to 5:48, 20 questions, 2 to 4 specialties in questions 3 to 18), with
/// `change` made to the loaded record first.
class Screen {
 public:
  explicit Screen(const std::function<void(StyleRecord&)>& change = {}) {
    h.tmp.PutShipped("New.spe");
    h.st.STYLE = ReadStyleFile(h.dir, "New.spe");
    h.st.NAME1 = "New";
    if (change) change(h.st.STYLE);
    SETVS(h.st);
  }
  /// Runs the screen on `keys`: what it ended with, or nothing when it was
  /// still waiting for a key after the last one.
  std::optional<Edit> Type(const std::string& keys) {
    h.con.Keys(keys);
    try {
      return EditStyle(h.run);
    } catch (const console::InputExhausted&) {
      return std::nullopt;
    }
  }
  Place Cursor() const { return {h.con.WhereX(), h.con.WhereY()}; }
  std::string Text(int x, int y, int len) const { return h.con.Text(x, y, len); }
  /// True when every cell of the title line has these colours.
  bool TitleIn(int fg, int bg) const {
    for (int x = 15; x < 15 + 50; ++x) {
      if (h.con.At(x, 3).fg != fg || h.con.At(x, 3).bg != bg) return false;
    }
    return true;
  }
  /// The check passed: the title line is lit and waits for a key.
  bool TitleLit() const {
    return Text(15, 3, 50) == kTitle && TitleIn(console::kWhite, console::kGreen);
  }
  Harness h;
};

TEST(ConfigScreen, DrawsEveryLabelAndValueOfTheTemplateStyle) {
  Screen s;
  EXPECT_FALSE(s.Type(""));
  EXPECT_TRUE(testsupport::MatchesGolden(s.h.con, "config_screen"));
  EXPECT_EQ(s.Cursor(), (Place{27, 6}));  // the cursor starts on Begin Chapter
}

TEST(ConfigScreen, NumericEntry) {
  struct Shown {
    int x, y;
    std::string text;
  };
  struct Case {
    const char* what;
    std::function<void(StyleRecord&)> change;
    std::string keys;
    std::vector<Shown> shown;
    const char* cursor;  // a field, or "check": the check ran and passed
  };
  const auto limited = [](StyleRecord& r) { r.LG = 'L'; };
  const Case cases[] = {
      {"Begin Chapter 3 at once", {}, "3", {{27, 6, " 3"}}, "Begin Chapter"},
      {"Begin Chapter 2 then Enter", {}, "2\r", {{27, 6, " 2"}}, "End Chapter"},
      {"Begin Chapter 2 then 9", {}, "29", {{27, 6, "28"}, {35, 6, " 1"}}, "Begin Chapter"},
      {"Begin Chapter 1 then 2, limited material", limited, "12", {{27, 6, " 5"}}, "Begin Chapter"},
      {"Begin Chapter 3 pulls Begin Ver 25 into it",
       {},
       kRight + "25" + kLeft + "3",
       {{27, 6, " 3"}, {35, 6, "17"}},
       "Begin Chapter"},
      {"a leading 0 is ignored in a chapter", {}, "03", {{27, 6, " 3"}}, "Begin Chapter"},
      {"End Chapter 27 sets End Ver 66",
       {},
       To("End Chapter") + "27",
       {{27, 8, "27"}, {35, 8, "66"}},
       "End Chapter"},
      {"End Chapter 1 then 2, limited material",
       limited,
       To("End Chapter") + "12",
       {{27, 8, " 5"}, {35, 8, "48"}},
       "End Chapter"},
      {"Begin Ver 40 on chapter 3", {}, "3" + kRight + "40", {{35, 6, "17"}}, "Begin Ver"},
      {"End Ver 50 on chapter 5", {}, To("End Ver") + "50", {{35, 8, "48"}}, "End Ver"},
      {"Lines/Pg 5 then Enter", {}, To("Lines/Pg") + "5\r", {{15, 14, " 18"}}, "Output"},
      {"Lines/Pg 600", {}, To("Lines/Pg") + "600", {{15, 14, "500"}}, "Lines/Pg"},
      {"Lines/Pg 0 then Enter", {}, To("Lines/Pg") + "0\r", {{15, 14, " 18"}}, "Output"},
      {"a leading 0 is ignored in Questions per pack",
       {},
       To("Questions per pack") + "05\r",
       {{35, 16, " 5"}},
       "A and B"},
      {"Questions per pack 45",
       {},
       To("Questions per pack") + "45",
       {{35, 16, "30"}},
       "Questions per pack"},
      {"Number of Quizzes 999",
       {},
       To("Number of Quizzes") + "999",
       {{72, 6, "150"}},
       "Number of Quizzes"},
      {"Percent Repeats 150",
       {},
       To("Percent Repeats") + "150",
       {{72, 10, "100"}},
       "Percent Repeats"},
      {"Pct Int 101", {}, To("Pct Int") + "101", {{15, 22, "100"}}, "Pct Int"},
      {"Total Min 5 over Total Max 4", {}, To("Total Min") + "5\r", {{64, 14, " 4"}}, "FTV Min"},
      {"Total Max 25 becomes 20", {}, To("Total Max") + "25", {{73, 14, "20"}}, "Total Max"},
      {"Total Max 1 under Total Min 2", {}, To("Total Max") + "1\r", {{73, 14, " 2"}}, "FTV Max"},
      {"FTV Max 15 becomes 10", {}, To("FTV Max") + "15", {{73, 15, "10"}}, "FTV Max"},
      {"CO Ref Min 3 over CO Ref Max 1",
       {},
       To("CO Ref Min") + "3\r",
       {{64, 17, " 1"}},
       "Situation Min"},
      {"Specialties from 12 becomes 10",
       {},
       To("Specialties from") + "12",
       {{28, 20, "10"}},
       "Specialties from"},
      {"Specialties to 4 under from 6",
       {},
       To("Specialties from") + "6\r" + kUp + kRight + "4\r",
       {{28, 20, " 6"}, {35, 20, " 6"}},
       "Pct Int"},
      {"Pct Prim FTV 75", {}, To("Pct Prim FTV") + "75\r", {{56, 20, " 79"}}, "Set Specialty nos"},
      {"keys other than digits are ignored mid-entry",
       {},
       To("Lines/Pg") + "2x.5y0",
       {{15, 14, "250"}},
       "Lines/Pg"},
      {"Esc after one digit of two", {}, "2" + kEsc, {{27, 6, " 1"}}, "check"},
      // After one digit of a three-digit field the old value goes back in
      // two columns, as it always has.
      {"Esc after one digit of three", {}, To("Lines/Pg") + "5" + kEsc, {{15, 14, "60 "}}, "check"},
      {"Esc after two digits of three",
       {},
       To("Lines/Pg") + "12" + kEsc,
       {{15, 14, " 60"}},
       "check"},
  };
  for (const Case& c : cases) {
    Screen s(c.change);
    EXPECT_FALSE(s.Type(c.keys)) << c.what;
    for (const Shown& v : c.shown) {
      EXPECT_EQ(s.Text(v.x, v.y, static_cast<int>(v.text.size())), v.text) << c.what;
      EXPECT_EQ(s.h.con.At(v.x, v.y).fg, console::kLightRed) << c.what;
      EXPECT_EQ(s.h.con.At(v.x, v.y).bg, console::kBlack) << c.what;
    }
    if (std::string(c.cursor) == "check") {
      EXPECT_TRUE(s.TitleLit()) << c.what;
    } else {
      EXPECT_EQ(s.Cursor(), kCursorAt.at(c.cursor)) << c.what;
    }
  }
}

TEST(ConfigScreen, AnEntryLeftWithEscKeepsTheOldValue) {
  Screen s;
  EXPECT_EQ(s.Type(To("Lines/Pg") + "5" + kEsc + kEnter), Edit::kAccepted);
  EXPECT_EQ(s.h.st.STYLE.LPP, 60);
  Screen t;
  EXPECT_EQ(t.Type(To("Lines/Pg") + "75\r" + kEsc + kEnter), Edit::kAccepted);
  EXPECT_EQ(t.h.st.STYLE.LPP, 75);
}

TEST(PRIM, EveryValueLandsOnAPercentageWithAPoolFile) {
  for (int v = 0; v <= 999; ++v) EXPECT_TRUE(HasFtvPool(PRIM(v))) << v;
  const std::pair<int, int> examples[] = {{75, 79}, {100, 100}, {0, 59},  {55, 59},
                                          {51, 59}, {53, 59},   {57, 57}, {93, 99},
                                          {85, 89}, {64, 69},   {88, 88}, {101, 100}};
  for (const auto& [v, to] : examples) EXPECT_EQ(PRIM(v), to) << v;
}

TEST(ChapterVerses, AChapterOutsideTheBookReadsTheNearest) {
  RunState st;
  SETVS(st);
  EXPECT_EQ(ChapterVerses(st, 3), 17);
  EXPECT_EQ(ChapterVerses(st, 0), 25);
  EXPECT_EQ(ChapterVerses(st, -7), 25);
  EXPECT_EQ(ChapterVerses(st, 40), 20);
}

TEST(ConfigScreen, Names) {
  struct Case {
    const char* what;
    std::string keys;
    int row;
    std::string shown;
    const char* cursor;
  };
  const std::string style = To("Name of Quiz Style");
  const std::string output = To("Name of Output File");
  const Case cases[] = {
      {"a, b, 3", style + "ab3\r", 10, "Ab3", "Name of Output File"},
      {"0 and punctuation are dropped", style + "x0.y-1!\r", 10, "Xy1", "Name of Output File"},
      {"0 cannot start a name", style + "0a\r", 10, "A", "Name of Output File"},
      {"capital H ends the name and moves up", style + "abH", 10, "Ab", "End Chapter"},
      {"capital P ends the name and moves down", style + "abP", 10, "Ab", "Name of Output File"},
      {"capital M ends the name and moves right", style + "abM", 10, "Ab", "Percent Repeats"},
      {"the Up key ends a name as H does", style + "ab" + kUp, 10, "Ab", "End Chapter"},
      {"a lower-case h starts a name", style + "hx\r", 10, "Hx", "Name of Output File"},
      {"Left starts a name with K", style + kLeft + "a\r", 10, "Ka", "Name of Output File"},
      {"Esc inside a name is ignored", style + "a" + kEsc + "b\r", 10, "Ab", "Name of Output File"},
      {"ten characters, then Left", style + "abcdefghij" + kLeft, 10, "Abcdefghij",
       "Name of Output File"},
      {"Up first keeps the name", style + kUp, 10, "New", "End Chapter"},
      {"Right after a typed output name goes to FTV Min", output + "ab" + kRight, 12, "Ab",
       "FTV Min"},
      {"Right first on the output name goes to Total Min", output + kRight, 12, "QUIZ",
       "Total Min"},
  };
  for (const Case& c : cases) {
    Screen s;
    EXPECT_FALSE(s.Type(c.keys)) << c.what;
    std::string shown = c.shown;
    shown.resize(10, ' ');
    EXPECT_EQ(s.Text(27, c.row, 10), shown) << c.what;
    EXPECT_EQ(s.Cursor(), kCursorAt.at(c.cursor)) << c.what;
  }
}

TEST(ConfigScreen, TypedNamesAreTheOnesAccepted) {
  Screen s;
  // The Left after the tenth character is taken whole: its scan code does
  // not start an output name.
  EXPECT_EQ(s.Type(To("Name of Quiz Style") + "abcdefghij" + kLeft + testsupport::kAcceptStyle),
            Edit::kAccepted);
  EXPECT_EQ(s.h.st.NAME1, "Abcdefghij");
  EXPECT_EQ(s.h.st.STYLE.NAME4, "QUIZ");
  Screen t;
  EXPECT_EQ(t.Type(To("Name of Output File") + "team2\r" + testsupport::kAcceptStyle),
            Edit::kAccepted);
  EXPECT_EQ(t.h.st.NAME1, "New");
  EXPECT_EQ(t.h.st.STYLE.NAME4, "Team2");
}

TEST(ConfigScreen, LetterAndBookFields) {
  struct Case {
    const char* what;
    std::function<void(StyleRecord&)> change;
    std::string keys;
    int x, y;
    std::string shown;
    const char* cursor;
  };
  const Case cases[] = {
      {"Output p", {}, To("Output") + "c" + "p", 35, 14, " P", "Output"},
      {"Output capital P moves down",
       {},
       To("Output") + "c" + "P",
       35,
       14,
       " C",
       "Questions per pack"},
      {"Output x is ignored", {}, To("Output") + "x", 35, 14, " P", "Output"},
      {"Reindex n", {}, To("Reindex") + "n", 35, 22, " N", "Reindex"},
      {"Sector by q", {}, To("Sector by") + "q", 73, 8, " Q", "Sector by"},
      {"Sector by capital V", {}, To("Sector by") + "V", 73, 8, " V", "Sector by"},
      {"Reg d", {}, To("Reg") + "d", 73, 20, " D", "Reg"},
      {"Reg e is ignored", {}, To("Reg") + "e", 73, 20, " A", "Reg"},
      {"Set Specialty y", {}, To("Set Specialty nos") + "y", 73, 22, " Y", "Set Specialty nos"},
      {"Begin book j keeps the verse in its chapter",
       [](StyleRecord& r) { r.BCHAP = 3, r.BVER = 25; }, To("Begin book") + "j", 35, 6, "17",
       "Begin book"},
      {"Begin book on a chapter beyond the book", [](StyleRecord& r) { r.BCHAP = 40, r.BVER = 70; },
       To("Begin book") + "1", 35, 6, "20", "Begin book"},
      {"End book R with the limited material",
       [](StyleRecord& r) { r.LG = 'L', r.ECHAP = 12, r.EVER = 50; }, To("End book") + "R", 27, 8,
       " 5", "End book"},
      {"End book 2 keeps the verse in its chapter",
       [](StyleRecord& r) { r.ECHAP = 3, r.EVER = 30; }, To("End book") + "2", 35, 8, "17",
       "End book"},
  };
  for (const Case& c : cases) {
    Screen s(c.change);
    EXPECT_FALSE(s.Type(c.keys)) << c.what;
    EXPECT_EQ(s.Text(c.x, c.y, static_cast<int>(c.shown.size())), c.shown) << c.what;
    EXPECT_EQ(s.Cursor(), kCursorAt.at(c.cursor)) << c.what;
  }
  Screen limited([](StyleRecord& r) { r.LG = 'L', r.ECHAP = 12, r.EVER = 50; });
  EXPECT_FALSE(limited.Type(To("End book") + "R"));
  EXPECT_EQ(limited.Text(35, 8, 2), "48");
  EXPECT_EQ(limited.Text(14, 8, 2), " M");
}

TEST(ConfigScreen, NavigationFollowsTheTable) {
  const std::pair<std::string, int> keys[] = {
      {kUp, 1}, {kDown, 2}, {kLeft, 3}, {kRight, 4}, {kEnter, 5}};
  ASSERT_EQ(PathTo().size(), kCursorAt.size());  // every field can be reached
  for (const PartRow& row : kPartTable) {
    const char* cells[] = {row.field, row.up, row.down, row.left, row.right, row.enter};
    for (const auto& [key, column] : keys) {
      const std::string expected = cells[column];
      const std::string what = std::string(row.field) + ", key " + std::to_string(column);
      Screen s;
      EXPECT_FALSE(s.Type(To(row.field) + key)) << what;
      if (expected == "check") {
        EXPECT_TRUE(s.TitleLit()) << what;
      } else if (expected == "-" || expected == "stay") {
        EXPECT_EQ(s.Cursor(), kCursorAt.at(row.field)) << what;
      } else if (expected == "(letter K)") {
        const int y = kCursorAt.at(row.field).second;
        EXPECT_EQ(s.Text(27, y, 10), "K         ") << what;
        EXPECT_EQ(s.Cursor(), (Place{28, y})) << what;
      } else {
        EXPECT_EQ(s.Cursor(), kCursorAt.at(expected)) << what << " to " << expected;
      }
      if (expected != "check") {
        EXPECT_FALSE(s.TitleLit()) << what;
      }
    }
    Screen s;  // Esc runs the check from every field
    EXPECT_FALSE(s.Type(To(row.field) + kEsc)) << row.field;
    EXPECT_TRUE(s.TitleLit()) << row.field << ", Esc";
  }
}

TEST(ConfigScreen, MovesAfterATypedValue) {
  struct Case {
    const char* field;
    std::string typed;
    std::string key;
    const char* to;
  };
  const Case cases[] = {
      // The exceptions.
      {"Begin Ver", "1", kRight, "Begin Ver"},
      {"End Ver", "1", kRight, "End Ver"},
      {"End Chapter", "1", kRight, "Name of Quiz Style"},
      {"Name of Output File", "ab", kRight, "FTV Min"},
      {"Specialties to", "2", kDown, "Pct Int"},
      {"Specialties to", "2", kEnter, "Pct Int"},
      {"Pct Int", "1", kUp, "A and B"},
      {"Percent Repeats", "1", kEnter, "Percent Repeats"},
      {"Situation Max", "1", kDown, "Set Specialty nos"},
      {"Situation Max", "1", kEnter, "Set Specialty nos"},
      // A key marked "-" ends the entry and the cursor stays.
      {"Questions per pack", "5", kLeft, "Questions per pack"},
      {"Total Max", "5", kRight, "Total Max"},
      {"Number of Quizzes", "5", kRight, "Number of Quizzes"},
      // Other keys after a typed value move as the table says.
      {"Begin Ver", "1", kEnter, "End Ver"},
      {"Specialties to", "2", kUp, "A and B"},
      {"Pct Int", "1", kDown, "Number of Quizzes"},
      {"Name of Quiz Style", "ab", kRight, "Percent Repeats"},
      {"Begin Chapter", "1", kRight, "Begin Ver"},
      // An exception holds only for the key that ended the entry.
      {"Begin Ver", "1" + kRight, kRight, "Number of Quizzes"},
      {"Situation Max", "1" + kDown + kUp + kUp, kDown, "Reg"},
      {"Percent Repeats", "1" + kEnter, kEnter, "FTV Max"},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.field) + " " + c.typed + " to " + c.to;
    Screen s;
    EXPECT_FALSE(s.Type(To(c.field) + c.typed + c.key)) << what;
    EXPECT_EQ(s.Cursor(), kCursorAt.at(c.to)) << what;
  }
  Screen s;  // Up ending a typed Begin Chapter runs the check
  EXPECT_FALSE(s.Type("2" + kUp));
  EXPECT_TRUE(s.TitleLit());
}

TEST(ConfigScreen, TheMessageWaitsForEnterOnly) {
  const auto fails = [](StyleRecord& r) { r.SETSPC = 'Y'; };  // FTV Min 1, FTV Max 2
  Screen s(fails);
  EXPECT_FALSE(s.Type(kEsc + "x" + kDown + kEsc + " "));
  EXPECT_EQ(s.Text(15, 3, 50), kMessage);
  EXPECT_TRUE(s.TitleIn(console::kWhite, console::kRed));
  EXPECT_EQ(s.Text(1, 3, 14), std::string(14, ' '));
  EXPECT_EQ(s.h.con.At(14, 3).bg, console::kBlue);

  Screen t(fails);
  EXPECT_FALSE(t.Type(kEsc + "x" + kDown + kEsc + kEnter));
  EXPECT_EQ(t.Text(15, 3, 50), kTitle);
  EXPECT_TRUE(t.TitleIn(console::kYellow, console::kBlue));
  EXPECT_EQ(t.Cursor(), kCursorAt.at("FTV Min"));
}

TEST(ConfigScreen, AFailedCheckSendsTheCursorToItsField) {
  struct Case {
    const char* what;
    std::function<void(StyleRecord&)> change;
    const char* field;
  };
  const Case cases[] = {
      {"rule 1", [](StyleRecord& r) { r.FMIN = 2, r.RMIN = 1; }, "Total Min"},
      {"rule 2", [](StyleRecord& r) { r.SPMAX = 6; }, "Total Max"},
      {"rule 3", [](StyleRecord& r) { r.QMAX = 17; }, "Specialties to"},
      {"rule 4", [](StyleRecord& r) { r.SPEARLY = 16; }, "Specialties to"},
      {"rule 5", [](StyleRecord& r) { r.SETSPC = 'Y'; }, "FTV Min"},
      {"rule 6", [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2; }, "CV Ref Min"},
      {"rule 7", [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.SPMIN = 3; },
       "CO Ref Min"},
      {"rule 8",
       [](StyleRecord& r) { r.SETSPC = 'Y', r.FMIN = 2, r.RMIN = 1, r.OMIN = 1, r.SPMIN = 4; },
       "Situation Min"},
      {"rule 9", [](StyleRecord& r) { r.BCHAP = 5, r.BVER = 10, r.EVER = 9; }, "Begin Chapter"},
      // Hand-edited values the screen would never have let through.
      {"Pct Prim FTV 51", [](StyleRecord& r) { r.PRIMPCT = 51; }, "Pct Prim FTV"},
      {"Total Min above Total Max", [](StyleRecord& r) { r.SPMIN = 5; }, "Total Min"},
      {"Begin Chapter 40", [](StyleRecord& r) { r.BCHAP = 40; }, "Begin Chapter"},
      {"a maximum of 1000", [](StyleRecord& r) { r.FMAX = 1000; }, "FTV Max"},
      {"Specialties from 31", [](StyleRecord& r) { r.SPEARLY = 31; }, "Specialties from"},
      {"Pct Int 250", [](StyleRecord& r) { r.IPC = 250; }, "Pct Int"},
      {"500 quizzes", [](StyleRecord& r) { r.QNUM = 500; }, "Number of Quizzes"},
      {"Percent Repeats -5", [](StyleRecord& r) { r.REPEATPCT = -5; }, "Percent Repeats"},
      {"set by hand x", [](StyleRecord& r) { r.SETSPC = 'x'; }, "Set Specialty nos"},
      {"set by hand empty", [](StyleRecord& r) { r.SETSPC = '\r'; }, "Set Specialty nos"},
      {"no output name", [](StyleRecord& r) { r.NAME4.clear(); }, "Name of Output File"},
  };
  for (const Case& c : cases) {
    Screen s(c.change);
    EXPECT_FALSE(s.Type(kEsc + kEnter)) << c.what;
    EXPECT_EQ(s.Cursor(), kCursorAt.at(c.field)) << c.what;
    EXPECT_TRUE(s.TitleIn(console::kYellow, console::kBlue)) << c.what;
    EXPECT_EQ(s.h.st.STYLE.LG, 'F') << c.what;  // nothing taken over
  }
  // A hand-edited maximum wider than its field gives the labels back once
  // it is mended.
  Screen wide([](StyleRecord& r) { r.FMAX = 1000; });
  EXPECT_FALSE(wide.Type(kEsc + kEnter + "2\r"));
  EXPECT_EQ(wide.Text(73, 15, 4), " 2  ");
  EXPECT_EQ(wide.h.con.At(75, 15).bg, console::kBlue);
  EXPECT_EQ(wide.Cursor(), kCursorAt.at("CV Ref Max"));
  Screen exit;
  EXPECT_FALSE(exit.Type(To("Name of Quiz Style") + "exit\r" + kEsc + kEnter));
  EXPECT_EQ(exit.Cursor(), kCursorAt.at("Name of Quiz Style"));
  EXPECT_EQ(exit.h.st.NAME1, "New");
}

TEST(ConfigScreen, APassingCheckLightsTheTitleAndDownGoesBack) {
  Screen s;
  EXPECT_FALSE(s.Type(kUp + "x" + kLeft));
  EXPECT_TRUE(s.TitleLit());
  Screen t;
  EXPECT_FALSE(t.Type(kUp + "x" + kDown));
  EXPECT_TRUE(t.TitleIn(console::kYellow, console::kBlue));
  EXPECT_EQ(t.Cursor(), kCursorAt.at("Begin Chapter"));
  Screen u;
  EXPECT_EQ(u.Type(kUp + kDown + To("Number of Quizzes") + "25\r" + kEsc + kEsc), Edit::kAbandoned);
  EXPECT_EQ(u.h.st.STYLE.QNUM, 10);  // nothing taken over
}

class ConfigScreenStylePhase : public ::testing::Test {
 protected:
  void SetUp() override {
    h.tmp.Put("Specs.lst", Lines({"Alpha", "Enter New Specs"}));
    h.tmp.PutShipped("New.spe");
    h.tmp.PutShipped("Demo.spe");
    std::filesystem::copy_file(h.tmp.Path() / "Demo.spe", h.tmp.Path() / "Alpha.spe");
  }
  Harness h;
};

TEST_F(ConfigScreenStylePhase, AcceptingSavesAStyleFileThatReadsBackEqual) {
  // Alpha: output DEMO, 20 quizzes sectored by verse, 10 percent repeats.
  h.con.Keys("\r");                                       // Alpha
  h.con.Keys(To("Name of Output File") + "tm\r");         // output Tm
  h.con.Keys(kEsc + kDown);                               // the check, back to Begin Chapter
  h.con.Keys(To("Number of Quizzes") + "25\r" + "q");     // 25 quizzes, by question
  h.con.Keys(kDown + "7\r" + testsupport::kAcceptStyle);  // 7 percent
  SPECS2(h.run);
  const std::string saved = h.tmp.Get("Alpha.spe");
  EXPECT_EQ(saved, Lines({"F",
                          "1 1",
                          "28 20",
                          "Tm",
                          "60",
                          "P",
                          "20",
                          "B",
                          "16",
                          "50",
                          "Y",
                          "25",
                          "Q",
                          "7",
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
                          "100",
                          "3",
                          "18",
                          "N",
                          "nnAAAAAAAAAAAAAAAAnnnnnnnnnnnn"}));
  WriteStyleFile(h.dir, "Again.spe", ReadStyleFile(h.dir, "Alpha.spe"));
  EXPECT_EQ(h.tmp.Get("Again.spe"), saved);
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Alpha\r\n");
}

TEST_F(ConfigScreenStylePhase, EscOnTheTitleLineLeavesTheStyleAndTheListAlone) {
  const std::string alpha = h.tmp.Get("Alpha.spe");
  h.con.Keys("\r");                                                // Alpha
  h.con.Keys(To("Number of Quizzes") + "25\r" + "q");              // edited
  h.con.Keys(kEsc + kDown + To("Name of Quiz Style") + "zeta\r");  // renamed
  h.con.Keys(testsupport::kLeaveStyle);                            // back to the menu
  h.con.Keys(kUp + kEnter);                                        // Exit
  SPECS2(h.run);
  EXPECT_EQ(h.con.Pending(), 0u);
  EXPECT_EQ(h.tmp.Get("Alpha.spe"), alpha);
  EXPECT_FALSE(h.tmp.Has("Zeta.spe"));
  EXPECT_EQ(h.tmp.Get("Specs.lst"), Lines({"Alpha", "Enter New Specs"}));
  EXPECT_EQ(h.tmp.Get("temp2.txt"), "Exit\r\n");
}

}  // namespace
}  // namespace packets::styles

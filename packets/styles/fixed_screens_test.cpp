#include "packets/styles/fixed_screens.h"

#include <gtest/gtest.h>

#include "console/virtual_screen.h"
#include "packets/styles/styles.h"

namespace packets::styles {
namespace {

using console::VirtualConsole;

/// Expects `text` at (x, y) in the given colours, cell by cell.
void ExpectAt(const VirtualConsole& con, int x, int y, const std::string& text, int fg, int bg) {
  EXPECT_EQ(con.Text(x, y, static_cast<int>(text.size())), text) << "row " << y;
  for (int i = 0; i < static_cast<int>(text.size()); ++i) {
    EXPECT_EQ(con.At(x + i, y).fg, fg) << "column " << x + i << " row " << y;
    EXPECT_EQ(con.At(x + i, y).bg, bg) << "column " << x + i << " row " << y;
  }
}

/// A screen row holding `text` from column 1.
std::string RowOf(const std::string& text) {
  return text + std::string(80 - text.size(), ' ');
}

TEST(WRITEHDG, TitleAndPublisherRowsOnLightGrey) {
  VirtualConsole con;
  con.Write("left over");
  WRITEHDG(con);
  ExpectAt(con, 1, 1, "  O", console::kRed, console::kLightGrey);
  ExpectAt(con, 4, 1, "ristan", console::kBlack, console::kLightGrey);
  ExpectAt(con, 10, 1, " 29.0" + std::string(40, ' '), console::kRed, console::kLightGrey);
  ExpectAt(con, 55, 1, "          Matthew ", console::kBlack, console::kLightGrey);
  EXPECT_EQ(con.At(80, 1).bg, console::kLightGrey);  // the whole row

  ExpectAt(con, 1, 25, "  " + std::string(kPublisher), console::kBlack, console::kLightGrey);
  ExpectAt(con, kPublisherAddressColumn, 25, std::string(kPublisherAddress), console::kBlack,
           console::kLightGrey);
  EXPECT_EQ(con.At(80, 25).bg, console::kLightGrey);
  EXPECT_EQ(con.Row(25).substr(79), " ");  // nothing spills past the last column

  for (int y = 2; y <= 24; ++y) ExpectAt(con, 1, y, std::string(80, ' '), console::kYellow, 1);
  EXPECT_EQ(con.Foreground(), console::kYellow);
  EXPECT_EQ(con.Background(), console::kBlue);
}

TEST(SPECWARN, NeedsTwoEnters) {
  VirtualConsole con;
  con.Line("");
  EXPECT_THROW(SPECWARN(con), console::InputExhausted);  // one Enter does not end it
  EXPECT_EQ(con.Text(3, 3, 33), "One specialty has zero questions.");
  EXPECT_EQ(con.Text(1, 5, 48), "  Change the maximum for that specialty to zero.");
  EXPECT_EQ(con.Text(1, 7, 27), "  Press return to continue.");

  VirtualConsole again;
  again.Line("");
  again.Line("");
  SPECWARN(again);
  EXPECT_EQ(again.Pending(), 0u);
}

TEST(QUESTWARN, WritesAtTheCursorAndWaitsForEnter) {
  VirtualConsole con;
  con.GotoXY(1, 3);
  con.Line("");
  QUESTWARN(con);
  EXPECT_EQ(con.Text(1, 3, 58), "  There are not enough regular questions in this material.");
  EXPECT_EQ(con.Text(1, 4, 80), std::string(80, ' '));
  EXPECT_EQ(con.Text(1, 5, 44), "  Reduce the number of questions per packet.");
  EXPECT_EQ(con.Pending(), 0u);
}

TEST(APPROVESPEC, TwoLinesOfFortyFourInTheCurrentColoursThenWhiteOnRed) {
  VirtualConsole con;
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
  APPROVESPEC(con);
  ExpectAt(con, 16, 3, "Run specialty combinations automatically    ", console::kYellow,
           console::kBlue);
  ExpectAt(con, 16, 4, "Approve specialty combinations for each quiz", console::kYellow,
           console::kBlue);
  EXPECT_EQ(con.Foreground(), console::kWhite);
  EXPECT_EQ(con.Background(), console::kRed);
}

TEST(THANK, NamesBothOutputFilesAndKeepsRowsOneAndTwentyFive) {
  VirtualConsole con;
  WRITEHDG(con);
  con.Line("");
  THANK(con, "TEAM");
  EXPECT_EQ(con.Row(3), RowOf("  Thank you for using Oristan 29.0"));
  EXPECT_EQ(con.Row(5), RowOf("  A list of questions and sectors used has been saved as TEAM.inf"));
  EXPECT_EQ(con.Row(7), RowOf("  Your output file has been saved in ASCII text file TEAM.qui"));
  EXPECT_EQ(con.Row(9), RowOf("  Open in any Word Processor to Print"));
  EXPECT_EQ(con.Row(11), RowOf("  Courier New Font and Narrow Margins Recommended"));
  EXPECT_EQ(con.Row(13), RowOf("  Ready to print without a word processor: TEAM.pdf"));
  EXPECT_EQ(con.Row(15), RowOf("  Press Return to Continue"));
  for (int y : {2, 4, 6, 8, 10, 12, 14, 16, 24}) EXPECT_EQ(con.Row(y), RowOf("")) << y;
  EXPECT_EQ(con.Text(3, 1, 7), "Oristan");
  EXPECT_EQ(con.Text(3, 25, static_cast<int>(kPublisher.size())), kPublisher);
  EXPECT_EQ(con.Pending(), 0u);
}

// A PDF that could not be written is said in words, below the fixed lines.
TEST(THANK, SaysWhyThePdfIsMissing) {
  VirtualConsole con;
  con.Line("");
  THANK(con, "TEAM", std::string("no permission to write it here"));
  EXPECT_EQ(con.Row(13), RowOf("  TEAM.pdf could not be written: no permission to write it here"));
  EXPECT_EQ(con.Row(14), RowOf("  (TEAM.qui and TEAM.inf are complete)"));
  EXPECT_EQ(con.Row(16), RowOf("  Press Return to Continue"));
}

// The season history's lines stand below the fixed text; the answer is
// still read at the prompt.
TEST(THANK, SeasonLinesBelowTheFixedTextAndTheCursorBackAtThePrompt) {
  struct PromptConsole : VirtualConsole {
    int x = 0, y = 0;  // where the first key was read
    char ReadKey() override {
      if (x == 0) x = WhereX(), y = WhereY();
      return VirtualConsole::ReadKey();
    }
  } con;
  con.Line("");
  const std::vector<std::string> below{"  Season history: 3 questions of earlier runs avoided",
                                       "  The season history S.txt was NOT updated:"};
  THANK(con, "TEAM", std::nullopt, below);
  EXPECT_EQ(con.Row(15), RowOf("  Press Return to Continue"));
  EXPECT_EQ(con.Row(17), RowOf(below[0]));
  EXPECT_EQ(con.Row(18), RowOf(below[1]));
  EXPECT_EQ(con.x, 28);
  EXPECT_EQ(con.y, 15);
}

}  // namespace
}  // namespace packets::styles

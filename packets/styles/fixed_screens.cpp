// The title screen, the warnings about the material, the lines of the
// approval menu and the closing screen.
#include "packets/styles/fixed_screens.h"

#include <string>

#include "packets/styles/styles.h"

namespace packets::styles {

using console::Console;

namespace {

/// Yellow on blue: the colours of every ordinary screen text.
void Ordinary(Console& con) {
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
}

}  // namespace

void WRITEHDG(Console& con) {
  Ordinary(con);
  for (int y = 1; y <= console::kRows; ++y) {
    con.GotoXY(1, y);
    con.ClrEol();
  }

  con.GotoXY(1, 1);
  con.TextBackground(console::kLightGrey);
  con.ClrEol();
  con.TextColor(console::kRed);
  con.Write("  ");
  con.Write(kProduct.substr(0, 1));
  con.TextColor(console::kBlack);
  con.Write(kProduct.substr(1));
  con.TextColor(console::kRed);
  con.Write(" " + std::string(kVersion) + std::string(40, ' '));
  con.TextColor(console::kBlack);
  con.Write("          Matthew ");

  con.GotoXY(1, console::kRows);
  con.ClrEol();
  con.Write("  ");
  con.Write(kPublisher);
  con.GotoXY(kPublisherAddressColumn, console::kRows);
  con.Write(kPublisherAddress);

  Ordinary(con);
}

void SPECWARN(Console& con) {
  con.GotoXY(3, 3);
  con.WriteLn("One specialty has zero questions.");
  con.WriteLn();
  con.WriteLn("  Change the maximum for that specialty to zero.");
  con.WriteLn();
  con.WriteLn("  Press return to continue.");
  con.ReadLine();
  con.ReadLine();
}

void QUESTWARN(Console& con) {
  con.WriteLn("  There are not enough regular questions in this material.");
  con.WriteLn();
  con.WriteLn("  Reduce the number of questions per packet.");
  con.ReadLine();
}

void APPROVESPEC(Console& con) {
  con.GotoXY(16, 4);
  con.Write("Approve specialty combinations for each quiz");
  con.GotoXY(16, 3);
  con.Write("Run specialty combinations automatically    ");
  con.TextBackground(console::kRed);
  con.TextColor(console::kWhite);
}

void THANK(Console& con, const std::string& name4, const std::optional<std::string>& pdf_problem,
           const std::vector<std::string>& below) {
  console::CLR(con);
  con.WriteLn("  Thank you for using " + std::string(kProduct) + " " + std::string(kVersion));
  con.WriteLn();
  con.WriteLn("  A list of questions and sectors used has been saved as " + name4 + ".inf");
  con.WriteLn();
  con.WriteLn("  Your output file has been saved in ASCII text file " + name4 + ".qui");
  con.WriteLn();
  con.WriteLn("  Open in any Word Processor to Print");
  con.WriteLn();
  con.WriteLn("  Courier New Font and Narrow Margins Recommended");
  con.WriteLn();
  if (pdf_problem) {
    con.WriteLn("  " + name4 + ".pdf could not be written: " + *pdf_problem);
    con.WriteLn("  (" + name4 + ".qui and " + name4 + ".inf are complete)");
  } else {
    con.WriteLn("  Ready to print without a word processor: " + name4 + ".pdf");
  }
  con.WriteLn();
  con.Write("  Press Return to Continue ");
  if (!below.empty()) {
    const int x = con.WhereX();
    const int y = con.WhereY();
    for (std::size_t i = 0; i < below.size(); ++i) {
      con.GotoXY(1, y + 2 + static_cast<int>(i));
      con.Write(below[i]);
    }
    con.GotoXY(x, y);
  }
  con.ReadLine();
}

}  // namespace packets::styles

#include "packets/output/printers.h"

#include <gtest/gtest.h>

#include "packets/output/golden_bytes.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

TEST(ContinuationPrinters, LinesByPrinter) {
  struct Case {
    const Printer& printer;
    Place place;
    long mark1;
    std::string expected;
  } cases[] = {
      // "^" prints as "*" and a TAB as a blank; the last line runs to the
      // full window width.
      {CPRINTREST, MakePlace('R', " 1: 1\tCV\tA^b\tc"), 9,
       Bytes("        A*b c" + std::string(32, ' ') + "|")},
      // A break blank followed by another blank ends the text.
      {CPRINTREST, MakePlace('R', " 1: 1\tCV\t" + std::string(36, 'x') + "  ef"), 9,
       Bytes("        " + std::string(36, 'x') + " |")},
      // With the question-mark rule an empty line follows a line that ends
      // with "?".
      {RPRINTREST, MakePlace('n', " 1: 1\tWho? Why? " + std::string(40, 'x')), 6,
       Bytes("        Who? |\n|\n        Why? |\n|\n        " + std::string(37, 'x') +
             "|\n        xxx" + std::string(34, ' ') + "|")},
      // A record of 254 positions breaking on the blank at 253: its last
      // position is printed on a line of its own.
      {PRINTREST, MakePlace('n', " 1: 1\t" + std::string(246, 'x') + " z"), 198,
       Bytes(std::string(15, ' ') + std::string(54, 'x') + " |\n" + std::string(15, ' ') + "z" +
             std::string(54, ' ') + "|")},
  };
  for (const Case& c : cases) {
    std::string out;
    const int lines = PrintRest(c.printer, WorkBuffer(c.place), c.mark1, out);
    EXPECT_EQ(lines, static_cast<int>(Lines(out).size()) - 1) << c.place.all;
    EXPECT_EQ(out, c.expected) << c.place.all;
  }
}

}  // namespace
}  // namespace packets::output

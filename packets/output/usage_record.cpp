// The quiz blocks of the usage record: a heading, an empty line, one listing
// line per place and empty lines up to 33 lines in all.
#include "packets/output/fields.h"
#include "packets/output/output.h"

namespace packets::output {

namespace {

inline constexpr int kBlockLines = 33;

/// A question column: the record from `first` up to the next TAB, at most
/// through `last`, and "..." when the scan reached `last` without a TAB.
struct Column {
  std::string text;
  long tab = 0;  // position of the TAB that ended the column; 0 at the limit
};

Column ScanColumn(std::string_view record, long first, long last) {
  Column c;
  c.text.reserve(static_cast<std::size_t>(last >= first ? last - first + 4 : 3));
  for (long pos = first; pos <= last; ++pos) {
    char ch = RecordAt(record, pos);
    if (ch == kTab) {
      c.tab = pos;
      return c;
    }
    c.text += ch;
  }
  c.text += "...";
  return c;
}

}  // namespace

std::string UsageHeading(int quiz) {
  std::string line = "  Que Sec Num    Verse  Type  Question";
  if (quiz < 100) line += ' ';
  if (quiz < 10) line += ' ';
  return line + RightAlign("Quiz ", 32) + Num(quiz);
}

std::string ListingLine(int place, const Place& p) {
  const std::string& r = p.all;
  std::string line = RightAlign(Num(place), 4) + "." + RightAlign(Num(p.sector), 4) +
                     RightAlign(Num(p.number), 4) + "  " + p.book + " ";
  switch (p.kind) {
    case 'R':
    case 'O':
      return line + Positions(r, 1, 5) + "  " + Positions(r, 7, 8) + "    " +
             ScanColumn(r, 10, 49).text;
    case 'S': {
      line += Positions(r, 1, 2) + ":" + Positions(r, 4, 5) + "  SIT   ";
      // The introduction up to its TAB, then what follows the TAB; an
      // introduction that reaches the column's limit ends the line.
      Column intro = ScanColumn(r, 7, 46);
      line += intro.text;
      if (intro.tab != 0) line += " " + ScanColumn(r, intro.tab + 1, 46).text;
      return line;
    }
    case 'F': {
      std::string code = KindField(r);
      return line + Positions(r, 1, 5) + "  " + code + Blanks(6 - static_cast<long>(code.size())) +
             ScanColumn(r, 12, 51).text;
    }
    default: {
      std::string question = ScanColumn(r, 7, 46).text;
      return line + Positions(r, 1, 5) + Blanks(8) + question +
             Blanks(43 - static_cast<long>(question.size()));
    }
  }
}

std::string UsageBlock(const Quiz& quiz) {
  std::string block = UsageHeading(quiz.number);
  block.reserve(kBlockLines * 100);
  block += kCrLf;
  block += kCrLf;
  int lines = 2;
  int place = 0;
  for (const Place& p : quiz.places) {
    block += ListingLine(++place, p);
    block += kCrLf;
    ++lines;
  }
  for (; lines < kBlockLines; ++lines) block += kCrLf;
  return block;
}

}  // namespace packets::output

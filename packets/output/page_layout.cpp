// The page layout: one block of pages per quiz, the question's kind and
// number in the left columns, its first line padded so that the printed
// reference stands in columns 72 to 78, continuation lines indented by 15.
#include "packets/output/fields.h"
#include "packets/output/layouts.h"
#include "packets/output/printers.h"

namespace packets::output {

namespace {

const std::string kRule(78, '_');
inline constexpr long kReferenceColumn = 72;

/// The text of a question's first line from column 11 and the printer that
/// continues it after `mark` (none when `printer` is null).
struct FirstLine {
  std::string kind;  // columns 1 to 6
  std::string text;
  const Printer* printer = nullptr;
  long mark = 0;
};

// The printer continues after `mark` only when a text follows it.
void ContinueIfText(FirstLine& f, const WorkBuffer& a, const Printer& printer, long mark) {
  f.mark = mark;
  if (!IsBlank(a[mark + 1])) f.printer = &printer;
}

FirstLine FirstLineOf(const Place& p, const WorkBuffer& a) {
  FirstLine f;
  const std::string& r = p.all;
  switch (p.kind) {
    case 'R':
    case 'O':
      f.kind = Positions(r, 7, 8) + Blanks(4);
      f.text = "According to Matt chapter " + ChapterWords(r);
      if (p.kind == 'R') f.text += " verse " + VerseWords(r);
      f.text += ", ";
      f.printer = &PRINTREST;
      f.mark = 9;
      break;
    case 'S': {
      f.kind = "SIT   ";
      const SitSplit split = SplitSit(a);
      f.text = FirstLineText(a, 7, split.intro_end) + ",";
      ContinueIfText(f, a, FPRINTREST, split.mark);
      break;
    }
    case 'F': {
      std::string code = KindField(r);
      f.kind = code + Blanks(6 - static_cast<long>(code.size()));
      if (IsQuotation(r)) {
        f.text = "Quote Matt Chapter " + ChapterWords(r) + " verse " + VerseWords(r) +
                 Blanks(PadBlanksLeftOut(r));
        ContinueIfText(f, a, FPRINTREST, 11);
        break;
      }
      // The first five words, each followed by "...", without their full
      // stops and commas; the blanks after a short text supply the rest.
      long pos = 12;
      for (int words = 0;; ++pos) {
        const char c = a[pos];
        if (IsBlank(c)) {
          f.text += "...";
          if (++words == 5) break;
        } else if (c != '.' && c != ',') {
          f.text += c;
        }
      }
      ContinueIfText(f, a, FPRINTREST, pos);
      break;
    }
    default: {
      f.kind = Blanks(6);
      const Break b = ScanForBreak(a, 8, 66, true);
      f.text = FirstLineText(a, 7, b.text_end);
      ContinueIfText(f, a, PRINTREST, b.mark);
      break;
    }
  }
  return f;
}

// Writes question `place` (its first line and continuation lines); returns
// the lines written.
int PageQuestion(const Settings& s, int place, const Place& p, std::string& out) {
  const WorkBuffer a(p);
  const FirstLine f = FirstLineOf(p, a);
  std::string line = f.kind + NumberField(place, s.AB, 2) + ". " + f.text;
  line += Blanks(kReferenceColumn - 1 - static_cast<long>(line.size()));
  out += line + PrintedReference(p);
  out += kCrLf;
  int lines = 1;
  if (f.printer != nullptr) lines += PrintRest(*f.printer, a, f.mark, out);
  return lines;
}

bool IsFtvOrSit(char kind) {
  return kind == 'F' || kind == 'S';
}

}  // namespace

std::string PageHeadingLine(const Settings& s, int quiz) {
  std::string line = MaterialText(s);
  for (int n : {s.BCHAP, s.BVER, s.ECHAP, s.EVER}) {
    if (n < 10) line += ' ';
  }
  const long length = static_cast<long>(s.NAME.size());
  const long h = length / 2;
  line += Blanks(13 - h) + s.NAME + " Style Quizzing ";
  if (quiz < 100) line += ' ';
  if (quiz < 10) line += ' ';
  line += Blanks(12 - h + (length % 2 == 0 ? 1 : 0));
  return line + RightAlign("Quiz Number ", 15) + Num(quiz);
}

std::string PageQuiz(const Settings& s, const Quiz& quiz) {
  std::string out = PageHeadingLine(s, quiz.number);
  out.reserve(quiz.places.size() * 400 + 1000);
  out += kCrLf;
  out += kRule;
  out += kCrLf;
  out += kCrLf;
  out += "Type      Question" + RightAlign("Verse", 60);
  out += kCrLf;
  out += kRule;
  out += kCrLf;
  int page = 1;
  int lines = 7;
  const int count = static_cast<int>(quiz.places.size());
  for (int x = 1; x <= count; ++x) {
    out += kCrLf;
    lines += PageQuestion(s, x, quiz.places[static_cast<std::size_t>(x - 1)], out);
    ++lines;  // the empty line before the question
    if (x == count) break;
    const bool next_long = IsFtvOrSit(quiz.places[static_cast<std::size_t>(x)].kind);
    if (lines > s.LPP - 6 || (lines > s.LPP - 10 && next_long)) {
      ++page;
      out += kFormFeed;
      out += "Page " + Num(page);
      if (quiz.number < 10) out += ' ';
      out += RightAlign("Quiz ", 70) + Num(quiz.number);
      out += kCrLf;
      out += kRule;
      out += kCrLf;
      lines = 4;
    }
  }
  out += kFormFeed;
  return out;
}

}  // namespace packets::output

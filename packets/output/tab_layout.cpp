// The tab layout: one line per question with TABs between the columns
// Number, Type, Question, Answer and Verse, for a word-processor table.
#include "packets/output/fields.h"
#include "packets/output/layouts.h"
#include "packets/output/printers.h"

namespace packets::output {

namespace {

long TextStart(char kind) {
  switch (kind) {
    case 'R':
    case 'O':
      return 10;
    case 'F':
      return 12;
    default:
      return 7;
  }
}

// The text ends before the first run of three blanks after its start, or at
// the end of the 508-character buffer.
long TextEnd(const WorkBuffer& a, long start) {
  for (long pos = start; pos <= 508; ++pos) {
    if (IsBlank(a[pos]) && IsBlank(a[pos + 1]) && IsBlank(a[pos + 2])) return pos - 1;
  }
  return 508;
}

std::string QuestionLine(const Settings& s, int place, const Place& p) {
  const WorkBuffer a(p);
  const std::string& r = p.all;
  std::string line = (place <= s.AB ? RightAlign(Num(place), 2) : std::string()) + kTab;
  switch (p.kind) {
    case 'R':
    case 'O':
    case 'F':
      line += KindField(r);
      break;
    case 'S':
      line += "SIT";
      break;
    default:
      break;
  }
  line += kTab;

  const bool quotation = p.kind == 'F' && IsQuotation(r);
  if (p.kind == 'R') {
    line += "According to Matt chapter " + ChapterWords(r) + " verse " + VerseWords(r) + ", ";
  } else if (p.kind == 'O') {
    line += "According to Matt Chapter " + Positions(r, 1, 2) + ",  ";
  } else if (quotation) {
    line += "Quote Matt chapter " + ChapterWords(r) + " verse " + VerseWords(r) + "." + kTab;
  }

  const long start = TextStart(p.kind);
  const long end = TextEnd(a, start);
  int blanks = 0;        // FTV: blanks of the five-word split met so far
  bool starred = false;  // SIT: the first "*" was met
  for (long pos = start; pos <= end; ++pos) {
    const char c = a[pos];
    if (p.kind == 'F' && !quotation && blanks < 5 && IsBlank(c)) {
      line += "...";
      if (++blanks == 5) line += kTab;
    } else if (p.kind == 'S' && c == '*' && !starred) {
      starred = true;
      line += kTab;
      line += '*';
    } else if (p.kind == 'S' && c == kTab) {
      line += "  ";
    } else {
      line += c;
    }
  }
  return line + kTab + "(" + PrintedReference(p) + ")";
}

}  // namespace

std::string TabQuiz(const Settings& s, const Quiz& quiz) {
  std::string out = "Quiz " + Num(quiz.number) + kTab + kTab + s.NAME + " Style Quizzing" + kTab +
                    MaterialText(s);
  out += kCrLf;
  out += kCrLf;
  out += "Number\tType\tQuestion\tAnswer\tVerse";
  out += kCrLf;
  int place = 0;
  for (const Place& p : quiz.places) {
    out += QuestionLine(s, ++place, p);
    out += kCrLf;
  }
  out += "<pb>";
  out += kCrLf;
  return out;
}

}  // namespace packets::output

// The card layout: an 18-line heading card, then one card per question of
// 18 lines (or as many as its text needs, in steps of 18), continuation
// lines indented by 8 in a 37-column window.
#include "packets/output/fields.h"
#include "packets/output/layouts.h"
#include "packets/output/printers.h"

namespace packets::output {

namespace {

inline constexpr int kCardLines = 18;

/// Collects the lines of one card and counts them.
struct Card {
  std::string out;
  int lines = 0;
  void Line(const std::string& text = {}) {
    out += text;
    out += kCrLf;
    ++lines;
  }
  void Empty(int n) {
    for (int i = 0; i < n; ++i) Line();
  }
  void Rest(const Printer& printer, const WorkBuffer& a, long mark) {
    lines += PrintRest(printer, a, mark, out);
  }
  // The printer continues after `mark` only when a text follows it.
  void RestIfText(const Printer& printer, const WorkBuffer& a, long mark) {
    if (!IsBlank(a[mark + 1])) Rest(printer, a, mark);
  }
};

// The card heading line and the empty lines around it.
void CardHeading(Card& card, const Place& p, int quiz) {
  const std::string ref = "    " + PrintedReference(p);
  const std::string q = Num(quiz);
  switch (p.kind) {
    case 'R':
    case 'O':
      card.Empty(2);
      card.Line(ref + (p.kind == 'R' ? "   CV" : "   CO") + RightAlign("Quiz ", 27) + q);
      break;
    case 'S':
      card.Empty(3);
      card.Line(ref + "  SIT" + RightAlign("Quiz ", 29) + q);
      break;
    case 'F': {
      const std::string code = KindField(p.all);
      card.Empty(2);
      card.Line(ref + "   " + code + RightAlign("Quiz ", 29 - static_cast<long>(code.size())) + q);
      break;
    }
    default:
      card.Empty(2);
      card.Line(ref + Blanks(5) + RightAlign("Quiz ", 29) + q);
      break;
  }
  card.Empty(2);
}

// The question line and the rest of the card.
void CardQuestion(Card& card, const Settings& s, int place, const Place& p) {
  const WorkBuffer a(p);
  const std::string& r = p.all;
  switch (p.kind) {
    case 'R':
      card.Line(NumberField(place, s.AB, 7) + ". Accd. to Matt chapter " + ChapterWords(r) +
                " verse " + VerseWords(r) + ", ");
      card.Empty(1);
      card.Rest(CPRINTREST, a, 9);
      break;
    case 'O':
      card.Line(NumberField(place, s.AB, 6) + ". According to Matt chapter " + ChapterWords(r));
      card.Empty(1);
      card.Rest(CPRINTREST, a, 9);
      break;
    case 'S': {
      const SitSplit split = SplitSit(a);
      card.Line("    " + NumberField(place, s.AB, 2) + ". " + FirstLineText(a, 7, split.intro_end));
      card.Empty(1);
      card.RestIfText(CPRINTREST, a, split.mark);
      break;
    }
    case 'F':
      if (IsQuotation(r)) {
        card.Line(NumberField(place, s.AB, 6) + ". Quote Matt Chapter " + ChapterWords(r) +
                  " verse " + VerseWords(r) + Blanks(PadBlanksLeftOut(r)));
        card.Empty(1);
        card.RestIfText(CPRINTREST, a, 11);
      } else {
        const Break b = ScanForBreak(a, 13, 46, false);
        card.Line(NumberField(place, s.AB, 6) + ". " + FirstLineText(a, 12, b.text_end));
        card.RestIfText(CPRINTREST, a, b.mark);
      }
      break;
    default: {
      const Break b = ScanForBreak(a, 8, 42, true);
      card.Line(NumberField(place, s.AB, 6) + ". " + FirstLineText(a, 7, b.text_end));
      if (b.after_question) card.Empty(1);
      card.RestIfText(RPRINTREST, a, b.mark);
      break;
    }
  }
}

}  // namespace

std::string CardQuiz(const Settings& s, const Quiz& quiz) {
  Card heading;
  heading.Empty(2);
  heading.Line("    " + s.NAME + " Style Quizzing");
  heading.Empty(1);
  heading.Line("    " + MaterialText(s));
  heading.Empty(1);
  heading.Line("    Quiz Number " + Num(quiz.number));
  heading.Empty(kCardLines - heading.lines);
  std::string out = std::move(heading.out);

  int place = 0;
  for (const Place& p : quiz.places) {
    Card card;
    CardHeading(card, p, quiz.number);
    CardQuestion(card, s, ++place, p);
    // Filled to the next multiple of 18 lines: at least one empty line
    // closes every card, and a card of more than 35 lines takes a third.
    card.Empty((card.lines / kCardLines + 1) * kCardLines - card.lines);
    out += card.out;
  }
  return out;
}

}  // namespace packets::output

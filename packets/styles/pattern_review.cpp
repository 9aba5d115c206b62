#include "packets/styles/pattern_review.h"

#include <algorithm>

#include "packets/styles/pattern.h"

namespace packets::styles {

namespace {

using console::Console;

constexpr int kFirstSlotRow = 6;
constexpr int kAcceptRow = 22;

/// A number right-aligned in `width` columns.
std::string Field(int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  }
  return digits;
}

/// One quiz's line: its number, ". " and its pattern. The normal look is
/// yellow on blue with every fifth position white; the marked one is all
/// white on red.
void DrawSlot(Console& con, int s, int quiz, const std::string& pattern, bool marked) {
  const SlotPlace at = SlotAt(s);
  const int fg = marked ? console::kWhite : console::kYellow;
  con.GotoXY(at.x, at.y);
  con.TextBackground(marked ? console::kRed : console::kBlue);
  con.TextColor(fg);
  con.Write(Field(quiz, 3) + ". ");
  for (int i = 1; i <= kPatternCap; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    con.TextColor(i % 5 == 0 ? console::kWhite : fg);
    con.Write(k < pattern.size() ? pattern[k] : ' ');
  }
  con.TextColor(console::kYellow);
  con.TextBackground(console::kBlue);
}

/// Where a key moves the mark from slot `s` on a page of `slots` slots; `s`
/// itself for a key that does not move it.
int MoveMark(char key, int s, int slots) {
  int to = s;
  switch (key) {
    case console::kScanUp:
      to = s - 1;
      break;
    case console::kScanDown:
      to = s + 1;
      break;
    case console::kScanRight:
      if (s <= kQuizzesPerColumn && s + kQuizzesPerColumn <= slots) to = s + kQuizzesPerColumn;
      break;
    case console::kScanLeft:
      if (s > kQuizzesPerColumn) to = s - kQuizzesPerColumn;
      break;
    default:
      break;
  }
  if (to > slots) to = 1;
  if (to < 1) to = slots;
  return to;
}

/// One page, quizzes first to first + slots - 1, until Enter or Esc.
void ReviewPage(Run& run, const PatternSettings& settings, int first, int slots) {
  Console& con = run.con;
  RunState& st = run.st;
  for (int s = 1; s <= slots; ++s) DrawSlot(con, s, first + s - 1, st.PAT[first + s - 1], false);
  con.GotoXY(4, kAcceptRow);
  con.Write(kAcceptLine);
  int mark = 1;
  DrawSlot(con, mark, first, st.PAT[first], true);
  for (;;) {
    const char key = con.ReadKey();
    if (key == console::kEnter || key == console::kEsc) return;
    if (key == ' ') {
      const int quiz = first + mark - 1;
      st.PAT[quiz] = SPECPAT(settings, run.rng);
      DrawSlot(con, mark, quiz, st.PAT[quiz], true);
      continue;
    }
    const int to = MoveMark(key, mark, slots);
    if (to == mark) continue;
    DrawSlot(con, mark, first + mark - 1, st.PAT[first + mark - 1], false);
    mark = to;
    DrawSlot(con, mark, first + mark - 1, st.PAT[first + mark - 1], true);
  }
}

}  // namespace

SlotPlace SlotAt(int s) {
  return {4 + 38 * (s / (kQuizzesPerColumn + 1)), kFirstSlotRow + (s - 1) % kQuizzesPerColumn};
}

void WRITESPECS(Run& run) {
  Console& con = run.con;
  const int quizzes = run.st.QNUM;
  const PatternSettings settings = DriverSettings(run.st);
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
  console::CLR(con);
  con.GotoXY(2, 3);
  con.Write(kReshuffleLine);
  con.GotoXY(1, 5);
  con.TextColor(console::kLightRed);
  con.Write(kRuler);
  if (quizzes > kQuizzesPerColumn) con.Write(kSecondRuler);
  con.TextColor(console::kYellow);
  for (int first = 1; first <= quizzes; first += kQuizzesPerPage) {
    ReviewPage(run, settings, first, std::min(kQuizzesPerPage, quizzes - first + 1));
    for (int y = kFirstSlotRow; y <= 24; ++y) {
      con.GotoXY(1, y);
      con.ClrEol();
    }
  }
}

void SPEC2(Run& run) {
  RunState& st = run.st;
  console::CLR(run.con);
  const PatternSettings settings = DriverSettings(st);
  for (int q = 1; q <= st.QNUM; ++q) st.PAT[q] = SPECPAT(settings, run.rng);
  WRITESPECS(run);
  auto out = run.dir.OpenWrite(st.F12);
  for (int q = 1; q <= st.QNUM; ++q) out.WriteLn(st.PAT[q]);
  out.Close();
}

}  // namespace packets::styles

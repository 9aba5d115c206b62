#include "packets/material/chapter_screen.h"

#include <string_view>

namespace packets::material {

namespace {

constexpr std::string_view kRaise = "  We must reset the questions per packet to sector ";
constexpr std::string_view kRaiseEnd = " chapters.";
constexpr std::string_view kTooFewVerses =
    "  The material has fewer verses than questions per quiz.";
constexpr std::string_view kHeading = "  Choose questions per chapter.";
constexpr std::string_view kGroupHint = " Use zeros to group chapters.";
constexpr std::string_view kTotalIs = "Your total is ";
constexpr std::string_view kTotalIsEnd = " questions                 ";
constexpr std::string_view kMustEqual = "Total questions must equal ";
constexpr std::string_view kMustEqualEnd = "          ";
constexpr std::string_view kLowerCount = "Lower its count";

constexpr int kMessageX = 40;
constexpr int kMessageY = 20;
// The refusal of an overfull chapter is padded to the end of the row, so
// that nothing of a longer message before it stays on the screen.
constexpr int kMessageWidth = console::kCols - kMessageX + 1;

std::string RightAligned(long value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string PaddedToRowEnd(std::string text) {
  if (static_cast<int>(text.size()) < kMessageWidth) text.resize(kMessageWidth, ' ');
  return text;
}

int ChapterAt(const ChapterMaterial& m, int p) {
  return m.BCHAP + p - 1;
}

void WriteListLine(console::Console& con, const ChapterMaterial& m, const ChapterCounts& cs,
                   int p) {
  const ListSpot spot = SpotOf(p);
  const int c = ChapterAt(m, p);
  con.GotoXY(spot.x, spot.y);
  con.Write("Matt " + RightAligned(c, 2) + ": " + RightAligned(cs[c], 3));
}

bool IsDigit(char key) {
  return key >= '0' && key <= '9';
}

/// Up or Down as -1 or +1 after the leading code of a key without a
/// character; 0 for any other such key.
int ArrowDirection(char scan) {
  if (scan == console::kScanUp) return -1;
  if (scan == console::kScanDown) return +1;
  return 0;
}

/// A count typed at position p, begun with `digit`: a second digit makes
/// it two digits, Up or Down ends it at one digit and moves. Returns the
/// position the cursor goes to.
int TypeCount(Run& run, const ChapterMaterial& m, int p, int digit) {
  console::Console& con = run.con;
  const ListSpot spot = SpotOf(p);
  if (p == m.Positions() && digit == 0) digit = 1;  // the last chapter always has a count
  con.GotoXY(spot.field, spot.y);
  con.Write("  ");
  con.GotoXY(spot.field, spot.y);
  con.Write(digit);
  int count = digit;
  int direction = 0;
  for (;;) {
    const char key = con.ReadKey();
    if (IsDigit(key)) {
      count = digit * 10 + (key - '0');
      break;
    }
    if (key == console::kExtended) {
      direction = ArrowDirection(con.ReadKey());
      if (direction != 0) break;
    }
  }
  if (m.limited && count == 0) count = 1;  // no groups in the limited-chapter copy
  run.st.CS[ChapterAt(m, p)] = static_cast<std::uint8_t>(count);
  con.GotoXY(spot.field, spot.y);
  con.Write(RightAligned(count, 2));
  return direction == 0 ? p : StepPosition(m, p, direction);
}

}  // namespace

ListSpot SpotOf(int p) {
  constexpr int kLeftRows = 17;
  if (p <= kLeftRows) return ListSpot{3, p + 4, 13};
  return ListSpot{40, p - 13, 50};
}

int StepPosition(const ChapterMaterial& m, int p, int direction) {
  const int n = m.Positions();
  for (int tries = 0; tries < n; ++tries) {
    p += direction;
    if (p < 1) p = n;
    if (p > n) p = 1;
    if (m.TakesPart(ChapterAt(m, p))) break;
  }
  return p;
}

bool BeginChapterScreen(Run& run, const ChapterMaterial& m) {
  RunState& st = run.st;
  console::Console& con = run.con;
  console::CLR(con);
  st.SECTORS = st.QMAX;
  st.SECTORS2 = st.SECTORS;
  // Only the chapters that take part need a sector each.
  const int chapters = static_cast<int>(m.Chapters().size());
  if (chapters > st.SECTORS) {
    con.GotoXY(1, 3);
    const std::string raise =
        std::string(kRaise) + std::to_string(chapters) + std::string(kRaiseEnd);
    con.Write(raise);
    Say(run, raise);
    st.QMAX = chapters;
    st.SECTORS = chapters;
    st.SECTORS2 = chapters;
    WaitForEnter(con);
    console::CLR(con);
  }
  if (chapters == 0 || m.TotalVerses() < st.SECTORS) {
    con.GotoXY(1, 3);
    con.Write(kTooFewVerses);
    Say(run, kTooFewVerses);
    WaitForEnter(con);
    return false;
  }
  return true;
}

void EditChapterCounts(Run& run, const ChapterMaterial& m) {
  RunState& st = run.st;
  console::Console& con = run.con;
  con.GotoXY(1, 3);
  con.Write(kHeading);
  if (!m.limited) con.Write(kGroupHint);
  con.WriteLn();
  for (int p = 1; p <= m.Positions(); ++p) {
    if (m.TakesPart(ChapterAt(m, p))) WriteListLine(con, m, st.CS, p);
  }

  int p = 1;
  if (!m.TakesPart(ChapterAt(m, p))) p = StepPosition(m, p, +1);
  for (;;) {
    const ListSpot spot = SpotOf(p);
    con.GotoXY(spot.field, spot.y);
    const char key = con.ReadKey();
    if (key == console::kExtended) {
      const int direction = ArrowDirection(con.ReadKey());
      if (direction != 0) p = StepPosition(m, p, direction);
    } else if (IsDigit(key)) {
      p = TypeCount(run, m, p, key - '0');
    } else if (key == console::kEnter) {
      const auto refusal = CheckChapterCounts(m, st.CS, st.SECTORS);
      if (!refusal) return;
      con.GotoXY(kMessageX, kMessageY);
      con.Write(refusal->first);
      con.GotoXY(kMessageX, kMessageY + 1);
      con.Write(refusal->second);
    }
  }
}

std::optional<std::pair<std::string, std::string>> CheckChapterCounts(const ChapterMaterial& m,
                                                                      const ChapterCounts& cs,
                                                                      int sectors) {
  const int total = TotalCount(m, cs);
  if (total != sectors) {
    return std::pair{
        std::string(kTotalIs) + std::to_string(total) + std::string(kTotalIsEnd),
        std::string(kMustEqual) + std::to_string(sectors) + std::string(kMustEqualEnd)};
  }
  if (const auto over = FindOverfull(m, cs)) {
    const std::string verses = over->verses == 1 ? " verse" : " verses";
    return std::pair{PaddedToRowEnd("Matt " + RightAligned(over->chapter, 2) + " has only " +
                                    std::to_string(over->verses) + verses),
                     PaddedToRowEnd(std::string(kLowerCount))};
  }
  return std::nullopt;
}

void WaitForEnter(console::Console& con) {
  con.ReadLine(0);
}

}  // namespace packets::material

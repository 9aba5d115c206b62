#include "packets/material/sector_by_chapter.h"

#include <algorithm>
#include <string_view>

#include "packets/material/chapter_screen.h"
#include "packets/material/count_file.h"
#include "packets/material/line_numbers.h"
#include "packets/material/material.h"

namespace packets::material {

namespace {

constexpr std::string_view kSmallest = "Your smallest sector has ";
constexpr std::string_view kOneQuestion = " question. ";
constexpr std::string_view kQuestions = " regular questions. ";

// MINQZ starts from the most regular questions a sector is planned for.
constexpr int kMinStart = REGXX;

/// Shows the sector table and the smallest sector, and reads a key.
/// Returns false on Esc (back to the list).
bool ShowChapterResult(Run& run) {
  RunState& st = run.st;
  console::Console& con = run.con;
  console::CLR(con);
  con.WriteLn();
  DISPLAY(run);
  st.MINQZ = kMinStart;
  for (int s = 1; s <= st.SECTORS; ++s) st.MINQZ = std::min(st.MINQZ, st.QPS[s]);
  con.GotoXY(3, 3);
  con.Write(std::string(kSmallest) + std::to_string(st.MINQZ) +
            std::string(st.MINQZ == 1 ? kOneQuestion : kQuestions));
  const char key = con.ReadKey();
  // An arrow or other key without a character is taken whole, so that its
  // second code does not reach the next screen.
  if (key == console::kExtended) con.ReadKey();
  return key != console::kEsc;
}

/// A refusal when a line of the count file between two sectors (from line
/// `from` up to, not including, `to`) holds questions: no sector would take
/// them, and the questions of every later sector would then be looked for
/// in the question files one place too early.
std::optional<std::string> QuestionsBetween(const ChapterMaterial& m, const CountCursor& cursor,
                                            int from, int to) {
  for (int line = from; line < to; ++line) {
    const CountLine l = cursor.At(line);
    if (l.q + l.f + l.r + l.o + l.s == 0) continue;
    const std::string where = Where(cursor.Name(), line) + "chapter " + std::to_string(l.chapter) +
                              " verse " + std::to_string(l.verse) + " has questions, but ";
    if (!m.TakesPart(l.chapter)) {
      return where + "the limited-chapter copy leaves chapter " + std::to_string(l.chapter) +
             " out";
    }
    return where + "the verse table ends chapter " + std::to_string(l.chapter) + " at verse " +
           std::to_string(m.EVS[l.chapter]);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CountChapterSectors(Run& run, const std::vector<SectorSpan>& sectors) {
  RunState& st = run.st;
  CountCursor cursor;
  if (auto refusal = cursor.Open(run)) return refusal;
  const ChapterMaterial m = ChapterMaterial::Of(st);
  ClearSectorTable(st);
  int next = CountLineOf(st.BCHAP, st.BVER);  // the first line no sector has taken yet
  for (int s = 1; s <= static_cast<int>(sectors.size()); ++s) {
    const SectorSpan& span = sectors[static_cast<std::size_t>(s - 1)];
    const int first = CountLineOf(span.first.chapter, span.first.verse);
    if (auto refusal = QuestionsBetween(m, cursor, next, first)) return refusal;
    st.BC[s] = static_cast<std::uint8_t>(span.first.chapter);
    st.BV[s] = static_cast<std::uint8_t>(span.first.verse);
    st.EC[s] = static_cast<std::uint8_t>(span.last.chapter);
    st.EV[s] = static_cast<std::uint8_t>(span.last.verse);
    // Each sector is read from its own first line, so whatever lies between
    // two sectors (the rest of a chapter, the chapters the limited-chapter
    // copy leaves out) is passed over; across chapters every slot of the
    // chapters in between is read.
    st.S = s;
    cursor.SeekVerse(span.first.chapter, span.first.verse);
    const int last = CountLineOf(span.last.chapter, span.last.verse);
    while (cursor.Line() <= last) READ11(st, cursor);
    next = std::max(next, last + 1);
  }
  if (auto refusal = QuestionsBetween(m, cursor, next, CountLineOf(st.ECHAP, st.EVER) + 1)) {
    return refusal;
  }
  SaveSectorCounts(st);
  return std::nullopt;
}

bool CHAPSEC(Run& run) {
  RunState& st = run.st;
  const ChapterMaterial m = ChapterMaterial::Of(st);
  st.CS.Fill(0);
  bool first_visit = true;
  for (;;) {
    if (!BeginChapterScreen(run, m)) return false;
    if (first_visit) {
      DistributeSectors(m, st.SECTORS, st.CS);
      first_visit = false;
    }
    EditChapterCounts(run, m);
    if (auto refusal = CountChapterSectors(run, CutByChapter(m, st.CS))) {
      console::CLR(run.con);
      run.con.Write("  " + *refusal);
      WaitForEnter(run.con);
      return false;
    }
    if (ShowChapterResult(run)) break;
  }
  st.RES = false;
  return true;
}

}  // namespace packets::material

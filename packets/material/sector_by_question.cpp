#include "packets/material/sector_by_question.h"

#include "packets/material/count_file.h"
#include "packets/material/material.h"
#include "packets/material/sector_recount.h"

namespace packets::material {

namespace {

/// One row of the size adjustment: for a fraction of at least `from`,
/// `add_all` adds one to sectors 1 to n - 1; then sectors 1, 1 + step,
/// 1 + 2 step, ... up to (n - 1) div `bound_div` * `bound_mul` get `each`.
struct SizeRule {
  double from;
  bool add_all;
  int step;
  int bound_div;
  int bound_mul;
  int each;
};

constexpr SizeRule kSizeRules[] = {
    {0.875, true, 7, 8, 8, -1}, {0.75, true, 4, 4, 4, -1}, {0.5, false, 2, 2, 2, 1},
    {0.333, false, 3, 3, 3, 1}, {0.25, false, 4, 4, 3, 1}, {0.125, false, 8, 8, 8, 1},
};

constexpr const char* kByQuestionNotice =
    "  The material will be sectored by individual questions.";

/// The walk, one regular question at a time over the verse slots of the
/// material in count-file line order: a sector closes on the verse where it
/// has received its planned size (QPS) and the next one opens there, or on
/// the next verse holding a question when that verse has none left. Sets
/// BC, BV of every sector and EC, EV of all but the last.
void CutByQuestions(RunState& st) {
  const int n = st.SECTORS;
  const int last = CountLineOf(st.ECHAP, st.EVER);
  int line = CountLineOf(st.BCHAP, st.BVER);
  auto questions = [&](int l) { return int{st.QCOUNT((l - 1) / VMAX + 1, (l - 1) % VMAX + 1)}; };
  auto mark = [](Table<std::uint8_t, SCMAX>& chapter, Table<std::uint8_t, SCMAX>& verse, int s,
                 int l) {
    chapter[s] = static_cast<std::uint8_t>((l - 1) / VMAX + 1);
    verse[s] = static_cast<std::uint8_t>((l - 1) % VMAX + 1);
  };
  // Moves to the next verse of the material that holds a regular question;
  // false (standing still) when none is left.
  auto next_with_questions = [&]() {
    for (int l = line + 1; l <= last; ++l) {
      if (questions(l) > 0) {
        line = l;
        return true;
      }
    }
    return false;
  };

  int s = 1;
  mark(st.BC, st.BV, 1, line);  // sector 1 begins at the material's first verse
  int left = questions(line);
  int taken = 0;  // questions the open sector has received
  bool more = left > 0 || next_with_questions();
  if (left == 0) left = questions(line);
  while (s < n && more) {
    --left;
    ++taken;
    if (taken >= st.QPS[s]) {
      mark(st.EC, st.EV, s, line);
      ++s;
      taken = 0;
      mark(st.BC, st.BV, s, line);
    }
    if (left == 0) {
      more = next_with_questions();
      if (!more) break;
      left = questions(line);
      if (taken == 0) mark(st.BC, st.BV, s, line);
    }
  }
  // Sectors the walk could not reach (only when the sizes ask for more
  // questions than the material holds) begin where it stopped.
  for (int r = s + 1; r <= n; ++r) {
    mark(st.BC, st.BV, r, line);
    mark(st.EC, st.EV, r - 1, line);
  }
}

}  // namespace

std::array<int, SCMAX + 1> QuestionSectorSizes(int t, int n) {
  CheckIndex("sectors", n, SCMAX);
  std::array<int, SCMAX + 1> size{};
  const int b = t / n;
  for (int s = 1; s < n; ++s) size[static_cast<std::size_t>(s)] = b;
  const double f = static_cast<double>(t) / n - b;
  int added = 0;
  for (const SizeRule& rule : kSizeRules) {
    if (f < rule.from) continue;
    if (rule.add_all) {
      for (int s = 1; s < n; ++s) ++size[static_cast<std::size_t>(s)];
      added += n - 1;
    }
    const int bound = (n - 1) / rule.bound_div * rule.bound_mul;
    for (int s = 1; s <= bound; s += rule.step) {
      size[static_cast<std::size_t>(s)] += rule.each;
      added += rule.each;
    }
    break;
  }
  size[static_cast<std::size_t>(n)] = t - b * (n - 1) - added;
  return size;
}

void RESECTOR(Run& run) {
  RunState& st = run.st;
  const int n = st.SECTORS;
  CheckIndex("SECTORS", n, SCMAX);
  st.RESEC = 1;
  st.MINQZ = st.TQUEST / n;
  run.con.WriteLn();
  run.con.GotoXY(1, 6);
  run.con.Write(kByQuestionNotice);
  Say(run, kByQuestionNotice);
  run.con.ReadLine();
  run.con.GotoXY(1, 6);
  run.con.ClrEol();
  run.con.GotoXY(1, 5);

  ClearSectorTable(st);
  ClearSectorCounts(st);
  const auto size = QuestionSectorSizes(st.TQUEST, n);
  for (int s = 1; s <= n; ++s) st.QPS[s] = size[static_cast<std::size_t>(s)];

  CutByQuestions(st);
  st.EC[n] = static_cast<std::uint8_t>(st.ECHAP);
  st.EV[n] = static_cast<std::uint8_t>(st.EVER);
  RecountSectors(st, /*regular_too=*/false);
}

}  // namespace packets::material

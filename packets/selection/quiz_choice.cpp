// One quiz: the regular pool restarted on its schedule, the specialty
// places chosen in order of scarcity (and approved, in approval mode), the
// regular places, the interrogative share, the texts and the quiz's block
// of the usage record.
#include <algorithm>
#include <string>

#include "packets/output/output.h"
#include "packets/run/run_notes.h"
#include "packets/run/season.h"
#include "packets/selection/approval.h"
#include "packets/selection/choosers.h"
#include "packets/selection/selection.h"

namespace packets::selection {

namespace {

constexpr int kApprove = 1;  // V: the user approves each combination

/// The regular pool starts again after quiz MINQZ1, then every
/// MINQZ1 - 1 quizzes; every regular question of every sector is
/// available again. With a season history, sector by sector: a sector
/// whose questions so far are used up brings back those of the next
/// oldest run, one with nothing held back starts again whole, any other
/// keeps what it still offers.
void RestartRegularPool(Run& run) {
  RunState& st = run.st;
  if (st.Q2 <= st.MINQZ) return;
  Message(run, "  **Out of Regular Questions...Using Repeats beginning quiz " +
                   std::to_string(st.Q2) + "**");
  st.MINQZ = st.MINQZ + st.MINQZ1 - 1;
  if (!season::On(st)) {
    st.REGQUESTION.Fill(1);
    for (int s = 1; s <= SCMAX; ++s) st.QPS[s] = st.TQPS[s];
  } else {
    for (int s = 1; s <= SCMAX; ++s) {
      if (season::AllBack(st.season.REG, s)) {
        for (int k = 1; k <= st.REGQUESTION.Count(s); ++k) st.REGQUESTION(s, k) = 1;
        st.QPS[s] = st.TQPS[s];
      } else if (st.QPS[s] <= 0 || season::Available(st.REGQUESTION, s, st.TQPS[s]) == 0) {
        st.QPS[s] = season::BringBack(st.season.REG, st.REGQUESTION, s, st.TQPS[s]);
      }
    }
  }
  notes::AppendNote(run, notes::RegularRepeats(st.Q2));
}

}  // namespace

void UndoSpecialtyPicks(RunState& st) {
  for (int i = 1; i <= st.SECTORS; ++i) {
    const SpecialtyKind* kind = KindOf(PlaceKind(st, i));
    const int s = st.SECTOR[i];
    if (!kind || s < 1 || s > SCMAX) continue;
    st.FLAG[s] = 1;
    // After a restart of the kind's pool in this pass every count is at
    // its total and every flag set: a pick made before the restart then
    // gives back nothing.
    auto& remaining = st.*kind->remaining;
    remaining[s] = std::min(remaining[s] + 1, (st.*kind->total)[s]);
    (st.*kind->flags)(s, st.NUMBER[i]) = 1;
  }
}

namespace {

/// One pass over the specialty places, in the kinds' order, with every
/// sector free at its start.
void SpecialtyPass(Run& run, const SpecialtyOrder& order) {
  RunState& st = run.st;
  st.SECOND = 0;
  for (int s = 1; s <= SCMAX; ++s) st.FLAG[s] = 1;
  for (int i = 1; i <= SCMAX; ++i) {
    st.SECTOR[i] = 99;
    st.NUMBER[i] = 0;
  }
  run.con.GotoXY(3, 3);
  run.con.ClrEol();
  run.con.Write("Choosing Quiz " + std::to_string(st.Q2));
  run.con.WriteLn();
  run.con.WriteLn();
  st.TYP = st.PAT[st.Q2];
  st.LAST = st.LASTO = 99;
  for (const SpecialtyKind* kind : order.kinds) FindPlaces(run, *kind);
  st.SECTORS = st.SECTORS2;
  st.TYP = st.PAT[st.Q2];
  st.LAST = st.LASTO = 99;
}

/// The texts of the regular places, by their own sector and number.
void FetchRegularTexts(RunState& st) {
  for (int i = 1; i <= st.SECTORS; ++i) {
    if (PlaceKind(st, i) != 'n') continue;
    st.NUMBER[i] = st.RNUMBER[i];
    CONVERT2(st, i);
    st.ALL[i] = st.REGLINE(st.RSECTOR[i], st.RNUMBER[i]).substr(0, LMAX);
  }
}

}  // namespace

void CHOOSESPEC(Run& run) {
  RunState& st = run.st;
  for (int i = 1; i <= SCMAX; ++i) {
    st.ALL[i].clear();
    st.ALL2[i] = " ";
    st.SECTOR[i] = 99;
    st.NUMBER[i] = 0;
    st.RSECTOR[i] = 99;
    st.RNUMBER[i] = 0;
  }
  RestartRegularPool(run);
  st.TYP = st.PAT[st.Q2];
  const SpecialtyOrder order = PriorityOrder(st);

  for (;;) {
    SpecialtyPass(run, order);
    if (st.V != kApprove) break;
    const Answer answer = AskApproval(run);
    if (answer == Answer::kEsc) {
      st.EN = true;
      return;
    }
    if (answer == Answer::kAccept) break;
    UndoSpecialtyPicks(st);
  }

  // The regular places.
  int regular = 0;
  for (int i = 1; i <= st.SECTORS; ++i) regular += PlaceKind(st, i) == 'n' ? 1 : 0;
  st.INUM = regular * st.IPC / 100;
  if (st.V == kApprove) {
    run.con.WriteLn("  Choosing Regular Questions for Quiz " + std::to_string(st.Q2));
  }
  st.ITOT = 0;
  st.FIXLAST = st.FIX;
  for (int C1 = 1; C1 <= st.SECTORS; ++C1) {
    if (PlaceKind(st, C1) == 'n') CHOOSEQUE(run, C1);
  }
  CorrectInterrogatives(run);
  FetchRegularTexts(st);
  output::WriteUsageBlock(run);
  st.SECTORS = st.SECTORS2;
  st.TYP = st.PAT[st.Q2];
  st.LAST = st.LASTO = 99;
}

}  // namespace packets::selection

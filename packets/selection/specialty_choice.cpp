// The specialty choosers: a sector and a question of the place's kind,
// drawn at random among the free sectors that still hold the kind; the
// kind's pool restarted when it is used up there; FTV types varied.
#include <string>

#include "packets/run/run_notes.h"
#include "packets/run/season.h"
#include "packets/selection/choosers.h"

namespace packets::selection {

namespace {

constexpr int kDrawsBeforeExhaustion = 3000;
constexpr int kNoSector = 31;  // no preferred sector
constexpr int kVarietyLimit = 29;

/// True when sector s has nothing left of the kind to draw for place-free
/// use: no remaining count, or no available question beyond those already
/// serving places of the kind in the quiz in hand.
bool UsedUp(const RunState& st, const SpecialtyKind& kind, int s) {
  if ((st.*kind.remaining)[s] <= 0) return true;
  const auto& flags = st.*kind.flags;
  int serving = 0;
  for (int i = 1; i <= st.SECTORS; ++i) {
    const int k = st.NUMBER[i];
    if (st.SECTOR[i] == s && k >= 1 && k <= flags.Count(s) && PlaceKind(st, i) == kind.letter &&
        flags(s, k) == 1) {
      ++serving;
    }
  }
  return season::Available(flags, s, (st.*kind.total)[s]) <= serving;
}

/// The kind's pool starts again. With a season history, sector by sector:
/// a sector whose questions so far are used up brings back those of the
/// next oldest run; a sector with nothing held back any more starts again
/// whole, as without a history; any other keeps what it still offers.
void RestartPool(RunState& st, const SpecialtyKind& kind) {
  auto& flags = st.*kind.flags;
  auto& remaining = st.*kind.remaining;
  const auto& total = st.*kind.total;
  if (!season::On(st)) {
    flags.Fill(1);
    for (int s = 1; s <= SCMAX; ++s) remaining[s] = total[s];
    return;
  }
  SeasonKind& ages = st.season.*kind.season;
  for (int s = 1; s <= SCMAX; ++s) {
    if (season::AllBack(ages, s)) {
      for (int k = 1; k <= flags.Count(s); ++k) flags(s, k) = 1;
      remaining[s] = total[s];
    } else if (UsedUp(st, kind, s)) {
      remaining[s] = season::BringBack(ages, flags, s, total[s]);
    }
  }
}

/// The kind is used up in the free sectors: its pool starts again, with
/// the message and (first time in the call) the run note; the second time
/// in a call every sector of the quiz is free again.
void Exhaust(Run& run, const SpecialtyKind& kind, int& C7) {
  RunState& st = run.st;
  console::Console& con = run.con;
  if (kind.line_end_first) con.WriteLn();
  if (C7 == 0 || kind.ftv) {
    Message(run, kind.message + std::to_string(st.Q2));
  } else {
    NextMessageRow(run);
  }
  if (C7 == 0) notes::AppendNote(run, kind.note(st.Q2));
  ++C7;
  st.*kind.repeat_quiz = st.*kind.repeat_period + st.Q2;
  if (C7 > 1) {
    REPEATSECTOR(run);
    for (int s = 1; s <= st.SECTORS; ++s) st.FLAG[s] = 1;
  }
  con.GotoXY(3, 3);
  con.ClrEol();
  con.Write("Choosing Quiz " + std::to_string(st.Q2));
  con.WriteLn();
  con.WriteLn();
  RestartPool(st, kind);
}

/// The sector that a second place of the kind prefers: the highest one
/// holding more than a third of the kind's remaining questions, unless the
/// first place of the kind took it.
int PreferredSector(const RunState& st, const SpecialtyKind& kind) {
  if (!kind.preferred || st.SECOND != 2) return kNoSector;
  const auto& remaining = st.*kind.remaining;
  int quest = 0;
  for (int s = 1; s <= st.SECTORS; ++s) quest += remaining[s];
  int C4 = kNoSector;
  for (int s = 1; s <= st.SECTORS; ++s) {
    if (quest / 3 < remaining[s]) C4 = s;
  }
  return C4 == st.*kind.last ? kNoSector : C4;
}

/// A question of the kind in sector s for place C1, or 0 when s is taken,
/// holds none of the kind any more or none that may be drawn.
int TryDraw(Run& run, const SpecialtyKind& kind, int s, int C1) {
  RunState& st = run.st;
  if (st.FLAG[s] != 1 || (st.*kind.remaining)[s] <= 0) return 0;
  return DrawQuestion(run, st.*kind.flags, (st.*kind.total)[s], kind.letter, s, C1);
}

struct Pick {
  int S = 0;
  int NUM = 0;
};

/// A sector and a question in it: sectors drawn until one yields a
/// question, the pool restarted after every 3000 fruitless draws; then the
/// preferred sector, when it yields one.
Pick Draw(Run& run, const SpecialtyKind& kind, int C1, int& C7) {
  RunState& st = run.st;
  const int C4 = PreferredSector(st, kind);
  Pick p;
  int C2 = 0;
  bool first = true;
  for (;;) {
    ++C2;
    p.S = run.rng(st.SECTORS) + 1;
    const bool scheduled = kind.ftv && first && st.Q2 > st.FQUIZ && st.Q2 > 3;
    first = false;
    if (C2 > kDrawsBeforeExhaustion || scheduled) {
      // Once the pool has restarted and every sector is free again, a
      // fruitless round can only be bad luck: take the first sector that
      // yields a question, counting on from the last one drawn.
      if (C7 >= 2 && !scheduled) {
        for (int tries = 0; tries < st.SECTORS && p.NUM == 0; ++tries) {
          p.S = (p.S % st.SECTORS) + 1;
          p.NUM = TryDraw(run, kind, p.S, C1);
        }
        if (p.NUM != 0) break;
      }
      Exhaust(run, kind, C7);
      C2 = 0;
    }
    p.NUM = TryDraw(run, kind, p.S, C1);
    if (p.NUM != 0) break;
  }
  if (C4 != kNoSector) {
    if (int n = TryDraw(run, kind, C4, C1)) p = Pick{C4, n};
  }
  return p;
}

/// FTV type variety: true when the candidate's type repeats one of the
/// last FTV types of the run too soon.
bool VarietyRejects(const RunState& st, char FTCC, int FTC) {
  if (FTC >= kVarietyLimit) return false;
  return FTCC == st.FTC2 || (FTCC == st.FTC3 && FTC < 14) || (FTCC == st.FTC4 && FTC < 4);
}

}  // namespace

void ChooseSpecialty(Run& run, const SpecialtyKind& kind, int C1) {
  RunState& st = run.st;
  auto& remaining = st.*kind.remaining;
  auto& flags = st.*kind.flags;
  int C7 = 0;   // exhaustions in this call
  int FTC = 0;  // FTV candidates rejected in this call
  Pick p;
  for (;;) {
    p = Draw(run, kind, C1, C7);
    // Take it.
    st.SECTOR[C1] = p.S;
    st.FLAG[p.S] = 0;
    if (run.rng(100) >= st.REPEATPCT) flags(p.S, p.NUM) = 0;
    st.NUMBER[C1] = p.NUM;
    remaining[p.S] -= 1;
    const int last_before = st.*kind.last;
    st.*kind.last = p.S;
    if (!kind.ftv) break;
    st.FTCC = static_cast<char>(st.FTYPE(p.S, p.NUM));
    if (!VarietyRejects(st, st.FTCC, FTC)) {
      if (FTC >= kVarietyLimit) FTC = 30;
      st.FTC4 = st.FTC3;
      st.FTC3 = st.FTC2;
      st.FTC2 = st.FTCC;
      break;
    }
    // Put the candidate back and choose again.
    st.*kind.last = last_before;
    ++FTC;
    st.FLAG[p.S] = 1;
    flags(p.S, p.NUM) = 1;
    remaining[p.S] += 1;
    st.SECTOR[C1] = 99;
    st.NUMBER[C1] = 0;
  }
  const std::string& line = (st.*kind.lines)(p.S, p.NUM);
  CONVERT2(st, C1);
  st.ALL[C1] = line.substr(0, LMAX);
  if (kind.two_pieces) st.ALL2[C1] = line.size() > LMAX ? line.substr(LMAX, LMAX) : "";
}

void CHOOSEREF(Run& run, int C1) {
  ChooseSpecialty(run, kCvRef, C1);
}
void CHOOSEONLY(Run& run, int C1) {
  ChooseSpecialty(run, kCoRef, C1);
}
void CHOOSESIT(Run& run, int C1) {
  ChooseSpecialty(run, kSit, C1);
}
void CHOOSEFIN(Run& run, int C1) {
  ChooseSpecialty(run, kFtv, C1);
}

void FINDSET(RunState& st) {
  st.SECOND = 0;
  st.LAST = 99;
  st.LASTO = 99;
  st.TYP = st.PAT[st.Q2];
}

void FindPlaces(Run& run, const SpecialtyKind& kind) {
  RunState& st = run.st;
  for (int C1 = 1; C1 <= st.SECTORS; ++C1) {
    if (PlaceKind(st, C1) != kind.letter) continue;
    ++st.SECOND;
    ChooseSpecialty(run, kind, C1);
  }
  FINDSET(st);
}

SpecialtyOrder PriorityOrder(const RunState& st) {
  // Slack of each kind: sectors still holding it, less the places asking
  // for it. In the order F, S, R, O.
  const SpecialtyKind* const kinds[4] = {&kFtv, &kSit, &kCvRef, &kCoRef};
  int slack[4];
  for (int j = 0; j < 4; ++j) {
    int sectors = 0, places = 0;
    for (int s = 1; s <= st.SECTORS; ++s) {
      if ((st.*kinds[j]->remaining)[s] > 0) ++sectors;
      if (PlaceKind(st, s) == kinds[j]->letter) ++places;
    }
    slack[j] = sectors - places;
  }
  auto least = [&](int j) {
    for (int other = 0; other < 4; ++other) {
      if (slack[j] > slack[other]) return false;
    }
    return true;
  };
  // PRIORITY1 tests F, S, R, then takes O; PRIORITY2 tests F, S, O, then
  // takes R.
  int p1 = 3;
  for (int j : {0, 1, 2}) {
    if (least(j)) {
      p1 = j;
      break;
    }
  }
  slack[p1] = 200;
  int p2 = 2;
  for (int j : {0, 1, 3}) {
    if (j != p1 && least(j)) {
      p2 = j;
      break;
    }
  }
  SpecialtyOrder order{};
  int n = 0;
  order.kinds[n++] = kinds[p1];
  if (p2 != p1) order.kinds[n++] = kinds[p2];
  for (int j : {1, 0, 2, 3}) {  // SIT, FTV, CV Ref, CO Ref
    if (j != p1 && j != p2) order.kinds[n++] = kinds[j];
  }
  return order;
}

}  // namespace packets::selection

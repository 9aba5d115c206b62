// The regular places of a quiz: a free sector far from the neighbours'
// sectors, a question still available in it, and the share of
// interrogative questions held to the style's percentage.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "packets/run/run_notes.h"
#include "packets/run/season.h"
#include "packets/selection/choosers.h"

namespace packets::selection {

namespace {

constexpr int kSpreadDraws = 20;
constexpr int kSpreadThresholds[] = {5, 4, 3, 2, 1};
constexpr int kRechoiceLimit = 32000;

/// The sector of place i as a neighbour: 0 beyond places 1 and 30.
int Neighbour(const RunState& st, int i) {
  return i < 1 || i > SCMAX ? 0 : st.SECTOR[i];
}

/// A sector's regular questions are all used: they become available again,
/// announced as a repeat in the quiz. With a season history those of the
/// oldest run not yet brought back come first, and this run's own only
/// when no earlier run's are held back any more.
void RestartSector(Run& run, int s) {
  RunState& st = run.st;
  if (season::On(st) && !season::AllBack(st.season.REG, s)) {
    st.QPS[s] = season::BringBack(st.season.REG, st.REGQUESTION, s, st.TQPS[s]);
  } else {
    for (int k = 1; k <= st.REGQUESTION.Count(s); ++k) st.REGQUESTION(s, k) = 1;
    st.QPS[s] = st.TQPS[s];
  }
  NextMessageRow(run);
  REPEATSECTOR(run);
}

/// The entries equal to 1 in eight flags read as one word: the high bit
/// of each such byte set, every other bit clear. Exact for any byte value.
std::uint64_t OnesMask(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t x = word ^ kOnes;  // the bytes that were 1 are now 0
  return ~(((x & kLow7) + kLow7) | x | kLow7);
}

/// How many high bits a mask of OnesMask holds (one per byte at most).
int CountMask(std::uint64_t mask) {
  return static_cast<int>(((mask >> 7) * 0x0101010101010101ull) >> 56);
}

std::uint64_t Word(const Flag* p) {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

/// How many of the flags are 1: eight at a time, a sector holds hundreds.
int CountAvailable(std::span<const Flag> flags) {
  std::size_t k = 0;
  int count = 0;
  for (; k + 8 <= flags.size(); k += 8) count += CountMask(OnesMask(Word(&flags[k])));
  for (; k < flags.size(); ++k) count += flags[k] == 1 ? 1 : 0;
  return count;
}

/// The number (from 1) of the flag that is the n-th 1 (n from 0), or 0.
int NthAvailable(std::span<const Flag> flags, int n) {
  std::size_t k = 0;
  for (; k + 8 <= flags.size(); k += 8) {
    const int here = CountMask(OnesMask(Word(&flags[k])));
    if (n >= here) {
      n -= here;
      continue;
    }
    break;
  }
  for (; k < flags.size(); ++k) {
    if (flags[k] == 1 && n-- == 0) return static_cast<int>(k) + 1;
  }
  return 0;
}

}  // namespace

int DrawQuestion(Run& run, const SectorTable<Flag, SCMAX>& flags, int total, char letter, int s,
                 int place) {
  const RunState& st = run.st;
  if (total < 1) return 0;
  (void)flags(s, total);  // a total beyond the sector's table is an internal error
  const std::span<const Flag> sector = flags.Row(s);
  auto row = [&](int k) { return sector[static_cast<std::size_t>(k - 1)]; };
  // Numbers of this sector serving other places of the kind in the quiz,
  // each once.
  int used[SCMAX];
  int nused = 0;
  for (int i = 1; i <= st.SECTORS; ++i) {
    const int k = st.NUMBER[i];
    if (i == place || st.SECTOR[i] != s || k < 1 || PlaceKind(st, i) != letter) continue;
    if (std::find(used, used + nused, k) == used + nused) used[nused++] = k;
  }
  // They are left out only while the sector holds another question.
  int excluded = 0;  // used numbers within the sector still available
  int in_range = 0;  // used numbers within the sector
  for (int j = 0; j < nused; ++j) {
    if (used[j] > total) continue;
    ++in_range;
    excluded += row(used[j]) == 1 ? 1 : 0;
  }
  if (in_range == total) excluded = 0, nused = 0;
  const std::span<const Flag> available = sector.first(static_cast<std::size_t>(total));
  const int count = CountAvailable(available) - excluded;
  if (count <= 0) return 0;
  // The pick-th available question, counting from the first.
  int pick = run.rng(count);
  if (excluded == 0) return NthAvailable(available, pick);
  for (int k = 1; k <= total; ++k) {
    if (row(k) != 1 || std::find(used, used + nused, k) != used + nused) continue;
    if (pick-- == 0) return k;
  }
  return 0;
}

void CONVERT2(RunState& st, int C1) {
  st.RLBK[C1] = 'M';
  st.BKNAME = "Matt";
}

SectorDraw CHOOSES(Run& run, int C1) {
  RunState& st = run.st;
  SectorDraw d{};
  int free_sectors[SCMAX];
  int free = 0;
  for (int s = 1; s <= st.SECTORS; ++s) {
    if (st.FLAG[s] == 1) free_sectors[free++] = s;
  }
  if (free == 1) {
    d.S = free_sectors[0];
    d.only_one = true;
  } else if (free > 1) {
    // Each free sector equally likely: what drawing sectors until a free
    // one comes up chooses, without the draws that miss.
    d.S = free_sectors[run.rng(free)];
  } else {
    d.S = run.rng(st.SECTORS) + 1;
    d.gave_up = true;
  }
  if (d.gave_up) {
    // No free sector: the last one drawn serves a second place.
    st.FIX = st.Q2;
    if (st.FIX > st.FIXLAST) {
      notes::AppendNote(run, notes::SectorsRepeatQuest(C1, st.Q2));
      Message(run, "  << Sectors repeat Quiz " + std::to_string(st.Q2) + " **Check this quiz** >>");
      run.con.WriteLn();
    }
  }
  st.SECTOR[C1] = d.S;
  d.LDIF = std::abs(Neighbour(st, C1 - 1) - d.S);
  d.NDIF = std::abs(Neighbour(st, C1 + 1) - d.S);
  return d;
}

void CHOOSEQUE(Run& run, int C1) {
  RunState& st = run.st;
  // Spread: a sector more than 5 away from both neighbours' sectors if 20
  // draws find one, else more than 4, ... 1; else one more draw as it comes.
  // With no choice of sector (one free, or none) there is nothing to spread.
  // A distance that no free sector keeps from both neighbours cannot be met
  // by any of its 20 draws, so they are not made.
  const int left = Neighbour(st, C1 - 1);
  const int right = Neighbour(st, C1 + 1);
  auto reachable = [&](int threshold) {
    for (int s = 1; s <= st.SECTORS; ++s) {
      if (st.FLAG[s] == 1 && std::abs(left - s) > threshold && std::abs(right - s) > threshold) {
        return true;
      }
    }
    return false;
  };
  int free = 0;
  for (int s = 1; s <= st.SECTORS; ++s) free += st.FLAG[s] == 1 ? 1 : 0;
  SectorDraw d{};
  bool spread = free <= 1;
  if (spread) d = CHOOSES(run, C1);
  for (int threshold : kSpreadThresholds) {
    if (spread) break;
    if (!reachable(threshold)) continue;
    for (int n = 0; n < kSpreadDraws && !spread; ++n) {
      d = CHOOSES(run, C1);
      spread = d.LDIF > threshold && d.NDIF > threshold;
    }
  }
  if (!spread) d = CHOOSES(run, C1);
  const int S = d.S;
  int NUM = DrawQuestion(run, st.REGQUESTION, st.TQPS[S], 'n', S, C1);
  // A restart that brings back only older questions may bring back none
  // this place can take; the last restart brings back every question.
  while (NUM == 0) {
    RestartSector(run, S);
    NUM = DrawQuestion(run, st.REGQUESTION, st.TQPS[S], 'n', S, C1);
  }
  st.FLAG[S] = 0;
  if (run.rng(100) >= st.REPEATPCT && !d.gave_up) st.REGQUESTION(S, NUM) = 0;
  if (st.INTIDX && st.INT(S, NUM) == 1) ++st.ITOT;
  st.RNUMBER[C1] = NUM;
  st.RSECTOR[C1] = S;
  st.NUMBER[C1] = NUM;
  st.QPS[S] -= 1;
}

namespace {

/// One phase of the correction: re-choose regular places whose question is
/// interrogative (too_many) or not (too few) until ITOT reaches INUM.
/// Abandons after 32000 re-choices, or at once when no place can help.
void CorrectionPhase(Run& run, bool too_many) {
  RunState& st = run.st;
  int C12 = 0;
  while (too_many ? st.ITOT > st.INUM : st.ITOT < st.INUM) {
    int places[SCMAX];
    int n = 0;
    for (int i = 1; i <= st.SECTORS; ++i) {
      if (PlaceKind(st, i) != 'n') continue;
      const bool interrogative = st.INT(st.RSECTOR[i], st.RNUMBER[i]) == 1;
      if (interrogative == too_many) places[n++] = i;
    }
    if (n == 0 || C12 >= kRechoiceLimit) {
      Message(run, too_many ? "  **Some Sectors are out of Noninterrogative questions**"
                            : "  **Some Sectors are out of Interrogative questions**");
      st.ABAND3 = true;
      st.ABAND = st.Q2;
      st.OLDIPC = st.IPC;
      Message(run, "  **Abandoning " + std::to_string(st.IPC) + " Percent interrogatives on quiz " +
                       std::to_string(st.Q2) + "**");
      notes::AppendNote(run, notes::Abandoning(st.IPC, st.Q2));
      st.IPC = 50;
      st.ITOT = st.INUM;
      return;
    }
    // A place drawn evenly among those that can help; its question goes
    // back to the pool and the place is chosen afresh.
    const int C1 = places[run.rng(n)];
    const int S = st.RSECTOR[C1];
    const int NUM = st.RNUMBER[C1];
    if (too_many) --st.ITOT;
    st.QPS[S] = std::min(st.QPS[S] + 1, st.TQPS[S]);
    st.FLAG[S] = 1;
    st.REGQUESTION(S, NUM) = 1;
    CHOOSEQUE(run, C1);
    ++C12;
  }
}

}  // namespace

void CorrectInterrogatives(Run& run) {
  RunState& st = run.st;
  if (st.IPC == 50 || !st.INTIDX) return;
  CorrectionPhase(run, true);
  if (st.IPC != 50) CorrectionPhase(run, false);
}

}  // namespace packets::selection

// The availability of one kind of question under a season history: a
// sector offers first the questions no earlier run of the season used;
// when they are gone, the questions whose latest use is the oldest run,
// then the next oldest, and only at the end every question, this run's
// own included, as a run without a history does from the start.
#pragma once

#include "packets/run/run_state.h"

namespace packets::season {

/// True when the run keeps a season history.
inline bool On(const RunState& st) {
  return !st.season.FILE.empty();
}

/// How many of the first `total` flags of sector s are 1.
int Available(const SectorTable<Flag, SCMAX>& flags, int s, int total);

/// The start of the run in sector s: only the questions of the level the
/// sector starts on are available (its fresh ones, or, when every one was
/// used before, those of the oldest run that used them). Returns how many.
int StartSector(SeasonKind& kind, SectorTable<Flag, SCMAX>& flags, int s, int total);

/// True when sector s holds no question of an earlier run that is still
/// held back: a restart then makes every question available again.
bool AllBack(const SeasonKind& kind, int s);

/// Brings back, in sector s, the questions whose latest use is the oldest
/// run not yet brought back. Returns how many questions are available in
/// the sector afterwards.
int BringBack(SeasonKind& kind, SectorTable<Flag, SCMAX>& flags, int s, int total);

}  // namespace packets::season

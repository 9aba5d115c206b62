// Every question of the material in exactly one sector. The walks of the
// sectorings decide where sectors begin and end; the counts of a sector are
// then taken from every verse it covers, so that a verse the walk passed
// over (a run of verses without regular questions, the rest of a chapter
// after a jump, verses after the material's last verse) is neither lost nor
// counted twice.
#pragma once

#include "packets/run/run_state.h"

namespace packets::material {

/// Zeroes the five per-sector counts and their T copies in all 30 slots.
void ClearSectorCounts(RunState& st);

/// Recounts sectors 1 to SECTORS from the per-verse tables. Sector s covers
/// the verse slots from its begin verse (BC, BV; sector 1 from BCHAP:BVER)
/// up to the slot before the next sector's begin verse, the last sector up
/// to ECHAP:EVER; a verse on which one sector ends and the next begins
/// belongs to the first. With `regular_too` QPS is recounted as well,
/// otherwise it keeps the planned sizes. Slots above SECTORS become zero,
/// and the T copies take the counts of all 30 slots.
void RecountSectors(RunState& st, bool regular_too);

}  // namespace packets::material

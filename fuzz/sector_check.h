// The promises every sectoring makes about the sector table it leaves,
// checked the same way by every fuzz target that sectors a material.
#pragma once

#include <functional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "packets/run/run_state.h"

namespace fuzz {

/// Questions of the five kinds.
struct Totals {
  long q = 0, f = 0, r = 0, o = 0, s = 0;
  bool operator==(const Totals&) const = default;
  std::string Text() const;
};

/// The questions on the verse slots for which `takes(chapter, verse)` holds.
Totals SumSlots(const packets::RunState& st, const std::function<bool(int, int)>& takes);
/// The questions on the verse slots of the material, BCHAP:BVER to
/// ECHAP:EVER, every slot of the chapters between included.
Totals SumMaterial(const packets::RunState& st);
/// The counts of sectors 1 to SECTORS.
Totals SumSectors(const packets::RunState& st);

/// Checks the bounds of sectors 1 to SECTORS: within the book, each ending
/// at or after its beginning, each beginning at or after the end of the one
/// before, the first at BCHAP:BVER and the last ending at ECHAP:EVER; every
/// count not negative, and the slots above SECTORS empty. `how` names the
/// sectoring in the message of a broken promise.
void CheckSectorTable(const packets::RunState& st, const std::string& how);

/// Sectors the material as the run driver does after the index was read
/// (with TQUEST at least SECTORS): by verse, falling back on sectoring by
/// question, when SEC1 is "V"; by question when "Q"; by chapter, on the
/// chapter screen with the keys already scripted, when "C". Then checks the
/// table, and that the sectors together hold every question of the
/// material (the regular ones as planned, when sectored by question).
/// False when no sector table stands: the chapter screen sent the run back
/// to the title, or the keys scripted for it ran out.
bool SectorAndCheck(RunBundle& b);

}  // namespace fuzz

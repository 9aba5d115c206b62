// The sector table as the user sees it: three headings and one line per
// pair of sectors, the left column listing the first half of the sectors.
#pragma once

#include <string>

#include "packets/run/run_state.h"

namespace packets::material {

/// The three heading lines of the sector table, 77 characters each.
extern const char* const kSectorHeadings[3];

/// Sector line r of a table of st.SECTORS sectors: sector r in the left
/// half (38 characters) and, when there is one, sector r + H in the right
/// half (39 characters), H = (SECTORS + 1) div 2. Counts wider than their
/// field widen it.
std::string SectorLine(const RunState& st, int r);

}  // namespace packets::material

// Sectoring by chapter (CHAPSEC): the user says how many sectors each
// chapter of the material gives; a chapter given 0 is grouped with the
// chapters after it up to the next one with a count. The chapters (or
// groups) are cut into runs of verses of nearly equal length, the questions
// of each sector are counted from the count file, and the sector table is
// shown with the size of the smallest sector until the user accepts it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "packets/material/chapter_cut.h"
#include "packets/run/run.h"

namespace packets::material {

/// Sectoring by chapter, a new run's first call: clears CS, lets the user
/// set the counts (coming back to the list on Esc from the result with the
/// counts as entered) and leaves the sector table, QMAX, SECTORS, SECTORS2,
/// the T copies and MINQZ set, with RES false. Returns false when the run
/// must go back to the title: the material holds fewer verses than
/// questions per quiz, or the count file was refused.
bool CHAPSEC(Run& run);

/// Fills the sector table from `sectors`: bounds, the five counts of each
/// sector added up from the count file with READ11, and their T copies;
/// every slot after the last sector is left at zero. Returns a refusal in
/// words when the count file is not a sound count file, or when it has
/// questions on a verse of the material that no sector takes (beyond a
/// chapter's last verse in the verse table, or in a chapter the
/// limited-chapter copy leaves out).
std::optional<std::string> CountChapterSectors(Run& run, const std::vector<SectorSpan>& sectors);

}  // namespace packets::material

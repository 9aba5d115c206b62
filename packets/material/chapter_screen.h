// The screen of sectoring by chapter: the raise of the sector count, the
// list of chapters with the sectors asked for each, its keys, and the check
// of the counts before they are cut.
//
// The list: position p (1 to n = ECHAP - BCHAP + 1) is chapter BCHAP + p - 1,
// "Matt cc: kkk" at (3, p + 4) for p up to 17 and at (40, p - 13) after.
// In the limited-chapter copy chapters 6 to 25 have no line, so the list
// has a gap. The cursor stands on the two-column count field.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "console/console.h"
#include "packets/run/run.h"
#include "packets/material/chapter_cut.h"

namespace packets::material {

/// Where a position of the list is written and where its count field is.
struct ListSpot {
  int x = 0;
  int y = 0;
  int field = 0;  // column of the two-column count field, on row y
};

/// The place of list position `p`.
ListSpot SpotOf(int p);

/// The position one step up (-1) or down (+1) from `p`, wrapping from 1 to
/// n and from n to 1, and passing over chapters that take no part.
int StepPosition(const ChapterMaterial& m, int p, int direction);

/// Start of every visit: clears the screen, sets SECTORS from QMAX and,
/// when more chapters take part than there are sectors, raises QMAX,
/// SECTORS and SECTORS2 to their number with a message and waits for Enter.
/// Returns false, after saying so and waiting for Enter, when the material
/// holds fewer verses than sectors (no counts could ever be cut).
bool BeginChapterScreen(Run& run, const ChapterMaterial& m);

/// Writes the heading and the list, then edits the counts in st.CS until
/// Enter finds counts that can be cut.
void EditChapterCounts(Run& run, const ChapterMaterial& m);

/// The check of Enter: nothing when the counts add up to `sectors` and each
/// chapter or group has at least as many verses as sectors; otherwise the
/// two message lines for (40, 20) and (40, 21), padded with blanks.
std::optional<std::pair<std::string, std::string>> CheckChapterCounts(const ChapterMaterial& m,
                                                                      const ChapterCounts& cs,
                                                                      int sectors);

/// Waits for Enter (a line read that shows nothing typed).
void WaitForEnter(console::Console& con);

}  // namespace packets::material

// The corrections the configuration screen makes to a typed value, and the
// rules of the book fields: pure functions of the style record and the
// verse table.
#pragma once

#include "packets/run/run_state.h"
#include "packets/styles/styles.h"

namespace packets::styles {

/// The primary FTV percentage nearest above `v` for which an FTV pool file
/// is made (every value up to 56 becomes 59, above 100 becomes 100).
int PRIM(int v);

/// The verses of a chapter from the verse table `EVS`; a chapter outside 1
/// to 28 (a hand-edited style) is read as the nearest chapter.
int ChapterVerses(const RunState& st, int chapter);

/// Stores the value `typed` into field `f` of the record, corrected as the
/// screen corrects it; the begin or end verse follows its chapter.
void CorrectEntry(Field f, int typed, StyleRecord& rec, const RunState& st);

/// A key on the Begin book field: the begin verse is kept inside its chapter.
void SETBBK(StyleRecord& rec, const RunState& st);

/// A key on the End book field: with the limited material ("L") an end
/// chapter outside it becomes 5, verse 48; the end verse is kept inside its
/// chapter.
void SETEBK(StyleRecord& rec, const RunState& st);

}  // namespace packets::styles

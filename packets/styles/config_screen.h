// The configuration screen: the one-page editor of the loaded style.
#pragma once

#include <string>

#include "console/console.h"
#include "packets/run/run.h"

namespace packets::styles {

enum class Edit { kAccepted, kAbandoned };

/// Lets the user edit a copy of the style record and style name `NAME1`.
/// kAccepted (Enter on the title line, the copy passing the whole check of
/// a style) stores the copy in the run state, to be saved; kAbandoned (Esc
/// on the title line) leaves the run state as it was, nothing to be saved.
/// The verse table `EVS` must be filled.
Edit EditStyle(Run& run);

/// Draws the screen with the values of `rec` and the style name `name1`.
void OVRLAY(console::Console& con, const StyleRecord& rec, const std::string& name1);

/// The title line highlighted (white on green): the record passes.
void QCON(console::Console& con);
/// The title line as drawn (yellow on blue).
void QCON2(console::Console& con);

}  // namespace packets::styles

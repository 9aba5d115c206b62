// The hand-setting screen: the specialty positions of a style fixed by hand
// in its type template.
#pragma once

#include <string>

#include "console/console.h"
#include "packets/run/run.h"
#include "packets/styles/pattern.h"

namespace packets::styles {

/// The hand-setting screen's texts.
inline constexpr const char* kHandSetTitle = "                                Set Specialty Types";
inline constexpr const char* kHandSetDone = "    Press Enter when Finished";
inline constexpr int kHandSetSlotRow = 12;

/// Blanks before the window's first position on the rulers and slots.
int HandSetMargin(int first, int last);

/// The hand-setting screen over the template of `settings`, tidied first:
/// F, R, O and S put letters in the window's slots up to each kind's
/// maximum, Space empties a slot, Left and Right move; Enter ends it once
/// `SPMAX` specialties are placed. Returns the template set.
std::string HandSet(console::Console& con, const PatternSettings& settings);

/// Runs the hand-setting screen on the style being saved and keeps the
/// template it sets in the style's `TYP`.
void SETSPEC(Run& run);

}  // namespace packets::styles

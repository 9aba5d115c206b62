// The style phase around the menu: the verse table of the configuration
// screen, saving an accepted style, and what is shared with the run driver.
#pragma once

#include "packets/run/run.h"

namespace packets::styles {

/// The verses of each chapter of Matthew, chapters 1 to 28.
inline constexpr int kVerseCounts[CHMAX] = {25, 23, 17, 25, 48, 34, 29, 34, 38, 42, 30, 50, 58, 36,
                                            39, 28, 27, 35, 30, 34, 46, 45, 39, 51, 46, 75, 66, 20};

/// Fills the verse table `EVS` for the configuration screen.
void SETVS(RunState& st);

/// Copies the settings the style module shares with the run driver
/// (`NAME4`, `REGLST`, `SEC1`, `PRIMPCT`, `SETSPC`) out of the style record.
void ShareStyleFields(RunState& st);

/// Saves the accepted style `NAME1`: fixes its type template, writes its
/// style file, adds a new name to the style list (never "New"), and hands
/// the name over in "temp2.txt".
void OUTFILE(Run& run);

/// Tells the user that the style file of `NAME1` is missing and waits for
/// Enter.
void ReportMissingStyle(Run& run);

}  // namespace packets::styles

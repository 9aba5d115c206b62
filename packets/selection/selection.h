// Question selection: fills every quiz with one question per sector, the
// specialty places first in order of scarcity, then the regular places
// spread over distant sectors, with repeat control, the interrogative
// share and, in approval mode, the user's approval of each quiz's
// specialty combination. Writes each quiz's block of the usage record and
// the run notes of its events.
#pragma once

#include <optional>
#include <string>

#include "packets/run/run.h"

namespace packets::selection {

/// Gets a run ready for its quizzes: reads the material's lines of every
/// question data file it needs once (REGLINE, FINLINE, REFLINE, ONLYLINE,
/// SITLINE), checks every quiz's pattern against the material, notes
/// whether the interrogative index was built (IPC not 50) and starts FIX
/// and FIXLAST afresh. Refusal in words for a file that ends before the
/// index says, a pattern place of no known kind or of a kind the material
/// lacks, and a sector without regular questions.
std::optional<std::string> PrepareSelection(Run& run);

/// `FINTYPES`: the FTV type of every FTV question of the material, from
/// its line's 9th character ("R" for a "VR" code); a line too short reads
/// a blank.
void FINTYPES(Run& run);

/// `CHOOSESPEC`: fills quiz Q2 (SECTOR, NUMBER, RLBK, ALL, ALL2 of every
/// place) and writes its block of the usage record. Returns with EN set,
/// having written nothing of the quiz, when the user pressed Esc at the
/// approval question.
void CHOOSESPEC(Run& run);

}  // namespace packets::selection

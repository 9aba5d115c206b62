// The four specialty kinds as their chooser sees them: each kind's tables
// in the run state and its own texts, one row per kind.
#pragma once

#include <string>

#include "packets/run/run_state.h"

namespace packets::selection {

struct SpecialtyKind {
  char letter;                                       // in a pattern: R, O, S, F
  Table<int, SCMAX> RunState::*remaining;            // RPS, OPS, SPS, FPS
  Table<int, SCMAX> RunState::*total;                // TRPS, TOPS, TSPS, TFPS
  SectorTable<Flag, SCMAX> RunState::*flags;         // REFERENCE, ONLY, SITUATION, FINISH
  SectorTable<std::string, SCMAX> RunState::*lines;  // REFLINE, ONLYLINE, SITLINE, FINLINE
  int RunState::*repeat_quiz;                        // RQUIZ, OQUIZ, SQUIZ, FQUIZ
  int RunState::*repeat_period;                      // RQUIZ1, OQUIZ1, SQUIZ1, FQUIZ1
  int RunState::*last;                               // LAST for CV Ref, else LASTO
  bool preferred;                 // a second place of the kind prefers a well-stocked sector
  bool two_pieces;                // the text runs on into ALL2
  bool line_end_first;            // a line end at the cursor before an exhaustion message
  bool ftv;                       // scheduled restart, a message at every exhaustion, type variety
  const char* message;            // shown at an exhaustion, the quiz number follows
  std::string (*note)(int quiz);  // the run note of the first exhaustion of a call
  const char* name;               // in refusals
  SeasonKind SeasonState::*season;  // REF, ONLY, SIT, FIN
};

extern const SpecialtyKind kCvRef;
extern const SpecialtyKind kCoRef;
extern const SpecialtyKind kSit;
extern const SpecialtyKind kFtv;

/// The kind of a pattern letter; nullptr for "n" and anything else.
const SpecialtyKind* KindOf(char letter);

/// The kind letter of place i of the quiz in hand (TYP); a blank beyond
/// the pattern's end.
inline char PlaceKind(const RunState& st, int i) {
  return i >= 1 && i <= static_cast<int>(st.TYP.size()) ? st.TYP[static_cast<std::size_t>(i - 1)]
                                                        : ' ';
}

}  // namespace packets::selection

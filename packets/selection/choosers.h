// The choosers that fill one place of the quiz in hand, and the pieces of
// a quiz that CHOOSESPEC puts together. Each works on the run state alone.
#pragma once

#include "packets/run/run.h"
#include "packets/selection/kinds.h"

namespace packets::selection {

// ------------------------------------------------------------ specialty places

/// `CHOOSEREF`, `CHOOSEONLY`, `CHOOSESIT`, `CHOOSEFIN`: fill place C1 with a
/// question of their kind: SECTOR[C1], NUMBER[C1], ALL[C1] (and
/// ALL2[C1] for SIT and FTV), RLBK[C1]; the sector is taken (FLAG) and the
/// kind's remaining count and availability are updated. A kind used up in
/// the free sectors restarts its pool; a second time in the same call the
/// quiz's sectors are freed again (REPEATSECTOR).
void CHOOSEREF(Run& run, int C1);
void CHOOSEONLY(Run& run, int C1);
void CHOOSESIT(Run& run, int C1);
void CHOOSEFIN(Run& run, int C1);
/// The chooser of `kind`, for place C1.
void ChooseSpecialty(Run& run, const SpecialtyKind& kind, int C1);

/// `FINDREFS`, `FINDONLYS`, `FINDSITS`, `FINDFTVS`: every place of their kind
/// in TYP, in place order, counted in SECOND; then FINDSET.
void FindPlaces(Run& run, const SpecialtyKind& kind);
/// `FINDSET`: SECOND 0, LAST and LASTO 99, TYP from PAT[Q2].
void FINDSET(RunState& st);

/// A rejected combination: every specialty pick of the pass goes back to
/// its kind (remaining count, availability flag, sector flag), each by its
/// own place's sector and number; a remaining count never goes above its
/// total, so a pick that the kind's restart already gave back is not given
/// back twice.
void UndoSpecialtyPicks(RunState& st);

/// The order in which the specialty kinds are chosen for the quiz in hand:
/// PRIORITY1, PRIORITY2, then the others in the order SIT, FTV, CV Ref,
/// CO Ref.
struct SpecialtyOrder {
  const SpecialtyKind* kinds[4];
};
SpecialtyOrder PriorityOrder(const RunState& st);

// ------------------------------------------------------------ regular places

/// A sector drawn by CHOOSES for place C1.
struct SectorDraw {
  int S;          // the sector
  int LDIF;       // its distance from the sector of place C1 - 1 (0 before place 1)
  int NDIF;       // its distance from the sector of place C1 + 1 (0 after place 30)
  bool gave_up;   // no free sector: S is taken already
  bool only_one;  // S was the only free sector
};
/// `CHOOSES`: a free sector for place C1, into SECTOR[C1]. When no sector
/// is free the quiz must use one twice: reported in the run notes and the
/// message area.
SectorDraw CHOOSES(Run& run, int C1);
/// `CHOOSEQUE`: the regular question of place C1, from a sector far from its
/// neighbours' sectors: RSECTOR, RNUMBER, NUMBER and SECTOR of C1; ITOT
/// counts it when it is interrogative.
void CHOOSEQUE(Run& run, int C1);
/// The interrogative correction of the quiz in hand: re-chooses regular
/// places until ITOT = INUM, or gives the percentage up for the rest of the
/// run. Only when IPC is not 50 and the interrogative index was built.
void CorrectInterrogatives(Run& run);
/// `CONVERT2`: book letter "M" of place C1 and book name "Matt".
void CONVERT2(RunState& st, int C1);

/// Candidate questions of sector s for place `place` of kind `letter`:
/// those whose availability flag is 1 and that serve no other place of the
/// quiz; when every question of the sector serves the quiz already, those
/// whose flag is 1. Returns one of them drawn evenly, or 0 when there is
/// none.
int DrawQuestion(Run& run, const SectorTable<Flag, SCMAX>& flags, int total, char letter, int s,
                 int place);

}  // namespace packets::selection

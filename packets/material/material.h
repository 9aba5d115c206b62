// The material phases of a run of `packets`, as the run driver calls them:
// the question index (counted from the question files and kept in the count
// file), its totals, sectoring by verse and by individual questions, the
// sector table, the interrogative index and the repeat announcement.
//
// A phase that meets input it cannot use (a reference outside the book, a
// malformed count file, a question file shorter than the index says)
// returns a refusal in words naming the file and the line; the run driver
// shows it and goes back to the title. A missing file or a number that
// cannot be read still ends the program with runtime error 2 or 106.
#pragma once

#include <optional>
#include <string>

#include "packets/material/count_file.h"
#include "packets/run/run.h"
#include "packets/run/run_notes.h"
#include "packets/run/run_state.h"

namespace packets::material {

// ------------------------------------------------------------ question index

/// Reads the verse table "VERSES.TXT" into EVS: the first number on line c
/// is the last verse of chapter c. Refusal when a value is outside 1 to 80
/// (a line without a number counts as 0).
std::optional<std::string> ReadVerseTable(Run& run);

/// Counts the questions of the five question files (st.F3 regular, F4 FTV,
/// F5 CV Ref, F6 CO Ref, F7 SIT; each read once) per chapter and verse into
/// QCOUNT, FCOUNT, RCOUNT, OCOUNT, SCOUNT and writes the count file st.F11
/// in the working directory (replacing it whole; st.F11DIR is cleared so
/// that ReadIndex reads this one). Empty lines at the end of a file count
/// nothing.
/// Refusal (and no count file written) for a chapter outside 1 to 28, a
/// verse outside 1 to 80, a question out of verse order, an empty line
/// among the questions, or more than 255 questions of one kind on a verse.
std::optional<std::string> BuildIndex(Run& run);

/// Reads the count file (where it was found) back into the five per-verse
/// tables and works out the before-material totals (BEFORE, FBEFORE,
/// RBEFORE, OBEFORE, SBEFORE, with TEMPS as BCOUNT leaves it) and the
/// material totals (TQUEST, FQUEST, RQUEST, OQUEST, SQUEST). Refusal for a
/// malformed count file (see CountCursor::Open), material bounds outside
/// the book, or a number of sectors (st.SECTORS) outside 1 to 30.
std::optional<std::string> ReadIndex(Run& run);

/// `BCOUNT`: adds the five counts of verse (st.CH, st.V) to BEFORE, FBEFORE,
/// SBEFORE, RBEFORE, OBEFORE, then copies SBEFORE into TEMPS.
void BCOUNT(RunState& st);
/// `TCOUNT`: adds the five counts of verse (st.CH, st.V) to TQUEST, FQUEST,
/// RQUEST, OQUEST, SQUEST.
void TCOUNT(RunState& st);
/// `SPECOUNT`: adds the FTV, CV Ref, CO Ref and SIT counts of verse
/// (st.X, st.Y) to sector st.S of FPS, RPS, OPS, SPS; QPS is not touched.
void SPECOUNT(RunState& st);

// ------------------------------------------------------------ sectoring

/// Sectoring by verse into st.SECTORS sectors: fills BC, BV, EC, EV and the
/// five per-sector counts (each sector counting every verse it covers, so
/// that every question of the material lies in exactly one sector), their T
/// copies, zero above SECTORS, MINQZ, and sets RESEC to 0. Returns false
/// when no cut fits (the driver then calls RESECTOR).
bool SectorByVerse(Run& run);

/// `RESECTOR`: sectoring by individual questions. Shows "  The material
/// will be sectored by individual questions." on row 6, waits for Enter
/// (a line read), clears row 6 and leaves the cursor at (1, 5); fills the
/// sector table as SectorByVerse does, with the planned sizes as regular
/// counts (a verse's questions may be split between two sectors; its
/// specialty questions stay with the first); MINQZ = TQUEST div SECTORS;
/// RESEC = 1. Works from the per-verse tables that ReadIndex filled.
void RESECTOR(Run& run);

/// `DISPLAY`: closes the last sector at ECHAP:EVER, writes the sector table
/// at the cursor (empty line, three headings, one line per pair of sectors,
/// empty line) and sets RQUEST, FQUEST, OQUEST, SQUEST to the sums of RPS,
/// FPS, OPS, SPS over all 30 slots. Reads no keys.
void DISPLAY(Run& run);

// ------------------------------------------------------------ interrogatives

/// `COUNTINT`: writes "Creating index of interrogatives..." at (3, 3),
/// skips BEFORE lines of the regular question file st.F3 and marks, for
/// every sector s and every k from 1 to QPS[s], whether the k-th regular
/// question of s is interrogative; INT's row of s is sized to QPS[s].
/// Refusal when the file ends before BEFORE + the sum of QPS lines.
std::optional<std::string> COUNTINT(Run& run);

}  // namespace packets::material

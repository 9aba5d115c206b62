// A run of the season: the run's questions found in the season history
// before the first quiz, the places every quiz used, the figures of the run
// and, once the run is complete, its questions added to the history.
#pragma once

#include <string>
#include <vector>

#include "packets/history/history.h"
#include "packets/run/run.h"

namespace packets::history {

/// Finds the material's questions of every kind in the history: their
/// ages (latest use) and whole records, sector by sector as the sector
/// counts stand (QPS, FPS, RPS, OPS, SPS). A record that no data file holds
/// any more is simply not found.
void Match(Run& run, const History& h);

/// MINQZ counts the fresh supply: no more than the questions a sector that
/// holds questions of earlier runs offers at the start of the run.
void LowerMinqz(RunState& st);

/// Before the first quiz: Match, then every kind's availability flags and
/// remaining counts sector by sector from the ages, and MINQZ lowered.
void Start(Run& run, const History& h);

/// Once the run notes are started: a kind of which some sector offers, from
/// the first quiz on, only questions of earlier runs repeats from quiz 1,
/// noted as a restart of the kind is.
void NoteStartRepeats(Run& run);

/// After quiz Q2 was filled: its places, for the record of the run.
void NoteQuiz(RunState& st);

struct Figures {
  int avoided = 0;   // questions of earlier runs (of the kinds the run drew) not used again
  int returned = 0;  // questions of earlier runs the run had to use again
};
Figures Count(const RunState& st);

/// The history's lines for the questions of the run, made at `when`.
std::vector<std::string> RunLines(const RunState& st, const std::string& when);

/// The run is complete: its questions are added to the history's file
/// (replaced all at once). Returns the lines the closing screen shows below
/// its text: the figures, and, when the file could not be written, that the
/// history was not updated (st.season.unwritten is then set).
std::vector<std::string> Record(Run& run, const History& h, const std::string& now);

}  // namespace packets::history

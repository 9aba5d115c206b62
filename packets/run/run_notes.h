// The run notes "temp.txt": one line per event of the run (a pool that had
// to restart, a sector used twice, an interrogative share given up). They
// are copied to the end of the usage record when the run ends. Every text
// of a note line lives here, so that the phases that write notes and the
// tests that read them agree byte for byte.
#pragma once

#include <string>
#include <string_view>

#include "packets/run/run.h"

namespace packets::notes {

/// "Regular Question Repeats begin quiz Q": the regular pool restarted.
std::string RegularRepeats(int quiz);
/// "CV Repeats begin quiz Q": the CV Ref pool restarted.
std::string CvRepeats(int quiz);
/// "CO repeats begin quiz Q": the CO Ref pool restarted.
std::string CoRepeats(int quiz);
/// "Situation Repeats begin quiz Q": the SIT pool restarted.
std::string SitRepeats(int quiz);
/// "FTV Repeats begin quiz Q": the FTV pool restarted.
std::string FtvRepeats(int quiz);
/// "Sectors or Questions repeated in quiz Q": the quiz's sectors were freed
/// again so that one sector serves two places.
std::string SectorsRepeated(int quiz);
/// "Sectors repeat Quest P Quiz Q": place P had to take a sector already
/// used in the quiz.
std::string SectorsRepeatQuest(int place, int quiz);
/// "Abandoning N Percent interrogatives on quiz Q".
std::string Abandoning(int percent, int quiz);

/// "Season history: A questions of earlier runs avoided, B had to come
/// back": what the season history kept out of the run and let back in.
std::string SeasonFigures(int avoided, int returned);

/// Appends one line to the run notes (st.F9).
void AppendNote(Run& run, std::string_view line);

}  // namespace packets::notes

namespace packets {

/// `REPEATSECTOR`: on message row st.RSET (clearing the area first when it
/// is 24), "  Sectors or questions will be repeated in quiz " + Q2 at
/// column 3, and the note SectorsRepeated(Q2). The caller advances RSET
/// before, and marks every sector free again (FLAG) after.
void REPEATSECTOR(Run& run);

}  // namespace packets

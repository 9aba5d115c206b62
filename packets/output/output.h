// Packet output: the packet file (".qui") in the page, card and tab layouts,
// and the quiz blocks of the usage record (".inf").
//
// The heart is pure: a filled quiz and the few style settings it is printed
// with go in, bytes come out. OPUT and WriteUsageBlock only gather those
// inputs from the run state and append the bytes to their files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "packets/run/run.h"

namespace packets::output {

/// One filled place of a quiz.
struct Place {
  char kind = 'n';   // "n" regular, "F" FTV, "R" CV Ref, "O" CO Ref, "S" SIT
  int sector = 0;    // the sector that served the place
  int number = 0;    // the question's number within that sector
  char book = 'M';   // book letter of the printed reference (RLBK)
  std::string all;   // the question record, at most its first 254 characters
  std::string all2;  // FTV and SIT: characters 255 to 508 of the record; else " "
};

/// A quiz as it is printed: its number and its places, place 1 first.
struct Quiz {
  int number = 1;             // Q2
  std::vector<Place> places;  // SECTORS entries
};

/// The style settings the packet file is printed with.
struct Settings {
  char OUT = 'P';  // "P"/"p" page, "C"/"c" card, anything else tab
  int AB = 30;     // places above AB are printed without their number
  int LPP = 60;    // lines per page (page layout)
  int BCHAP = 1, BVER = 1, ECHAP = 28, EVER = 20;  // the material
  std::string NAME;                                // the run's style name (from "temp2.txt")
};

/// The bytes one quiz appends to the packet file, in the layout of s.OUT.
std::string PacketBytes(const Settings& s, const Quiz& quiz);

/// The usage record's heading line of a quiz, without its line end:
/// "  Que Sec Num    Verse  Type  Question" ... "Quiz " Q.
std::string UsageHeading(int quiz);
/// One listing line of the usage record (and of the approval screen), for
/// place `place` of a quiz, without its line end.
std::string ListingLine(int place, const Place& p);
/// The whole 33-line block of a quiz in the usage record, CR LF line ends.
std::string UsageBlock(const Quiz& quiz);

/// The quiz in hand (Q2, SECTORS places with PAT[Q2], SECTOR, NUMBER, RLBK,
/// ALL, ALL2) as the run state holds it.
Quiz GatherQuiz(const RunState& st);
/// The settings of the run (OUT, AB, LPP, the material, STYLENAME).
Settings GatherSettings(const RunState& st);

/// `OPUT`: appends the quiz in hand to the packet file (st.F8).
void OPUT(Run& run);
/// Appends the quiz in hand's block to the usage record (st.F10), whole.
void WriteUsageBlock(Run& run);

/// After the last quiz: the packet OPUT wrote this run (st.PACKET) as the
/// print-ready NAME4.pdf, written beside and renamed into place. When it
/// cannot be written, why, in words (the packet file and the usage record
/// are left as they are). A run that completed no quiz leaves no PDF.
std::optional<std::string> WritePacketPdf(Run& run);

}  // namespace packets::output

// The patterns of a run: drawn for every quiz, shown for review with
// reshuffling, and handed to the run driver in the pattern file.
#pragma once

#include <string>

#include "packets/run/run.h"

namespace packets::styles {

/// The review screen's texts.
inline constexpr const char* kReshuffleLine =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
inline constexpr const char* kRuler = "            5   10   15   20   25   30            ";
inline constexpr const char* kSecondRuler = "5   10   15   20   25   30";
inline constexpr const char* kAcceptLine = " Press Enter to accept all patterns";

/// Quizzes on one page of the review screen, and on one column of a page.
inline constexpr int kQuizzesPerPage = 30;
inline constexpr int kQuizzesPerColumn = 15;

/// Where slot s (1 to 30) of a review page is drawn: column, row.
struct SlotPlace {
  int x, y;
};
SlotPlace SlotAt(int s);

/// Review screen: the patterns `PAT` of quizzes 1 to `QNUM`, 30 to a page;
/// Space draws the marked quiz's pattern again, Enter or Esc accepts a page.
void WRITESPECS(Run& run);

/// Draws a pattern for every quiz (the run driver's settings), shows them
/// for review and writes them to the pattern file "pat.txt", one per line.
void SPEC2(Run& run);

}  // namespace packets::styles

// The three layouts of one quiz in the packet file; PacketBytes chooses
// among them by OUT.
#pragma once

#include <string>

#include "packets/output/output.h"

namespace packets::output {

/// Page layout: heading, one block per question, page breaks by LPP, and a
/// form feed after the last question (no line end).
std::string PageQuiz(const Settings& s, const Quiz& quiz);
/// The page layout's quiz heading line, 78 characters for quizzes below
/// 1000 and names of at most 14 characters; no line end.
std::string PageHeadingLine(const Settings& s, int quiz);

/// Card layout: an 18-line heading card, then one card per question filled
/// to a multiple of 18 lines.
std::string CardQuiz(const Settings& s, const Quiz& quiz);

/// Tab layout: a heading, the column line, one line per question with TABs
/// between the columns, and "<pb>".
std::string TabQuiz(const Settings& s, const Quiz& quiz);

}  // namespace packets::output

// What a question writer can get wrong in a database that passes every
// formatting check, but that spoils a quiz: verses a chapter does not have,
// a question entered twice, FTV openings that do not tell their verses
// apart, texts that break what the packet layouts expect of them, and
// texts longer than their records keep. Each is a warning on one line of
// the database, in words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "databuild/check.h"
#include "databuild/question_line.h"
#include "databuild/verse_table.h"

namespace databuild {

/// Every warning about `lines` (the lines that passed their section's
/// checks, in line order), sorted by line. The verse check is made only
/// when `verses` is given.
std::vector<Problem> FindWarnings(const std::vector<QuestionLine>& lines, const VerseTable* verses);

/// The first five words of an FTV text as the page layout prints them:
/// every blank or tab ends a word, each word is followed by "...", and the
/// full stops and commas in them are left out ("Blessed...are...the...").
std::string FtvOpening(std::string_view text);

/// A question text with what does not make it another question set aside:
/// letter case, runs of blanks and tabs, blanks at either end and the
/// punctuation at its end.
std::string SameQuestionKey(std::string_view text);
/// The same into `out`, whose buffer serves from one line to the next.
void SameQuestionKey(std::string_view text, std::string& out);

}  // namespace databuild

// `databuild --stats`: how many questions of each kind the database holds
// on every chapter, so that a question writer sees where questions are
// missing.
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "databuild/check.h"
#include "databuild/verse_table.h"

namespace databuild {

/// The kinds the table counts, in its column order: regular questions by
/// set letter, FTV, CV Ref, CO Ref and SIT.
enum class Kind { kSetA, kSetB, kSetC, kFtv, kCv, kCo, kSit };
inline constexpr int kKinds = 7;

/// Questions of each kind on each chapter: count[chapter - 1][kind]. A
/// reference line marked both ways counts as a CV Ref and a CO Ref question.
struct Coverage {
  std::array<std::array<int, kKinds>, kChapters> count{};
  int At(int chapter, Kind kind) const {
    return count[static_cast<std::size_t>(chapter - 1)][static_cast<std::size_t>(kind)];
  }
};

/// Counts the question lines that passed their checks.
Coverage CountCoverage(const std::vector<QuestionLine>& good);

/// The table, 80 columns wide at most: a row per chapter beginning with its
/// number, a column per kind, the chapter's verses and its questions per
/// verse (these two only with a verse table); a total row; empty cells
/// marked "*" and listed under the table.
std::string CoverageTable(const Coverage& coverage, const VerseTable* verses);

/// `text` broken at blanks into lines of `width` columns at most (a word
/// wider than that stands alone), each ended by a line end.
std::string Wrapped(std::string_view text, std::size_t width = 80);

/// `databuild --stats [FILE]`: prints the table of FILE (found as
/// `databuild --check` finds it) on `out`. Returns 0; 1 when there is no
/// such file or the database has formatting faults (their lines are not
/// counted). Writes nothing to disk.
int StatsCommand(const std::optional<std::string>& file, std::ostream& out, std::ostream& err,
                 const CommandSettings& settings = {});

}  // namespace databuild

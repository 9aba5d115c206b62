// The season history: a plain text file, one line for every question a
// completed run of the season used. A line holds, separated by tabs, when
// the run was made, its output name, the quiz and place, the question's
// kind letter and, last, the question's whole data line, which may hold
// tabs of its own: everything after the fifth tab is the record. The file
// is read and checked whole before a run uses it, and replaced all at once.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "console/text_file.h"

namespace packets::history {

/// The kind letters of a line, in the order of the history's tables.
inline constexpr std::string_view kKinds = "nFROS";

/// One line of the history: one question used by one completed run.
struct Line {
  std::string_view when;    // "YYYY-MM-DD HH:MM:SS"
  std::string_view name;    // the run's output name
  std::string_view record;  // the question's whole data line
  std::int16_t quiz = 0;    // 1..150
  std::int16_t place = 0;   // 1..30
  char kind = 'n';          // n F R O S
  int run = 0;              // index of its run in History::runs
  /// The line as it stands in the file.
  std::string_view Raw() const {
    return {when.data(), static_cast<std::size_t>(record.data() + record.size() - when.data())};
  }
};

/// The lines of one run: consecutive lines with the same time and name.
struct RecordedRun {
  std::string_view when;
  std::string_view name;
  int first = 0;    // index of its first line
  int lines = 0;    // questions recorded
  int quizzes = 0;  // distinct quiz numbers
  int rank = 0;     // 1 the oldest run of the history
};

/// A history as read from its file. The lines view into `text`.
struct History {
  std::string file;  // as named on the command line
  /// The file as read, held apart so that moving the history keeps the views.
  std::unique_ptr<console::TextReader> text;
  /// The file's lines as they stand, line ends included, when every line
  /// ends in CR LF: written back in one piece.
  std::string_view whole;
  std::vector<Line> lines;
  std::vector<RecordedRun> runs;
  /// Per kind (kKinds order): each record's latest use, as a run rank.
  std::array<std::unordered_map<std::string_view, int>, 5> latest;
};

/// Checks one line (without its line end); the words of the refusal, or
/// nothing when it parses.
std::optional<std::string> ParseLine(std::string_view text, Line& line);
/// The same, where `checked_time` is a time already found good.
std::optional<std::string> ParseLine(std::string_view text, Line& line,
                                     std::string_view checked_time);

/// Reads and checks `file` into `h`; a file that does not exist is an empty
/// history. A line that does not parse is refused as "FILE, line N: ...".
std::optional<std::string> Read(const console::WorkDir& dir, const std::string& file, History& h);

/// The check of Read alone, keeping nothing: the refusal Read would give.
std::optional<std::string> Check(const console::WorkDir& dir, const std::string& file);

/// The line for one question, without its line end.
std::string FormatLine(std::string_view when, std::string_view name, int quiz, int place, char kind,
                       std::string_view record);

/// The time of a run made now: the local time as "YYYY-MM-DD HH:MM:SS", or,
/// when the history already holds a run at or after it, one second after
/// its latest run, so that a new run is always the newest.
std::string NewRunTime(const History& h, std::string_view now);
/// The local time as a history writes it.
std::string Now();

/// Replaces the history's file by its lines (those for which `keep` holds)
/// followed by `added`, written beside it and renamed over it. Runtime
/// error when it cannot be written; the file is then as it was.
void Write(const console::WorkDir& dir, const History& h, std::span<const std::string> added,
           const std::vector<bool>* keep = nullptr);

/// `--list`: one line per run: time, output name, quizzes, questions.
std::vector<std::string> ListRuns(const History& h);

/// `--forget NAME`: removes every line of the runs named NAME (without
/// regard to letter case); returns how many lines went. The file is only
/// rewritten when there was something to remove.
int Forget(const console::WorkDir& dir, const History& h, std::string_view name);

/// `packets --history FILE --list`: the runs on `out`; a refusal on `err`.
/// Returns the exit code (0 done, 1 refused).
int ListCommand(const console::WorkDir& dir, const std::string& file, std::ostream& out,
                std::ostream& err);
/// `packets --history FILE --forget NAME`: says on `out` how many lines went.
/// Returns the exit code (0 done, 1 refused or not written).
int ForgetCommand(const console::WorkDir& dir, const std::string& file, const std::string& name,
                  std::ostream& out, std::ostream& err);

}  // namespace packets::history

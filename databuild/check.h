// Checking the question database without installing anything: every line
// of every section is read and checked as the builder reads it, and every
// fault is listed, not only the first.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "databuild/database.h"
#include "databuild/question_line.h"

namespace databuild {

/// One fault of the database: the number of its line (counted from 1, as
/// the builder counts) and what is wrong, in words.
struct Problem {
  int line;
  std::string message;
};

/// A question line of the database and its section.
struct QuestionLine {
  Section section;
  int number;
  std::string_view line;
};

/// The faults of a database, and the question lines that passed every
/// check of their section (in line order), for the checks that look past
/// the format.
struct CheckedDatabase {
  std::vector<Problem> problems;
  std::vector<QuestionLine> good;
};
CheckedDatabase CheckLines(const Database& db);

/// Every fault of `db`, in line order. The checks are the builder's own;
/// after a fault the check goes on where the layout allows: a line's other
/// fields are still checked, the order check carries on from the line that
/// broke the order, and an empty section ends at its separator line.
std::vector<Problem> CheckDatabase(const Database& db);

/// A fault as a compiler reports one: "FILE:LINE: message".
std::string ProblemLine(const std::string& file, const Problem& problem);

/// Where `databuild --check` and `--stats` look for their files.
struct CommandSettings {
  /// The working directory: its "Mat.dsk" when no file is named (a named
  /// file is taken relative to it) and its verse table.
  std::filesystem::path work = ".";
  /// The shipped data, whose verse table serves when the working directory
  /// has none.
  std::filesystem::path shipped;
  /// Warnings count as problems.
  bool strict = false;
};

/// The database FILE ("Mat.dsk" of the working directory when none is
/// given, its name matched without regard to letter case), and the name
/// the messages give it. Nothing when there is no such file, which is then
/// reported in words on `err`.
struct NamedDatabase {
  Database db;
  std::string shown;
};
std::optional<NamedDatabase> LoadNamedDatabase(const std::optional<std::string>& file,
                                               const CommandSettings& settings, std::ostream& err);

/// `databuild --check [FILE]`: lists the formatting faults of the database
/// on `out`, then its warnings (what passes the format but spoils a quiz),
/// each in line order, and a last line "N problems, M warnings". Returns
/// the exit code: 1 when there was a fault (or, with `strict`, a warning)
/// or no such file, otherwise 0. Writes nothing to disk.
int CheckCommand(const std::optional<std::string>& file, std::ostream& out, std::ostream& err,
                 const CommandSettings& settings = {});

}  // namespace databuild

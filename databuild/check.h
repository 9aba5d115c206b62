// Checking the question database without installing anything: every line
// of every section is read and checked as the builder reads it, and every
// fault is listed, not only the first.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "databuild/database.h"

namespace databuild {

/// One fault of the database: the number of its line (counted from 1, as
/// the builder counts) and what is wrong, in words.
struct Problem {
  int line;
  std::string message;
};

/// Every fault of `db`, in line order. The checks are the builder's own;
/// after a fault the check goes on where the layout allows: a line's other
/// fields are still checked, the order check carries on from the line that
/// broke the order, and an empty section ends at its separator line.
std::vector<Problem> CheckDatabase(const Database& db);

/// A fault as a compiler reports one: "FILE:LINE: message".
std::string ProblemLine(const std::string& file, const Problem& problem);

/// `databuild --check [FILE]`: reads FILE ("Mat.dsk" in the working
/// directory when none is given, its name matched without regard to letter
/// case), lists its faults on `out` followed by a summary line, and returns
/// the exit code: 0 when the database is clean, 1 otherwise. Writes
/// nothing to disk. A missing file ends with runtime error 2.
int CheckCommand(const std::optional<std::string>& file, std::ostream& out);

}  // namespace databuild

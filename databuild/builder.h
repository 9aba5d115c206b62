// One run of the data builder: reads the question database "Mat.dsk"
// section by section, checks every line, writes the question data files
// and their limited-chapter copies, counting on the screen as it goes, and
// installs them all once the whole database was good.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/text_file.h"
#include "databuild/build_screen.h"

namespace databuild {

enum class Outcome {
  kInstalled,        // every data file was replaced
  kFormattingError,  // a line failed its checks; no data file was touched
  kEndedEarly,       // the database lacks its fourth separator; nothing touched
};

/// What a build tells a script: each data file installed with its count of
/// questions, in the order they were written (the limited-chapter copies
/// last); or the message about the database that was not accepted.
struct BuildReport {
  std::vector<std::pair<std::string, int>> counts;
  std::string fault;
};

/// Runs the builder in `dir` on `con`: the counting screen, then the
/// confirmation screen (or the message about the database) and its Enter.
/// A missing "Mat.dsk" or a file that cannot be written ends with a
/// console::RuntimeError; the installed files are then as they were.
/// When `report` is given it is filled in as well.
Outcome BuildDataFiles(console::Console& con, const console::WorkDir& dir, const Pace& pace = {},
                       BuildReport* report = nullptr);

}  // namespace databuild

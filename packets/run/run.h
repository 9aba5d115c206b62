// The run context handed to every phase of `packets`: the run state, the
// console, the random generator and the working directory. Phases take it by
// reference; nothing of a run lives anywhere else.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/random.h"
#include "console/text_file.h"
#include "packets/run/run_state.h"

namespace packets {

class AppendFiles;

/// What a run without a terminal tells instead of showing it: the messages
/// its screens would show, a line each, as they come; and, for the end of
/// the run, the files it wrote and further lines (the run notes).
struct Headless {
  std::ostream& says;
  std::vector<std::string> files;
  std::vector<std::string> summary;
};

struct Run {
  RunState& st;
  console::Console& con;
  console::Random& rng;
  const console::WorkDir& dir;
  /// The files kept open while the quizzes are written; none outside that.
  AppendFiles* files = nullptr;
  /// Set for a run without a terminal.
  Headless* headless = nullptr;
};

/// A run without a terminal says `text` on a line of its own, without the
/// blanks that place it on the screen; an interactive run says
/// nothing (its screens show it).
void Say(const Run& run, std::string_view text);

/// Opens the count file (st.F11) for reading where it was found: in the
/// working directory, or in st.F11DIR when that is set.
console::TextReader OpenCountFile(const Run& run);

/// Writes a run message in the message area: one row lower than the last
/// one (from row 5 on, at `column`); when the area is full (row 24) it is
/// cleared and writing starts again on row 5. The row is cleared first.
/// The cursor is left after the message.
void Message(Run& run, std::string_view text, int column = 3);

/// Moves to the next row of the message area (as Message does) without
/// writing; returns the row.
int NextMessageRow(Run& run, int column = 3);

}  // namespace packets

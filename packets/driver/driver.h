// The run driver of `packets`: the title loop, one run per pass, from the
// style menu to the closing screen, until the style menu hands back "Exit".
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "packets/run/run.h"

namespace packets::driver {

/// Reads an environment variable; empty when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string&)>;

/// The process environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

/// The data file names of a run, from the style settings in the run state.
struct FileNames {
  std::string ftv;      // FTV pool file
  std::string count;    // count file
  std::string regular;  // regular question file
  std::string cv;       // CV Ref file
  std::string co;       // CO Ref file
  std::string sit;      // SIT file
  std::string packet;   // NAME4 + ".qui"
  std::string usage;    // NAME4 + ".inf"
};
FileNames BuildFileNames(const RunState& st);

/// The directories of the search path: "Path" when it is set, else PATH,
/// split at ':'.
std::vector<std::string> SearchPath(const Environment& env);

/// The repeat warning: when regular questions will repeat before the last
/// quiz and within the first eleven, says so and (after sectoring by verse)
/// offers sectoring by question.
void RepeatWarning(Run& run);

/// The approval menu; sets V (2 automatic, 1 approve each quiz). False on
/// Esc.
bool ApprovalMenu(Run& run);

/// After the last quiz: the abandoned interrogative percentage, when there
/// was one, and "Quizzes Complete" when any run message was shown; each
/// waits for Enter.
void ClosingMessages(Run& run);

/// After the last quiz: the run notes ("temp.txt") copied line by line to
/// the end of the usage record, each line up to 254 characters; an empty
/// "temp.txt" adds one empty line.
void CopyRunNotes(Run& run);

/// Runs the program from its start (seeding the random generator, resetting
/// the counters kept for the whole program) until "Exit".
void RunPackets(Run& run, const Environment& env = ProcessEnvironment);

/// One pass of the title loop. False when the user chose "Exit".
bool RunOnce(Run& run, const Environment& env);

/// `packets --run STYLE`: one run of the stored style STYLE from its style
/// file to the closing screen, on a console that answers Enter wherever a
/// screen waits (run.con), so that it makes the files of the interactive
/// run in which the user only pressed Enter. What the screens would say goes
/// to `err`, a line each; at the end `out` gets the files written and the
/// run notes. Returns the exit code: 0 when the packet is complete, 1 when
/// the run was refused (the reason on `err`, no packet or usage record
/// begun). Any other input or output error ends it as a console::RuntimeError.
int RunStyle(Run& run, const std::string& style, const Environment& env, std::ostream& out,
             std::ostream& err);

}  // namespace packets::driver

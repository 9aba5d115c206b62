// databuild: installs the question data files from the question database
// "Mat.dsk" in the working directory.
#include <memory>

#include "console/program.h"
#include "console/terminal.h"
#include "databuild/builder.h"

int main() {
  databuild::Outcome outcome = databuild::Outcome::kInstalled;
  const int code = console::RunProgram(
      [&] {
        std::unique_ptr<console::Console> con = console::OpenTerminal();
        databuild::Pace pace;
        // The counters are drawn as they change, at the pace's rate.
        pace.present = [&con] { con->Refresh(); };
        outcome = databuild::BuildDataFiles(*con, console::WorkDir("."), pace);
      },
      console::RestoreTerminal);
  if (code != 0) return code;
  // A database that was not accepted installs nothing: say so to a calling script.
  return outcome == databuild::Outcome::kInstalled ? 0 : 1;
}

// databuild: installs the question data files from the question database
// "Mat.dsk" in the working directory; `databuild --check` only checks it.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/program.h"
#include "console/terminal.h"
#include "databuild/builder.h"
#include "databuild/check.h"

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--check", console::OptionValue::kOptional},
};

constexpr console::ProgramText kProgram{
    "databuild", "databuild (Oristan) 13.0",
    "Usage: databuild\n"
    "       databuild --check [FILE]\n"
    "       databuild --help | --version\n",
    "\n"
    "Without arguments, databuild runs full screen (80x25): it reads the question\n"
    "database Mat.dsk in the working directory, checks every line and installs the\n"
    "question data files that packets reads (Mat.a ... Sit.txt and their LL\n"
    "limited-chapter copies), counting the questions of each on the screen. A\n"
    "database with a formatting error installs nothing and names the first line at\n"
    "fault.\n"
    "\n"
    "  --check [FILE]  check the whole database FILE (Mat.dsk when none is given)\n"
    "                  without the screen and without changing any file; list every\n"
    "                  fault as FILE:LINE: what is wrong; exit 0 when the database\n"
    "                  is clean, 1 when it has faults\n"
    "  --help          show this text and end\n"
    "  --version       show the version and end\n"
    "\n"
    "See databuild(1) and packets(1).\n",
    kOptions};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = console::Arguments(argc, argv);
  const console::CommandLine line = console::ReadCommandLine(kProgram, args, std::cout, std::cerr);
  if (line.exit_code) return *line.exit_code;

  if (line.options.Has("--check")) {
    int result = 0;
    const int code = console::RunProgram(
        [&] { result = databuild::CheckCommand(line.options.Value("--check"), std::cout); },
        [] { std::cout.flush(); });
    return code != 0 ? code : result;
  }

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

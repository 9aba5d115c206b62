// databuild: installs the question data files from the question database
// "Mat.dsk" in the working directory; `databuild --check` only checks it.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/headless.h"
#include "console/program.h"
#include "console/terminal.h"
#include "databuild/builder.h"
#include "databuild/check.h"

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--check", console::OptionValue::kOptional},
    {"--yes", console::OptionValue::kNone},
};

constexpr console::ProgramText kProgram{
    "databuild", "databuild (Oristan) 13.0",
    "Usage: databuild\n"
    "       databuild --yes\n"
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
    "  --yes           install without a terminal and without waiting for Enter:\n"
    "                  one line per data file with its count of questions on\n"
    "                  standard output; a database with a fault installs nothing,\n"
    "                  names the first line at fault on standard error and exits 1\n"
    "  --check [FILE]  check the whole database FILE (Mat.dsk when none is given)\n"
    "                  without the screen and without changing any file; list every\n"
    "                  fault as FILE:LINE: what is wrong; exit 0 when the database\n"
    "                  is clean, 1 when it has faults\n"
    "  --help          show this text and end\n"
    "  --version       show the version and end\n"
    "\n"
    "See databuild(1) and packets(1).\n",
    kOptions};

/// `databuild --yes`: the install on a console that shows nothing and
/// answers Enter; the counts on `out`, the fault on `err`.
int InstallWithoutTerminal(std::ostream& out, std::ostream& err) {
  console::HeadlessConsole con;
  databuild::BuildReport report;
  const databuild::Outcome outcome =
      databuild::BuildDataFiles(con, console::WorkDir("."), {}, &report);
  if (outcome != databuild::Outcome::kInstalled) {
    // The message as the screen shows it, without its indent.
    const std::size_t first = report.fault.find_first_not_of(' ');
    err << "databuild: " << (first == std::string::npos ? report.fault : report.fault.substr(first))
        << "; nothing was installed\n";
    return 1;
  }
  for (const auto& [file, count] : report.counts) out << file << ' ' << count << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = console::Arguments(argc, argv);
  const console::CommandLine line = console::ReadCommandLine(kProgram, args, std::cout, std::cerr);
  if (line.exit_code) return *line.exit_code;

  if (line.options.Has("--yes")) {
    if (line.options.Has("--check")) {
      return console::UsageError(kProgram, "'--check' installs nothing: give it without '--yes'",
                                 std::cerr);
    }
    int result = 0;
    const int code = console::RunProgram(
        [&] { result = InstallWithoutTerminal(std::cout, std::cerr); }, [] { std::cout.flush(); });
    return code != 0 ? code : result;
  }

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

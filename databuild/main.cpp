// databuild: installs the question data files from the question database
// "Mat.dsk" in the working directory; `databuild --check` only checks it,
// `databuild --stats` only counts its questions.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/program.h"
#include "console/terminal.h"
#include "databuild/builder.h"
#include "databuild/check.h"
#include "databuild/stats.h"
#include "databuild/verse_table.h"

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--check", console::OptionValue::kOptional},
    // Optional only so that "--check --strict FILE" reads FILE as the
    // database checked.
    {"--strict", console::OptionValue::kOptional},
    {"--stats", console::OptionValue::kOptional},
};

constexpr console::ProgramText kProgram{
    "databuild", "databuild (Oristan) 13.0",
    "Usage: databuild\n"
    "       databuild --check [--strict] [FILE]\n"
    "       databuild --stats [FILE]\n"
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
    "                  formatting fault, then every warning (a verse its chapter\n"
    "                  lacks, a question entered twice, FTV openings alike on two\n"
    "                  verses, a question without its answer or a situation\n"
    "                  without its quotation, a text cut short) as FILE:LINE: what\n"
    "                  is wrong, and a last line \"N problems, M warnings\"; exit 0\n"
    "                  when there are no problems, 1 when there are\n"
    "  --strict        with --check: warnings count as problems\n"
    "  --stats [FILE]  show how many questions of each kind every chapter has, and\n"
    "                  the questions per verse; empty places are marked and listed\n"
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

  const bool check = line.options.Has("--check"), stats = line.options.Has("--stats");
  if (check && stats) {
    return console::UsageError(kProgram, "'--check' and '--stats' go apart", std::cerr);
  }
  if (line.options.Has("--strict") && !check) {
    return console::UsageError(kProgram, "'--strict' goes with '--check'", std::cerr);
  }
  if (check || stats) {
    databuild::CommandSettings settings;
    settings.shipped = databuild::ShippedData();
    settings.strict = line.options.Has("--strict");
    std::optional<std::string> file = line.options.Value(check ? "--check" : "--stats");
    if (std::optional<std::string> after = line.options.Value("--strict")) {
      if (file) return console::UsageError(kProgram, "'--strict' takes no value", std::cerr);
      file = after;
    }
    int result = 0;
    const int code = console::RunProgram(
        [&] {
          result = check ? databuild::CheckCommand(file, std::cout, std::cerr, settings)
                         : databuild::StatsCommand(file, std::cout, std::cerr, settings);
        },
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

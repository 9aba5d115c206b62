// databuild: installs the question data files from the question database
// "Mat.dsk" in the working directory; `databuild --check` only checks it,
// `databuild --stats` only counts its questions.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/headless.h"
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
    {"--yes", console::OptionValue::kNone},
};

constexpr console::ProgramText kProgram{
    "databuild", "databuild (Oristan) 13.0",
    "Usage: databuild\n"
    "       databuild --yes\n"
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
    "  --yes           install without a terminal and without waiting for Enter:\n"
    "                  one line per data file with its count of questions on\n"
    "                  standard output; a database with a fault installs nothing,\n"
    "                  names the first line at fault on standard error and exits 1\n"
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
    if (line.options.Has("--stats") || line.options.Has("--strict")) {
      return console::UsageError(
          kProgram, "'--stats' and '--strict' install nothing: give them without '--yes'",
          std::cerr);
    }
    int result = 0;
    const int code = console::RunProgram(
        [&] { result = InstallWithoutTerminal(std::cout, std::cerr); }, [] { std::cout.flush(); });
    return code != 0 ? code : result;
  }

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

// packets: quiz packets from the question data files, one run per pass of
// the title screen, until "Exit" is chosen on the style menu.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/headless.h"
#include "console/program.h"
#include "console/random.h"
#include "console/terminal.h"
#include "console/text_file.h"
#include "packets/driver/driver.h"
#include "packets/driver/start.h"
#include "packets/history/history.h"

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--seed", console::OptionValue::kRequired},     // the draws' first seed
    {"--run", console::OptionValue::kRequired},      // a stored style, without a terminal
    {"--setup", console::OptionValue::kRequired},    // a new working directory
    {"--paper", console::OptionValue::kRequired},    // the PDF's paper
    {"--history", console::OptionValue::kRequired},  // the season history
    {"--forget", console::OptionValue::kRequired},   // with --history
    {"--list", console::OptionValue::kNone},         // with --history
};

constexpr console::ProgramText kProgram{
    "packets", "packets (Oristan) 29.0",
    "Usage: packets [--seed N] [--paper letter|a4] [--history FILE]\n"
    "       packets --run STYLE [--seed N] [--paper letter|a4] [--history FILE]\n"
    "       packets --history FILE --list | --forget NAME\n"
    "       packets --setup DIR\n"
    "       packets --help | --version\n",
    "\n"
    "Without arguments, packets runs full screen (80x25) in the working directory:\n"
    "pick or create a quiz style, set it on the configuration screen, approve the\n"
    "sectors, and it writes the packet file NAME.qui and the usage record NAME.inf.\n"
    "\"Exit\" on the style menu ends it.\n"
    "\n"
    "  --seed N     start the random draws from N (a whole number from 0 to\n"
    "               18446744073709551615) instead of the clock: the same style\n"
    "               on the same data then gives the same packet again\n"
    "  --paper a4   lay out the print-ready copy NAME.pdf on A4 paper (the\n"
    "               default is letter)\n"
    "  --run STYLE  make the packet of the stored style STYLE (STYLE.spe in the\n"
    "               working directory) without a terminal: the run takes, at every\n"
    "               screen, the answer of a user who only presses Enter (the style\n"
    "               as stored, the sector table accepted, no resectoring, the\n"
    "               specialty combinations run automatically). What the screens\n"
    "               would say goes to standard error; at the end the files written\n"
    "               and the run notes go to standard output. Exit 0 when the\n"
    "               packet is complete, 1 when the run is refused (the reason on\n"
    "               standard error, no packet written)\n"
    "  --history FILE  keep a season history in FILE (created when missing): a\n"
    "               run avoids every question earlier runs recorded there used,\n"
    "               while fresh ones remain, and brings back the oldest first;\n"
    "               a completed run adds its questions to FILE\n"
    "  --list       with --history: one line per recorded run (time, output name,\n"
    "               quizzes, questions)\n"
    "  --forget NAME  with --history: remove the runs whose output name is NAME\n"
    "  --setup DIR  make DIR a working directory: create it if need be and copy in\n"
    "               the verse table VERSES.TXT, the template style New.spe, the\n"
    "               style list Specs.lst and the ready style Demo.spe (files\n"
    "               already there are kept)\n"
    "  --help       show this text and end\n"
    "  --version    show the version and end\n"
    "\n"
    "See packets(1) and databuild(1).\n",
    kOptions};

/// Calls `body` with the run context of a run in the working directory on
/// `con`: its draws from `seed` (or the clock), the paper of its PDF and its
/// season history as the command line gave them.
template <class Body>
void WithRun(console::Console& con, std::optional<std::uint64_t> seed, bool a4,
             const std::optional<std::string>& history_file, Body body) {
  std::unique_ptr<console::Clock> clock = packets::driver::RunClock(seed);
  console::Random rng(*clock);
  console::WorkDir dir(".");
  auto state = std::make_unique<packets::RunState>();
  state->A4 = a4;
  if (history_file) state->season.FILE = *history_file;
  packets::Run run{*state, con, rng, dir};
  body(run);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = console::Arguments(argc, argv);
  const console::CommandLine line = console::ReadCommandLine(kProgram, args, std::cout, std::cerr);
  if (line.exit_code) return *line.exit_code;

  if (std::optional<std::string> dir = line.options.Value("--setup")) {
    for (const char* other : {"--seed", "--run", "--paper", "--history"}) {
      if (line.options.Has(other)) {
        return console::UsageError(
            kProgram, std::string("'--setup' makes no packets: give it without '") + other + "'",
            std::cerr);
      }
    }
    return packets::driver::SetUpWorkDir(packets::driver::ShippedDataDir(), *dir, std::cout,
                                         std::cerr);
  }
  const std::optional<std::string> history_file = line.options.Value("--history");
  const std::optional<std::string> forget = line.options.Value("--forget");
  const bool list = line.options.Has("--list");
  if (history_file && history_file->empty()) {
    return console::UsageError(kProgram, "'--history' needs the name of a file", std::cerr);
  }
  if ((list || forget) && !history_file) {
    return console::UsageError(kProgram, "'--list' and '--forget' need '--history FILE'",
                               std::cerr);
  }
  if (list && forget) {
    return console::UsageError(kProgram, "give '--list' or '--forget', not both", std::cerr);
  }
  if ((list || forget) && line.options.Has("--run")) {
    return console::UsageError(kProgram,
                               "'--list' and '--forget' make no packets: give them "
                               "without '--run'",
                               std::cerr);
  }
  if (list) {
    return packets::history::ListCommand(console::WorkDir("."), *history_file, std::cout,
                                         std::cerr);
  }
  if (forget) {
    return packets::history::ForgetCommand(console::WorkDir("."), *history_file, *forget, std::cout,
                                           std::cerr);
  }
  if (history_file) {
    // A damaged history is refused before the title screen; FILE stays as it is.
    if (auto refused = packets::history::Check(console::WorkDir("."), *history_file)) {
      std::cerr << "packets: " << *refused << '\n';
      return 1;
    }
  }
  std::optional<std::uint64_t> seed;
  if (std::optional<std::string> text = line.options.Value("--seed")) {
    seed = packets::driver::ParseSeed(*text);
    if (!seed) {
      return console::UsageError(
          kProgram,
          "'--seed' needs a whole number from 0 to 18446744073709551615, not '" + *text + "'",
          std::cerr);
    }
  }

  bool a4 = false;
  if (std::optional<std::string> paper = line.options.Value("--paper")) {
    if (*paper != "a4" && *paper != "letter") {
      return console::UsageError(kProgram, "'--paper' is 'letter' or 'a4', not '" + *paper + "'",
                                 std::cerr);
    }
    a4 = *paper == "a4";
  }

  bool unwritten = false;  // a completed run could not be added to the history
  if (std::optional<std::string> style = line.options.Value("--run")) {
    int result = 0;
    const int code = console::RunProgram(
        [&] {
          console::HeadlessConsole con;
          WithRun(con, seed, a4, history_file, [&](packets::Run& run) {
            result = packets::driver::RunStyle(run, *style, packets::driver::ProcessEnvironment,
                                               std::cout, std::cerr);
          });
        },
        [] { std::cout.flush(); });
    return code != 0 ? code : result;
  }

  const int code = console::RunProgram(
      [seed, a4, &history_file, &unwritten] {
        auto con = console::OpenTerminal();
        WithRun(*con, seed, a4, history_file, [&](packets::Run& run) {
          packets::driver::RunPackets(run);
          unwritten = run.st.season.unwritten;
        });
      },
      console::RestoreTerminal);
  if (code == 0 && unwritten) {
    std::cerr << "packets: the season history " << *history_file
              << " was not updated (see the closing screen)\n";
    return 1;
  }
  return code;
}

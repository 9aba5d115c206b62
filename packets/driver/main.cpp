// packets: quiz packets from the question data files, one run per pass of
// the title screen, until "Exit" is chosen on the style menu.
#include <iostream>
#include <memory>

#include "console/command_line.h"
#include "console/program.h"
#include "console/random.h"
#include "console/terminal.h"
#include "console/text_file.h"
#include "packets/driver/driver.h"
#include "packets/driver/start.h"

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--seed", console::OptionValue::kRequired},
    {"--setup", console::OptionValue::kRequired},
    {"--paper", console::OptionValue::kRequired},
};

constexpr console::ProgramText kProgram{
    "packets", "packets (Oristan) 29.0",
    "Usage: packets [--seed N] [--paper letter|a4]\n"
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
    "  --setup DIR  make DIR a working directory: create it if need be and copy in\n"
    "               the verse table VERSES.TXT, the template style New.spe and the\n"
    "               style list Specs.lst (files already there are kept)\n"
    "  --help       show this text and end\n"
    "  --version    show the version and end\n"
    "\n"
    "See packets(1) and databuild(1).\n",
    kOptions};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = console::Arguments(argc, argv);
  const console::CommandLine line = console::ReadCommandLine(kProgram, args, std::cout, std::cerr);
  if (line.exit_code) return *line.exit_code;

  if (std::optional<std::string> dir = line.options.Value("--setup")) {
    if (line.options.Has("--seed")) {
      return console::UsageError(kProgram, "'--setup' makes no packets: give it without '--seed'",
                                 std::cerr);
    }
    return packets::driver::SetUpWorkDir(packets::driver::ShippedDataDir(), *dir, std::cout,
                                         std::cerr);
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

  return console::RunProgram(
      [seed, a4] {
        auto con = console::OpenTerminal();
        std::unique_ptr<console::Clock> clock = packets::driver::RunClock(seed);
        console::Random rng(*clock);
        console::WorkDir dir(".");
        auto state = std::make_unique<packets::RunState>();
        state->A4 = a4;
        packets::Run run{*state, *con, rng, dir};
        packets::driver::RunPackets(run);
      },
      console::RestoreTerminal);
}

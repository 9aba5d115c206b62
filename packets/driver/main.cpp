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

namespace {

constexpr console::OptionForm kOptions[] = {
    {"--seed", console::OptionValue::kRequired},
    {"--run", console::OptionValue::kRequired},
    {"--setup", console::OptionValue::kRequired},
};

constexpr console::ProgramText kProgram{
    "packets", "packets (Oristan) 29.0",
    "Usage: packets [--seed N]\n"
    "       packets --run STYLE [--seed N]\n"
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
    "  --run STYLE  make the packet of the stored style STYLE (STYLE.spe in the\n"
    "               working directory) without a terminal: the run takes, at every\n"
    "               screen, the answer of a user who only presses Enter (the style\n"
    "               as stored, the sector table accepted, no resectoring, the\n"
    "               specialty combinations run automatically). What the screens\n"
    "               would say goes to standard error; at the end the files written\n"
    "               and the run notes go to standard output. Exit 0 when the\n"
    "               packet is complete, 1 when the run is refused (the reason on\n"
    "               standard error, no packet written)\n"
    "  --setup DIR  make DIR a working directory: create it if need be and copy in\n"
    "               the verse table VERSES.TXT, the template style New.spe, the\n"
    "               style list Specs.lst and the ready style Demo.spe (files\n"
    "               already there are kept)\n"
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
    for (const char* other : {"--seed", "--run"}) {
      if (line.options.Has(other)) {
        return console::UsageError(
            kProgram, std::string("'--setup' makes no packets: give it without '") + other + "'",
            std::cerr);
      }
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

  if (std::optional<std::string> style = line.options.Value("--run")) {
    int result = 0;
    const int code = console::RunProgram(
        [&] {
          console::HeadlessConsole con;
          std::unique_ptr<console::Clock> clock = packets::driver::RunClock(seed);
          console::Random rng(*clock);
          console::WorkDir dir(".");
          auto state = std::make_unique<packets::RunState>();
          packets::Run run{*state, con, rng, dir};
          result = packets::driver::RunStyle(run, *style, packets::driver::ProcessEnvironment,
                                             std::cout, std::cerr);
        },
        [] { std::cout.flush(); });
    return code != 0 ? code : result;
  }

  return console::RunProgram(
      [seed] {
        auto con = console::OpenTerminal();
        std::unique_ptr<console::Clock> clock = packets::driver::RunClock(seed);
        console::Random rng(*clock);
        console::WorkDir dir(".");
        auto state = std::make_unique<packets::RunState>();
        packets::Run run{*state, *con, rng, dir};
        packets::driver::RunPackets(run);
      },
      console::RestoreTerminal);
}

// packets: quiz packets from the question data files, one run per pass of
// the title screen, until "Exit" is chosen on the style menu.
#include <memory>

#include "console/program.h"
#include "console/random.h"
#include "console/terminal.h"
#include "console/text_file.h"
#include "packets/driver/driver.h"

int main() {
  return console::RunProgram(
      [] {
        auto con = console::OpenTerminal();
        console::SystemClock clock;
        console::Random rng(clock);
        console::WorkDir dir(".");
        auto state = std::make_unique<packets::RunState>();
        packets::Run run{*state, *con, rng, dir};
        packets::driver::RunPackets(run);
      },
      console::RestoreTerminal);
}

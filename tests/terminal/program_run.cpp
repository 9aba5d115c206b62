#include "tests/terminal/program_run.h"

#include <cstdlib>

namespace termtest {

ProgramRun::ProgramRun(TmuxPane& pane, const std::filesystem::path& workdir,
                       const std::string& program, const std::vector<std::string>& args)
    : pane_(pane) {
  static int serial = 0;
  mark_ = "ENDED" + std::to_string(++serial) + "=";
  std::string line = "cd " + ShellQuote(workdir.string()) + " && clear && " + ShellQuote(program);
  for (const std::string& arg : args) line += " " + ShellQuote(arg);
  // The mark is printed in two pieces so that the typed command line itself
  // never shows it whole.
  const std::string half = mark_.substr(0, 3);
  line += "; echo \"" + half + "\"'" + mark_.substr(3) + "'$?";
  pane_.Command(line);
}

int ProgramRun::Ended(std::chrono::milliseconds limit) {
  if (!pane_.WaitFor(mark_, limit)) return -1;
  const std::string screen = pane_.Screen();
  const std::size_t at = screen.rfind(mark_);
  return std::atoi(screen.c_str() + at + mark_.size());
}

}  // namespace termtest

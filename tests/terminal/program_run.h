// One of the programs run in a tmux pane the way a quiz master runs it: in
// a working directory, from a shell, with keys typed and the screen read,
// and its exit status learnt when it ends. The building block of the
// end-to-end scenarios.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/terminal/tmux_pane.h"

namespace termtest {

class ProgramRun {
 public:
  /// Starts `program` with `args` in `workdir`, on a cleared pane.
  ProgramRun(TmuxPane& pane, const std::filesystem::path& workdir, const std::string& program,
             const std::vector<std::string>& args = {});

  /// Waits until the screen shows `text` (a test failure after `limit`).
  bool WaitFor(std::string_view text,
               std::chrono::milliseconds limit = std::chrono::milliseconds(15000)) {
    return pane_.WaitFor(text, limit);
  }
  /// Presses keys by their tmux names ("Up", "Enter", "Escape", "D", ...).
  void Press(const std::vector<std::string>& keys) { pane_.Press(keys); }
  /// Types text literally.
  void Type(std::string_view text) { pane_.Type(text); }
  /// Waits for the program to end and returns its exit status; -1 (and a
  /// test failure) when it has not ended within `limit`.
  int Ended(std::chrono::milliseconds limit = std::chrono::milliseconds(15000));

 private:
  TmuxPane& pane_;
  std::string mark_;  // what the shell prints, with the status, when the program ends
};

}  // namespace termtest

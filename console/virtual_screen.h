// A console for tests: the cell grid of Console plus a script of keys.
// Reading past the end of the script throws InputExhausted, so a test that
// expects more input than it scripted fails instead of hanging.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "console/console.h"

namespace console {

class VirtualConsole : public Console {
 public:
  /// Appends keys to the script, one character per key (arrows as "\0H" ...).
  void Keys(std::string_view keys);
  /// Appends a typed line: its characters followed by Enter.
  void Line(std::string_view text);
  /// Keys still waiting in the script.
  std::size_t Pending() const { return script_.size(); }

  char ReadKey() override;
  bool KeyPressed() override;

  /// The whole screen as 25 lines of 80 characters joined by '\n'.
  std::string Text() const;
  /// The text of row y from column x, `len` characters long.
  std::string Text(int x, int y, int len) const;

 private:
  std::deque<char> script_;
};

}  // namespace console

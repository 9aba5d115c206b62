// A detached tmux session of a fixed size on a private socket, for driving a
// full-screen program from outside: type keys, read the screen back as text
// and as coloured cells.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace termtest {

/// The exit status and the merged standard output and error of a command.
struct CommandResult {
  int status = -1;
  std::string output;
};

/// Runs a program (searched on PATH) with its arguments and waits for it.
CommandResult RunCommand(const std::vector<std::string>& argv);

/// `text` as one word of a shell command line.
std::string ShellQuote(std::string_view text);

/// True when a tmux program can be run.
bool TmuxAvailable();

/// One screen cell as tmux reports it: the character and the terminal's
/// colour numbers (-1 for the terminal's default colour).
struct PaneCell {
  char ch = ' ';
  int fg = -1;
  int bg = -1;
};

/// Reads `capture-pane -e` output (text with colour escapes) into rows of
/// cells.
std::vector<std::vector<PaneCell>> ParseCapture(std::string_view capture);

class TmuxPane {
 public:
  /// Starts an interactive shell with prompt "ready> " in a cols x rows
  /// pane. `environment` holds NAME=value settings for the shell.
  TmuxPane(int cols, int rows, const std::vector<std::string>& environment);
  ~TmuxPane();
  TmuxPane(const TmuxPane&) = delete;
  TmuxPane& operator=(const TmuxPane&) = delete;

  /// The scratch directory that lives as long as the pane.
  const std::filesystem::path& Dir() const { return dir_; }

  /// Types text literally (no key names, no special meaning of ; or \).
  void Type(std::string_view text);
  /// Presses keys by their tmux names ("Up", "Escape", "F1", "C-c", ...).
  void Press(const std::vector<std::string>& keys);
  /// Types a command line and presses Enter.
  void Command(std::string_view line);

  /// The visible screen as text, one line per row.
  std::string Screen();
  /// The visible screen as cells, every row the full width.
  std::vector<std::vector<PaneCell>> Cells();
  /// A tmux format of the pane, e.g. "#{alternate_on}".
  std::string Format(std::string_view format);
  void Resize(int cols, int rows);

  /// Waits until the screen shows `text`; false (with the screen reported
  /// as a test failure) after `limit`.
  bool WaitFor(std::string_view text,
               std::chrono::milliseconds limit = std::chrono::milliseconds(15000));

 private:
  CommandResult Tmux(std::vector<std::string> args);

  std::filesystem::path dir_;
  std::string socket_;
};

}  // namespace termtest

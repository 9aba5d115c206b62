// What the end-to-end scenarios share: a working directory made the way a
// quiz master makes one (`packets --setup`, the sample database, `databuild`),
// an 80x25 tmux pane, and steps that wait for the screen before every key.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tests/terminal/program_run.h"
#include "tests/terminal/tmux_pane.h"

namespace e2e {

/// How long any one screen may take to appear, on a loaded machine and
/// under the sanitizers.
inline constexpr std::chrono::milliseconds kPatience{20000};

/// Palette colours as the terminal numbers them (red and blue, brown and
/// cyan trade places).
inline constexpr int kTerminalColour[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
/// The palette colours of the screens.
inline constexpr int kBlue = 1, kGreen = 2, kRed = 4, kYellow = 14, kWhite = 15;

/// The lines of a text file split at CR LF; a line end of any other kind
/// goes to `problems`.
std::vector<std::string> CrLfLines(const std::string& text, const std::string& name,
                                   std::vector<std::string>& problems);

class Scenario : public ::testing::Test {
 protected:
  /// How the programs are started: the program and the arguments before its
  /// own (the Windows programs run under Wine, say). A fixture sets these,
  /// and `environment` for the pane's shell, before Scenario::SetUp.
  std::vector<std::string> databuild_{DATABUILD_PATH};
  std::vector<std::string> packets_{PACKETS_PATH};
  std::vector<std::string> environment_;

  /// Skips without tmux; else makes the working directory and the pane.
  void SetUp() override;
  void TearDown() override;

  const std::filesystem::path& Work() const { return work_.path(); }
  const testsupport::ScratchDir& Dir() const { return work_; }

  /// Runs `databuild` in the working directory to its closing message and
  /// presses Enter; returns the screen of the closing message.
  std::string BuildData();

  /// Starts `packets --seed N` and waits for the style menu.
  void StartPackets(int seed);
  /// Waits for `packets` (or the program started last) to end; its status.
  int Ended();

  /// Waits until the screen shows `text`; false (a test failure, the screen
  /// printed) when it does not within the patience.
  bool Await(const std::string& text);
  /// Waits until the screen shows one of `texts`; its index, or -1 (a test
  /// failure) when none appears.
  int AwaitAny(const std::vector<std::string>& texts);
  /// Waits until the screen differs from `before` and shows `text`.
  bool AwaitChange(const std::string& before, const std::string& text);
  /// Waits until the cell at (column, row), counted from 1, has the palette
  /// background `bg` and foreground `fg`.
  bool AwaitColours(int column, int row, int fg, int bg);

  /// Presses keys by their tmux names ("Enter", "Down", "Escape", "D").
  void Press(const std::vector<std::string>& keys);
  /// Types text literally.
  void Type(const std::string& text);
  std::string Screen();
  /// The screen once two readings a moment apart agree, so that a screen
  /// still being drawn is never read for its contents.
  std::string SettledScreen();

  /// Chooses menu entry `entry` (counted from 1; the cursor starts on 1)
  /// with the Down key and Enter; waits for the configuration screen.
  bool ChooseStyle(int entry);
  /// On the configuration screen: the whole-record check (Esc), the green
  /// title line, Enter to save, and Enter on every page of the patterns.
  bool AcceptStyle();
  /// Once the quizzes are under way: through the closing messages (the
  /// usage record `usage` named) back to the style menu, then "Exit";
  /// true when the program ended with status 0.
  bool FinishRunAndExit(const std::string& usage);

 private:
  testsupport::ScratchDir work_;
  std::unique_ptr<termtest::TmuxPane> pane_;
  std::unique_ptr<termtest::ProgramRun> program_;
};

}  // namespace e2e

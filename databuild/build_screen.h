// The screen of the data builder: its fixed texts, where each file's label
// and counter stand, the counters refreshed at a bounded rate, and the
// closing messages.
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"

namespace databuild {

struct Spot {
  int x;
  int y;
};

/// A data file's place on the screen: its label and its counter.
struct FileOnScreen {
  std::string_view file;
  Spot label_at;
  std::string_view label;
  Spot counter;
};
extern const std::array<FileOnScreen, 25> kFilesOnScreen;

/// The limited-chapter copies in the order they are made, with the place
/// of their counters; the copy's name stands 10 columns left of it.
struct LimitedOnScreen {
  std::string_view file;
  Spot counter;
};
extern const std::array<LimitedOnScreen, 25> kLimitedOnScreen;

/// The place of a data file on the screen (the file must be one of ours).
const FileOnScreen& OnScreen(std::string_view file);

/// Clears the screen and writes the title, the first heading and the
/// labels of the regular files.
void DrawStart(console::Console& con);
/// Writes the labels of these files.
void DrawLabels(console::Console& con, std::initializer_list<std::string_view> files);
/// Writes the heading of the second column of files.
void DrawSecondHeading(console::Console& con);
/// Writes the heading of the limited-chapter copies.
void DrawLimitedHeading(console::Console& con);
/// Writes the name of a limited-chapter copy beside its counter.
void DrawLimitedName(console::Console& con, const LimitedOnScreen& copy);
/// "Installation Successful", "Press Return To Continue".
void DrawSuccess(console::Console& con);

/// The message for a line of the database that fails its checks.
std::string FormattingErrorText(int line);
/// The message for a database that ends before its fourth separator line.
std::string EndedEarlyText(int last_line);
/// Clears the screen and shows a message about the database on row 2.
void ShowDatabaseFault(console::Console& con, std::string_view text);

/// Waits for Enter; other keys are ignored.
void WaitForEnter(console::Console& con);

/// How often the counters are redrawn, and how the drawing is made
/// visible.
struct Pace {
  using Clock = std::chrono::steady_clock;
  std::function<Clock::time_point()> now = [] { return Clock::now(); };
  /// Counters are redrawn at most once per interval while the run goes on.
  std::chrono::milliseconds interval{50};
  /// Called after each redrawing, so that a real terminal can show it; may
  /// be empty.
  std::function<void()> present;
};

/// Counters right-aligned in 4 columns, each at its own place. A counter
/// that is set is drawn at the next due refresh (or at Flush); one that was
/// never set stays blank.
class CounterBoard {
 public:
  CounterBoard(console::Console& con, Pace pace);
  void Set(Spot at, int value);
  /// True when the interval has passed since the last drawing.
  bool Due() const;
  /// Draws the counters set since the last drawing when the interval has
  /// passed since then.
  void Tick();
  /// Draws the counters set since the last drawing now.
  void Flush();

 private:
  struct Pending {
    Spot at;
    int value;
  };
  console::Console& con_;
  Pace pace_;
  Pace::Clock::time_point last_;
  std::vector<Pending> pending_;
};

}  // namespace databuild

// The style list "Specs.lst": one style name per line, in the order the
// styles were added, ending with the line "Enter New Specs". The style menu
// shows at most its last 17 lines; every line is kept whether shown or not.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/text_file.h"

namespace packets::styles {

inline constexpr std::string_view kStyleListFile = "Specs.lst";
inline constexpr std::string_view kNewEntry = "Enter New Specs";
inline constexpr int kMenuLines = 17;  // lines of the list the menu shows
inline constexpr int kEntryCap = 16;   // characters of a line a menu entry holds

struct StyleList {
  std::vector<std::string> lines;  // whole lines, as in the file
};

/// Reads every line of "Specs.lst". Runtime error 2 when it is missing.
StyleList ReadStyleList(const console::WorkDir& dir);
/// Replaces "Specs.lst" with the list, only once it is fully written.
void WriteStyleList(const console::WorkDir& dir, const StyleList& list);

/// Number of lines before the first one the menu shows.
int HiddenLines(const StyleList& list);
/// The menu entries: the shown lines (each cut to 16 characters), then "Exit".
std::vector<std::string> MenuEntries(const StyleList& list);
/// Removes the line shown as menu entry `entry` (1-based); the lines not
/// shown stay in place.
void DeleteShownEntry(StyleList& list, int entry);
/// True when a line equals `name` exactly (letter case counts).
bool IsListed(const StyleList& list, std::string_view name);
/// Adds `name` just before the closing "Enter New Specs" line (which is
/// written at the end if the list lacked it).
void AddStyle(StyleList& list, std::string_view name);

}  // namespace packets::styles

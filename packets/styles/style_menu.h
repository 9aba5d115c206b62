// The style menu: the list of stored quiz styles, a marked entry moved with
// the arrow keys, Enter to choose, Shift-D to delete a style from the list.
#pragma once

#include <string>
#include <vector>

#include "packets/run/run.h"
#include "packets/styles/style_list.h"

namespace packets::styles {

inline constexpr int kMenuColumn = 33;
inline constexpr int kMenuFirstRow = 6;  // entry k stands on row k + 5
inline constexpr int kMenuWidth = 15;    // entries are padded to this width

struct MenuChoice {
  bool exit = false;  // "Exit" was chosen
  std::string entry;  // the chosen entry otherwise, as shown
};

/// Draws the heading, reads the style list and draws its shown lines and
/// "Exit"; returns the menu entries (the list is left in `list`).
std::vector<std::string> TOPMENU(Run& run, StyleList& list);

/// Runs the menu until an entry is chosen. Shift-D on a named style removes
/// it from the style list (its style file stays) and starts the menu again.
MenuChoice StyleMenu(Run& run);

/// Turns a chosen entry into the style name `NAME1` ("Enter New Specs"
/// becomes the template style "New").
void CHECKNEW(RunState& st, const std::string& entry);

/// Loads the style file of `NAME1` into the style record. False, with
/// nothing loaded, when the style file is missing.
bool READIN(Run& run);

}  // namespace packets::styles

// The real terminal: the console grid shown through ncurses, keys read from
// the keyboard. Only terminal.cpp knows ncurses.
#pragma once

#include <memory>

#include "console/console.h"

namespace console {

/// Takes over the terminal (full screen, keys without echo). The terminal is
/// given back when the console is destroyed, at exit, and on SIGINT, SIGTERM
/// and SIGHUP.
std::unique_ptr<Console> OpenTerminal();

/// Gives the terminal back now (safe to call more than once, and when no
/// terminal was taken). The mains call it before reporting an error.
void RestoreTerminal();

}  // namespace console

// How both programs end. The body runs; an input or output error ends the
// program with "Runtime error N at WHERE" and exit code N, an internal fault
// with its message and exit code 99. The terminal is restored before
// anything is printed.
#pragma once

#include <functional>

namespace console {

inline constexpr int kExitInternal = 99;

/// Runs `body`; returns the exit code. `restore` puts the terminal back and
/// is called before any message is printed.
int RunProgram(const std::function<void()>& body, const std::function<void()>& restore);

}  // namespace console

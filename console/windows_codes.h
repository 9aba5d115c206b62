// The translations between the console and the Windows console that need no
// Windows to be worked out: which characters a key event delivers and which
// character attribute shows a cell.
//
// Key and attribute numbers of the Windows console are written out here so
// that this file needs no Windows header; windows_console.cpp checks every
// one of them against the header at compile time.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"

namespace console {

/// Virtual key numbers of the Windows console that have a rule of their own.
namespace windows_key {
inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kEnter = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kAlt = 0x12;  // VK_MENU
inline constexpr int kPause = 0x13;
inline constexpr int kCapsLock = 0x14;
inline constexpr int kLeftWindows = 0x5B;
inline constexpr int kRightWindows = 0x5C;
inline constexpr int kApplications = 0x5D;
inline constexpr int kF11 = 0x7A;
inline constexpr int kF12 = 0x7B;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScrollLock = 0x91;
inline constexpr int kLeftShift = 0xA0;  // VK_LSHIFT; up to VK_RMENU, 0xA5
inline constexpr int kRightAlt = 0xA5;
/// The control-key state bit of either Shift key.
inline constexpr unsigned long kShiftPressed = 0x0010;
}  // namespace windows_key

/// One key event as the Windows console reports it.
struct WindowsKeyEvent {
  bool down = true;
  int virtual_key = 0;
  int scan_code = 0;
  /// The character the key types (UTF-16 code unit), 0 for none.
  unsigned character = 0;
  int repeat = 1;
  unsigned long control_state = 0;
};

/// The characters ReadKey delivers for a key event: the key's character,
/// repeated as often as the event says; for a key without one, a character
/// of code 0 and the key's scan code (Up 72, Down 80, Left 75, Right 77),
/// with F11, F12 and Shift-Tab given the codes the terminal gives them.
/// Backspace, Tab, Enter and Esc give their own characters even from a
/// console that reports them without one (Wine's on a Unix terminal does).
/// Nothing for a released key, a key that only modifies others, or a
/// character the programs cannot hold in one byte.
std::string WindowsKeyChars(const WindowsKeyEvent& event);

/// The Windows character attribute that shows a cell. The console's
/// attribute bits (blue 1, green 2, red 4, bright 8) number the colours as
/// the palette does, so the foreground is the low four bits and the
/// background the next three.
inline std::uint16_t WindowsAttribute(const Cell& cell) {
  return static_cast<std::uint16_t>((cell.fg & 15) | ((cell.bg & 7) << 4));
}

}  // namespace console

#include "console/windows_codes.h"

namespace console {

namespace {

bool OnlyModifies(int key) {
  switch (key) {
    case windows_key::kShift:
    case windows_key::kControl:
    case windows_key::kAlt:
    case windows_key::kPause:
    case windows_key::kCapsLock:
    case windows_key::kLeftWindows:
    case windows_key::kRightWindows:
    case windows_key::kApplications:
    case windows_key::kNumLock:
    case windows_key::kScrollLock:
      return true;
    default:
      return key >= windows_key::kLeftShift && key <= windows_key::kRightAlt;
  }
}

/// The characters of one press of the key.
std::string OnePress(const WindowsKeyEvent& event) {
  if (event.virtual_key == windows_key::kTab && (event.control_state & windows_key::kShiftPressed))
    return std::string{kExtended, '\x0f'};
  if (event.character != 0) {
    if (event.character > 255) return {};
    if (event.character == 127) return std::string(1, kBackspace);
    return std::string(1, static_cast<char>(event.character));
  }
  switch (event.virtual_key) {
    case windows_key::kBackspace:
      return std::string(1, kBackspace);
    case windows_key::kTab:
      return std::string(1, kTab);
    case windows_key::kEnter:
      return std::string(1, kEnter);
    case windows_key::kEscape:
      return std::string(1, kEsc);
  }
  if (event.virtual_key == windows_key::kF11) return std::string{kExtended, '\x85'};
  if (event.virtual_key == windows_key::kF12) return std::string{kExtended, '\x86'};
  if (event.scan_code <= 0 || event.scan_code > 255) return {};
  return std::string{kExtended, static_cast<char>(event.scan_code)};
}

}  // namespace

std::string WindowsKeyChars(const WindowsKeyEvent& event) {
  if (!event.down || OnlyModifies(event.virtual_key)) return {};
  const std::string press = OnePress(event);
  std::string keys;
  for (int i = 0; i < (event.repeat > 0 ? event.repeat : 1); ++i) keys += press;
  return keys;
}

}  // namespace console

#include "console/windows_codes.h"

#include <gtest/gtest.h>

namespace console {
namespace {

// Key events of the Windows console and the characters ReadKey delivers for
// them: the arrow keys by their scan codes as the screens expect them, the
// keys that only modify others and released keys as nothing.
TEST(WindowsKeyChars, EveryKindOfEvent) {
  using namespace std::string_literals;
  struct Case {
    WindowsKeyEvent event;
    std::string keys;
  } cases[] = {
      {{true, 0x26, 72, 0, 1, 0}, kKeyUp},
      {{true, 0x28, 80, 0, 1, 0x0100}, kKeyDown},  // the arrow cluster's Down
      {{true, 0x25, 75, 0, 1, 0}, kKeyLeft},
      {{true, 0x27, 77, 0, 1, 0}, kKeyRight},
      {{true, 0x28, 80, 0, 3, 0}, kKeyDown + kKeyDown + kKeyDown},
      {{false, 0x28, 80, 0, 1, 0}, ""},
      {{true, 0x0D, 28, '\r', 1, 0}, "\r"},
      {{true, 0x1B, 1, 27, 1, 0}, "\x1b"},
      {{true, windows_key::kEscape, 1, 0, 1, 0}, "\x1b"},  // Esc without its character
      {{true, windows_key::kEnter, 28, 0, 1, 0}, "\r"},
      {{true, 0x08, 14, 8, 1, 0}, "\b"},
      {{true, 0x08, 14, 127, 1, 0}, "\b"},
      {{true, 'D', 32, 'D', 1, windows_key::kShiftPressed}, "D"},
      {{true, 0x70, 59, 0, 1, 0}, "\0;"s},  // F1
      {{true, windows_key::kF11, 87, 0, 1, 0}, "\0\x85"s},
      {{true, windows_key::kF12, 88, 0, 1, 0}, "\0\x86"s},
      {{true, windows_key::kTab, 15, 9, 1, 0}, "\t"},
      {{true, windows_key::kTab, 15, 9, 1, windows_key::kShiftPressed}, "\0\x0f"s},
      {{true, windows_key::kShift, 42, 0, 1, windows_key::kShiftPressed}, ""},
      {{true, windows_key::kLeftShift, 42, 0, 1, 0}, ""},
      {{true, windows_key::kControl, 29, 0, 1, 0}, ""},
      {{true, windows_key::kCapsLock, 58, 0, 1, 0}, ""},
      {{true, 0, 0, 0xE9, 1, 0}, "\xe9"},  // a Latin-1 letter as its byte
      {{true, 0, 0, 0x20AC, 1, 0}, ""},    // a character no byte holds
      {{true, 0xFF, 0, 0, 1, 0}, ""},      // a key with neither character nor scan code
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowsKeyChars(c.event), c.keys)
        << "virtual key " << c.event.virtual_key << ", scan code " << c.event.scan_code
        << ", character " << c.event.character;
  }
}

// The screens' colours reach the console as its attribute bits.
TEST(WindowsAttribute, PaletteColoursAsAttributeBits) {
  EXPECT_EQ(WindowsAttribute(Cell{'x', kYellow, kBlue}), 0x1E);
  EXPECT_EQ(WindowsAttribute(Cell{'x', kWhite, kRed}), 0x4F);
  EXPECT_EQ(WindowsAttribute(Cell{'x', kLightRed, kBlack}), 0x0C);
  EXPECT_EQ(WindowsAttribute(Cell{'x', kLightGrey, kGreen}), 0x27);
}

}  // namespace
}  // namespace console

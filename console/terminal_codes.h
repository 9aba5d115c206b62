// The translations between the console and a curses terminal that need no
// terminal to be worked out: which characters a key delivers, which terminal
// colour shows a palette colour, which character shows a cell's byte, and the
// words shown when the terminal is too small.
//
// Key and colour numbers of the curses library are written out here so that
// this file needs no curses header; terminal.cpp checks every one of them
// against the header at compile time.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

/// Key numbers as the curses library reports keys without a character.
namespace curses_key {
inline constexpr int kDown = 0402;
inline constexpr int kUp = 0403;
inline constexpr int kLeft = 0404;
inline constexpr int kRight = 0405;
inline constexpr int kHome = 0406;
inline constexpr int kBackspace = 0407;
inline constexpr int kF0 = 0410;  // function key n is kF0 + n
inline constexpr int kDelete = 0512;
inline constexpr int kInsert = 0513;
inline constexpr int kPageDown = 0522;
inline constexpr int kPageUp = 0523;
inline constexpr int kEnter = 0527;
inline constexpr int kKeypadUpperLeft = 0534;   // keypad Home
inline constexpr int kKeypadUpperRight = 0535;  // keypad PgUp
inline constexpr int kKeypadLowerLeft = 0537;   // keypad End
inline constexpr int kKeypadLowerRight = 0540;  // keypad PgDn
inline constexpr int kBackTab = 0541;
inline constexpr int kEnd = 0550;
}  // namespace curses_key

/// Colour numbers of the curses library (its own order, not the palette's).
namespace curses_colour {
inline constexpr int kBlack = 0;
inline constexpr int kRed = 1;
inline constexpr int kGreen = 2;
inline constexpr int kYellow = 3;
inline constexpr int kBlue = 4;
inline constexpr int kMagenta = 5;
inline constexpr int kCyan = 6;
inline constexpr int kWhite = 7;
}  // namespace curses_colour

/// One key the terminal reports by number and the characters ReadKey
/// delivers for it.
struct KeyRow {
  int code;
  std::string_view keys;
};

/// Every key with a translation of its own; the rows are the whole rule.
std::span<const KeyRow> KeyTable();

/// A byte sequence some terminals send for a key that their terminal
/// description gives differently (Home as ESC [ 1 ~ where the description
/// says ESC O H, say), and the key it stands for.
struct KeySequence {
  std::string_view sequence;
  int code;
};

/// Sequences taught to the terminal in addition to its description.
std::span<const KeySequence> ExtraKeySequences();

/// The characters ReadKey delivers for a key the terminal reported: its
/// table row, else the byte itself for codes 0 to 255, else nothing (a key
/// the programs do not know is ignored).
std::string TranslateKey(int code);

/// How a palette colour (0 to 15) is shown: a terminal colour and whether
/// bold stands in for brightness.
struct TerminalColour {
  int colour;
  bool bold;
  bool operator==(const TerminalColour&) const = default;
};

/// The terminal colour for palette colour `colour`. With 16 colours the
/// bright ones are colours 8 to 15; with fewer they are the dark colour in
/// bold.
TerminalColour ForegroundColour(int colour, bool sixteen_colours);

/// The terminal colour for a background (only 0 to 7 are backgrounds).
int BackgroundColour(int colour);

/// The character that shows a cell's byte: printable ASCII as it is,
/// control characters as a blank, DEL and bytes above 127 as '?'.
char DisplayChar(unsigned char c);

/// The message shown while the terminal is smaller than the screen, wrapped
/// into lines of at most `cols` characters.
std::vector<std::string> TooSmallMessage(int cols, int rows);

}  // namespace console

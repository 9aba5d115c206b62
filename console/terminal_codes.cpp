#include "console/terminal_codes.h"

#include <array>
#include <utility>

namespace console {

namespace {

using namespace std::string_view_literals;

// Keys without a character arrive as 0 and the key's scan code; Enter and
// Backspace arrive as 13 and 8 whichever code the terminal sends for them.
constexpr std::array kKeys{
    KeyRow{curses_key::kUp, "\0H"sv},                // 72
    KeyRow{curses_key::kDown, "\0P"sv},              // 80
    KeyRow{curses_key::kLeft, "\0K"sv},              // 75
    KeyRow{curses_key::kRight, "\0M"sv},             // 77
    KeyRow{curses_key::kHome, "\0G"sv},              // 71
    KeyRow{curses_key::kKeypadUpperLeft, "\0G"sv},   // 71
    KeyRow{curses_key::kEnd, "\0O"sv},               // 79
    KeyRow{curses_key::kKeypadLowerLeft, "\0O"sv},   // 79
    KeyRow{curses_key::kPageUp, "\0I"sv},            // 73
    KeyRow{curses_key::kKeypadUpperRight, "\0I"sv},  // 73
    KeyRow{curses_key::kPageDown, "\0Q"sv},          // 81
    KeyRow{curses_key::kKeypadLowerRight, "\0Q"sv},  // 81
    KeyRow{curses_key::kInsert, "\0R"sv},            // 82
    KeyRow{curses_key::kDelete, "\0S"sv},            // 83
    KeyRow{curses_key::kF0 + 1, "\0;"sv},            // 59
    KeyRow{curses_key::kF0 + 2, "\0<"sv},            // 60
    KeyRow{curses_key::kF0 + 3, "\0="sv},            // 61
    KeyRow{curses_key::kF0 + 4, "\0>"sv},            // 62
    KeyRow{curses_key::kF0 + 5, "\0?"sv},            // 63
    KeyRow{curses_key::kF0 + 6, "\0@"sv},            // 64
    KeyRow{curses_key::kF0 + 7, "\0A"sv},            // 65
    KeyRow{curses_key::kF0 + 8, "\0B"sv},            // 66
    KeyRow{curses_key::kF0 + 9, "\0C"sv},            // 67
    KeyRow{curses_key::kF0 + 10, "\0D"sv},           // 68
    KeyRow{curses_key::kF0 + 11, "\0\x85"sv},        // 133
    KeyRow{curses_key::kF0 + 12, "\0\x86"sv},        // 134
    KeyRow{curses_key::kBackTab, "\0\x0f"sv},        // 15
    KeyRow{curses_key::kEnter, "\r"sv},
    KeyRow{'\n', "\r"sv},
    KeyRow{curses_key::kBackspace, "\b"sv},
    KeyRow{127, "\b"sv},
    // A typed NUL (Ctrl-@) would read as the first half of a two-character
    // key and swallow the next key, so it is dropped.
    KeyRow{0, ""sv},
};

// Home, End and the first function keys as terminals and multiplexers send
// them when not in the mode their description assumes.
constexpr std::array kExtraSequences{
    KeySequence{"\x1b[1~"sv, curses_key::kHome},    KeySequence{"\x1b[7~"sv, curses_key::kHome},
    KeySequence{"\x1b[H"sv, curses_key::kHome},     KeySequence{"\x1bOH"sv, curses_key::kHome},
    KeySequence{"\x1b[4~"sv, curses_key::kEnd},     KeySequence{"\x1b[8~"sv, curses_key::kEnd},
    KeySequence{"\x1b[F"sv, curses_key::kEnd},      KeySequence{"\x1bOF"sv, curses_key::kEnd},
    KeySequence{"\x1b[11~"sv, curses_key::kF0 + 1}, KeySequence{"\x1b[12~"sv, curses_key::kF0 + 2},
    KeySequence{"\x1b[13~"sv, curses_key::kF0 + 3}, KeySequence{"\x1b[14~"sv, curses_key::kF0 + 4},
    KeySequence{"\x1bOA"sv, curses_key::kUp},       KeySequence{"\x1bOB"sv, curses_key::kDown},
    KeySequence{"\x1bOD"sv, curses_key::kLeft},     KeySequence{"\x1bOC"sv, curses_key::kRight},
    KeySequence{"\x1b[A"sv, curses_key::kUp},       KeySequence{"\x1b[B"sv, curses_key::kDown},
    KeySequence{"\x1b[D"sv, curses_key::kLeft},     KeySequence{"\x1b[C"sv, curses_key::kRight},
};

// Palette colours 0 to 7 in the terminal's numbering.
constexpr std::array kBaseColours{
    curses_colour::kBlack,    // 0 black
    curses_colour::kBlue,     // 1 blue
    curses_colour::kGreen,    // 2 green
    curses_colour::kCyan,     // 3 cyan
    curses_colour::kRed,      // 4 red
    curses_colour::kMagenta,  // 5 magenta
    curses_colour::kYellow,   // 6 brown
    curses_colour::kWhite,    // 7 light grey
};

// Splits `text` into lines of at most `width` characters at blanks; a word
// longer than the width is cut.
void Wrap(std::string_view text, std::size_t width, std::vector<std::string>& out) {
  std::string line;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(pos, end - pos);
    pos = end + 1;
    while (word.size() > width) {
      if (!line.empty()) out.push_back(std::exchange(line, {}));
      out.emplace_back(word.substr(0, width));
      word.remove_prefix(width);
    }
    if (word.empty()) continue;
    if (!line.empty() && line.size() + 1 + word.size() > width)
      out.push_back(std::exchange(line, {}));
    if (!line.empty()) line += ' ';
    line += word;
  }
  if (!line.empty()) out.push_back(line);
}

}  // namespace

std::span<const KeyRow> KeyTable() {
  return kKeys;
}

std::span<const KeySequence> ExtraKeySequences() {
  return kExtraSequences;
}

std::string TranslateKey(int code) {
  for (const KeyRow& row : kKeys) {
    if (row.code == code) return std::string(row.keys);
  }
  if (code >= 0 && code <= 255) return std::string(1, static_cast<char>(code));
  return {};
}

TerminalColour ForegroundColour(int colour, bool sixteen_colours) {
  colour &= 15;
  int base = kBaseColours[colour & 7];
  bool bright = colour >= 8;
  if (sixteen_colours) return {bright ? base + 8 : base, false};
  return {base, bright};
}

int BackgroundColour(int colour) {
  return kBaseColours[colour & 7];
}

char DisplayChar(unsigned char c) {
  if (c < 32) return ' ';
  if (c >= 127) return '?';
  return static_cast<char>(c);
}

std::vector<std::string> TooSmallMessage(int cols, int rows) {
  std::size_t width = cols > 0 ? static_cast<std::size_t>(cols) : 1;
  std::vector<std::string> lines;
  Wrap("Please make the terminal at least 80 columns by 25 rows.", width, lines);
  Wrap("It is now " + std::to_string(cols) + " columns by " + std::to_string(rows) + " rows.",
       width, lines);
  return lines;
}

}  // namespace console

// The text console both programs draw on: an 80x25 grid of cells with a
// cursor and current colours, and a keyboard delivering one character per key.
//
// All output goes into the grid held here, so the screen model (wrapping at
// column 80, scrolling on row 25, clearing in the current background) is one
// piece of code shared by every backend. A backend supplies the keyboard and,
// for a real terminal, shows the grid before it waits for a key.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace console {

inline constexpr int kCols = 80;
inline constexpr int kRows = 25;

/// The standard 16-colour text palette.
enum Colour : int {
  kBlack = 0,
  kBlue = 1,
  kGreen = 2,
  kCyan = 3,
  kRed = 4,
  kMagenta = 5,
  kBrown = 6,
  kLightGrey = 7,
  kDarkGrey = 8,
  kLightBlue = 9,
  kLightGreen = 10,
  kLightCyan = 11,
  kLightRed = 12,
  kLightMagenta = 13,
  kYellow = 14,
  kWhite = 15,
};

/// Key codes as ReadKey delivers them. Keys without a character arrive as
/// kExtended followed by their scan code.
inline constexpr char kExtended = 0;
inline constexpr char kBackspace = 8;
inline constexpr char kTab = 9;
inline constexpr char kEnter = 13;
inline constexpr char kEsc = 27;
inline constexpr char kScanUp = 72;     // 'H'
inline constexpr char kScanDown = 80;   // 'P'
inline constexpr char kScanLeft = 75;   // 'K'
inline constexpr char kScanRight = 77;  // 'M'
inline constexpr char kScanF1 = 59;     // F1..F10 are 59..68

/// Two-character key strings, handy when scripting keys.
inline const std::string kKeyUp{'\0', kScanUp};
inline const std::string kKeyDown{'\0', kScanDown};
inline const std::string kKeyLeft{'\0', kScanLeft};
inline const std::string kKeyRight{'\0', kScanRight};

struct Cell {
  unsigned char ch = ' ';
  std::uint8_t fg = kLightGrey;
  std::uint8_t bg = kBlack;
  bool operator==(const Cell&) const = default;
};

/// Raised when a console cannot deliver input any more (a test script that
/// ran out, a closed terminal). It ends the program, never a wait.
class InputExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Console {
 public:
  Console();
  virtual ~Console() = default;
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  /// Clears the whole screen in the current background; cursor to (1, 1).
  void ClrScr();
  /// Clears from the cursor to the end of its row; the cursor stays.
  void ClrEol();
  /// Moves the cursor; positions outside the screen are ignored.
  void GotoXY(int x, int y);
  int WhereX() const { return x_; }
  int WhereY() const { return y_; }
  /// Foreground for later output, 0 to 15.
  void TextColor(int colour);
  /// Background for later output; only 0 to 7 are backgrounds (higher
  /// values keep their low three bits).
  void TextBackground(int colour);
  int Foreground() const { return fg_; }
  int Background() const { return bg_; }

  /// Writes text at the cursor. Past column 80 it continues on the next row;
  /// the last cell of row 25 is written without scrolling.
  void Write(std::string_view text);
  /// One character (never its code as a number).
  void Write(char c) { Write(std::string_view(&c, 1)); }
  void Write(long number);
  void Write(int number) { Write(static_cast<long>(number)); }
  /// Writes text, then moves to column 1 of the next row (scrolling on 25).
  void WriteLn(std::string_view text = {});
  void WriteLn(long number);

  /// Waits for one key and returns its character, without echo.
  virtual char ReadKey() = 0;
  /// True when a key is waiting; does not take it.
  virtual bool KeyPressed() = 0;
  /// Reads a typed line with echo and Backspace editing, ended by Enter
  /// (which moves the cursor to the next row). At most `capacity` characters.
  std::string ReadLine(std::size_t capacity = 255);

  /// Makes what was written visible now, without waiting for a key (a real
  /// terminal draws its screen; the virtual one has nothing to do).
  void Refresh() { Show(); }

  /// The 80 characters of a row (1-based).
  std::string Row(int y) const;
  /// The cell at (x, y), both 1-based.
  const Cell& At(int x, int y) const;

 protected:
  /// Called when the screen must be made visible (before a key is awaited).
  virtual void Show() {}
  /// True when the cell grid changed since the last Show().
  bool Dirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }

 private:
  void PutChar(unsigned char c);
  void NewLine();
  void ScrollUp();

  std::array<std::array<Cell, kCols>, kRows> cells_{};
  int x_ = 1;
  int y_ = 1;
  int fg_ = kLightGrey;
  int bg_ = kBlack;
  bool pending_wrap_ = false;  // the last cell of row 25 was just written
  bool dirty_ = true;
};

/// Clears rows 2 to 24 in the current background and leaves the cursor at
/// (1, 3); rows 1 and 25 stay as they are.
void CLR(Console& con);

}  // namespace console

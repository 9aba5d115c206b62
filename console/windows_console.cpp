// The real terminal on Windows: the console grid shown through the Win32
// console API, keys read as console input events. The programs draw on a
// screen buffer of their own, so that the console's previous contents,
// colours, size and modes are there again when it is given back. This is
// the only file that includes <windows.h> for the console; it provides what
// console/terminal.h promises, as terminal.cpp does elsewhere.
#include <windows.h>

#include <array>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/terminal.h"
#include "console/terminal_codes.h"
#include "console/windows_codes.h"

namespace console {

static_assert(windows_key::kBackspace == VK_BACK && windows_key::kEnter == VK_RETURN &&
              windows_key::kEscape == VK_ESCAPE);
static_assert(windows_key::kTab == VK_TAB && windows_key::kShift == VK_SHIFT &&
              windows_key::kControl == VK_CONTROL && windows_key::kAlt == VK_MENU &&
              windows_key::kPause == VK_PAUSE && windows_key::kCapsLock == VK_CAPITAL);
static_assert(windows_key::kLeftWindows == VK_LWIN && windows_key::kRightWindows == VK_RWIN &&
              windows_key::kApplications == VK_APPS && windows_key::kF11 == VK_F11 &&
              windows_key::kF12 == VK_F12 && windows_key::kNumLock == VK_NUMLOCK &&
              windows_key::kScrollLock == VK_SCROLL && windows_key::kLeftShift == VK_LSHIFT &&
              windows_key::kRightAlt == VK_RMENU && windows_key::kShiftPressed == SHIFT_PRESSED);
static_assert(FOREGROUND_BLUE == 1 && FOREGROUND_GREEN == 2 && FOREGROUND_RED == 4 &&
              FOREGROUND_INTENSITY == 8 && BACKGROUND_BLUE == 16);

namespace {

// The console the process has taken over. It lives outside the console
// object because the Ctrl-C handler (which runs on a thread of its own), the
// exit hook and RestoreTerminal() must reach it; the lock keeps a drawing
// and the giving back from meeting.
std::mutex g_lock;
bool g_taken = false;
HANDLE g_input = INVALID_HANDLE_VALUE;
HANDLE g_output = INVALID_HANDLE_VALUE;  // the buffer the console showed before
HANDLE g_screen = INVALID_HANDLE_VALUE;  // the programs' own buffer
DWORD g_input_mode = 0;
bool g_exit_hook = false;
// What the console's window showed before, written back when it is given
// back: a console that does not redraw a buffer made active again (Wine's
// on a Unix terminal) then shows it too.
std::vector<CHAR_INFO> g_saved;
SMALL_RECT g_saved_area{};
COORD g_saved_cursor{};

void GiveBack() {
  if (!g_taken) return;
  g_taken = false;
  SetConsoleActiveScreenBuffer(g_output);
  CloseHandle(g_screen);
  g_screen = INVALID_HANDLE_VALUE;
  if (!g_saved.empty()) {
    const COORD size{static_cast<SHORT>(g_saved_area.Right - g_saved_area.Left + 1),
                     static_cast<SHORT>(g_saved_area.Bottom - g_saved_area.Top + 1)};
    SMALL_RECT area = g_saved_area;
    WriteConsoleOutputW(g_output, g_saved.data(), size, COORD{0, 0}, &area);
  }
  SetConsoleCursorPosition(g_output, g_saved_cursor);
  SetConsoleMode(g_input, g_input_mode);
}

// Ctrl-C, Ctrl-Break and the closing of the console window: the console is
// given back and the program ends with the status a shell reports for an
// interrupted program (128 + 2), as on a Unix terminal.
constexpr UINT kExitInterrupted = 130;

BOOL WINAPI OnControl(DWORD) {
  {
    std::lock_guard<std::mutex> hold(g_lock);
    GiveBack();
  }
  ExitProcess(kExitInterrupted);
}

class WindowsConsole final : public Console {
 public:
  WindowsConsole() = default;
  ~WindowsConsole() override { RestoreTerminal(); }
  WindowsConsole(const WindowsConsole&) = delete;
  WindowsConsole& operator=(const WindowsConsole&) = delete;

  char ReadKey() override {
    while (pending_.empty()) {
      Show();
      NextEvents(true);
    }
    char c = pending_.front();
    pending_.pop_front();
    return c;
  }

  bool KeyPressed() override {
    if (!pending_.empty()) return true;
    Draw();  // a program that polls for a key still shows its screen
    while (pending_.empty()) {
      if (!NextEvents(false)) return false;
    }
    return true;
  }

 protected:
  /// Draws the screen; while the console window is too small, shows why and
  /// waits for it to be made larger (keys typed meanwhile are dropped).
  void Show() override {
    Draw();
    const std::size_t kept = pending_.size();
    while (!fits_) {
      // Not every console reports a change of size as an event: look again
      // now and then.
      if (WaitForSingleObject(g_input, 200) == WAIT_OBJECT_0) NextEvents(false);
      pending_.resize(kept);
      Draw();
    }
  }

 private:
  // Copies the grid (or the size message) to the console and puts the
  // cursor in place; never waits.
  void Draw() {
    std::lock_guard<std::mutex> hold(g_lock);
    if (!g_taken) throw InputExhausted{"the console was given back"};
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(g_screen, &info)) return;
    const SMALL_RECT window = info.srWindow;
    const int cols = window.Right - window.Left + 1;
    const int rows = window.Bottom - window.Top + 1;
    const bool fits = cols >= kCols && rows >= kRows;
    if (fits != fits_) redraw_all_ = true;
    fits_ = fits;
    if (!fits) {
      DrawTooSmall(info, cols, rows);
      return;
    }
    if (redraw_all_ || Dirty()) {
      std::array<CHAR_INFO, kCols * kRows> cells{};
      for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kCols; ++x) {
          const Cell& cell = At(x, y);
          CHAR_INFO& out = cells[(y - 1) * kCols + (x - 1)];
          out.Char.UnicodeChar = static_cast<WCHAR>(DisplayChar(cell.ch));
          out.Attributes = WindowsAttribute(cell);
        }
      }
      SMALL_RECT area{window.Left, window.Top, static_cast<SHORT>(window.Left + kCols - 1),
                      static_cast<SHORT>(window.Top + kRows - 1)};
      WriteConsoleOutputW(g_screen, cells.data(), COORD{kCols, kRows}, COORD{0, 0}, &area);
      ClearDirty();
      redraw_all_ = false;
    }
    SetConsoleCursorPosition(g_screen, COORD{static_cast<SHORT>(window.Left + WhereX() - 1),
                                             static_cast<SHORT>(window.Top + WhereY() - 1)});
  }

  void DrawTooSmall(const CONSOLE_SCREEN_BUFFER_INFO& info, int cols, int rows) {
    const DWORD all = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    const WORD plain = FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE;
    DWORD done = 0;
    FillConsoleOutputCharacterW(g_screen, L' ', all, COORD{0, 0}, &done);
    FillConsoleOutputAttribute(g_screen, plain, all, COORD{0, 0}, &done);
    SHORT y = info.srWindow.Top;
    for (const std::string& line : TooSmallMessage(cols, rows)) {
      if (y > info.srWindow.Bottom) break;
      std::wstring wide(line.begin(), line.end());
      WriteConsoleOutputCharacterW(g_screen, wide.c_str(), static_cast<DWORD>(wide.size()),
                                   COORD{info.srWindow.Left, y++}, &done);
    }
    SetConsoleCursorPosition(g_screen, COORD{info.srWindow.Left, info.srWindow.Top});
  }

  // Takes the waiting input events (waiting for one when `block`) and
  // queues the keys among them; false when none was waiting. A change of
  // the window's size redraws the screen.
  bool NextEvents(bool block) {
    if (!g_taken) throw InputExhausted{"the console was given back"};
    DWORD waiting = 0;
    if (!block) {
      if (!GetNumberOfConsoleInputEvents(g_input, &waiting)) {
        throw InputExhausted{"the console sends no more keys"};
      }
      if (waiting == 0) return false;
    }
    std::array<INPUT_RECORD, 32> records;
    DWORD got = 0;
    if (!ReadConsoleInputW(g_input, records.data(), static_cast<DWORD>(records.size()), &got) ||
        (got == 0 && block)) {
      throw InputExhausted{"the console sends no more keys"};
    }
    for (DWORD i = 0; i < got; ++i) {
      const INPUT_RECORD& record = records[i];
      if (record.EventType == WINDOW_BUFFER_SIZE_EVENT) {
        redraw_all_ = true;
        Draw();
      } else if (record.EventType == KEY_EVENT) {
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        WindowsKeyEvent event;
        event.down = key.bKeyDown != 0;
        event.virtual_key = key.wVirtualKeyCode;
        event.scan_code = key.wVirtualScanCode;
        event.character = key.uChar.UnicodeChar;
        event.repeat = key.wRepeatCount;
        event.control_state = key.dwControlKeyState;
        for (char c : WindowsKeyChars(event)) pending_.push_back(c);
      }
    }
    return got > 0;
  }

  std::deque<char> pending_;  // keys taken from the console, not yet read
  bool redraw_all_ = true;
  bool fits_ = true;
};

}  // namespace

std::unique_ptr<Console> OpenTerminal() {
  constexpr const char* kNoScreen =
      "The console cannot be drawn on; the program needs a full-screen console.";
  std::lock_guard<std::mutex> hold(g_lock);
  if (g_taken) throw std::runtime_error("The terminal is already in use.");
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD input_mode = 0;
  DWORD output_mode = 0;
  if (!GetConsoleMode(input, &input_mode) || !GetConsoleMode(output, &output_mode)) {
    throw std::runtime_error(
        "This program needs a terminal: its standard input and output must not be redirected.");
  }
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(output, &info)) {
    throw std::runtime_error(kNoScreen);
  }
  // A buffer of the window's size, so that nothing scrolls beside the screen.
  HANDLE screen =
      CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, CONSOLE_TEXTMODE_BUFFER, nullptr);
  if (screen == INVALID_HANDLE_VALUE) {
    throw std::runtime_error(kNoScreen);
  }
  const COORD window{static_cast<SHORT>(info.srWindow.Right - info.srWindow.Left + 1),
                     static_cast<SHORT>(info.srWindow.Bottom - info.srWindow.Top + 1)};
  g_saved.assign(static_cast<std::size_t>(window.X) * static_cast<std::size_t>(window.Y),
                 CHAR_INFO{});
  g_saved_area = info.srWindow;
  g_saved_cursor = info.dwCursorPosition;
  SMALL_RECT area = info.srWindow;
  if (!ReadConsoleOutputW(output, g_saved.data(), window, COORD{0, 0}, &area)) g_saved.clear();
  SetConsoleScreenBufferSize(screen, window);
  if (!SetConsoleActiveScreenBuffer(screen)) {
    CloseHandle(screen);
    throw std::runtime_error(kNoScreen);
  }
  g_input = input;
  g_output = output;
  g_screen = screen;
  g_input_mode = input_mode;
  g_taken = true;
  // Keys one at a time without echo; Ctrl-C still interrupts; size changes
  // arrive as events.
  SetConsoleMode(input, ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS);
  CONSOLE_CURSOR_INFO cursor{25, TRUE};
  SetConsoleCursorInfo(screen, &cursor);
  SetConsoleCtrlHandler(OnControl, TRUE);
  if (!g_exit_hook) {
    std::atexit(RestoreTerminal);
    g_exit_hook = true;
  }
  return std::make_unique<WindowsConsole>();
}

void RestoreTerminal() {
  std::lock_guard<std::mutex> hold(g_lock);
  if (!g_taken) return;
  GiveBack();
  SetConsoleCtrlHandler(OnControl, FALSE);
}

}  // namespace console

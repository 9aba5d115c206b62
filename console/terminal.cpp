// The real terminal through curses. The console's cell grid is copied to the
// curses screen before every wait for a key; keys are translated by the
// table in terminal_codes.cpp. This is the only file that knows curses.
#include "console/terminal.h"

#include <curses.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <stdexcept>
#include <string>

#include "console/terminal_codes.h"

namespace console {

static_assert(curses_key::kDown == KEY_DOWN && curses_key::kUp == KEY_UP &&
              curses_key::kLeft == KEY_LEFT && curses_key::kRight == KEY_RIGHT);
static_assert(curses_key::kHome == KEY_HOME && curses_key::kEnd == KEY_END &&
              curses_key::kPageUp == KEY_PPAGE && curses_key::kPageDown == KEY_NPAGE &&
              curses_key::kInsert == KEY_IC && curses_key::kDelete == KEY_DC);
static_assert(curses_key::kBackspace == KEY_BACKSPACE && curses_key::kEnter == KEY_ENTER &&
              curses_key::kBackTab == KEY_BTAB && curses_key::kF0 == KEY_F0 &&
              curses_key::kF0 + 12 == KEY_F(12));
static_assert(curses_key::kKeypadUpperLeft == KEY_A1 && curses_key::kKeypadUpperRight == KEY_A3 &&
              curses_key::kKeypadLowerLeft == KEY_C1 && curses_key::kKeypadLowerRight == KEY_C3);
static_assert(curses_colour::kBlack == COLOR_BLACK && curses_colour::kRed == COLOR_RED &&
              curses_colour::kGreen == COLOR_GREEN && curses_colour::kYellow == COLOR_YELLOW &&
              curses_colour::kBlue == COLOR_BLUE && curses_colour::kMagenta == COLOR_MAGENTA &&
              curses_colour::kCyan == COLOR_CYAN && curses_colour::kWhite == COLOR_WHITE);

namespace {

// The signals that end the program with the terminal given back, and the
// ones curses handles itself while it runs (suspend, resize). The
// dispositions the program had before are put back afterwards.
// kAllSignals begins with kEndSignals in the same order.
constexpr std::array kEndSignals{SIGINT, SIGTERM, SIGHUP};
constexpr std::array kAllSignals{SIGINT, SIGTERM, SIGHUP, SIGTSTP, SIGWINCH};

// The one terminal the process has taken over. It lives outside the console
// object because the signal handlers, the exit hook and RestoreTerminal()
// must reach it.
SCREEN* g_screen = nullptr;
volatile std::sig_atomic_t g_in_curses = 0;  // between taking the terminal and endwin
std::array<struct sigaction, kAllSignals.size()> g_saved{};
bool g_exit_hook = false;

// Gives the terminal back and ends the program by the same signal, so the
// parent sees the usual status (128 + signal number in a shell).
extern "C" void EndOnSignal(int sig) {
  if (g_in_curses) {
    g_in_curses = 0;
    endwin();
  }
  std::signal(sig, SIG_DFL);
  std::raise(sig);  // delivered when this handler returns
}

// Blocks the ending signals while the terminal is being taken or given back.
class SignalBlock {
 public:
  SignalBlock() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kEndSignals) sigaddset(&set, sig);
    sigprocmask(SIG_BLOCK, &set, &old_);
  }
  ~SignalBlock() { sigprocmask(SIG_SETMASK, &old_, nullptr); }
  SignalBlock(const SignalBlock&) = delete;
  SignalBlock& operator=(const SignalBlock&) = delete;

 private:
  sigset_t old_;
};

void SaveSignals() {
  for (std::size_t i = 0; i < kAllSignals.size(); ++i)
    sigaction(kAllSignals[i], nullptr, &g_saved[i]);
}

void PutBackSignals() {
  for (std::size_t i = 0; i < kAllSignals.size(); ++i)
    sigaction(kAllSignals[i], &g_saved[i], nullptr);
}

// Catches the ending signals the program had left at their default; one the
// program ignores (started under nohup, say) stays ignored.
void CatchEndSignals() {
  for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
    if (g_saved[i].sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = EndOnSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : kEndSignals) sigaddset(&action.sa_mask, sig);
    sigaction(kEndSignals[i], &action, nullptr);
  }
}

// How cells are coloured: one colour pair per foreground and background.
class Palette {
 public:
  void Start() {
    if (!has_colors() || start_color() == ERR) return;
    sixteen_ = COLORS >= 16 && COLOR_PAIRS > 16 * 8;
    foregrounds_ = sixteen_ ? 16 : 8;
    if (COLOR_PAIRS < foregrounds_ * 8) return;  // too few pairs: shown without colour
    spare_pair_ = COLOR_PAIRS > foregrounds_ * 8;
    for (int bg = 0; bg < 8; ++bg) {
      for (int fg = 0; fg < foregrounds_; ++fg) {
        int pair = Pair(fg, bg);
        if (pair == 0) continue;  // the terminal's own colours, light grey on black
        init_pair(static_cast<short>(pair),
                  static_cast<short>(ForegroundColour(fg, sixteen_).colour),
                  static_cast<short>(BackgroundColour(bg)));
      }
    }
    colours_ = true;
  }

  chtype Attribute(const Cell& cell) const {
    if (!colours_) return (cell.bg != kBlack ? A_REVERSE : 0) | (cell.fg >= 8 ? A_BOLD : 0);
    TerminalColour fg = ForegroundColour(cell.fg, sixteen_);
    chtype attr = COLOR_PAIR(Pair(cell.fg & (foregrounds_ - 1), cell.bg & 7));
    return fg.bold ? attr | A_BOLD : attr;
  }

 private:
  // Pair numbers run from 1 when the terminal has a pair to spare; with
  // exactly 64 pairs (8-colour terminals) pair 0 stands for light grey on
  // black, which is what the terminal's own colours usually are.
  int Pair(int fg, int bg) const {
    int index = bg * foregrounds_ + fg;
    if (spare_pair_) return index + 1;
    if (index == kLightGrey) return 0;
    if (index == 0) return kLightGrey;
    return index;
  }

  bool colours_ = false;
  bool sixteen_ = false;
  bool spare_pair_ = true;
  int foregrounds_ = 8;
};

class TerminalConsole final : public Console {
 public:
  explicit TerminalConsole(const Palette& palette) : palette_(palette) {}
  ~TerminalConsole() override { RestoreTerminal(); }
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  char ReadKey() override {
    if (pending_.empty() && !g_in_curses) throw InputExhausted{"the terminal was given back"};
    while (pending_.empty()) {
      Show();
      Queue(NextKey(true));
    }
    char c = pending_.front();
    pending_.pop_front();
    return c;
  }

  bool KeyPressed() override {
    if (!pending_.empty()) return true;
    if (!g_in_curses) return false;
    Draw();  // a program that polls for a key still shows its screen
    while (pending_.empty()) {
      int code = NextKey(false);
      if (code == ERR) return false;
      Queue(code);
    }
    return true;
  }

 protected:
  /// Draws the screen; while the terminal is too small, shows why and waits
  /// for it to be made larger (keys typed meanwhile are dropped).
  void Show() override {
    Draw();
    while (!Fits()) NextKey(true);
  }

 private:
  static bool Fits() { return COLS >= kCols && LINES >= kRows; }

  // Copies the grid (or the size message) to the terminal and puts the
  // cursor in place; never waits.
  void Draw() {
    if (!g_in_curses) return;
    if (!Fits()) {
      DrawTooSmall();
      return;
    }
    if (redraw_all_) erase();
    if (redraw_all_ || Dirty()) {
      std::array<chtype, kCols> row{};
      for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kCols; ++x) {
          const Cell& cell = At(x, y);
          row[x - 1] = static_cast<unsigned char>(DisplayChar(cell.ch)) | palette_.Attribute(cell);
        }
        mvaddchnstr(y - 1, 0, row.data(), kCols);
      }
      ClearDirty();
      redraw_all_ = false;
    }
    move(WhereY() - 1, WhereX() - 1);
    refresh();
  }

  void DrawTooSmall() {
    erase();
    int y = 0;
    for (const std::string& line : TooSmallMessage(COLS, LINES)) {
      if (y >= LINES) break;
      mvaddnstr(y++, 0, line.c_str(), COLS);
    }
    move(0, 0);
    refresh();
    redraw_all_ = true;  // the grid is drawn afresh once the terminal fits
  }

  // The next key code from the terminal, ERR when none is waiting (only
  // when not blocking). A resize redraws the screen and is returned so the
  // caller sees that something happened.
  int NextKey(bool block) {
    if (!g_in_curses) throw InputExhausted{"the terminal was given back"};
    timeout(block ? -1 : 0);
    for (;;) {
      errno = 0;
      int code = getch();
      if (code == KEY_RESIZE) {
        redraw_all_ = true;
        Draw();
        return code;
      }
      if (code != ERR || !block) return code;
      if (errno != EINTR) throw InputExhausted{"the terminal sends no more keys"};
    }
  }

  void Queue(int code) {
    if (code == ERR || code == KEY_RESIZE) return;
    for (char c : TranslateKey(code)) pending_.push_back(c);
  }

  Palette palette_;
  std::deque<char> pending_;  // keys taken from the terminal, not yet read
  bool redraw_all_ = true;
};

}  // namespace

std::unique_ptr<Console> OpenTerminal() {
  if (g_screen != nullptr) throw std::runtime_error("The terminal is already in use.");
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    throw std::runtime_error(
        "This program needs a terminal: its standard input and output must not be redirected.");
  }
  SignalBlock block;
  SaveSignals();
  const char* term = std::getenv("TERM");
  std::string type = "The terminal type \"" + std::string(term ? term : "") + "\"";
  SCREEN* screen = newterm(nullptr, stdout, stdin);
  if (screen == nullptr) {
    PutBackSignals();
    throw std::runtime_error(type + " is not known.");
  }
  char* cursor_address = tigetstr("cup");
  if (cursor_address == nullptr || cursor_address == reinterpret_cast<char*>(-1)) {
    endwin();
    delscreen(screen);
    PutBackSignals();
    throw std::runtime_error(type +
                             " cannot place the cursor; the program needs a full-screen terminal.");
  }
  g_screen = screen;
  g_in_curses = 1;
  cbreak();  // keys one at a time; Ctrl-C still interrupts
  noecho();
  nonl();  // Enter arrives as 13
  keypad(stdscr, TRUE);
  meta(stdscr, TRUE);
  intrflush(stdscr, FALSE);
  for (const KeySequence& extra : ExtraKeySequences()) {
    define_key(std::string(extra.sequence).c_str(), extra.code);
  }
  set_escdelay(25);  // a lone Esc is a key of its own, without a noticeable wait
  curs_set(1);
  Palette palette;
  palette.Start();
  CatchEndSignals();
  if (!g_exit_hook) {
    std::atexit(RestoreTerminal);
    g_exit_hook = true;
  }
  return std::make_unique<TerminalConsole>(palette);
}

void RestoreTerminal() {
  if (g_screen == nullptr) return;
  SignalBlock block;
  if (g_in_curses) {
    g_in_curses = 0;
    endwin();
  }
  delscreen(g_screen);
  g_screen = nullptr;
  PutBackSignals();
}

}  // namespace console

// The terminal backend in a real terminal: termcheck runs in a tmux pane of
// 80x25 under TERM=xterm-256color, is sent keys and signals, and the pane is
// read back as text and coloured cells.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <thread>

#include "tests/terminal/tmux_pane.h"

namespace termtest {
namespace {

// The terminal's number for each palette colour: red and blue, brown and
// cyan trade places; bright colours are 8 to 15.
constexpr int kTerminalColour[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};
constexpr int kBlue = 1, kRed = 4, kBlack = 0, kYellow = 14, kLightCyan = 11;

// Runs a program, then reports how it ended and whether the terminal modes
// are what they were before. The trap (rather than an ignore, which the
// program would inherit) keeps this shell alive through Ctrl-C.
constexpr char kWrapper[] = R"sh(trap : INT
saved=$(stty -g)
"$@"
status=$?
if [ "$saved" = "$(stty -g)" ]; then modes=same; else modes=changed; fi
echo "EXIT=$status MODES=$modes"
)sh";

std::string Termcheck() {
  return TERMCHECK_PATH;
}

class TerminalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxAvailable())
      GTEST_SKIP() << "tmux is not installed: the real-terminal checks are skipped";
    unsetenv("TMUX");  // the private server is never taken for an enclosing one
  }

  // Starts a pane, shows a mark on the shell's screen and runs termcheck
  // with `args`; returns once the screen shows `drawn`.
  void Start(int cols, int rows, const std::string& args, const std::string& drawn,
             bool without_bce = false) {
    std::vector<std::string> env{"TERMCHECK=" + Termcheck()};
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
      if (const char* value = std::getenv(name)) env.push_back(std::string(name) + "=" + value);
    }
    pane_ = std::make_unique<TmuxPane>(cols, rows, env);
    std::ofstream(pane_->Dir() / "run.sh") << kWrapper;
    std::string run = "sh \"$HOME/run.sh\" ";
    if (without_bce) {
      MakeTerminfoWithoutBce();
      run = "TERMINFO=\"$HOME/terminfo\" " + run;
    }
    pane_->Command("echo BEFORE-MARK");
    // The next command is typed only once the shell has answered, so that
    // typed-ahead text never mixes into the mark on a busy machine.
    ASSERT_TRUE(pane_->WaitFor("\nBEFORE-MARK\nready>"));
    pane_->Command(run + "\"$TERMCHECK\" " + args);
    ASSERT_TRUE(pane_->WaitFor(drawn));
  }

  // The same description as xterm-256color, under the same name, but
  // without back-colour-erase: cleared cells are then painted with blanks
  // that tmux reports in colour.
  void MakeTerminfoWithoutBce() {
    auto dir = pane_->Dir();
    CommandResult source = RunCommand({"infocmp", "-x", "xterm-256color"});
    ASSERT_EQ(source.status, 0) << "infocmp is needed for the colour check: " << source.output;
    std::string text = source.output;
    auto at = text.find(" bce,");
    ASSERT_NE(at, std::string::npos) << text;
    text.erase(at, 5);
    std::ofstream(dir / "nobce.src") << text;
    CommandResult compiled =
        RunCommand({"tic", "-x", "-o", (dir / "terminfo").string(), (dir / "nobce.src").string()});
    ASSERT_EQ(compiled.status, 0) << "tic is needed for the colour check: " << compiled.output;
  }

  // The program has left and the shell's own screen and modes are back.
  void ExpectRestored(const std::string& exit_line) {
    ASSERT_TRUE(pane_->WaitFor(exit_line + "\nready>"));
    EXPECT_EQ(pane_->Format("#{alternate_on}"), "0");
    EXPECT_EQ(pane_->Format("#{keypad_cursor_flag}"), "0");
    EXPECT_EQ(pane_->Format("#{cursor_flag}"), "1");
    std::string screen = pane_->Screen();
    EXPECT_NE(screen.find("ready> echo BEFORE-MARK\nBEFORE-MARK\n"), std::string::npos) << screen;
    EXPECT_EQ(screen.find("Terminal check"), std::string::npos) << screen;
  }

  // Checks the cells termcheck writes: every foreground on row 3 and the
  // written blanks of every background on row 4.
  void ExpectWrittenColours(const std::vector<std::vector<PaneCell>>& cells) {
    ASSERT_GE(cells.size(), 4u);
    for (int c = 0; c < 16; ++c) {
      const PaneCell& cell = cells[2].at(9 + 3 * c);
      EXPECT_EQ(cell.ch, c < 10 ? '0' : '1') << "colour " << c;
      EXPECT_EQ(cell.fg, kTerminalColour[c]) << "colour " << c;
      EXPECT_EQ(cell.bg, kTerminalColour[kBlack]) << "colour " << c;
    }
    for (int b = 0; b < 8; ++b) {
      for (int x = 14 + 4 * b; x <= 16 + 4 * b; ++x) {
        EXPECT_EQ(cells[3].at(x - 1).bg, kTerminalColour[b])
            << "background " << b << " column " << x;
      }
      EXPECT_EQ(cells[3].at(13 + 4 * b).ch, ' ');
    }
  }

  std::unique_ptr<TmuxPane> pane_;
};

TEST_F(TerminalTest, KeysArriveAsTheConsoleDeliversThem) {
  Start(80, 25, "", "Terminal check");
  EXPECT_EQ(pane_->Format("#{pane_width}x#{pane_height}"), "80x25");
  EXPECT_EQ(pane_->Format("#{alternate_on}"), "1");
  EXPECT_EQ(pane_->Format("#{keypad_cursor_flag}"), "1");
  ExpectWrittenColours(pane_->Cells());
  struct Case {
    const char* key;
    const char* shown;
  };
  const Case cases[] = {
      {"Up", "0 72"},    {"Down", "0 80"},  {"Left", "0 75"}, {"Right", "0 77"}, {"Escape", "27"},
      {"F1", "0 59"},    {"F2", "0 60"},    {"F10", "0 68"},  {"Home", "0 71"},  {"End", "0 79"},
      {"PPage", "0 73"}, {"NPage", "0 81"}, {"IC", "0 82"},   {"DC", "0 83"},    {"Enter", "13"},
      {"BSpace", "8"},   {"Tab", "9"},      {"Escape", "27"}, {"a", "97"},
  };
  int count = 0;
  for (const Case& c : cases) {
    auto sent = std::chrono::steady_clock::now();
    pane_->Press({c.key});
    ASSERT_TRUE(pane_->WaitFor("Key " + std::to_string(++count) + ": " + c.shown + "\n")) << c.key;
    if (std::string_view(c.key) == "Escape") {
      // Without a short escape delay a lone Esc takes a whole second.
      EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::milliseconds(800));
    }
  }
  pane_->Press({"q"});
  ExpectRestored("EXIT=0 MODES=same");
}

TEST_F(TerminalTest, ReadLineEchoesAndEditsAndKeyPressedKeepsTheKey) {
  Start(80, 25, "", "Terminal check");
  pane_->Press({"l"});
  ASSERT_TRUE(pane_->WaitFor("Type a line:"));
  pane_->Type("hel;lx\\");
  ASSERT_TRUE(pane_->WaitFor("Type a line: hel;lx\\\n"));  // echoed as typed
  pane_->Press({"BSpace", "BSpace"});
  ASSERT_TRUE(pane_->WaitFor("Type a line: hel;l\n"));
  pane_->Type("o");
  pane_->Press({"Enter"});
  ASSERT_TRUE(pane_->WaitFor("Line: [hel;lo] ends at row 14"));

  // The screen is shown while the program polls, and the polled key (two
  // characters for an arrow) is still there to be read.
  pane_->Press({"w"});
  ASSERT_TRUE(pane_->WaitFor("Polling for a key"));
  pane_->Press({"Down"});
  ASSERT_TRUE(pane_->WaitFor("Polled: 0 80, pressed before reading yes, after reading no"));

  // A runtime error gives the terminal back before its message is printed.
  pane_->Press({"r"});
  ASSERT_TRUE(pane_->WaitFor("Runtime error 106 at termcheck\nEXIT=106"));
  ExpectRestored("EXIT=106 MODES=same");
}

TEST_F(TerminalTest, WrittenAndClearedCellsKeepTheirColours) {
  Start(80, 25, "", "Terminal check", true);
  // The screen reaches tmux in pieces: wait for its last cell, so that a
  // busy machine never shows a half-drawn screen to the checks below.
  auto cells = pane_->Cells();
  for (int tries = 0; tries < 250 && !(cells.size() == 25u && cells[24].size() == 80u &&
                                       cells[24][79].ch == '#');
       ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cells = pane_->Cells();
  }
  ASSERT_EQ(cells.size(), 25u);
  for (const auto& row : cells) ASSERT_EQ(row.size(), 80u);
  ExpectWrittenColours(cells);
  // Row 1: the title written in yellow on blue, the rest cleared in blue.
  for (int x = 1; x <= 80; ++x) {
    EXPECT_EQ(cells[0][x - 1].bg, kTerminalColour[kBlue]) << "column " << x;
    if (x <= 15) {
      EXPECT_EQ(cells[0][x - 1].fg, kTerminalColour[kYellow]) << "column " << x;
    }
  }
  // Row 5: cleared in red from column 41.
  EXPECT_EQ(cells[4][39].bg, kTerminalColour[kBlack]);
  for (int x = 41; x <= 80; ++x) EXPECT_EQ(cells[4][x - 1].bg, kTerminalColour[kRed]) << x;

  std::string screen = pane_->Screen();
  // Bytes above 127 and control characters in cells never reach the
  // terminal raw.
  EXPECT_NE(screen.find("\nBytes: caf? ?? tab[ ] esc[ ] nul[ ]\n"), std::string::npos) << screen;
  // The last cell of row 25 is written without scrolling the screen.
  EXPECT_EQ(screen.rfind(" Terminal check", 0), 0u) << screen;
  EXPECT_EQ(cells[24][79].ch, '#');
  EXPECT_EQ(cells[24][79].fg, kTerminalColour[kLightCyan]);
  EXPECT_EQ(cells[24][0].ch, 'R');
  pane_->Press({"q"});
  ExpectRestored("EXIT=0 MODES=same");
}

TEST_F(TerminalTest, SignalsEndTheProgramWithTheTerminalRestored) {
  struct Case {
    int signal;  // sent with kill, or 0 for Ctrl-C typed in the pane
    const char* exit_line;
  };
  for (const Case& c : {Case{SIGTERM, "EXIT=143 MODES=same"}, Case{SIGHUP, "EXIT=129 MODES=same"},
                        Case{0, "EXIT=130 MODES=same"}}) {
    SCOPED_TRACE(c.exit_line);
    Start(80, 25, "--wait", "Waiting for a signal, pid ");
    EXPECT_EQ(pane_->Format("#{alternate_on}"), "1");
    if (c.signal == 0) {
      pane_->Press({"C-c"});
    } else {
      std::string screen = pane_->Screen();
      auto at = screen.find("Waiting for a signal, pid ");
      int pid = std::atoi(screen.c_str() + at + 26);
      ASSERT_GT(pid, 1) << screen;
      ASSERT_EQ(kill(pid, c.signal), 0);
    }
    ExpectRestored(c.exit_line);
    pane_.reset();
  }
}

TEST_F(TerminalTest, SmallTerminalGetsAMessageUntilResized) {
  Start(60, 20, "", "Please make the terminal at least 80 columns by 25 rows.");
  ASSERT_TRUE(pane_->WaitFor("It is now 60 columns by 20 rows."));
  EXPECT_EQ(pane_->Screen().find("Terminal check"), std::string::npos);
  // A key typed while the terminal is too small is dropped. tmux writes keys
  // to the pane in the background, so let it arrive before the resize.
  pane_->Press({"a"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  pane_->Resize(80, 25);
  ASSERT_TRUE(pane_->WaitFor("Terminal check"));
  pane_->Press({"b"});
  ASSERT_TRUE(pane_->WaitFor("Key 1: 98\n"));
  // Shrinking while waiting for a key shows the message; growing brings the
  // screen back as it was.
  pane_->Resize(70, 25);
  ASSERT_TRUE(pane_->WaitFor("It is now 70 columns by 25 rows."));
  pane_->Resize(80, 25);
  ASSERT_TRUE(pane_->WaitFor("Terminal check"));
  ASSERT_TRUE(pane_->WaitFor("Key 1: 98\n"));
  ExpectWrittenColours(pane_->Cells());
  pane_->Press({"q"});
  ExpectRestored("EXIT=0 MODES=same");
}

// Run without a terminal the program must stop with a message, not wait.
TEST(TerminalOpen, RefusesWhenInputIsNotATerminal) {
  CommandResult result = RunCommand({Termcheck()});
  EXPECT_EQ(result.status, 99) << result.output;
  EXPECT_NE(result.output.find("needs a terminal"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace termtest

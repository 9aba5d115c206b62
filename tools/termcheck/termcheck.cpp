// termcheck: draws a screen with every colour, cleared and written cells and
// awkward bytes, then shows each key it reads. Keys: q ends, l reads a line,
// w polls for a key with KeyPressed, r ends with a runtime error.
// "termcheck --wait" draws the same screen and waits until a signal ends it.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "console/console.h"
#include "console/program.h"
#include "console/runtime_error.h"
#include "console/terminal.h"

namespace {

using console::Console;

constexpr int kKeyRow = 11;
constexpr int kLinePromptRow = 13;
constexpr int kLineRow = 14;
constexpr int kPollRow = 16;
constexpr int kWaitRow = 18;

void DrawScreen(Console& con) {
  con.TextBackground(console::kBlack);
  con.TextColor(console::kLightGrey);
  con.ClrScr();
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
  con.Write(" Terminal check");
  int x = con.WhereX();
  int y = con.WhereY();
  con.ClrEol();  // the rest of row 1 cleared in blue
  con.TextBackground(console::kBlack);
  con.TextColor(console::kLightGrey);
  con.GotoXY(1, 2);
  con.Write("Cursor after the title: " + std::to_string(x) + "," + std::to_string(y));

  // Foreground c starts at column 10 + 3c.
  con.GotoXY(1, 3);
  con.Write("Colours:");
  for (int c = 0; c < 16; ++c) {
    con.TextColor(console::kLightGrey);
    con.Write(" ");
    con.TextColor(c);
    con.Write((c < 10 ? "0" : "") + std::to_string(c));
  }
  // Background b covers columns 14 + 4b to 16 + 4b, written blanks around
  // the digit.
  con.TextColor(console::kWhite);
  con.GotoXY(1, 4);
  con.Write("Backgrounds:");
  for (int b = 0; b < 8; ++b) {
    con.TextBackground(console::kBlack);
    con.Write(" ");
    con.TextBackground(b);
    con.Write(" " + std::to_string(b) + " ");
  }
  con.TextBackground(console::kBlack);
  con.TextColor(console::kLightGrey);
  con.GotoXY(1, 5);
  con.Write("Cleared in red from column 41:");
  con.GotoXY(41, 5);
  con.TextBackground(console::kRed);
  con.ClrEol();
  con.TextBackground(console::kBlack);
  con.GotoXY(1, 6);
  static constexpr char kBytes[] = "Bytes: caf\xE9 \x81\xFF tab[\t] esc[\x1b] nul[\0]";
  con.Write(std::string_view(kBytes, sizeof kBytes - 1));

  con.GotoXY(1, 8);
  con.WriteLn("Keys: q ends, l reads a line, w polls for a key,");
  con.WriteLn("r ends with a runtime error; any other key is shown.");

  con.GotoXY(1, 25);
  con.TextColor(console::kLightCyan);
  con.Write("Row 25");
  con.GotoXY(80, 25);
  con.Write("#");  // the last cell: no scrolling
  con.TextColor(console::kLightGrey);
}

// Reads one key and its scan code when it has one: "27" or "0 72".
std::string ReadKeyText(Console& con) {
  char c = con.ReadKey();
  std::string text = std::to_string(static_cast<unsigned char>(c));
  if (c == console::kExtended)
    text += " " + std::to_string(static_cast<unsigned char>(con.ReadKey()));
  return text;
}

void ShowAt(Console& con, int row, const std::string& text) {
  con.GotoXY(1, row);
  con.Write(text);
  con.ClrEol();
}

void ReadLineCheck(Console& con) {
  ShowAt(con, kLinePromptRow, "Type a line: ");
  con.GotoXY(14, kLinePromptRow);
  std::string line = con.ReadLine(30);
  ShowAt(con, kLineRow, "Line: [" + line + "] ends at row " + std::to_string(con.WhereY()));
}

void PollCheck(Console& con) {
  ShowAt(con, kPollRow, "Polling for a key");
  while (!con.KeyPressed()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  bool before = con.KeyPressed();  // must not take the key
  std::string key = ReadKeyText(con);
  bool after = con.KeyPressed();
  ShowAt(con, kPollRow,
         "Polled: " + key + ", pressed before reading " + (before ? "yes" : "no") +
             ", after reading " + (after ? "yes" : "no"));
}

void Check(Console& con, bool wait_for_signal) {
  DrawScreen(con);
  if (wait_for_signal) {
    ShowAt(con, kWaitRow, "Waiting for a signal, pid " + std::to_string(getpid()));
    for (;;) con.ReadKey();
  }
  for (int count = 1;; ++count) {
    con.GotoXY(1, kKeyRow + 1);
    std::string key = ReadKeyText(con);
    ShowAt(con, kKeyRow, "Key " + std::to_string(count) + ": " + key);
    if (key == "113") return;  // q
    if (key == "108") ReadLineCheck(con);
    if (key == "119") PollCheck(con);
    if (key == "114") throw console::RuntimeError(console::kErrInvalidNumber, "termcheck");
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool wait_for_signal = argc == 2 && std::string_view(argv[1]) == "--wait";
  if (argc > 2 || (argc == 2 && !wait_for_signal)) {
    std::fprintf(stderr, "usage: termcheck [--wait]\n");
    return 2;
  }
  return console::RunProgram(
      [&] {
        auto con = console::OpenTerminal();
        Check(*con, wait_for_signal);
      },
      console::RestoreTerminal);
}

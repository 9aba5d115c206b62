#include "console/console.h"

#include <stdexcept>

namespace console {

Console::Console() {
  for (auto& row : cells_) row.fill(Cell{});
}

void Console::ClrScr() {
  for (auto& row : cells_) row.fill(Cell{' ', std::uint8_t(fg_), std::uint8_t(bg_)});
  x_ = 1;
  y_ = 1;
  pending_wrap_ = false;
  dirty_ = true;
}

void Console::ClrEol() {
  auto& row = cells_[y_ - 1];
  for (int x = x_; x <= kCols; ++x) row[x - 1] = Cell{' ', std::uint8_t(fg_), std::uint8_t(bg_)};
  dirty_ = true;
}

void Console::GotoXY(int x, int y) {
  if (x < 1 || x > kCols || y < 1 || y > kRows) return;
  x_ = x;
  y_ = y;
  pending_wrap_ = false;
}

void Console::TextColor(int colour) {
  fg_ = colour & 15;
}

void Console::TextBackground(int colour) {
  bg_ = colour & 7;
}

void Console::ScrollUp() {
  for (int y = 1; y < kRows; ++y) cells_[y - 1] = cells_[y];
  cells_[kRows - 1].fill(Cell{' ', std::uint8_t(fg_), std::uint8_t(bg_)});
  dirty_ = true;
}

void Console::NewLine() {
  pending_wrap_ = false;
  x_ = 1;
  if (y_ < kRows) {
    ++y_;
  } else {
    ScrollUp();
  }
}

void Console::PutChar(unsigned char c) {
  switch (c) {
    case '\r':
      x_ = 1;
      pending_wrap_ = false;
      return;
    case '\n':
      NewLine();
      return;
    case 7:  // bell: nothing to draw
      return;
    case '\b':
      if (x_ > 1) --x_;
      pending_wrap_ = false;
      return;
    default:
      break;
  }
  if (pending_wrap_) NewLine();
  cells_[y_ - 1][x_ - 1] = Cell{c, std::uint8_t(fg_), std::uint8_t(bg_)};
  dirty_ = true;
  if (x_ < kCols) {
    ++x_;
  } else if (y_ < kRows) {
    x_ = 1;
    ++y_;
  } else {
    pending_wrap_ = true;  // stays on the last cell until more text comes
  }
}

void Console::Write(std::string_view text) {
  for (char c : text) PutChar(static_cast<unsigned char>(c));
}

void Console::Write(long number) {
  Write(std::to_string(number));
}

void Console::WriteLn(std::string_view text) {
  Write(text);
  NewLine();
}

void Console::WriteLn(long number) {
  WriteLn(std::to_string(number));
}

std::string Console::ReadLine(std::size_t capacity) {
  std::string line;
  for (;;) {
    char c = ReadKey();
    if (c == kEnter) break;
    if (c == kExtended) {  // a key without a character: take its scan code and ignore it
      ReadKey();
      continue;
    }
    if (c == kBackspace || c == 127) {
      if (!line.empty()) {
        line.pop_back();
        Write("\b \b");
      }
      continue;
    }
    if (static_cast<unsigned char>(c) < 32) continue;
    if (line.size() >= capacity) continue;
    line.push_back(c);
    Write(std::string_view(&c, 1));
  }
  NewLine();
  return line;
}

std::string Console::Row(int y) const {
  if (y < 1 || y > kRows) throw std::out_of_range("screen row " + std::to_string(y));
  std::string out(kCols, ' ');
  for (int x = 0; x < kCols; ++x) out[x] = static_cast<char>(cells_[y - 1][x].ch);
  return out;
}

const Cell& Console::At(int x, int y) const {
  if (x < 1 || x > kCols || y < 1 || y > kRows)
    throw std::out_of_range("screen cell " + std::to_string(x) + "," + std::to_string(y));
  return cells_[y - 1][x - 1];
}

void CLR(Console& con) {
  for (int y = 2; y <= 24; ++y) {
    con.GotoXY(1, y);
    con.ClrEol();
  }
  con.GotoXY(1, 3);
}

}  // namespace console

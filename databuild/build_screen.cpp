#include "databuild/build_screen.h"

#include <stdexcept>

namespace databuild {

const std::array<FileOnScreen, 25> kFilesOnScreen{{
    {"Mat.a", {1, 6}, "  Mat.a ", {13, 6}},      {"Mat.b", {1, 7}, "  Mat.b ", {13, 7}},
    {"Mat.c", {1, 8}, "  Mat.c ", {13, 8}},      {"Co.b", {1, 9}, "  Co.b", {13, 9}},
    {"Co.c", {1, 10}, "  Co.c", {13, 10}},       {"Cv.b", {1, 11}, "  Cv.b", {13, 11}},
    {"Cv.c", {1, 12}, "  Cv.c", {13, 12}},       {"Ftv.57", {1, 13}, "  Ftv.57", {13, 13}},
    {"Ftv.58", {1, 14}, "  Ftv.58", {13, 14}},   {"Ftv.59", {1, 15}, "  Ftv.59", {13, 15}},
    {"Ftv.60", {1, 16}, "  Ftv.60", {13, 16}},   {"Ftv.68", {1, 17}, "  Ftv.68", {13, 17}},
    {"Ftv.69", {1, 18}, "  Ftv.69", {13, 18}},   {"Ftv.70", {1, 19}, "  Ftv.70", {13, 19}},
    {"Ftv.78", {1, 20}, "  Ftv.78", {13, 20}},   {"Ftv.79", {1, 21}, "  Ftv.79", {13, 21}},
    {"Ftv.80", {1, 22}, "  Ftv.80", {13, 22}},   {"Ftv.88", {1, 23}, "  Ftv.88", {13, 23}},
    {"Ftv.89", {1, 24}, "  Ftv.89", {13, 24}},   {"Ftv.90", {30, 6}, "Ftv.90", {40, 6}},
    {"Ftv.97", {30, 7}, "Ftv.97", {40, 7}},      {"Ftv.98", {30, 8}, "Ftv.98", {40, 8}},
    {"Ftv.99", {30, 9}, "Ftv.99", {40, 9}},      {"Ftv.00", {30, 10}, "Ftv.00", {40, 10}},
    {"Sit.txt", {30, 11}, "Sit.txt ", {40, 11}},
}};

// The two columns of copies are full as laid out; the copy of "Ftv.97" is
// made last and stands below the second column, clear of the closing words.
const std::array<LimitedOnScreen, 25> kLimitedOnScreen{{
    {"Mat.a", {40, 12}},  {"Mat.b", {40, 13}},  {"Mat.c", {40, 14}},  {"Co.b", {40, 15}},
    {"Co.c", {40, 16}},   {"Cv.b", {40, 17}},   {"Cv.c", {40, 18}},   {"Ftv.57", {40, 19}},
    {"Ftv.58", {40, 20}}, {"Ftv.59", {40, 21}}, {"Ftv.60", {40, 22}}, {"Ftv.68", {40, 23}},
    {"Ftv.69", {40, 24}}, {"Ftv.70", {66, 6}},  {"Ftv.78", {66, 7}},  {"Ftv.79", {66, 8}},
    {"Ftv.80", {66, 9}},  {"Ftv.88", {66, 10}}, {"Ftv.89", {66, 11}}, {"Ftv.90", {66, 12}},
    {"Ftv.98", {66, 13}}, {"Ftv.99", {66, 14}}, {"Ftv.00", {66, 15}}, {"Sit.txt", {66, 16}},
    {"Ftv.97", {66, 17}},
}};

namespace {

void WriteAt(console::Console& con, Spot at, std::string_view text) {
  con.GotoXY(at.x, at.y);
  con.Write(text);
}

std::string RightAligned(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

}  // namespace

const FileOnScreen& OnScreen(std::string_view file) {
  for (const FileOnScreen& f : kFilesOnScreen) {
    if (f.file == file) return f;
  }
  throw std::logic_error("no place on the screen for " + std::string(file));
}

void DrawStart(console::Console& con) {
  con.ClrScr();
  WriteAt(con, {1, 2}, "  Oristan 13.0 -- Matthew -- Creating Data Files...");
  WriteAt(con, {1, 4}, "  File    Questions");
  DrawLabels(con, {"Mat.a", "Mat.b", "Mat.c"});
}

void DrawLabels(console::Console& con, std::initializer_list<std::string_view> files) {
  for (std::string_view file : files) {
    const FileOnScreen& f = OnScreen(file);
    WriteAt(con, f.label_at, f.label);
  }
}

void DrawSecondHeading(console::Console& con) {
  WriteAt(con, {30, 4}, "File    Questions");
}

void DrawLimitedHeading(console::Console& con) {
  WriteAt(con, {54, 4}, "  File    Questions");
}

void DrawLimitedName(console::Console& con, const LimitedOnScreen& copy) {
  WriteAt(con, {copy.counter.x - 10, copy.counter.y}, "LL" + std::string(copy.file));
}

void DrawSuccess(console::Console& con) {
  WriteAt(con, {56, 19}, "Installation");
  WriteAt(con, {56, 20}, "Successful  ");
  WriteAt(con, {56, 22}, "Press Return");
  WriteAt(con, {56, 23}, "To Continue ");
}

std::string FormattingErrorText(int line) {
  return "  Formatting error in line " + std::to_string(line) + " of file Mat.dsk";
}

std::string EndedEarlyText(int last_line) {
  return "  File Mat.dsk ends after line " + std::to_string(last_line) +
         ", before its fourth separator line";
}

void ShowDatabaseFault(console::Console& con, std::string_view text) {
  con.ClrScr();
  con.WriteLn();
  con.WriteLn(text);
}

void WaitForEnter(console::Console& con) {
  for (;;) {
    char key = con.ReadKey();
    if (key == console::kEnter) return;
    if (key == console::kExtended) con.ReadKey();  // the scan code of a key without a character
  }
}

CounterBoard::CounterBoard(console::Console& con, Pace pace)
    : con_(con), pace_(std::move(pace)), last_(pace_.now()) {}

void CounterBoard::Set(Spot at, int value) {
  for (Pending& p : pending_) {
    if (p.at.x == at.x && p.at.y == at.y) {
      p.value = value;
      return;
    }
  }
  pending_.push_back({at, value});
}

bool CounterBoard::Due() const {
  return pace_.now() - last_ >= pace_.interval;
}

void CounterBoard::Tick() {
  if (!pending_.empty() && Due()) Flush();
}

void CounterBoard::Flush() {
  if (pending_.empty()) return;
  for (const Pending& p : pending_) {
    WriteAt(con_, p.at, "    ");
    WriteAt(con_, p.at, RightAligned(p.value, 4));
  }
  pending_.clear();
  if (pace_.present) pace_.present();
  last_ = pace_.now();
}

}  // namespace databuild

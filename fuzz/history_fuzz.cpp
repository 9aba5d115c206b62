// The season history through its reader. Promises checked:
// - a file that is refused is refused in words naming it and one of its
//   lines;
// - a file that is read is written back, with a new run added, so that
//   every line reads back with the same fields, and the new run is the
//   newest of the history;
// - forgetting the new run's name removes exactly the lines of that name.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_support.h"
#include "packets/history/history.h"

namespace {

using fuzz::Expect;
namespace history = packets::history;

bool SameName(std::string_view a, std::string_view b) {
  auto low = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return low(x) == low(y); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Clear();
  scratch.Put("Season.txt", text);
  history::History h;
  if (auto refused = history::Read(scratch.Dir(), "Season.txt", h)) {
    Expect(refused->rfind("Season.txt, line ", 0) == 0, "a refusal names no file and line");
    const int line = std::atoi(refused->c_str() + 17);
    const auto ends = std::count(text.begin(), text.end(), '\n') +
                      std::count(text.begin(), text.end(), '\r');
    Expect(line >= 1 && line <= ends + 1, "a refusal names a line the file does not have");
    return 0;
  }
  const std::string when = history::NewRunTime(h, "2026-01-01 00:00:00");
  const std::string added = history::FormatLine(when, "NewRun", 1, 1, 'n', " 1: 1\tWho?\tx");
  history::Write(scratch.Dir(), h, {&added, 1});
  history::History again;
  Expect(!history::Read(scratch.Dir(), "Season.txt", again), "a written history is refused");
  Expect(again.lines.size() == h.lines.size() + 1, "lines were lost or gained in writing");
  for (std::size_t i = 0; i < h.lines.size(); ++i) {
    const history::Line &a = h.lines[i], &b = again.lines[i];
    Expect(a.when == b.when && a.name == b.name && a.quiz == b.quiz && a.place == b.place &&
               a.kind == b.kind && a.record == b.record,
           "a line reads back differently");
  }
  Expect(again.runs.back().rank == static_cast<int>(again.runs.size()),
         "a new run is not the newest of the history");
  const auto named = std::count_if(again.lines.begin(), again.lines.end(),
                                   [](const history::Line& l) { return SameName(l.name, "newrun"); });
  Expect(history::Forget(scratch.Dir(), again, "newrun") == named, "forgetting miscounted");
  history::History left;
  Expect(!history::Read(scratch.Dir(), "Season.txt", left), "a history is refused after forgetting");
  Expect(left.lines.size() == again.lines.size() - static_cast<std::size_t>(named),
         "forgetting removed other lines");
  return 0;
}

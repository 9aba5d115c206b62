// The material's lines of every question data file, read once per run and
// kept per sector, so that a question's text is taken by its number; the
// checks that let the choosers trust them; the FTV types.
#include <string>

#include "packets/run/run_state.h"
#include "packets/selection/kinds.h"
#include "packets/selection/selection.h"

namespace packets::selection {

namespace {

constexpr std::size_t kTwoPieces = 2 * LMAX;

/// One question data file: its name, the lines before the material, the
/// questions of each sector, where its lines go and how much of each line
/// is kept.
struct DataFile {
  std::string RunState::*name;
  int RunState::*before;
  Table<int, SCMAX> RunState::*total;
  SectorTable<std::string, SCMAX> RunState::*lines;
  std::size_t capacity;
  const char* questions;  // in a refusal
};

constexpr DataFile kDataFiles[] = {
    {&RunState::F3, &RunState::BEFORE, &RunState::TQPS, &RunState::REGLINE, LMAX, "regular"},
    {&RunState::F4, &RunState::TEMPF, &RunState::TFPS, &RunState::FINLINE, kTwoPieces, "FTV"},
    {&RunState::F5, &RunState::RBEFORE, &RunState::TRPS, &RunState::REFLINE, LMAX, "CV Ref"},
    {&RunState::F6, &RunState::OBEFORE, &RunState::TOPS, &RunState::ONLYLINE, LMAX, "CO Ref"},
    {&RunState::F7, &RunState::TEMPS, &RunState::TSPS, &RunState::SITLINE, kTwoPieces, "SIT"},
};

int MaterialCount(const RunState& st, const Table<int, SCMAX>& total) {
  int n = 0;
  for (int s = 1; s <= st.SECTORS; ++s) n += total[s];
  return n;
}

/// Reads the file's lines of the material into its sector rows. A file
/// whose material holds no question is not opened.
std::optional<std::string> Load(Run& run, const DataFile& f) {
  RunState& st = run.st;
  auto& lines = st.*f.lines;
  const auto& total = st.*f.total;
  for (int s = 1; s <= SCMAX; ++s) lines.Size(s, 0, {});
  const int count = MaterialCount(st, total);
  if (count == 0) return std::nullopt;
  const std::string& name = st.*f.name;
  console::TextReader& in = st.question_files.Open(run.dir, name);
  const long expected = static_cast<long>(st.*f.before) + count;
  auto short_file = [&] {
    return name + ", line " + std::to_string(in.LineNumber()) +
           ": the file ends here, but the index counts " + std::to_string(expected) + " " +
           f.questions + " questions up to the end of the material (rebuild the index)";
  };
  for (int k = 0; k < st.*f.before; ++k) {
    if (in.Eof()) return short_file();
    in.ReadLn();
  }
  for (int s = 1; s <= st.SECTORS; ++s) {
    lines.Size(s, total[s], {});
    for (int k = 1; k <= total[s]; ++k) {
      if (in.Eof()) return short_file();
      lines(s, k) = in.ReadLineStr(f.capacity);
    }
  }
  return std::nullopt;
}

/// Every place of every quiz's pattern is a known kind, and the material
/// holds questions of every specialty kind a pattern asks for.
std::optional<std::string> CheckPatterns(const RunState& st) {
  for (int q = 1; q <= st.QZ; ++q) {
    const std::string& pat = st.PAT[q];
    for (int i = 1; i <= st.SECTORS; ++i) {
      const char c = i <= static_cast<int>(pat.size()) ? pat[static_cast<std::size_t>(i - 1)] : ' ';
      const std::string where = st.F12 + ", line " + std::to_string(q) + ": place " +
                                std::to_string(i) + " of quiz " + std::to_string(q);
      if (c == 'n') continue;
      const SpecialtyKind* kind = KindOf(c);
      if (!kind) return where + " holds \"" + std::string(1, c) + "\", not one of n F R O S";
      if (MaterialCount(st, st.*kind->total) == 0) {
        return where + " asks for a " + kind->name + " question, but the material holds none";
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PrepareSelection(Run& run) {
  RunState& st = run.st;
  for (int s = 1; s <= st.SECTORS; ++s) {
    if (st.TQPS[s] <= 0) {
      return "sector " + std::to_string(s) +
             " holds no regular question: choose fewer questions "
             "per quiz or a larger material";
    }
  }
  if (auto refused = CheckPatterns(st)) return refused;
  for (const DataFile& f : kDataFiles) {
    if (auto refused = Load(run, f)) return refused;
  }
  st.INTIDX = st.IPC != 50;
  st.FIX = 0;
  st.FIXLAST = 0;
  return std::nullopt;
}

void FINTYPES(Run& run) {
  RunState& st = run.st;
  for (int s = 1; s <= SCMAX; ++s) {
    const int count = s <= st.SECTORS ? st.TFPS[s] : 0;
    st.FTYPE.Size(s, count, ' ');
    for (int k = 1; k <= count; ++k) {
      const std::string& line = st.FINLINE(s, k);
      const char c9 = line.size() >= 9 ? line[8] : ' ';
      const char c10 = line.size() >= 10 ? line[9] : ' ';
      st.FTYPE(s, k) = static_cast<std::int8_t>(c9 == 'V' && c10 == 'R' ? 'R' : c9);
    }
  }
}

}  // namespace packets::selection

#include "packets/run/run_state.h"

#include <ostream>

#include "packets/run/run.h"

namespace packets {

void ThrowIndexError(const char* table, long index, long low, long high) {
  throw TableIndexError("internal error: index " + std::to_string(index) + " outside " + table +
                        "[" + std::to_string(low) + ".." + std::to_string(high) + "]");
}

void ClearVerseTables(RunState& st) {
  st.QCOUNT.Fill(0);
  st.FCOUNT.Fill(0);
  st.RCOUNT.Fill(0);
  st.OCOUNT.Fill(0);
  st.SCOUNT.Fill(0);
}

void ClearSectorTable(RunState& st) {
  for (auto* t : {&st.BC, &st.BV, &st.EC, &st.EV}) t->Fill(0);
  for (auto* t : {&st.QPS, &st.FPS, &st.RPS, &st.OPS, &st.SPS}) t->Fill(0);
}

console::TextReader OpenCountFile(const Run& run) {
  if (run.st.F11DIR.empty()) return run.dir.OpenRead(run.st.F11);
  auto found = console::FindInDirectory(run.st.F11DIR, run.st.F11);
  if (!found) {
    throw console::RuntimeError(console::kErrFileNotFound,
                                "opening " + run.st.F11 + " for reading");
  }
  return console::ReadWholeFile(*found, run.st.F11);
}

void SaveSectorCounts(RunState& st) {
  for (int s = 1; s <= SCMAX; ++s) {
    st.TQPS[s] = st.QPS[s];
    st.TFPS[s] = st.FPS[s];
    st.TRPS[s] = st.RPS[s];
    st.TOPS[s] = st.OPS[s];
    st.TSPS[s] = st.SPS[s];
  }
}

int NextMessageRow(Run& run, int column) {
  RunState& st = run.st;
  ++st.RSET;
  if (st.RSET >= 24) {
    console::CLR(run.con);
    st.RSET = 5;
  }
  run.con.GotoXY(column, st.RSET);
  run.con.ClrEol();
  return st.RSET;
}

void Message(Run& run, std::string_view text, int column) {
  NextMessageRow(run, column);
  run.con.Write(text);
  Say(run, text);
}

void Say(const Run& run, std::string_view text) {
  if (!run.headless) return;
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return;
  const std::size_t last = text.find_last_not_of(' ');
  run.headless->says << text.substr(first, last - first + 1) << '\n';
}

}  // namespace packets

// The announcement that a quiz must reuse sectors or questions: a line in
// the message area and a line in the run notes.
#include "packets/material/material.h"

namespace packets::material {

void REPEATSECTOR(Run& run) {
  RunState& st = run.st;
  if (st.RSET == 24) {
    console::CLR(run.con);
    st.RSET = 5;
  }
  run.con.GotoXY(3, st.RSET);
  run.con.ClrEol();
  run.con.Write("  Sectors or questions will be repeated in quiz " + std::to_string(st.Q2));
  console::TextWriter notes = run.dir.OpenAppend(st.F9);
  notes.WriteLn("Sectors or Questions repeated in quiz " + std::to_string(st.Q2));
  notes.Close();
}

}  // namespace packets::material

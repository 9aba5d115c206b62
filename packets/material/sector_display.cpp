#include "packets/material/sector_display.h"

#include "packets/material/material.h"

namespace packets::material {

namespace {

/// A number right-aligned in `width` columns; never cut.
std::string Field(long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  }
  return digits;
}

/// One half of a sector line: number, book mark, first and last verse, the
/// five counts.
std::string Half(const RunState& st, int s, int number_width) {
  return Field(s, number_width) + " M " + Field(st.BC[s], 2) + ":" + Field(st.BV[s], 2) +
         Field(st.EC[s], 3) + ":" + Field(st.EV[s], 2) + Field(st.QPS[s], 4) + Field(st.FPS[s], 4) +
         Field(st.RPS[s], 4) + Field(st.OPS[s], 4) + Field(st.SPS[s], 4);
}

}  // namespace

const char* const kSectorHeadings[3] = {
    "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--",
    "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit",
    "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---",
};

std::string SectorLine(const RunState& st, int r) {
  const int h = (st.SECTORS + 1) / 2;
  std::string line = Half(st, r, 4);
  if (r + h <= st.SECTORS) line += Half(st, r + h, 5);
  return line;
}

void DISPLAY(Run& run) {
  RunState& st = run.st;
  st.EV[st.SECTORS] = static_cast<std::uint8_t>(st.EVER);
  st.EC[st.SECTORS] = static_cast<std::uint8_t>(st.ECHAP);
  run.con.WriteLn();
  for (const char* heading : kSectorHeadings) run.con.WriteLn(heading);
  const int h = (st.SECTORS + 1) / 2;
  for (int r = 1; r <= h; ++r) run.con.WriteLn(SectorLine(st, r));
  run.con.WriteLn();
  st.RQUEST = st.FQUEST = st.OQUEST = st.SQUEST = 0;
  for (int s = 1; s <= SCMAX; ++s) {
    st.RQUEST += st.RPS[s];
    st.FQUEST += st.FPS[s];
    st.OQUEST += st.OPS[s];
    st.SQUEST += st.SPS[s];
  }
}

}  // namespace packets::material

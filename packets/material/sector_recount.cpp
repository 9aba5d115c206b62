#include "packets/material/sector_recount.h"

#include <algorithm>
#include <array>

#include "packets/material/count_file.h"
#include "packets/material/material.h"

namespace packets::material {

void ClearSectorCounts(RunState& st) {
  for (auto* t : {&st.QPS, &st.FPS, &st.RPS, &st.OPS, &st.SPS, &st.TQPS, &st.TFPS, &st.TRPS,
                  &st.TOPS, &st.TSPS}) {
    t->Fill(0);
  }
}

void RecountSectors(RunState& st, bool regular_too) {
  const int n = st.SECTORS;
  const int first = CountLineOf(st.BCHAP, st.BVER);
  const int last = CountLineOf(st.ECHAP, st.EVER);
  // First line of each sector's cover, in count-file line numbers; never
  // before the end of the previous cover, so the covers part the material.
  std::array<int, SCMAX + 2> start{};
  start[1] = first;
  for (int s = 2; s <= n; ++s) {
    int begin = CountLineOf(st.BC[s], st.BV[s]);
    if (st.BC[s] == st.EC[s - 1] && st.BV[s] == st.EV[s - 1]) ++begin;
    start[static_cast<std::size_t>(s)] = std::max(begin, start[static_cast<std::size_t>(s - 1)]);
  }
  start[static_cast<std::size_t>(n + 1)] = last + 1;

  for (int s = 1; s <= SCMAX; ++s) {
    if (regular_too || s > n) st.QPS[s] = 0;
    st.FPS[s] = st.RPS[s] = st.OPS[s] = st.SPS[s] = 0;
  }
  for (st.S = 1; st.S <= n; ++st.S) {
    const int from = start[static_cast<std::size_t>(st.S)];
    const int to = std::min(start[static_cast<std::size_t>(st.S + 1)] - 1, last);
    for (int line = from; line <= to; ++line) {
      st.X = (line - 1) / VMAX + 1;
      st.Y = (line - 1) % VMAX + 1;
      if (regular_too) st.QPS[st.S] += st.QCOUNT(st.X, st.Y);
      SPECOUNT(st);
    }
  }
  SaveSectorCounts(st);
}

}  // namespace packets::material

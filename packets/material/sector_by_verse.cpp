// Sectoring by verse: the material cut greedily into runs of whole verses,
// each closed as soon as it holds its target of regular questions. The
// targets start as even as possible and are lowered step by step until all
// sectors fit within the material; what is left goes to the last sector.
#include "packets/material/material.h"
#include "packets/material/sector_recount.h"

namespace packets::material {

namespace {

/// Verses without regular questions taken into a sector after a verse with
/// them, before the walk jumps to the next chapter.
constexpr int kAbsorb = 4;

struct Walk {
  RunState& st;
  int c;
  int v;

  bool PastMaterial() const { return c > st.ECHAP || (c == st.ECHAP && v > st.EVER); }

  /// Takes the current verse into sector s (its regular questions count
  /// towards the target; it becomes the sector's last verse), passes over up
  /// to four following verses without regular questions, and goes on to
  /// verse 1 of the next chapter when the verse reached still has none or
  /// the chapter's slots are used up.
  void Take(int s) {
    st.QPS[s] += st.QCOUNT(c, v);
    st.EC[s] = static_cast<std::uint8_t>(c);
    st.EV[s] = static_cast<std::uint8_t>(v);
    ++v;
    for (int z = 0; z < kAbsorb && v <= VMAX && st.QCOUNT(c, v) == 0; ++z) ++v;
    if (v > VMAX || st.QCOUNT(c, v) == 0) {
      ++c;
      v = 1;
    }
  }

  /// In the limited-chapter copy a sector that would begin in chapter 7, 9
  /// or 14 begins at 8:1, 12:1 or 17:1.
  void LimitedChapterJump() {
    if (st.LG != 'L') return;
    if (c == 7) c = 8, v = 1;
    if (c == 9) c = 12, v = 1;
    if (c == 14) c = 17, v = 1;
  }
};

/// One attempt with base target c1, the first c3 - 1 sectors one larger.
/// True when all sectors were cut and the walk ended within the material,
/// where `walk` then stands.
bool Attempt(RunState& st, int c1, int c3, Walk& walk) {
  const int n = st.SECTORS;
  walk.c = st.BCHAP;
  walk.v = st.BVER;
  for (int s = 1; s <= n; ++s) st.QPS[s] = 0;
  for (int s = 1; s <= n; ++s) {
    if (s > 1) walk.LimitedChapterJump();
    st.BC[s] = static_cast<std::uint8_t>(walk.c);
    st.BV[s] = static_cast<std::uint8_t>(walk.v);
    const int target = s < c3 ? c1 + 1 : c1;
    do {
      walk.Take(s);
    } while (walk.c <= CHMAX && st.QPS[s] < target);
    if (walk.c > CHMAX) return false;
  }
  return !walk.PastMaterial();
}

}  // namespace

bool SectorByVerse(Run& run) {
  RunState& st = run.st;
  const int n = st.SECTORS;
  CheckIndex("SECTORS", n, SCMAX);
  ClearSectorTable(st);
  ClearSectorCounts(st);
  st.RESEC = 0;
  Walk walk{st, st.BCHAP, st.BVER};
  int c1 = st.TQUEST / n;
  int c3 = n - 1;
  // With a base target of -1 nothing can count as a fit: stop there.
  while (c1 >= 0) {
    if (Attempt(st, c1, c3, walk)) {
      while (!walk.PastMaterial() && walk.c <= CHMAX) walk.Take(n);
      break;
    }
    if (c3 > 1) {
      --c3;
    } else {
      --c1;
      c3 = n - 1;
    }
  }
  st.MINQZ = c1;
  if (c1 < 0) {
    ClearSectorCounts(st);
    return false;
  }
  RecountSectors(st, /*regular_too=*/true);
  return true;
}

}  // namespace packets::material

#include "fuzz/sector_check.h"

#include "console/console.h"
#include "packets/material/chapter_cut.h"
#include "packets/material/material.h"
#include "packets/material/sector_by_chapter.h"

namespace fuzz {

using packets::RunState;

namespace {

/// A verse as one comparable number.
int Place(int chapter, int verse) {
  return chapter * 100 + verse;
}

}  // namespace

std::string Totals::Text() const {
  return std::to_string(q) + " " + std::to_string(f) + " " + std::to_string(r) + " " +
         std::to_string(o) + " " + std::to_string(s);
}

Totals SumSlots(const RunState& st, const std::function<bool(int, int)>& takes) {
  Totals t;
  for (int c = 1; c <= packets::CHMAX; ++c) {
    for (int v = 1; v <= packets::VMAX; ++v) {
      if (!takes(c, v)) continue;
      t.q += st.QCOUNT(c, v);
      t.f += st.FCOUNT(c, v);
      t.r += st.RCOUNT(c, v);
      t.o += st.OCOUNT(c, v);
      t.s += st.SCOUNT(c, v);
    }
  }
  return t;
}

Totals SumMaterial(const RunState& st) {
  const int first = Place(st.BCHAP, st.BVER);
  const int last = Place(st.ECHAP, st.EVER);
  return SumSlots(st, [&](int c, int v) { return Place(c, v) >= first && Place(c, v) <= last; });
}

Totals SumSectors(const RunState& st) {
  Totals t;
  for (int s = 1; s <= st.SECTORS; ++s) {
    t.q += st.QPS[s];
    t.f += st.FPS[s];
    t.r += st.RPS[s];
    t.o += st.OPS[s];
    t.s += st.SPS[s];
  }
  return t;
}

void CheckSectorTable(const RunState& st, const std::string& how) {
  const std::string what = how + ": ";
  Expect(st.SECTORS >= 1 && st.SECTORS <= packets::SCMAX, what + "the number of sectors");
  int end_before = Place(st.BCHAP, st.BVER);
  for (int s = 1; s <= st.SECTORS; ++s) {
    const std::string sector = what + "sector " + std::to_string(s) + " ";
    Expect(st.BC[s] >= 1 && st.BC[s] <= packets::CHMAX && st.EC[s] >= 1 &&
               st.EC[s] <= packets::CHMAX && st.BV[s] >= 1 && st.BV[s] <= packets::VMAX &&
               st.EV[s] >= 1 && st.EV[s] <= packets::VMAX,
           sector + "has a bound outside the book");
    const int begin = Place(st.BC[s], st.BV[s]);
    const int end = Place(st.EC[s], st.EV[s]);
    Expect(begin <= end, sector + "ends before it begins");
    Expect(begin >= end_before, sector + "begins before the sector before it ends");
    if (s == 1) Expect(begin == Place(st.BCHAP, st.BVER), sector + "does not begin the material");
    end_before = end;
    Expect(st.QPS[s] >= 0 && st.FPS[s] >= 0 && st.RPS[s] >= 0 && st.OPS[s] >= 0 && st.SPS[s] >= 0,
           sector + "has a negative count");
  }
  Expect(end_before == Place(st.ECHAP, st.EVER),
         what + "the last sector does not end the material");
  for (int s = st.SECTORS + 1; s <= packets::SCMAX; ++s) {
    Expect(st.QPS[s] == 0 && st.FPS[s] == 0 && st.RPS[s] == 0 && st.OPS[s] == 0 && st.SPS[s] == 0,
           what + "sector slot " + std::to_string(s) + " above the sectors is not empty");
  }
}

bool SectorAndCheck(RunBundle& b) {
  RunState& st = b.st;
  namespace material = packets::material;
  const Totals material_totals = SumMaterial(st);
  Expect(material_totals.q == st.TQUEST && material_totals.f == st.FQUEST &&
             material_totals.r == st.RQUEST && material_totals.o == st.OQUEST &&
             material_totals.s == st.SQUEST,
         "the material totals are not the questions of the material");
  Expect(st.TQUEST >= st.SECTORS, "sectoring a material with fewer questions than sectors");
  if (st.SEC1 == 'C') {
    const material::ChapterMaterial m = material::ChapterMaterial::Of(st);
    try {
      if (!material::CHAPSEC(b.run)) return false;
    } catch (const console::InputExhausted&) {
      return false;
    }
    CheckSectorTable(st, "sectoring by chapter");
    const Totals covered = SumSlots(st, [&](int c, int v) {
      return m.TakesPart(c) && v >= m.FirstVerse(c) && v <= m.LastVerse(c);
    });
    Expect(SumSectors(st) == covered, "sectoring by chapter: the sectors hold " +
                                          SumSectors(st).Text() + " questions, the verses " +
                                          covered.Text());
    return true;
  }
  std::string how = "sectoring by question";
  if (st.SEC1 == 'Q' || !material::SectorByVerse(b.run)) {
    b.con.Keys("\r");
    material::RESECTOR(b.run);
  } else {
    how = "sectoring by verse";
  }
  material::DISPLAY(b.run);
  CheckSectorTable(st, how);
  const Totals sectors = SumSectors(st);
  Expect(sectors == material_totals, how + ": the sectors hold " + sectors.Text() +
                                         " questions, the material " + material_totals.Text());
  return true;
}

}  // namespace fuzz

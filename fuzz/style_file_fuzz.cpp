// A style file (style name + ".spe") through the reading and the check a
// style file passes before it is run. Promises checked for a style the
// check accepts:
// - the material lies within the book and is in order, as the question
//   index requires, and totalling it touches no verse outside its tables;
// - the specialty pattern draw ends, and every pattern it draws has 30
//   places of the five kinds, specialties only inside the specialty window,
//   each kind at most its maximum and, when drawn afresh, at least its
//   minimum, with a total from the Total minimum to the Total maximum;
// - written back and read again, the style keeps every number and its
//   output name, is accepted again (saving a style never turns it into one
//   that cannot run), and a second saving changes nothing more.
// A value that is not a number ends with runtime error 106, as specified.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "packets/material/question_index.h"
#include "packets/styles/pattern.h"
#include "packets/styles/style_file.h"
#include "packets/styles/styles.h"

namespace {

using fuzz::Expect;
using packets::StyleRecord;

const std::string kStyleFile = "Fuzz.spe";

/// The numbers and the output name of two records are equal.
bool SameValues(const StyleRecord& a, const StyleRecord& b) {
  return a.BCHAP == b.BCHAP && a.BVER == b.BVER && a.ECHAP == b.ECHAP && a.EVER == b.EVER &&
         a.NAME4 == b.NAME4 && a.LPP == b.LPP && a.QMAX == b.QMAX && a.AB == b.AB &&
         a.IPC == b.IPC && a.QNUM == b.QNUM && a.REPEATPCT == b.REPEATPCT && a.SPMAX == b.SPMAX &&
         a.SPMIN == b.SPMIN && a.FMAX == b.FMAX && a.FMIN == b.FMIN && a.RMAX == b.RMAX &&
         a.RMIN == b.RMIN && a.OMAX == b.OMAX && a.OMIN == b.OMIN && a.SMAX == b.SMAX &&
         a.SMIN == b.SMIN && a.PRIMPCT == b.PRIMPCT && a.SPEARLY == b.SPEARLY &&
         a.SPLATE == b.SPLATE;
}

/// Every field of two records is equal.
bool Same(const StyleRecord& a, const StyleRecord& b) {
  return SameValues(a, b) && a.LG == b.LG && a.OUT == b.OUT && a.REGLST == b.REGLST &&
         a.INDX == b.INDX && a.SEC1 == b.SEC1 && a.SETSPC == b.SETSPC && a.TYP == b.TYP;
}

/// Saves the record and reads it back.
StyleRecord Saved(const StyleRecord& rec) {
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  packets::styles::WriteStyleFile(scratch.Dir(), kStyleFile, rec);
  return packets::styles::ReadStyleFile(scratch.Dir(), kStyleFile);
}

void CheckAccepted(const StyleRecord& rec) {
  fuzz::RunBundle b;
  packets::RunState& st = b.st;
  st.BCHAP = rec.BCHAP;
  st.BVER = rec.BVER;
  st.ECHAP = rec.ECHAP;
  st.EVER = rec.EVER;
  st.SECTORS = rec.QMAX;
  st.F2 = kStyleFile;
  const auto bounds = packets::material::CheckMaterialBounds(st);
  Expect(!bounds, "an accepted style is refused by the question index: " + bounds.value_or(""));
  packets::material::TotalMaterial(st);
}

void CheckPatterns(const StyleRecord& rec) {
  namespace styles = packets::styles;
  const styles::PatternSettings ps = styles::RecordSettings(rec);
  console::FixedClock clock;
  console::Random rng(clock);
  for (int quiz = 1; quiz <= 3; ++quiz) {
    const std::string pattern = styles::SPECPAT(ps, rng);
    Expect(pattern.size() == packets::kPatternCap, "a pattern is not 30 places: " + pattern);
    int total = 0;
    for (int x = 1; x <= packets::kPatternCap; ++x) {
      const char k = pattern[static_cast<std::size_t>(x - 1)];
      Expect(k == 'n' || styles::KindOf(k) != nullptr,
             "a pattern holds an unknown kind: " + pattern);
      if (k == 'n') continue;
      ++total;
      Expect(x >= rec.SPEARLY && x <= rec.SPLATE,
             "a specialty outside the specialty window: " + pattern);
    }
    for (const styles::SpecialtyKind& kind : styles::kSpecialtyKinds) {
      const int n = static_cast<int>(std::count(pattern.begin(), pattern.end(), kind.letter));
      Expect(n <= ps.*kind.max, "a kind above its maximum: " + pattern);
      if (rec.SETSPC == 'N') Expect(n >= ps.*kind.min, "a kind below its minimum: " + pattern);
    }
    if (rec.SETSPC == 'N') {
      Expect(total >= rec.SPMIN && total <= rec.SPMAX, "a total outside its range: " + pattern);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Put(kStyleFile, fuzz::AsText(data, size));
  StyleRecord rec;
  try {
    rec = packets::styles::ReadStyleFile(scratch.Dir(), kStyleFile);
  } catch (const console::RuntimeError& e) {
    if (fuzz::IsInvalidNumber(e)) return 0;
    throw;
  }
  if (packets::styles::CheckStyleForRun(rec)) return 0;
  CheckAccepted(rec);
  CheckPatterns(rec);

  const StyleRecord again = Saved(rec);
  Expect(SameValues(rec, again), "a saved style reads back with other values");
  const auto refused = packets::styles::CheckStyleForRun(again);
  Expect(!refused, "a saved style is refused: " + (refused ? refused->words : std::string()));
  Expect(Same(again, Saved(again)), "saving a saved style again changes it");
  return 0;
}

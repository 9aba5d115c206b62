// A count file through the question index and the sectorings that read it.
// The input is one line of settings, "BCHAP BVER ECHAP EVER QMAX SEC LG"
// (any numbers: they are brought into what the run check accepts; SEC 0
// sectors by verse, 1 by question, 2 by chapter; LG 1 takes the
// limited-chapter copy), then the count file. Promises checked:
// - the count file is refused in words, or ends the program with runtime
//   error 106 for a number that cannot be read, or is taken whole: every
//   line read back names its own chapter and verse with counts of 0 to 255;
// - reading it from disk for a run accepts exactly what the check accepts,
//   and the totals are the questions of the material;
// - every sectoring leaves a sound sector table holding every question of
//   the material (see sector_check.h).
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/sector_check.h"
#include "packets/material/count_file.h"
#include "packets/material/material.h"
#include "packets/styles/style_phase.h"

namespace {

using fuzz::Expect;
namespace material = packets::material;

const std::string kCountFile = "count.59A";

/// Checks the count file on its own; true when it is taken.
bool CheckCursor(std::string_view text) {
  material::CountCursor cursor;
  if (cursor.Open(console::TextReader(std::string(text), kCountFile))) return false;
  for (int n = 1; n <= material::kCountLines; ++n) {
    const material::CountLine l = cursor.Read();
    Expect(material::CountLineOf(l.chapter, l.verse) == n, "a count line names another verse");
    for (int count : {l.q, l.f, l.r, l.o, l.s}) {
      Expect(count >= 0 && count <= 255, "a count outside 0 to 255 was taken");
    }
  }
  Expect(cursor.Line() == material::kCountLines + 1, "the cursor is not past the last line");
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text = fuzz::AsText(data, size);
  const std::size_t eol = text.find('\n');
  const std::string_view settings = text.substr(0, eol);
  text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
  const std::vector<long> n = fuzz::SettingNumbers(settings, 7);

  bool taken = false;
  try {
    taken = CheckCursor(text);
  } catch (const console::RuntimeError& e) {
    if (fuzz::IsInvalidNumber(e)) return 0;
    throw;
  }

  fuzz::RunBundle b;
  packets::RunState& st = b.st;
  const fuzz::Material m = fuzz::MaterialFrom(n[0], n[1], n[2], n[3]);
  st.BCHAP = m.BCHAP;
  st.BVER = m.BVER;
  st.ECHAP = m.ECHAP;
  st.EVER = m.EVER;
  st.QMAX = fuzz::Wrap(n[4], packets::SCMAX);
  st.SECTORS = st.SECTORS2 = st.QMAX;
  st.SEC1 = "VQC"[fuzz::Wrap(n[5] + 1, 3) - 1];
  st.LG = n[6] == 1 ? 'L' : ' ';
  for (int c = 1; c <= packets::CHMAX; ++c) {
    st.EVS[c] = static_cast<std::uint8_t>(packets::styles::kVerseCounts[c - 1]);
  }
  st.F2 = "Fuzz.spe";
  st.F11 = kCountFile;
  fuzz::Scratch::Get().Put(kCountFile, text);
  const auto refusal = material::ReadIndex(b.run);
  Expect(taken == !refusal, "reading the count file for a run and checking it disagree");
  if (refusal || st.TQUEST < st.SECTORS) return 0;
  b.con.Keys("\r\r\r\r");
  fuzz::SectorAndCheck(b);
  return 0;
}

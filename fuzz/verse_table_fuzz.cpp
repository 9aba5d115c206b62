// The verse table "VERSES.TXT" through its reading and through sectoring by
// chapter, the one phase that cuts the material by it. The input is the
// verse table, then a NUL character and a line of settings
// "BCHAP BVER ECHAP EVER QMAX LG" as for the count-file target, then a NUL
// character and the keys typed on the chapter screen (Enter alone to
// accept the counts it proposes, when there are none). Promises checked:
// - the table is refused in words, or ends the program with runtime error
//   106 for a number that cannot be read, or gives every chapter a last
//   verse of 1 to 80;
// - a material that reaches past a chapter's last verse in the table is
//   refused by the run's check, as the run refuses it;
// - otherwise sectoring by chapter by that table, over a count file with questions
//   on every verse the table gives the book, leaves a sound sector table whose sectors
//   hold the questions of the verses that take part (see sector_check.h).
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/sector_check.h"
#include "packets/material/material.h"
#include "packets/styles/styles.h"

namespace {

using fuzz::Expect;
namespace material = packets::material;

const std::string kCountFile = "count.59A";

/// A count file with questions of every kind spread over every verse that
/// the verse table in `st` gives the book.
void PutCountFile(const packets::RunState& st) {
  std::string text;
  for (int c = 1; c <= packets::CHMAX; ++c) {
    for (int v = 1; v <= packets::VMAX; ++v) {
      const bool real = v <= st.EVS[c];
      const int q = real ? 1 + (c + v) % 4 : 0;
      text += std::to_string(c) + " " + std::to_string(v) + " " + std::to_string(q) + " " +
              std::to_string(real && v % 3 == 0) + " " + std::to_string(real && v % 5 == 0) + " " +
              std::to_string(real && v % 7 == 0) + " " + std::to_string(real && c % 2) + "\r\n";
    }
  }
  fuzz::Scratch::Get().Put(kCountFile, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts = fuzz::SplitParts(fuzz::AsText(data, size), 3);
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Put("VERSES.TXT", parts[0]);

  fuzz::RunBundle b;
  packets::RunState& st = b.st;
  std::optional<std::string> refusal;
  try {
    refusal = material::ReadVerseTable(b.run);
  } catch (const console::RuntimeError& e) {
    if (fuzz::IsInvalidNumber(e)) return 0;
    throw;
  }
  if (refusal) return 0;
  for (int c = 1; c <= packets::CHMAX; ++c) {
    Expect(st.EVS[c] >= 1 && st.EVS[c] <= packets::VMAX, "a last verse outside 1 to 80 was taken");
  }
  PutCountFile(st);

  const std::vector<long> n = fuzz::SettingNumbers(parts[1], 6);
  const fuzz::Material m = fuzz::MaterialFrom(n[0], n[1], n[2], n[3]);
  st.BCHAP = m.BCHAP;
  st.BVER = m.BVER;
  st.ECHAP = m.ECHAP;
  st.EVER = m.EVER;
  // The run refuses a material that reaches past a chapter's last verse in
  // this table before it sectors anything.
  packets::StyleRecord rec;
  rec.BCHAP = m.BCHAP;
  rec.BVER = m.BVER;
  rec.ECHAP = m.ECHAP;
  rec.EVER = m.EVER;
  if (packets::styles::CheckMaterialVerses(rec, st.EVS)) return 0;
  st.QMAX = fuzz::Wrap(n[4], packets::SCMAX);
  st.SECTORS = st.SECTORS2 = st.QMAX;
  st.SEC1 = 'C';
  st.LG = n[5] == 1 ? 'L' : ' ';
  st.F2 = "Fuzz.spe";
  st.F11 = kCountFile;
  const auto index = material::ReadIndex(b.run);
  Expect(!index, "the count file of the verse-table target is refused: " + index.value_or(""));
  if (st.TQUEST < st.SECTORS) return 0;
  b.con.Keys(parts[2].empty() ? std::string_view("\r\r\r\r") : parts[2]);
  fuzz::SectorAndCheck(b);
  return 0;
}

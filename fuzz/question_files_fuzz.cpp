// The five question files of a run as the question index reads them
// (regular, FTV, CV Ref, CO Ref, SIT), then the sectoring and the
// interrogative index over the regular file. The input is the five files
// separated by NUL characters, then a line of settings
// "BCHAP BVER ECHAP EVER QMAX SEC" as for the count-file target (the whole
// book in 20 sectors by verse when it is missing). Promises checked:
// - the files are refused in words (and no count file is written), or end
//   the program with runtime error 106 for a verse that is not a number, or
//   are indexed: the count file written is read back whole and gives the
//   same per-verse tables;
// - every sectoring leaves a sound sector table holding every question of
//   the material (see sector_check.h);
// - the interrogative index finds every regular question the sectors count
//   in the file, and the k-th regular question of sector s, counted in the
//   file after those before the material, lies in what sector s covers.
#include <array>
#include <cstdlib>
#include <string>
#include <variant>

#include "fuzz/fuzz_support.h"
#include "fuzz/sector_check.h"
#include "packets/material/material.h"
#include "packets/material/question_index.h"
#include "packets/styles/style_phase.h"

namespace {

using fuzz::Expect;
namespace material = packets::material;
using packets::RunState;

const std::array<std::string, 5> kFiles{"Mat.A", "FTV.59", "cv.b", "co.b", "SIT.TXT"};
const std::string kCountFile = "count.59A";

using Counts = std::array<std::uint8_t, 5 * packets::CHMAX * packets::VMAX>;

Counts Snapshot(const RunState& st) {
  Counts out{};
  std::size_t i = 0;
  for (const auto* t : {&st.QCOUNT, &st.FCOUNT, &st.RCOUNT, &st.OCOUNT, &st.SCOUNT}) {
    for (int c = 1; c <= packets::CHMAX; ++c) {
      for (int v = 1; v <= packets::VMAX; ++v) out[i++] = (*t)(c, v);
    }
  }
  return out;
}

/// The regular questions of each sector, as counted in the file, lie in
/// what the sector covers: from its first verse up to the verse before the
/// next sector's first (the verses a walk passed over belong to the sector
/// before them), or up to its own last verse when the next sector begins on
/// it (a verse split between two sectors).
void CheckRegularPlaces(const RunState& st) {
  console::TextReader in = fuzz::Scratch::Get().Dir().OpenRead(kFiles[0]);
  for (int k = 0; k < st.BEFORE; ++k) in.ReadLn();
  for (int s = 1; s <= st.SECTORS; ++s) {
    const int begin = st.BC[s] * 100 + st.BV[s];
    const int end = st.EC[s] * 100 + st.EV[s];
    const int next = s < st.SECTORS ? st.BC[s + 1] * 100 + st.BV[s + 1] : 0;
    for (int k = 1; k <= st.QPS[s]; ++k) {
      const int line = in.LineNumber();
      const auto ref = material::ReadReference(in.ReadLine(), kFiles[0], line);
      const auto* verse = std::get_if<material::VerseRef>(&ref);
      Expect(verse != nullptr, "a regular question of a sector has no reference");
      const int at = verse->chapter * 100 + verse->verse;
      const bool inside = at >= begin && (s == st.SECTORS ? at <= end : at < next || at <= end);
      Expect(inside, "regular question " + std::to_string(k) + " of sector " + std::to_string(s) +
                         " (line " + std::to_string(line) + ") lies outside the sector");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts = fuzz::SplitParts(fuzz::AsText(data, size), 6);
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Clear();
  for (std::size_t i = 0; i < kFiles.size(); ++i) scratch.Put(kFiles[i], parts[i]);
  std::vector<long> n = fuzz::SettingNumbers(parts[5], 6);
  if (parts[5].empty()) n = {1, 1, 28, 20, 20, 0};

  fuzz::RunBundle b;
  RunState& st = b.st;
  const fuzz::Material m = fuzz::MaterialFrom(n[0], n[1], n[2], n[3]);
  st.BCHAP = m.BCHAP;
  st.BVER = m.BVER;
  st.ECHAP = m.ECHAP;
  st.EVER = m.EVER;
  st.QMAX = fuzz::Wrap(n[4], packets::SCMAX);
  st.SECTORS = st.SECTORS2 = st.QMAX;
  st.SEC1 = "VQC"[fuzz::Wrap(n[5] + 1, 3) - 1];
  for (int c = 1; c <= packets::CHMAX; ++c) {
    st.EVS[c] = static_cast<std::uint8_t>(packets::styles::kVerseCounts[c - 1]);
  }
  st.F2 = "Fuzz.spe";
  st.F3 = kFiles[0];
  st.F4 = kFiles[1];
  st.F5 = kFiles[2];
  st.F6 = kFiles[3];
  st.F7 = kFiles[4];
  st.F11 = kCountFile;

  std::optional<std::string> refusal;
  try {
    refusal = material::BuildIndex(b.run);
  } catch (const console::RuntimeError& e) {
    if (fuzz::IsInvalidNumber(e)) return 0;
    throw;
  }
  Expect(scratch.Dir().Exists(kCountFile) == !refusal,
         refusal ? "refused question files left a count file" : "no count file was written");
  if (refusal) return 0;
  const Counts counted = Snapshot(st);
  const auto reread = material::ReadIndex(b.run);
  Expect(!reread, "the count file just written is refused: " + reread.value_or(""));
  Expect(Snapshot(st) == counted, "the count file reads back other counts");
  if (st.TQUEST < st.SECTORS) return 0;

  b.con.Keys("\r\r\r\r");
  if (!fuzz::SectorAndCheck(b) || st.MINQZ == 0) return 0;
  const auto short_file = material::COUNTINT(b.run);
  Expect(!short_file,
         "the interrogative index finds the regular file short: " + short_file.value_or(""));
  CheckRegularPlaces(st);
  return 0;
}

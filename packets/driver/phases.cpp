#include "packets/driver/phases.h"

#include <algorithm>

namespace packets::phases {

// PLACEHOLDER: the phases below stand in for the specialty pattern, the
// question index, the sectorings, the sector table, the interrogative index,
// question selection and packet output until those modules are in place.
// They do just enough for a run to go from the title to the closing screen:
// every quiz takes the style's type template as its pattern, the material
// is one question per sector, and each quiz is one heading line.

void SPEC2(Run& run) {
  auto out = run.dir.OpenWrite(run.st.F12);
  std::string pattern = run.st.TYP;
  pattern.resize(kPatternCap, 'n');
  for (int q = 1; q <= run.st.QZ; ++q) out.WriteLn(pattern);
  out.Close();
}

std::optional<std::string> BuildIndex(Run&) {
  return std::nullopt;
}

std::optional<std::string> ReadIndex(Run& run) {
  run.st.TQUEST = std::max(run.st.TQUEST, run.st.SECTORS);
  return std::nullopt;
}

namespace {
void OneQuestionPerSector(Run& run) {
  RunState& st = run.st;
  ClearSectorTable(st);
  for (int s = 1; s <= st.SECTORS; ++s) {
    st.BC[s] = static_cast<std::uint8_t>(st.BCHAP);
    st.BV[s] = static_cast<std::uint8_t>(st.BVER);
    st.EC[s] = static_cast<std::uint8_t>(st.ECHAP);
    st.EV[s] = static_cast<std::uint8_t>(st.EVER);
    st.QPS[s] = 1;
  }
  st.MINQZ = 1;
}
}  // namespace

bool SectorByVerse(Run& run) {
  OneQuestionPerSector(run);
  run.st.RESEC = 0;
  return true;
}

void RESECTOR(Run& run) {
  OneQuestionPerSector(run);
  run.st.RESEC = 1;
}

void DISPLAY(Run&) {}

bool CHAPSEC(Run& run) {
  OneQuestionPerSector(run);
  return true;
}

std::optional<std::string> COUNTINT(Run&) {
  return std::nullopt;
}

void FINTYPES(Run&) {}

void CHOOSESPEC(Run&) {}

void OPUT(Run& run) {
  auto out = run.dir.OpenAppend(run.st.F8);
  out.WriteLn("Quiz " + std::to_string(run.st.Q2));
  out.Close();
}

}  // namespace packets::phases

#include "packets/driver/phases.h"

#include "packets/material/material.h"
#include "packets/material/sector_by_chapter.h"
#include "packets/styles/pattern_review.h"

namespace packets::phases {

std::optional<std::string> BuildIndex(Run& run) {
  return material::BuildIndex(run);
}
std::optional<std::string> ReadIndex(Run& run) {
  return material::ReadIndex(run);
}
bool SectorByVerse(Run& run) {
  return material::SectorByVerse(run);
}
void RESECTOR(Run& run) {
  material::RESECTOR(run);
}
void DISPLAY(Run& run) {
  material::DISPLAY(run);
}
bool CHAPSEC(Run& run) {
  return material::CHAPSEC(run);
}
std::optional<std::string> COUNTINT(Run& run) {
  return material::COUNTINT(run);
}

void SPEC2(Run& run) {
  styles::SPEC2(run);
}

// PLACEHOLDER: question selection and packet output are not in place yet.
// These stand-ins do just enough for a run to go from the title to the
// closing screen: each quiz is one heading line of the packet.

void FINTYPES(Run&) {}

void CHOOSESPEC(Run&) {}

void OPUT(Run& run) {
  auto out = run.dir.OpenAppend(run.st.F8);
  out.WriteLn("Quiz " + std::to_string(run.st.Q2));
  out.Close();
}

}  // namespace packets::phases

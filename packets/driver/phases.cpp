#include "packets/driver/phases.h"

#include "packets/material/material.h"
#include "packets/material/sector_by_chapter.h"
#include "packets/output/output.h"

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
void OPUT(Run& run) {
  output::OPUT(run);
}

// PLACEHOLDER: the specialty pattern and question selection are not in place
// yet. These stand-ins do just enough for a run to go from the title to the
// closing screen: every quiz takes the style's type template as its pattern.

void SPEC2(Run& run) {
  auto out = run.dir.OpenWrite(run.st.F12);
  std::string pattern = run.st.TYP;
  pattern.resize(kPatternCap, 'n');
  for (int q = 1; q <= run.st.QZ; ++q) out.WriteLn(pattern);
  out.Close();
}

void FINTYPES(Run&) {}

void CHOOSESPEC(Run&) {}

}  // namespace packets::phases

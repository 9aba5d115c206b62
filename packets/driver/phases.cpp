#include "packets/driver/phases.h"

#include "packets/material/material.h"
#include "packets/material/sector_by_chapter.h"
#include "packets/output/output.h"
#include "packets/selection/selection.h"
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
std::optional<std::string> WritePacketPdf(Run& run) {
  return output::WritePacketPdf(run);
}

void OPUT(Run& run) {
  output::OPUT(run);
}
std::optional<std::string> PrepareSelection(Run& run) {
  return selection::PrepareSelection(run);
}
void FINTYPES(Run& run) {
  selection::FINTYPES(run);
}
void CHOOSESPEC(Run& run) {
  selection::CHOOSESPEC(run);
}
void SPEC2(Run& run) {
  styles::SPEC2(run);
}

}  // namespace packets::phases

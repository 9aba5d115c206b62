#include "packets/run/season.h"

#include <algorithm>

namespace packets::season {

namespace {

/// The ages of sector s's questions 1..total (fewer when the history matched
/// fewer of them).
std::span<const std::uint16_t> Ages(const SeasonKind& kind, int s, int total) {
  std::span<const std::uint16_t> ages = kind.AGE.Row(s);
  return ages.first(std::min(ages.size(), static_cast<std::size_t>(std::max(total, 0))));
}

}  // namespace

int Available(const SectorTable<Flag, SCMAX>& flags, int s, int total) {
  const std::span<const Flag> row = flags.Row(s);
  const auto n = std::min(row.size(), static_cast<std::size_t>(std::max(total, 0)));
  return static_cast<int>(std::count(row.begin(), row.begin() + static_cast<long>(n), Flag{1}));
}

int StartSector(SeasonKind& kind, SectorTable<Flag, SCMAX>& flags, int s, int total) {
  const auto ages = Ages(kind, s, total);
  int level = 0;
  if (!ages.empty()) level = *std::min_element(ages.begin(), ages.end());
  kind.LEVEL[s] = level;
  for (std::size_t k = 0; k < ages.size(); ++k) {
    flags(s, static_cast<long>(k) + 1) = ages[k] <= level ? 1 : 0;
  }
  return Available(flags, s, total);
}

bool AllBack(const SeasonKind& kind, int s) {
  const auto ages = kind.AGE.Row(s);
  const int level = kind.LEVEL[s];
  return std::none_of(ages.begin(), ages.end(), [&](std::uint16_t a) { return a > level; });
}

int BringBack(SeasonKind& kind, SectorTable<Flag, SCMAX>& flags, int s, int total) {
  const auto ages = Ages(kind, s, total);
  const int level = kind.LEVEL[s];
  int next = 0;
  for (std::uint16_t a : ages) {
    if (a > level && (next == 0 || a < next)) next = a;
  }
  if (next == 0) return Available(flags, s, total);
  kind.LEVEL[s] = next;
  for (std::size_t k = 0; k < ages.size(); ++k) {
    if (ages[k] == next) flags(s, static_cast<long>(k) + 1) = 1;
  }
  return Available(flags, s, total);
}

}  // namespace packets::season

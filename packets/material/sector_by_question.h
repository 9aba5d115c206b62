// Sectoring by individual questions: sector sizes worked out from the
// number of regular questions alone, then a walk over the questions in file
// order that cuts wherever a sector has received its size, splitting a
// verse between two sectors when needed.
#pragma once

#include <array>

#include "packets/run/run_state.h"

namespace packets::material {

/// The planned sizes of sectors 1 to n (index 0 unused) for t regular
/// questions: t div n each, adjusted by the fraction t / n - t div n, and
/// the rest to sector n, so that they add up to t.
std::array<int, SCMAX + 1> QuestionSectorSizes(int t, int n);

}  // namespace packets::material

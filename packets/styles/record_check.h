// Helpers of the checks made on a whole style record.
#pragma once

namespace packets::styles {

/// The most specialty questions a quiz may have, all kinds together, and
/// the most of any one kind: the largest maxima a style may set.
inline constexpr int kMostSpecialties = 20;
inline constexpr int kMostOfAKind = 10;

/// True when an FTV pool file is made for this primary FTV percentage:
/// 57 to 60, 68 to 70, 78 to 80, 88 to 90 and 97 to 100.
bool HasFtvPool(int primpct);

}  // namespace packets::styles

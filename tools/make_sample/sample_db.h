// The sample question database: a whole-book "Mat.dsk" made up from word
// lists, the same every time it is generated.
#pragma once

#include <array>
#include <string>

namespace sample {

/// Verses of each chapter, as the verse table "VERSES.TXT" gives them.
inline constexpr std::array<int, 28> kVersesPerChapter{25, 23, 17, 25, 48, 34, 29, 34, 38, 42,
                                                       30, 50, 58, 36, 39, 28, 27, 35, 30, 34,
                                                       46, 45, 39, 51, 46, 75, 66, 20};

/// How many question lines each section gets.
inline constexpr int kRegularLines = 6000;
inline constexpr int kReferenceLines = 1500;
inline constexpr int kFtvLines = 1500;
inline constexpr int kSituationLines = 400;

/// The whole database text, lines ended by CR LF.
std::string MakeSampleDatabase();

}  // namespace sample

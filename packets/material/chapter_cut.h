// Sectoring by chapter, the arithmetic part: which chapters take part, how
// the first visit gives the sectors out over them, whether the counts the
// user typed can be cut, and the cut itself. Everything here is a pure
// function of the material bounds, the verse table and the counts per
// chapter (CS), so the screen and the counting stay thin.
//
// A chapter with count 0 is grouped with the chapters after it up to the
// next chapter with a count; that chapter's count is the group's. A chapter
// with a count and no zeros before it is cut on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "packets/run/run_state.h"

namespace packets::material {

/// A chapter and verse of the book.
struct VersePlace {
  int chapter = 0;
  int verse = 0;
  auto operator<=>(const VersePlace&) const = default;
};

/// The first and last verse of one sector.
struct SectorSpan {
  VersePlace first;
  VersePlace last;
  bool operator==(const SectorSpan&) const = default;
};

/// The sectors asked for each chapter, index 1 to 28 (the run's CS).
using ChapterCounts = Table<std::uint8_t, CHMAX>;

/// What sectoring by chapter needs to know of the run's material.
struct ChapterMaterial {
  int BCHAP = 1, BVER = 1, ECHAP = 1, EVER = 1;
  /// LG "L": the limited-chapter copy, where chapters 6 to 25 take no part.
  bool limited = false;
  /// Last verse of each chapter.
  Table<std::uint8_t, CHMAX> EVS{"EVS"};

  static ChapterMaterial Of(const RunState& st);

  /// Positions of the list: n = ECHAP - BCHAP + 1 (position p is chapter
  /// BCHAP + p - 1), gaps of the limited-chapter copy included.
  int Positions() const { return ECHAP - BCHAP + 1; }
  /// True when `chapter` lies in the material and is not left out by the
  /// limited-chapter copy.
  bool TakesPart(int chapter) const;
  /// The chapters that take part, in book order.
  std::vector<int> Chapters() const;
  /// The chapter that takes part after `chapter`, or 0 after the last.
  int NextChapter(int chapter) const;
  /// First and last verse of `chapter` within the material.
  int FirstVerse(int chapter) const { return chapter == BCHAP ? BVER : 1; }
  int LastVerse(int chapter) const { return chapter == ECHAP ? EVER : EVS[chapter]; }
  /// Verses of `chapter` within the material (0 when its bounds cross).
  int Verses(int chapter) const;
  /// Verses of the whole material, chapters that take no part left out.
  int TotalVerses() const;
};

/// First visit: gives `sectors` sectors out one at a time over the chapters
/// that take part, in turn from the first, starting again after the last.
/// Counts of other chapters are left as they are.
void DistributeSectors(const ChapterMaterial& m, int sectors, ChapterCounts& cs);

/// The sum of the counts of chapters BCHAP to ECHAP.
int TotalCount(const ChapterMaterial& m, const ChapterCounts& cs);

/// A chapter, or a group ending in that chapter, whose count is above the
/// verses it holds in the material.
struct Overfull {
  int chapter = 0;
  int verses = 0;
};

/// The first chapter or group, in book order, given more sectors than it
/// has verses; nothing when every count fits.
std::optional<Overfull> FindOverfull(const ChapterMaterial& m, const ChapterCounts& cs);

/// Cuts the material into sectors by the counts per chapter. Expects counts
/// that fit (FindOverfull finds nothing) and at least one chapter with a
/// count; then the sectors run back to back from (BCHAP, BVER) to
/// (ECHAP, EVER), each first verse at or before its last, and there are as
/// many as the counts add up to.
std::vector<SectorSpan> CutByChapter(const ChapterMaterial& m, const ChapterCounts& cs);

}  // namespace packets::material

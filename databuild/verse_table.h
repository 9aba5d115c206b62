// The verse table "VERSES.TXT" as the database checks use it: the last
// verse of each of the 28 chapters, from the working directory, or from the
// table shipped with the programs when the working directory has none.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "console/text_file.h"
#include "databuild/database.h"

namespace databuild {

inline constexpr int kChapters = 28;

/// The last verse of every chapter, and where the table came from.
struct VerseTable {
  std::array<int, kChapters> last{};  // last[c - 1] is the last verse of chapter c
  /// Where the table was read, as the messages name it: "VERSES.TXT of the
  /// working directory" or "the shipped VERSES.TXT (PATH)".
  std::string source;
  int LastVerse(int chapter) const { return last[static_cast<std::size_t>(chapter - 1)]; }
};

/// The table, or what is wrong with it: the number of a line of the table
/// (0 when there is no table at all) and what is wrong, in words (what
/// follows from it is the caller's to say).
struct VerseTableResult {
  std::optional<VerseTable> table;
  std::string file;  // the table's file as the message names it
  int line = 0;
  std::string problem;
};

/// Reads a verse table from the lines of its file: 28 lines, the first
/// number of line c being the last verse of chapter c (1 to 80); the rest
/// of a line, and any line after the 28th, is ignored. `file` and `source`
/// name it in messages.
VerseTableResult ReadVerseTable(const Database& lines, std::string file, std::string source);

/// "VERSES.TXT" of `dir` (its name matched without regard to letter case),
/// else the one of `shipped`, the directory of the shipped data.
VerseTableResult FindVerseTable(const console::WorkDir& dir, const std::filesystem::path& shipped);

/// The directory of the data shipped with the programs, found from where
/// the running program stands (the same relative place in the build tree
/// as in an installation).
std::filesystem::path ShippedData();

}  // namespace databuild

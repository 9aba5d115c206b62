// Which question data files take the records of a database line, and the
// layout of those records. The routing rules are tables, one row per file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "databuild/question_line.h"

namespace databuild {

/// A regular file and the set letters it takes ("a" within "b" within "c").
struct RegularFile {
  std::string_view name;
  std::string_view sets;
};
inline constexpr std::array<RegularFile, 3> kRegularFiles{{
    {"Mat.a", "a"},
    {"Mat.b", "ab"},
    {"Mat.c", "abc"},
}};

/// A reference file: the mark a line must carry, the kind written into its
/// records, and the set letters it takes.
struct ReferenceFile {
  std::string_view name;
  char mark;  // 'O' (column 13) or 'V' (column 10)
  std::string_view kind;
  std::string_view sets;
};
inline constexpr std::array<ReferenceFile, 4> kReferenceFiles{{
    {"Co.b", 'O', "CO", "b"},
    {"Co.c", 'O', "CO", "bc"},
    {"Cv.b", 'V', "CV", "b"},
    {"Cv.c", 'V', "CV", "bc"},
}};

/// Which variant records ("QUO " and "FTVR") of verse-finishing lines a
/// pool takes.
enum class Variants {
  kNone,      // none
  kRankQ,     // those of every line of rank "q", whatever its class
  kEntering,  // those of the lines that enter the pool
  kAll,       // those of every line
};

/// One FTV pool file, named after the "Pct Prim FTV" setting it serves.
/// Every "p" line enters every pool; "n" lines enter by rank.
struct FtvPool {
  std::string_view name;
  FtvReading reading;        // the reading of the FTV section that writes it
  std::string_view n_ranks;  // ranks of the "n" lines that enter
  bool skip_quotations;      // own records with a quotation code left out
  bool skip_primary_q;       // own records of "p" lines of rank "q" left out
  Variants variants;
};
inline constexpr std::array<FtvPool, 17> kFtvPools{{
    {"Ftv.57", FtvReading::kFirst, "6789", true, false, Variants::kNone},
    {"Ftv.58", FtvReading::kFirst, "6789", false, true, Variants::kRankQ},
    {"Ftv.59", FtvReading::kFirst, "6789", false, false, Variants::kRankQ},
    {"Ftv.60", FtvReading::kFirst, "6789", false, false, Variants::kAll},
    {"Ftv.68", FtvReading::kFirst, "789", false, true, Variants::kRankQ},
    {"Ftv.69", FtvReading::kFirst, "789", false, false, Variants::kRankQ},
    {"Ftv.70", FtvReading::kFirst, "789", false, false, Variants::kEntering},
    {"Ftv.78", FtvReading::kFirst, "89", false, true, Variants::kRankQ},
    {"Ftv.79", FtvReading::kFirst, "89", false, false, Variants::kRankQ},
    {"Ftv.80", FtvReading::kSecond, "89", false, false, Variants::kEntering},
    {"Ftv.88", FtvReading::kSecond, "9", false, true, Variants::kRankQ},
    {"Ftv.89", FtvReading::kSecond, "9", false, false, Variants::kRankQ},
    {"Ftv.90", FtvReading::kSecond, "9", false, false, Variants::kEntering},
    {"Ftv.97", FtvReading::kSecond, "", true, false, Variants::kNone},
    {"Ftv.98", FtvReading::kSecond, "", false, true, Variants::kRankQ},
    {"Ftv.99", FtvReading::kSecond, "", false, false, Variants::kRankQ},
    {"Ftv.00", FtvReading::kSecond, "", false, false, Variants::kEntering},
}};

inline constexpr std::string_view kSituationFile = "Sit.txt";

/// What one pool takes of one FTV line.
struct FtvRoute {
  bool own;       // the line's own record
  bool variants;  // its "QUO " and "FTVR" variant records
  /// Questions the pool's counter gains: the two variants count as one.
  int Questions() const { return (own ? 1 : 0) + (variants ? 1 : 0); }
};
FtvRoute Route(const FtvPool& pool, const FtvLine& q);

/// True when a regular or reference file takes a line of set `set`.
inline bool TakesSet(std::string_view sets, char set) {
  return sets.find(set) != std::string_view::npos;
}

// Records, one data file line each (without the line end), made in `out`,
// whose buffer serves from one line to the next.

/// Reference, field separator, text (regular and situation files).
void PlainRecord(std::string_view ref, char separator, std::string_view text, std::string& out);
/// Reference, TAB, kind ("CO" or "CV"), TAB, text.
void ReferenceRecord(std::string_view ref, std::string_view kind, std::string_view text,
                     std::string& out);
/// Reference, TAB, FTV type code, TAB, text.
void FtvRecord(std::string_view ref, std::string_view code, std::string_view text,
               std::string& out);

/// The two type codes that replace a verse-finishing code in its variants.
inline constexpr std::array<std::string_view, 2> kVariantCodes{"QUO ", "FTVR"};

/// True when a record belongs in the limited-chapter copies: its chapter
/// is 1 to 5 or 26 to 28 (" 1" to " 5", "26" to "28" as the record begins).
/// Asked for every record of every file, so kept inline.
inline bool IsLimitedChapter(std::string_view record) {
  if (record.size() < 2) return false;
  const char tens = record[0];
  const char units = record[1];
  return (tens == ' ' && units >= '1' && units <= '5') ||
         (tens == '2' && units >= '6' && units <= '8');
}

/// Name of the limited-chapter copy of a data file.
inline std::string LimitedName(std::string_view name) {
  return "LL" + std::string(name);
}

}  // namespace databuild

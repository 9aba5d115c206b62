// Checks a finished run of `packets` from what it left in its working
// directory: the style file, "pat.txt", the usage record (its quiz blocks
// and run notes) and the packet file. Independent of the program's code, so
// that it can judge whole runs on the virtual console and on a terminal.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

/// The settings of a style file, by its 29 lines.
struct StyleSettings {
  std::string name4;
  char out = 'P';
  char sec1 = 'V';
  int places = 0;  // QMAX
  int ipc = 50;
  int quizzes = 0;  // QNUM
  int repeat_pct = 0;
  int sp_max = 0, sp_min = 0;
  int max[4] = {}, min[4] = {};  // F, R, O, S
  int early = 1, late = 30;
};
StyleSettings ReadStyleSettings(const std::filesystem::path& file);

/// One listing line of a quiz block.
struct Listed {
  int place = 0, sector = 0, number = 0;
  char kind = 'n';    // n, F, R, O, S from the type column
  std::string verse;  // "cc:vv" as listed
  int chapter = 0, verse_number = 0;
  std::string text;  // the question column, trailing blanks removed
};

/// What the usage record holds.
struct UsageRecord {
  std::vector<std::vector<Listed>> quizzes;
  std::vector<std::string> notes;
};
/// Reads the usage record; problems with its layout go to `problems`.
UsageRecord ReadUsageRecord(const std::filesystem::path& file, std::vector<std::string>& problems);

struct CheckOptions {
  /// Quizzes the usage record and packet should hold; -1: the style's.
  int quizzes = -1;
  /// The quiz after which regular questions first repeat (the smallest
  /// sector's size); 0 to take it from the first restart note.
  int minqz1 = 0;
};

/// Checks the run of style `style` in `dir` (see the .cpp for the list).
/// Returns the problems found, one per line; empty when the run is sound.
std::string CheckRun(const std::filesystem::path& dir, const std::string& style,
                     const CheckOptions& options = {});

}  // namespace testsupport

// The count file: the question index kept on disk so that later runs can
// skip the scan of the question files. One line per chapter and verse slot,
// chapters 1 to 28, verse slots 1 to 80 within each, 2240 lines in all; each
// line holds seven numbers separated by single blanks: chapter, verse, and
// the regular, FTV, CV Ref, CO Ref and SIT questions on that verse.
//
// The sectorings read it by position (line (c - 1) * 80 + v is chapter c,
// verse v) through a CountCursor, which opens and checks the file once and
// then moves forward or back without reopening it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "console/text_file.h"
#include "packets/run/run.h"
#include "packets/run/run_state.h"

namespace packets::material {

/// Lines of a count file: one per chapter and verse slot.
inline constexpr int kCountLines = CHMAX * VMAX;

/// The line of the count file that holds chapter `chapter`, verse slot `verse`.
constexpr int CountLineOf(int chapter, int verse) {
  return (chapter - 1) * VMAX + verse;
}

/// One line of the count file: the chapter and verse it names and the
/// questions of each kind on that verse.
struct CountLine {
  int chapter = 0;
  int verse = 0;
  int q = 0;  // regular (QCOUNT)
  int f = 0;  // FTV (FCOUNT)
  int r = 0;  // CV Ref (RCOUNT)
  int o = 0;  // CO Ref (OCOUNT)
  int s = 0;  // SIT (SCOUNT)
};

/// Writes the count file `name` in `dir` from the five per-verse tables:
/// 2240 lines "c v q f r o s", numbers without leading blanks or zeros,
/// each line ended by CR LF. Runtime error on a failed write.
void WriteCountFile(const RunState& st, const console::WorkDir& dir, const std::string& name);

/// Reads a count file by line position. Open() reads and checks the whole
/// file once; Read() then hands out line after line, and Seek()/Skip() move
/// the cursor anywhere in the file without reopening it.
class CountCursor {
 public:
  CountCursor() = default;

  /// Opens the run's count file (st.F11, where it was found) and checks it.
  /// Returns a refusal in words naming the file and the line when the file
  /// does not hold 2240 lines, line n naming its own chapter and verse in
  /// order, each with seven numbers and counts of 0 to 255 (lines after the
  /// 2240th may only be empty). A number that cannot be read ends the
  /// program with runtime error 106; a missing file with runtime error 2.
  /// On success the cursor stands on line 1.
  std::optional<std::string> Open(const Run& run);
  /// The same checks over text already read (`reader.Name()` names it).
  std::optional<std::string> Open(console::TextReader reader);

  /// True after a successful Open().
  bool IsOpen() const { return open_; }
  /// The file's name as opened.
  const std::string& Name() const { return name_; }

  /// Number of the line the next Read() returns: 1 to 2240, or 2241 when
  /// every line has been read.
  int Line() const { return line_; }
  /// Moves so that the next Read() returns line `line` (1 to 2241),
  /// forward or back. Outside that range: TableIndexError.
  void Seek(int line);
  /// Seek(CountLineOf(chapter, verse)).
  void SeekVerse(int chapter, int verse) { Seek(CountLineOf(chapter, verse)); }
  /// Moves `lines` lines forward (0 or more). Past line 2241: TableIndexError.
  void Skip(int lines) { Seek(line_ + lines); }

  /// The line at the cursor; the cursor moves to the next line. Reading
  /// when no line is left (or before Open()) is a program fault:
  /// TableIndexError.
  CountLine Read();
  /// Line `line` (1 to 2240) without moving the cursor.
  CountLine At(int line) const;

 private:
  struct Packed {
    std::uint8_t q, f, r, o, s;
  };
  std::array<Packed, kCountLines> lines_{};
  std::string name_;
  int line_ = 1;
  bool open_ = false;
};

/// `READ11`: reads the line at the cursor and adds its five counts to
/// sector st.S of QPS, FPS, RPS, OPS and SPS; its chapter is left in st.CH.
/// Returns the line read (its verse is the one the sectorings call VS).
CountLine READ11(RunState& st, CountCursor& cursor);

}  // namespace packets::material

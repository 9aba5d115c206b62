// The question database "Mat.dsk" as lines, and the walk through its four
// sections: regular, reference, FTV and situation, each ended by a separator
// line (a line whose first character is "=").
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "console/text_file.h"

namespace databuild {

inline constexpr std::string_view kDatabaseName = "Mat.dsk";

/// The lines of the database, read whole: CR LF, LF and a lone CR all end a
/// line, and a last line without a line end is a line too. The text is held
/// once; the lines are views into it.
class Database {
 public:
  /// Reads "Mat.dsk" from `dir`; runtime error 2 when it is missing.
  static Database Load(const console::WorkDir& dir);
  /// The lines of `text`, split as a file's lines are.
  static Database FromText(std::string text);
  /// The lines of a file read whole.
  static Database FromReader(console::TextReader reader);

  int LineCount() const { return static_cast<int>(lines_.size()); }
  /// Line `number`, counted from 1.
  std::string_view Line(int number) const { return lines_[number - 1]; }

 private:
  // Held apart so that the views stay valid when the database is moved.
  std::unique_ptr<const console::TextReader> text_;
  std::vector<std::string_view> lines_;
};

/// Walks the database one line at a time. The first line of a section is
/// always a question line; any later line whose first character is "=" is
/// the separator that ends the section.
class SectionWalker {
 public:
  enum class Step {
    kQuestion,   // a question line of the current section
    kSeparator,  // the section's separator line was passed
    kEnd,        // the file ended before the section's separator line
  };

  explicit SectionWalker(const Database& db) : db_(db) {}

  /// Moves to the next line of the section.
  Step Next();
  /// The line the last kQuestion step stands on, and its number.
  std::string_view Line() const { return db_.Line(number_); }
  int LineNumber() const { return number_; }

  /// Where the next section starts; Restart() goes back there, so that a
  /// section can be read a second time.
  struct Mark {
    int number;
    bool section_start;
  };
  Mark Here() const { return {number_, section_start_}; }
  void Restart(Mark mark) {
    number_ = mark.number;
    section_start_ = mark.section_start;
  }

 private:
  const Database& db_;
  int number_ = 0;  // number of the line last passed
  bool section_start_ = true;
};

}  // namespace databuild

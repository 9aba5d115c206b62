// Installing the question data files: every file of a run is written into a
// temporary file beside the installed one, and all of them take the place
// of the installed files together, only once the whole database was read
// without error. Also the limited-chapter copies.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "console/text_file.h"

namespace databuild {

/// The data files of one run, staged in temporary files named after them
/// with kStagedSuffix. Dropped without Commit(), it removes its temporary
/// files, and the installed files stay exactly as they were.
class Staging {
 public:
  static constexpr std::string_view kStagedSuffix = ".new";

  explicit Staging(const console::WorkDir& dir) : dir_(dir) {}
  Staging(const Staging&) = delete;
  Staging& operator=(const Staging&) = delete;
  ~Staging() { Discard(); }

  /// Creates, empty, the temporary file that is to replace `name`.
  console::TextWriter& Create(std::string_view name);
  /// Closes what is still open, then puts every staged file in place of
  /// the installed file of its name (matched without regard to case).
  void Commit();
  /// Removes every temporary file not yet put in place.
  void Discard() noexcept;

 private:
  struct Staged {
    std::string name;
    console::TextWriter writer;
  };
  std::string StagedName(std::string_view name) const;

  console::WorkDir dir_;
  std::deque<Staged> staged_;  // a deque keeps the writers in place
};

/// A data file and its limited-chapter copy ("LL" + name), staged side by
/// side: every record goes to the file, and a record on chapters 1 to 5 or
/// 26 to 28 goes to the copy as well, unchanged and in order. (The copy is
/// made as the file is written, so the file is never read back.)
class DataFile {
 public:
  DataFile(Staging& staging, std::string_view name);
  std::string_view Name() const { return name_; }
  /// Writes a record (a line) to the file, and to the copy when it is on a
  /// limited chapter.
  void WriteLn(std::string_view record);
  /// Records written to the limited-chapter copy so far.
  int Copied() const { return copied_; }
  /// Closes the file and its copy. Runtime error 101 when either could not
  /// be written.
  void Close();

 private:
  std::string_view name_;
  console::TextWriter* file_;
  console::TextWriter* copy_;
  int copied_ = 0;
};

}  // namespace databuild

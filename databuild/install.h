// Installing the question data files: every file of a run is written into a
// temporary file beside the installed one, and all of them take the place
// of the installed files together, only once the whole database was read
// without error. Also the limited-chapter copies.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "console/text_file.h"

namespace databuild {

/// A data file being staged. The file is made (empty) at once, so that one
/// that cannot be made is reported before anything is read for it; its lines
/// are gathered and handed to the file in pieces of kPiece bytes.
class StagedFile {
 public:
  /// Up to 18 files are open at once, every one of them written to for most
  /// lines of the database. Pieces of this size keep their buffers together
  /// small enough to stay in the processor's cache, at a few system calls per
  /// file: measured faster than smaller pieces (more calls) and than whole
  /// files gathered in memory (far more fresh memory to fault in).
  static constexpr std::size_t kPiece = 32 * 1024;

  /// Creates or empties the file at `path`, named `name` in messages.
  /// Runtime error 5 when it cannot be made.
  StagedFile(const std::filesystem::path& path, std::string name);
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  /// Closes the file, writing nothing more, unless Close() did.
  ~StagedFile();

  /// Text followed by CR LF.
  void WriteLn(std::string_view text);
  /// Writes what is left and closes the file. Runtime error 101 when the
  /// data could not be written.
  void Close();
  /// Closes the file without writing what was gathered.
  void Abandon() noexcept;

 private:
  /// Hands the piece gathered so far to the file.
  void Flush() noexcept;
  /// Hands `bytes` to the file; a failure is kept for Close().
  void Put(std::string_view bytes) noexcept;

  int fd_ = -1;
  bool failed_ = false;
  std::string name_;
  std::unique_ptr<char[]> piece_;  // lines not yet written, kPiece bytes room
  std::size_t used_ = 0;
};

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
  StagedFile& Create(std::string_view name);
  /// Closes what is still open, then puts every staged file in place of
  /// the installed file of its name (matched without regard to case).
  void Commit();
  /// Removes every temporary file not yet put in place.
  void Discard() noexcept;

 private:
  struct Staged {
    Staged(std::string n, const std::filesystem::path& path, std::string staged_name)
        : name(std::move(n)), file(path, std::move(staged_name)) {}
    std::string name;
    StagedFile file;
  };
  std::string StagedName(std::string_view name) const;

  console::WorkDir dir_;
  std::deque<Staged> staged_;  // a deque keeps the files in place
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
  StagedFile* file_;
  StagedFile* copy_;
  int copied_ = 0;
};

}  // namespace databuild

// Installing the question data files: every file of a run is written into a
// temporary file beside the installed one, and all of them take the place
// of the installed files together, only once the whole database was read
// without error. Also the limited-chapter copies.
#pragma once

#include <deque>
#include <functional>
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
  /// Reads back a staged file (closed by its writer).
  console::TextReader Read(std::string_view name) const;
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

/// Makes the limited-chapter copy ("LL" + name) of the staged file `name`:
/// its records on chapters 1 to 5 and 26 to 28, unchanged and in order.
/// `copied` is told the running count after each record copied. Returns
/// the count.
int LL(Staging& staging, std::string_view name, const std::function<void(int)>& copied);

}  // namespace databuild

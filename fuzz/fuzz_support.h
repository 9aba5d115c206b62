// What the fuzz targets share: a working directory of their own, a run of
// `packets` over it on the virtual console, the check that stops with a
// message when a promise of the code under test does not hold, and the
// splitting of one input into the several files or fields a target needs.
//
// Every target is a function LLVMFuzzerTestOneInput(data, size). Built with
// libFuzzer it is fuzzed; in the ordinary builds the same function is run
// over every file of the target's committed corpus (replay_main.cpp), so
// that each finding kept there stays a regression test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "console/random.h"
#include "console/runtime_error.h"
#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/run/run.h"
#include "packets/run/run_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

/// Ends the process with `what` on standard error: a promise was broken.
[[noreturn]] void Fail(const std::string& what);

/// Fail(what) unless `ok`.
inline void Expect(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

/// An empty working directory for this process, on a memory file system
/// when there is one; removed when the process ends.
class Scratch {
 public:
  static Scratch& Get();
  const console::WorkDir& Dir() const { return dir_; }
  const std::filesystem::path& Path() const { return path_; }
  /// Removes every file in the directory.
  void Clear() const;
  /// Writes `text` exactly as given into the file `name`.
  void Put(const std::string& name, std::string_view text) const;
  /// The names of the files in the directory, sorted.
  std::vector<std::string> Names() const;
  ~Scratch();

 private:
  Scratch();
  std::filesystem::path path_;
  console::WorkDir dir_;
};

/// A run of `packets` over the scratch directory, on a fresh run state and
/// virtual console, with a fixed clock.
struct RunBundle {
  RunBundle() : rng(clock), run{st, con, rng, Scratch::Get().Dir()} {}
  RunBundle(const RunBundle&) = delete;
  RunBundle& operator=(const RunBundle&) = delete;

  console::FixedClock clock;
  console::Random rng;
  console::VirtualConsole con;
  packets::RunState st;
  packets::Run run;
};

/// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

/// Splits `text` at the NUL character into at most `parts` parts (the last
/// part keeps any further NULs); missing parts are empty.
std::vector<std::string_view> SplitParts(std::string_view text, std::size_t parts);

/// The whole numbers on a line of settings, in order; a word that is not a
/// number counts as 0. Numbers too large for an int are cut to it.
std::vector<long> SettingNumbers(std::string_view line, std::size_t count);

/// `v` when it is 1 to `high`; any other number wrapped into 1 to `high`.
int Wrap(long v, int high);

/// A material the run check accepts (chapters 1 to 28, verses within each
/// chapter, the begin not after the end), made from any four numbers.
struct Material {
  int BCHAP, BVER, ECHAP, EVER;
};
Material MaterialFrom(long bchap, long bver, long echap, long ever);

/// True for the runtime error a number that cannot be read ends the
/// program with; such an end is as specified, not a finding.
inline bool IsInvalidNumber(const console::RuntimeError& e) {
  return e.code() == console::kErrInvalidNumber;
}

}  // namespace fuzz

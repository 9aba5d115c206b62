// A scratch working directory and a virtual console for whole runs of the
// data builder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/virtual_screen.h"
#include "databuild/builder.h"
#include "tests/support/scratch_dir.h"

namespace databuild {

/// The four sections of a question database, each ended by its separator.
struct Sections {
  std::vector<std::string> regular, reference, ftv, situation;
  std::vector<std::string> separators{"= end of regular questions", "=", "=====", "="};
  std::string after;  // whatever follows the fourth separator
  /// The database text, lines ended by `eol`.
  std::string Text(const std::string& eol = "\r\n") const;
};

/// A virtual console that keeps the screen as it stood when the first key
/// was awaited.
class SnapshotConsole : public console::VirtualConsole {
 public:
  char ReadKey() override;
  std::optional<std::string> first_wait;
};

class BuildRun : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void Put(const std::string& name, const std::string& text);
  std::string Get(const std::string& name) const;
  /// Every file of the directory with its contents.
  std::map<std::string, std::string> Snapshot() const;
  /// Runs the builder on a fresh console with `keys` scripted.
  Outcome Build(const std::string& keys);
  /// Writes `db` as "Mat.dsk", then Build(keys).
  Outcome Run(const std::string& db, const std::string& keys);
  SnapshotConsole& Con() { return *con_; }
  /// Row `y` of the screen without its trailing blanks.
  std::string TrimmedRow(int y) const;

  std::unique_ptr<testsupport::ScratchDir> scratch_;
  std::filesystem::path root_;
  std::unique_ptr<SnapshotConsole> con_ = std::make_unique<SnapshotConsole>();
};

/// The names of every data file and its limited-chapter copy.
std::vector<std::string> AllDataFiles();

/// Lines ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines);

}  // namespace databuild

// A scratch working directory for one test, with small file helpers.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class ScratchDir {
 public:
  /// Makes an empty directory named after the running test (and `suffix`,
  /// for a test that needs more than one).
  explicit ScratchDir(const std::string& suffix = "");
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  /// Writes `text` to the file `name` exactly as given.
  void Put(const std::string& name, const std::string& text) const;
  /// Writes each line followed by CR LF.
  void PutLines(const std::string& name, std::initializer_list<std::string> lines) const;
  /// Copies a file of the shipped data/ folder in.
  void CopyData(const std::string& name) const;
  std::string Get(const std::string& name) const;
  bool Has(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

/// The source tree (for the shipped data).
std::filesystem::path SourceDir();
/// The bytes of a file of the source tree, named relative to it.
std::string SourceText(const std::string& relative);

}  // namespace testsupport

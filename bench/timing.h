// What the benchmarks share: the best of several timed runs of an
// operation, a scratch directory, whole files read and written the plain
// way (the baselines), and the lines that print a time against its
// baseline with their ratio.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bench {

/// Seconds of wall-clock and of processor time.
struct Timing {
  double wall = 0;
  double cpu = 0;
};

/// Runs `op` `runs` times; the best wall-clock and the best processor time.
Timing Best(int runs, const std::function<void()>& op);

/// Prints "  NAME  W ms wall  C ms CPU".
void PrintTiming(const std::string& name, const Timing& t);
/// Prints the ratio of `measured` to `baseline`, wall-clock and processor.
void PrintRatio(const Timing& measured, const Timing& baseline);

/// An empty directory under the system's temporary directory, removed when
/// it goes.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& data);

/// A file's name and contents.
struct FileData {
  std::string name;
  std::string data;
};
/// Every file of `dir` whose name is in `names`, read whole.
std::vector<FileData> ReadFiles(const std::filesystem::path& dir,
                                const std::vector<std::string>& names);
/// Total size of the files.
std::size_t TotalBytes(const std::vector<FileData>& files);

/// The number of runs from the command line (its first argument), else
/// `fallback`.
int RunsFromArgs(int argc, char** argv, int fallback);

}  // namespace bench

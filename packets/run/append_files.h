// The files a run appends to quiz after quiz (the packet file, the usage
// record, the run notes): each is opened once, when first written, and
// kept open until the run closes them all, rather than opened, searched for
// and closed again for every quiz.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/text_file.h"

namespace packets {

struct Run;

class AppendFiles {
 public:
  /// Binds itself to `run`, so that every append of the run's phases goes
  /// through it until it is closed or goes.
  explicit AppendFiles(Run& run);
  ~AppendFiles();
  AppendFiles(const AppendFiles&) = delete;
  AppendFiles& operator=(const AppendFiles&) = delete;

  /// Appends `bytes` to the file `name`, opening it the first time.
  void Append(std::string_view name, std::string_view bytes);
  /// Hands everything written to the files and closes them; runtime error
  /// 101 when any of it could not be written. The run's appends go
  /// straight to the files again afterwards.
  void Close();

 private:
  Run& run_;
  std::vector<std::pair<std::string, console::TextWriter>> open_;
};

/// Appends `bytes` to the file `name` of the working directory: through
/// the run's open files while there are any, else opened and closed here.
void AppendToFile(Run& run, std::string_view name, std::string_view bytes);

}  // namespace packets

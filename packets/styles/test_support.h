// For the tests of the style module: a fresh working directory per test and
// a run context on the virtual console.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include "console/random.h"
#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/run/run.h"
#include "tests/support/scratch_dir.h"

namespace packets::styles::testing {

/// Lines joined with CR LF, the last one ended too.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

/// An empty directory named after the running test, removed afterwards.
class TempDir {
  testsupport::ScratchDir scratch_;

 public:
  TempDir() : path_(scratch_.path()) {}
  const std::filesystem::path& Path() const { return path_; }

  void Put(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(path_ / name); }
  /// Copies a file of the shipped data folder into the directory.
  void PutShipped(const std::string& name) const {
    const char* src = std::getenv("MATQUIZ_SOURCE_DIR");
    std::filesystem::copy_file(std::filesystem::path(src ? src : ".") / "data" / name,
                               path_ / name);
  }

 private:
  std::filesystem::path path_;
};

/// Everything a phase needs, with a scripted keyboard.
struct Harness {
  TempDir tmp;
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  console::VirtualConsole con;
  console::FixedClock clock;
  console::Random rng{clock};
  console::WorkDir dir{tmp.Path()};
  Run run{*state, con, rng, dir};
  RunState& st = *state;
};

}  // namespace packets::styles::testing

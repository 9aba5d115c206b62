#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testsupport {

namespace fs = std::filesystem;

fs::path SourceDir() {
  const char* dir = std::getenv("MATQUIZ_SOURCE_DIR");
  return dir ? fs::path(dir) : fs::path(MATQUIZ_DEFAULT_SOURCE_DIR);
}

std::string SourceText(const std::string& relative) {
  std::ifstream in(SourceDir() / relative, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

ScratchDir::ScratchDir(const std::string& suffix) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
  if (!suffix.empty()) name += "." + suffix;
  // The process id and a serial number keep directories apart when two
  // builds run the same test at once, or a test makes several.
  static int serial = 0;
  name = std::to_string(getpid()) + "_" + std::to_string(++serial) + "_" + name;
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  path_ = fs::temp_directory_path() / ("matquiz_" + name);
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void ScratchDir::Put(const std::string& name, const std::string& text) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << text;
}

void ScratchDir::PutLines(const std::string& name, std::initializer_list<std::string> lines) const {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  Put(name, text);
}

void ScratchDir::CopyData(const std::string& name) const {
  fs::copy_file(SourceDir() / "data" / name, path_ / name, fs::copy_options::overwrite_existing);
}

std::string ScratchDir::Get(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool ScratchDir::Has(const std::string& name) const {
  return fs::exists(path_ / name);
}

}  // namespace testsupport

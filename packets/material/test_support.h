// What the tests of the material phases share: a run over a fresh
// temporary working directory, a virtual console and a fixed clock, and
// small writers of question files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "console/random.h"
#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/driver/run.h"
#include "packets/driver/run_state.h"

namespace packets::material::testing_support {

/// A run over its own empty temporary directory, removed afterwards.
struct Scene {
  Scene() : root(MakeRoot()), dir(root), rng(clock), run{st, con, rng, dir} {}
  ~Scene() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  /// Writes `text` as it stands into `name` in the working directory.
  void Put(const std::string& name, const std::string& text) const {
    std::ofstream out(root / name, std::ios::binary);
    out << text;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(root / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static std::filesystem::path MakeRoot() {
    static int serial = 0;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = std::string("material_") + (info ? info->test_suite_name() : "x") + "_" +
                       (info ? info->name() : "y") + "_" + std::to_string(++serial);
    for (char& c : leaf) {
      if (c == '/') c = '_';
    }
    auto root = std::filesystem::temp_directory_path() / leaf;
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    return root;
  }

  std::filesystem::path root;
  console::WorkDir dir;
  console::FixedClock clock;
  console::Random rng;
  console::VirtualConsole con;
  RunState st;
  Run run;
};

/// The reference of chapter c, verse v as every question line begins.
inline std::string Ref(int c, int v) {
  std::string s;
  s += c < 10 ? ' ' : static_cast<char>('0' + c / 10);
  s += static_cast<char>('0' + c % 10);
  s += ':';
  s += v < 10 ? ' ' : static_cast<char>('0' + v / 10);
  s += static_cast<char>('0' + v % 10);
  return s;
}

/// Lines "REF\ttext" for every (chapter, verse, how many) entry, in order.
inline std::string QuestionLines(const std::vector<std::pair<std::pair<int, int>, int>>& verses,
                                 const std::string& text = "What is this?") {
  std::string out;
  for (const auto& [cv, n] : verses) {
    for (int i = 0; i < n; ++i) out += Ref(cv.first, cv.second) + "\t" + text + "\r\n";
  }
  return out;
}

}  // namespace packets::material::testing_support

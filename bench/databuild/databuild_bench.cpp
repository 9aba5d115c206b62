// Times whole runs of the data builder on the sample database, on the
// virtual console in a scratch directory, and prints the times.
//   databuild_bench [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "console/virtual_screen.h"
#include "databuild/builder.h"
#include "tools/make_sample/sample_db.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const fs::path dir = fs::temp_directory_path() / "databuild_bench";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string db = sample::MakeSampleDatabase();
  std::ofstream(dir / "Mat.dsk", std::ios::binary) << db;

  double best_cpu = 1e9;
  for (int i = 1; i <= runs; ++i) {
    console::VirtualConsole con;
    con.Keys("\r");
    const auto wall0 = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    const databuild::Outcome outcome = databuild::BuildDataFiles(con, console::WorkDir(dir));
    const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    if (outcome != databuild::Outcome::kInstalled) {
      std::fprintf(stderr, "the sample database was not installed\n");
      return 1;
    }
    best_cpu = std::min(best_cpu, cpu);
    std::printf("run %d: %.3f s CPU, %.3f s wall\n", i, cpu, wall);
  }
  std::printf("databuild on the sample (%zu bytes): best %.3f s CPU\n", db.size(), best_cpu);
  fs::remove_all(dir);
  return 0;
}

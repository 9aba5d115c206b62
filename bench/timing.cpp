#include "bench/timing.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace bench {

namespace fs = std::filesystem;

Timing Best(int runs, const std::function<void()>& op) {
  Timing best{1e9, 1e9};
  for (int i = 0; i < runs; ++i) {
    const auto wall0 = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    op();
    const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    best.wall = std::min(best.wall, wall);
    best.cpu = std::min(best.cpu, cpu);
  }
  return best;
}

void PrintTiming(const std::string& name, const Timing& t) {
  std::printf("  %-10s %9.3f ms wall %9.3f ms CPU\n", name.c_str(), 1000 * t.wall, 1000 * t.cpu);
}

void PrintRatio(const Timing& measured, const Timing& baseline) {
  auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
  std::printf("  %-10s %9.2f x  wall %9.2f x  CPU\n", "ratio", ratio(measured.wall, baseline.wall),
              ratio(measured.cpu, baseline.cpu));
}

ScratchDir::ScratchDir(const std::string& name)
    : path_(fs::temp_directory_path() / (name + "_" + std::to_string(getpid()))) {
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string ReadFile(const fs::path& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("cannot read " + path.string());
  std::string data(fs::file_size(path), '\0');
  data.resize(std::fread(data.data(), 1, data.size(), f));
  std::fclose(f);
  return data;
}

void WriteFile(const fs::path& path, const std::string& data) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(data.data(), 1, data.size(), f) != data.size() || std::fclose(f) != 0) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

std::vector<FileData> ReadFiles(const fs::path& dir, const std::vector<std::string>& names) {
  std::vector<FileData> files;
  for (const std::string& name : names) files.push_back({name, ReadFile(dir / name)});
  return files;
}

std::size_t TotalBytes(const std::vector<FileData>& files) {
  std::size_t total = 0;
  for (const FileData& f : files) total += f.data.size();
  return total;
}

int RunsFromArgs(int argc, char** argv, int fallback) {
  return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

}  // namespace bench

#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "packets/styles/style_phase.h"

namespace fuzz {

namespace fs = std::filesystem;

void Fail(const std::string& what) {
  std::fprintf(stderr, "broken promise: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

namespace {

fs::path ScratchPath() {
  std::error_code ec;
  fs::path base = "/dev/shm";
  if (!fs::is_directory(base, ec)) base = fs::temp_directory_path();
  return base / ("matquiz_fuzz_" + std::to_string(getpid()));
}

}  // namespace

Scratch& Scratch::Get() {
  static Scratch scratch;
  return scratch;
}

Scratch::Scratch() : path_(ScratchPath()), dir_(path_) {
  fs::remove_all(path_);
  fs::create_directories(path_);
}

Scratch::~Scratch() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void Scratch::Clear() const {
  for (const auto& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path());
}

void Scratch::Put(const std::string& name, std::string_view text) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  Expect(static_cast<bool>(out), "writing " + name + " into the scratch directory");
}

std::vector<std::string> Scratch::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string_view> SplitParts(std::string_view text, std::size_t parts) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < parts) {
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos) break;
    out.push_back(text.substr(0, nul));
    text.remove_prefix(nul + 1);
  }
  out.push_back(text);
  out.resize(parts);
  return out;
}

std::vector<long> SettingNumbers(std::string_view line, std::size_t count) {
  std::vector<long> out;
  std::size_t pos = 0;
  while (out.size() < count) {
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) <= 32) ++pos;
    if (pos >= line.size()) break;
    const std::size_t start = pos;
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) > 32) ++pos;
    const std::string word(line.substr(start, pos - start));
    char* end = nullptr;
    const long long v = std::strtoll(word.c_str(), &end, 10);
    out.push_back(
        end == word.c_str() ? 0 : static_cast<long>(std::clamp<long long>(v, INT_MIN, INT_MAX)));
  }
  out.resize(count, 0);
  return out;
}

int Wrap(long v, int high) {
  return static_cast<int>(((v - 1) % high + high) % high + 1);
}

Material MaterialFrom(long bchap, long bver, long echap, long ever) {
  auto chapter = [](long v) { return Wrap(v, packets::CHMAX); };
  auto verse = [](int c, long v) { return Wrap(v, packets::styles::kVerseCounts[c - 1]); };
  Material m{};
  m.BCHAP = chapter(bchap);
  m.BVER = verse(m.BCHAP, bver);
  m.ECHAP = chapter(echap);
  m.EVER = verse(m.ECHAP, ever);
  if (m.BCHAP > m.ECHAP || (m.BCHAP == m.ECHAP && m.BVER > m.EVER)) {
    std::swap(m.BCHAP, m.ECHAP);
    std::swap(m.BVER, m.EVER);
  }
  return m;
}

}  // namespace fuzz

#include "run_fixture.h"

#include <fstream>
#include <sstream>

#include "databuild/routing.h"

namespace databuild {

namespace fs = std::filesystem;

std::string Sections::Text(const std::string& eol) const {
  std::string out;
  const std::vector<std::string>* parts[] = {&regular, &reference, &ftv, &situation};
  for (int s = 0; s < 4; ++s) {
    for (const std::string& line : *parts[s]) out += line + eol;
    out += separators[s] + eol;
  }
  return out + after;
}

char SnapshotConsole::ReadKey() {
  if (!first_wait) first_wait = Text();
  return VirtualConsole::ReadKey();
}

void BuildRun::SetUp() {
  scratch_ = std::make_unique<testsupport::ScratchDir>();
  root_ = scratch_->path();
}

void BuildRun::TearDown() {
  scratch_.reset();
}

void BuildRun::Put(const std::string& name, const std::string& text) {
  std::ofstream(root_ / name, std::ios::binary) << text;
}

std::string BuildRun::Get(const std::string& name) const {
  std::ifstream in(root_ / name, std::ios::binary);
  if (!in) return "<missing " + name + ">";
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::map<std::string, std::string> BuildRun::Snapshot() const {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(root_)) {
    files[e.path().filename().string()] = Get(e.path().filename().string());
  }
  return files;
}

Outcome BuildRun::Build(const std::string& keys) {
  con_ = std::make_unique<SnapshotConsole>();
  con_->Keys(keys);
  return BuildDataFiles(*con_, console::WorkDir(root_));
}

Outcome BuildRun::Run(const std::string& db, const std::string& keys) {
  Put("Mat.dsk", db);
  return Build(keys);
}

std::string BuildRun::TrimmedRow(int y) const {
  std::string row = con_->Row(y);
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

std::vector<std::string> AllDataFiles() {
  std::vector<std::string> names;
  for (const RegularFile& f : kRegularFiles) names.emplace_back(f.name);
  for (const ReferenceFile& f : kReferenceFiles) names.emplace_back(f.name);
  for (const FtvPool& f : kFtvPools) names.emplace_back(f.name);
  names.emplace_back(kSituationFile);
  const std::size_t n = names.size();
  for (std::size_t i = 0; i < n; ++i) names.push_back(LimitedName(names[i]));
  return names;
}

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

}  // namespace databuild

#include "databuild/install.h"

#include <filesystem>
#include <system_error>

#include "console/runtime_error.h"
#include "databuild/routing.h"

namespace databuild {

std::string Staging::StagedName(std::string_view name) const {
  return std::string(name) + std::string(kStagedSuffix);
}

console::TextWriter& Staging::Create(std::string_view name) {
  staged_.push_back(Staged{std::string(name), dir_.OpenWrite(StagedName(name))});
  return staged_.back().writer;
}

console::TextReader Staging::Read(std::string_view name) const {
  return dir_.OpenRead(StagedName(name));
}

void Staging::Commit() {
  for (Staged& s : staged_) s.writer.Close();
  while (!staged_.empty()) {
    const Staged& s = staged_.front();
    std::error_code ec;
    std::filesystem::rename(dir_.Resolve(StagedName(s.name)), dir_.Resolve(s.name), ec);
    if (ec) throw console::RuntimeError(console::kErrDiskWrite, "installing " + s.name);
    staged_.pop_front();
  }
}

void Staging::Discard() noexcept {
  for (Staged& s : staged_) {
    {
      // Dropping the writer closes the file without a report: it goes anyway.
      console::TextWriter dropped = std::move(s.writer);
    }
    dir_.Remove(StagedName(s.name));
  }
  staged_.clear();
}

int LL(Staging& staging, std::string_view name, const std::function<void(int)>& copied) {
  console::TextReader source = staging.Read(name);
  console::TextWriter& copy = staging.Create(LimitedName(name));
  int count = 0;
  while (!source.Eof()) {
    std::string record = source.ReadLine();
    if (!IsLimitedChapter(record)) continue;
    copy.WriteLn(record);
    ++count;
    copied(count);
  }
  copy.Close();
  return count;
}

}  // namespace databuild

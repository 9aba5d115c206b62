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
  // A staged file is ours alone: it is made under its own name, without
  // looking through the directory for another spelling of it.
  const std::string staged = StagedName(name);
  staged_.push_back(Staged{
      std::string(name),
      console::TextWriter(dir_.Root() / staged, staged, console::TextWriter::Mode::kCreate)});
  return staged_.back().writer;
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

DataFile::DataFile(Staging& staging, std::string_view name)
    : name_(name), file_(&staging.Create(name)), copy_(&staging.Create(LimitedName(name))) {}

void DataFile::WriteLn(std::string_view record) {
  file_->WriteLn(record);
  if (!IsLimitedChapter(record)) return;
  copy_->WriteLn(record);
  ++copied_;
}

void DataFile::Close() {
  file_->Close();
  copy_->Close();
}

}  // namespace databuild

#include "databuild/install.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "console/runtime_error.h"
#include "databuild/routing.h"

namespace databuild {

StagedFile::StagedFile(const std::filesystem::path& path, std::string name)
    : name_(std::move(name)) {
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0)
    throw console::RuntimeError(console::kErrAccessDenied, "opening " + name_ + " for writing");
  bytes_.reserve(kPiece);
}

StagedFile::~StagedFile() {
  Abandon();
}

void StagedFile::WriteLn(std::string_view text) {
  if (bytes_.size() + text.size() + 2 > kPiece) Flush();
  bytes_.append(text);
  bytes_.append("\r\n");
}

void StagedFile::Flush() noexcept {
  std::string_view rest = bytes_;
  while (!rest.empty() && !failed_) {
    const ssize_t n = ::write(fd_, rest.data(), rest.size());
    if (n > 0) {
      rest.remove_prefix(static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      failed_ = true;
    }
  }
  bytes_.clear();
}

void StagedFile::Close() {
  if (fd_ < 0) return;
  Flush();
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  std::string().swap(bytes_);
  if (failed_) throw console::RuntimeError(console::kErrDiskWrite, "writing " + name_);
}

void StagedFile::Abandon() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::string Staging::StagedName(std::string_view name) const {
  return std::string(name) + std::string(kStagedSuffix);
}

StagedFile& Staging::Create(std::string_view name) {
  // A staged file is ours alone: it is made under its own name, without
  // looking through the directory for another spelling of it.
  const std::string staged = StagedName(name);
  return staged_.emplace_back(std::string(name), dir_.Root() / staged, staged).file;
}

void Staging::Commit() {
  for (Staged& s : staged_) s.file.Close();
  // The installed files are looked up all at once: a first installation, or
  // files installed under other letter cases, would otherwise have the
  // directory looked through once for every file.
  std::vector<std::string> names;
  for (const Staged& s : staged_) names.push_back(s.name);
  const std::vector<std::filesystem::path> installed = dir_.ResolveAll(names);
  for (const std::filesystem::path& target : installed) {
    const Staged& s = staged_.front();
    std::error_code ec;
    std::filesystem::rename(dir_.Root() / StagedName(s.name), target, ec);
    if (ec) throw console::RuntimeError(console::kErrDiskWrite, "installing " + s.name);
    staged_.pop_front();
  }
}

void Staging::Discard() noexcept {
  for (Staged& s : staged_) {
    s.file.Abandon();  // its lines are not written: the file goes anyway
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

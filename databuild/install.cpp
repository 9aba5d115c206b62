#include "databuild/install.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "console/runtime_error.h"
#include "console/text_file.h"
#include "databuild/routing.h"

namespace databuild {

StagedFile::StagedFile(const std::filesystem::path& path, std::string name)
    : name_(std::move(name)) {
  fd_ = console::OpenRawForWriting(path);
  if (fd_ < 0)
    throw console::RuntimeError(console::kErrAccessDenied, "opening " + name_ + " for writing");
  piece_.reset(new char[kPiece]);  // not cleared: only what is gathered is written
}

StagedFile::~StagedFile() {
  Abandon();
}

void StagedFile::WriteLn(std::string_view text) {
  if (used_ + text.size() + 2 > kPiece) {
    Flush();
    if (text.size() + 2 > kPiece) {  // a line longer than a piece goes as it is
      Put(text);
      Put("\r\n");
      return;
    }
  }
  std::memcpy(piece_.get() + used_, text.data(), text.size());
  used_ += text.size();
  piece_[used_++] = '\r';
  piece_[used_++] = '\n';
}

void StagedFile::Flush() noexcept {
  Put(std::string_view(piece_.get(), used_));
  used_ = 0;
}

void StagedFile::Put(std::string_view bytes) noexcept {
  while (!bytes.empty() && !failed_) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      failed_ = true;
    }
  }
}

void StagedFile::Close() {
  if (fd_ < 0) return;
  Flush();
  if (::close(fd_) != 0) failed_ = true;
  fd_ = -1;
  piece_.reset();
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
    if (!console::MoveOver(dir_.Root() / StagedName(s.name), target))
      throw console::RuntimeError(console::kErrDiskWrite, "installing " + s.name);
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

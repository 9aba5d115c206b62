#include "console/text_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace console {

namespace fs = std::filesystem;

namespace {

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

/// Position of the first CR or LF at or after `from` in `text`, or the
/// text's size when there is none.
std::size_t FindLineEnd(const std::string& text, std::size_t from) {
  if (from >= text.size()) return text.size();
  const char* begin = text.data() + from;
  const std::size_t n = text.size() - from;
  const void* lf = std::memchr(begin, '\n', n);
  const std::size_t lf_at = lf ? static_cast<const char*>(lf) - begin : n;
  const void* cr = std::memchr(begin, '\r', lf_at);
  return from + (cr ? static_cast<const char*>(cr) - begin : lf_at);
}

/// Bytes a writer gathers before it hands them to the file in one piece.
constexpr std::size_t kWriteBuffer = 64 * 1024;

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

/// Opens a C stream on `path` with the (binary) `mode`; names with letters
/// outside ASCII reach Windows as they are.
std::FILE* OpenStream(const fs::path& path, const char* mode) {
#ifdef _WIN32
  std::wstring wide_mode(mode, mode + std::strlen(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

/// Creates a new file at `path` for writing; nullptr when it exists already
/// or cannot be made.
std::FILE* CreateNewStream(const fs::path& path) {
#ifdef _WIN32
  const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                        _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* f = _fdopen(fd, "wb");
  if (!f) _close(fd);
  return f;
#else
  return std::fopen(path.c_str(), "wbx");
#endif
}

/// Windows matches names without regard to case itself: a name that is
/// there under another spelling is found as it is asked for, and the
/// directory must be asked for the spelling the file has.
#ifdef _WIN32
constexpr bool kSystemMatchesCase = true;
#else
constexpr bool kSystemMatchesCase = false;
#endif

/// The spelling under which `name` is in `dir`, matched without regard to
/// letter case; the smallest when there are several.
std::optional<fs::path> Spelling(const fs::path& dir, std::string_view name);

}  // namespace

bool MoveOver(const fs::path& from, const fs::path& to) noexcept {
#ifdef _WIN32
  // A plain rename refuses an existing target here; the system replaces it
  // in one step when asked to.
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

int OpenRawForWriting(const fs::path& path) noexcept {
#ifdef _WIN32
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
#else
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
#endif
}

fs::path RunningProgram() {
#ifdef _WIN32
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0) return {};
    if (n < name.size()) {
      name.resize(n);
      return fs::path(name);
    }
    name.resize(name.size() * 2);
  }
#else
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec);
#endif
}

// ---------------------------------------------------------------- reading

TextReader TextReader::FromString(std::string text, std::string name) {
  return TextReader(std::move(text), std::move(name));
}

TextReader::TextReader(std::string text, std::string name)
    : text_(std::move(text)), name_(std::move(name)) {}

long ConvertNumber(std::string_view run, long min, long max, const std::string& name, int line) {
  std::string_view digits = run;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  long value = 0;
  // More than 18 digits cannot be a number of any range asked for, and
  // would overflow the conversion.
  bool ok = !digits.empty() && digits.size() <= 18;
  for (std::size_t i = 0; ok && i < digits.size(); ++i) {
    const char c = digits[i];
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (!ok || value < min || value > max) {
    throw RuntimeError(kErrInvalidNumber, "reading a number from " + name + ", line " +
                                              std::to_string(line) + " (\"" +
                                              std::string(run.substr(0, 40)) + "\")");
  }
  return value;
}

long TextReader::ReadLong(long min, long max) {
  while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) ++pos_;
  if (pos_ >= text_.size()) return 0;
  const int line = LineNumber();
  std::size_t start = pos_;
  while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) > 32) ++pos_;
  return ConvertNumber(std::string_view(text_.data() + start, pos_ - start), min, max, name_, line);
}

int TextReader::ReadInt() {
  return static_cast<int>(ReadLong(-32768, 32767));
}

std::string TextReader::ReadStr(std::size_t capacity) {
  const std::size_t start = pos_;
  pos_ = std::min(FindLineEnd(text_, pos_), start + std::min(capacity, text_.size() - start));
  return text_.substr(start, pos_ - start);
}

char TextReader::ReadChar() {
  if (pos_ >= text_.size()) return 26;
  return text_[pos_++];
}

void TextReader::ReadLn() {
  pos_ = FindLineEnd(text_, pos_);
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
      pos_ += 2;
    } else {
      ++pos_;
    }
  }
}

std::string_view TextReader::ReadLineView() {
  const std::size_t start = pos_;
  pos_ = FindLineEnd(text_, pos_);
  const std::string_view line(text_.data() + start, pos_ - start);
  ReadLn();
  return line;
}

bool TextReader::Eoln() const {
  return pos_ >= text_.size() || IsLineEnd(text_[pos_]);
}

int TextReader::LineNumber() const {
  int line = 1;
  for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
    if (text_[i] == '\n') {
      ++line;
    } else if (text_[i] == '\r' && !(i + 1 < text_.size() && text_[i + 1] == '\n')) {
      ++line;
    }
  }
  return line;
}

TextReader ReadWholeFile(const fs::path& path, std::string name) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    throw RuntimeError(kErrFileNotFound, "opening " + name + " for reading");
  }
  std::FILE* f = OpenStream(path, "rb");
  if (!f) throw RuntimeError(kErrFileNotFound, "opening " + name + " for reading");
  // Read in one piece of the file's size, then on until the end in case the
  // file grew meanwhile.
  std::string text(static_cast<std::size_t>(fs::file_size(path, ec)), '\0');
  if (ec) text.clear();
  std::size_t got = std::fread(text.data(), 1, text.size(), f);
  text.resize(got);
  char more[4096];
  while ((got = std::fread(more, 1, sizeof more, f)) > 0) text.append(more, got);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw RuntimeError(kErrDiskRead, "reading " + name);
  return TextReader(std::move(text), std::move(name));
}

// ---------------------------------------------------------------- writing

TextWriter::TextWriter(const fs::path& path, std::string name, Mode mode)
    : target_(path), name_(std::move(name)) {
  if (mode == Mode::kAtomic) {
    // The temporary file lies beside the target so that the rename cannot
    // cross file systems.
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && !file_; ++attempt) {
      fs::path candidate = path;
      candidate += ".tmp" + std::to_string(rd() % 1000000);
      std::error_code ec;
      if (fs::exists(candidate, ec)) continue;
      file_ = CreateNewStream(candidate);
      if (file_) temp_ = candidate;
    }
  } else {
    file_ = OpenStream(path, mode == Mode::kAppend ? "ab" : "wb");
  }
  if (!file_) {
    throw RuntimeError(kErrAccessDenied, "opening " + name_ + " for writing");
  }
  pending_.reserve(kWriteBuffer);
}

TextWriter::TextWriter(TextWriter&& other) noexcept
    : file_(other.file_),
      pending_(std::move(other.pending_)),
      target_(std::move(other.target_)),
      temp_(std::move(other.temp_)),
      name_(std::move(other.name_)),
      failed_(other.failed_) {
  other.file_ = nullptr;
  other.temp_.clear();
}

TextWriter& TextWriter::operator=(TextWriter&& other) noexcept {
  if (this != &other) {
    Release();
    file_ = other.file_;
    pending_ = std::move(other.pending_);
    target_ = std::move(other.target_);
    temp_ = std::move(other.temp_);
    name_ = std::move(other.name_);
    failed_ = other.failed_;
    other.file_ = nullptr;
    other.temp_.clear();
  }
  return *this;
}

TextWriter::~TextWriter() {
  Release();
}

void TextWriter::Release() noexcept {
  if (file_) {
    if (temp_.empty()) Flush();  // a plain file keeps what was written
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    std::error_code ec;
    fs::remove(temp_, ec);  // never committed: the target stays as it was
    temp_.clear();
  }
}

void TextWriter::Write(std::string_view text) {
  if (!file_) throw RuntimeError(103, "writing " + name_ + " (file not open)");
  if (text.size() >= kWriteBuffer) {
    // A large piece goes to the file as it is, without a copy.
    Flush();
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
    return;
  }
  pending_.append(text);
  if (pending_.size() >= kWriteBuffer) Flush();
}

void TextWriter::Flush() noexcept {
  if (!pending_.empty() &&
      std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) {
    failed_ = true;
  }
  pending_.clear();
}

void TextWriter::Write(long number, int width) {
  std::string digits = std::to_string(number);
  if (width > 0 && static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  }
  Write(digits);
}

void TextWriter::WriteLn(std::string_view text) {
  Write(text);
  Write(std::string_view("\r\n"));
}

void TextWriter::WriteLn(long number, int width) {
  Write(number, width);
  Write(std::string_view("\r\n"));
}

void TextWriter::Close() {
  if (!file_) return;
  Flush();
  if (std::fflush(file_) != 0) failed_ = true;
  if (std::ferror(file_)) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  if (failed_) {
    Release();
    throw RuntimeError(kErrDiskWrite, "writing " + name_);
  }
  if (!temp_.empty()) {
    if (!MoveOver(temp_, target_)) {
      Release();
      throw RuntimeError(kErrDiskWrite, "replacing " + name_);
    }
    temp_.clear();
  }
}

// ---------------------------------------------------------------- directory

std::optional<fs::path> FindInDirectory(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::path exact = dir / fs::path(std::string(name));
  const bool here = fs::exists(exact, ec);
  if (name.find('/') != std::string_view::npos) return here ? std::optional(exact) : std::nullopt;
  if (here && !kSystemMatchesCase) return exact;
  std::optional<fs::path> found = Spelling(dir, name);
  return found ? found : here ? std::optional(exact) : std::nullopt;
}

namespace {

std::optional<fs::path> Spelling(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  std::optional<fs::path> found;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string entry = it->path().filename().string();
    if (SameIgnoringCase(entry, name)) {
      // Directory order is arbitrary: pick the smallest name so the choice
      // among several case variants is always the same.
      if (!found || entry < found->filename().string()) found = it->path();
    }
  }
  return found;
}

}  // namespace

WorkDir::WorkDir(fs::path root) : root_(std::move(root)) {}

fs::path WorkDir::Resolve(std::string_view name) const {
  if (auto found = FindInDirectory(root_, name)) return *found;
  return root_ / fs::path(std::string(name));
}

std::vector<fs::path> WorkDir::ResolveAll(const std::vector<std::string>& names) const {
  std::vector<fs::path> paths;
  std::optional<std::vector<std::string>> entries;  // listed when a name first needs them
  for (const std::string& name : names) {
    std::error_code ec;
    fs::path exact = root_ / fs::path(name);
    if (name.find('/') != std::string::npos || (!kSystemMatchesCase && fs::exists(exact, ec))) {
      paths.push_back(std::move(exact));
      continue;
    }
    if (!entries) {
      entries.emplace();
      fs::directory_iterator it(root_, ec);
      for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        entries->push_back(it->path().filename().string());
      }
    }
    // As FindInDirectory: the smallest of the names that match.
    const std::string* found = nullptr;
    for (const std::string& entry : *entries) {
      if (SameIgnoringCase(entry, name) && (!found || entry < *found)) found = &entry;
    }
    paths.push_back(found ? root_ / *found : std::move(exact));
  }
  return paths;
}

bool WorkDir::Exists(std::string_view name) const {
  std::error_code ec;
  return fs::is_regular_file(Resolve(name), ec);
}

TextReader WorkDir::OpenRead(std::string_view name) const {
  return ReadWholeFile(Resolve(name), std::string(name));
}

TextWriter WorkDir::OpenWrite(std::string_view name) const {
  return TextWriter(Resolve(name), std::string(name), TextWriter::Mode::kCreate);
}

TextWriter WorkDir::OpenAppend(std::string_view name) const {
  return TextWriter(Resolve(name), std::string(name), TextWriter::Mode::kAppend);
}

TextWriter WorkDir::Replace(std::string_view name) const {
  return TextWriter(Resolve(name), std::string(name), TextWriter::Mode::kAtomic);
}

void WorkDir::Remove(std::string_view name) const {
  std::error_code ec;
  fs::remove(Resolve(name), ec);
}

}  // namespace console

// Text files as both programs use them: names matched without regard to
// letter case in the working directory, the reading rules for numbers,
// strings, characters and lines, lines written with CR LF, and atomic
// replacement of files that hold a user's work.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/runtime_error.h"

namespace console {

/// Reads a text file (or a typed line) held in memory. Lines may end in
/// CR LF, LF or a lone CR.
class TextReader {
 public:
  /// A reader over text that did not come from a file (a typed line).
  static TextReader FromString(std::string text, std::string name = "keyboard input");
  TextReader(std::string text, std::string name);

  /// Skips characters of code 32 or below, then converts the following run
  /// of characters above 32 as an optionally signed decimal number. 0 at the
  /// end of the text. Runtime error 106 when the run is not a number or lies
  /// outside -32768..32767.
  int ReadInt();
  /// Like ReadInt but for a wider range (used where a Part says so).
  long ReadLong(long min, long max);
  /// Characters up to the next CR or LF, at most `capacity` of them; the
  /// rest of the line stays to be read.
  std::string ReadStr(std::size_t capacity);
  /// The next character, line ends included; 26 (end of file) at the end.
  char ReadChar();
  /// Discards the rest of the current line and its line end.
  void ReadLn();
  /// The rest of the current line, whole, and moves past its line end.
  std::string ReadLine() { return std::string(ReadLineView()); }
  /// ReadLine without a copy: a view into the reader's text, valid as long
  /// as the reader.
  std::string_view ReadLineView();
  /// A string read of `capacity` followed by ReadLn.
  std::string ReadLineStr(std::size_t capacity) {
    std::string s = ReadStr(capacity);
    ReadLn();
    return s;
  }
  /// ReadInt followed by ReadLn.
  int ReadLineInt() {
    int v = ReadInt();
    ReadLn();
    return v;
  }
  bool Eof() const { return pos_ >= text_.size(); }
  /// True at a line end or at the end of the text.
  bool Eoln() const;
  /// 1-based number of the line the next read starts on.
  int LineNumber() const;
  const std::string& Name() const { return name_; }
  std::size_t Position() const { return pos_; }
  void Seek(std::size_t pos) { pos_ = pos < text_.size() ? pos : text_.size(); }
  std::size_t Size() const { return text_.size(); }

 private:
  std::string text_;
  std::string name_;
  std::size_t pos_ = 0;
};

/// Writes a text file. Either directly (created or emptied, or appended to)
/// or atomically: into a temporary file beside the target, which Close()
/// renames over the target; a writer dropped without Close() leaves the
/// target as it was.
class TextWriter {
 public:
  enum class Mode { kCreate, kAppend, kAtomic };
  TextWriter(const std::filesystem::path& path, std::string name, Mode mode);
  TextWriter(TextWriter&& other) noexcept;
  TextWriter& operator=(TextWriter&& other) noexcept;
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;
  ~TextWriter();

  void Write(std::string_view text);
  /// A number in decimal, right-aligned in `width` when width is above 0.
  void Write(long number, int width = 0);
  /// Text followed by CR LF.
  void WriteLn(std::string_view text = {});
  void WriteLn(long number, int width = 0);
  /// Flushes and closes; an atomic writer replaces its target here.
  /// Runtime error 101 when the data could not be written.
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Name() const { return name_; }

 private:
  void Release() noexcept;
  /// Hands the bytes gathered so far to the file.
  void Flush() noexcept;

  std::FILE* file_ = nullptr;
  std::string pending_;  // bytes written but not yet handed to the file
  std::filesystem::path target_;
  std::filesystem::path temp_;  // set for an atomic writer
  std::string name_;
  bool failed_ = false;
};

/// The working directory: opens files by plain names, matching them without
/// regard to letter case (an exact-case match wins).
class WorkDir {
 public:
  explicit WorkDir(std::filesystem::path root = ".");
  const std::filesystem::path& Root() const { return root_; }

  /// The path a plain name stands for: an existing file under any case, else
  /// the name as given (for creating it).
  std::filesystem::path Resolve(std::string_view name) const;
  /// Resolve for each of `names` at this moment, looking through the
  /// directory at most once for all of them (Resolve looks through it for
  /// every name not present under its exact case).
  std::vector<std::filesystem::path> ResolveAll(const std::vector<std::string>& names) const;
  bool Exists(std::string_view name) const;
  /// Reads the whole file. Runtime error 2 when it does not exist.
  TextReader OpenRead(std::string_view name) const;
  /// Creates or empties the file.
  TextWriter OpenWrite(std::string_view name) const;
  TextWriter OpenAppend(std::string_view name) const;
  /// Writes a replacement that takes the file's place only on Close().
  TextWriter Replace(std::string_view name) const;
  /// Removes the file if it exists.
  void Remove(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

/// What separates the directories of a search list such as "Path".
#ifdef _WIN32
inline constexpr char kPathListSeparator = ';';
#else
inline constexpr char kPathListSeparator = ':';
#endif

/// Puts the file `from` in the place of `to` in one step, replacing a file
/// already there: a reader of `to` finds either the old or the new file,
/// never a part of one. False (`from` left as it is) when that fails.
bool MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) noexcept;

/// Creates or empties the file at `path` for writing bytes as they are (no
/// translation of line ends), not handed on to programs this one starts.
/// The descriptor for write() and close(), or -1 when it cannot be opened.
int OpenRawForWriting(const std::filesystem::path& path) noexcept;

/// Where the running program's file lies.
std::filesystem::path RunningProgram();

/// Converts one run of characters above code 32 as an optionally signed
/// decimal number in min..max. Runtime error 106 otherwise, naming the file
/// `name` and its line.
long ConvertNumber(std::string_view run, long min, long max, const std::string& name, int line);

/// Looks for `name` in `dir` without regard to letter case.
std::optional<std::filesystem::path> FindInDirectory(const std::filesystem::path& dir,
                                                     std::string_view name);
/// Reads a whole file at `path`, naming it `name` in messages.
TextReader ReadWholeFile(const std::filesystem::path& path, std::string name);

}  // namespace console

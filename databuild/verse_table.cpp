#include "databuild/verse_table.h"

#include <charconv>
#include <system_error>

namespace databuild {

namespace {

constexpr std::string_view kVerseTableName = "VERSES.TXT";
constexpr int kMaxVerse = 80;

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

VerseTableResult ReadVerseTable(const Database& lines, std::string file, std::string source) {
  VerseTableResult result;
  result.file = std::move(file);
  VerseTable table;
  table.source = std::move(source);
  for (int c = 1; c <= kChapters; ++c) {
    if (c > lines.LineCount()) {
      result.line = lines.LineCount() > 0 ? lines.LineCount() : 1;
      result.problem = "the verse table ends before the line of chapter " + std::to_string(c) +
                       "; it needs one line for each of the 28 chapters";
      return result;
    }
    const std::string_view line = lines.Line(c);
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    std::size_t last = first;
    while (last < line.size() && !IsBlank(line[last])) ++last;
    const std::string_view number = line.substr(first, last - first);
    int value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || ec != std::errc() || ptr != number.data() + number.size() || value < 1 ||
        value > kMaxVerse) {
      result.line = c;
      result.problem = "the last verse of chapter " + std::to_string(c) +
                       " must be a number from 1 to 80 at the start of the line";
      return result;
    }
    table.last[static_cast<std::size_t>(c - 1)] = value;
  }
  result.table = std::move(table);
  return result;
}

VerseTableResult FindVerseTable(const console::WorkDir& dir, const std::filesystem::path& shipped) {
  if (std::optional<std::filesystem::path> here =
          console::FindInDirectory(dir.Root(), kVerseTableName)) {
    return ReadVerseTable(
        Database::FromReader(console::ReadWholeFile(*here, here->filename().string())),
        here->filename().string(),
        "the verse table " + here->filename().string() + " of the working directory");
  }
  std::optional<std::filesystem::path> there;
  if (!shipped.empty()) there = console::FindInDirectory(shipped, kVerseTableName);
  if (there) {
    return ReadVerseTable(
        Database::FromReader(console::ReadWholeFile(*there, there->string())), there->string(),
        "the shipped verse table " + there->string() + " (there is none in the working directory)");
  }
  VerseTableResult none;
  none.problem = "there is no verse table VERSES.TXT in the working directory" +
                 (shipped.empty() ? std::string() : " nor in " + shipped.string());
  return none;
}

std::filesystem::path ShippedData() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return (program.parent_path() / MATQUIZ_DATA_FROM_PROGRAM).lexically_normal();
}

}  // namespace databuild

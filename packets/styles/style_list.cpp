#include "packets/styles/style_list.h"

#include <algorithm>

#include "packets/styles/style_file.h"

namespace packets::styles {

StyleList ReadStyleList(const console::WorkDir& dir) {
  console::TextReader in = dir.OpenRead(kStyleListFile);
  StyleList list;
  while (!in.Eof()) list.lines.push_back(in.ReadLine());
  return list;
}

void WriteStyleList(const console::WorkDir& dir, const StyleList& list) {
  console::TextWriter out = dir.Replace(kStyleListFile);
  for (const std::string& line : list.lines) out.WriteLn(line);
  out.Close();
}

int HiddenLines(const StyleList& list) {
  return std::max(0, static_cast<int>(list.lines.size()) - kMenuLines);
}

std::vector<std::string> MenuEntries(const StyleList& list) {
  std::vector<std::string> entries;
  for (std::size_t i = HiddenLines(list); i < list.lines.size(); ++i) {
    entries.push_back(list.lines[i].substr(0, kEntryCap));
  }
  entries.emplace_back(kExit);
  return entries;
}

void DeleteShownEntry(StyleList& list, int entry) {
  const std::size_t index = static_cast<std::size_t>(HiddenLines(list) + entry - 1);
  if (entry >= 1 && index < list.lines.size()) list.lines.erase(list.lines.begin() + index);
}

bool IsListed(const StyleList& list, std::string_view name) {
  return std::find(list.lines.begin(), list.lines.end(), name) != list.lines.end();
}

void AddStyle(StyleList& list, std::string_view name) {
  if (!list.lines.empty() && list.lines.back() == kNewEntry) list.lines.pop_back();
  list.lines.emplace_back(name);
  list.lines.emplace_back(kNewEntry);
}

}  // namespace packets::styles

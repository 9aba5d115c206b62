// Golden bytes of the packet file and the usage record, written legibly in
// the tests: a "|" ending a source line is a line end (CR LF), "→" a TAB and
// "␌" a form feed; a source line break without "|" before it is no byte at
// all. Blanks are significant, so every line shows where it ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace packets::output::testing {

inline std::string Bytes(std::string_view visible) {
  if (!visible.empty() && visible.front() == '\n') visible.remove_prefix(1);
  std::string out;
  for (std::size_t i = 0; i < visible.size();) {
    std::string_view rest = visible.substr(i);
    if (rest.starts_with("|\n") || rest == "|") {
      out += "\r\n";
      i += rest == "|" ? 1 : 2;
    } else if (rest.starts_with("→")) {
      out += '\t';
      i += std::string_view("→").size();
    } else if (rest.starts_with("␌")) {
      out += '\f';
      i += std::string_view("␌").size();
    } else if (rest.front() == '\n') {
      ++i;
    } else {
      out += rest.front();
      ++i;
    }
  }
  return out;
}

/// The lines of `bytes`, split at CR LF (the last piece after the final
/// CR LF, usually empty, included).
inline std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string_view::npos;
       start = end + 2) {
    lines.emplace_back(bytes.substr(start, end - start));
  }
  lines.emplace_back(bytes.substr(start));
  return lines;
}

/// The offset just after the first `n` line ends of `bytes`.
inline std::size_t AfterLines(std::string_view bytes, int n) {
  std::size_t pos = 0;
  for (int i = 0; i < n && pos != std::string_view::npos; ++i) {
    pos = bytes.find("\r\n", pos);
    if (pos != std::string_view::npos) pos += 2;
  }
  return pos == std::string_view::npos ? bytes.size() : pos;
}

}  // namespace packets::output::testing

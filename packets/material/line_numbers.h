// Numbers taken from one line of a data file, by the reading rules of the
// text files (runs of characters above code 32, optionally signed decimal),
// without ever running on into the next line.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace packets::material {

/// Converts one run of characters as a number: optionally signed decimal in
/// -32768..32767. Anything else ends the program with runtime error 106,
/// naming `file` and `line`.
int ConvertNumber(std::string_view run, const std::string& file, int line);

/// Reads up to N numbers from the start of `text` into `out`, skipping
/// characters of code 32 or below between them; returns how many it found
/// before the line ended. The rest of the line is not examined.
template <std::size_t N>
int ReadNumbers(std::string_view text, const std::string& file, int line, std::array<int, N>& out) {
  std::size_t found = 0;
  std::size_t pos = 0;
  while (found < N) {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= 32) ++pos;
    if (pos >= text.size()) break;
    std::size_t start = pos;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) > 32) ++pos;
    out[found++] = ConvertNumber(text.substr(start, pos - start), file, line);
  }
  return static_cast<int>(found);
}

/// True when the line holds nothing but characters of code 32 or below.
bool IsBlankLine(std::string_view text);

/// "FILE, line N: " — the start of every refusal that points into a file.
std::string Where(const std::string& file, int line);

}  // namespace packets::material

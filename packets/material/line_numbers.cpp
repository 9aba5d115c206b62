#include "packets/material/line_numbers.h"

#include "console/text_file.h"

namespace packets::material {

int ConvertNumber(std::string_view run, const std::string& file, int line) {
  return static_cast<int>(console::ConvertNumber(run, -32768, 32767, file, line));
}

bool IsBlankLine(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 32) return false;
  }
  return true;
}

std::string Where(const std::string& file, int line) {
  return file + ", line " + std::to_string(line) + ": ";
}

}  // namespace packets::material

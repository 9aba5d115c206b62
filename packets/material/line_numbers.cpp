#include "packets/material/line_numbers.h"

#include "console/runtime_error.h"

namespace packets::material {

int ConvertNumber(std::string_view run, const std::string& file, int line) {
  std::string_view digits = run;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  bool ok = !digits.empty() && digits.size() <= 6;
  long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') {
      ok = false;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (!ok || value < -32768 || value > 32767) {
    throw console::RuntimeError(console::kErrInvalidNumber,
                                "reading a number from " + file + ", line " + std::to_string(line) +
                                    " (\"" + std::string(run.substr(0, 40)) + "\")");
  }
  return static_cast<int>(value);
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

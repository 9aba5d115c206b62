#include "databuild/question_line.h"

namespace databuild {

namespace {

constexpr char kTab = '\t';

/// Character of `line` in 1-based column `col` (the caller has checked the
/// line's length).
char Col(std::string_view line, std::size_t col) {
  return line[col - 1];
}

std::string_view Reference(std::string_view line) {
  return line.substr(2, 5);
}

std::string_view TextFrom(std::string_view line, std::size_t col) {
  return line.substr(col - 1, kTextLimit);
}

bool IsTabOrBlank(char c) {
  return c == kTab || c == ' ';
}

bool IsOneOf(char c, std::string_view allowed) {
  return allowed.find(c) != std::string_view::npos;
}

/// Column 1 holds "=" only on a separator line; a section's first line,
/// which is always read as a question line, must not be one.
bool StartsAsSeparator(std::string_view line) {
  return line[0] == '=';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

/// A number of two columns right-aligned with a blank pad, from 1 to `max`.
bool IsPaddedNumber(char tens, char units, int max) {
  if (!IsDigit(units)) return false;
  int value = units - '0';
  if (tens != ' ') {
    if (!IsDigit(tens) || tens == '0') return false;
    value += 10 * (tens - '0');
  }
  return value >= 1 && value <= max;
}

}  // namespace

bool IsCanonicalReference(std::string_view ref) {
  return ref.size() == 5 && IsPaddedNumber(ref[0], ref[1], 28) && ref[2] == ':' &&
         IsPaddedNumber(ref[3], ref[4], 80);
}

bool ReferenceOrder::Accept(std::string_view ref) {
  if (ref < std::string_view(last_)) return false;
  last_.assign(ref);
  return true;
}

std::optional<RegularLine> ParseRegular(std::string_view line) {
  if (line.size() < 10 || StartsAsSeparator(line)) return std::nullopt;
  RegularLine q{Reference(line), Col(line, 8), Col(line, 9), TextFrom(line, 11)};
  if (!IsOneOf(q.set, "abc")) return std::nullopt;
  if (!IsCanonicalReference(q.ref)) return std::nullopt;
  if (!IsTabOrBlank(q.separator)) return std::nullopt;
  return q;
}

std::optional<ReferenceLine> ParseReference(std::string_view line) {
  if (line.size() < 16 || StartsAsSeparator(line)) return std::nullopt;
  ReferenceLine q{Reference(line), line.substr(8, 5), Col(line, 15), TextFrom(line, 17)};
  if (Col(line, 8) != kTab || Col(line, 14) != kTab) return std::nullopt;
  if (!IsOneOf(q.set, "bc")) return std::nullopt;
  if (!IsCanonicalReference(q.ref)) return std::nullopt;
  if (!q.IsCv() && !q.IsCo()) return std::nullopt;
  return q;
}

std::optional<FtvLine> ParseFtv(std::string_view line, FtvReading reading) {
  if (line.size() < 17 || StartsAsSeparator(line)) return std::nullopt;
  FtvLine q{Reference(line), line.substr(8, 4), Col(line, 14), Col(line, 16), TextFrom(line, 18)};
  if (Col(line, 8) != kTab || Col(line, 13) != kTab) return std::nullopt;
  // The form of the reference (column 5 among it) is a check of the second
  // reading only; the first reading leaves such a line out of its order check.
  if (reading == FtvReading::kSecond) {
    if (!IsOneOf(q.cls, "pn")) return std::nullopt;
    if (!IsCanonicalReference(q.ref)) return std::nullopt;
    if (!IsOneOf(q.rank, "xq6789")) return std::nullopt;
    if (!IsOneOf(q.code[0], "FQ")) return std::nullopt;
  }
  return q;
}

std::optional<SituationLine> ParseSituation(std::string_view line) {
  if (line.size() < 8 || StartsAsSeparator(line)) return std::nullopt;
  SituationLine q{Reference(line), Col(line, 8), TextFrom(line, 9)};
  if (!IsCanonicalReference(q.ref)) return std::nullopt;
  if (!IsTabOrBlank(q.separator)) return std::nullopt;
  return q;
}

}  // namespace databuild

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
  if (ref < last_) return false;
  last_ = ref;
  return true;
}

namespace {

/// The shortest line that holds each section's fixed fields.
std::size_t MinimumLength(Section section) {
  switch (section) {
    case Section::kRegular:
      return 10;
    case Section::kReference:
      return 16;
    case Section::kFtv:
      return 17;
    case Section::kSituation:
      return 8;
  }
  return 0;
}

}  // namespace

LineFaults FaultsOf(Section section, std::string_view line, FtvReading reading) {
  LineFaults faults;
  if (!line.empty() && StartsAsSeparator(line)) {
    faults.Add(LineFault::kSeparator);
    return faults;
  }
  if (line.size() < MinimumLength(section)) {
    faults.Add(LineFault::kTooShort);
    return faults;
  }
  const auto check = [&faults](bool good, LineFault fault) {
    if (!good) faults.Add(fault);
  };
  switch (section) {
    case Section::kRegular:
      check(IsTabOrBlank(Col(line, 8)), LineFault::kColumn8);
      check(IsOneOf(Col(line, 9), "abc"), LineFault::kSetLetter);
      check(IsCanonicalReference(Reference(line)), LineFault::kReference);
      break;
    case Section::kReference:
      check(Col(line, 8) == kTab, LineFault::kColumn8);
      check(Col(line, 14) == kTab, LineFault::kColumn14);
      check(IsOneOf(Col(line, 15), "bc"), LineFault::kSetLetter);
      check(IsCanonicalReference(Reference(line)), LineFault::kReference);
      check(Col(line, 10) == 'V' || Col(line, 13) == 'O', LineFault::kMarks);
      break;
    case Section::kFtv:
      check(Col(line, 8) == kTab, LineFault::kColumn8);
      check(Col(line, 13) == kTab, LineFault::kColumn13);
      // The form of the reference (column 5 among it) and the letters are
      // checks of the second reading only.
      if (reading == FtvReading::kSecond) {
        check(IsOneOf(Col(line, 14), "pn"), LineFault::kClass);
        check(IsCanonicalReference(Reference(line)), LineFault::kReference);
        check(IsOneOf(Col(line, 16), "xq6789"), LineFault::kRank);
        check(IsOneOf(Col(line, 9), "FQ"), LineFault::kTypeCode);
      }
      break;
    case Section::kSituation:
      check(IsTabOrBlank(Col(line, 8)), LineFault::kColumn8);
      check(IsCanonicalReference(Reference(line)), LineFault::kReference);
      break;
  }
  return faults;
}

std::optional<RegularLine> ParseRegular(std::string_view line) {
  if (!FaultsOf(Section::kRegular, line).None()) return std::nullopt;
  return RegularLine{Reference(line), Col(line, 8), Col(line, 9), TextFrom(line, 11)};
}

std::optional<ReferenceLine> ParseReference(std::string_view line) {
  if (!FaultsOf(Section::kReference, line).None()) return std::nullopt;
  return ReferenceLine{Reference(line), line.substr(8, 5), Col(line, 15), TextFrom(line, 17)};
}

std::optional<FtvLine> ParseFtv(std::string_view line, FtvReading reading) {
  if (!FaultsOf(Section::kFtv, line, reading).None()) return std::nullopt;
  return FtvLine{Reference(line), line.substr(8, 4), Col(line, 14), Col(line, 16),
                 TextFrom(line, 18)};
}

std::optional<SituationLine> ParseSituation(std::string_view line) {
  if (!FaultsOf(Section::kSituation, line).None()) return std::nullopt;
  return SituationLine{Reference(line), Col(line, 8), TextFrom(line, 9)};
}

// ---------------------------------------------------------------- in words

namespace {

/// A character as a message shows it.
std::string Shown(char c) {
  if (c == kTab) return "a tab";
  if (c == ' ') return "a blank";
  const auto code = static_cast<unsigned char>(c);
  if (code < 32 || code == 127) return "the control character " + std::to_string(code);
  return std::string("\"") + c + "\"";
}

/// Columns `first` to `last` of a line as a message shows them: in quotes,
/// tabs and other control characters written as <tab> and <N>.
std::string ShownColumns(std::string_view line, std::size_t first, std::size_t last) {
  std::string out = "\"";
  for (char c : line.substr(first - 1, last - first + 1)) {
    const auto code = static_cast<unsigned char>(c);
    if (c == kTab) {
      out += "<tab>";
    } else if (code < 32 || code == 127) {
      out += "<" + std::to_string(code) + ">";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

/// What is wrong with the numbers of a reference that has the form of one:
/// a chapter or verse 0, or past what the book and its index hold. Nothing
/// for any other reference.
std::string OutOfRange(std::string_view ref) {
  const auto number = [](char tens, char units) {
    if (!IsDigit(units) || (tens != ' ' && !IsDigit(tens))) return -1;
    return (tens == ' ' ? 0 : tens - '0') * 10 + (units - '0');
  };
  const int chapter = number(ref[0], ref[1]);
  const int verse = number(ref[3], ref[4]);
  if (chapter < 0 || verse < 0 || ref[2] != ':') return "";
  if (chapter == 0) return "; there is no chapter 0";
  if (chapter > 28) return "; Matthew has 28 chapters, not " + std::to_string(chapter);
  if (verse == 0) return "; there is no verse 0";
  if (verse > 80) return "; no chapter has " + std::to_string(verse) + " verses";
  return "";
}

std::string_view FixedFields(Section section) {
  switch (section) {
    case Section::kRegular:
      return "the reference in columns 3-7, a tab or a blank in column 8, the set letter in "
             "column 9 and a separator in column 10";
    case Section::kReference:
      return "the reference in columns 3-7, tabs in columns 8 and 14, the marks in columns 9-13, "
             "the set letter in column 15 and a separator in column 16";
    case Section::kFtv:
      return "the reference in columns 3-7, tabs in columns 8 and 13, the type code in columns "
             "9-12, the class letter in column 14 and the rank in column 16";
    case Section::kSituation:
      return "the reference in columns 3-7 and a tab or a blank in column 8";
  }
  return "";
}

}  // namespace

std::string_view SectionName(Section section) {
  switch (section) {
    case Section::kRegular:
      return "regular";
    case Section::kReference:
      return "reference";
    case Section::kFtv:
      return "FTV";
    case Section::kSituation:
      return "situation";
  }
  return "";
}

std::string FaultText(Section section, LineFault fault, std::string_view line) {
  const std::string kind(SectionName(section));
  switch (fault) {
    case LineFault::kTooShort:
      return "line too short for a " + kind + " question: it needs " +
             std::string(FixedFields(section)) + ", " + std::to_string(MinimumLength(section)) +
             " characters at least";
    case LineFault::kSeparator:
      return "a line beginning with \"=\" where the first question of the " + kind +
             " section belongs: every section needs at least one question line";
    case LineFault::kColumn8:
      return std::string(section == Section::kRegular || section == Section::kSituation
                             ? "column 8 must be a tab or a blank"
                             : "column 8 must be a tab") +
             ", not " + Shown(Col(line, 8));
    case LineFault::kColumn13:
      return "column 13 must be a tab, not " + Shown(Col(line, 13));
    case LineFault::kColumn14:
      return "column 14 must be a tab, not " + Shown(Col(line, 14));
    case LineFault::kSetLetter:
      return section == Section::kRegular
                 ? "the question set letter in column 9 must be a, b or c, not " +
                       Shown(Col(line, 9))
                 : "the question set letter in column 15 must be b or c, not " +
                       Shown(Col(line, 15));
    case LineFault::kReference:
      return "the reference in columns 3-7 must be the chapter (1-28) and the verse (1-80), each "
             "right-aligned in two columns, with \":\" between them, as \" 5: 3\"; found " +
             ShownColumns(line, 3, 7) + OutOfRange(line.substr(2, 5));
    case LineFault::kMarks:
      return "the reference marks in columns 9-13 need \"V\" in column 10 (CV Ref) or \"O\" in "
             "column 13 (CO Ref); found " +
             ShownColumns(line, 9, 13);
    case LineFault::kClass:
      return "the FTV class letter in column 14 must be p or n, not " + Shown(Col(line, 14));
    case LineFault::kRank:
      return "the FTV rank in column 16 must be x, q, 6, 7, 8 or 9, not " + Shown(Col(line, 16));
    case LineFault::kTypeCode:
      return "the FTV type code in columns 9-12 must begin with F or Q; found " +
             ShownColumns(line, 9, 12);
  }
  return "";
}

}  // namespace databuild

// The question lines of the four database sections: their fields by column
// and the checks a line must pass before anything of it is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace databuild {

/// The question text of a line is cut after this many characters.
inline constexpr std::size_t kTextLimit = 510;

/// Regular section: reference in columns 3-7, field separator in 8, set
/// letter in 9, text from 11.
struct RegularLine {
  std::string_view ref;
  char separator;
  char set;
  std::string_view text;
};

/// Reference section: reference marks in columns 9-13 ("V" in 10 for CV
/// Ref, "O" in 13 for CO Ref), set letter in 15, text from 17.
struct ReferenceLine {
  std::string_view ref;
  std::string_view marks;
  char set;
  std::string_view text;
  bool IsCv() const { return marks[1] == 'V'; }
  bool IsCo() const { return marks[4] == 'O'; }
};

/// FTV section: type code in columns 9-12, class letter in 14, rank in 16,
/// text from 18.
struct FtvLine {
  std::string_view ref;
  std::string_view code;
  char cls;
  char rank;
  std::string_view text;
  bool IsQuotation() const { return code[0] == 'Q'; }
  bool IsVerseFinishing() const { return code[2] == 'V'; }
};

/// Situation section: field separator in column 8, text from 9.
struct SituationLine {
  std::string_view ref;
  char separator;
  std::string_view text;
};

/// The FTV section is read twice; each reading makes its own checks. The
/// first looks only at the tabs of columns 8 and 13 (and the order of the
/// references), the second at every field.
enum class FtvReading { kFirst, kSecond };

/// The four sections of the database, in their order.
enum class Section { kRegular, kReference, kFtv, kSituation };

/// What can be wrong with a question line, one value per check. The order
/// is the order in which a line's faults are listed.
enum class LineFault {
  kTooShort,   // the line ends before its section's fixed fields
  kSeparator,  // column 1 is "=": a separator where a question line belongs
  kColumn8,    // not a tab (or, in the regular and situation sections, a blank)
  kColumn13,   // FTV: not a tab
  kColumn14,   // reference section: not a tab
  kSetLetter,  // a, b or c (regular); b or c (reference)
  kClass,      // FTV class letter "p" or "n"
  kReference,  // columns 3-7 are not a chapter:verse reference in aligned form
  kMarks,      // neither "V" in column 10 nor "O" in column 13
  kRank,       // FTV rank "x", "q", "6", "7", "8" or "9"
  kTypeCode,   // FTV type code beginning with "F" or "Q"
};
inline constexpr int kLineFaultCount = static_cast<int>(LineFault::kTypeCode) + 1;

/// The faults of one line. A line that begins with "=", or one too short
/// for its fields, has that fault alone: its columns are not looked at.
class LineFaults {
 public:
  void Add(LineFault f) { bits_ |= 1u << static_cast<int>(f); }
  bool Has(LineFault f) const { return (bits_ >> static_cast<int>(f)) & 1u; }
  bool None() const { return bits_ == 0; }

 private:
  unsigned bits_ = 0;
};

/// Every check of `section` that `line` fails. In the FTV section the first
/// reading makes only its own checks.
LineFaults FaultsOf(Section section, std::string_view line,
                    FtvReading reading = FtvReading::kSecond);

/// What is wrong, in words, for a line of `section` with fault `fault`,
/// quoting what the line holds in the columns concerned.
std::string FaultText(Section section, LineFault fault, std::string_view line);

/// The name of a section in messages ("regular", "reference", "FTV",
/// "situation").
std::string_view SectionName(Section section);

/// True for a reference of chapter 1 to 28 and verse 1 to 80, each
/// right-aligned in two columns with a blank pad, joined by ":" (" 5: 3",
/// "12:30"). Only such references sort in verse order as text.
bool IsCanonicalReference(std::string_view ref);

/// The order check of one section (or one reading of the FTV section): a
/// reference must not be smaller, as text, than the one before it. The
/// references are views into the database lines, which outlive the check:
/// the previous one is kept as a view, not copied line by line.
class ReferenceOrder {
 public:
  /// False when `ref` comes before the previous reference; otherwise
  /// remembers it.
  bool Accept(std::string_view ref);
  /// The reference the next one is compared with.
  std::string_view Previous() const { return last_; }
  /// Takes `ref` as the previous reference whatever it is, so that a check
  /// going on past an order fault compares the lines after it with it.
  void MoveTo(std::string_view ref) { last_ = ref; }

 private:
  std::string_view last_ = "     ";
};

// Each parser returns the line's fields, or nothing when the line fails one
// of its section's checks (the order check apart, which needs the lines
// before it). A line too short to hold its section's fixed fields fails, and
// so does one whose column 1 is "=" (a separator where a section starts).

std::optional<RegularLine> ParseRegular(std::string_view line);
std::optional<ReferenceLine> ParseReference(std::string_view line);
std::optional<FtvLine> ParseFtv(std::string_view line, FtvReading reading);
std::optional<SituationLine> ParseSituation(std::string_view line);

}  // namespace databuild

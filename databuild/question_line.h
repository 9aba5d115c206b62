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

/// True for a reference of chapter 1 to 28 and verse 1 to 80, each
/// right-aligned in two columns with a blank pad, joined by ":" (" 5: 3",
/// "12:30"). Only such references sort in verse order as text.
bool IsCanonicalReference(std::string_view ref);

/// The order check of one section (or one reading of the FTV section): a
/// reference must not be smaller, as text, than the one before it.
class ReferenceOrder {
 public:
  /// False when `ref` comes before the previous reference; otherwise
  /// remembers it.
  bool Accept(std::string_view ref);

 private:
  std::string last_ = "     ";
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

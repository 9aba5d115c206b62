// The work buffer A2 of one question, the scans that find where a line of
// its text breaks, and the four continuation printers that write the text
// left over after a question's first line.
#pragma once

#include <array>
#include <string>

#include "packets/output/output.h"

namespace packets::output {

/// The work buffer `A2`: positions 1 to 254 hold the question's record,
/// 255 to 508 its continuation (FTV and SIT only), and every other position
/// reads as a blank, so no text of another question and no byte outside the
/// buffer can ever be reached.
class WorkBuffer {
 public:
  static constexpr long kSize = 509;
  explicit WorkBuffer(const Place& p);
  /// Position `pos`; a blank outside 1 to 509.
  char operator[](long pos) const {
    if (pos < 1 || pos > kSize) return ' ';
    return a_[static_cast<std::size_t>(pos - 1)];
  }

 private:
  std::array<char, kSize> a_;
};

/// Where a scan breaks a line of text.
struct Break {
  long text_end = 0;            // last position of the text on the line
  long mark = 0;                // the line's break blank, after which the text continues
  bool at_blank = true;         // false when the window held no blank to break at
  bool after_question = false;  // the scan stopped right after a "?"
};

/// Scans positions `first` to `last` for the last blank (a TAB counts as
/// one). With the question rule the scan also stops as soon as the position
/// before the one scanned holds a "?". A window without a blank breaks after
/// the last position scanned and skips one blank that follows, so no text is
/// lost and every line keeps within its window.
Break ScanForBreak(const WorkBuffer& a, long first, long last, bool question_rule);

/// A SIT text's introduction (positions 7 to `intro_end`) and the blank
/// after which its quotation continues: the last blank before the first
/// double quote or apostrophe from position 7. A text without a quotation
/// mark is all introduction, trimmed of its trailing blanks.
struct SitSplit {
  long intro_end;
  long mark;
};
SitSplit SplitSit(const WorkBuffer& a);

/// Positions `first` to `last` as a first line prints them: a TAB as a blank.
std::string FirstLineText(const WorkBuffer& a, long first, long last);

/// One continuation printer: indent, window width, break limit and whether
/// it applies the question-mark rule.
struct Printer {
  int indent;
  int window;
  long limit;
  bool question_rule;
};
// The page printer of the one-piece kinds stops at the record's last
// position, 254: a break on the blank at 253 still prints position 254.
inline constexpr Printer PRINTREST{15, 55, LMAX, false};  // page: regular, CV Ref, CO Ref
inline constexpr Printer FPRINTREST{15, 55, 508, false};  // page: FTV, SIT
inline constexpr Printer CPRINTREST{8, 37, 508, false};   // card: CV Ref, CO Ref, FTV, SIT
inline constexpr Printer RPRINTREST{8, 37, 508, true};    // card: regular

/// Appends the continuation lines of the text after position `mark1`, each
/// ended by CR LF: the indent, then the window up to its break blank, each
/// "^" written as "*" and each TAB as a blank. Stops after the line whose
/// break is followed by a blank, at the break limit, or after 15 lines.
/// With the question-mark rule an empty line follows every line whose scan
/// stopped right after a "?". Returns the number of lines appended.
int PrintRest(const Printer& printer, const WorkBuffer& a, long mark1, std::string& out);

}  // namespace packets::output

// The pieces every layout of the packet file and the usage record take from
// a question record: positions of the record, the printed reference, the
// chapter and verse in words, the FTV type code, the material text and the
// question number. Positions count from 1; a position past the record's
// text reads as a blank, so no field ever reaches outside the record.
#pragma once

#include <string>
#include <string_view>

#include "packets/output/output.h"

namespace packets::output {

inline constexpr char kTab = '\t';
inline constexpr char kFormFeed = '\f';
inline constexpr std::string_view kCrLf = "\r\n";

/// A blank for every scan and every break decision: the byte 32, or a TAB,
/// which prints as one.
inline bool IsBlank(char c) {
  return c == ' ' || c == kTab;
}

/// Position `pos` of `record`; a blank outside the record.
inline char RecordAt(std::string_view record, long pos) {
  if (pos < 1 || pos > static_cast<long>(record.size())) return ' ';
  return record[static_cast<std::size_t>(pos - 1)];
}
/// Positions `first` to `last` of `record`, blanks past its text.
std::string Positions(std::string_view record, long first, long last);

/// `n` blanks; none when n is not above 0.
std::string Blanks(long n);
/// `text` right-aligned in `width` (as it stands when it is wider).
std::string RightAlign(std::string_view text, long width);
/// A number in decimal, without leading blanks.
std::string Num(long n);

/// The printed reference: the book letter, a blank and positions 1 to 5.
std::string PrintedReference(const Place& p);
/// The chapter in words: position 2, after position 1 unless that is a blank.
std::string ChapterWords(std::string_view record);
/// The verse in words: position 5, after position 4 unless that is a blank.
std::string VerseWords(std::string_view record);
/// The blanks left out of the chapter and verse in words (0 to 2).
int PadBlanksLeftOut(std::string_view record);

/// The record's kind field from position 7 up to the next TAB, and at most
/// through position 10: "CV", "CO" or the FTV type code. A hand-edited line
/// without a TAB after its code still gives at most four characters.
std::string KindField(std::string_view record);
/// An FTV record whose type code is a quotation code (first letter "Q").
bool IsQuotation(std::string_view record);

/// The material: "M " BCHAP ":" BVER " to M " ECHAP ":" EVER.
std::string MaterialText(const Settings& s);
/// Place `place`'s number right-aligned in `width` when the place is at most
/// AB; as many blanks above AB.
std::string NumberField(int place, int ab, int width);

}  // namespace packets::output

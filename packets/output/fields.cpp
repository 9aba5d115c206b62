#include "packets/output/fields.h"

namespace packets::output {

std::string Positions(std::string_view record, long first, long last) {
  std::string out;
  out.reserve(static_cast<std::size_t>(last >= first ? last - first + 1 : 0));
  for (long pos = first; pos <= last; ++pos) out += RecordAt(record, pos);
  return out;
}

std::string Blanks(long n) {
  return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

std::string RightAlign(std::string_view text, long width) {
  return Blanks(width - static_cast<long>(text.size())) + std::string(text);
}

std::string Num(long n) {
  return std::to_string(n);
}

std::string PrintedReference(const Place& p) {
  return std::string(1, p.book) + " " + Positions(p.all, 1, 5);
}

namespace {
// Two record positions in words: the first only when it is not a blank.
std::string InWords(std::string_view record, long tens) {
  std::string out;
  if (RecordAt(record, tens) != ' ') out += RecordAt(record, tens);
  out += RecordAt(record, tens + 1);
  return out;
}
}  // namespace

std::string ChapterWords(std::string_view record) {
  return InWords(record, 1);
}

std::string VerseWords(std::string_view record) {
  return InWords(record, 4);
}

int PadBlanksLeftOut(std::string_view record) {
  return (RecordAt(record, 1) == ' ' ? 1 : 0) + (RecordAt(record, 4) == ' ' ? 1 : 0);
}

std::string KindField(std::string_view record) {
  std::string out;
  for (long pos = 7; pos <= 10 && RecordAt(record, pos) != kTab; ++pos)
    out += RecordAt(record, pos);
  return out;
}

bool IsQuotation(std::string_view record) {
  return RecordAt(record, 7) == 'Q';
}

std::string MaterialText(const Settings& s) {
  return "M " + Num(s.BCHAP) + ":" + Num(s.BVER) + " to M " + Num(s.ECHAP) + ":" + Num(s.EVER);
}

std::string NumberField(int place, int ab, int width) {
  return place <= ab ? RightAlign(Num(place), width) : Blanks(width);
}

}  // namespace packets::output

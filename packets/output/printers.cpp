#include "packets/output/printers.h"

#include "packets/output/fields.h"

namespace packets::output {

namespace {
inline constexpr int kMostContinuationLines = 15;
}  // namespace

WorkBuffer::WorkBuffer(const Place& p) {
  a_.fill(' ');
  const std::size_t half = static_cast<std::size_t>(LMAX);
  for (std::size_t i = 0; i < p.all.size() && i < half; ++i) a_[i] = p.all[i];
  // Only FTV and SIT records run on past position 254.
  if (p.kind == 'F' || p.kind == 'S') {
    for (std::size_t i = 0; i < p.all2.size() && i < half; ++i) a_[half + i] = p.all2[i];
  }
}

Break ScanForBreak(const WorkBuffer& a, long first, long last, bool question_rule) {
  long blank = 0;
  long pos = first;
  bool after_question = false;
  for (;; ++pos) {
    if (IsBlank(a[pos])) blank = pos;
    if (question_rule && a[pos - 1] == '?') {
      after_question = true;
      break;
    }
    if (pos >= last) break;
  }
  if (blank != 0) return Break{blank - 1, blank, true, after_question};
  return Break{pos, IsBlank(a[pos + 1]) ? pos + 1 : pos, false, after_question};
}

SitSplit SplitSit(const WorkBuffer& a) {
  long quote = 0;
  for (long pos = 7; pos <= 508 && quote == 0; ++pos) {
    if (a[pos] == '"' || a[pos] == '\'') quote = pos;
  }
  if (quote == 0) {
    long end = 508;
    while (end >= 7 && IsBlank(a[end])) --end;
    return SitSplit{end, end + 1};
  }
  // The field separator at position 6 is the break when the quotation mark
  // follows no blank of the text.
  long brk = 6;
  for (long pos = 7; pos < quote; ++pos) {
    if (IsBlank(a[pos])) brk = pos;
  }
  return SitSplit{brk - 1, brk};
}

std::string FirstLineText(const WorkBuffer& a, long first, long last) {
  std::string out;
  out.reserve(static_cast<std::size_t>(last >= first ? last - first + 1 : 0));
  for (long pos = first; pos <= last; ++pos) out += a[pos] == kTab ? ' ' : a[pos];
  return out;
}

int PrintRest(const Printer& printer, const WorkBuffer& a, long mark1, std::string& out) {
  int lines = 0;
  for (int x5 = 1;; ++x5) {
    out += Blanks(printer.indent);
    const Break b = ScanForBreak(a, mark1 + 1, mark1 + printer.window, printer.question_rule);
    const long end = b.at_blank ? b.mark : b.text_end;
    for (long pos = mark1 + 1; pos <= end; ++pos) {
      const char c = a[pos];
      out += c == kTab ? ' ' : c == '^' ? '*' : c;
    }
    out += kCrLf;
    ++lines;
    if (printer.question_rule && b.after_question) {
      out += kCrLf;
      ++lines;
    }
    mark1 = b.mark;
    if (IsBlank(a[mark1 + 1]) || mark1 >= printer.limit || x5 >= kMostContinuationLines) break;
  }
  return lines;
}

}  // namespace packets::output

// The packet as print-ready PDF pages, from the very bytes OPUT appended to
// the packet file, in the layout they were written in:
// - page layout: one PDF page for every page of the packet (a form feed
//   starts the next one), each line at its column in Courier, sized so
//   that the widest line and LPP lines fit inside half-inch margins;
// - card layout: one 5 x 3 inch card (landscape) for every 18 lines;
// - tab layout: every quiz a ruled table (Number, Type, Question, Answer,
//   Verse) on a page of its own, long texts wrapped inside their column,
//   the heading row repeated on a continued page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "packets/output/pdf_writer.h"

namespace packets::output {

enum class Paper { kLetter, kA4 };

/// The pages of the packet `packet`, written with `out` and `lpp`.
std::vector<pdf::Page> PacketPages(std::string_view packet, char out, int lpp, Paper paper);
/// The whole PDF file of the packet.
std::string PacketPdf(std::string_view packet, char out, int lpp, Paper paper);

/// The page layout's pages as lines: split at every form feed and every
/// CR LF; a form feed at the very end starts no page.
std::vector<std::vector<std::string>> PacketPageLines(std::string_view packet);
/// The lines of a text split at CR LF; a final CR LF starts no line.
std::vector<std::string> SplitAtLineEnds(std::string_view text);

/// The largest font size up to `largest` at which `columns` Courier
/// characters fit `width` and `lines` lines fit `height`.
double FitFontSize(int columns, int lines, double width, double height, double largest);

/// `text` broken into lines of at most `width` characters, at its last
/// blank that fits (within a word longer than the width when none does);
/// TABs count as blanks. At least one line, maybe empty.
std::vector<std::string> WrapCell(std::string_view text, int width);

}  // namespace packets::output

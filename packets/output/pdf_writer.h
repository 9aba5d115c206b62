// A small writer of PDF files for printing the packet: pages of lines of
// text in the standard Courier font (Windows encoding, so the question
// files' curly quotes and dashes print as themselves) and straight rules,
// with the objects, the cross-reference table and the trailer written out
// plainly, without compression. The same pages always give the same bytes:
// nothing in the file depends on the clock.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace packets::output::pdf {

/// The width of one Courier character, as a share of the font size.
inline constexpr double kCourierAdvance = 0.6;

/// One line of text, its first character's baseline starting at (x, y).
/// Lengths are in points (1/72 inch) from the page's bottom left corner.
/// Its characters are `size` bytes of its page's `chars` from `begin`.
struct Text {
  double x = 0, y = 0;
  std::size_t begin = 0, size = 0;
};

/// A straight rule from (x1, y1) to (x2, y2).
struct Rule {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Page {
  double width = 612, height = 792;
  double font_size = 12;
  std::string chars;  // the Windows-1252 characters of every line, in turn
  std::vector<Text> texts;
  std::vector<Rule> rules;

  /// Adds a line of text, its characters written as they are.
  void Add(double x, double y, std::string_view bytes) {
    texts.push_back({x, y, chars.size(), bytes.size()});
    chars.append(bytes);
  }
  std::string_view Bytes(const Text& t) const {
    return std::string_view(chars).substr(t.begin, t.size);
  }
};

/// The whole PDF file for `pages`, in order.
std::string PdfBytes(const std::vector<Page>& pages);

/// `bytes` as a PDF literal string, parentheses included: "(", ")" and
/// "\" escaped, characters below 32 and above 126 as three octal digits.
std::string LiteralString(std::string_view bytes);

/// A length in points with at most two decimals, as PDF writes numbers.
std::string Number(double points);

}  // namespace packets::output::pdf

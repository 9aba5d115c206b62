#include "packets/output/pdf_writer.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace packets::output::pdf {

namespace {

// Objects 1 to 3 are the catalog, the page tree and the font; page i
// (from 0) is object 4 + 2i and its content stream the object after it.
constexpr int kCatalog = 1;
constexpr int kPageTree = 2;
constexpr int kFont = 3;
int PageObject(std::size_t i) {
  return 4 + 2 * static_cast<int>(i);
}

void AppendNumber(std::string& out, double points) {
  long hundredths = std::lround(points * 100);
  if (hundredths < 0) {
    out += '-';
    hundredths = -hundredths;
  }
  out += std::to_string(hundredths / 100);
  const long frac = hundredths % 100;
  if (frac != 0) {
    out += '.';
    out += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) out += static_cast<char>('0' + frac % 10);
  }
}

/// The characters a literal string holds as they are.
constexpr std::array<bool, 256> kPlain = [] {
  std::array<bool, 256> plain{};
  for (int c = 32; c <= 126; ++c) plain[static_cast<std::size_t>(c)] = true;
  plain['('] = plain[')'] = plain['\\'] = false;
  return plain;
}();

void AppendLiteral(std::string& out, std::string_view bytes) {
  out += '(';
  std::size_t plain = 0;  // start of the run of characters written as they are
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (kPlain[c]) continue;
    out.append(bytes.substr(plain, i - plain));
    plain = i + 1;
    if (c == '(' || c == ')' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      const char octal[4] = {'\\', static_cast<char>('0' + (c >> 6)),
                             static_cast<char>('0' + ((c >> 3) & 7)),
                             static_cast<char>('0' + (c & 7))};
      out.append(octal, 4);
    }
  }
  out.append(bytes.substr(plain));
  out += ')';
}

/// The content stream of one page: the rules, then every line of text. A
/// line right below the one before it (same start, one leading lower) is
/// shown with the next-line operator, so that most lines cost no
/// coordinates.
std::string Content(const Page& page) {
  std::string c;
  std::size_t text_bytes = 0;
  for (const Text& t : page.texts) text_bytes += t.size + 8;
  c.reserve(64 + 40 * page.rules.size() + text_bytes);
  if (!page.rules.empty()) {
    c += "0.5 w\n";
    for (const Rule& r : page.rules) {
      AppendNumber(c, r.x1);
      c += ' ';
      AppendNumber(c, r.y1);
      c += " m ";
      AppendNumber(c, r.x2);
      c += ' ';
      AppendNumber(c, r.y2);
      c += " l S\n";
    }
  }
  if (page.texts.empty()) return c;
  c += "BT\n/F1 ";
  AppendNumber(c, page.font_size);
  c += " Tf\n";
  // The leading in the file's own precision, so that lines moved by it
  // land where a line placed by its coordinates would.
  const double leading =
      page.texts.size() > 1 ? std::lround((page.texts[0].y - page.texts[1].y) * 100) / 100.0 : 0;
  if (leading > 0) {
    AppendNumber(c, leading);
    c += " TL\n";
  }
  const Text* last = nullptr;
  for (const Text& t : page.texts) {
    if (last && leading > 0 && t.x == last->x && std::abs(last->y - t.y - leading) < 0.005) {
      AppendLiteral(c, page.Bytes(t));
      c += "'\n";
    } else {
      c += "1 0 0 1 ";
      AppendNumber(c, t.x);
      c += ' ';
      AppendNumber(c, t.y);
      c += " Tm ";
      AppendLiteral(c, page.Bytes(t));
      c += " Tj\n";
    }
    last = &t;
  }
  c += "ET\n";
  return c;
}

}  // namespace

std::string Number(double points) {
  std::string s;
  AppendNumber(s, points);
  return s == "-0" ? "0" : s;
}

std::string LiteralString(std::string_view bytes) {
  std::string s;
  AppendLiteral(s, bytes);
  return s;
}

std::string PdfBytes(const std::vector<Page>& pages) {
  const int objects = 3 + 2 * static_cast<int>(pages.size());
  std::vector<std::size_t> offset(static_cast<std::size_t>(objects) + 1, 0);
  // The second line's bytes above 127 mark the file as binary for programs
  // that look.
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::size_t estimate = 1024 + 64 * pages.size();
  for (const Page& p : pages) {
    estimate += p.chars.size() + 8 * p.texts.size();
    estimate += 40 * p.rules.size();
  }
  out.reserve(estimate);
  auto begin = [&](int n) {
    offset[static_cast<std::size_t>(n)] = out.size();
    out += std::to_string(n);
    out += " 0 obj\n";
  };
  auto object = [&](int n, const std::string& body) {
    begin(n);
    out += body;
    out += "\nendobj\n";
  };

  object(kCatalog, "<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    kids += (i ? " " : "") + std::to_string(PageObject(i)) + " 0 R";
  }
  object(kPageTree,
         "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
  object(kFont, "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const Page& p = pages[i];
    const int n = PageObject(i);
    object(n, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(p.width) + " " +
                  Number(p.height) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
                  std::to_string(n + 1) + " 0 R >>");
    const std::string content = Content(p);
    begin(n + 1);
    out += "<< /Length " + std::to_string(content.size()) + " >>\nstream\n";
    out += content;
    out += "\nendstream\nendobj\n";
  }

  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects + 1) + "\n0000000000 65535 f \n";
  for (int n = 1; n <= objects; ++n) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset[static_cast<std::size_t>(n)]);
    out += entry;
  }
  out += "trailer\n<< /Size " + std::to_string(objects + 1) + " /Root 1 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace packets::output::pdf

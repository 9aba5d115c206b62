#include "packets/output/pdf_writer.h"

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

/// The content stream of one page: the rules, then every line of text.
std::string Content(const Page& page) {
  std::string c;
  if (!page.rules.empty()) {
    c += "0.5 w\n";
    for (const Rule& r : page.rules) {
      c += Number(r.x1) + " " + Number(r.y1) + " m " + Number(r.x2) + " " + Number(r.y2) + " l S\n";
    }
  }
  if (!page.texts.empty()) {
    c += "BT\n/F1 " + Number(page.font_size) + " Tf\n";
    for (const Text& t : page.texts) {
      c += "1 0 0 1 " + Number(t.x) + " " + Number(t.y) + " Tm " + LiteralString(t.bytes) + " Tj\n";
    }
    c += "ET\n";
  }
  return c;
}

}  // namespace

std::string Number(double points) {
  long hundredths = std::lround(points * 100);
  std::string s;
  if (hundredths < 0) {
    s = "-";
    hundredths = -hundredths;
  }
  s += std::to_string(hundredths / 100);
  const long frac = hundredths % 100;
  if (frac != 0) {
    s += '.';
    s += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) s += static_cast<char>('0' + frac % 10);
  }
  return s == "-0" ? "0" : s;
}

std::string LiteralString(std::string_view bytes) {
  std::string s = "(";
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '(' || c == ')' || c == '\\') {
      s += '\\';
      s += ch;
    } else if (c < 32 || c > 126) {
      s += '\\';
      s += static_cast<char>('0' + (c >> 6));
      s += static_cast<char>('0' + ((c >> 3) & 7));
      s += static_cast<char>('0' + (c & 7));
    } else {
      s += ch;
    }
  }
  s += ')';
  return s;
}

std::string PdfBytes(const std::vector<Page>& pages) {
  const int objects = 3 + 2 * static_cast<int>(pages.size());
  std::vector<std::size_t> offset(static_cast<std::size_t>(objects) + 1, 0);
  // The second line's bytes above 127 mark the file as binary for programs
  // that look.
  std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  auto object = [&](int n, const std::string& body) {
    offset[static_cast<std::size_t>(n)] = out.size();
    out += std::to_string(n) + " 0 obj\n" + body + "\nendobj\n";
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
    object(n + 1, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                      "\nendstream");
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

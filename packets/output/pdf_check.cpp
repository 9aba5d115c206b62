#include "packets/output/pdf_check.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace packets::output::pdf {

namespace {

std::optional<long> NumberAt(std::string_view s, std::size_t at) {
  long v = 0;
  const char* first = s.data() + at;
  const char* last = s.data() + s.size();
  if (at >= s.size()) return std::nullopt;
  auto [end, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || end == first) return std::nullopt;
  return v;
}

/// The number after `key` in `dict`, when there is one.
std::optional<long> ValueOf(std::string_view dict, std::string_view key) {
  const std::size_t at = dict.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  return NumberAt(dict, at + key.size() + 1);
}

struct Object {
  long number = 0;
  std::string_view body;  // between "N 0 obj\n" and "endobj"
};

/// The objects the cross-reference table points at, or a complaint.
std::string ReadObjects(std::string_view pdf, std::vector<Object>& objects, long& size) {
  const std::size_t sx = pdf.rfind("startxref\n");
  if (sx == std::string_view::npos) return "no startxref";
  const std::optional<long> xref = NumberAt(pdf, sx + 10);
  if (!xref || *xref < 0 || static_cast<std::size_t>(*xref) >= pdf.size()) {
    return "startxref points outside the file";
  }
  std::size_t at = static_cast<std::size_t>(*xref);
  if (pdf.substr(at, 7) != "xref\n0 ") return "startxref does not point at the xref table";
  const std::optional<long> count = NumberAt(pdf, at + 7);
  if (!count || *count < 1) return "the xref table has no entries";
  at = pdf.find('\n', at + 7) + 1;
  if (pdf.substr(at, 20) != "0000000000 65535 f \n") return "xref entry 0 is not the free head";
  for (long n = 1; n < *count; ++n) {
    const std::string_view entry = pdf.substr(at + 20 * static_cast<std::size_t>(n), 20);
    if (entry.size() != 20 || entry.substr(10) != " 00000 n \n") {
      return "xref entry " + std::to_string(n) + " is malformed";
    }
    const std::optional<long> offset = NumberAt(entry, 0);
    const std::string head = std::to_string(n) + " 0 obj\n";
    if (!offset || static_cast<std::size_t>(*offset) >= pdf.size() ||
        pdf.substr(static_cast<std::size_t>(*offset), head.size()) != head) {
      return "xref entry " + std::to_string(n) + " does not point at object " + std::to_string(n);
    }
    const std::size_t body = static_cast<std::size_t>(*offset) + head.size();
    // A stream may hold any bytes, "endobj" among them: its length is
    // followed past it.
    std::size_t end = pdf.find("endobj", body);
    const std::size_t stream = pdf.find(">>\nstream\n", body);
    if (stream < end) {
      const std::optional<long> length = ValueOf(pdf.substr(body, stream - body), "/Length");
      if (!length || *length < 0) return "object " + std::to_string(n) + " has no /Length";
      end =
          pdf.find("endobj", std::min(pdf.size(), stream + 10 + static_cast<std::size_t>(*length)));
    }
    if (end == std::string_view::npos) return "object " + std::to_string(n) + " never ends";
    objects.push_back({n, pdf.substr(body, end - body)});
  }
  const std::size_t trailer = pdf.find("trailer\n", at + 20 * static_cast<std::size_t>(*count));
  if (trailer == std::string_view::npos || trailer > sx) return "no trailer";
  const std::optional<long> trailer_size = ValueOf(pdf.substr(trailer, sx - trailer), "/Size");
  if (trailer_size != count) return "the trailer's /Size is not the xref table's size";
  size = *count;
  return "";
}

/// The stream data of an object, when it has a stream whose length holds.
std::optional<std::string_view> StreamOf(const Object& o, std::string& problem) {
  const std::size_t s = o.body.find(">>\nstream\n");
  if (s == std::string_view::npos) return std::nullopt;
  const std::optional<long> length = ValueOf(o.body.substr(0, s), "/Length");
  const std::size_t data = s + 10;
  if (!length || *length < 0 || data + static_cast<std::size_t>(*length) > o.body.size() ||
      o.body.substr(data + static_cast<std::size_t>(*length), 11) != "\nendstream\n") {
    problem = "the stream of object " + std::to_string(o.number) + " is not /Length long";
    return std::nullopt;
  }
  return o.body.substr(data, static_cast<std::size_t>(*length));
}

/// The literal strings shown by Tj in a content stream, decoded.
std::vector<std::string> ShownStrings(std::string_view content) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < content.size(); ++at) {
    if (content[at] != '(') continue;
    std::string s;
    for (++at; at < content.size() && content[at] != ')'; ++at) {
      if (content[at] != '\\' || at + 1 >= content.size()) {
        s += content[at];
        continue;
      }
      const char e = content[++at];
      if (e >= '0' && e <= '7' && at + 2 < content.size()) {
        s += static_cast<char>((e - '0') * 64 + (content[at + 1] - '0') * 8 +
                               (content[at + 2] - '0'));
        at += 2;
      } else {
        s += e;
      }
    }
    lines.push_back(std::move(s));
  }
  return lines;
}

}  // namespace

std::string CheckStructure(std::string_view pdf) {
  if (!pdf.starts_with("%PDF-1.")) return "no PDF header";
  if (!pdf.ends_with("%%EOF\n")) return "no %%EOF at the end";
  std::vector<Object> objects;
  long size = 0;
  if (std::string problem = ReadObjects(pdf, objects, size); !problem.empty()) return problem;
  long pages = 0;
  std::optional<long> count;
  for (const Object& o : objects) {
    std::string problem;
    StreamOf(o, problem);
    if (!problem.empty()) return problem;
    if (o.body.starts_with("<< /Type /Page ")) ++pages;
    if (o.body.starts_with("<< /Type /Pages ")) count = ValueOf(o.body, "/Count");
  }
  if (count != pages) return "the page tree's /Count is not the number of pages";
  return "";
}

std::vector<std::vector<std::string>> PageTexts(std::string_view pdf) {
  std::vector<Object> objects;
  long size = 0;
  std::vector<std::vector<std::string>> pages;
  if (!ReadObjects(pdf, objects, size).empty()) return pages;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    if (!objects[i].body.starts_with("<< /Type /Page ")) continue;
    const std::optional<long> contents = ValueOf(objects[i].body, "/Contents");
    pages.emplace_back();
    for (const Object& o : objects) {
      if (!contents || o.number != *contents) continue;
      std::string problem;
      if (auto data = StreamOf(o, problem)) pages.back() = ShownStrings(*data);
    }
  }
  return pages;
}

}  // namespace packets::output::pdf

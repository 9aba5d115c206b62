// The packet file in its three layouts and the usage record, on arbitrary
// question records. The input is text: a first line "AB LPP BCHAP BVER
// ECHAP EVER QUIZ" (AB and LPP taken as they stand, as the run check does;
// the material brought into what it accepts), a second line with the style
// name (cut to 14 characters, as it is read), then for each place (at most
// 30) a line "KIND SECTOR NUMBER" and a line holding the question record as
// a data file line holds it (its first 254 characters, and for FTV and SIT
// the next 254). Each quiz is printed in all three layouts. Promises
// checked:
// - the page layout ends with a form feed and its heading line is 78
//   characters; every card of the card layout is a multiple of 18 lines;
//   the tab layout has a line per place between its three heading lines
//   and "<pb>";
// - a quiz's block of the usage record is 33 lines, and no listing line
//   holds a line end;
// - the print-ready PDF of each layout is sound (every cross-reference
//   entry at its object, every stream as long as it says); in the page
//   layout its pages hold exactly the lines between the form feeds, in the
//   card layout exactly 18 lines of the packet each; in the tab layout the
//   quiz has at least one page.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_support.h"
#include "packets/output/layouts.h"
#include "packets/output/output.h"
#include "packets/output/pdf_check.h"
#include "packets/output/pdf_pages.h"

namespace {

using fuzz::Expect;
namespace output = packets::output;

long Lines(const std::string& text) {
  long n = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos;
       at = text.find("\r\n", at + 2)) {
    ++n;
  }
  return n;
}

/// The lines of `text` as a data file's lines are read (CR LF, LF or a
/// lone CR ends a line).
std::vector<std::string> SplitLines(std::string_view text) {
  console::TextReader in{std::string(text), "input"};
  std::vector<std::string> lines;
  while (!in.Eof()) lines.push_back(in.ReadLine());
  return lines;
}

/// The quiz's PDF: sound, and holding the packet's text as it stands.
void CheckPdf(const std::string& bytes, char out, int lpp) {
  const std::string pdf = output::PacketPdf(bytes, out, lpp, output::Paper::kA4);
  const std::string problem = output::pdf::CheckStructure(pdf);
  Expect(problem.empty(), "the PDF is unsound: " + problem);
  const auto pages = output::pdf::PageTexts(pdf);
  if (out == 'P') {
    Expect(pages == output::PacketPageLines(bytes), "the PDF pages are not the packet's pages");
  } else if (out == 'c') {
    const std::vector<std::string> lines = output::SplitAtLineEnds(bytes);
    bool same = pages.size() == (lines.size() + 17) / 18;
    for (std::size_t i = 0; same && i < lines.size(); ++i) {
      same = pages[i / 18].size() > i % 18 && pages[i / 18][i % 18] == lines[i];
    }
    Expect(same, "the PDF cards are not the packet's cards");
  } else {
    Expect(!pages.empty(), "the tab-layout quiz has no PDF page");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = SplitLines(fuzz::AsText(data, size));
  if (lines.size() < 2) return 0;
  output::Settings s;
  const std::vector<long> n = fuzz::SettingNumbers(lines[0], 7);
  auto int16 = [](long v) { return static_cast<int>(std::clamp(v, -32768L, 32767L)); };
  s.AB = int16(n[0]);
  s.LPP = int16(n[1]);
  const fuzz::Material m = fuzz::MaterialFrom(n[2], n[3], n[4], n[5]);
  s.BCHAP = m.BCHAP;
  s.BVER = m.BVER;
  s.ECHAP = m.ECHAP;
  s.EVER = m.EVER;
  output::Quiz quiz;
  quiz.number = fuzz::Wrap(n[6], packets::QQZ);
  s.NAME = lines[1].substr(0, packets::kNameCap);

  for (std::size_t i = 2; i + 1 < lines.size() && quiz.places.size() < packets::SCMAX; i += 2) {
    output::Place p;
    p.kind = lines[i].empty() ? 'n' : lines[i][0];
    const std::vector<long> where = fuzz::SettingNumbers(
        std::string_view(lines[i]).substr(std::min<std::size_t>(1, lines[i].size())), 2);
    p.sector = fuzz::Wrap(where[0], packets::SCMAX);
    p.number = fuzz::Wrap(where[1], 5000);
    const std::string_view record = lines[i + 1];
    p.all = std::string(record.substr(0, packets::LMAX));
    const bool long_kind = p.kind == 'F' || p.kind == 'S';
    p.all2 = long_kind && record.size() > packets::LMAX
                 ? std::string(record.substr(packets::LMAX, packets::LMAX))
                 : std::string(" ");
    quiz.places.push_back(std::move(p));
  }
  if (quiz.places.empty()) return 0;
  const long places = static_cast<long>(quiz.places.size());

  for (const char out : {'P', 'c', 't'}) {
    s.OUT = out;
    const std::string bytes = output::PacketBytes(s, quiz);
    if (out == 'P') {
      Expect(!bytes.empty() && bytes.back() == '\f',
             "a page-layout quiz does not end in a form feed");
      Expect(output::PageHeadingLine(s, quiz.number).size() == 78,
             "the page heading line is not 78 characters");
    } else if (out == 'c') {
      Expect(Lines(bytes) % 18 == 0 && Lines(bytes) >= 18 * (places + 1),
             "a card-layout quiz is not whole cards of 18 lines");
    } else {
      Expect(Lines(bytes) == places + 4 && bytes.ends_with("<pb>\r\n"),
             "a tab-layout quiz is not one line per place between its headings and <pb>");
    }
    CheckPdf(bytes, out, s.LPP);
  }
  const std::string block = output::UsageBlock(quiz);
  Expect(Lines(block) == 33 && block.ends_with("\r\n"), "a usage block is not 33 lines");
  for (int place = 1; place <= places; ++place) {
    const std::string line = output::ListingLine(place, quiz.places[place - 1]);
    Expect(line.find_first_of("\r\n") == std::string::npos, "a listing line holds a line end");
  }
  return 0;
}

// Whole seeded runs on the sample in each layout: NAME.pdf beside the
// packet file passes qpdf's structural check, and the text pdftotext reads
// from it page by page is the packet file's pages (page layout) or cards
// (card layout); the same seed writes the same PDF byte for byte; a PDF
// that cannot be written is said in words and costs neither the packet
// file nor the usage record.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "console/headless.h"
#include "packets/driver/driver.h"
#include "packets/output/pdf_pages.h"
#include "tests/selection/run_fixture.h"

namespace packets::selection_runs {
namespace {

namespace fs = std::filesystem;

/// Runs a shell command; its exit status and what it printed.
std::pair<int, std::string> Shell(const std::string& command) {
  std::string out;
  FILE* p = ::popen((command + " 2>&1").c_str(), "r");
  if (!p) return {-1, "cannot start: " + command};
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int status = ::pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

bool HaveTools() {
  return Shell("command -v qpdf && command -v pdftotext").first == 0;
}

/// A Windows-1252 line as pdftotext writes it: UTF-8, without the blanks
/// at its end.
std::string AsExtracted(const std::string& line) {
  static const char16_t k80[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  for (const char ch : line) {
    const auto c = static_cast<unsigned char>(ch);
    const char32_t u = c < 0x80 ? c : c < 0xA0 ? k80[c - 0x80] : c;
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

/// Pages of lines without what no text extraction can see: the blanks at
/// the end of a line, the empty lines at the top and bottom of a page and
/// the margin (the blanks all lines of a page begin with).
using Pages = std::vector<std::vector<std::string>>;
Pages Trimmed(Pages pages) {
  for (auto& lines : pages) {
    std::size_t margin = std::string::npos;
    for (std::string& l : lines) {
      while (!l.empty() && l.back() == ' ') l.pop_back();
      if (!l.empty()) margin = std::min(margin, l.find_first_not_of(' '));
    }
    for (std::string& l : lines) l.erase(0, std::min(margin, l.size()));
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  }
  return pages;
}

/// The text pdftotext reads from the PDF, on the grid of its characters
/// `pitch` points wide.
Pages Extracted(const fs::path& pdf, double pitch) {
  const fs::path txt = pdf.parent_path() / "extracted.txt";
  const auto [rc, out] = Shell("pdftotext -layout -fixed " + std::to_string(pitch) + " '" +
                               pdf.string() + "' '" + txt.string() + "'");
  EXPECT_EQ(rc, 0) << out;
  std::ifstream in(txt, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Pages pages(1);
  std::string line;
  for (const char c : text) {
    if (c == '\f') {
      pages.emplace_back();
    } else if (c == '\n') {
      pages.back().push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (pages.back().empty()) pages.pop_back();  // after the last page's form feed
  return Trimmed(pages);
}

/// The packet file's pages or cards, as the printed pages should read.
Pages Expected(const std::string& packet, char out) {
  Pages pages;
  if (out == 'P') {
    pages = output::PacketPageLines(packet);
  } else {
    const std::vector<std::string> lines = output::SplitAtLineEnds(packet);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i % 18 == 0) pages.emplace_back();
      pages.back().push_back(lines[i]);
    }
  }
  for (auto& lines : pages) {
    for (std::string& l : lines) l = AsExtracted(l);
  }
  return Trimmed(pages);
}

class PdfRun : public SelectionRun {
 protected:
  /// 12 quizzes of 20 questions over the sample, every kind of question.
  Style SampleStyle(const char* out) {
    Style s;
    s.lines[6] = out;
    s.lines[12] = "12";
    s.Specialties("8 3 3 1 2 0 2 0 2 1");
    return s;
  }
};

TEST_F(PdfRun, EachLayoutPrintsThePacketPageByPage) {
  ASSERT_TRUE(HaveTools()) << "qpdf and pdftotext are needed: run scripts/setup";
  UseSampleData();
  for (const char* out : {"P", "C", "T"}) {
    SCOPED_TRACE(out);
    Go(SampleStyle(out));
    ASSERT_TRUE(dir_.Has("TEAM.pdf"));
    const fs::path pdf = dir_.path() / "TEAM.pdf";
    const auto [rc, report] = Shell("qpdf --check '" + pdf.string() + "'");
    EXPECT_EQ(rc, 0) << report;
    const std::string packet = dir_.Get("TEAM.qui");
    const auto pages = output::PacketPages(packet, *out, 60, output::Paper::kLetter);
    ASSERT_FALSE(pages.empty());
    const Pages extracted = Extracted(pdf, output::pdf::kCourierAdvance * pages[0].font_size);
    if (*out == 'T') {
      // A table of 20 rows fits one page: one page a quiz.
      EXPECT_EQ(extracted.size(), 12u);
      continue;
    }
    const Pages expected = Expected(packet, *out);
    ASSERT_EQ(extracted.size(), expected.size());
    for (std::size_t p = 0; p < expected.size(); ++p) {
      EXPECT_EQ(extracted[p], expected[p]) << "page " << p + 1;
    }
  }
}

// The same seed writes the same PDF; a PDF that cannot take its place (a
// folder of its name stands there) is said in words on the closing screen,
// and the packet file and the usage record are those of the sound run.
TEST_F(PdfRun, ReproducibleAndAFailedPdfCostsNothingElse) {
  UseSampleData();
  Go(SampleStyle("P"));
  const std::string pdf = dir_.Get("TEAM.pdf"), packet = dir_.Get("TEAM.qui"),
                    usage = dir_.Get("TEAM.inf");
  Go(SampleStyle("P"));
  EXPECT_TRUE(dir_.Get("TEAM.pdf") == pdf);

  fs::remove(dir_.path() / "TEAM.pdf");
  fs::create_directory(dir_.path() / "TEAM.pdf");
  std::string closing;
  con_->on_read = [&] {
    if (con_->Text().find("Thank you for using") != std::string::npos) closing = con_->Text();
  };
  Go(SampleStyle("P"));
  EXPECT_NE(closing.find("TEAM.pdf could not be written: the file there could not be replaced"),
            std::string::npos)
      << closing;
  EXPECT_NE(closing.find("(TEAM.qui and TEAM.inf are complete)"), std::string::npos);
  EXPECT_TRUE(dir_.Get("TEAM.qui") == packet);
  EXPECT_TRUE(dir_.Get("TEAM.inf") == usage);
  for (const auto& entry : fs::directory_iterator(dir_.path())) {
    EXPECT_FALSE(entry.path().filename().string().starts_with("TEAM.pdf.tmp")) << "left behind";
  }

  // Esc at the first quiz's approval: an empty packet, and no PDF of an
  // earlier run left to disagree with it.
  fs::remove(dir_.path() / "TEAM.pdf");
  dir_.Put("TEAM.pdf", pdf);
  con_->approve_each_quiz = true;
  con_->approval = [](int) { return std::string("\x1b"); };
  con_->on_read = [&] {
    if (con_->Text().find("Thank you for using") != std::string::npos) closing = con_->Text();
  };
  Go(SampleStyle("P"));
  EXPECT_EQ(dir_.Get("TEAM.qui"), "");
  EXPECT_FALSE(dir_.Has("TEAM.pdf"));
  EXPECT_NE(closing.find("TEAM.pdf could not be written: the packet holds no quiz"),
            std::string::npos)
      << closing;

  // Without a terminal: said on standard error, left out of the files
  // written, and the run still complete.
  fs::create_directory(dir_.path() / "TEAM.pdf");
  console::HeadlessConsole headless;
  console::FixedClock clock(5);
  console::Random rng(clock);
  console::WorkDir work(dir_.path());
  auto st = std::make_unique<RunState>();
  packets::Run run{*st, headless, rng, work};
  std::ostringstream out, err;
  EXPECT_EQ(driver::RunStyle(
                run, "Team", [](const std::string&) { return std::nullopt; }, out, err),
            0);
  EXPECT_NE(err.str().find("TEAM.pdf could not be written"), std::string::npos) << err.str();
  EXPECT_TRUE(out.str().starts_with("TEAM.qui\nTEAM.inf\npat.txt\n")) << out.str();
  EXPECT_TRUE(dir_.Get("TEAM.qui") == packet);
}

}  // namespace
}  // namespace packets::selection_runs

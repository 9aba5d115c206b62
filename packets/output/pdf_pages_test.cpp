#include "packets/output/pdf_pages.h"

#include <gtest/gtest.h>

#include <random>

#include "packets/output/output.h"
#include "packets/output/pdf_check.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

/// Quizzes of every kind of question, boundary records among them, as a
/// run appends them one after another.
std::string Packet(const Settings& s, int quizzes) {
  std::string words;
  while (words.size() < 502) words += "ab cd? \x93quoted\x94 \x97 ";
  const std::string records[] = {kCvRecord,
                                 kCoRecord,
                                 kFtvRecord,
                                 kQuoRecord,
                                 kSitRecord,
                                 " 5: 3\tWho are blessed? The poor in spirit.",
                                 " 1: 1\t" + words.substr(0, 502),
                                 " 1: 1\t" + std::string(248, 'x'),
                                 " 1: 1\tcontrol \x01\x0c\x1f and \x80\xff bytes?"};
  const char kinds[] = {'R', 'O', 'F', 'F', 'S', 'n', 'S', 'n', 'n'};
  std::string packet;
  for (int q = 1; q <= quizzes; ++q) {
    Quiz quiz{q, {}};
    for (int x = 0; x < 20; ++x) {
      const std::size_t i = static_cast<std::size_t>(x + q) % std::size(records);
      quiz.places.push_back(MakePlace(kinds[i], records[i]));
    }
    packet += PacketBytes(s, quiz);
  }
  return packet;
}

/// The packet's pages as lines, split independently of the renderer.
std::vector<std::vector<std::string>> Expected(const std::string& packet, char out) {
  std::vector<std::vector<std::string>> pages(1);
  std::string line;
  for (std::size_t i = 0; i < packet.size(); ++i) {
    if (out == 'P' && packet[i] == '\f') {
      if (!line.empty()) pages.back().push_back(line);
      line.clear();
      if (i + 1 < packet.size()) pages.emplace_back();
    } else if (packet.compare(i, 2, "\r\n") == 0) {
      if (out == 'C' && pages.back().size() == 18) pages.emplace_back();
      pages.back().push_back(line);
      line.clear();
      ++i;
    } else {
      line += packet[i];
    }
  }
  if (packet.empty()) pages.clear();
  return pages;
}

// Page and card layout: every page of the packet is a PDF page holding
// exactly its lines, control characters and bytes above 127 included, in a
// font that keeps the widest line and every line inside the margins.
TEST(PdfPages, PagesAndCardsHoldExactlyThePacketsLines) {
  for (const char out : {'P', 'C'}) {
    for (const int lpp : {20, 40, 60}) {
      for (const Paper paper : {Paper::kLetter, Paper::kA4}) {
        SCOPED_TRACE(std::string(1, out) + " LPP " + std::to_string(lpp));
        const std::string packet = Packet(Standard(out, 16, lpp), 3);
        const std::string pdf = PacketPdf(packet, out, lpp, paper);
        ASSERT_EQ(pdf::CheckStructure(pdf), "");
        EXPECT_EQ(pdf::PageTexts(pdf), Expected(packet, out));
        const double margin = out == 'P' ? 36 : 18;
        for (const pdf::Page& page : PacketPages(packet, out, lpp, paper)) {
          if (out == 'C') {
            EXPECT_EQ(page.width, 360);
            EXPECT_EQ(page.height, 216);
          } else {
            EXPECT_EQ(page.width, paper == Paper::kA4 ? 595.28 : 612);
          }
          for (const pdf::Text& t : page.texts) {
            EXPECT_GE(t.x, margin);
            EXPECT_LE(t.x + t.size * pdf::kCourierAdvance * page.font_size,
                      page.width - margin + 0.01);
            EXPECT_GE(t.y - 0.25 * page.font_size, margin);
            EXPECT_LE(t.y + 0.75 * page.font_size, page.height - margin + 0.01);
          }
        }
      }
    }
  }
  EXPECT_TRUE(PacketPages("", 'P', 60, Paper::kLetter).empty());
}

// Tab layout: a page (or more) for every quiz, every word of every cell on
// it, and the heading row again on a continued page.
TEST(PdfPages, TabTablesHoldEveryWordAndRepeatTheirHeadingRow) {
  const std::string packet = Packet(Standard('T', 16), 4);
  const std::string pdf = PacketPdf(packet, 'T', 60, Paper::kLetter);
  ASSERT_EQ(pdf::CheckStructure(pdf), "");
  const auto pages = pdf::PageTexts(pdf);
  std::size_t quizzes = 0, at = 0;
  for (; (at = packet.find("<pb>", at)) != std::string::npos; ++at) ++quizzes;
  EXPECT_GT(pages.size(), quizzes);  // the long records continue a table
  std::string printed;
  for (const auto& lines : pages) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Question"), lines.end());
    for (const std::string& l : lines) printed += l;
  }
  // A word longer than its column is split across lines.
  std::erase(printed, ' ');
  std::string word;
  for (char c : packet + " ") {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (!word.empty() && word != "<pb>") {
        EXPECT_NE(printed.find(word), std::string::npos) << word;
      }
      word.clear();
    } else {
      word += c;
    }
  }
}

// A cell's lines fit its width and keep every character but the blanks
// they break at.
TEST(PdfPages, WrapCellKeepsEveryCharacterWithinTheWidth) {
  std::mt19937 gen(7);
  for (int trial = 0; trial < 300; ++trial) {
    std::string text;
    const std::size_t n = gen() % 300;
    for (std::size_t i = 0; i < n; ++i) text += "ab \t?x"[gen() % 6];
    const int width = 1 + static_cast<int>(gen() % 40);
    std::string joined, original;
    for (const std::string& line : WrapCell(text, width)) {
      EXPECT_LE(line.size(), static_cast<std::size_t>(width));
      joined += line;
    }
    for (char c : text) {
      if (c != ' ' && c != '\t') original += c;
    }
    std::erase(joined, ' ');
    EXPECT_EQ(joined, original) << text;
  }
}

}  // namespace
}  // namespace packets::output

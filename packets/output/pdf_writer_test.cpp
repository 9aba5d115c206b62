#include "packets/output/pdf_writer.h"

#include <gtest/gtest.h>

#include <random>

#include "packets/output/pdf_check.h"

namespace packets::output::pdf {
namespace {

// Any bytes a question file can hold, the string delimiters and words of
// the file's own syntax among them, come back from the file as they went
// in, and the file's structure holds for any number of pages.
TEST(PdfWriter, AnyTextComesBackAndTheStructureHolds) {
  std::mt19937 gen(23);
  const std::string tricky[] = {"", "(", ")", "\\", "endobj", ">>\nstream\n", "endstream", "%%EOF"};
  for (int pages = 0; pages <= 6; ++pages) {
    std::vector<Page> doc(static_cast<std::size_t>(pages));
    std::vector<std::vector<std::string>> want;
    for (Page& p : doc) {
      want.emplace_back();
      for (int line = 0; line < 20; ++line) {
        std::string text = tricky[gen() % std::size(tricky)];
        const std::size_t n = gen() % 90;
        for (std::size_t i = 0; i < n; ++i) text += static_cast<char>(gen() % 256);
        p.Add(36, 700.0 - 12 * line, text);
        want.back().push_back(text);
      }
      if (gen() % 2) p.rules.push_back({36, 40, 576, 40.5});
    }
    const std::string bytes = PdfBytes(doc);
    EXPECT_EQ(CheckStructure(bytes), "") << pages << " pages";
    EXPECT_EQ(PageTexts(bytes), want) << pages << " pages";
    EXPECT_EQ(bytes.find("Date"), std::string::npos);  // nothing from the clock
  }
}

// The checker itself sees a wrong offset and a wrong stream length.
TEST(PdfWriter, TheCheckerFindsBrokenOffsetsAndLengths) {
  Page page;
  page.Add(36, 700, "Quiz 1");
  const std::string good = PdfBytes({page});
  ASSERT_EQ(CheckStructure(good), "");
  std::string shifted = good;
  shifted.insert(shifted.find("2 0 obj"), " ");
  EXPECT_NE(CheckStructure(shifted), "");
  std::string longer = good;
  longer.insert(longer.find("Tj") + 2, " ");
  EXPECT_NE(CheckStructure(longer), "");
  EXPECT_NE(CheckStructure(good.substr(0, good.size() - 2)), "");
}

TEST(PdfWriter, NumbersAndStrings) {
  const std::pair<double, const char*> numbers[] = {
      {0, "0"}, {12, "12"}, {12.5, "12.5"}, {595.28, "595.28"}, {-0.001, "0"}, {-3.25, "-3.25"}};
  for (const auto& [v, text] : numbers) EXPECT_EQ(Number(v), text) << v;
  EXPECT_EQ(LiteralString("a(b)c\\\t\x93\xff"), "(a\\(b\\)c\\\\\\011\\223\\377)");
}

}  // namespace
}  // namespace packets::output::pdf

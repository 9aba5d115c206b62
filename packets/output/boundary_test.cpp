// Records at the edges of what a question file can hold, in every layout and
// in the usage record. Run under the sanitizers, these show that no scan
// reads outside a buffer.
#include <gtest/gtest.h>

#include "packets/output/golden_bytes.h"
#include "packets/output/output.h"
#include "packets/output/test_quiz.h"

namespace packets::output {
namespace {

using namespace testing;

std::vector<std::string> BoundaryRecords() {
  std::string words;
  while (words.size() < 508) words += "ab cd? ";
  words.resize(508);
  return {
      "",
      std::string(254, ' '),
      std::string(254, 'x'),
      std::string(508, 'x'),
      " 1: 1\t" + std::string(502, '\xff'),
      " 1: 1\t" + words.substr(6),
      " 1: 1 no tab at all in this record and no quotation mark either",
      " 1: 1\t?\"?\"?\"?\"?'?'",
      std::string(254, '\t'),
      std::string(254, '?'),
      std::string(254, '^'),
      std::string(254, '"'),
      "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a",
  };
}

// Lines ending in CR LF only, continuation lines within their windows.
void CheckLines(char out, const std::string& bytes, const std::string& what) {
  std::vector<std::string> lines = Lines(bytes);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << what;
    if (out == 'P' && line.starts_with(std::string(15, ' '))) {
      EXPECT_LE(line.size(), 70u) << what;
    }
    if (out == 'C' && line.starts_with(std::string(8, ' '))) {
      EXPECT_LE(line.size(), 45u) << what;
    }
  }
}

TEST(BoundaryRecords, EveryLayoutAndTheUsageRecordStayWithinTheirBuffers) {
  const std::vector<std::string> records = BoundaryRecords();
  for (char kind : std::string("nROFS")) {
    Quiz quiz{7, {}};
    for (const std::string& record : records) quiz.places.push_back(MakePlace(kind, record));
    for (char out : std::string("PCT")) {
      // One record a quiz, so that no 30-place limit applies.
      for (const Place& p : quiz.places) {
        const std::string what = std::string("kind ") + kind + " layout " + out + " record \"" +
                                 p.all.substr(0, 20) + "\"";
        const std::string bytes = PacketBytes(Standard(out, 30), Quiz{7, {p}});
        CheckLines(out, bytes, what);
      }
    }
    for (std::size_t i = 0; i < quiz.places.size(); ++i) {
      const std::string line = ListingLine(static_cast<int>(i + 1), quiz.places[i]);
      EXPECT_GE(line.size(), 30u);
      EXPECT_LE(line.size(), 73u);  // the question column holds at most 43
    }
  }
}

// Every character of a regular question's text reaches the card and the
// page, in order, however long its words and wherever its question marks
// stand (a word longer than a window is split across lines).
TEST(BoundaryRecords, LongWordsAndQuestionMarksLoseNoText) {
  const std::string texts[] = {
      std::string(60, 'a') + " b " + std::string(100, 'c') + "? answer",
      "Who" + std::string(70, 'd') + "? " + std::string(40, 'e'),
      "Jesus asked, \"Who do you say I am?\" Peter answered, \"You are the Christ.\"",
      std::string(248, 'f'),
  };
  auto letters = [](std::string text) {
    std::erase(text, ' ');
    return text;
  };
  for (const std::string& text : texts) {
    const Quiz quiz{1, {MakePlace('n', " 1: 1\t" + text)}};
    // Card: the question line from column 9, then the continuation lines.
    std::vector<std::string> card = Lines(PacketBytes(Standard('C'), quiz));
    std::string printed = card.at(18 + 5).substr(8);
    for (std::size_t i = 18 + 6; i < card.size(); ++i) printed += " " + card[i];
    EXPECT_EQ(letters(printed), letters(text)) << "card: " << text;
    // Page: the first line from column 11 to 70, then the continuation lines.
    std::vector<std::string> page = Lines(PacketBytes(Standard('P'), quiz));
    printed = page.at(6).substr(10, 60);
    for (std::size_t i = 7; i < page.size() && page[i].starts_with(std::string(15, ' ')); ++i) {
      printed += " " + page[i];
    }
    EXPECT_EQ(letters(printed), letters(text)) << "page: " << text;
  }
}

}  // namespace
}  // namespace packets::output

#include "databuild/routing.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace databuild {
namespace {

using Names = std::set<std::string>;

// The routing of one FTV line as the installation rules state it, pool by
// pool, written independently of the table in routing.h.
Names OwnRecordPools(char cls, char rank, std::string_view code) {
  const bool quote = code[0] == 'Q';
  Names all57to90 = {"Ftv.57", "Ftv.58", "Ftv.59", "Ftv.60", "Ftv.68", "Ftv.69", "Ftv.70",
                     "Ftv.78", "Ftv.79", "Ftv.80", "Ftv.88", "Ftv.89", "Ftv.90"};
  Names out;
  if (cls == 'p') {
    for (const FtvPool& p : kFtvPools) out.insert(std::string(p.name));
    if (quote) out.erase("Ftv.57"), out.erase("Ftv.97");
    if (rank == 'q') {
      for (const char* n : {"Ftv.58", "Ftv.68", "Ftv.78", "Ftv.88", "Ftv.98"}) out.erase(n);
    }
    return out;
  }
  if (cls != 'n') return out;
  switch (rank) {
    case '9':
      out = all57to90;
      break;
    case '8':
      out = {"Ftv.57", "Ftv.58", "Ftv.59", "Ftv.60", "Ftv.68",
             "Ftv.69", "Ftv.70", "Ftv.78", "Ftv.79", "Ftv.80"};
      break;
    case '7':
      out = {"Ftv.57", "Ftv.58", "Ftv.59", "Ftv.60", "Ftv.68", "Ftv.69", "Ftv.70"};
      break;
    case '6':
      out = {"Ftv.57", "Ftv.58", "Ftv.59", "Ftv.60"};
      break;
    default:
      break;
  }
  if (quote) out.erase("Ftv.57");
  return out;
}

Names VariantPools(char cls, char rank, std::string_view code) {
  Names out;
  if (code[2] != 'V') return out;
  out.insert("Ftv.60");
  const bool n = cls == 'n';
  if (cls == 'p' || (n && (rank == '9' || rank == '8' || rank == '7'))) out.insert("Ftv.70");
  if (cls == 'p' || (n && (rank == '9' || rank == '8'))) out.insert("Ftv.80");
  if (cls == 'p' || (n && rank == '9')) out.insert("Ftv.90");
  if (cls == 'p') out.insert("Ftv.00");
  if (rank == 'q') {
    for (const char* f : {"Ftv.58", "Ftv.59", "Ftv.68", "Ftv.69", "Ftv.78", "Ftv.79", "Ftv.88",
                          "Ftv.89", "Ftv.98", "Ftv.99"}) {
      out.insert(f);
    }
  }
  return out;
}

FtvLine Line(char cls, char rank, std::string_view code) {
  return FtvLine{" 1: 1", code, cls, rank, "text"};
}

TEST(FtvRouting, TheTableAgreesWithTheRulesForEveryClassRankAndCode) {
  for (char cls : std::string("pnz")) {
    for (char rank : std::string("xq6789")) {
      for (std::string_view code : {"FTV ", "FTVR", "FTS ", "QUO ", "QTV "}) {
        Names own, variants;
        for (const FtvPool& pool : kFtvPools) {
          FtvRoute r = Route(pool, Line(cls, rank, code));
          if (r.own) own.insert(std::string(pool.name));
          if (r.variants) variants.insert(std::string(pool.name));
        }
        SCOPED_TRACE(std::string(1, cls) + " " + rank + " \"" + std::string(code) + "\"");
        EXPECT_EQ(own, OwnRecordPools(cls, rank, code));
        EXPECT_EQ(variants, VariantPools(cls, rank, code));
      }
    }
  }
}

TEST(Records, LimitedChaptersAreOneToFiveAndTwentySixToTwentyEight) {
  for (const char* in : {" 1: 1\tx", " 5:48 y", "26:75", "27: 1", "28:20"}) {
    EXPECT_TRUE(IsLimitedChapter(in)) << in;
  }
  for (const char* out : {" 6: 1\tx", "25:46", "10: 1", "15: 1", "", " "}) {
    EXPECT_FALSE(IsLimitedChapter(out)) << out;
  }
  // Every pair of first two bytes: exactly the eight chapters go in.
  const std::set<std::string> limited{" 1", " 2", " 3", " 4", " 5", "26", "27", "28"};
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string start{static_cast<char>(a), static_cast<char>(b)};
      EXPECT_EQ(IsLimitedChapter(start + ":"), limited.count(start) == 1) << a << " " << b;
    }
  }
  EXPECT_EQ(LimitedName("Sit.txt"), "LLSit.txt");
}

}  // namespace
}  // namespace databuild

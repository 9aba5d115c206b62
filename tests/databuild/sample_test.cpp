// The shipped sample database: it is what the generator makes, and the
// data builder installs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "databuild/database.h"
#include "databuild/question_line.h"
#include "run_fixture.h"
#include "tools/make_sample/sample_db.h"

namespace databuild {
namespace {

std::string SourceFile(const std::string& relative) {
  const char* root = std::getenv("MATQUIZ_SOURCE_DIR");
  std::ifstream in(std::string(root ? root : ".") + "/" + relative, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Sample, CommittedDatabaseIsTheGeneratorsOutput) {
  const std::string committed = SourceFile("data/sample/Mat.dsk");
  ASSERT_FALSE(committed.empty()) << "data/sample/Mat.dsk is missing";
  // Compare without printing a megabyte on failure.
  EXPECT_TRUE(committed == sample::MakeSampleDatabase())
      << "run make_sample to regenerate data/sample/Mat.dsk";
}

TEST(Sample, VerseCountsAreThoseOfTheVerseTable) {
  Database table = Database::FromText(SourceFile("data/VERSES.TXT"));
  ASSERT_EQ(table.LineCount(), 28);
  for (int c = 1; c <= 28; ++c) {
    EXPECT_EQ(std::atoi(std::string(table.Line(c)).c_str()), sample::kVersesPerChapter[c - 1]);
  }
}

TEST(Sample, HoldsEveryKindOfLine) {
  Database db = Database::FromText(sample::MakeSampleDatabase());
  SectionWalker w(db);
  std::vector<std::string> section[4];
  for (auto& lines : section) {
    while (w.Next() == SectionWalker::Step::kQuestion) lines.emplace_back(w.Line());
  }
  EXPECT_EQ(section[0].size(), 6000u);
  EXPECT_EQ(section[1].size(), 1500u);
  EXPECT_EQ(section[2].size(), 1500u);
  EXPECT_EQ(section[3].size(), 400u);
  std::set<std::string> kinds;
  for (const std::string& l : section[0]) {
    auto q = ParseRegular(l);
    ASSERT_TRUE(q) << l;
    kinds.insert(std::string("set ") + q->set);
    if (q->text.find('\t') != std::string_view::npos) kinds.insert("regular with TAB");
    if (q->text.find("? ") != std::string_view::npos) kinds.insert("question mark");
  }
  for (const std::string& l : section[1]) {
    auto q = ParseReference(l);
    ASSERT_TRUE(q) << l;
    kinds.insert(q->IsCv() && q->IsCo() ? "CV and CO" : q->IsCv() ? "CV" : "CO");
  }
  for (const std::string& l : section[2]) {
    auto q = ParseFtv(l, FtvReading::kSecond);
    ASSERT_TRUE(q) << l;
    kinds.insert(std::string(1, q->cls) + q->rank);
    kinds.insert("code " + std::string(q->code));
    if (q->text.size() > 254) kinds.insert("long FTV");
  }
  for (const std::string& l : section[3]) {
    auto q = ParseSituation(l);
    ASSERT_TRUE(q) << l;
    const std::size_t quote = q->text.find_first_of("\"'");
    ASSERT_NE(quote, std::string_view::npos) << l;
    EXPECT_NE(q->text.find('*', quote), std::string_view::npos) << l;
    kinds.insert(std::string("quotation ") + q->text[quote]);
    if (q->text.size() > 254) kinds.insert("long situation");
  }
  for (const char* k : {"set a", "set b", "set c", "regular with TAB", "question mark", "CV", "CO",
                        "CV and CO", "code FTV ", "code FTVR", "code FTS ", "code QUO ",
                        "code QTV ", "quotation \"", "quotation '", "long situation"}) {
    EXPECT_TRUE(kinds.count(k)) << k;
  }
  for (char cls : std::string("pn")) {
    for (char rank : std::string("xq6789")) {
      EXPECT_TRUE(kinds.count(std::string(1, cls) + rank)) << cls << rank;
    }
  }
}

TEST_F(BuildRun, SampleDatabaseInstalls) {
  ASSERT_EQ(Run(sample::MakeSampleDatabase(), "\r"), Outcome::kInstalled);
  ASSERT_TRUE(Con().first_wait);
  // The regular counters of the screen: all 6000 lines in "Mat.c".
  EXPECT_EQ(Con().first_wait->substr(7 * 81 + 12, 4), "6000");
  for (const std::string& name : AllDataFiles()) {
    EXPECT_NE(Get(name).rfind("<missing", 0), 0u) << name;
  }
}

}  // namespace
}  // namespace databuild

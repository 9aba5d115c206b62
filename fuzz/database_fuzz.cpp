// The question database "Mat.dsk" through the whole of the data builder:
// reading, every check of every section, the routing into the data files,
// the limited-chapter copies and the installing; and through
// `databuild --check` and `databuild --stats`, which must agree with it.
// Promises checked:
// - the check finds no problem exactly when the builder installs; a line
//   the builder stops at is among the lines the check lists, and a
//   database the builder finds ended early is one the check says ends
//   before a separator line;
// - a database that is not accepted leaves the working directory as it
//   was (only "Mat.dsk" in it);
// - an accepted one installs every data file and its limited-chapter copy
//   and nothing else; every record begins with a reference of chapter 1 to
//   28 and verse 1 to 80 that the question index reads back as the same
//   chapter and verse, records are in verse order within each file, and
//   each limited-chapter copy holds exactly the records of its file on
//   chapters 1 to 5 and 26 to 28;
// - the warnings of `--check` never change its verdict, and each names a
//   line of the database; `--stats` shows the same verdict, in rows of 80
//   columns at most, and counts every question line the check accepts.
#include <algorithm>
#include <sstream>
#include <string>
#include <variant>

#include "console/virtual_screen.h"
#include "databuild/build_screen.h"
#include "databuild/builder.h"
#include "databuild/check.h"
#include "databuild/database.h"
#include "databuild/findings.h"
#include "databuild/question_line.h"
#include "databuild/routing.h"
#include "databuild/stats.h"
#include "fuzz/fuzz_support.h"
#include "packets/material/question_index.h"

namespace {

using fuzz::Expect;

const std::string kDatabase = "Mat.dsk";

std::vector<std::string> Lines(const std::string& name) {
  console::TextReader in = fuzz::Scratch::Get().Dir().OpenRead(name);
  std::vector<std::string> lines;
  while (!in.Eof()) lines.push_back(in.ReadLine());
  return lines;
}

void CheckDataFile(const std::string& name) {
  const std::vector<std::string> records = Lines(name);
  std::string last = "     ";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string& r = records[i];
    const std::string where = name + " record " + std::to_string(i + 1);
    Expect(r.size() >= 5 && databuild::IsCanonicalReference(std::string_view(r).substr(0, 5)),
           where + " does not begin with a reference");
    Expect(r.substr(0, 5) >= last, where + " is out of verse order");
    last = r.substr(0, 5);
    const auto ref = packets::material::ReadReference(r, name, static_cast<int>(i + 1));
    const auto* verse = std::get_if<packets::material::VerseRef>(&ref);
    Expect(verse != nullptr, where + " is refused by the question index");
    const int chapter = (r[0] == ' ' ? 0 : r[0] - '0') * 10 + (r[1] - '0');
    const int v = (r[3] == ' ' ? 0 : r[3] - '0') * 10 + (r[4] - '0');
    Expect(verse->chapter == chapter && verse->verse == v,
           where + " is read by the question index as another verse");
  }
  std::vector<std::string> limited;
  for (const std::string& r : records) {
    if (databuild::IsLimitedChapter(r)) limited.push_back(r);
  }
  Expect(Lines(databuild::LimitedName(name)) == limited,
         "the limited-chapter copy of " + name + " is not its records on the limited chapters");
}

std::vector<std::string> DataFileNames() {
  std::vector<std::string> names;
  for (const auto& f : databuild::kRegularFiles) names.emplace_back(f.name);
  for (const auto& f : databuild::kReferenceFiles) names.emplace_back(f.name);
  for (const auto& f : databuild::kFtvPools) names.emplace_back(f.name);
  names.emplace_back(databuild::kSituationFile);
  return names;
}

/// `databuild --check` on the same database agrees with the builder's
/// outcome.
void CheckAgrees(databuild::Outcome outcome, const console::VirtualConsole& con) {
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  std::ostringstream listing, stats, err;
  const databuild::CommandSettings settings{scratch.Path(), "", false};
  const int code = databuild::CheckCommand(kDatabase, listing, err, settings);
  Expect((code == 0) == (outcome == databuild::Outcome::kInstalled),
         "databuild --check and the builder disagree on whether the database is sound");
  const int stats_code = databuild::StatsCommand(kDatabase, stats, err, settings);
  Expect(stats_code == code, "databuild --stats and --check disagree on the database");
  Expect(err.str().empty(), "the database was not found: " + err.str());
  for (std::size_t at = 0; at < stats.str().size();) {
    const std::size_t end = stats.str().find('\n', at);
    Expect(end - at <= 80, "a row of --stats is wider than 80 columns");
    at = end + 1;
  }
  const databuild::Database db = databuild::Database::Load(scratch.Dir());
  const databuild::CheckedDatabase checked = databuild::CheckLines(db);
  databuild::VerseTable verses;
  verses.last.fill(40);  // half the verse slots are past their chapter's end
  verses.source = "a verse table of 40 verses a chapter";
  int last = 0;
  for (const databuild::Problem& p : databuild::FindWarnings(checked.good, &verses)) {
    Expect(p.line >= 1 && p.line <= db.LineCount(), "a warning names no line of the database");
    Expect(p.line >= last, "the warnings are not in line order");
    last = p.line;
  }
  const databuild::Coverage coverage = databuild::CountCoverage(checked.good);
  std::size_t counted = 0;
  for (const auto& row : coverage.count) {
    for (int n : row) counted += static_cast<std::size_t>(n);
  }
  std::size_t lines = 0;
  for (const databuild::QuestionLine& q : checked.good) {
    lines += q.section == databuild::Section::kReference && q.line[9] == 'V' && q.line[12] == 'O'
                 ? 2
                 : 1;
  }
  Expect(counted == lines, "--stats does not count every question line the check accepts");
  if (outcome == databuild::Outcome::kInstalled) return;
  const std::vector<databuild::Problem> problems =
      databuild::CheckDatabase(databuild::Database::Load(scratch.Dir()));
  if (outcome == databuild::Outcome::kEndedEarly) {
    Expect(!problems.empty() && problems.back().message.starts_with("the file ends before"),
           "the builder found the database ended early, the check did not");
    return;
  }
  // The builder names its line on row 2 of the screen.
  const std::string row = con.Text(1, 2, console::kCols);
  const bool listed = std::any_of(problems.begin(), problems.end(), [&](const auto& p) {
    return row.find(databuild::FormattingErrorText(p.line)) != std::string::npos;
  });
  Expect(listed, "the line the builder stopped at is not among the check's problems: " + row);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Scratch& scratch = fuzz::Scratch::Get();
  scratch.Clear();
  scratch.Put(kDatabase, fuzz::AsText(data, size));
  console::VirtualConsole con;
  con.Keys("\r\r\r");
  const databuild::Outcome outcome = databuild::BuildDataFiles(con, scratch.Dir());

  std::vector<std::string> expected{kDatabase};
  if (outcome == databuild::Outcome::kInstalled) {
    for (const std::string& name : DataFileNames()) {
      expected.push_back(name);
      expected.push_back(databuild::LimitedName(name));
    }
  }
  std::sort(expected.begin(), expected.end());
  CheckAgrees(outcome, con);
  Expect(scratch.Names() == expected,
         outcome == databuild::Outcome::kInstalled
             ? "an installed database left other files than the data files"
             : "a refused database left files behind");
  if (outcome == databuild::Outcome::kInstalled) {
    for (const std::string& name : DataFileNames()) CheckDataFile(name);
  }
  return 0;
}

#include "databuild/check.h"

#include <filesystem>
#include <ostream>

#include "databuild/findings.h"
#include "databuild/question_line.h"
#include "databuild/verse_table.h"

namespace databuild {

namespace {

constexpr Section kSections[] = {Section::kRegular, Section::kReference, Section::kFtv,
                                 Section::kSituation};

class Checker {
 public:
  explicit Checker(const Database& db) : db_(db), walker_(db) {}

  CheckedDatabase Run() {
    for (Section section : kSections) {
      if (!CheckSection(section)) break;
    }
    return {std::move(problems_), std::move(good_)};
  }

 private:
  /// Checks the lines of one section up to its separator line. False when
  /// the file ended first.
  bool CheckSection(Section section) {
    ReferenceOrder order;
    int order_line = 0;  // the line that set the reference `order` holds
    bool first = true;
    for (;;) {
      switch (walker_.Next()) {
        case SectionWalker::Step::kSeparator:
          return true;
        case SectionWalker::Step::kEnd:
          problems_.push_back({db_.LineCount() > 0 ? db_.LineCount() : 1,
                               "the file ends before the separator line of the " +
                                   std::string(SectionName(section)) +
                                   " section; the database needs four sections, each ended by a "
                                   "line beginning with \"=\""});
          return false;
        case SectionWalker::Step::kQuestion:
          break;
      }
      const std::string_view line = walker_.Line();
      const int number = walker_.LineNumber();
      const LineFaults faults = FaultsOf(section, line);
      for (int f = 0; f < kLineFaultCount; ++f) {
        const auto fault = static_cast<LineFault>(f);
        if (faults.Has(fault)) problems_.push_back({number, FaultText(section, fault, line)});
      }
      if (first && faults.Has(LineFault::kSeparator)) {
        // An empty section: its separator ends it, and the next section
        // starts on the following line.
        walker_.Restart({number, true});
        return true;
      }
      first = false;
      if (faults.None()) good_.push_back({section, number, line});
      // A reference out of its form takes no part in the order check; one
      // in form is compared even when other fields of its line are wrong.
      if (line.size() < 7 || !IsCanonicalReference(line.substr(2, 5))) continue;
      const std::string_view ref = line.substr(2, 5);
      if (!order.Accept(ref)) {
        problems_.push_back({number, "verse \"" + std::string(ref) + "\" comes before verse \"" +
                                         std::string(order.Previous()) + "\" of line " +
                                         std::to_string(order_line) +
                                         "; the questions of a section must follow in verse "
                                         "order"});
        order.MoveTo(ref);
      }
      order_line = number;
    }
  }

  const Database& db_;
  SectionWalker walker_;
  std::vector<Problem> problems_;
  std::vector<QuestionLine> good_;
};

}  // namespace

CheckedDatabase CheckLines(const Database& db) {
  return Checker(db).Run();
}

std::vector<Problem> CheckDatabase(const Database& db) {
  return Checker(db).Run().problems;
}

std::string ProblemLine(const std::string& file, const Problem& problem) {
  return file + ":" + std::to_string(problem.line) + ": " + problem.message;
}

std::optional<NamedDatabase> LoadNamedDatabase(const std::optional<std::string>& file,
                                               const CommandSettings& settings, std::ostream& err) {
  const std::string shown = file ? *file : std::string(kDatabaseName);
  const std::filesystem::path path = settings.work / shown;
  std::optional<std::filesystem::path> found;
  if (!path.filename().empty()) {
    found = console::FindInDirectory(path.parent_path(), path.filename().string());
  }
  std::error_code ec;
  if (found && std::filesystem::is_directory(*found, ec)) {
    err << "databuild: " << shown << " is a directory, not a question database; nothing was read\n";
    return std::nullopt;
  }
  if (!found) {
    err << "databuild: there is no file " << shown << (file ? "" : " in the working directory")
        << "; nothing was read\n";
    return std::nullopt;
  }
  return NamedDatabase{Database::FromReader(console::ReadWholeFile(*found, shown)), shown};
}

int CheckCommand(const std::optional<std::string>& file, std::ostream& out, std::ostream& err,
                 const CommandSettings& settings) {
  std::optional<NamedDatabase> named = LoadNamedDatabase(file, settings, err);
  if (!named) return 1;
  const CheckedDatabase checked = CheckLines(named->db);
  for (const Problem& p : checked.problems) out << ProblemLine(named->shown, p) << '\n';
  std::size_t warnings = 0;
  const VerseTableResult verses = FindVerseTable(console::WorkDir(settings.work), settings.shipped);
  if (!verses.table) {
    if (verses.line > 0) {
      // The table is there but cannot be read: a fault of one of its lines.
      out << verses.file << ":" << verses.line << ": " << verses.problem
          << "; verses were not checked against their chapters\n";
      ++warnings;
    } else {
      out << "databuild: " << verses.problem
          << "; verses were not checked against their chapters\n";
    }
  }
  const std::vector<Problem> found =
      FindWarnings(checked.good, verses.table ? &*verses.table : nullptr);
  for (const Problem& p : found) out << ProblemLine(named->shown, p) << '\n';
  warnings += found.size();
  const std::size_t problems = checked.problems.size();
  out << problems << (problems == 1 ? " problem, " : " problems, ") << warnings
      << (warnings == 1 ? " warning\n" : " warnings\n");
  return problems > 0 || (settings.strict && warnings > 0) ? 1 : 0;
}

}  // namespace databuild

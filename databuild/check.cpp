#include "databuild/check.h"

#include <filesystem>
#include <ostream>

#include "databuild/question_line.h"

namespace databuild {

namespace {

constexpr Section kSections[] = {Section::kRegular, Section::kReference, Section::kFtv,
                                 Section::kSituation};

class Checker {
 public:
  explicit Checker(const Database& db) : db_(db), walker_(db) {}

  std::vector<Problem> Run() {
    for (Section section : kSections) {
      if (!CheckSection(section)) break;
    }
    return std::move(problems_);
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
};

}  // namespace

std::vector<Problem> CheckDatabase(const Database& db) {
  return Checker(db).Run();
}

std::string ProblemLine(const std::string& file, const Problem& problem) {
  return file + ":" + std::to_string(problem.line) + ": " + problem.message;
}

int CheckCommand(const std::optional<std::string>& file, std::ostream& out) {
  std::string shown(kDatabaseName);
  Database db;
  if (file) {
    shown = *file;
    const std::filesystem::path path(*file);
    const console::WorkDir dir(path.has_parent_path() ? path.parent_path()
                                                      : std::filesystem::path("."));
    db = Database::FromReader(console::ReadWholeFile(dir.Resolve(path.filename().string()), shown));
  } else {
    db = Database::Load(console::WorkDir("."));
  }
  const std::vector<Problem> problems = CheckDatabase(db);
  for (const Problem& p : problems) out << ProblemLine(shown, p) << '\n';
  if (problems.empty()) {
    out << shown << ": no problems found in " << db.LineCount() << " lines\n";
    return 0;
  }
  out << shown << ": " << problems.size() << (problems.size() == 1 ? " problem" : " problems")
      << " found\n";
  return 1;
}

}  // namespace databuild

#include "databuild/stats.h"

#include <cstdio>
#include <ostream>

namespace databuild {

namespace {

struct Column {
  Kind kind;
  const char* heading;  // at most 6 characters
  const char* name;     // in the list under the table
};
constexpr Column kColumns[kKinds] = {
    {Kind::kSetA, "a", "set a"}, {Kind::kSetB, "b", "set b"}, {Kind::kSetC, "c", "set c"},
    {Kind::kFtv, "FTV", "FTV"},  {Kind::kCv, "CV", "CV Ref"}, {Kind::kCo, "CO", "CO Ref"},
    {Kind::kSit, "SIT", "SIT"},
};

constexpr char kMark = '*';

int ChapterOf(std::string_view line) {
  return (line[2] == ' ' ? 0 : line[2] - '0') * 10 + (line[3] - '0');
}

std::string Printed(const char* format, auto... values) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

/// A count of 6 columns followed by its mark (a blank when it is not 0).
std::string Cell(int count) {
  return Printed("%6d%c", count, count == 0 ? kMark : ' ');
}

std::string PerVerse(int questions, int verses) {
  return Printed("%7d%11.1f", verses, static_cast<double>(questions) / verses);
}

}  // namespace

std::string Wrapped(std::string_view text, std::size_t width) {
  std::string out;
  while (text.size() > width) {
    std::size_t cut = text.rfind(' ', width);
    if (cut == std::string_view::npos || cut == 0) cut = text.find(' ');
    if (cut == std::string_view::npos) break;
    out.append(text.substr(0, cut)) += '\n';
    text.remove_prefix(cut + 1);
  }
  return out.append(text) += '\n';
}

Coverage CountCoverage(const std::vector<QuestionLine>& good) {
  Coverage c;
  for (const QuestionLine& q : good) {
    auto& row = c.count[static_cast<std::size_t>(ChapterOf(q.line) - 1)];
    const auto add = [&row](Kind k) { ++row[static_cast<std::size_t>(k)]; };
    switch (q.section) {
      case Section::kRegular:
        add(q.line[8] == 'a' ? Kind::kSetA : q.line[8] == 'b' ? Kind::kSetB : Kind::kSetC);
        break;
      case Section::kReference:
        if (q.line[9] == 'V') add(Kind::kCv);
        if (q.line[12] == 'O') add(Kind::kCo);
        break;
      case Section::kFtv:
        add(Kind::kFtv);
        break;
      case Section::kSituation:
        add(Kind::kSit);
        break;
    }
  }
  return c;
}

std::string CoverageTable(const Coverage& coverage, const VerseTable* verses) {
  std::string out = "        ---- regular ----\n";
  out += "Chapter";
  for (const Column& col : kColumns) out += Printed("%6s ", col.heading);
  out += verses ? " Verses  Per verse\n" : "\n";
  std::array<int, kKinds> total{};
  int all = 0, all_verses = 0;
  for (int c = 1; c <= kChapters; ++c) {
    out += Printed("%7d", c);
    int questions = 0;
    for (const Column& col : kColumns) {
      const int n = coverage.At(c, col.kind);
      out += Cell(n);
      questions += n;
      total[static_cast<std::size_t>(col.kind)] += n;
    }
    if (verses) {
      out += PerVerse(questions, verses->LastVerse(c));
      all_verses += verses->LastVerse(c);
    }
    all += questions;
    out += '\n';
  }
  out += "    All";
  for (const Column& col : kColumns) out += Cell(total[static_cast<std::size_t>(col.kind)]);
  if (verses) out += PerVerse(all, all_verses);
  out += '\n';
  if (verses) {
    out += Wrapped("Per verse: the questions of every kind over the chapter's verses in " +
                   verses->source + ".");
  }

  // What is missing: a kind missing everywhere once, a chapter missing
  // everything once, the rest chapter by chapter.
  std::string missing;
  bool kind_missing[kKinds] = {};
  for (const Column& col : kColumns) {
    if (total[static_cast<std::size_t>(col.kind)] > 0) continue;
    kind_missing[static_cast<int>(col.kind)] = true;
    missing += std::string("  no ") + col.name + " questions in any chapter\n";
  }
  // Chapters in a row that miss the same kinds share one line.
  std::string before;
  int from = 0;
  const auto flush = [&](int to) {
    if (before.empty()) return;
    missing += from == to ? "  chapter " + std::to_string(from)
                          : "  chapters " + std::to_string(from) + " to " + std::to_string(to);
    missing += ": " + before + "\n";
  };
  for (int c = 1; c <= kChapters; ++c) {
    std::vector<const char*> kinds;
    int empty = 0;
    for (const Column& col : kColumns) {
      if (coverage.At(c, col.kind) != 0) continue;
      ++empty;
      if (!kind_missing[static_cast<int>(col.kind)]) kinds.push_back(col.name);
    }
    std::string what;
    if (empty == kKinds) {
      what = "no questions of any kind";
    } else if (!kinds.empty()) {
      what = "no";
      for (std::size_t k = 0; k < kinds.size(); ++k) {
        what += k == 0 ? " " : k + 1 == kinds.size() ? " or " : ", ";
        what += kinds[k];
      }
      what += " questions";
    }
    if (what != before) {
      flush(c - 1);
      before = what;
      from = c;
    }
  }
  flush(kChapters);
  if (missing.empty()) {
    out += "Every chapter has questions of every kind.\n";
  } else {
    out += std::string(1, kMark) +
           " no questions there (set a, b, c: regular questions of that set):\n" + missing;
  }
  return out;
}

int StatsCommand(const std::optional<std::string>& file, std::ostream& out, std::ostream& err,
                 const CommandSettings& settings) {
  std::optional<NamedDatabase> named = LoadNamedDatabase(file, settings, err);
  if (!named) return 1;
  const CheckedDatabase checked = CheckLines(named->db);
  const VerseTableResult verses = FindVerseTable(console::WorkDir(settings.work), settings.shipped);
  out << "Questions of " << named->shown << " by chapter and kind\n\n";
  out << CoverageTable(CountCoverage(checked.good), verses.table ? &*verses.table : nullptr);
  if (!verses.table) {
    out << Wrapped((verses.line > 0 ? verses.file + ":" + std::to_string(verses.line) + ": " : "") +
                   verses.problem + "; no questions per verse shown");
  }
  if (checked.problems.empty()) return 0;
  const std::size_t faults = checked.problems.size();
  out << Wrapped(std::to_string(faults) +
                 (faults == 1 ? " formatting fault: its line is not counted; databuild --check "
                                "lists it"
                              : " formatting faults: their lines are not counted; databuild "
                                "--check lists them"));
  return 1;
}

}  // namespace databuild

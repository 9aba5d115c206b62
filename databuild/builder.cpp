#include "databuild/builder.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "databuild/database.h"
#include "databuild/install.h"
#include "databuild/question_line.h"
#include "databuild/routing.h"

namespace databuild {

namespace {

/// Why the database was not accepted.
struct Fault {
  Outcome outcome;
  int line;
};

/// A data file written during one section, with its question count and
/// the place of its counter.
struct Output {
  DataFile file;
  int count;
  Spot counter;
};

class Builder {
 public:
  Builder(console::Console& con, const console::WorkDir& dir, const Database& db, const Pace& pace,
          BuildReport* report)
      : con_(con), db_(db), staging_(dir), walker_(db), board_(con, pace), report_(report) {}

  Outcome Run();

 private:
  std::optional<Fault> RegularSection();
  std::optional<Fault> ReferenceSection();
  std::optional<Fault> ReadFtv(FtvReading reading);
  std::optional<Fault> SituationSection();
  void LLMAT();

  /// Reads the question lines of the current section up to its separator,
  /// handing each to `take`, which returns false for a line that fails its
  /// checks, and shows the counts of `outputs` as the board's pace allows.
  template <class Take>
  std::optional<Fault> ReadSection(const std::vector<Output>& outputs, Take take);
  std::vector<Output> Open(std::initializer_list<std::string_view> names);
  void ShowCounts(const std::vector<Output>& outputs);
  void Close(std::vector<Output>& outputs);

  console::Console& con_;
  const Database& db_;
  Staging staging_;
  SectionWalker walker_;
  CounterBoard board_;
  BuildReport* report_;
  static constexpr int kLinesPerLook = 32;
  int lines_read_ = 0;  // question lines read, for the pace of looking at the clock
  /// Records in the limited-chapter copy of each data file written.
  std::map<std::string, int, std::less<>> copied_;
};

template <class Take>
std::optional<Fault> Builder::ReadSection(const std::vector<Output>& outputs, Take take) {
  for (;;) {
    switch (walker_.Next()) {
      case SectionWalker::Step::kSeparator:
        return std::nullopt;
      case SectionWalker::Step::kEnd:
        return Fault{Outcome::kEndedEarly, db_.LineCount()};
      case SectionWalker::Step::kQuestion:
        if (!take(walker_.Line())) return Fault{Outcome::kFormattingError, walker_.LineNumber()};
        // The board is asked whether it is due only every kLinesPerLook
        // lines: reading the clock for every line cost some 3% of a run, and
        // that many lines pass in far less than the board's interval. The
        // counts are handed to it only when it is to draw them.
        if (++lines_read_ % kLinesPerLook == 0 && board_.Due()) {
          ShowCounts(outputs);
          board_.Flush();
        }
        break;
    }
  }
}

std::vector<Output> Builder::Open(std::initializer_list<std::string_view> names) {
  std::vector<Output> outputs;
  for (std::string_view name : names) {
    outputs.push_back({DataFile(staging_, name), 0, OnScreen(name).counter});
  }
  return outputs;
}

void Builder::ShowCounts(const std::vector<Output>& outputs) {
  for (const Output& o : outputs) board_.Set(o.counter, o.count);
}

void Builder::Close(std::vector<Output>& outputs) {
  ShowCounts(outputs);
  board_.Flush();
  for (Output& o : outputs) {
    o.file.Close();
    copied_[std::string(o.file.Name())] = o.file.Copied();
    if (report_) report_->counts.emplace_back(std::string(o.file.Name()), o.count);
  }
}

std::optional<Fault> Builder::RegularSection() {
  std::vector<Output> out = Open({"Mat.a", "Mat.b", "Mat.c"});
  ReferenceOrder order;
  std::string record;
  auto fault = ReadSection(out, [&](std::string_view line) {
    std::optional<RegularLine> q = ParseRegular(line);
    if (!q || !order.Accept(q->ref)) return false;
    PlainRecord(q->ref, q->separator, q->text, record);
    for (std::size_t i = 0; i < kRegularFiles.size(); ++i) {
      if (!TakesSet(kRegularFiles[i].sets, q->set)) continue;
      out[i].file.WriteLn(record);
      ++out[i].count;
    }
    return true;
  });
  if (fault) return fault;
  Close(out);
  return std::nullopt;
}

std::optional<Fault> Builder::ReferenceSection() {
  DrawLabels(con_, {"Co.b", "Co.c", "Cv.b", "Cv.c"});
  std::vector<Output> out = Open({"Co.b", "Co.c", "Cv.b", "Cv.c"});
  ReferenceOrder order;
  std::string record;
  auto fault = ReadSection(out, [&](std::string_view line) {
    std::optional<ReferenceLine> q = ParseReference(line);
    if (!q || !order.Accept(q->ref)) return false;
    for (std::size_t i = 0; i < kReferenceFiles.size(); ++i) {
      const ReferenceFile& file = kReferenceFiles[i];
      const bool marked = file.mark == 'O' ? q->IsCo() : q->IsCv();
      if (!marked || !TakesSet(file.sets, q->set)) continue;
      ReferenceRecord(q->ref, file.kind, q->text, record);
      out[i].file.WriteLn(record);
      ++out[i].count;
    }
    return true;
  });
  if (fault) return fault;
  Close(out);
  return std::nullopt;
}

std::optional<Fault> Builder::ReadFtv(FtvReading reading) {
  std::vector<const FtvPool*> pools;
  std::vector<Output> out;
  for (const FtvPool& pool : kFtvPools) {
    if (pool.reading != reading) continue;
    pools.push_back(&pool);
    DrawLabels(con_, {pool.name});
    out.push_back({DataFile(staging_, pool.name), 0, OnScreen(pool.name).counter});
  }
  if (reading == FtvReading::kSecond) DrawSecondHeading(con_);
  ReferenceOrder order;
  std::string own;
  std::array<std::string, kVariantCodes.size()> variants;
  auto fault = ReadSection(out, [&](std::string_view line) {
    std::optional<FtvLine> q = ParseFtv(line, reading);
    if (!q) return false;
    // A malformed reference is reported at its own line by the second
    // reading; until then it takes no part in the order check.
    if (IsCanonicalReference(q->ref) && !order.Accept(q->ref)) return false;
    // The records are the same in every pool that takes them: made once.
    FtvRecord(q->ref, q->code, q->text, own);
    if (q->IsVerseFinishing()) {
      for (std::size_t v = 0; v < variants.size(); ++v) {
        FtvRecord(q->ref, kVariantCodes[v], q->text, variants[v]);
      }
    }
    for (std::size_t i = 0; i < pools.size(); ++i) {
      const FtvRoute route = Route(*pools[i], *q);
      if (route.own) out[i].file.WriteLn(own);
      if (route.variants) {
        for (const std::string& record : variants) out[i].file.WriteLn(record);
      }
      out[i].count += route.Questions();
    }
    return true;
  });
  if (fault) return fault;
  Close(out);
  return std::nullopt;
}

std::optional<Fault> Builder::SituationSection() {
  DrawLabels(con_, {kSituationFile});
  std::vector<Output> out = Open({kSituationFile});
  ReferenceOrder order;
  std::string record;
  auto fault = ReadSection(out, [&](std::string_view line) {
    std::optional<SituationLine> q = ParseSituation(line);
    if (!q || !order.Accept(q->ref)) return false;
    PlainRecord(q->ref, q->separator, q->text, record);
    out[0].file.WriteLn(record);
    ++out[0].count;
    return true;
  });
  if (fault) return fault;
  Close(out);
  return std::nullopt;
}

void Builder::LLMAT() {
  // The copies were written with their files; here their counts are shown,
  // a copy without records keeping its counter blank.
  DrawLimitedHeading(con_);
  for (const LimitedOnScreen& copy : kLimitedOnScreen) {
    DrawLimitedName(con_, copy);
    const auto copied = copied_.find(copy.file);
    if (copied != copied_.end() && copied->second > 0) board_.Set(copy.counter, copied->second);
    if (report_) {
      report_->counts.emplace_back("LL" + std::string(copy.file),
                                   copied == copied_.end() ? 0 : copied->second);
    }
    board_.Tick();
  }
  board_.Flush();
}

Outcome Builder::Run() {
  std::optional<Fault> fault = RegularSection();
  if (!fault) fault = ReferenceSection();
  if (!fault) {
    // The FTV section is read twice, the second time from its first line.
    const SectionWalker::Mark ftv_start = walker_.Here();
    fault = ReadFtv(FtvReading::kFirst);
    if (!fault) {
      walker_.Restart(ftv_start);
      fault = ReadFtv(FtvReading::kSecond);
    }
  }
  if (!fault) fault = SituationSection();
  if (fault) {
    staging_.Discard();
    const std::string text = fault->outcome == Outcome::kFormattingError
                                 ? FormattingErrorText(fault->line)
                                 : EndedEarlyText(fault->line);
    ShowDatabaseFault(con_, text);
    if (report_) report_->fault = text;
    WaitForEnter(con_);
    WaitForEnter(con_);
    return fault->outcome;
  }
  LLMAT();
  staging_.Commit();
  DrawSuccess(con_);
  WaitForEnter(con_);
  con_.ClrScr();
  return Outcome::kInstalled;
}

}  // namespace

Outcome BuildDataFiles(console::Console& con, const console::WorkDir& dir, const Pace& pace,
                       BuildReport* report) {
  DrawStart(con);
  const Database db = Database::Load(dir);
  Builder builder(con, dir, db, pace, report);
  return builder.Run();
}

}  // namespace databuild

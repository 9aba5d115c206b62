#include "databuild/routing.h"

namespace databuild {

FtvRoute Route(const FtvPool& pool, const FtvLine& q) {
  const bool enters =
      q.cls == 'p' || (q.cls == 'n' && pool.n_ranks.find(q.rank) != std::string_view::npos);
  bool own = enters;
  if (pool.skip_quotations && q.IsQuotation()) own = false;
  if (pool.skip_primary_q && q.cls == 'p' && q.rank == 'q') own = false;
  bool variants = false;
  if (q.IsVerseFinishing()) {
    switch (pool.variants) {
      case Variants::kNone:
        break;
      case Variants::kRankQ:
        variants = q.rank == 'q';
        break;
      case Variants::kEntering:
        variants = enters;
        break;
      case Variants::kAll:
        variants = true;
        break;
    }
  }
  return {own, variants};
}

std::string PlainRecord(std::string_view ref, char separator, std::string_view text) {
  std::string r;
  r.reserve(ref.size() + 1 + text.size());
  r.append(ref);
  r.push_back(separator);
  r.append(text);
  return r;
}

namespace {

std::string TabbedRecord(std::string_view ref, std::string_view middle, std::string_view text) {
  std::string r;
  r.reserve(ref.size() + middle.size() + 2 + text.size());
  r.append(ref);
  r.push_back('\t');
  r.append(middle);
  r.push_back('\t');
  r.append(text);
  return r;
}

}  // namespace

std::string ReferenceRecord(std::string_view ref, std::string_view kind, std::string_view text) {
  return TabbedRecord(ref, kind, text);
}

std::string FtvRecord(std::string_view ref, std::string_view code, std::string_view text) {
  return TabbedRecord(ref, code, text);
}

bool IsLimitedChapter(std::string_view record) {
  static constexpr std::array<std::string_view, 8> kChapters{" 1", " 2", " 3", " 4",
                                                             " 5", "26", "27", "28"};
  if (record.size() < 2) return false;
  for (std::string_view c : kChapters) {
    if (record.substr(0, 2) == c) return true;
  }
  return false;
}

}  // namespace databuild

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

void PlainRecord(std::string_view ref, char separator, std::string_view text, std::string& out) {
  out.assign(ref);
  out.push_back(separator);
  out.append(text);
}

namespace {

void TabbedRecord(std::string_view ref, std::string_view middle, std::string_view text,
                  std::string& out) {
  out.assign(ref);
  out.push_back('\t');
  out.append(middle);
  out.push_back('\t');
  out.append(text);
}

}  // namespace

void ReferenceRecord(std::string_view ref, std::string_view kind, std::string_view text,
                     std::string& out) {
  TabbedRecord(ref, kind, text, out);
}

void FtvRecord(std::string_view ref, std::string_view code, std::string_view text,
               std::string& out) {
  TabbedRecord(ref, code, text, out);
}

}  // namespace databuild

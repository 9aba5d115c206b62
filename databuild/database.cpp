#include "databuild/database.h"

namespace databuild {

Database Database::Load(const console::WorkDir& dir) {
  return FromReader(dir.OpenRead(kDatabaseName));
}

Database Database::FromText(std::string text) {
  return FromReader(console::TextReader(std::move(text), std::string(kDatabaseName)));
}

Database Database::FromReader(console::TextReader reader) {
  Database db;
  auto text = std::make_unique<console::TextReader>(std::move(reader));
  while (!text->Eof()) db.lines_.push_back(text->ReadLineView());
  db.text_ = std::move(text);
  return db;
}

SectionWalker::Step SectionWalker::Next() {
  if (number_ >= db_.LineCount()) return Step::kEnd;
  ++number_;
  if (section_start_) {
    section_start_ = false;
    return Step::kQuestion;
  }
  std::string_view line = db_.Line(number_);
  if (!line.empty() && line[0] == '=') {
    section_start_ = true;
    return Step::kSeparator;
  }
  return Step::kQuestion;
}

}  // namespace databuild

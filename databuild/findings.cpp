#include "databuild/findings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <functional>
#include <string>

#include "databuild/routing.h"

namespace databuild {

namespace {

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

/// Chapter or verse from its two columns of a reference in form.
int TwoColumns(char tens, char units) {
  return (tens == ' ' ? 0 : tens - '0') * 10 + (units - '0');
}

int ChapterOf(std::string_view ref) {
  return TwoColumns(ref[0], ref[1]);
}

int VerseOf(std::string_view ref) {
  return TwoColumns(ref[3], ref[4]);
}

/// A reference as messages write it: "5:3", "12:30".
std::string Shown(std::string_view ref) {
  return std::to_string(ChapterOf(ref)) + ":" + std::to_string(VerseOf(ref));
}

/// What a question line of each section holds and how much of its text a
/// quiz gets: a quiz reads the first 254 characters of a regular or
/// reference record and the first 508 of an FTV or situation record, and
/// the record begins with the reference and the fields before the text.
struct Layout {
  std::size_t text_column;  // where the text begins on the database line
  std::size_t quiz_text;    // characters of text a quiz reads from the record
};

Layout LayoutOf(Section section) {
  switch (section) {
    case Section::kRegular:
      return {11, 254 - 6};  // reference, separator
    case Section::kReference:
      return {17, 254 - 9};  // reference, tab, "CV" or "CO", tab
    case Section::kFtv:
      return {18, 508 - 11};  // reference, tab, type code, tab
    case Section::kSituation:
      return {9, 508 - 6};  // reference, separator
  }
  return {1, 0};
}

/// The whole text of a line, before the data files cut it.
std::string_view FullText(const QuestionLine& q) {
  const std::size_t from = LayoutOf(q.section).text_column - 1;
  return from < q.line.size() ? q.line.substr(from) : std::string_view();
}

/// The text as the data files keep it.
std::string_view KeptText(const QuestionLine& q) {
  return FullText(q).substr(0, kTextLimit);
}

std::string Characters(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " character" : " characters");
}

std::string Folded(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) out += c == '\t' ? ' ' : c;
  return out + "\"";
}

/// The first index stored under each 64-bit key: an open-addressed table
/// sized once, so that a line costs no allocation.
class FirstByKey {
 public:
  explicit FirstByKey(std::size_t keys) {
    std::size_t size = 16;
    while (size < 2 * keys) size *= 2;
    slots_.assign(size, Slot{});
    mask_ = size - 1;
  }
  /// The index first stored under `key`; `index` when there was none, which
  /// is then stored.
  int FirstOr(std::uint64_t key, int index) {
    for (std::size_t at = key & mask_;; at = (at + 1) & mask_) {
      Slot& slot = slots_[at];
      if (slot.index < 0) {
        slot = {key, index};
        return index;
      }
      if (slot.key == key) return slot.index;
    }
  }

 private:
  struct Slot {
    std::uint64_t key = 0;
    int index = -1;
  };
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
};

std::uint64_t HashOf(std::string_view text) {
  return std::hash<std::string_view>{}(text);
}

class Finder {
 public:
  Finder(const std::vector<QuestionLine>& lines, const VerseTable* verses)
      : lines_(lines), verses_(verses), first_of_(2 * lines.size()), opening_of_(lines.size()) {}

  std::vector<Problem> Run() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const QuestionLine& q = lines_[i];
      if (verses_) VerseInChapter(q);
      SameQuestion(i);
      if (q.section == Section::kFtv) FtvOpenings(i);
      Conventions(q);
      CutText(q);
    }
    std::stable_sort(found_.begin(), found_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return std::move(found_);
  }

 private:
  void Add(const QuestionLine& q, std::string message) {
    found_.push_back({q.number, std::move(message)});
  }

  void VerseInChapter(const QuestionLine& q) {
    const std::string_view ref = q.line.substr(2, 5);
    const int chapter = ChapterOf(ref);
    const int last = verses_->LastVerse(chapter);
    if (VerseOf(ref) <= last) return;
    Add(q, "verse " + Shown(ref) + " is past the end of chapter " + std::to_string(chapter) +
               ", which has " + std::to_string(last) + " verses in " + verses_->source);
  }

  /// The same question twice in one section: the same reference and the
  /// same text, set apart from case, blanks and closing punctuation; in the
  /// reference section for the same kind (CV Ref or CO Ref), in the FTV
  /// section with the same type code. The lines are looked up by a hash of
  /// what must be the same; a line found so is compared in full before it
  /// is named.
  void SameQuestion(std::size_t index) {
    const QuestionLine& q = lines_[index];
    std::array<std::string_view, 2> kinds{"", ""};
    switch (q.section) {
      case Section::kReference:
        if (q.line[9] == 'V') kinds[0] = "CV";
        if (q.line[12] == 'O') kinds[1] = "CO";
        break;
      case Section::kFtv:
        kinds[0] = q.line.substr(8, 4);
        break;
      default:
        kinds[0] = "-";
        break;
    }
    SameQuestionKey(KeptText(q), text_);
    int other = 0;
    for (std::string_view kind : kinds) {
      if (kind.empty()) continue;
      key_.assign(1, static_cast<char>('0' + static_cast<int>(q.section)));
      key_ += q.line.substr(2, 5);
      key_ += kind;
      key_ += '\t';
      key_ += text_;
      const int first = first_of_.FirstOr(HashOf(key_), static_cast<int>(index));
      if (first == static_cast<int>(index)) continue;
      const QuestionLine& before = lines_[static_cast<std::size_t>(first)];
      if (before.section != q.section || before.line.substr(2, 5) != q.line.substr(2, 5) ||
          SameQuestionKey(KeptText(before)) != text_) {
        continue;  // only the hashes met
      }
      if (other == 0 || before.number < other) other = before.number;
    }
    if (other == 0) return;
    Add(q, "the same question as line " + std::to_string(other) + " (the same verse " +
               Shown(q.line.substr(2, 5)) +
               " and the same text, apart from letter case, blanks and the punctuation at its "
               "end)");
  }

  /// FTV records of one pool whose openings read the same on different
  /// verses. A record shows its opening when it is an own record without a
  /// quotation code or an "FTVR" variant; for each pool and opening the
  /// first record and the first on another verse than that one are kept,
  /// which is all a later record needs to find one on a verse of its own.
  void FtvOpenings(std::size_t index) {
    const QuestionLine& q = lines_[index];
    const std::optional<FtvLine> ftv = ParseFtv(q.line, FtvReading::kSecond);
    if (!ftv) return;
    const std::string opening = FtvOpening(ftv->text);
    const std::string key = Folded(opening);
    const int slot = opening_of_.FirstOr(HashOf(key), static_cast<int>(openings_.size()));
    if (slot == static_cast<int>(openings_.size())) openings_.emplace_back();
    Openings& seen = openings_[static_cast<std::size_t>(slot)];
    const auto ref_of = [this](int at) {
      return lines_[static_cast<std::size_t>(at - 1)].line.substr(2, 5);
    };
    const int here = static_cast<int>(index) + 1;
    int other = 0;
    std::string pools;
    int pool_count = 0;
    for (std::size_t p = 0; p < kFtvPools.size(); ++p) {
      const FtvRoute route = Route(kFtvPools[p], *ftv);
      if (!((route.own && !ftv->IsQuotation()) || route.variants)) continue;
      int& first = seen.first[p];
      int& second = seen.second[p];
      int clash = 0;
      if (first == 0) {
        first = here;
      } else if (ref_of(first) != ftv->ref) {
        clash = first;
        if (second == 0) second = here;
      } else if (second != 0) {
        clash = second;
      }
      if (clash == 0 || (other != 0 && clash == other)) {
        if (clash != 0) pools += (pool_count++ > 0 ? ", " : "") + std::string(kFtvPools[p].name);
        continue;
      }
      // Found by its hash: a line whose opening is another is no clash.
      const std::optional<FtvLine> them =
          ParseFtv(lines_[static_cast<std::size_t>(clash - 1)].line, FtvReading::kSecond);
      if (Folded(FtvOpening(them->text)) != key) continue;
      if (other == 0 || lines_[static_cast<std::size_t>(clash - 1)].number <
                            lines_[static_cast<std::size_t>(other - 1)].number) {
        other = clash;
      }
      pools += (pool_count++ > 0 ? ", " : "") + std::string(kFtvPools[p].name);
    }
    if (other == 0) return;
    const QuestionLine& them = lines_[static_cast<std::size_t>(other - 1)];
    Add(q, "the FTV opening " + Quoted(opening) + " of verse " + Shown(ftv->ref) +
               " is also the opening of verse " + Shown(them.line.substr(2, 5)) + " (line " +
               std::to_string(them.number) + "), in " +
               (pool_count == static_cast<int>(kFtvPools.size())
                    ? std::string("every FTV pool")
                    : std::string(pool_count > 1 ? "the pools " : "the pool ") + pools) +
               "; a quiz master reading it cannot tell which verse is meant");
  }

  void Conventions(const QuestionLine& q) {
    const std::string_view text = KeptText(q);
    if (q.section == Section::kRegular) {
      const std::size_t mark = text.find('?');
      if (mark == std::string_view::npos) {
        Add(q,
            "the regular question has no \"?\": a quiz prints a question up to its \"?\" "
            "and the answer after it");
      } else if (text.find_first_not_of(" \t", mark + 1) == std::string_view::npos) {
        Add(q, "nothing follows the \"?\" of the regular question: it has no answer");
      }
    } else if (q.section == Section::kSituation) {
      const std::size_t mark = text.find_first_of("\"'");
      if (mark == std::string_view::npos) {
        Add(q,
            "the situation text has no quotation beginning with a double quote or an "
            "apostrophe: a quiz cannot tell its introduction from its quotation");
      } else if (mark > 0 && !IsBlankOrTab(text[mark - 1])) {
        std::size_t word = text.find_last_of(" \t", mark);
        word = word == std::string_view::npos ? 0 : word + 1;
        const std::size_t end = text.find_first_of(" \t", mark);
        Add(q, std::string("the first ") + (text[mark] == '"' ? "double quote" : "apostrophe") +
                   " of the situation text is inside the word " +
                   Quoted(text.substr(word, end == std::string_view::npos ? end : end - word)) +
                   ": a quiz takes the quotation to begin there");
      }
    }
  }

  void CutText(const QuestionLine& q) {
    const std::size_t length = FullText(q).size();
    const std::size_t quiz = LayoutOf(q.section).quiz_text;
    if (length <= quiz) return;
    std::string message = "the text is " + Characters(length) + " long: ";
    if (length > kTextLimit) {
      message += "the data files keep only its first " + std::to_string(kTextLimit) +
                 ", so the last " + Characters(length - kTextLimit) + " are lost, and a quiz";
    } else {
      message += "a quiz";
    }
    message += " reads only its first " + std::to_string(quiz) + " (" + Characters(length - quiz) +
               " lost" + (length > kTextLimit ? " in all)" : ")");
    Add(q, message);
  }

  /// For each pool, the first record with one opening and the first on
  /// another verse than that one, as 1 + their index in `lines_` (0: none).
  struct Openings {
    std::array<int, kFtvPools.size()> first{};
    std::array<int, kFtvPools.size()> second{};
  };

  const std::vector<QuestionLine>& lines_;
  const VerseTable* verses_;
  std::vector<Problem> found_;
  std::string text_, key_;  // buffers kept from line to line
  FirstByKey first_of_;     // hash of what makes a question the same -> its first line
  FirstByKey opening_of_;   // hash of an FTV opening -> its entry of openings_
  std::vector<Openings> openings_;
};

}  // namespace

std::string FtvOpening(std::string_view text) {
  std::string out;
  int words = 0;
  for (std::size_t i = 0; words < 5; ++i) {
    // Past the text the record is blank: a short text ends in empty words.
    const char c = i < text.size() ? text[i] : ' ';
    if (IsBlankOrTab(c)) {
      out += "...";
      ++words;
    } else if (c != '.' && c != ',') {
      out += c;
    }
  }
  return out;
}

std::string SameQuestionKey(std::string_view text) {
  std::string out;
  SameQuestionKey(text, out);
  return out;
}

void SameQuestionKey(std::string_view text, std::string& out) {
  out.resize(text.size());
  char* const begin = out.data();
  char* end = begin;
  bool blank = false;
  for (char c : text) {
    if (IsBlankOrTab(c)) {
      blank = end != begin;
      continue;
    }
    if (blank) *end++ = ' ';
    blank = false;
    *end++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  while (end != begin && std::ispunct(static_cast<unsigned char>(end[-1])) != 0) --end;
  // Blanks before the closing punctuation went with the run they stood in.
  while (end != begin && end[-1] == ' ') --end;
  out.resize(static_cast<std::size_t>(end - begin));
}

std::vector<Problem> FindWarnings(const std::vector<QuestionLine>& lines,
                                  const VerseTable* verses) {
  return Finder(lines, verses).Run();
}

}  // namespace databuild

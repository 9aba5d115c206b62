#include "tools/make_sample/sample_db.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "tools/make_sample/sample_words.h"

namespace sample {

namespace {

/// A small pseudo-random sequence (splitmix64): the same numbers on every
/// platform, so the sample never changes unless this generator does.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  /// 0 to n - 1.
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  /// True `percent` times in a hundred.
  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  const T& Pick(std::span<const T> list) {
    return list[static_cast<std::size_t>(Below(static_cast<int>(list.size())))];
  }

 private:
  std::uint64_t state_;
};

struct Verse {
  int chapter;
  int verse;
};

std::vector<Verse> AllVerses() {
  std::vector<Verse> verses;
  for (int c = 1; c <= 28; ++c) {
    for (int v = 1; v <= kVersesPerChapter[c - 1]; ++v) verses.push_back({c, v});
  }
  return verses;
}

/// The five-character reference: chapter and verse right-aligned in two
/// columns with a blank pad.
std::string Reference(const Verse& v) {
  std::string r;
  r += v.chapter < 10 ? ' ' : static_cast<char>('0' + v.chapter / 10);
  r += static_cast<char>('0' + v.chapter % 10);
  r += ':';
  r += v.verse < 10 ? ' ' : static_cast<char>('0' + v.verse / 10);
  r += static_cast<char>('0' + v.verse % 10);
  return r;
}

/// `count` verses drawn with a weight per verse (some verses get none,
/// many several), in verse order.
std::vector<Verse> Spread(Draw& d, int count, int none_percent, int max_weight) {
  const std::vector<Verse> verses = AllVerses();
  std::vector<int> cumulative;
  int total = 0;
  for (std::size_t i = 0; i < verses.size(); ++i) {
    total += d.Chance(none_percent) ? 0 : 1 + d.Below(max_weight);
    cumulative.push_back(total);
  }
  std::vector<std::size_t> picks;
  for (int i = 0; i < count; ++i) {
    const int at = d.Below(total);
    picks.push_back(static_cast<std::size_t>(
        std::upper_bound(cumulative.begin(), cumulative.end(), at) - cumulative.begin()));
  }
  std::sort(picks.begin(), picks.end());
  std::vector<Verse> out;
  for (std::size_t p : picks) out.push_back(verses[p]);
  return out;
}

/// Fills the slots of a pattern. The person of {P} stays the same through
/// one pattern; {P2} is another.
std::string Fill(Draw& d, std::string_view pattern) {
  const std::string_view person = d.Pick(kPeople);
  std::string_view other = d.Pick(kPeople);
  if (other == person) other = "the others";
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '{') {
      out += pattern[i];
      continue;
    }
    const std::size_t end = pattern.find('}', i);
    const std::string_view slot = pattern.substr(i + 1, end - i - 1);
    i = end;
    if (slot == "P") {
      out += person;
    } else if (slot == "P2") {
      out += other;
    } else if (slot == "V") {
      out += d.Pick(kVerbs).base;
    } else if (slot == "VP") {
      out += d.Pick(kVerbs).past;
    } else if (slot == "O") {
      out += d.Pick(kThings);
    } else if (slot == "TH") {
      out += d.Pick(kThingsPlural);
    } else if (slot == "PL") {
      out += d.Pick(kPlaces);
    } else if (slot == "T") {
      out += d.Pick(kTimes);
    } else if (slot == "R") {
      out += d.Pick(kReasons);
    } else if (slot == "N") {
      out += d.Pick(kNumbers);
    }
  }
  return out;
}

std::string Capitalized(std::string s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

/// A question ending in "?", then a blank or a TAB, then its answer.
std::string QuestionText(Draw& d) {
  const QuestionPattern& p = d.Chance(68) ? d.Pick(kInterrogatives) : d.Pick(kStatements);
  // A few questions keep a lower-case first letter, as typed.
  std::string question = Fill(d, p.question);
  if (question[0] != 'w') question = Capitalized(question);
  // One draw per statement: the order of draws must not depend on the compiler.
  const char* gap = d.Chance(20) ? "\t" : " ";
  const std::string answer = Capitalized(Fill(d, p.answer));
  return question + gap + answer;
}

/// A made-up verse text drawn from `seed`.
std::string DrawVerseText(std::uint64_t seed) {
  Draw d(seed);
  int clauses = 1 + d.Below(3);
  if (d.Chance(8)) clauses += 3;  // now and then a long verse
  std::string text;
  for (int i = 0; i < clauses; ++i) {
    if (i > 0) text += d.Chance(70) ? ", " : "; ";
    text += Fill(d, d.Pick(kClauses));
  }
  return Capitalized(text) + ".";
}

/// The first part of a verse, up to its first pause, for the
/// sentence-finishing questions.
std::string FirstPart(std::string text) {
  text.pop_back();
  return text.substr(0, text.find_first_of(",;")) + ".";
}

/// The first five words of a text as a quiz reads them out, letter case,
/// full stops and commas aside.
std::string Opening(std::string_view text) {
  std::string out;
  int words = 0;
  for (std::size_t i = 0; words < 5; ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if (c == ' ' || c == '\t') {
      out += '/';
      ++words;
    } else if (c != '.' && c != ',') {
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  return out;
}

/// The made-up text of every verse, the same for every question on it.
/// A verse whose opening (or that of its first part) another verse already
/// has is drawn again, so that a quiz master reading the first words of an
/// FTV question can tell its verse.
std::map<std::pair<int, int>, std::string> VerseTexts() {
  std::map<std::pair<int, int>, std::string> texts;
  std::set<std::string> openings;
  for (const Verse& v : AllVerses()) {
    const std::uint64_t seed = 0x5eed0000u + static_cast<std::uint64_t>(v.chapter * 100 + v.verse);
    std::string text;
    for (std::uint64_t attempt = 0;; ++attempt) {
      text = DrawVerseText(seed + (attempt << 32));
      const std::string whole = Opening(text), part = Opening(FirstPart(text));
      if (attempt < 1000 && (openings.count(whole) || openings.count(part))) continue;
      openings.insert(whole);
      openings.insert(part);
      break;
    }
    texts[{v.chapter, v.verse}] = text;
  }
  return texts;
}

/// A question text with letter case, tabs and its closing full stop set
/// aside, to tell two questions of one verse apart.
std::string QuestionKey(std::string_view text) {
  std::string key;
  for (char c : text) {
    key += c == '\t' ? ' ' : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  while (!key.empty() && (key.back() == '.' || key.back() == ' ')) key.pop_back();
  return key;
}

std::string RegularSection(Draw& d) {
  std::string out;
  std::set<std::string> asked;  // verse and question key of the questions so far
  int line = 0;
  for (const Verse& v : Spread(d, kRegularLines, 8, 10)) {
    ++line;
    const int set = d.Below(100);
    out += d.Chance(5) ? "M " : "  ";
    out += Reference(v);
    out += d.Chance(60) ? '\t' : ' ';
    out += set < 30 ? 'a' : set < 65 ? 'b' : 'c';
    out += ' ';
    std::string text = QuestionText(d);
    // A question drawn twice for one verse is drawn again from a sequence of
    // its own, so that the lines after it stay as they are.
    Draw again(0xa9a10000u + static_cast<std::uint64_t>(line));
    while (!asked.insert(Reference(v) + QuestionKey(text)).second) text = QuestionText(again);
    out += text;
    out += "\r\n";
  }
  return out + "= End of regular questions ==========\r\n";
}

std::string ReferenceSection(Draw& d) {
  static constexpr std::string_view kMarks[] = {" V   ", "    O", " V  O"};
  std::string out;
  for (const Verse& v : Spread(d, kReferenceLines, 15, 4)) {
    const int kind = d.Below(100);
    out += "  " + Reference(v) + "\t";
    out += kMarks[kind < 40 ? 0 : kind < 75 ? 1 : 2];
    out += '\t';
    out += d.Chance(50) ? 'b' : 'c';
    out += ' ';
    out += QuestionText(d);
    out += "\r\n";
  }
  return out + "=\r\n";
}

std::string FtvSection(Draw& d) {
  // Verse-finishing codes ("FTV ", "FTVR"), a sentence-finishing code, and
  // quotation codes, one of them verse-finishing too.
  static constexpr std::string_view kCodes[] = {"FTV ", "FTVR", "FTS ", "QUO ", "QTV "};
  static constexpr int kCodeShare[] = {45, 15, 15, 18, 7};
  static constexpr int kCodeCount = 5;
  static constexpr std::string_view kPrimaryRanks = "xxxxxxqqqq6789";
  static constexpr std::string_view kOtherRanks = "xxqq66777888999";
  const std::map<std::pair<int, int>, std::string> texts = VerseTexts();
  // A verse takes at most one question of each code, or it would hold the
  // same question twice: a pick beyond that goes on to the next verse.
  std::vector<Verse> verses = Spread(d, kFtvLines, 12, 3);
  const std::vector<Verse> all = AllVerses();
  std::size_t at = 0;  // where the pick in hand goes, in `all`
  int on_verse = 0;    // picks already there
  for (Verse& v : verses) {
    std::size_t wanted = static_cast<std::size_t>(v.verse - 1);
    for (int c = 1; c < v.chapter; ++c)
      wanted += static_cast<std::size_t>(kVersesPerChapter[c - 1]);
    if (wanted > at) {
      at = wanted;
      on_verse = 0;
    }
    if (on_verse == kCodeCount && at + 1 < all.size()) {
      ++at;
      on_verse = 0;
    }
    v = all[at];
    ++on_verse;
  }
  std::string out;
  Verse last{0, 0};
  unsigned used = 0;  // codes already on the verse, one bit each
  for (const Verse& v : verses) {
    int roll = d.Below(100), code = 0;
    while (roll >= kCodeShare[code]) roll -= kCodeShare[code++];
    if (v.chapter != last.chapter || v.verse != last.verse) used = 0;
    // A further question on a verse is of another kind.
    while (used & (1u << code)) code = (code + 1) % kCodeCount;
    used |= 1u << code;
    last = v;
    const bool primary = d.Chance(45);
    const std::string_view ranks = primary ? kPrimaryRanks : kOtherRanks;
    std::string text = texts.at({v.chapter, v.verse});
    if (kCodes[code] == "FTS ") text = FirstPart(text);
    out += "  " + Reference(v) + "\t" + std::string(kCodes[code]) + "\t";
    out += primary ? 'p' : 'n';
    out += ' ';
    out += ranks[static_cast<std::size_t>(d.Below(static_cast<int>(ranks.size())))];
    out += ' ';
    out += text;
    out += "\r\n";
  }
  return out + "==========\r\n";
}

std::string SituationSection(Draw& d) {
  std::string out;
  for (const Verse& v : Spread(d, kSituationLines, 20, 3)) {
    std::string intro = Capitalized(Fill(d, d.Pick(kOccasions)));
    if (d.Chance(25)) {
      // Some introductions hold a TAB between the speaker and the occasion.
      const std::size_t to = intro.find(" to ");
      if (to != std::string::npos) intro.replace(to, 1, "\t");
    }
    const QuestionPattern& saying = d.Pick(kSayings);
    std::string quote = Fill(d, saying.question);
    quote += "*";
    quote += Fill(d, saying.answer);
    if (d.Chance(10)) {
      // A long situation, past the first 254 characters of its record.
      for (int i = 0; i < 4; ++i) quote += " " + Capitalized(Fill(d, d.Pick(kClauses))) + ".";
    }
    const char mark = d.Chance(70) ? '"' : '\'';
    out += "  " + Reference(v);
    out += d.Chance(50) ? '\t' : ' ';
    out += intro + ": " + mark + quote + mark + "\r\n";
  }
  return out + "= End of situation questions\r\n";
}

}  // namespace

std::string MakeSampleDatabase() {
  Draw d(20240601);
  std::string db = RegularSection(d);
  db += ReferenceSection(d);
  db += FtvSection(d);
  db += SituationSection(d);
  db += "Sample database: every question above is made up from word lists.\r\n";
  return db;
}

}  // namespace sample

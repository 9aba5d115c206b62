// What CheckRun verifies, from the files alone:
// - the usage record holds one block of 33 lines per quiz, headed "Quiz q",
//   with one listing line per place, then the run notes;
// - each place's kind is its pattern's letter (pat.txt), and every pattern
//   keeps each kind and the total within the style's minimum and maximum
//   and every specialty inside the specialty window;
// - the sectors of a quiz are 1 to QMAX, each once, unless a run note
//   names that quiz as repeating sectors;
// - a question (kind, sector, number) always shows the same verse and
//   text, and verses never go down as sectors go up;
// - no question twice in a quiz, unless its sector showed no other question
//   of its kind in the whole run;
// - with no repeats asked for, no question comes back before its kind's
//   pool restarted (a repeat note of the kind, or of the quiz's sectors);
// - the regular pool restarts after quiz MINQZ1, then every MINQZ1 - 1
//   quizzes (at least every quiz), each with its note;
// - the packet prints every listed question's reference and text, in order.
#include "tests/support/run_checker.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

namespace testsupport {

namespace fs = std::filesystem;

namespace {

constexpr int kBlockLines = 33;
constexpr std::size_t kPacketWindow = 3000;  // the most a question lies past the one before
const char* const kKinds = "FROS";

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string TrimRight(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

int Number(const std::string& s) {
  try {
    return std::stoi(s);
  } catch (...) {
    return -1;
  }
}

/// Runs of blanks, TABs, line ends, form feeds and "..." (which joins the
/// first words of an FTV question in the packet) as one blank.
std::string Squeeze(std::string text) {
  for (std::size_t at = text.find("..."); at != std::string::npos; at = text.find("...", at)) {
    text.replace(at, 3, " ");
  }
  std::string out;
  bool blank = false;
  for (char c : text) {
    const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
    if (space) {
      if (!blank && !out.empty()) out += ' ';
      blank = true;
    } else {
      out += c;
      blank = false;
    }
  }
  return TrimRight(out);
}

/// The squeezed packet without its printed references ("M 5: 3").
std::string WithoutReferences(const std::string& packet) {
  auto digit = [&](std::size_t i) {
    return i < packet.size() && packet[i] >= '0' && packet[i] <= '9';
  };
  std::string out;
  for (std::size_t i = 0; i < packet.size();) {
    std::size_t j = i;
    if (packet.compare(i, 2, "M ") == 0 && (i == 0 || packet[i - 1] == ' ')) {
      j = i + 2;
      while (digit(j)) ++j;
      if (j > i + 2 && j < packet.size() && packet[j] == ':') {
        ++j;
        if (j < packet.size() && packet[j] == ' ') ++j;
        const std::size_t verse = j;
        while (digit(j)) ++j;
        if (j > verse && (j == packet.size() || packet[j] == ' ')) {
          i = j + (j < packet.size() ? 1 : 0);
          continue;
        }
      }
    }
    out += packet[i++];
  }
  return out;
}

/// Only the words: every character but a letter or digit as a blank.
std::string Words(std::string text) {
  for (char& c : text) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = ' ';
  }
  return Squeeze(text);
}

char KindOfTypeColumn(const std::string& type) {
  if (type.empty()) return 'n';
  if (type == "CV") return 'R';
  if (type == "CO") return 'O';
  if (type == "SIT") return 'S';
  return 'F';
}

/// Quiz numbers named by the notes that let sectors repeat in a quiz.
std::set<int> QuizzesNamed(const std::vector<std::string>& notes, const std::string& prefix,
                           const std::string& quiz_word) {
  std::set<int> out;
  for (const std::string& n : notes) {
    if (!n.starts_with(prefix)) continue;
    const std::size_t at = n.rfind(quiz_word);
    if (at != std::string::npos) out.insert(Number(n.substr(at + quiz_word.size())));
  }
  return out;
}

}  // namespace

StyleSettings ReadStyleSettings(const fs::path& file) {
  const std::vector<std::string> l = SplitLines(ReadFile(file));
  StyleSettings s;
  if (l.size() < 29) return s;
  auto n = [&](int line) { return Number(l[static_cast<std::size_t>(line - 1)]); };
  s.name4 = TrimRight(l[3]);
  s.out = l[5].empty() ? ' ' : l[5][0];
  s.places = n(7);
  s.ipc = n(10);
  s.quizzes = n(12);
  s.sec1 = l[12].empty() ? ' ' : l[12][0];
  s.repeat_pct = n(14);
  s.sp_max = n(15);
  s.sp_min = n(16);
  for (int k = 0; k < 4; ++k) {
    s.max[k] = n(17 + 2 * k);
    s.min[k] = n(18 + 2 * k);
  }
  s.early = n(26);
  s.late = n(27);
  return s;
}

UsageRecord ReadUsageRecord(const fs::path& file, std::vector<std::string>& problems) {
  UsageRecord r;
  const std::vector<std::string> lines = SplitLines(ReadFile(file));
  std::size_t at = 0;
  while (at < lines.size() && lines[at].starts_with("  Que Sec Num    Verse  Type  Question")) {
    const int q = static_cast<int>(r.quizzes.size()) + 1;
    const std::string& heading = lines[at];
    const std::string quiz = "Quiz " + std::to_string(q);
    if (!heading.ends_with(quiz) || heading.size() != 73) {
      problems.push_back("block " + std::to_string(q) + " is headed \"" + heading + "\"");
    }
    if (at + kBlockLines > lines.size()) {
      problems.push_back("block " + std::to_string(q) + " is shorter than 33 lines");
      return r;
    }
    if (!lines[at + 1].empty()) problems.push_back(quiz + ": no empty line after the heading");
    std::vector<Listed> places;
    std::size_t i = at + 2;
    for (; i < at + kBlockLines && !lines[i].empty(); ++i) {
      const std::string& l = lines[i];
      Listed p;
      p.place = Number(l.substr(0, 4));
      p.sector = Number(l.substr(5, 4));
      p.number = Number(l.substr(9, 4));
      p.verse = l.size() >= 22 ? l.substr(17, 5) : "";
      p.chapter = Number(p.verse.substr(0, 2));
      p.verse_number = Number(p.verse.size() == 5 ? p.verse.substr(3, 2) : "");
      p.kind = KindOfTypeColumn(TrimRight(l.size() > 24 ? l.substr(24, 6) : ""));
      p.text = l.size() > 30 ? TrimRight(l.substr(30)) : "";
      if (l[4] != '.' || l.substr(13, 4) != "  M " ||
          p.place != static_cast<int>(places.size()) + 1) {
        problems.push_back(quiz + ": listing line \"" + l + "\" is malformed");
      }
      places.push_back(p);
    }
    for (; i < at + kBlockLines; ++i) {
      if (!lines[i].empty()) problems.push_back(quiz + ": the block goes on past its empty lines");
    }
    r.quizzes.push_back(std::move(places));
    at += kBlockLines;
  }
  for (; at < lines.size(); ++at) {
    if (!lines[at].empty()) r.notes.push_back(lines[at]);
  }
  return r;
}

std::string CheckRun(const fs::path& dir, const std::string& style, const CheckOptions& options) {
  std::vector<std::string> problems;
  auto problem = [&](const std::string& p) { problems.push_back(p); };
  const StyleSettings s = ReadStyleSettings(dir / (style + ".spe"));
  const int quizzes = options.quizzes >= 0 ? options.quizzes : s.quizzes;
  const UsageRecord usage = ReadUsageRecord(dir / (s.name4 + ".inf"), problems);
  const std::vector<std::string> patterns = SplitLines(ReadFile(dir / "pat.txt"));

  if (static_cast<int>(usage.quizzes.size()) != quizzes) {
    problem("the usage record holds " + std::to_string(usage.quizzes.size()) + " quizzes, not " +
            std::to_string(quizzes));
  }
  if (static_cast<int>(patterns.size()) < s.quizzes) problem("pat.txt holds too few patterns");

  // The patterns, as the style allows them.
  for (int q = 1; q <= std::min<int>(s.quizzes, static_cast<int>(patterns.size())); ++q) {
    const std::string& pat = patterns[static_cast<std::size_t>(q - 1)];
    const std::string quiz = "quiz " + std::to_string(q) + " (" + pat + ")";
    int total = 0;
    for (int k = 0; k < 4; ++k) {
      const int n = static_cast<int>(std::count(pat.begin(), pat.end(), kKinds[k]));
      total += n;
      if (n < s.min[k] || n > s.max[k]) problem(quiz + ": " + kKinds[k] + " outside its limits");
    }
    if (total < s.sp_min || total > s.sp_max) problem(quiz + ": specialties outside their limits");
    for (int i = 1; i <= static_cast<int>(pat.size()); ++i) {
      if (pat[static_cast<std::size_t>(i - 1)] != 'n' && (i < s.early || i > s.late)) {
        problem(quiz + ": a specialty outside the window at place " + std::to_string(i));
      }
    }
  }

  const std::set<int> sectors_repeat = [&] {
    std::set<int> a = QuizzesNamed(usage.notes, "Sectors or Questions repeated in quiz ", "quiz ");
    std::set<int> b = QuizzesNamed(usage.notes, "Sectors repeat Quest ", "Quiz ");
    a.insert(b.begin(), b.end());
    return a;
  }();
  const std::map<char, std::string> repeat_note = {{'n', "Regular Question Repeats begin quiz "},
                                                   {'R', "CV Repeats begin quiz "},
                                                   {'O', "CO repeats begin quiz "},
                                                   {'S', "Situation Repeats begin quiz "},
                                                   {'F', "FTV Repeats begin quiz "}};
  std::map<char, std::set<int>> restarts;
  for (const auto& [kind, prefix] : repeat_note)
    restarts[kind] = QuizzesNamed(usage.notes, prefix, "quiz ");

  // Every question's verse and text, and the sectors' verse ranges.
  using Key = std::tuple<char, int, int>;
  std::map<Key, std::pair<std::string, std::string>> shown;
  std::map<std::pair<char, int>, std::set<int>> numbers_seen;
  std::map<int, std::string> lowest, highest;  // sector -> its lowest and highest verse
  for (std::size_t qi = 0; qi < usage.quizzes.size(); ++qi) {
    for (const Listed& p : usage.quizzes[qi]) {
      const Key key{p.kind, p.sector, p.number};
      const std::string text = p.kind == 'F' || p.kind == 'S' ? p.text.substr(0, 30) : p.text;
      auto [it, fresh] = shown.emplace(key, std::make_pair(p.verse, text));
      if (!fresh && it->second != std::make_pair(p.verse, text)) {
        problem("quiz " + std::to_string(qi + 1) + " place " + std::to_string(p.place) +
                ": question " + p.kind + " " + std::to_string(p.sector) + "." +
                std::to_string(p.number) + " shows " + p.verse + " \"" + text + "\", earlier " +
                it->second.first + " \"" + it->second.second + "\"");
      }
      numbers_seen[{p.kind, p.sector}].insert(p.number);
      // References compare as text in verse order.
      auto [low, new_low] = lowest.emplace(p.sector, p.verse);
      if (!new_low) low->second = std::min(low->second, p.verse);
      auto [high, new_high] = highest.emplace(p.sector, p.verse);
      if (!new_high) high->second = std::max(high->second, p.verse);
    }
  }
  for (const auto& [sector, verse] : highest) {
    auto next = lowest.upper_bound(sector);
    if (next != lowest.end() && next->second < verse) {
      problem("sector " + std::to_string(next->first) + " holds " + next->second + ", before " +
              verse + " of sector " + std::to_string(sector));
    }
  }
  // Within a sector a question's number follows the file's verse order.
  for (auto it = shown.begin(); it != shown.end(); ++it) {
    auto next = std::next(it);
    if (next == shown.end() || std::get<0>(next->first) != std::get<0>(it->first) ||
        std::get<1>(next->first) != std::get<1>(it->first)) {
      continue;
    }
    if (next->second.first < it->second.first) {
      problem(std::string(1, std::get<0>(it->first)) + " questions of sector " +
              std::to_string(std::get<1>(it->first)) + ": number " +
              std::to_string(std::get<2>(next->first)) + " shows " + next->second.first +
              ", number " + std::to_string(std::get<2>(it->first)) + " " + it->second.first);
    }
  }

  // Quiz by quiz.
  std::map<char, std::set<std::pair<int, int>>> used;  // since the kind's last restart
  for (std::size_t qi = 0; qi < usage.quizzes.size(); ++qi) {
    const int q = static_cast<int>(qi) + 1;
    const std::vector<Listed>& places = usage.quizzes[qi];
    const std::string quiz = "quiz " + std::to_string(q);
    const std::string pat = qi < patterns.size() ? patterns[qi] : "";
    if (s.sec1 != 'C' && static_cast<int>(places.size()) != s.places) {
      problem(quiz + " has " + std::to_string(places.size()) + " places");
    }
    std::vector<int> sectors;
    std::set<Key> in_quiz;
    for (const Listed& p : places) {
      const char want = p.place <= static_cast<int>(pat.size())
                            ? pat[static_cast<std::size_t>(p.place - 1)]
                            : 'n';
      if (p.kind != want) {
        problem(quiz + " place " + std::to_string(p.place) + " is " + p.kind + ", its pattern " +
                want);
      }
      sectors.push_back(p.sector);
      const Key key{p.kind, p.sector, p.number};
      if (!in_quiz.insert(key).second && numbers_seen[{p.kind, p.sector}].size() > 1) {
        problem(quiz + ": question " + p.kind + " " + std::to_string(p.sector) + "." +
                std::to_string(p.number) + " twice");
      }
    }
    std::sort(sectors.begin(), sectors.end());
    bool permutation = true;
    for (std::size_t i = 0; i < sectors.size(); ++i)
      permutation &= sectors[i] == static_cast<int>(i) + 1;
    if (!permutation && !sectors_repeat.count(q))
      problem(quiz + " repeats a sector without a note");

    if (s.repeat_pct == 0) {
      for (const auto& [kind, prefix] : repeat_note) {
        // The regular pool restarts before the quiz's first question; a
        // specialty pool may restart in the middle of the quiz.
        const bool restart = restarts[kind].count(q) || sectors_repeat.count(q);
        if (restart) used[kind].clear();
        for (const Listed& p : places) {
          if (p.kind != kind) continue;
          if (used[kind].count({p.sector, p.number}) &&
              numbers_seen[{p.kind, p.sector}].size() > 1) {
            problem(quiz + ": question " + kind + " " + std::to_string(p.sector) + "." +
                    std::to_string(p.number) + " repeated before its pool restarted");
          }
          if (kind == 'n' || !restart) used[kind].insert({p.sector, p.number});
        }
        if (restart && kind != 'n') used[kind].clear();
      }
    }
  }

  // The regular pool's restarts.
  const std::set<int>& regular = restarts['n'];
  int minqz1 = options.minqz1;
  if (minqz1 == 0 && !regular.empty()) minqz1 = *regular.begin() - 1;
  if (minqz1 > 0) {
    std::set<int> expected;
    for (int q = minqz1 + 1; q <= quizzes; q += std::max(1, minqz1 - 1)) expected.insert(q);
    if (expected != regular) {
      std::string got;
      for (int q : regular) got += " " + std::to_string(q);
      problem("regular restarts in quizzes" + got + ", not every " +
              std::to_string(std::max(1, minqz1 - 1)) + " after " + std::to_string(minqz1));
    }
  }

  // The packet prints what the usage record lists, in the same order: the
  // texts, word for word (read without the printed references, which may
  // stand between a question's first words and the rest, and without
  // punctuation, which the first words of an FTV question lose) and the
  // references.
  const std::string packet = Squeeze(ReadFile(dir / (s.name4 + ".qui")));
  const std::string texts = Words(WithoutReferences(packet));
  std::size_t text_at = 0, ref_at = 0;
  for (std::size_t qi = 0; qi < usage.quizzes.size(); ++qi) {
    for (const Listed& p : usage.quizzes[qi]) {
      const std::string place =
          "quiz " + std::to_string(qi + 1) + " place " + std::to_string(p.place);
      // The start of the question; of a SIT question its introduction,
      // which the packet sets apart from the quotation.
      std::string snippet = p.text.substr(0, 24);
      if (p.kind == 'S') snippet = snippet.substr(0, snippet.find_first_of("\"'"));
      snippet = Words(snippet);
      const std::size_t at = texts.find(snippet, text_at);
      if (at == std::string::npos || at - text_at > kPacketWindow) {
        problem(place + ": the packet does not print \"" + snippet + "\" where expected");
      } else {
        text_at = at + snippet.size();
      }
      const std::string ref = Squeeze("M " + p.verse);
      const std::size_t ref_found = packet.find(ref, ref_at);
      if (ref_found == std::string::npos || ref_found - ref_at > kPacketWindow) {
        problem(place + ": the packet does not print " + ref + " where expected");
      } else {
        ref_at = ref_found + ref.size();
      }
    }
  }

  std::string out;
  for (const std::string& p : problems) out += p + "\n";
  return out;
}

}  // namespace testsupport

#include "packets/history/history.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <ostream>

namespace packets::history {

namespace {

constexpr int kFields = 6;  // time, name, quiz, place, kind, record
constexpr int kNameCap = 14;

/// The number written in `s` when it is one from low to high.
std::optional<int> Number(std::string_view s, int low, int high) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < low || v > high) return std::nullopt;
  return v;
}

/// "YYYY-MM-DD HH:MM:SS" with a month, a day, hours, minutes and seconds in
/// their ranges.
bool IsTime(std::string_view t) {
  if (t.size() != 19 || t[4] != '-' || t[7] != '-' || t[10] != ' ' || t[13] != ':' ||
      t[16] != ':') {
    return false;
  }
  return Number(t.substr(0, 4), 1, 9999) && Number(t.substr(5, 2), 1, 12) &&
         Number(t.substr(8, 2), 1, 31) && Number(t.substr(11, 2), 0, 23) &&
         Number(t.substr(14, 2), 0, 59) && Number(t.substr(17, 2), 0, 59);
}

/// A data line begins with a verse reference: chapter and verse, each two
/// characters (a blank before a single digit), with a colon between.
bool IsRecord(std::string_view r) {
  auto two = [](char a, char b) {
    return (a == ' ' || (a >= '0' && a <= '9')) && b >= '0' && b <= '9';
  };
  return r.size() >= 5 && two(r[0], r[1]) && r[2] == ':' && two(r[3], r[4]);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto low = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
           return low(x) == low(y);
         });
}

std::string Show(std::string_view s) {
  return "\"" + std::string(s.substr(0, 40)) + (s.size() > 40 ? "...\"" : "\"");
}

/// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long DaysFromCivil(long y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::string FormatTime(long long seconds) {
  long days = static_cast<long>(seconds / 86400);
  long rest = static_cast<long>(seconds % 86400);
  if (rest < 0) rest += 86400, --days;
  // Civil date from days (the inverse of DaysFromCivil).
  const long z = days + 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long d = doy - (153 * mp + 2) / 5 + 1;
  const long m = mp + (mp < 10 ? 3 : -9);
  const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%04ld-%02ld-%02ld %02ld:%02ld:%02ld", y, m, d, rest / 3600,
                rest / 60 % 60, rest % 60);
  return buf;
}

long long Seconds(std::string_view t) {
  auto n = [&](std::size_t at, std::size_t len) { return *Number(t.substr(at, len), 0, 9999); };
  return static_cast<long long>(DaysFromCivil(n(0, 4), n(5, 2), n(8, 2))) * 86400 +
         n(11, 2) * 3600 + n(14, 2) * 60 + n(17, 2);
}

/// Groups the lines into runs, ranks the runs by time (earlier lines first
/// among runs of the same time) and notes each record's latest use.
void Index(History& h) {
  for (std::size_t i = 0; i < h.lines.size(); ++i) {
    Line& line = h.lines[i];
    if (h.runs.empty() || h.runs.back().when != line.when || h.runs.back().name != line.name) {
      h.runs.push_back(RecordedRun{line.when, line.name, static_cast<int>(i), 0, 0, 0});
    }
    RecordedRun& run = h.runs.back();
    // A quiz's lines follow one another, so a new quiz number is a change.
    if (run.lines == 0 || h.lines[i - 1].quiz != line.quiz) ++run.quizzes;
    ++run.lines;
    line.run = static_cast<int>(h.runs.size()) - 1;
  }
  std::vector<int> order(h.runs.size());
  for (std::size_t r = 0; r < order.size(); ++r) order[r] = static_cast<int>(r);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return h.runs[a].when < h.runs[b].when; });
  for (std::size_t k = 0; k < order.size(); ++k) h.runs[order[k]].rank = static_cast<int>(k) + 1;
  for (auto& latest : h.latest) latest.reserve(h.lines.size() / 4);
  for (const Line& line : h.lines) {
    auto& latest = h.latest[kKinds.find(line.kind)];
    const int rank = h.runs[line.run].rank;
    auto [it, added] = latest.try_emplace(line.record, rank);
    if (!added && it->second < rank) it->second = rank;
  }
}

}  // namespace

std::optional<std::string> ParseLine(std::string_view text, Line& line) {
  return ParseLine(text, line, {});
}

std::optional<std::string> ParseLine(std::string_view text, Line& line,
                                     std::string_view checked_time) {
  std::string_view field[kFields];
  // The fields before the record are short: a plain scan finds their tabs
  // sooner than a search of the whole line would.
  std::size_t at = 0;
  std::size_t i = 0;
  for (int f = 0; f < kFields - 1; ++f) {
    while (i < text.size() && text[i] != '\t') ++i;
    if (i == text.size()) {
      return "the line has " + std::to_string(f + 1) +
             " of its 6 fields (time, output name, quiz, place, kind, question), separated by "
             "tabs";
    }
    field[f] = text.substr(at, i - at);
    at = ++i;
  }
  field[kFields - 1] = text.substr(at);
  line = Line{};
  line.when = field[0];
  if (line.when != checked_time && !IsTime(line.when)) {
    return "the time " + Show(line.when) + " is not written as YYYY-MM-DD HH:MM:SS";
  }
  line.name = field[1];
  if (line.name.empty() || line.name.size() > kNameCap) {
    return "the output name " + Show(line.name) + " is not 1 to 14 characters long";
  }
  const auto quiz = Number(field[2], 1, 150);
  if (!quiz) return "the quiz number " + Show(field[2]) + " is not a whole number from 1 to 150";
  line.quiz = static_cast<std::int16_t>(*quiz);
  const auto place = Number(field[3], 1, 30);
  if (!place) return "the place " + Show(field[3]) + " is not a whole number from 1 to 30";
  line.place = static_cast<std::int16_t>(*place);
  if (field[4].size() != 1 || kKinds.find(field[4][0]) == std::string_view::npos) {
    return "the kind " + Show(field[4]) + " is not one of n F R O S";
  }
  line.kind = field[4][0];
  line.record = field[5];
  if (!IsRecord(line.record)) {
    return "the question " + Show(line.record) + " does not begin with a verse reference";
  }
  return std::nullopt;
}

std::optional<std::string> Read(const console::WorkDir& dir, const std::string& file, History& h) {
  h = History{};
  h.file = file;
  if (!dir.Exists(file)) return std::nullopt;
  h.text = std::make_unique<console::TextReader>(dir.OpenRead(file));
  console::TextReader& in = *h.text;
  h.lines.reserve(in.Size() / 64);
  const char* first = nullptr;  // the text's first byte
  bool crlf = true;
  for (int number = 1; !in.Eof(); ++number) {
    const std::string_view text = in.ReadLineView();
    if (!first) first = text.data();
    const auto start = static_cast<std::size_t>(text.data() - first);
    crlf = crlf && in.Position() - start - text.size() == 2 && text.data()[text.size()] == '\r';
    if (text.empty()) {
      crlf = false;  // an empty line holds nothing, and is not written back
      continue;
    }
    Line line;
    // The lines of a run share their time: it is checked once.
    if (auto refused = ParseLine(text, line, h.lines.empty() ? "" : h.lines.back().when)) {
      return file + ", line " + std::to_string(number) + ": " + *refused;
    }
    h.lines.push_back(line);
  }
  if (first && crlf) h.whole = std::string_view(first, in.Size());
  Index(h);
  return std::nullopt;
}

std::optional<std::string> Check(const console::WorkDir& dir, const std::string& file) {
  if (!dir.Exists(file)) return std::nullopt;
  console::TextReader in = dir.OpenRead(file);
  std::string_view time;  // of the line before, found good
  for (int number = 1; !in.Eof(); ++number) {
    const std::string_view text = in.ReadLineView();
    if (text.empty()) continue;
    Line line;
    if (auto refused = ParseLine(text, line, time)) {
      return file + ", line " + std::to_string(number) + ": " + *refused;
    }
    time = line.when;
  }
  return std::nullopt;
}

std::string FormatLine(std::string_view when, std::string_view name, int quiz, int place, char kind,
                       std::string_view record) {
  std::string s;
  s.reserve(when.size() + name.size() + record.size() + 16);
  s.append(when).append("\t").append(name).append("\t");
  s.append(std::to_string(quiz)).append("\t").append(std::to_string(place)).append("\t");
  s += kind;
  s.append("\t").append(record);
  return s;
}

std::string NewRunTime(const History& h, std::string_view now) {
  std::string_view latest;
  for (const RecordedRun& r : h.runs) latest = std::max(latest, r.when);
  if (latest.empty() || std::string_view(now) > latest) return std::string(now);
  return FormatTime(Seconds(latest) + 1);
}

std::string Now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
  return buf;
}

void Write(const console::WorkDir& dir, const History& h, std::span<const std::string> added,
           const std::vector<bool>* keep) {
  console::TextWriter out = dir.Replace(h.file);
  if (!keep && !h.whole.empty()) {
    out.Write(h.whole);
  } else {
    for (std::size_t i = 0; i < h.lines.size(); ++i) {
      if (!keep || (*keep)[i]) out.WriteLn(h.lines[i].Raw());
    }
  }
  for (const std::string& line : added) out.WriteLn(line);
  out.Close();
}

std::vector<std::string> ListRuns(const History& h) {
  std::vector<std::string> out;
  for (const RecordedRun& r : h.runs) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.*s  %-14.*s  %3d quizzes  %5d questions",
                  static_cast<int>(r.when.size()), r.when.data(), static_cast<int>(r.name.size()),
                  r.name.data(), r.quizzes, r.lines);
    out.push_back(buf);
  }
  return out;
}

int Forget(const console::WorkDir& dir, const History& h, std::string_view name) {
  std::vector<bool> keep(h.lines.size(), true);
  int removed = 0;
  for (std::size_t i = 0; i < h.lines.size(); ++i) {
    if (SameIgnoringCase(h.lines[i].name, name)) keep[i] = false, ++removed;
  }
  if (removed > 0) Write(dir, h, {}, &keep);
  return removed;
}

int ListCommand(const console::WorkDir& dir, const std::string& file, std::ostream& out,
                std::ostream& err) {
  History h;
  if (auto refused = Read(dir, file, h)) {
    err << "packets: " << *refused << '\n';
    return 1;
  }
  if (h.runs.empty()) out << "No run is recorded in " << file << ".\n";
  for (const std::string& line : ListRuns(h)) out << line << '\n';
  return 0;
}

int ForgetCommand(const console::WorkDir& dir, const std::string& file, const std::string& name,
                  std::ostream& out, std::ostream& err) {
  History h;
  if (auto refused = Read(dir, file, h)) {
    err << "packets: " << *refused << '\n';
    return 1;
  }
  try {
    const int removed = Forget(dir, h, name);
    if (removed == 0) {
      out << "No run named " << name << " is recorded in " << file << ": nothing removed.\n";
    } else {
      out << "Removed " << removed << (removed == 1 ? " line" : " lines") << " of the runs named "
          << name << " from " << file << ".\n";
    }
  } catch (const console::RuntimeError& e) {
    err << "packets: " << file << " was left as it was: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace packets::history

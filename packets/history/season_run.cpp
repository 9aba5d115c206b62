#include "packets/history/season_run.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "packets/run/run_notes.h"
#include "packets/run/season.h"

namespace packets::history {

namespace {

/// One kind of question: its letter, its data file, the lines before the
/// material, its per-sector counts, flags and remaining counts, and its
/// part of the season state.
struct KindFile {
  char letter;
  std::string RunState::*file;
  int RunState::*before;
  Table<int, SCMAX> RunState::*count;  // as sectoring left it
  Table<int, SCMAX> RunState::*total;  // the copy taken before the quizzes
  SectorTable<Flag, SCMAX> RunState::*flags;
  SeasonKind SeasonState::*season;
  std::string (*note)(int quiz);  // the run note of a restart of the kind
};

constexpr KindFile kKindFiles[] = {
    {'n', &RunState::F3, &RunState::BEFORE, &RunState::QPS, &RunState::TQPS, &RunState::REGQUESTION,
     &SeasonState::REG, notes::RegularRepeats},
    {'F', &RunState::F4, &RunState::TEMPF, &RunState::FPS, &RunState::TFPS, &RunState::FINISH,
     &SeasonState::FIN, notes::FtvRepeats},
    {'R', &RunState::F5, &RunState::RBEFORE, &RunState::RPS, &RunState::TRPS, &RunState::REFERENCE,
     &SeasonState::REF, notes::CvRepeats},
    {'O', &RunState::F6, &RunState::OBEFORE, &RunState::OPS, &RunState::TOPS, &RunState::ONLY,
     &SeasonState::ONLY, notes::CoRepeats},
    {'S', &RunState::F7, &RunState::TEMPS, &RunState::SPS, &RunState::TSPS, &RunState::SITUATION,
     &SeasonState::SIT, notes::SitRepeats},
};

const KindFile* FileOf(char letter) {
  for (const KindFile& k : kKindFiles) {
    if (k.letter == letter) return &k;
  }
  return nullptr;
}

/// The kind's questions of the material, sector by sector: each one's
/// record and age. A file shorter than the counts leaves the rest unfound
/// (the run refuses such a file before its quizzes).
void MatchKind(Run& run, const History& h, const KindFile& k) {
  RunState& st = run.st;
  SeasonKind& kind = st.season.*k.season;
  const auto& count = st.*k.count;
  const auto& latest = h.latest[kKinds.find(k.letter)];
  int material = 0;
  for (int s = 1; s <= SCMAX; ++s) {
    kind.AGE.Size(s, 0, 0);
    kind.RECORD.Size(s, 0, {});
    kind.LEVEL[s] = 0;
    if (s <= st.SECTORS) material += std::max(count[s], 0);
  }
  if (material == 0) return;
  console::TextReader& in = st.question_files.Open(run.dir, st.*k.file);
  for (int n = 0; n < st.*k.before && !in.Eof(); ++n) in.ReadLn();
  for (int s = 1; s <= st.SECTORS; ++s) {
    kind.AGE.Size(s, std::max(count[s], 0), 0);
    kind.RECORD.Size(s, std::max(count[s], 0), {});
    for (int q = 1; q <= count[s] && !in.Eof(); ++q) {
      const std::string_view record = in.ReadLineView();
      kind.RECORD(s, q) = record;
      if (latest.empty()) continue;
      if (auto it = latest.find(record); it != latest.end()) {
        kind.AGE(s, q) = static_cast<std::uint16_t>(it->second);
      }
    }
  }
}

}  // namespace

void Match(Run& run, const History& h) {
  run.st.season.runs = static_cast<int>(h.runs.size());
  for (const KindFile& k : kKindFiles) MatchKind(run, h, k);
}

void LowerMinqz(RunState& st) {
  const SeasonKind& reg = st.season.REG;
  for (int s = 1; s <= st.SECTORS; ++s) {
    const auto ages = reg.AGE.Row(s);
    if (ages.empty() || std::all_of(ages.begin(), ages.end(), [](auto a) { return a == 0; })) {
      continue;  // nothing of an earlier run here: the sector's supply is whole
    }
    const auto start = *std::min_element(ages.begin(), ages.end());
    const int supply = static_cast<int>(std::count(ages.begin(), ages.end(), start));
    st.MINQZ = std::min(st.MINQZ, std::max(supply, 1));
  }
}

void Start(Run& run, const History& h) {
  RunState& st = run.st;
  Match(run, h);
  st.season.picks.clear();
  for (const KindFile& k : kKindFiles) {
    SeasonKind& kind = st.season.*k.season;
    for (int s = 1; s <= st.SECTORS; ++s) {
      const int total = (st.*k.total)[s];
      if (kind.AGE.Count(s) == 0) continue;
      (st.*k.count)[s] = season::StartSector(kind, st.*k.flags, s, total);
    }
  }
  LowerMinqz(st);
}

void NoteStartRepeats(Run& run) {
  const RunState& st = run.st;
  for (const KindFile& k : kKindFiles) {
    bool asked = false;
    for (int q = 1; q <= st.QZ && !asked; ++q) {
      asked = st.PAT[q].find(k.letter) != std::string::npos;
    }
    const SeasonKind& kind = st.season.*k.season;
    bool repeats = false;
    for (int s = 1; s <= st.SECTORS; ++s) {
      repeats = repeats || (kind.AGE.Count(s) > 0 && kind.LEVEL[s] > 0);
    }
    if (asked && repeats) notes::AppendNote(run, k.note(1));
  }
}

void NoteQuiz(RunState& st) {
  const std::string& pattern = st.PAT[st.Q2];
  for (int i = 1; i <= st.SECTORS; ++i) {
    const char kind = i <= static_cast<int>(pattern.size()) ? pattern[i - 1] : ' ';
    const int s = st.SECTOR[i];
    const int k = st.NUMBER[i];
    if (!FileOf(kind) || s < 1 || s > SCMAX || k < 1) continue;
    st.season.picks.push_back(SeasonPick{st.Q2, i, kind, s, k});
  }
}

Figures Count(const RunState& st) {
  Figures f;
  std::set<std::tuple<char, int, int>> used;  // each question once
  std::set<char> kinds;
  for (const SeasonPick& p : st.season.picks) {
    kinds.insert(p.kind);
    const SeasonKind& kind = st.season.*FileOf(p.kind)->season;
    if (p.number > kind.AGE.Count(p.sector) || kind.AGE(p.sector, p.number) == 0) continue;
    if (used.emplace(p.kind, p.sector, p.number).second) ++f.returned;
  }
  int recorded = 0;
  for (char letter : kinds) {
    const SeasonKind& kind = st.season.*FileOf(letter)->season;
    for (int s = 1; s <= SCMAX; ++s) {
      for (auto a : kind.AGE.Row(s)) recorded += a > 0 ? 1 : 0;
    }
  }
  f.avoided = recorded - f.returned;
  return f;
}

std::vector<std::string> RunLines(const RunState& st, const std::string& when) {
  std::vector<std::string> lines;
  lines.reserve(st.season.picks.size());
  for (const SeasonPick& p : st.season.picks) {
    const SeasonKind& kind = st.season.*FileOf(p.kind)->season;
    if (p.number > kind.RECORD.Count(p.sector)) continue;
    lines.push_back(
        FormatLine(when, st.NAME4, p.quiz, p.place, p.kind, kind.RECORD(p.sector, p.number)));
  }
  return lines;
}

std::vector<std::string> Record(Run& run, const History& h, const std::string& now) {
  RunState& st = run.st;
  const Figures f = Count(st);
  std::vector<std::string> below{"  " + notes::SeasonFigures(f.avoided, f.returned)};
  try {
    Write(run.dir, h, RunLines(st, NewRunTime(h, now)));
  } catch (const console::RuntimeError& e) {
    st.season.unwritten = true;
    below.push_back("  The season history " + st.season.FILE + " was NOT updated:");
    below.push_back(std::string("  ") + e.what());
  }
  for (std::string& line : below) line = line.substr(0, 79);
  return below;
}

}  // namespace packets::history

// The quiz in hand and the settings of the run, gathered from the run state,
// and the usage-record block written whole.
#include <algorithm>

#include "packets/output/output.h"
#include "packets/run/append_files.h"

namespace packets::output {

namespace {
std::string Capped(const std::string& s, std::size_t cap) {
  return s.size() > cap ? s.substr(0, cap) : s;
}

// A pattern letter of the quiz; anything but a specialty letter is regular.
char KindOf(const std::string& pattern, int place) {
  if (place > static_cast<int>(pattern.size())) return 'n';
  char c = pattern[static_cast<std::size_t>(place - 1)];
  return c == 'F' || c == 'R' || c == 'O' || c == 'S' ? c : 'n';
}
}  // namespace

Quiz GatherQuiz(const RunState& st) {
  Quiz quiz;
  quiz.number = st.Q2;
  const std::string& pattern = st.PAT[st.Q2];
  const int places = std::clamp(st.SECTORS, 0, SCMAX);
  for (int x = 1; x <= places; ++x) {
    Place p;
    p.kind = KindOf(pattern, x);
    p.sector = st.SECTOR[x];
    p.number = st.NUMBER[x];
    p.book = st.RLBK[x];
    p.all = Capped(st.ALL[x], LMAX);
    p.all2 = Capped(st.ALL2[x], LMAX);
    quiz.places.push_back(std::move(p));
  }
  return quiz;
}

Settings GatherSettings(const RunState& st) {
  Settings s;
  s.OUT = st.OUT;
  s.AB = st.AB;
  s.LPP = st.LPP;
  s.BCHAP = st.BCHAP;
  s.BVER = st.BVER;
  s.ECHAP = st.ECHAP;
  s.EVER = st.EVER;
  s.NAME = Capped(st.STYLENAME, kNameCap);
  return s;
}

void WriteUsageBlock(Run& run) {
  const std::string block = UsageBlock(GatherQuiz(run.st));
  AppendToFile(run, run.st.F10, block);
}

}  // namespace packets::output

// What the selection tests share: a run over a scratch directory with a
// sector table, question lines and availability set up directly.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "console/random.h"
#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/run/run.h"
#include "packets/selection/kinds.h"
#include "tests/support/scratch_dir.h"

namespace packets::selection::testing_support {

/// A virtual console that keeps the screen (and the cursor's row) each time
/// a key is read.
class ScreenRecorder : public console::VirtualConsole {
 public:
  char ReadKey() override {
    screens.push_back(Text());
    rows.push_back(WhereY());
    return VirtualConsole::ReadKey();
  }
  std::vector<std::string> screens;
  std::vector<int> rows;
};

/// Row y (1-based) of a screen as ScreenRecorder keeps it.
inline std::string RowOf(const std::string& screen, int y) {
  return screen.substr(static_cast<std::size_t>(y - 1) * 81, 80);
}

struct Scene {
  explicit Scene(int sectors, std::uint64_t seed = 7)
      : dir(scratch.path()), rng(clock), run{st, con, rng, dir} {
    rng.Seed(seed);
    st.SECTORS = st.SECTORS2 = st.QMAX = sectors;
    st.Q2 = 1;
    st.QZ = 1;
    st.RSET = 4;
    st.V = 2;
    st.IPC = 50;
    st.MINQZ = st.MINQZ1 = 100;
    st.F10 = "TEAM.inf";
    dir.OpenWrite(st.F9).Close();
    dir.OpenWrite(st.F10).Close();
    Pattern(std::string(30, 'n'));
    for (char kind : {'n', 'R', 'O', 'S', 'F'}) Give(kind, std::vector<int>(sectors, 0));
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  /// The pattern of every quiz (padded with "n" to 30 places).
  void Pattern(std::string pat) {
    pat.resize(30, 'n');
    for (int q = 1; q <= QQZ; ++q) st.PAT[q] = pat;
    st.TYP = pat;
  }

  /// Gives sector s (1 first) counts[s - 1] questions of `kind`, all
  /// available, each line naming its kind, sector and number: "R 3.2".
  /// FTV lines carry the type code `ftv_type(s, k)`.
  void Give(char kind, const std::vector<int>& counts,
            std::string (*ftv_type)(int s, int k) = nullptr) {
    Table<int, SCMAX>* remaining = &st.QPS;
    Table<int, SCMAX>* total = &st.TQPS;
    SectorTable<Flag, SCMAX>* flags = &st.REGQUESTION;
    SectorTable<std::string, SCMAX>* lines = &st.REGLINE;
    if (const SpecialtyKind* k = KindOf(kind)) {
      remaining = &(st.*k->remaining);
      total = &(st.*k->total);
      flags = &(st.*k->flags);
      lines = &(st.*k->lines);
    }
    for (int s = 1; s <= SCMAX; ++s) {
      const int n =
          s <= static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(s - 1)] : 0;
      (*remaining)[s] = (*total)[s] = n;
      flags->Size(s, n, 1);
      lines->Size(s, n, {});
      if (kind == 'n') st.INT.Size(s, n, 0);
      if (kind == 'F') st.FTYPE.Size(s, n, ' ');
      for (int k = 1; k <= n; ++k) {
        const std::string name =
            std::string(1, kind) + " " + std::to_string(s) + "." + std::to_string(k);
        if (kind == 'F') {
          const std::string code = ftv_type ? ftv_type(s, k) : "FTV ";
          (*lines)(s, k) = " 1: 1\t" + code + "\t" + name;
          st.FTYPE(s, k) =
              static_cast<std::int8_t>(code[2] == 'V' && code[3] == 'R' ? 'R' : code[2]);
        } else {
          (*lines)(s, k) = " 1: 1\t" + name;
        }
      }
    }
  }

  /// A quiz about to be chosen: every sector free, no place filled.
  void NewQuiz() {
    for (int i = 1; i <= SCMAX; ++i) {
      st.FLAG[i] = 1;
      st.SECTOR[i] = st.RSECTOR[i] = 99;
      st.NUMBER[i] = st.RNUMBER[i] = 0;
    }
    st.SECOND = 0;
    st.LAST = st.LASTO = 99;
    st.TYP = st.PAT[st.Q2];
  }

  /// The run notes written so far, one entry per line.
  std::vector<std::string> Notes() const {
    std::vector<std::string> out;
    console::TextReader in = dir.OpenRead(st.F9);
    while (!in.Eof()) out.push_back(in.ReadLine());
    return out;
  }

  std::string Get(const std::string& name) const { return scratch.Get(name); }

  /// "R 3.2": what place i holds, from its text.
  std::string Held(int i) const { return st.ALL[i].substr(st.ALL[i].rfind('\t') + 1); }

  testsupport::ScratchDir scratch;
  console::WorkDir dir;
  console::FixedClock clock;
  console::Random rng;
  ScreenRecorder con;
  RunState st;
  Run run;
};

}  // namespace packets::selection::testing_support

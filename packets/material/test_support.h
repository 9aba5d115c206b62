// What the tests of the material phases share: a run over a fresh
// temporary working directory, a virtual console and a fixed clock, and
// small writers of question files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "console/random.h"
#include "console/text_file.h"
#include "console/virtual_screen.h"
#include "packets/run/run.h"
#include "packets/run/run_state.h"
#include "packets/material/question_index.h"
#include "tests/support/scratch_dir.h"

namespace packets::material::testing_support {

/// A run over its own empty temporary directory, removed afterwards.
struct Scene {
  Scene() : root(scratch.path()), dir(root), rng(clock), run{st, con, rng, dir} {}
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  /// Writes `text` as it stands into `name` in the working directory.
  void Put(const std::string& name, const std::string& text) const {
    std::ofstream out(root / name, std::ios::binary);
    out << text;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(root / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  testsupport::ScratchDir scratch;
  std::filesystem::path root;
  console::WorkDir dir;
  console::FixedClock clock;
  console::Random rng;
  console::VirtualConsole con;
  RunState st;
  Run run;
};

/// The reference of chapter c, verse v as every question line begins.
inline std::string Ref(int c, int v) {
  std::string s;
  s += c < 10 ? ' ' : static_cast<char>('0' + c / 10);
  s += static_cast<char>('0' + c % 10);
  s += ':';
  s += v < 10 ? ' ' : static_cast<char>('0' + v / 10);
  s += static_cast<char>('0' + v % 10);
  return s;
}

/// Lines "REF\ttext" for every (chapter, verse, how many) entry, in order.
inline std::string QuestionLines(const std::vector<std::pair<std::pair<int, int>, int>>& verses,
                                 const std::string& text = "What is this?") {
  std::string out;
  for (const auto& [cv, n] : verses) {
    for (int i = 0; i < n; ++i) out += Ref(cv.first, cv.second) + "\t" + text + "\r\n";
  }
  return out;
}

/// Sets the material bounds and the number of sectors, and totals the
/// per-verse tables over the material as the index does.
inline void SetMaterial(RunState& st, int bc, int bv, int ec, int ev, int sectors) {
  st.BCHAP = bc;
  st.BVER = bv;
  st.ECHAP = ec;
  st.EVER = ev;
  st.SECTORS = st.SECTORS2 = st.QMAX = sectors;
  TotalMaterial(st);
}

/// Gives every verse from..to of chapter c `n` regular questions.
inline void RegularOn(RunState& st, int c, int from, int to, int n = 1) {
  for (int v = from; v <= to; ++v) st.QCOUNT(c, v) = static_cast<std::uint8_t>(n);
}

/// The five counts of one sector, for comparing whole tables at once.
struct Counts {
  int q, f, r, o, s;
  bool operator==(const Counts&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "{" << c.q << "," << c.f << "," << c.r << "," << c.o << "," << c.s << "}";
}
inline std::vector<Counts> SectorCounts(const RunState& st) {
  std::vector<Counts> out;
  for (int s = 1; s <= st.SECTORS; ++s) {
    out.push_back({st.QPS[s], st.FPS[s], st.RPS[s], st.OPS[s], st.SPS[s]});
  }
  return out;
}
/// "c:v-c:v" for every sector, from BC/BV to EC/EV.
inline std::vector<std::string> SectorBounds(const RunState& st) {
  std::vector<std::string> out;
  for (int s = 1; s <= st.SECTORS; ++s) {
    out.push_back(std::to_string(st.BC[s]) + ":" + std::to_string(st.BV[s]) + "-" +
                  std::to_string(st.EC[s]) + ":" + std::to_string(st.EV[s]));
  }
  return out;
}

/// The sector a verse slot of the material belongs to: the last sector
/// that begins at or before it, except that a verse on which one sector
/// ends and the next begins stays with the first.
inline int OwnerOf(const RunState& st, int c, int v) {
  auto before_or_at = [](int c1, int v1, int c2, int v2) {
    return c1 < c2 || (c1 == c2 && v1 <= v2);
  };
  int owner = 1;
  for (int s = 2; s <= st.SECTORS; ++s) {
    if (!before_or_at(st.BC[s], st.BV[s], c, v)) break;
    const bool shared = st.BC[s] == c && st.BV[s] == v && st.EC[s - 1] == c && st.EV[s - 1] == v;
    if (!shared) owner = s;
  }
  return owner;
}

/// The sector table parts the material: per kind, the sectors' counts are
/// exactly the questions on the verses each sector owns (for regular
/// questions only when `regular_by_verse`; else they must only add up to
/// TQUEST), the T copies agree, and every slot above SECTORS is zero.
inline void ExpectEveryQuestionInItsSector(const RunState& st, bool regular_by_verse) {
  std::vector<Counts> owned(static_cast<std::size_t>(st.SECTORS), Counts{0, 0, 0, 0, 0});
  int total_q = 0;
  for (int c = st.BCHAP; c <= st.ECHAP; ++c) {
    int from = c == st.BCHAP ? st.BVER : 1, to = c == st.ECHAP ? st.EVER : VMAX;
    for (int v = from; v <= to; ++v) {
      Counts& o = owned[static_cast<std::size_t>(OwnerOf(st, c, v) - 1)];
      o.q += st.QCOUNT(c, v);
      o.f += st.FCOUNT(c, v);
      o.r += st.RCOUNT(c, v);
      o.o += st.OCOUNT(c, v);
      o.s += st.SCOUNT(c, v);
      total_q += st.QCOUNT(c, v);
    }
  }
  int sum_q = 0;
  for (int s = 1; s <= st.SECTORS; ++s) {
    const Counts& o = owned[static_cast<std::size_t>(s - 1)];
    if (regular_by_verse) {
      EXPECT_EQ(st.QPS[s], o.q) << "sector " << s;
    }
    EXPECT_EQ(st.FPS[s], o.f) << "sector " << s;
    EXPECT_EQ(st.RPS[s], o.r) << "sector " << s;
    EXPECT_EQ(st.OPS[s], o.o) << "sector " << s;
    EXPECT_EQ(st.SPS[s], o.s) << "sector " << s;
    sum_q += st.QPS[s];
  }
  EXPECT_EQ(sum_q, total_q);
  EXPECT_EQ(total_q, st.TQUEST);
  for (int s = 1; s <= SCMAX; ++s) {
    EXPECT_EQ(st.TQPS[s], st.QPS[s]);
    EXPECT_EQ(st.TFPS[s], st.FPS[s]);
    EXPECT_EQ(st.TSPS[s], st.SPS[s]);
    if (s > st.SECTORS) {
      EXPECT_EQ(st.QPS[s] + st.FPS[s] + st.RPS[s] + st.OPS[s] + st.SPS[s], 0) << "slot " << s;
    }
  }
}

}  // namespace packets::material::testing_support

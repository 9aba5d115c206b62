#include "packets/material/chapter_cut.h"

#include <algorithm>

namespace packets::material {

namespace {

// Chapters left out of the limited-chapter copy of the question data.
constexpr int kFirstLeftOut = 6;
constexpr int kLastLeftOut = 25;

/// A chapter cut on its own (first == last), or a group of chapters: the
/// chapters with count 0 and the chapter with a count that closes them.
/// A run of zeros at the end of the material that no count closes has k 0.
struct CutUnit {
  int first = 0;
  int last = 0;
  int k = 0;
  int verses = 0;
};

std::vector<CutUnit> Units(const ChapterMaterial& m, const ChapterCounts& cs) {
  std::vector<CutUnit> units;
  CutUnit open;
  for (int c : m.Chapters()) {
    if (open.first == 0) open = CutUnit{c, c, 0, 0};
    open.last = c;
    open.verses += m.Verses(c);
    if (cs[c] != 0) {
      open.k = cs[c];
      units.push_back(open);
      open = CutUnit{};
    }
  }
  if (open.first != 0) units.push_back(open);
  return units;
}

/// A chapter with count k, cut into k sectors inside the chapter. The step
/// of each sector is taken by the last rule that applies, as the list below
/// is ordered.
void CutChapter(const ChapterMaterial& m, int c, int k, std::vector<SectorSpan>& out) {
  const int evs = m.EVS[c];
  const bool first_chapter = c == m.BCHAP;
  const bool last_chapter = c == m.ECHAP;
  int prev = 0;  // last verse of the previous sector of this chapter
  for (int r = 1; r <= k; ++r) {
    int d = 0;
    if (r == 1) {
      d = evs / k;
      // The first chapter of the material, begun after verse 1. A count
      // equal to its verses would give a step of 0 and a sector that ends
      // before it begins; each sector then takes one verse.
      if (first_chapter && m.BVER > 1) d = std::max(1, (evs - m.BVER) / k);
      if (last_chapter) d = m.EVER / k;
      // A material inside one chapter, begun after verse 1: the step is
      // taken over the verses of the material, not from verse 1.
      if (first_chapter && last_chapter && m.BVER > 1) d = (m.EVER - m.BVER + 1) / k;
    } else {
      d = (evs - prev) / (k - r + 1);
      if (last_chapter) d = (m.EVER - prev) / (k - r + 1);
    }
    const int first = r == 1 ? m.FirstVerse(c) : prev + 1;
    const int last = r == k ? m.LastVerse(c) : first + d - 1;
    out.push_back(SectorSpan{{c, first}, {c, last}});
    prev = last;
  }
}

/// A group of chapters cut into k sectors of V div k verses each, counted on
/// through its chapters, the last sector taking the rest. The group counts
/// only the verses that lie in the material: from BVER when it starts the
/// material, up to EVER when it ends it.
void CutGroup(const ChapterMaterial& m, const CutUnit& u, std::vector<SectorSpan>& out) {
  const int d = u.verses / u.k - 1;
  VersePlace at{u.first, m.FirstVerse(u.first)};
  for (int r = 1; r < u.k; ++r) {
    int c = at.chapter;
    int v = at.verse + d;
    while (v > m.LastVerse(c)) {
      v -= m.LastVerse(c);
      c = m.NextChapter(c);
    }
    out.push_back(SectorSpan{at, {c, v}});
    at = v >= m.LastVerse(c) ? VersePlace{m.NextChapter(c), 1} : VersePlace{c, v + 1};
  }
  out.push_back(SectorSpan{at, {u.last, m.LastVerse(u.last)}});
}

}  // namespace

ChapterMaterial ChapterMaterial::Of(const RunState& st) {
  ChapterMaterial m;
  m.BCHAP = st.BCHAP;
  m.BVER = st.BVER;
  m.ECHAP = st.ECHAP;
  m.EVER = st.EVER;
  m.limited = st.LG == 'L';
  m.EVS = st.EVS;
  return m;
}

bool ChapterMaterial::TakesPart(int chapter) const {
  if (chapter < std::max(1, BCHAP) || chapter > std::min(CHMAX, ECHAP)) return false;
  return !(limited && chapter >= kFirstLeftOut && chapter <= kLastLeftOut);
}

std::vector<int> ChapterMaterial::Chapters() const {
  std::vector<int> out;
  for (int c = 1; c <= CHMAX; ++c) {
    if (TakesPart(c)) out.push_back(c);
  }
  return out;
}

int ChapterMaterial::NextChapter(int chapter) const {
  for (int c = chapter + 1; c <= CHMAX; ++c) {
    if (TakesPart(c)) return c;
  }
  return 0;
}

int ChapterMaterial::Verses(int chapter) const {
  return std::max(0, LastVerse(chapter) - FirstVerse(chapter) + 1);
}

int ChapterMaterial::TotalVerses() const {
  int total = 0;
  for (int c : Chapters()) total += Verses(c);
  return total;
}

void DistributeSectors(const ChapterMaterial& m, int sectors, ChapterCounts& cs) {
  const std::vector<int> chapters = m.Chapters();
  if (chapters.empty()) return;
  for (int i = 0; i < sectors; ++i) ++cs[chapters[static_cast<std::size_t>(i) % chapters.size()]];
}

int TotalCount(const ChapterMaterial& m, const ChapterCounts& cs) {
  int total = 0;
  for (int c = std::max(1, m.BCHAP); c <= std::min(CHMAX, m.ECHAP); ++c) total += cs[c];
  return total;
}

std::optional<Overfull> FindOverfull(const ChapterMaterial& m, const ChapterCounts& cs) {
  for (const CutUnit& u : Units(m, cs)) {
    if (u.k > u.verses) return Overfull{u.last, u.verses};
  }
  return std::nullopt;
}

std::vector<SectorSpan> CutByChapter(const ChapterMaterial& m, const ChapterCounts& cs) {
  std::vector<SectorSpan> out;
  for (const CutUnit& u : Units(m, cs)) {
    if (u.k == 0) {
      // Zeros that no count closes (the keys never leave the last chapter
      // at 0): their verses go to the sector before them.
      if (!out.empty()) out.back().last = VersePlace{u.last, m.LastVerse(u.last)};
    } else if (u.first == u.last) {
      CutChapter(m, u.last, u.k, out);
    } else {
      CutGroup(m, u, out);
    }
  }
  return out;
}

}  // namespace packets::material

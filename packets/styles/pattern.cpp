#include "packets/styles/pattern.h"

#include <cstdlib>

#include "packets/run/tables.h"

namespace packets::styles {

namespace {

using console::Random;

constexpr char kRegular = 'n';
constexpr int kTrials = 15;
constexpr int kChallengers = 5;
constexpr int kExtraSearch = 100;

/// A pattern under construction, positions 1 to 30.
using Positions = Table<char, kPatternCap>;

/// How many specialties of each kind a pattern gets.
struct Split {
  int FTVS = 0, REFS = 0, ONLYS = 0, SITS = 0;
  int Total() const { return FTVS + REFS + ONLYS + SITS; }
};

/// random(max + 1), drawn again until it is at least `min`.
int DrawAtLeast(int min, int max, Random& rng) {
  int v;
  do {
    v = rng(max + 1);
  } while (v < min);
  return v;
}

/// The reference kinds' draw: a value other than the exact middle of `min`
/// and `max` is replaced by a second draw, which favours the middle.
int DrawReference(int min, int max, Random& rng) {
  int v;
  do {
    v = rng(max + 1);
    if (2 * v != min + max) v = rng(max + 1);
  } while (v < min);
  return v;
}

/// The kinds' counts, drawn until they add up to `specs`. A round is given
/// up as soon as the counts drawn so far are too many, or too few for the
/// kinds still to come to make up: such a round could not add up, so the
/// counts kept are those of drawing every round in full, and a style whose
/// totals are rarely met (no specialties out of kinds of up to ten) does
/// not spend a hundred thousand draws per quiz.
Split DrawSplit(const PatternSettings& s, int specs, Random& rng) {
  const int after_f = s.RMAX + s.OMAX + s.SMAX;
  const int after_r = s.OMAX + s.SMAX;
  for (;;) {
    Split k;
    k.FTVS = DrawAtLeast(s.FMIN, s.FMAX, rng);
    int sum = k.FTVS;
    if (sum > specs || sum + after_f < specs) continue;
    k.REFS = DrawReference(s.RMIN, s.RMAX, rng);
    sum += k.REFS;
    if (sum > specs || sum + after_r < specs) continue;
    k.ONLYS = DrawReference(s.OMIN, s.OMAX, rng);
    sum += k.ONLYS;
    if (sum > specs || sum + s.SMAX < specs) continue;
    k.SITS = DrawAtLeast(s.SMIN, s.SMAX, rng);
    if (k.Total() == specs) return k;
  }
}

/// The kind pool: the specialties block by block in a drawn order, then
/// "n" up to the end.
Positions KindPool(const Split& k, Random& rng) {
  struct Block {
    char letter;
    int count;
  };
  const Block f{'F', k.FTVS}, r{'R', k.REFS}, o{'O', k.ONLYS}, s{'S', k.SITS};
  Block order[4] = {f, r, o, s};
  if (rng(2) != 1) {
    if (rng(2) == 1) {
      order[0] = r, order[1] = f;
    } else {
      order[0] = o, order[1] = f, order[2] = r;
    }
  }
  Positions db;
  db.Fill(kRegular);
  int i = 0;
  for (const Block& b : order) {
    for (int n = 0; n < b.count; ++n) db[++i] = b.letter;
  }
  return db;
}

/// One trial: the pool entries placed in the window one pick at a time,
/// each main pick drawn away from the previous one, with extra "n" picks
/// spreading the specialties out.
class Trial {
 public:
  Trial(const PatternSettings& s, const Positions& db, int specs, Random& rng)
      : s_(s), db_(db), specs_(specs), z_(s.SPLATE - s.SPEARLY + 1), rng_(rng) {
    taken_.Fill(false);
    typ_.Fill(kRegular);
    for (int r = 1; r <= z_; ++r) {
      free_[r] = r;
      slot_[r] = r;
    }
    nfree_ = z_;
  }

  Positions Run() {
    last_ = rng_(5);
    if (rng_(2) == 1) last_ = rng_(20);
    if (rng_(3) == 1) last_ = rng_(10);
    if (rng_(3) == 1) last_ = 0;
    t_ = s_.SPEARLY;
    while (picks_ < z_) {
      int r = FreeIndex();
      for (int c = 0; c < kChallengers; ++c) {
        const int a = FreeIndex();
        if (std::abs(last_ - r) < std::abs(last_ - a)) r = a;
      }
      Place(r);
      if (db_[r] != kRegular) lu_ = false;
      // The last pick of the window leaves nothing free to search.
      if (specs_ > 0 && db_[r] == kRegular && !lu_ && picks_ < z_ && ExtraAllowed()) ExtraPick();
    }
    return typ_;
  }

 private:
  /// A free pool index from 1 to Z, each equally likely: one draw among
  /// the free indices, as drawing random(Z + 1) until it gives one would
  /// choose, without the draws that miss.
  int FreeIndex() { return free_[rng_(nfree_) + 1]; }

  void Place(int r) {
    // Index r leaves the free list: the last free index takes its slot.
    const int last = free_[nfree_--];
    free_[slot_[r]] = last;
    slot_[last] = slot_[r];
    taken_[r] = true;
    last_ = r;
    typ_[t_++] = db_[r];
    ++picks_;
  }

  /// Whether an extra pick may follow, by the ratio of window to
  /// specialties: q = (SPLATE - SPEARLY) div SPECS and r the same as a real
  /// number. The ratio tests are exclusive, so at most one rule draws its
  /// number. Real-number comparisons are made exactly in integers.
  bool ExtraAllowed() {
    const int d = s_.SPLATE - s_.SPEARLY;
    const int q = d / specs_;
    const int room = z_ - specs_;
    if (2 * d > 5 * specs_ && q < 3) return rng_(7) < 4 && k_ < 6 && room > 5;  // r > 2.5
    if (q == 3) return rng_(7) < 5 && k_ < 8 && room > 2;
    if (d > 2 * specs_ && 2 * d < 5 * specs_) return rng_(4) < 3 && k_ < 3 && room > 5;
    if (q >= 4) {
      rng_(7);  // drawn, and always passes
      return k_ < 20 && room > 0;
    }
    return false;
  }

  /// Looks for a free "n" entry; a match on the last of the draws is not
  /// taken. With no free "n" entry left no draw can match, so none is made.
  void ExtraPick() {
    bool any = false;
    for (int i = 1; i <= nfree_ && !any; ++i) any = db_[free_[i]] == kRegular;
    if (!any) return;
    for (int draw = 1; draw <= kExtraSearch; ++draw) {
      const int x = rng_(z_ + 1);
      if (draw < kExtraSearch && x >= 1 && !taken_[x] && db_[x] == kRegular) {
        Place(x);
        lu_ = true;
        ++k_;
        return;
      }
    }
  }

  const PatternSettings& s_;
  const Positions& db_;
  const int specs_;
  const int z_;
  Random& rng_;
  Table<bool, kPatternCap> taken_;
  // The free pool indices in free_[1..nfree_]; slot_[r] is where r stands.
  Table<int, kPatternCap> free_;
  Table<int, kPatternCap> slot_;
  int nfree_ = 0;
  Positions typ_;
  int last_ = 0;
  int t_ = 1;
  int picks_ = 0;
  int k_ = 0;
  bool lu_ = false;
};

/// Same-kind neighbours in the window, walking its specialties in order;
/// `marker` is the kind seen last, carried from call to call.
int Neighbours(const PatternSettings& s, const Positions& typ, char& marker) {
  int w = 0;
  for (int x = s.SPEARLY; x <= s.SPLATE; ++x) {
    if (typ[x] == kRegular) continue;
    if (typ[x] == marker) ++w;
    marker = typ[x];
  }
  return w;
}

void ReverseWindow(const PatternSettings& s, Positions& typ) {
  const Positions copy = typ;
  for (int i = 0; s.SPEARLY + i <= s.SPLATE; ++i) typ[s.SPEARLY + i] = copy[s.SPLATE - i];
}

std::string ToString(const Positions& typ) {
  std::string out;
  for (int x = 1; x <= kPatternCap; ++x) out += typ[x];
  return out;
}

}  // namespace

PatternSettings DriverSettings(const RunState& st) {
  return PatternSettings{st.SPMIN, st.SPMAX, st.FMIN, st.FMAX,    st.RMIN,   st.RMAX,   st.OMIN,
                         st.OMAX,  st.SMIN,  st.SMAX, st.SPEARLY, st.SPLATE, st.SETSPC, st.TYP};
}

PatternSettings RecordSettings(const StyleRecord& r) {
  return PatternSettings{r.SPMIN, r.SPMAX, r.FMIN, r.FMAX,    r.RMIN,   r.RMAX,   r.OMIN,
                         r.OMAX,  r.SMIN,  r.SMAX, r.SPEARLY, r.SPLATE, r.SETSPC, r.TYP};
}

const SpecialtyKind* KindOf(char letter) {
  for (const SpecialtyKind& k : kSpecialtyKinds) {
    if (k.letter == letter) return &k;
  }
  return nullptr;
}

std::string TidyTemplate(const PatternSettings& s, const std::string& typ) {
  std::string out(kPatternCap, kRegular);
  int kept[std::size(kSpecialtyKinds)] = {};
  for (int x = std::max(s.SPEARLY, 1); x <= std::min(s.SPLATE, kPatternCap); ++x) {
    const auto i = static_cast<std::size_t>(x - 1);
    const SpecialtyKind* k = i < typ.size() ? KindOf(typ[i]) : nullptr;
    if (!k) continue;
    int& n = kept[k - kSpecialtyKinds];
    if (n < s.*k->max) {
      ++n;
      out[i] = k->letter;
    }
  }
  return out;
}

std::string SPECPAT(const PatternSettings& s, Random& rng) {
  if (s.SETSPC != 'N') return TidyTemplate(s, s.TYP);

  char marker = 'X';  // the kind seen last, carried over from trial to trial
  for (;;) {
    int specs;
    do {
      specs = rng(s.SPMAX + 1);
    } while (specs < s.SPMIN);
    const Split split = DrawSplit(s, specs, rng);
    const Positions db = KindPool(split, rng);

    Positions typ;
    Positions typ2;
    typ2.Fill(kRegular);
    int wlast = 90;
    for (int trial = 1; trial <= kTrials; ++trial) {
      typ = Trial(s, db, specs, rng).Run();
      int w = Neighbours(s, typ, marker);
      if (w > wlast) {
        typ = typ2;
        w = wlast;
      }
      if (rng(10) > 5) ReverseWindow(s, typ);
      typ2 = typ;
      wlast = w;
    }

    int count = 0;
    for (int x = 1; x <= kPatternCap; ++x) count += typ[x] != kRegular;
    if (count == specs) return ToString(typ);
  }
}

}  // namespace packets::styles

#include "packets/styles/hand_set.h"

#include <algorithm>
#include <iterator>

namespace packets::styles {

namespace {

using console::Console;

constexpr char kRegular = 'n';

/// The positions of the specialty window that a pattern has.
struct Window {
  int first, last;
  int Slots() const { return std::max(0, last - first + 1); }
};

Window WindowOf(const PatternSettings& s) {
  return {std::max(s.SPEARLY, 1), std::min(s.SPLATE, kPatternCap)};
}

std::string Blanks(int n) {
  return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string Digit(int d) {
  return std::string(" ") + static_cast<char>('0' + d);
}

void DrawHeading(Console& con, const PatternSettings& s) {
  con.GotoXY(1, 3);
  con.Write(kHandSetTitle);
  con.GotoXY(1, 4);
  con.Write("    " + std::string(70, '_'));
  con.GotoXY(1, 6);
  con.Write("    Choose:  ");
  con.Write(s.FMAX);
  con.Write(" FTV (F)   ");
  con.Write(s.RMAX);
  con.Write(" CV Ref (R)   ");
  con.Write(s.OMAX);
  con.Write(" CO Ref (O)   and ");
  con.Write(s.SMAX);
  con.Write(" SIT (S).");
  con.GotoXY(1, 8);
  con.Write(kHandSetDone);
}

/// The position numbers over the slots: tens on row 10, units on row 11.
void DrawRulers(Console& con, Window w, int margin) {
  std::string tens = Blanks(margin);
  std::string units = Blanks(margin);
  for (int x = w.first; x <= w.last; ++x) {
    tens += x > 9 ? Digit(x / 10) : "  ";
    units += Digit(x % 10);
  }
  con.GotoXY(1, 10);
  con.Write(tens);
  con.GotoXY(1, 11);
  con.Write(units);
}

/// The screen's state: the template, how many of each kind it holds, the
/// slot under the cursor.
class HandSetScreen {
 public:
  HandSetScreen(Console& con, const PatternSettings& s)
      : con_(con), s_(s), w_(WindowOf(s)), margin_(HandSetMargin(w_.first, w_.last)) {
    typ_ = TidyTemplate(s, s.TYP);
    for (char c : typ_) {
      if (const SpecialtyKind* k = KindOf(c)) ++Placed(*k);
    }
    // The most the window and the maxima allow: a style whose window or
    // maxima cannot hold SPMAX specialties still lets Enter end the screen.
    int room = 0;
    for (const SpecialtyKind& k : kSpecialtyKinds) room += std::max(0, s.*k.max);
    target_ = std::clamp(s.SPMAX, 0, std::min(room, w_.Slots()));
  }

  std::string Run() {
    DrawHeading(con_, s_);
    DrawRulers(con_, w_, margin_);
    con_.GotoXY(1, kHandSetSlotRow);
    con_.Write(Blanks(margin_));
    con_.TextColor(console::kWhite);
    con_.TextBackground(console::kRed);
    for (int x = w_.first; x <= w_.last; ++x) con_.Write(Slot(x));
    for (;;) {
      con_.GotoXY(Column(), kHandSetSlotRow);
      const char key = con_.ReadKey();
      if (key == console::kEnter) {
        if (Total() == target_) break;
      } else if (w_.Slots() == 0) {
        continue;
      } else if (key == console::kScanLeft) {
        cursor_ = cursor_ == 0 ? w_.Slots() - 1 : cursor_ - 1;
      } else if (key == console::kScanRight) {
        cursor_ = cursor_ == w_.Slots() - 1 ? 0 : cursor_ + 1;
      } else if (key == ' ') {
        Empty();
      } else if (const SpecialtyKind* k = KindOf(Upper(key))) {
        Put(*k);
      }
    }
    con_.TextColor(console::kYellow);
    con_.TextBackground(console::kBlue);
    return typ_;
  }

 private:
  static char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

  int& Placed(const SpecialtyKind& k) { return placed_[&k - kSpecialtyKinds]; }
  int Total() const {
    int n = 0;
    for (int p : placed_) n += p;
    return n;
  }
  char& Here() { return typ_[static_cast<std::size_t>(w_.first + cursor_ - 1)]; }
  int Column() const { return margin_ + 2 + 2 * cursor_; }
  static std::string SlotText(char c) { return std::string(" ") + (c == kRegular ? ' ' : c); }
  std::string Slot(int x) const { return SlotText(typ_[static_cast<std::size_t>(x - 1)]); }

  void Show() {
    con_.GotoXY(Column(), kHandSetSlotRow);
    con_.Write(Here() == kRegular ? ' ' : Here());
  }

  void Empty() {
    const SpecialtyKind* old = KindOf(Here());
    if (!old) return;
    --Placed(*old);
    Here() = kRegular;
    Show();
  }

  /// Puts kind `k` in the slot while fewer than its maximum are placed; S on
  /// a slot it cannot fill empties it.
  void Put(const SpecialtyKind& k) {
    if (Placed(k) < s_.*k.max && Here() != k.letter) {
      if (const SpecialtyKind* old = KindOf(Here())) --Placed(*old);
      ++Placed(k);
      Here() = k.letter;
      Show();
    } else if (k.letter == 'S') {
      Empty();
    }
  }

  Console& con_;
  const PatternSettings& s_;
  const Window w_;
  const int margin_;
  std::string typ_;
  int placed_[std::size(kSpecialtyKinds)] = {};
  int target_ = 0;
  int cursor_ = 0;  // slot under the cursor, 0 for the window's first position
};

}  // namespace

int HandSetMargin(int first, int last) {
  return (80 - 2 * (last - first)) / 2 - 1;
}

std::string HandSet(Console& con, const PatternSettings& settings) {
  con.TextColor(console::kYellow);
  con.TextBackground(console::kBlue);
  console::CLR(con);
  return HandSetScreen(con, settings).Run();
}

void SETSPEC(Run& run) {
  StyleRecord& rec = run.st.STYLE;
  rec.TYP = HandSet(run.con, RecordSettings(rec));
}

}  // namespace packets::styles

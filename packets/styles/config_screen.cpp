#include "packets/styles/config_screen.h"

#include <cctype>
#include <string_view>

#include "packets/styles/config_layout.h"
#include "packets/styles/config_navigation.h"
#include "packets/styles/config_rules.h"
#include "packets/styles/style_file.h"
#include "packets/styles/styles.h"

namespace packets::styles {

using console::Console;

namespace {

void Labels(Console& con) {
  con.TextBackground(console::kBlue);
  con.TextColor(console::kYellow);
}

void Values(Console& con) {
  con.TextBackground(console::kBlack);
  con.TextColor(console::kLightRed);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Upper(char c) {
  return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

/// A character of a hand-edited file is shown as a blank when it is a
/// control character, so that it cannot move the cursor.
char Shown(char c) {
  return static_cast<unsigned char>(c) < 32 ? ' ' : c;
}

std::string Shown(const std::string& text) {
  std::string s = text;
  for (char& c : s) c = Shown(c);
  return s;
}

/// `v` right-aligned in `width` columns (wider values keep every digit).
std::string RightAligned(int v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
  return s;
}

/// The style being edited: a copy of the loaded record and style name.
struct Draft {
  StyleRecord rec;
  std::string NAME1;
};

std::string& NameOf(Draft& d, Field f) {
  return f == Field::kStyleName ? d.NAME1 : d.rec.NAME4;
}

void ShowValue(Console& con, const Draft& d, Field f) {
  const FieldPlace& p = PlaceOf(f);
  Values(con);
  con.GotoXY(p.x, p.y);
  switch (p.kind) {
    case FieldKind::kBook:
      con.Write(kBookCode);
      break;
    case FieldKind::kNumber:
      con.Write(RightAligned(d.rec.*p.number, p.width));
      break;
    case FieldKind::kLetter:
      con.Write(' ');
      con.Write(Shown(d.rec.*p.letter));
      break;
    case FieldKind::kName:
      con.Write(std::string(kNameWidth, ' '));
      con.GotoXY(p.x, p.y);
      con.Write(Shown(f == Field::kStyleName ? d.NAME1 : d.rec.NAME4));
      break;
  }
}

/// Shows the new value of a field. A hand-edited number wider than its
/// field spilled over the labels after it; what the new value leaves of it
/// is given back to them.
void ShowChanged(Console& con, const Draft& d, Field f, const StyleRecord& before) {
  ShowValue(con, d, f);
  const FieldPlace& p = PlaceOf(f);
  if (p.kind != FieldKind::kNumber) return;
  const int was = static_cast<int>(RightAligned(before.*p.number, p.width).size());
  const int now = static_cast<int>(RightAligned(d.rec.*p.number, p.width).size());
  if (was <= now) return;
  Labels(con);
  con.GotoXY(p.x + now, p.y);
  con.Write(std::string(was - now, ' '));
}

/// How the editing of a field ended.
struct Ending {
  std::optional<Key> key;  // the key that ended it; nothing: the cursor stays
  bool typed = false;      // the key ended a value typed into the field
};

class Screen {
 public:
  Screen(Run& run, Draft& draft) : run_(run), con_(run.con), d_(draft) {}

  Edit Go() {
    OVRLAY(con_, d_.rec, d_.NAME1);
    Field f = Field::kBeginChapter;
    for (;;) {
      const Ending e = EditField(f);
      if (!e.key) continue;
      const Move m = NextMove(f, *e.key, e.typed);
      if (m.act == Act::kTo) f = m.to;
      if (m.act != Act::kCheck) continue;
      if (auto outcome = Validate(f)) return *outcome;
    }
  }

 private:
  /// One key from the keyboard. A key without a character arrives as a
  /// code 0 and its scan code; the two are one key, read as the scan code.
  char ReadKey() {
    char k = con_.ReadKey();
    if (k == console::kExtended) k = con_.ReadKey();
    run_.st.I = k;
    return k;
  }

  void Cursor(const FieldPlace& p) { con_.GotoXY(p.cursor_x, p.y); }

  Ending EditField(Field f) {
    const FieldPlace& p = PlaceOf(f);
    switch (p.kind) {
      case FieldKind::kBook:
        return EditBook(p);
      case FieldKind::kNumber:
        return EditNumber(p);
      case FieldKind::kLetter:
        return EditLetter(p);
      case FieldKind::kName:
        return EditName(p);
    }
    return {};
  }

  /// The book is always Matthew: 1, 2, R and J (a book's first letters)
  /// write it again and keep the verse inside its chapter.
  Ending EditBook(const FieldPlace& p) {
    for (;;) {
      Cursor(p);
      const char k = ReadKey();
      if (std::string_view("12RrJj").find(k) != std::string_view::npos) {
        const StyleRecord before = d_.rec;
        if (p.field == Field::kBeginBook) {
          SETBBK(d_.rec, run_.st);
          ShowChanged(con_, d_, Field::kBeginVer, before);
        } else {
          SETEBK(d_.rec, run_.st);
          ShowChanged(con_, d_, Field::kEndChapter, before);
          ShowChanged(con_, d_, Field::kEndVer, before);
        }
        ShowValue(con_, d_, p.field);
        return {};
      }
      if (auto key = MoveKey(k)) return {key};
    }
  }

  Ending EditLetter(const FieldPlace& p) {
    for (;;) {
      Cursor(p);
      const char k = ReadKey();
      if (p.letters.find(k) != std::string_view::npos) {
        d_.rec.*p.letter = Upper(k);
        Values(con_);
        con_.Write(Upper(k));
        return {};
      }
      if (auto key = MoveKey(k)) return {key};
    }
  }

  /// Waits for a digit, Enter, an arrow or Esc; other keys are ignored.
  /// Esc gives back `old` in `width` columns and ends the entry.
  std::optional<char> NextDigit(const FieldPlace& p, int old, int width, Ending& end) {
    for (;;) {
      const char k = ReadKey();
      if (IsDigit(k)) return k;
      const std::optional<Key> key = MoveKey(k);
      if (!key) continue;
      if (*key == Key::kEsc) {
        // The old value goes back where the entry began, in the columns
        // of the digits typed so far.
        Values(con_);
        con_.GotoXY(p.x, p.y);
        con_.Write(RightAligned(old, width));
      }
      end = {key, true};
      return std::nullopt;
    }
  }

  Ending EditNumber(const FieldPlace& p) {
    char k = 0;
    for (;;) {
      Cursor(p);
      k = ReadKey();
      if (IsDigit(k) && (k != '0' || p.zero_first)) break;
      if (auto key = MoveKey(k)) return {key};
    }
    Values(con_);
    con_.Write(std::string(p.width, ' '));
    Cursor(p);
    con_.Write(k);

    const int old = d_.rec.*p.number;
    int value = k - '0';
    Ending end;  // nothing: ended by its last possible digit
    const bool chapter = p.field == Field::kBeginChapter || p.field == Field::kEndChapter;
    if (!(chapter && value >= 3)) {
      if (auto second = NextDigit(p, old, 2, end)) {
        value = 10 * value + (*second - '0');
        if (p.width == 3) {
          con_.Write(*second);
          if (auto third = NextDigit(p, old, 3, end)) value = 10 * value + (*third - '0');
        }
      }
    }
    if (end.key == Key::kEsc) return end;  // the entry is abandoned

    const StyleRecord before = d_.rec;
    CorrectEntry(p.field, value, d_.rec, run_.st);
    ShowChanged(con_, d_, p.field, before);
    if (p.field == Field::kBeginChapter) ShowChanged(con_, d_, Field::kBeginVer, before);
    if (p.field == Field::kEndChapter) ShowChanged(con_, d_, Field::kEndVer, before);
    return end;
  }

  Ending EditName(const FieldPlace& p) {
    std::string& name = NameOf(d_, p.field);
    ShowValue(con_, d_, p.field);
    char k = 0;
    for (;;) {
      Cursor(p);
      k = ReadKey();
      // A capital K is the Left key and starts a name, as a letter does.
      const std::optional<Key> key = MoveKey(k);
      if (key && *key != Key::kLeft) return {key};
      if ((k >= '1' && k <= '9') || IsLetter(k)) break;
    }
    Values(con_);
    con_.Write(std::string(kNameWidth, ' '));
    Cursor(p);
    std::string typed(1, Upper(k));
    con_.Write(typed);
    for (;;) {
      k = ReadKey();
      if (static_cast<int>(typed.size()) == kNameWidth) {
        // The key after the tenth character ends the name whatever it is.
        name = typed;
        return {Key::kDown, true};
      }
      const std::optional<Key> key = MoveKey(k);
      if (key &&
          (*key == Key::kEnter || *key == Key::kUp || *key == Key::kDown || *key == Key::kRight)) {
        name = typed;
        return {key, true};
      }
      if ((k >= '1' && k <= '9') || IsLetter(k)) {
        typed.push_back(k);
        con_.Write(k);
      }
    }
  }

  void Message() {
    con_.GotoXY(kTitleColumn, kTitleRow);
    con_.TextBackground(console::kRed);
    con_.TextColor(console::kWhite);
    con_.Write(kIncompatible);
    while (ReadKey() != console::kEnter) {
    }
    QCON2(con_);
  }

  /// The check of the whole record. A failure shows the message and sends
  /// the cursor to the field it names; a record that passes lights the
  /// title line and waits for Enter (accept), Esc (abandon) or Down (back
  /// to Begin Chapter). Nothing is returned when editing goes on.
  std::optional<Edit> Validate(Field& f) {
    std::optional<CheckFailure> failure = CheckStyleRecord(d_.rec);
    if (!failure) failure = CheckStyleName(d_.NAME1);
    if (failure) {
      Message();
      f = failure->field;
      return std::nullopt;
    }
    QCON(con_);
    for (;;) {
      const std::optional<Key> key = MoveKey(ReadKey());
      if (key == Key::kEnter) return Edit::kAccepted;
      if (key == Key::kEsc) return Edit::kAbandoned;
      if (key == Key::kDown) {
        QCON2(con_);
        f = Field::kBeginChapter;
        return std::nullopt;
      }
    }
  }

  packets::Run& run_;
  Console& con_;
  Draft& d_;
};

}  // namespace

void QCON(Console& con) {
  con.GotoXY(kTitleColumn, kTitleRow);
  con.TextBackground(console::kGreen);
  con.TextColor(console::kWhite);
  con.Write(kConfigTitle);
  Labels(con);
}

void QCON2(Console& con) {
  con.GotoXY(kTitleColumn, kTitleRow);
  Labels(con);
  con.Write(kConfigTitle);
}

void OVRLAY(Console& con, const StyleRecord& rec, const std::string& name1) {
  const Draft d{rec, name1};
  Labels(con);
  console::CLR(con);
  QCON2(con);
  for (const LabelRow& l : kConfigLabels) {
    con.GotoXY(1, l.row);
    con.Write(l.text);
  }
  for (int f = 0; f < kFieldCount; ++f) ShowValue(con, d, static_cast<Field>(f));
}

Edit EditStyle(Run& run) {
  Draft draft{run.st.STYLE, run.st.NAME1};
  const Edit edit = Screen(run, draft).Go();
  if (edit == Edit::kAccepted) {
    run.st.STYLE = draft.rec;
    run.st.NAME1 = draft.NAME1;
  }
  Labels(run.con);
  return edit;
}

}  // namespace packets::styles

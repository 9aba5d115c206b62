// The question index: the questions of each kind per chapter and verse,
// counted from the question files, kept in the count file, read back and
// totalled before and over the material.
#include "packets/material/question_index.h"

#include <array>

#include "packets/material/line_numbers.h"
#include "packets/material/material.h"

namespace packets::material {

namespace {

using VerseTable = Table2<std::uint8_t, CHMAX, VMAX>;

constexpr int kMaxPerVerse = 255;

std::string Ref(int chapter, int verse) {
  return "chapter " + std::to_string(chapter) + " verse " + std::to_string(verse);
}

/// Counts the lines of one question file into `table`.
std::optional<std::string> CountQuestionFile(Run& run, const std::string& name, const char* kind,
                                             VerseTable& table) {
  console::TextReader& in = run.st.question_files.Open(run.dir, name);
  int line = 0;
  int first_blank = 0;  // first of a run of empty lines, unless more questions follow
  VerseRef last{0, 0};  // the verse of the question before
  while (!in.Eof()) {
    ++line;
    const std::string_view text = in.ReadLineView();
    if (IsBlankLine(text)) {
      if (first_blank == 0) first_blank = line;
      continue;
    }
    if (first_blank != 0) {
      return Where(name, first_blank) + "an empty line among the questions";
    }
    auto reference = ReadReference(text, name, line);
    if (auto* refusal = std::get_if<std::string>(&reference)) return *refusal;
    auto [chapter, verse] = std::get<VerseRef>(reference);
    // The sectors and the question choosers find a question by its place in
    // the file, counted from the index: a question out of verse order would
    // be taken for one of another sector, or of outside the material.
    if (chapter < last.chapter || (chapter == last.chapter && verse < last.verse)) {
      return Where(name, line) + Ref(chapter, verse) + " comes after " +
             Ref(last.chapter, last.verse) + "; the questions must be in verse order";
    }
    last = VerseRef{chapter, verse};
    std::uint8_t& count = table(chapter, verse);
    if (count >= kMaxPerVerse) {
      return Where(name, line) + "more than " + std::to_string(kMaxPerVerse) + " " + kind +
             " questions on " + Ref(chapter, verse);
    }
    ++count;
  }
  return std::nullopt;
}

}  // namespace

std::variant<VerseRef, std::string> ReadReference(std::string_view text, const std::string& file,
                                                  int line) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const char tens = text.size() > 0 ? text[0] : ' ';
  const char units = text.size() > 1 ? text[1] : ' ';
  int chapter = 0;
  if (digit(units) && (tens == ' ' || digit(tens))) {
    chapter = (units - '0') + (tens == ' ' ? 0 : 10 * (tens - '0'));
  }
  if (chapter < 1 || chapter > CHMAX) {
    return Where(file, line) + "the chapter \"" + std::string(text.substr(0, 2)) +
           "\" is not one of 1 to " + std::to_string(CHMAX);
  }
  std::array<int, 1> verse{0};
  ReadNumbers(text.size() > 3 ? text.substr(3) : std::string_view(), file, line, verse);
  if (verse[0] < 1 || verse[0] > VMAX) {
    return Where(file, line) + "the verse " + std::to_string(verse[0]) + " of chapter " +
           std::to_string(chapter) + " is not one of 1 to " + std::to_string(VMAX);
  }
  return VerseRef{chapter, verse[0]};
}

std::optional<std::string> ReadVerseTable(Run& run) {
  const std::string name = "VERSES.TXT";
  console::TextReader in = run.dir.OpenRead(name);
  for (int c = 1; c <= CHMAX; ++c) {
    std::array<int, 1> last{0};
    ReadNumbers(in.ReadLine(), name, c, last);
    if (last[0] < 1 || last[0] > VMAX) {
      return Where(name, c) + "the last verse of chapter " + std::to_string(c) + " is " +
             std::to_string(last[0]) + ", not one of 1 to " + std::to_string(VMAX);
    }
    run.st.EVS[c] = static_cast<std::uint8_t>(last[0]);
  }
  return std::nullopt;
}

std::optional<std::string> BuildIndex(Run& run) {
  RunState& st = run.st;
  ClearVerseTables(st);
  struct Source {
    const std::string& file;
    const char* kind;
    VerseTable& table;
  };
  const Source sources[] = {
      {st.F3, "regular", st.QCOUNT}, {st.F4, "FTV", st.FCOUNT}, {st.F5, "CV Ref", st.RCOUNT},
      {st.F6, "CO Ref", st.OCOUNT},  {st.F7, "SIT", st.SCOUNT},
  };
  for (const Source& source : sources) {
    if (auto refusal = CountQuestionFile(run, source.file, source.kind, source.table)) {
      return refusal;
    }
  }
  WriteCountFile(st, run.dir, st.F11);
  st.F11DIR.clear();  // the fresh count file is the one in the working directory
  return std::nullopt;
}

std::optional<std::string> CheckMaterialBounds(const RunState& st) {
  if (st.SECTORS < 1 || st.SECTORS > SCMAX) {
    return st.F2 + ": " + std::to_string(st.SECTORS) + " questions per quiz is not one of 1 to " +
           std::to_string(SCMAX);
  }
  auto in = [](int value, int high) { return value >= 1 && value <= high; };
  const bool inside =
      in(st.BCHAP, CHMAX) && in(st.ECHAP, CHMAX) && in(st.BVER, VMAX) && in(st.EVER, VMAX);
  const bool ordered = st.BCHAP < st.ECHAP || (st.BCHAP == st.ECHAP && st.BVER <= st.EVER);
  if (inside && ordered) return std::nullopt;
  if (inside) {
    return st.F2 + ": the material begins at " + std::to_string(st.BCHAP) + ":" +
           std::to_string(st.BVER) + ", after its end " + std::to_string(st.ECHAP) + ":" +
           std::to_string(st.EVER);
  }
  return st.F2 + ": the material " + std::to_string(st.BCHAP) + ":" + std::to_string(st.BVER) +
         " to " + std::to_string(st.ECHAP) + ":" + std::to_string(st.EVER) +
         " lies outside chapters 1 to " + std::to_string(CHMAX) + ", verses 1 to " +
         std::to_string(VMAX);
}

std::optional<std::string> ReadIndex(Run& run) {
  RunState& st = run.st;
  if (auto refusal = CheckMaterialBounds(st)) return refusal;
  CountCursor cursor;
  ClearVerseTables(st);
  if (auto refusal = cursor.Open(run)) return refusal;
  for (int n = 1; n <= kCountLines; ++n) {
    CountLine l = cursor.Read();
    st.QCOUNT(l.chapter, l.verse) = static_cast<std::uint8_t>(l.q);
    st.FCOUNT(l.chapter, l.verse) = static_cast<std::uint8_t>(l.f);
    st.RCOUNT(l.chapter, l.verse) = static_cast<std::uint8_t>(l.r);
    st.OCOUNT(l.chapter, l.verse) = static_cast<std::uint8_t>(l.o);
    st.SCOUNT(l.chapter, l.verse) = static_cast<std::uint8_t>(l.s);
  }
  TotalMaterial(st);
  return std::nullopt;
}

void TotalMaterial(RunState& st) {
  st.BEFORE = st.FBEFORE = st.RBEFORE = st.OBEFORE = st.SBEFORE = 0;
  st.TQUEST = st.FQUEST = st.RQUEST = st.OQUEST = st.SQUEST = 0;
  for (st.CH = 1; st.CH < st.BCHAP; ++st.CH) {
    for (st.V = 1; st.V <= VMAX; ++st.V) BCOUNT(st);
  }
  st.CH = st.BCHAP;
  for (st.V = 1; st.V < st.BVER; ++st.V) BCOUNT(st);
  if (st.BCHAP == st.ECHAP) {
    for (st.V = st.BVER; st.V <= st.EVER; ++st.V) TCOUNT(st);
    return;
  }
  for (st.V = st.BVER; st.V <= VMAX; ++st.V) TCOUNT(st);
  for (st.CH = st.BCHAP + 1; st.CH < st.ECHAP; ++st.CH) {
    for (st.V = 1; st.V <= VMAX; ++st.V) TCOUNT(st);
  }
  st.CH = st.ECHAP;
  for (st.V = 1; st.V <= st.EVER; ++st.V) TCOUNT(st);
}

void BCOUNT(RunState& st) {
  st.BEFORE += st.QCOUNT(st.CH, st.V);
  st.FBEFORE += st.FCOUNT(st.CH, st.V);
  st.SBEFORE += st.SCOUNT(st.CH, st.V);
  st.RBEFORE += st.RCOUNT(st.CH, st.V);
  st.OBEFORE += st.OCOUNT(st.CH, st.V);
  st.TEMPS = st.SBEFORE;
}

void TCOUNT(RunState& st) {
  st.TQUEST += st.QCOUNT(st.CH, st.V);
  st.FQUEST += st.FCOUNT(st.CH, st.V);
  st.RQUEST += st.RCOUNT(st.CH, st.V);
  st.OQUEST += st.OCOUNT(st.CH, st.V);
  st.SQUEST += st.SCOUNT(st.CH, st.V);
}

void SPECOUNT(RunState& st) {
  st.FPS[st.S] += st.FCOUNT(st.X, st.Y);
  st.RPS[st.S] += st.RCOUNT(st.X, st.Y);
  st.OPS[st.S] += st.OCOUNT(st.X, st.Y);
  st.SPS[st.S] += st.SCOUNT(st.X, st.Y);
}

}  // namespace packets::material

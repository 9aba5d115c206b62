// The whole-record rules a style must meet before it can be accepted, and
// the wider check made on a style file before it is run.
#include "packets/styles/record_check.h"

#include <string>
#include <string_view>

#include "packets/styles/style_file.h"
#include "packets/styles/style_phase.h"
#include "packets/styles/styles.h"

namespace packets::styles {

namespace {

using std::to_string;

/// A character of a style file as the user would read it in a message.
std::string Shown(char c) {
  if (static_cast<unsigned char>(c) < 32) return "nothing";
  return std::string(1, c);
}

std::string Ref(int chapter, int verse) {
  return to_string(chapter) + ":" + to_string(verse);
}

CheckFailure Fail(int rule, Field field, std::string words) {
  return CheckFailure{rule, field, std::move(words)};
}

/// One specialty kind's minimum and maximum, and how the check names them.
struct KindRange {
  const char* name;
  int StyleRecord::*min;
  int StyleRecord::*max;
  Field min_field;
  Field max_field;
  int most;  // the largest maximum the configuration screen lets through
};

// In the order of the style file's lines.
constexpr KindRange kKinds[] = {
    {"Total", &StyleRecord::SPMIN, &StyleRecord::SPMAX, Field::kTotalMin, Field::kTotalMax,
     kMostSpecialties},
    {"FTV", &StyleRecord::FMIN, &StyleRecord::FMAX, Field::kFtvMin, Field::kFtvMax, kMostOfAKind},
    {"CV Ref", &StyleRecord::RMIN, &StyleRecord::RMAX, Field::kCvMin, Field::kCvMax, kMostOfAKind},
    {"CO Ref", &StyleRecord::OMIN, &StyleRecord::OMAX, Field::kCoMin, Field::kCoMax, kMostOfAKind},
    {"Situation", &StyleRecord::SMIN, &StyleRecord::SMAX, Field::kSitMin, Field::kSitMax,
     kMostOfAKind},
};

/// The kinds a template set by hand may hold: FTV, CV Ref, CO Ref,
/// Situation and regular.
constexpr std::string_view kHandSetKinds = "FROSn";

std::optional<CheckFailure> OutsideRange(Field field, const std::string& what, int value, int low,
                                         int high) {
  if (value >= low && value <= high) return std::nullopt;
  return Fail(0, field,
              what + " must be " + to_string(low) + " to " + to_string(high) +
                  " (the style file says " + to_string(value) + ")");
}

std::optional<CheckFailure> PastChapterEnd(Field field, const std::string& what, int chapter,
                                           int verse, int last, const std::string& table = "") {
  if (verse <= last) return std::nullopt;
  return Fail(0, field,
              what + " " + Ref(chapter, verse) + " lies beyond the last verse of chapter " +
                  to_string(chapter) + table + " (" + to_string(last) + ")");
}

/// The refusals of the run check that come before the whole-record rules:
/// values that would index outside a table or keep a phase from ending.
/// Tested in the order of the style file's lines.
std::optional<CheckFailure> RunRefusal(const StyleRecord& r) {
  if (auto f = OutsideRange(Field::kBeginChapter, "Begin chapter", r.BCHAP, 1, CHMAX)) return f;
  if (auto f = OutsideRange(Field::kBeginVer, "Begin verse", r.BVER, 1, VMAX)) return f;
  if (auto f = OutsideRange(Field::kEndChapter, "End chapter", r.ECHAP, 1, CHMAX)) return f;
  if (auto f = OutsideRange(Field::kEndVer, "End verse", r.EVER, 1, VMAX)) return f;
  // A verse past the end of its chapter names no verse of the book; the
  // sectorings would cut the material from a place that does not exist.
  if (auto f = PastChapterEnd(Field::kBeginVer, "Begin verse", r.BCHAP, r.BVER,
                              kVerseCounts[r.BCHAP - 1])) {
    return f;
  }
  if (auto f =
          PastChapterEnd(Field::kEndVer, "End verse", r.ECHAP, r.EVER, kVerseCounts[r.ECHAP - 1])) {
    return f;
  }

  if (r.NAME4.empty()) return Fail(0, Field::kOutputName, "Output file name must not be empty");
  if (r.NAME4.find_first_of("/\\") != std::string::npos) {
    return Fail(
        0, Field::kOutputName,
        "Output file name must not hold a path separator (the style file says " + r.NAME4 + ")");
  }

  if (auto f = OutsideRange(Field::kQuestions, "Questions per quiz", r.QMAX, 1, SCMAX)) return f;
  // Question selection takes these as shares of a hundred.
  if (auto f =
          OutsideRange(Field::kPctInt, "Percentage of interrogative questions", r.IPC, 0, 100)) {
    return f;
  }
  if (auto f = OutsideRange(Field::kQuizzes, "Quizzes in the run", r.QNUM, 1, QQZ)) return f;
  if (auto f =
          OutsideRange(Field::kRepeats, "Percentage eligible for repeats", r.REPEATPCT, 0, 100)) {
    return f;
  }

  // A minimum above its maximum keeps the pattern draw from ever finding a
  // count, as a negative one does; a maximum beyond what the screen lets
  // through makes the draw, one random number per try, take for ever.
  for (const KindRange& k : kKinds) {
    if (r.*k.max > k.most) {
      return Fail(0, k.max_field,
                  std::string(k.name) + " maximum must be " + to_string(k.most) +
                      " or less (the style file says " + to_string(r.*k.max) + ")");
    }
    for (bool is_max : {true, false}) {
      const int v = r.*(is_max ? k.max : k.min);
      if (v < 0) {
        return Fail(0, is_max ? k.max_field : k.min_field,
                    std::string(k.name) + (is_max ? " maximum" : " minimum") +
                        " must not be negative (the style file says " + to_string(v) + ")");
      }
    }
    if (r.*k.min > r.*k.max) {
      return Fail(0, k.min_field,
                  std::string(k.name) + " minimum must not be above the " + k.name +
                      " maximum (the style file says " + to_string(r.*k.min) + " and " +
                      to_string(r.*k.max) + ")");
    }
  }

  if (!HasFtvPool(r.PRIMPCT)) {
    return Fail(0, Field::kPrimaryFtv,
                "Primary FTV percentage must be one of 57 to 60, 68 to 70, 78 to 80, 88 to 90 or "
                "97 to 100 (the style file says " +
                    to_string(r.PRIMPCT) + ")");
  }
  if (r.SPEARLY < 1) {
    return Fail(0, Field::kSpecialtiesFrom,
                "First question for specialties must be at least 1 (the style file says " +
                    to_string(r.SPEARLY) + ")");
  }
  if (r.SPLATE > SCMAX) {
    return Fail(0, Field::kSpecialtiesTo,
                "Last question for specialties must be 30 or less (the style file says " +
                    to_string(r.SPLATE) + ")");
  }
  // An empty window has no position to draw from.
  if (r.SPEARLY > r.SPLATE) {
    return Fail(0, Field::kSpecialtiesFrom,
                "First question for specialties must not come after the last (the style file "
                "says " +
                    to_string(r.SPEARLY) + " and " + to_string(r.SPLATE) + ")");
  }
  if (r.SETSPC != 'Y' && r.SETSPC != 'N') {
    return Fail(0, Field::kSetSpecialty,
                "Set specialty positions by hand must be Y or N (the style file says " +
                    Shown(r.SETSPC) + ")");
  }
  return std::nullopt;
}

/// A template set by hand is every quiz's pattern, read position by
/// position, so it must be one: 30 places, each a kind of question. It has
/// no field on the screen; the field that sets it by hand is named.
std::optional<CheckFailure> TemplateRefusal(const StyleRecord& r) {
  if (r.SETSPC != 'Y') return std::nullopt;
  if (static_cast<int>(r.TYP.size()) != kPatternCap) {
    return Fail(0, Field::kSetSpecialty,
                "Type template must be 30 characters when specialty positions are set by hand "
                "(the style file has " +
                    to_string(r.TYP.size()) + ")");
  }
  if (r.TYP.find_first_not_of(kHandSetKinds) != std::string::npos) {
    return Fail(0, Field::kSetSpecialty,
                "Type template set by hand may hold only F, R, O, S and n (the style file has " +
                    r.TYP + ")");
  }
  return std::nullopt;
}

}  // namespace

bool HasFtvPool(int p) {
  return (p >= 57 && p <= 60) || (p >= 68 && p <= 70) || (p >= 78 && p <= 80) ||
         (p >= 88 && p <= 90) || (p >= 97 && p <= 100);
}

std::optional<CheckFailure> ERRMESS(const StyleRecord& r) {
  const int mins = r.FMIN + r.RMIN + r.OMIN + r.SMIN;
  if (mins > r.SPMIN) {
    return Fail(1, Field::kTotalMin,
                "FTV, CV Ref, CO Ref and Situation minimums add up to " + to_string(mins) +
                    ", more than the Total minimum of " + to_string(r.SPMIN));
  }
  const int maxes = r.FMAX + r.RMAX + r.OMAX + r.SMAX;
  if (maxes < r.SPMAX) {
    return Fail(2, Field::kTotalMax,
                "FTV, CV Ref, CO Ref and Situation maximums add up to " + to_string(maxes) +
                    ", less than the Total maximum of " + to_string(r.SPMAX));
  }
  if (r.SPLATE > r.QMAX) {
    return Fail(3, Field::kSpecialtiesTo,
                "Specialties may appear up to question " + to_string(r.SPLATE) + ", beyond the " +
                    to_string(r.QMAX) + " questions per quiz");
  }
  if (r.SPLATE + 1 - r.SPEARLY < r.SPMAX) {
    return Fail(4, Field::kSpecialtiesTo,
                "Questions " + to_string(r.SPEARLY) + " to " + to_string(r.SPLATE) +
                    " cannot hold the Total maximum of " + to_string(r.SPMAX) + " specialties");
  }
  if (r.SETSPC == 'Y') {
    const struct {
      int rule;
      const KindRange& kind;
    } fixed[] = {{5, kKinds[1]}, {6, kKinds[2]}, {7, kKinds[3]}, {8, kKinds[4]}};
    for (const auto& [rule, k] : fixed) {
      if (r.*k.min != r.*k.max) {
        return Fail(rule, k.min_field,
                    "With specialty positions set by hand, " + std::string(k.name) + " minimum (" +
                        to_string(r.*k.min) + ") must equal " + k.name + " maximum (" +
                        to_string(r.*k.max) + ")");
      }
    }
  }
  if (r.BCHAP > r.ECHAP || (r.BCHAP == r.ECHAP && r.BVER > r.EVER)) {
    return Fail(9, Field::kBeginChapter,
                "The begin verse " + Ref(r.BCHAP, r.BVER) + " comes after the end verse " +
                    Ref(r.ECHAP, r.EVER));
  }
  return std::nullopt;
}

// The range refusals come first, then the nine whole-record rules: the
// rules add and compare values that the refusals first bring into range, so
// a value outside its range is named for itself rather than through a sum it
// happens to upset. A begin verse after the end verse is refused by rule 9.
std::optional<CheckFailure> CheckStyleRecord(const StyleRecord& rec) {
  if (auto f = RunRefusal(rec)) return f;
  return ERRMESS(rec);
}

std::optional<CheckFailure> CheckStyleForRun(const StyleRecord& rec) {
  if (auto f = CheckStyleRecord(rec)) return f;
  return TemplateRefusal(rec);
}

std::optional<CheckFailure> CheckMaterialVerses(const StyleRecord& rec,
                                                const Table<std::uint8_t, CHMAX>& EVS) {
  const std::string table = " in VERSES.TXT";
  if (auto f = PastChapterEnd(Field::kBeginVer, "Begin verse", rec.BCHAP, rec.BVER, EVS[rec.BCHAP],
                              table)) {
    return f;
  }
  return PastChapterEnd(Field::kEndVer, "End verse", rec.ECHAP, rec.EVER, EVS[rec.ECHAP], table);
}

std::optional<CheckFailure> CheckStyleName(const std::string& name) {
  if (name != kExit) return std::nullopt;
  return Fail(0, Field::kStyleName,
              "A quiz style may not be named " + name + ": the list of quiz styles ends with it");
}

}  // namespace packets::styles

#include "packets/styles/config_rules.h"

#include <algorithm>

#include "packets/styles/record_check.h"

namespace packets::styles {

namespace {

/// The limited material holds chapters 1 to 5 and 26 to 28; a chapter
/// between them becomes 5.
constexpr int kLastEarlyChapter = 5;
constexpr int kFirstLateChapter = 26;
constexpr int kLastVerseOfFive = 48;

int LimitedChapter(int chapter, char lg) {
  if (lg == 'L' && chapter > kLastEarlyChapter && chapter < kFirstLateChapter) {
    return kLastEarlyChapter;
  }
  return chapter;
}

/// One step of PRIM: values from `low` to `high` become `to`, or stay as
/// they are when `to` is 0.
struct PrimStep {
  int low, high, to;
};

// In the order they are tried. 51 to 53 have no pool file and go with the
// values below them.
constexpr PrimStep kPrimSteps[] = {
    {101, 999, 100}, {97, 100, 0}, {91, 96, 99}, {88, 90, 0}, {81, 87, 89}, {78, 80, 0},
    {71, 77, 79},    {68, 70, 0},  {61, 67, 69}, {57, 60, 0}, {54, 56, 59}, {51, 53, 59},
};
constexpr int kPrimFloor = 59;  // 50 and below

/// A minimum and its maximum on the screen.
struct MinMax {
  Field min_field, max_field;
  int StyleRecord::*min;
  int StyleRecord::*max;
  int most;
};

constexpr MinMax kMinMax[] = {
    {Field::kTotalMin, Field::kTotalMax, &StyleRecord::SPMIN, &StyleRecord::SPMAX,
     kMostSpecialties},
    {Field::kFtvMin, Field::kFtvMax, &StyleRecord::FMIN, &StyleRecord::FMAX, kMostOfAKind},
    {Field::kCvMin, Field::kCvMax, &StyleRecord::RMIN, &StyleRecord::RMAX, kMostOfAKind},
    {Field::kCoMin, Field::kCoMax, &StyleRecord::OMIN, &StyleRecord::OMAX, kMostOfAKind},
    {Field::kSitMin, Field::kSitMax, &StyleRecord::SMIN, &StyleRecord::SMAX, kMostOfAKind},
};

}  // namespace

int PRIM(int v) {
  if (v > 100) return 100;
  for (const PrimStep& s : kPrimSteps) {
    if (v >= s.low && v <= s.high) return s.to == 0 ? v : s.to;
  }
  return kPrimFloor;
}

int ChapterVerses(const RunState& st, int chapter) {
  return st.EVS[std::clamp(chapter, 1, CHMAX)];
}

void SETBBK(StyleRecord& r, const RunState& st) {
  r.BVER = std::min(r.BVER, ChapterVerses(st, r.BCHAP));
}

void SETEBK(StyleRecord& r, const RunState& st) {
  if (r.LG == 'L') {
    const int chapter = LimitedChapter(std::min(r.ECHAP, CHMAX), r.LG);
    if (chapter != r.ECHAP) {
      if (chapter == kLastEarlyChapter) r.EVER = kLastVerseOfFive;
      r.ECHAP = chapter;
    }
  }
  r.EVER = std::min(r.EVER, ChapterVerses(st, r.ECHAP));
}

void CorrectEntry(Field f, int v, StyleRecord& r, const RunState& st) {
  switch (f) {
    case Field::kBeginChapter:
      r.BCHAP = LimitedChapter(std::min(v, CHMAX), r.LG);
      SETBBK(r, st);
      return;
    case Field::kBeginVer:
      r.BVER = std::min(v, ChapterVerses(st, r.BCHAP));
      return;
    case Field::kEndChapter:
      r.ECHAP = LimitedChapter(std::min(v, CHMAX), r.LG);
      r.EVER = ChapterVerses(st, r.ECHAP);
      return;
    case Field::kEndVer:
      r.EVER = std::min(v, ChapterVerses(st, r.ECHAP));
      return;
    case Field::kLinesPerPage:
      r.LPP = std::clamp(v, 18, 500);
      return;
    case Field::kQuestions:
      r.QMAX = std::min(v, SCMAX);
      return;
    case Field::kAB:
      r.AB = v;
      return;
    case Field::kSpecialtiesFrom:
      r.SPEARLY = std::min(std::min(v, 10), r.SPLATE);
      return;
    case Field::kSpecialtiesTo:
      r.SPLATE = std::max(std::min(v, SCMAX), r.SPEARLY);
      return;
    case Field::kPctInt:
      r.IPC = std::min(v, 100);
      return;
    case Field::kQuizzes:
      r.QNUM = std::min(v, QQZ);
      return;
    case Field::kRepeats:
      r.REPEATPCT = std::min(v, 100);
      return;
    case Field::kPrimaryFtv:
      r.PRIMPCT = PRIM(v);
      return;
    default:
      break;
  }
  for (const MinMax& m : kMinMax) {
    if (f == m.min_field) {
      r.*m.min = std::min(std::min(v, m.most), r.*m.max);
    } else if (f == m.max_field) {
      r.*m.max = std::max(std::min(v, m.most), r.*m.min);
    }
  }
}

}  // namespace packets::styles

#include "packets/styles/config_navigation.h"

#include "console/console.h"

namespace packets::styles {

std::optional<Key> MoveKey(char c) {
  switch (c) {
    case console::kScanUp:
      return Key::kUp;
    case console::kScanDown:
      return Key::kDown;
    case console::kScanLeft:
      return Key::kLeft;
    case console::kScanRight:
      return Key::kRight;
    case console::kEnter:
      return Key::kEnter;
    case console::kEsc:
      return Key::kEsc;
    default:
      return std::nullopt;
  }
}

namespace {

using F = Field;

constexpr Move To(Field f) {
  return {Act::kTo, f};
}
constexpr Move kCheck{Act::kCheck};
constexpr Move kStay{Act::kStay};
constexpr Move kDash{Act::kNone};
constexpr Move kLetterK{Act::kLetterK};

struct NavRow {
  Field field;
  Move up, down, left, right, enter;
};

// clang-format off
constexpr NavRow kNavigation[kFieldCount] = {
  //  field                 Up                      Down                    Left                    Right                   Enter
  {F::kBeginBook,        kCheck,                 To(F::kEndBook),        kDash,                  To(F::kBeginChapter),   To(F::kEndBook)},
  {F::kBeginChapter,     kCheck,                 To(F::kEndChapter),     To(F::kBeginBook),      To(F::kBeginVer),       To(F::kEndChapter)},
  {F::kBeginVer,         kCheck,                 To(F::kEndVer),         To(F::kBeginChapter),   To(F::kQuizzes),        To(F::kEndVer)},
  {F::kEndBook,          To(F::kBeginBook),      To(F::kStyleName),      kDash,                  To(F::kEndChapter),     To(F::kStyleName)},
  {F::kEndChapter,       To(F::kBeginChapter),   To(F::kStyleName),      To(F::kEndBook),        To(F::kEndVer),         To(F::kStyleName)},
  {F::kEndVer,           To(F::kBeginVer),       To(F::kStyleName),      To(F::kEndChapter),     To(F::kSectorBy),       To(F::kStyleName)},
  {F::kStyleName,        To(F::kEndChapter),     To(F::kOutputName),     kLetterK,               To(F::kRepeats),        To(F::kOutputName)},
  {F::kOutputName,       To(F::kStyleName),      To(F::kOutput),         kLetterK,               To(F::kTotalMin),       To(F::kOutput)},
  {F::kLinesPerPage,     To(F::kOutputName),     To(F::kQuestions),      kStay,                  To(F::kOutput),         To(F::kOutput)},
  {F::kOutput,           To(F::kOutputName),     To(F::kQuestions),      To(F::kLinesPerPage),   To(F::kTotalMin),       To(F::kQuestions)},
  {F::kQuestions,        To(F::kOutput),         To(F::kAB),             kDash,                  To(F::kCvMin),          To(F::kAB)},
  {F::kAB,               To(F::kQuestions),      To(F::kSpecialtiesTo),  kDash,                  To(F::kSitMin),         To(F::kSpecialtiesTo)},
  {F::kSpecialtiesFrom,  To(F::kAB),             To(F::kPctInt),         To(F::kAB),             To(F::kSpecialtiesTo),  To(F::kPctInt)},
  {F::kSpecialtiesTo,    To(F::kAB),             To(F::kReindex),        To(F::kSpecialtiesFrom),To(F::kPrimaryFtv),     To(F::kReindex)},
  {F::kPctInt,           To(F::kSpecialtiesFrom),To(F::kQuizzes),        kStay,                  To(F::kReindex),        To(F::kReindex)},
  {F::kReindex,          To(F::kSpecialtiesTo),  To(F::kQuizzes),        To(F::kPctInt),         To(F::kSetSpecialty),   To(F::kQuizzes)},
  {F::kQuizzes,          kCheck,                 To(F::kSectorBy),       To(F::kBeginVer),       kDash,                  To(F::kSectorBy)},
  {F::kSectorBy,         To(F::kQuizzes),        To(F::kRepeats),        To(F::kEndVer),         kDash,                  To(F::kRepeats)},
  {F::kRepeats,          To(F::kSectorBy),       To(F::kTotalMax),       To(F::kStyleName),      kDash,                  To(F::kFtvMax)},
  {F::kTotalMin,         To(F::kRepeats),        To(F::kFtvMin),         To(F::kOutput),         To(F::kTotalMax),       To(F::kFtvMin)},
  {F::kTotalMax,         To(F::kRepeats),        To(F::kFtvMax),         To(F::kTotalMin),       kDash,                  To(F::kFtvMax)},
  {F::kFtvMin,           To(F::kTotalMin),       To(F::kCvMin),          To(F::kOutput),         To(F::kFtvMax),         To(F::kCvMin)},
  {F::kFtvMax,           To(F::kTotalMax),       To(F::kCvMax),          To(F::kFtvMin),         kDash,                  To(F::kCvMax)},
  {F::kCvMin,            To(F::kFtvMin),         To(F::kCoMin),          To(F::kQuestions),      To(F::kCvMax),          To(F::kCoMin)},
  {F::kCvMax,            To(F::kFtvMax),         To(F::kCoMax),          To(F::kCvMin),          kDash,                  To(F::kCoMax)},
  {F::kCoMin,            To(F::kCvMin),          To(F::kSitMin),         To(F::kQuestions),      To(F::kCoMax),          To(F::kSitMin)},
  {F::kCoMax,            To(F::kCvMax),          To(F::kSitMax),         To(F::kCoMin),          kDash,                  To(F::kSitMax)},
  {F::kSitMin,           To(F::kCoMin),          To(F::kPrimaryFtv),     To(F::kAB),             To(F::kSitMax),         To(F::kPrimaryFtv)},
  {F::kSitMax,           To(F::kCoMax),          To(F::kReg),            To(F::kSitMin),         kDash,                  To(F::kReg)},
  {F::kPrimaryFtv,       To(F::kSitMin),         To(F::kSetSpecialty),   To(F::kSpecialtiesTo),  To(F::kReg),            To(F::kSetSpecialty)},
  {F::kReg,              To(F::kSitMax),         To(F::kSetSpecialty),   To(F::kPrimaryFtv),     kDash,                  To(F::kSetSpecialty)},
  {F::kSetSpecialty,     To(F::kReg),            To(F::kBeginChapter),   To(F::kReindex),        kDash,                  To(F::kBeginChapter)},
};
// clang-format on

/// A move that differs when the key ended a value typed into the field.
struct AfterTyping {
  Field field;
  Key key;
  Move move;
};

constexpr AfterTyping kAfterTyping[] = {
    {F::kBeginVer, Key::kRight, kStay},
    {F::kEndVer, Key::kRight, kStay},
    {F::kEndChapter, Key::kRight, To(F::kStyleName)},
    {F::kOutputName, Key::kRight, To(F::kFtvMin)},
    {F::kSpecialtiesTo, Key::kDown, To(F::kPctInt)},
    {F::kSpecialtiesTo, Key::kEnter, To(F::kPctInt)},
    {F::kPctInt, Key::kUp, To(F::kAB)},
    {F::kRepeats, Key::kEnter, kStay},
    {F::kSitMax, Key::kDown, To(F::kSetSpecialty)},
    {F::kSitMax, Key::kEnter, To(F::kSetSpecialty)},
};

constexpr bool RowsInFieldOrder() {
  for (int i = 0; i < kFieldCount; ++i) {
    if (static_cast<int>(kNavigation[i].field) != i) return false;
  }
  return true;
}
static_assert(RowsInFieldOrder(), "one navigation row per field, in the order of Field");

}  // namespace

Move NextMove(Field from, Key key, bool typed) {
  if (key == Key::kEsc) return kCheck;
  if (typed) {
    for (const AfterTyping& a : kAfterTyping) {
      if (a.field == from && a.key == key) return a.move;
    }
  }
  const NavRow& row = kNavigation[static_cast<int>(from)];
  switch (key) {
    case Key::kUp:
      return row.up;
    case Key::kDown:
      return row.down;
    case Key::kLeft:
      return row.left;
    case Key::kRight:
      return row.right;
    default:
      return row.enter;
  }
}

}  // namespace packets::styles

#include "packets/styles/config_layout.h"

namespace packets::styles {

const LabelRow kConfigLabels[13] = {
    {4, "    ______________________________________________________________________"},
    {6, "    Begin:       Chapter:    Ver:        Number of Quizzes in this Run:"},
    {8, "    End:         Chapter:    Ver:        Sector by Chp/Vrs/Que (c/v/q):"},
    {10, "    Name of Quiz Style  :                Percent Eligible for Repeats :"},
    {12, "    Name of Output File :                Specialty Ranges              "},
    {13, "                                                                       "},
    {14, "    Lines/Pg:     Output (p/c/t):            Total        Min:     Max:"},
    {15, "                                             FTV Type     Min:     Max:"},
    {16, "    Number of Questions per pack:            CV Ref       Min:     Max:"},
    {17, "                                             CO Ref       Min:     Max:"},
    {18, "    A and B Questions begin on  :            Situation    Min:     Max:"},
    {20, "    Specialties may appear    to         Pct Prim FTV:     Reg (a/b/c):"},
    {22, "    Pct Int :      Reindex (y/n):        Set Specialty Quest nos (y/n):"},
};

namespace {

using R = StyleRecord;
using K = FieldKind;

constexpr FieldPlace Book(Field f, int y) {
  return {f, K::kBook, 14, y, 2, 14};
}
constexpr FieldPlace Number(Field f, int x, int y, int width, bool zero_first, int R::*number) {
  return {f, K::kNumber, x, y, width, x, zero_first, {}, number};
}
/// A letter is shown after a blank; the cursor stands on the letter.
constexpr FieldPlace Letter(Field f, int x, int y, std::string_view keys, char R::*letter) {
  return {f, K::kLetter, x, y, 2, x + 1, false, keys, nullptr, letter};
}
constexpr FieldPlace Name(Field f, int y) {
  return {f, K::kName, 27, y, kNameWidth, 27};
}

constexpr bool kZero = true;  // the first digit may be 0
constexpr bool kNoZero = false;

}  // namespace

// Output accepts no capital P: it arrives as Down.
const FieldPlace kFieldPlaces[kFieldCount] = {
    Book(Field::kBeginBook, 6),
    Number(Field::kBeginChapter, 27, 6, 2, kNoZero, &R::BCHAP),
    Number(Field::kBeginVer, 35, 6, 2, kNoZero, &R::BVER),
    Book(Field::kEndBook, 8),
    Number(Field::kEndChapter, 27, 8, 2, kNoZero, &R::ECHAP),
    Number(Field::kEndVer, 35, 8, 2, kNoZero, &R::EVER),
    Name(Field::kStyleName, 10),
    Name(Field::kOutputName, 12),
    Number(Field::kLinesPerPage, 15, 14, 3, kZero, &R::LPP),
    Letter(Field::kOutput, 35, 14, "cptCT", &R::OUT),
    Number(Field::kQuestions, 35, 16, 2, kNoZero, &R::QMAX),
    Number(Field::kAB, 35, 18, 2, kNoZero, &R::AB),
    Number(Field::kSpecialtiesFrom, 28, 20, 2, kNoZero, &R::SPEARLY),
    Number(Field::kSpecialtiesTo, 35, 20, 2, kNoZero, &R::SPLATE),
    Number(Field::kPctInt, 15, 22, 3, kZero, &R::IPC),
    Letter(Field::kReindex, 35, 22, "ynYN", &R::INDX),
    Number(Field::kQuizzes, 72, 6, 3, kNoZero, &R::QNUM),
    Letter(Field::kSectorBy, 73, 8, "cvqCVQ", &R::SEC1),
    Number(Field::kRepeats, 72, 10, 3, kZero, &R::REPEATPCT),
    Number(Field::kTotalMin, 64, 14, 2, kZero, &R::SPMIN),
    Number(Field::kTotalMax, 73, 14, 2, kZero, &R::SPMAX),
    Number(Field::kFtvMin, 64, 15, 2, kZero, &R::FMIN),
    Number(Field::kFtvMax, 73, 15, 2, kZero, &R::FMAX),
    Number(Field::kCvMin, 64, 16, 2, kZero, &R::RMIN),
    Number(Field::kCvMax, 73, 16, 2, kZero, &R::RMAX),
    Number(Field::kCoMin, 64, 17, 2, kZero, &R::OMIN),
    Number(Field::kCoMax, 73, 17, 2, kZero, &R::OMAX),
    Number(Field::kSitMin, 64, 18, 2, kZero, &R::SMIN),
    Number(Field::kSitMax, 73, 18, 2, kZero, &R::SMAX),
    Number(Field::kPrimaryFtv, 56, 20, 3, kZero, &R::PRIMPCT),
    Letter(Field::kReg, 73, 20, "abcdABCD", &R::REGLST),
    Letter(Field::kSetSpecialty, 73, 22, "ynYN", &R::SETSPC),
};

}  // namespace packets::styles

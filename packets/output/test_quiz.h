// Quizzes and settings for the packet output tests.
#pragma once

#include <string>

#include "packets/output/output.h"

namespace packets::output::testing {

/// A place of kind `kind` holding `record`; FTV and SIT records longer than
/// 254 characters are split into ALL and ALL2 as question selection reads
/// them.
inline Place MakePlace(char kind, const std::string& record, int sector = 1, int number = 1) {
  Place p;
  p.kind = kind;
  p.sector = sector;
  p.number = number;
  p.all = record.substr(0, 254);
  if (kind == 'F' || kind == 'S') {
    p.all2 = record.size() > 254 ? record.substr(254, 254) : "";
  } else {
    p.all2 = " ";
  }
  return p;
}

/// The style of the worked examples: Standard over M 1:1 to M 28:20.
inline Settings Standard(char out, int ab = 20, int lpp = 60) {
  Settings s;
  s.OUT = out;
  s.AB = ab;
  s.LPP = lpp;
  s.BCHAP = 1;
  s.BVER = 1;
  s.ECHAP = 28;
  s.EVER = 20;
  s.NAME = "Standard";
  return s;
}

inline const std::string kCvRecord =
    " 5:12\tCV\tWhat must you do first? Be reconciled to your brother.";
inline const std::string kCoRecord = " 5:12\tCO\tWhat must you do first?";
inline const std::string kFtvRecord =
    " 5: 3\tFTV \tBlessed are the poor in spirit, for theirs is the kingdom of heaven.";
inline const std::string kQuoRecord = " 6: 9\tQUO \tThis, then, is how you should pray.";
inline const std::string kSitRecord =
    " 4: 3\tThe tempter came to him and said \"If you are the Son of God, tell these stones "
    "to become bread.\"";

}  // namespace packets::output::testing

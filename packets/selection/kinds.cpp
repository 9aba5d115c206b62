#include "packets/selection/kinds.h"

#include "packets/run/run_notes.h"

namespace packets::selection {

const SpecialtyKind kCvRef{'R',
                           &RunState::RPS,
                           &RunState::TRPS,
                           &RunState::REFERENCE,
                           &RunState::REFLINE,
                           &RunState::RQUIZ,
                           &RunState::RQUIZ1,
                           &RunState::LAST,
                           true,
                           false,
                           false,
                           false,
                           "  Due to sectoring restrictions we must begin CV Ref repeats in quiz ",
                           notes::CvRepeats,
                           "CV Ref",
                           &SeasonState::REF};

const SpecialtyKind kCoRef{'O',
                           &RunState::OPS,
                           &RunState::TOPS,
                           &RunState::ONLY,
                           &RunState::ONLYLINE,
                           &RunState::OQUIZ,
                           &RunState::OQUIZ1,
                           &RunState::LASTO,
                           true,
                           false,
                           false,
                           false,
                           "  Due to sectoring restrictions we must begin CO Ref repeats in quiz ",
                           notes::CoRepeats,
                           "CO Ref",
                           &SeasonState::ONLY};

const SpecialtyKind kSit{'S',
                         &RunState::SPS,
                         &RunState::TSPS,
                         &RunState::SITUATION,
                         &RunState::SITLINE,
                         &RunState::SQUIZ,
                         &RunState::SQUIZ1,
                         &RunState::LASTO,
                         true,
                         true,
                         true,
                         false,
                         "  Due to sectoring restrictions we must start situation repeats in quiz ",
                         notes::SitRepeats,
                         "SIT",
                         &SeasonState::SIT};

const SpecialtyKind kFtv{'F',
                         &RunState::FPS,
                         &RunState::TFPS,
                         &RunState::FINISH,
                         &RunState::FINLINE,
                         &RunState::FQUIZ,
                         &RunState::FQUIZ1,
                         &RunState::LASTO,
                         false,
                         true,
                         true,
                         true,
                         "  Due to sectoring restrictions FTV repeats begin in quiz ",
                         notes::FtvRepeats,
                         "FTV",
                         &SeasonState::FIN};

const SpecialtyKind* KindOf(char letter) {
  for (const SpecialtyKind* k : {&kCvRef, &kCoRef, &kSit, &kFtv}) {
    if (k->letter == letter) return k;
  }
  return nullptr;
}

}  // namespace packets::selection

// The specialty pattern of a quiz: 30 characters, character n the kind of
// question n ("F" FTV, "R" CV Ref, "O" CO Ref, "S" Situation, "n" regular).
// Drawing one is a pure function of the style's settings and the random
// generator.
#pragma once

#include <string>

#include "console/random.h"
#include "packets/run/run_state.h"

namespace packets::styles {

/// The settings of a style that decide its patterns.
struct PatternSettings {
  int SPMIN = 0, SPMAX = 0;
  int FMIN = 0, FMAX = 0;
  int RMIN = 0, RMAX = 0;
  int OMIN = 0, OMAX = 0;
  int SMIN = 0, SMAX = 0;
  int SPEARLY = 1, SPLATE = 30;
  char SETSPC = 'N';
  std::string TYP;  // the type template
};

/// The run driver's copies of the settings (those its check passed).
PatternSettings DriverSettings(const RunState& st);
/// The settings of a style record.
PatternSettings RecordSettings(const StyleRecord& rec);

/// One specialty kind: its letter and where its minimum and maximum live.
struct SpecialtyKind {
  char letter;
  int PatternSettings::*min;
  int PatternSettings::*max;
};

/// The four specialty kinds, in the order of the style file.
inline constexpr SpecialtyKind kSpecialtyKinds[] = {
    {'F', &PatternSettings::FMIN, &PatternSettings::FMAX},
    {'R', &PatternSettings::RMIN, &PatternSettings::RMAX},
    {'O', &PatternSettings::OMIN, &PatternSettings::OMAX},
    {'S', &PatternSettings::SMIN, &PatternSettings::SMAX},
};

/// The kind of a letter, or nullptr for "n" and anything else.
const SpecialtyKind* KindOf(char letter);

/// The template tidied: each kind's letter is kept, from position 1 on,
/// while fewer than its maximum have been kept; every other character, and
/// every position outside the specialty window, becomes "n". 30 characters.
std::string TidyTemplate(const PatternSettings& s, const std::string& typ);

/// Draws the pattern of one quiz. With `SETSPC` other than "N" it is the
/// type template (tidied); otherwise a fresh draw: a total from `SPMIN` to
/// `SPMAX`, split among the kinds within their minima and maxima, placed
/// inside the specialty window with as few same-kind neighbours as 15 trials
/// find. Ends for every style that passes the run check.
std::string SPECPAT(const PatternSettings& s, console::Random& rng);

}  // namespace packets::styles
